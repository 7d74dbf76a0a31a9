#include "Textes.h"

#include "Arcanes.h"
#include "Cp1252.h"
#include "Erreurs.h"
#include "Fichiers.h"
#include "Langue.h"
#include "SignificationsCartes.h"

#include <algorithm>
#include <cstring>

namespace lunespiral {

namespace {

constexpr int nbEnregDomaines = nbDomaines * nbLignes * nbColonnes * nbVariantes; // 240
constexpr int nbEnregPaires = nbArcanes * nbArcanes;                              // 484

// Copies the text and one NUL into the field from its first cell; the cells after the NUL keep
// what they held. A text that leaves no room for the NUL does not fit.
template <std::size_t N> void copierAvecNul(ChampTexte<N>& champ, const std::string& texte) {
    if (texte.size() >= N) throw ErreurEtendue();
    std::memcpy(champ.octets.data(), texte.data(), texte.size());
    champ.octets[texte.size()] = '\0';
}

template <std::size_t N> void lireChamp(ChampTexte<N>& champ, const unsigned char* octets) {
    std::memcpy(champ.octets.data(), octets, N);
}

std::int32_t entier32(const unsigned char* o) {
    const std::uint32_t v = std::uint32_t{o[0]} | std::uint32_t{o[1]} << 8 |
                            std::uint32_t{o[2]} << 16 | std::uint32_t{o[3]} << 24;
    return static_cast<std::int32_t>(v);
}

} // namespace

std::string nomFichierDomaines(int langue) {
    return langue == langueAnglais ? "tbbus" : "tbb";
}
std::string nomFichierPaires(int langue) {
    return langue == langueAnglais ? "tbcus" : "tbc";
}

Textes::Textes()
    : textesDomaines_(std::make_unique<TableDomaines>()), paires_(std::make_unique<TablePaires>()) {
}

Textes& Textes::communs() {
    static Textes textes;
    return textes;
}

void Textes::chargerTableCartes(int langue) {
    const auto& significations =
        langue == langueAnglais ? significationsAnglaises() : significationsFrancaises();
    for (int c = 1; c <= nbArcanes; ++c) {
        copierAvecNul(tableCartes_[c].nom, nomArcane(c, langue));
        copierAvecNul(tableCartes_[c].signification,
                      cp1252(significations[static_cast<std::size_t>(c - 1)]));
    }
}

void Textes::chargerTextes(int langue, const std::string& repertoire) {
    chargerTableCartes(langue);
    // No directory is not the current one: the files of whoever started the program are not ours.
    if (repertoire.empty()) return;

    // Opened for reading only: an installed program's files are read-only for everyone, and
    // that must not count as missing.
    if (const auto contenu = lireFichierOrdinaire(repertoire + nomFichierDomaines(langue),
                                                  nbEnregDomaines * EnregDomaine::taille)) {
        const unsigned char* o = contenu->data();
        std::size_t reste = contenu->size();
        for (int d = 1; d <= nbDomaines; ++d)
            for (int l = 1; l <= nbLignes; ++l)
                for (int c = 1; c <= nbColonnes; ++c)
                    for (int v = 1; v <= nbVariantes; ++v) {
                        if (reste < EnregDomaine::taille) throw ErreurLecture();
                        EnregDomaine& e = (*textesDomaines_)[d][l][c][v];
                        lireChamp(e.textePresent, o);
                        lireChamp(e.texteFutur, o + 255);
                        o += EnregDomaine::taille;
                        reste -= EnregDomaine::taille;
                    }
    }

    const auto contenu = lireFichierOrdinaire(repertoire + nomFichierPaires(langue),
                                              nbEnregPaires * EnregPaire::taille);
    if (!contenu) return;
    const unsigned char* o = contenu->data();
    std::size_t reste = contenu->size();
    for (int a = 1; a <= nbArcanes; ++a)
        for (int b = 1; b <= nbArcanes; ++b) {
            if (reste < EnregPaire::taille) throw ErreurLecture();
            EnregPaire& p = (*paires_)[a][b];
            lireChamp(p.textePresent, o);
            lireChamp(p.texteFutur, o + 255);
            for (int d = 1; d <= nbDomaines; ++d) {
                p.ligne[d] = entier32(o + 512 + 4 * static_cast<std::size_t>(d - 1));
                p.colonne[d] = entier32(o + 528 + 4 * static_cast<std::size_t>(d - 1));
            }
            o += EnregPaire::taille;
            reste -= EnregPaire::taille;
        }
}

const EnregDomaine& Textes::domaine(int d, int ligne, int colonne, int variante) const {
    return (*textesDomaines_)[d][ligne][colonne][variante];
}

const EnregPaire& Textes::paire(int a, int b) const {
    return (*paires_)[a][b];
}

namespace {

const ChampTexte<255>& champDomaine(const Textes& t, int a, int b, Domaine d, int variante,
                                    Textes::Cote cote) {
    const EnregPaire& p = t.paire(a, b);
    // Every index is checked by its table: a value out of range is a range error.
    const EnregDomaine& e = t.domaine(d, p.ligne[d], p.colonne[d], variante);
    return cote == Textes::Cote::Present ? e.textePresent : e.texteFutur;
}

// A composed text goes into the string that held the previous reading's, reusing its buffer:
// once the first readings are made, composing allocates nothing.
template <std::size_t N> void copier(const ChampTexte<N>& champ, std::string& cible) {
    cible.assign(champ.octets.begin(), std::find(champ.octets.begin(), champ.octets.end(), '\0'));
}

} // namespace

std::string Textes::texteDomaine(int a, int b, Domaine d, int variante, Cote cote) const {
    return champDomaine(*this, a, b, d, variante, cote).texte();
}

void Textes::composerCroix(const TirageCroix& t, TextesCroix& textes) const {
    // The cross lists its domains as Projets, Amour, Santé, Relations personnelles.
    static constexpr Domaine ordre[nbDomainesCroix] = {Projets, Amour, Sante,
                                                       RelationsPersonnelles};
    const auto& c = t.cartes;
    copier(carte(c[5]).signification, textes.phraseGlobale);
    copier(paire(c[1], c[2]).textePresent, textes.synthesePresent);
    for (int i = 1; i <= nbDomainesCroix; ++i)
        copier(champDomaine(*this, c[1], c[2], ordre[i - 1], t.variantesPresent[i], Cote::Present),
               textes.domainesPresent[i]);
    copier(paire(c[3], c[4]).texteFutur, textes.syntheseFutur);
    for (int i = 1; i <= nbDomainesCroix; ++i)
        copier(champDomaine(*this, c[3], c[4], ordre[i - 1], t.variantesFutur[i], Cote::Futur),
               textes.domainesFutur[i]);
}

void Textes::composerMaisons(const TirageMaisons& t, TextesMaisons& textes) const {
    // The domain each house reads from; 0 for the houses that read the pair's own future text.
    static constexpr int domaineDeLaMaison[nbMaisons] = {Sante,
                                                         RelationsPersonnelles,
                                                         RelationsPersonnelles,
                                                         Projets,
                                                         0,
                                                         Projets,
                                                         RelationsPersonnelles,
                                                         0,
                                                         0,
                                                         Amour};
    for (int h = 1; h <= nbMaisons; ++h) {
        const int d = domaineDeLaMaison[h - 1];
        copier(d == 0 ? paire(t.cartes[h], t.cartesAssociees[h]).texteFutur
                      : champDomaine(*this, t.cartes[h], t.cartesAssociees[h],
                                     static_cast<Domaine>(d), t.variantes[h], Cote::Futur),
               textes[h]);
    }
}

void Textes::composerBohemiens(const TirageBohemiens& t, TextesHorizons& textes) const {
    for (int n = 1; n <= nbHorizons; ++n)
        copier(paire(t.cartes[n], t.cartesAssociees[n]).texteFutur, textes[n]);
}

} // namespace lunespiral
