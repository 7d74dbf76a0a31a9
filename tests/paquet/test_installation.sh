#!/bin/bash
# Installs the build into a fresh tree (as `make install DESTDIR=... PREFIX=/usr` does), makes
# every installed file read-only, and uses it as nobody: the command-line reader through its
# link on the PATH, the real windows on the installed data files, and the installed desktop
# program itself, started offscreen.
#   test_installation.sh BUILD TEST_INSTALLE ECRAN.json [PAQUET.deb]
# With a Debian package, its contents are unpacked and tried instead of the build's install.
# Needs root to become nobody; skips (77) otherwise.
set -euo pipefail

construction=$1
test_installe=$2
ecran=$3
paquet=${4:-}

if [ "$(id -u)" -ne 0 ]; then
    echo "SKIP: the installation is tried as the unprivileged user nobody, which needs root"
    exit 77
fi
if ! command -v setpriv >/dev/null; then
    echo "SKIP: setpriv (util-linux) is missing"
    exit 77
fi

travail=$(mktemp -d)
programme_actif=
nettoyer() {
    if [ -n "$programme_actif" ]; then kill "$programme_actif" 2>/dev/null || true; fi
    chmod -R u+w "$travail" 2>/dev/null || true
    rm -rf "$travail"
}
trap nettoyer EXIT
chmod 755 "$travail"

echec() {
    echo "FAIL: $*"
    exit 1
}

# The tree a package would hold, then read-only for everyone.
racine=$travail/racine
if [ -n "$paquet" ]; then
    dpkg-deb -x "$paquet" "$racine" || echec "dpkg-deb -x $paquet"
else
    DESTDIR=$racine cmake --install "$construction" --prefix /usr >"$travail/installation.log" ||
        { cat "$travail/installation.log"; echec "cmake --install"; }
fi
chmod -R a-w "$racine"

prive=$racine/usr/lib/lunespiral
for fichier in lunespiral lunespiral-tirage tbb tbbus tbc tbcus lunespfr.hlp lunespus.hlp; do
    [ -f "$prive/$fichier" ] || echec "$prive/$fichier is not installed"
done
for programme in lunespiral lunespiral-tirage; do
    lien=$racine/usr/bin/$programme
    [ -L "$lien" ] || echec "$lien is not a link"
    [ "$(readlink "$lien")" = "../lib/lunespiral/$programme" ] ||
        echec "$lien points to $(readlink "$lien"), not to the program beside its data"
    [ -x "$prive/$programme" ] || echec "$prive/$programme is not executable"
done
for chemin in share/applications/fr.ludicorium.Lunespiral.desktop \
              share/metainfo/fr.ludicorium.Lunespiral.metainfo.xml \
              share/icons/hicolor/scalable/apps/fr.ludicorium.Lunespiral.svg \
              share/man/man6/lunespiral.6.gz share/man/man1/lunespiral-tirage.1.gz \
              share/man/fr/man6/lunespiral.6.gz share/man/fr/man1/lunespiral-tirage.1.gz \
              share/doc/lunespiral/copyright share/doc/lunespiral/changelog.Debian.gz; do
    [ -s "$racine/usr/$chemin" ] || echec "/usr/$chemin is missing"
done
for taille in 16 32 48 64 128 256; do
    icone=$racine/usr/share/icons/hicolor/${taille}x${taille}/apps/fr.ludicorium.Lunespiral.png
    [ -s "$icone" ] || echec "no ${taille}x${taille} icon"
    # PNG header: the width and the height, big-endian, at bytes 16..23.
    dimensions=$(od -An -tu1 -j16 -N8 "$icone" | awk '{print $3*256+$4 "x" $7*256+$8}')
    [ "$dimensions" = "${taille}x${taille}" ] || echec "the ${taille}x${taille} icon is $dimensions"
done
# The metadata, the desktop entry and the icon, checked together as installed.
if command -v appstreamcli >/dev/null; then
    appstreamcli validate-tree --no-net "$racine" >"$travail/arbre.log" 2>&1 ||
        { cat "$travail/arbre.log"; echec "appstreamcli validate-tree"; }
fi

