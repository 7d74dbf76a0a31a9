// The data files of a language, of any content, loaded as the program loads them, then read
// through random draws. A short file (ErreurLecture) and an index out of range while composing
// (ErreurEtendue) are the program's own outcomes; anything else is a fault.
//
// Input: one flag byte (bit 0: English; bit 1: no pair file when its part is empty; bit 2: no
// domain file when its part is empty), the split (4 bytes, little-endian: the pair file's share
// of the rest, modulo its length + 1), the generator state (4 bytes), then the two files' bytes.

#include "Erreurs.h"
#include "Hasard.h"
#include "Langue.h"
#include "Textes.h"
#include "Tirages.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>

using namespace lunespiral;

namespace {

// One directory for the whole run, removed at exit (the path outlives every static).
const std::string& dossier() {
    static const std::string* chemin = [] {
        std::string modele =
            (std::filesystem::temp_directory_path() / "fuzz_donnees.XXXXXX").string();
        if (!::mkdtemp(modele.data())) std::abort();
        auto* c = new std::string(modele + "/");
        std::atexit([] { std::filesystem::remove_all(dossier()); });
        return c;
    }();
    return *chemin;
}

void poser(const std::string& nom, const std::uint8_t* octets, std::size_t taille,
           bool absentSiVide) {
    const std::string chemin = dossier() + nom;
    std::filesystem::remove(chemin);
    if (taille == 0 && absentSiVide) return;
    std::FILE* f = std::fopen(chemin.c_str(), "wb");
    if (!f) std::abort();
    if (taille && std::fwrite(octets, 1, taille, f) != taille) std::abort();
    std::fclose(f);
}

std::uint32_t lireU32(const std::uint8_t* o) {
    return std::uint32_t{o[0]} | std::uint32_t{o[1]} << 8 | std::uint32_t{o[2]} << 16 |
           std::uint32_t{o[3]} << 24;
}

void verifier(bool condition) {
    if (!condition) __builtin_trap();
}

void verifierTexte(const std::string& texte) {
    verifier(texte.size() <= 255 && texte.find('\0') == std::string::npos);
}

bool blocValide(const Textes& t, int a, int b, Domaine d) {
    const EnregPaire& p = t.paire(a, b);
    return p.ligne[d] >= 1 && p.ligne[d] <= nbLignes && p.colonne[d] >= 1 &&
           p.colonne[d] <= nbColonnes;
}

// Each pair record read must be the file's bytes at its place; those not reached stay zero.
void verifierPaires(const Textes& t, const std::uint8_t* octets, std::size_t taille) {
    const std::size_t complets = taille / EnregPaire::taille;
    std::size_t n = 0;
    for (int a = 1; a <= 22; ++a)
        for (int b = 1; b <= 22; ++b, ++n) {
            const EnregPaire& p = t.paire(a, b);
            if (n < complets) {
                const std::uint8_t* r = octets + n * EnregPaire::taille;
                verifier(std::memcmp(p.textePresent.octets.data(), r, 255) == 0);
                verifier(std::memcmp(p.texteFutur.octets.data(), r + 255, 255) == 0);
                for (int d = 1; d <= 4; ++d) {
                    verifier(p.ligne[d] ==
                             static_cast<std::int32_t>(lireU32(r + 512 + 4 * (d - 1))));
                    verifier(p.colonne[d] ==
                             static_cast<std::int32_t>(lireU32(r + 528 + 4 * (d - 1))));
                }
            } else {
                verifier(p.textePresent.texte().empty() && p.texteFutur.texte().empty());
                for (int d = 1; d <= 4; ++d) verifier(p.ligne[d] == 0 && p.colonne[d] == 0);
            }
        }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    if (taille < 9) return 0;
    const std::uint8_t drapeaux = donnees[0];
    const std::size_t reste = taille - 9;
    const std::size_t partPaires = lireU32(donnees + 1) % (reste + 1);
    const std::uint32_t graine = lireU32(donnees + 5);
    const std::uint8_t* paires = donnees + 9;
    const std::uint8_t* domaines = paires + partPaires;
    const std::size_t partDomaines = reste - partPaires;
    const int langue = (drapeaux & 1) ? langueAnglais : langueFrancais;

    poser(nomFichierPaires(langue), paires, partPaires, drapeaux & 2);
    poser(nomFichierDomaines(langue), domaines, partDomaines, drapeaux & 4);

    Textes t;
    bool lecture = true;
    try {
        t.chargerTextes(langue, dossier());
    } catch (const ErreurLecture&) {
        // The program shows it and goes on with what was read.
        lecture = false;
    }
    // A short domain file stops loading before the pair file is reached.
    const bool domainesEntiers =
        (partDomaines == 0 && (drapeaux & 4)) || partDomaines >= 240 * EnregDomaine::taille;
    const bool pairesPresentes = partPaires > 0 || !(drapeaux & 2);
    verifier(lecture ==
             (domainesEntiers && (!pairesPresentes || partPaires >= 484 * EnregPaire::taille)));
    verifierPaires(t, paires, domainesEntiers && pairesPresentes ? partPaires : 0);

    Hasard hasard;
    hasard.graine = graine;
    constexpr Domaine ordreCroix[4] = {Projets, Amour, Sante, RelationsPersonnelles};
    for (int tour = 0; tour < 4; ++tour) {
        const TirageCroix croix = tirerCroixDepuis(hasard);
        bool attendue = false;
        for (Domaine d : ordreCroix)
            attendue = attendue || !blocValide(t, croix.cartes[1], croix.cartes[2], d) ||
                       !blocValide(t, croix.cartes[3], croix.cartes[4], d);
        TextesCroix tc;
        bool erreur = false;
        try {
            t.composerCroix(croix, tc);
        } catch (const ErreurEtendue&) {
            erreur = true;
        }
        verifier(erreur == attendue);
        verifierTexte(tc.phraseGlobale);
        verifierTexte(tc.synthesePresent);
        verifierTexte(tc.syntheseFutur);
        for (int i = 1; i <= 4; ++i) {
            verifierTexte(tc.domainesPresent[i]);
            verifierTexte(tc.domainesFutur[i]);
        }

        const TirageMaisons maisons = tirerMaisonsDepuis(hasard);
        constexpr int domaineDeLaMaison[10] = {1, 2, 2, 3, 0, 3, 2, 0, 0, 4};
        attendue = false;
        for (int h = 1; h <= 10; ++h)
            if (domaineDeLaMaison[h - 1] != 0)
                attendue = attendue || !blocValide(t, maisons.cartes[h], maisons.cartesAssociees[h],
                                                   static_cast<Domaine>(domaineDeLaMaison[h - 1]));
        TextesMaisons tm;
        erreur = false;
        try {
            t.composerMaisons(maisons, tm);
        } catch (const ErreurEtendue&) {
            erreur = true;
        }
        verifier(erreur == attendue);
        for (const auto& texte : tm) verifierTexte(texte);

        // The bohemian spread reads only the pairs' own texts: it composes whatever the files hold.
        TextesHorizons th;
        t.composerBohemiens(tirerBohemiensDepuis(hasard), th);
        for (const auto& texte : th) verifierTexte(texte);
    }
    return 0;
}
