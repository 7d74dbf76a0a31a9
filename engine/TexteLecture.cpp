#include "TexteLecture.h"

#include "Arcanes.h"
#include "Cp1252.h"
#include "Langue.h"
#include "Libelles.h"

#include <algorithm>
#include <sstream>

namespace lunespiral {

namespace {

bool enFrancais(int langue) {
    return langue == langueFrancais;
}

std::string utf8(const std::string& octets) {
    return cp1252VersUtf8(octets);
}

std::string nom(int carte, int langue) {
    return utf8(nomArcane(carte, langue));
}

std::size_t nbCaracteres(std::string_view texte) {
    return static_cast<std::size_t>(
        std::count_if(texte.begin(), texte.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// "Arcane 14 - La Tempérance", as the laid cards' hints read.
std::string carteLue(int carte, int langue) {
    return std::string(enFrancais(langue) ? "Arcane " : "Card ") + std::to_string(carte) + " - " +
           nom(carte, langue);
}

std::string aligner(const std::string& texte, std::size_t largeur) {
    const std::size_t n = nbCaracteres(texte);
    return texte + std::string(largeur > n ? largeur - n : 1, ' ');
}

// A text of the reading, or a word that it is missing (no data file, say).
std::string paragraphe(const std::string& cp1252, int langue, int largeur) {
    if (cp1252.empty())
        return std::string(4, ' ') + (enFrancais(langue) ? "(texte absent)" : "(no text)") + "\n";
    return envelopper(utf8(cp1252), largeur, 4);
}

void croixTexte(std::ostringstream& s, const EtatTirage& etat, int langue, int largeur) {
    const bool fr = enFrancais(langue);
    const bool complet = etat.croixTerminee();
    const auto& t = etat.tirageCroix();
    const auto& x = etat.textesCroix();
    s << (fr ? "TIRAGE EN CROIX" : "DRAW IN A CROSS") << "\n\n";
    static const char* places[2][5] = {{"Left", "Top", "Right", "Bottom", "Centre"},
                                       {"À gauche", "En haut", "À droite", "En bas", "Au centre"}};
    const int posees = complet ? 4 : etat.nbCartesPosees();
    for (int i = 1; i <= posees; ++i)
        s << "  " << aligner(places[fr][i - 1], 11) << carteLue(t.cartes[i], langue) << "\n";
    if (!complet) return;
    const std::string psyche = fr ? "Psyché Globale" : "Psychical Energy";
    s << "  " << aligner(places[fr][4], 11) << psyche << " - " << carteLue(t.cartes[5], langue)
      << "\n";

    static const char* domaines[2][4] = {{"Projects", "Love", "Health", "Relationships"},
                                         {"Projets", "Amour", "Santé", "Relations personnelles"}};
    auto cote = [&](const char* titre, int a, int b, const std::string& synthese,
                    const Tab<std::string, nbDomainesCroix>& textes) {
        s << "\n"
          << titre << "   " << nom(a, langue) << " + " << nom(b, langue) << "\n\n"
          << paragraphe(synthese, langue, largeur);
        for (int d = 1; d <= nbDomainesCroix; ++d)
            s << "\n  " << domaines[fr][d - 1] << "\n" << paragraphe(textes[d], langue, largeur);
    };
    cote("--- PRESENT ---", t.cartes[1], t.cartes[2], x.synthesePresent, x.domainesPresent);
    cote(fr ? "--- FUTUR ---" : "--- FUTURE ---", t.cartes[3], t.cartes[4], x.syntheseFutur,
         x.domainesFutur);
    s << "\n"
      << psyche << "   " << nom(t.cartes[5], langue) << "\n\n"
      << paragraphe(x.phraseGlobale, langue, largeur);
}

// The houses and the bohemian spread read alike: each slot's label and card, then its text
// once the spread is complete.
template <int N>
void emplacementsTexte(std::ostringstream& s, const EtatTirage& etat, int langue, int largeur,
                       const char* titre, const Tab<int, N>& cartes,
                       const Tab<std::string, N>& textes, std::size_t largeurLibelle,
                       std::string (*libelle)(int n, int langue)) {
    const bool complet = etat.tirageTermine();
    s << titre << "\n";
    const int posees = complet ? N : etat.nbCartesPosees();
    for (int n = 1; n <= posees; ++n) {
        s << "\n"
          << aligner(libelle(n, langue), largeurLibelle) << carteLue(cartes[n], langue) << "\n";
        if (complet) s << paragraphe(textes[n], langue, largeur);
    }
}

std::string libelleMaison(int h, int langue) {
    return std::string(enFrancais(langue) ? "Maison " : "House ") + std::to_string(h) + " <--> " +
           utf8(nomMaison(h, langue));
}

std::string libelleHorizon(int n, int langue) {
    return utf8(nomHorizon(n, langue));
}

} // namespace

std::string envelopper(std::string_view texte, int largeur, int retrait) {
    const auto largeurUtile = static_cast<std::size_t>(std::max(largeur - retrait, 20));
    const std::string marge(static_cast<std::size_t>(std::max(retrait, 0)), ' ');
    std::string resultat;
    std::string ligne;
    std::size_t longueur = 0;
    std::size_t i = 0;
    while (i < texte.size()) {
        while (i < texte.size() && (texte[i] == ' ' || texte[i] == '\n')) ++i;
        const std::size_t debut = i;
        while (i < texte.size() && texte[i] != ' ' && texte[i] != '\n') ++i;
        if (debut == i) break;
        const std::string_view mot = texte.substr(debut, i - debut);
        const std::size_t n = nbCaracteres(mot);
        if (longueur > 0 && longueur + 1 + n > largeurUtile) {
            resultat += marge + ligne + "\n";
            ligne.clear();
            longueur = 0;
        }
        if (longueur > 0) {
            ligne += ' ';
            ++longueur;
        }
        ligne += mot;
        longueur += n;
    }
    if (longueur > 0) resultat += marge + ligne + "\n";
    return resultat;
}

std::string texteDeLaLecture(const EtatTirage& etat, int langue, int largeur) {
    const bool fr = enFrancais(langue);
    std::ostringstream s;
    switch (etat.typeTirage()) {
    case TypeTirage::EnCroix:
        croixTexte(s, etat, langue, largeur);
        break;
    case TypeTirage::DixMaisons:
        emplacementsTexte(s, etat, langue, largeur,
                          fr ? "TIRAGE EN DIX MAISONS" : "DRAW OF TEN HOUSES",
                          etat.tirageMaisons().cartes, etat.textesMaisons(), 28, libelleMaison);
        break;
    case TypeTirage::Bohemiens:
        emplacementsTexte(s, etat, langue, largeur, fr ? "TIRAGE DES BOHÉMIENS" : "BOHEMIAN DRAW",
                          etat.tirageBohemiens().cartes, etat.textesHorizons(), 15, libelleHorizon);
        break;
    case TypeTirage::Aucun:
        break;
    }
    if (etat.numerosAffiches())
        s << "\n"
          << (fr ? "Numéros de la chance : " : "Lucky numbers: ") << etat.texteNumerosChance()
          << "\n";
    return s.str();
}

} // namespace lunespiral
