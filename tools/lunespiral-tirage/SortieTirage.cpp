#include "SortieTirage.h"

#include "Arcanes.h"
#include "Cp1252.h"
#include "Langue.h"
#include "Libelles.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace lunespiral {

namespace {

bool enFrancais(int langue) { return langue == langueFrancais; }

std::string utf8(const std::string& octets) { return cp1252VersUtf8(octets); }

std::string nom(int carte, int langue) { return utf8(nomArcane(carte, langue)); }

std::size_t nbCaracteres(std::string_view texte) {
    return static_cast<std::size_t>(
        std::count_if(texte.begin(), texte.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::string elementJson(int v) { return std::to_string(v); }
std::string elementJson(const std::string& cp1252) { return chaineJson(utf8(cp1252)); }

template <typename T>
std::string listeJson(const T& valeurs) {
    std::string s = "[";
    for (const auto& v : valeurs) s += (s.size() > 1 ? "," : "") + elementJson(v);
    return s + "]";
}

template <int N>
Tab<std::string, N> noms(const Tab<int, N>& cartes, int langue) {
    Tab<std::string, N> resultat;
    for (int i = 1; i <= N; ++i) resultat[i] = nomArcane(cartes[i], langue);
    return resultat;
}

const char* nomDuTirage(TypeTirage type) {
    switch (type) {
    case TypeTirage::EnCroix: return "croix";
    case TypeTirage::DixMaisons: return "maisons";
    case TypeTirage::Bohemiens: return "bohemiens";
    case TypeTirage::Aucun: break;
    }
    return "";
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
    const auto& t = etat.tirageCroix();
    const auto& x = etat.textesCroix();
    s << (fr ? "TIRAGE EN CROIX" : "DRAW IN A CROSS") << "\n\n";
    static const char* places[2][5] = {{"Left", "Top", "Right", "Bottom", "Centre"},
                                       {"À gauche", "En haut", "À droite", "En bas", "Au centre"}};
    for (int i = 1; i <= 4; ++i)
        s << "  " << aligner(places[fr][i - 1], 11) << carteLue(t.cartes[i], langue) << "\n";
    const std::string psyche = fr ? "Psyché Globale" : "Psychical Energy";
    s << "  " << aligner(places[fr][4], 11) << psyche << " - " << carteLue(t.cartes[5], langue)
      << "\n";

    static const char* domaines[2][4] = {{"Projects", "Love", "Health", "Relationships"},
                                         {"Projets", "Amour", "Santé", "Relations personnelles"}};
    auto cote = [&](const char* titre, int a, int b, const std::string& synthese,
                    const Tab<std::string, nbDomainesCroix>& textes) {
        s << "\n" << titre << "   " << nom(a, langue) << " + " << nom(b, langue) << "\n\n"
          << paragraphe(synthese, langue, largeur);
        for (int d = 1; d <= nbDomainesCroix; ++d)
            s << "\n  " << domaines[fr][d - 1] << "\n" << paragraphe(textes[d], langue, largeur);
    };
    cote("--- PRESENT ---", t.cartes[1], t.cartes[2], x.synthesePresent, x.domainesPresent);
    cote(fr ? "--- FUTUR ---" : "--- FUTURE ---", t.cartes[3], t.cartes[4], x.syntheseFutur,
         x.domainesFutur);
    s << "\n" << psyche << "   " << nom(t.cartes[5], langue) << "\n\n"
      << paragraphe(x.phraseGlobale, langue, largeur);
}

void maisonsTexte(std::ostringstream& s, const EtatTirage& etat, int langue, int largeur) {
    const bool fr = enFrancais(langue);
    const auto& t = etat.tirageMaisons();
    s << (fr ? "TIRAGE EN DIX MAISONS" : "DRAW OF TEN HOUSES") << "\n";
    for (int h = 1; h <= nbMaisons; ++h) {
        const std::string maison = std::string(fr ? "Maison " : "House ") + std::to_string(h) +
                                   " <--> " + utf8(nomMaison(h, langue));
        s << "\n" << aligner(maison, 28) << carteLue(t.cartes[h], langue) << "\n"
          << paragraphe(etat.textesMaisons()[h], langue, largeur);
    }
    s << "\n"
      << (fr ? "Maison montrée d'abord : " : "House shown first: ") << t.maisonCourante << "\n";
}

void bohemiensTexte(std::ostringstream& s, const EtatTirage& etat, int langue, int largeur) {
    const bool fr = enFrancais(langue);
    const auto& t = etat.tirageBohemiens();
    s << (fr ? "TIRAGE DES BOHÉMIENS" : "BOHEMIAN DRAW") << "\n";
    for (int n = 1; n <= nbHorizons; ++n)
        s << "\n" << aligner(utf8(nomHorizon(n, langue)), 15) << carteLue(t.cartes[n], langue)
          << "\n" << paragraphe(etat.textesHorizons()[n], langue, largeur);
    s << "\n"
      << (fr ? "Horizon montré d'abord : " : "Horizon shown first: ")
      << utf8(nomHorizon(t.horizonCourant, langue)) << "\n";
}

} // namespace

std::string chaineJson(std::string_view utf8) {
    std::string s = "\"";
    for (unsigned char c : utf8) {
        switch (c) {
        case '"': s += "\\\""; break;
        case '\\': s += "\\\\"; break;
        case '\n': s += "\\n"; break;
        case '\r': s += "\\r"; break;
        case '\t': s += "\\t"; break;
        default:
            if (c < 0x20) {
                char code[8];
                std::snprintf(code, sizeof code, "\\u%04x", c);
                s += code;
            } else {
                s += static_cast<char>(c);
            }
        }
    }
    return s + "\"";
}

std::string envelopper(std::string_view texte, int largeur, int retrait) {
    const std::size_t largeurUtile =
        static_cast<std::size_t>(std::max(largeur - retrait, 20));
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

std::string lectureJson(const EtatTirage& etat, std::uint32_t graine, int langue) {
    const TypeTirage type = etat.typeTirage();
    std::string s = "{\"tirage\":\"" + std::string(nomDuTirage(type)) +
                    "\",\"graine\":" + std::to_string(graine);
    switch (type) {
    case TypeTirage::EnCroix: {
        const auto& t = etat.tirageCroix();
        const auto& x = etat.textesCroix();
        s += ",\"cartes\":" + listeJson(t.cartes) + ",\"noms\":" + listeJson(noms(t.cartes, langue)) +
             ",\"variantesPresent\":" + listeJson(t.variantesPresent) +
             ",\"variantesFutur\":" + listeJson(t.variantesFutur) +
             ",\"textes\":{\"phraseGlobale\":" + elementJson(x.phraseGlobale) +
             ",\"synthesePresent\":" + elementJson(x.synthesePresent) +
             ",\"syntheseFutur\":" + elementJson(x.syntheseFutur) +
             ",\"domainesPresent\":" + listeJson(x.domainesPresent) +
             ",\"domainesFutur\":" + listeJson(x.domainesFutur) + "}";
        break;
    }
    case TypeTirage::DixMaisons: {
        const auto& t = etat.tirageMaisons();
        s += ",\"cartes\":" + listeJson(t.cartes) + ",\"noms\":" + listeJson(noms(t.cartes, langue)) +
             ",\"cartesAssociees\":" + listeJson(t.cartesAssociees) +
             ",\"variantes\":" + listeJson(t.variantes) +
             ",\"maisonCourante\":" + std::to_string(t.maisonCourante) +
             ",\"textes\":" + listeJson(etat.textesMaisons());
        break;
    }
    case TypeTirage::Bohemiens: {
        const auto& t = etat.tirageBohemiens();
        s += ",\"cartes\":" + listeJson(t.cartes) + ",\"noms\":" + listeJson(noms(t.cartes, langue)) +
             ",\"cartesAssociees\":" + listeJson(t.cartesAssociees) +
             ",\"horizonCourant\":" + std::to_string(t.horizonCourant) +
             ",\"textes\":" + listeJson(etat.textesHorizons());
        break;
    }
    case TypeTirage::Aucun: break;
    }
    return s + "}";
}

std::string lectureTexte(const EtatTirage& etat, std::uint32_t graine, int langue, int largeur) {
    std::ostringstream s;
    switch (etat.typeTirage()) {
    case TypeTirage::EnCroix: croixTexte(s, etat, langue, largeur); break;
    case TypeTirage::DixMaisons: maisonsTexte(s, etat, langue, largeur); break;
    case TypeTirage::Bohemiens: bohemiensTexte(s, etat, langue, largeur); break;
    case TypeTirage::Aucun: break;
    }
    s << "\n" << (enFrancais(langue) ? "Graine : " : "Seed: ") << graine << "\n";
    return s.str();
}

std::string chanceJson(const std::vector<int>& numeros, const std::string& description) {
    return "{\"numeros\":" + listeJson(numeros) + ",\"texte\":" +
           chaineJson(texteNumerosChance(numeros)) + ",\"description\":" + elementJson(description) +
           "}";
}

std::string chanceTexte(const std::vector<int>& numeros, const std::string& description) {
    return utf8(description) + "\n" + texteNumerosChance(numeros) + "\n";
}

} // namespace lunespiral