# nobody's home does not exist: its own directories live in a temporary place it owns.
utilisateur=$travail/nobody
mkdir -p "$utilisateur/config" "$utilisateur/cache" "$utilisateur/runtime"
chmod 700 "$utilisateur/runtime"
cp "$test_installe" "$ecran" "$utilisateur/"
chown -R nobody:nogroup "$utilisateur"
# Runs a command as nobody, in place of the calling (sub)shell: `( en_nobody ... )`, or
# `en_nobody ... &` so that $! is the command itself.
en_nobody() {
    exec setpriv --reuid=nobody --regid=nogroup --clear-groups --reset-env \
        env PATH="$racine/usr/bin:/usr/bin:/bin" \
            XDG_CONFIG_HOME="$utilisateur/config" XDG_CACHE_HOME="$utilisateur/cache" \
            XDG_RUNTIME_DIR="$utilisateur/runtime" \
            ${ASAN_OPTIONS:+ASAN_OPTIONS="$ASAN_OPTIONS"} ${LSAN_OPTIONS:+LSAN_OPTIONS="$LSAN_OPTIONS"} \
            ${UBSAN_OPTIONS:+UBSAN_OPTIONS="$UBSAN_OPTIONS"} \
            "$@"
}

# The command-line reader, found on the PATH through its link, reads the installed files.
(en_nobody lunespiral-tirage --langue fr croix) >"$travail/croix.txt" 2>"$travail/croix.err" ||
    { cat "$travail/croix.err"; echec "lunespiral-tirage --langue fr croix"; }
[ ! -s "$travail/croix.err" ] || { cat "$travail/croix.err"; echec "lunespiral-tirage wrote errors"; }
grep -q '^--- PRESENT ---' "$travail/croix.txt" || echec "no present in the reading"
textes=$(grep -c '^    [^ ]' "$travail/croix.txt" || true)
[ "$textes" -ge 20 ] || { cat "$travail/croix.txt"; echec "only $textes lines of reading text"; }
# The same seed gives the very reading of the build tree's own program and data files.
for langue in fr en; do
    for tirage in croix maisons bohemiens; do
        attendu=$("$construction/bin/lunespiral-tirage" --graine 2026 --langue $langue $tirage)
        obtenu=$(en_nobody lunespiral-tirage --graine 2026 --langue $langue $tirage)
        [ "$obtenu" = "$attendu" ] || echec "the installed $tirage in $langue differs from the build's"
    done
done
echo "lunespiral-tirage: $textes lines of text in a French cross, the same readings as the build"

# The real windows on the installed files.
(en_nobody env LUNESPIRAL_INSTALLE="$prive" \
    QT_QPA_PLATFORM="offscreen:configfile=$utilisateur/$(basename "$ecran")" \
    "$utilisateur/$(basename "$test_installe")") ||
    echec "the windows on the installed files"
rm -rf "$utilisateur/config/Ludicorium"

# The installed desktop program starts and stays up, silently, and writes its options where
# the user's configuration lives.
en_nobody env QT_QPA_PLATFORM="offscreen:configfile=$utilisateur/$(basename "$ecran")" \
    lunespiral >"$travail/lunespiral.out" 2>"$travail/lunespiral.err" &
programme_actif=$!
sleep 2
kill -0 "$programme_actif" 2>/dev/null || { cat "$travail/lunespiral.err"; echec "lunespiral stopped by itself"; }
kill "$programme_actif"
wait "$programme_actif" 2>/dev/null || true
programme_actif=
[ ! -s "$travail/lunespiral.err" ] && [ ! -s "$travail/lunespiral.out" ] ||
    { cat "$travail/lunespiral.out" "$travail/lunespiral.err"; echec "lunespiral wrote output"; }
reglages="$utilisateur/config/Ludicorium/LUNESPIRAL 2000.ini"
[ -f "$reglages" ] || echec "no options file under nobody's XDG_CONFIG_HOME"
[ "$(stat -c %U "$reglages")" = nobody ] || echec "the options file does not belong to nobody"
echo "lunespiral: up for 2 seconds as nobody, silent, options in $reglages"
echo "PASS"
