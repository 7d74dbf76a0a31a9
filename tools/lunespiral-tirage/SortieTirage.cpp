#include "SortieTirage.h"

#include "Arcanes.h"
#include "Cp1252.h"
#include "Langue.h"
#include "Libelles.h"

#include <cstdio>
#include <sstream>
#include <vector>

namespace lunespiral {

namespace {

bool enFrancais(int langue) { return langue == langueFrancais; }

std::string nom(int carte, int langue) { return cp1252VersUtf8(nomArcane(carte, langue)); }

template <typename T>
std::string listeJson(const T& valeurs) {
    std::string s = "[";
    bool premier = true;
    for (const auto& v : valeurs) {
        if (!premier) s += ',';
        premier = false;
        if constexpr (std::is_same_v<std::decay_t<decltype(v)>, std::string>)
            s += chaineJson(v);
        else
            s += std::to_string(v);
    }
    return s + "]";
}

template <int N>
std::vector<std::string> noms(const Tab<int, N>& cartes, int langue) {
    std::vector<std::string> resultat;
    for (int c : cartes) resultat.push_back(nom(c, langue));
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

// Pads to a width counted in characters, not UTF-8 bytes.
std::string aligner(const std::string& texte, std::size_t largeur) {
    std::size_t caracteres = 0;
    for (unsigned char c : texte) caracteres += (c & 0xC0) != 0x80;
    return texte + std::string(largeur > caracteres ? largeur - caracteres : 1, ' ');
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

std::string lectureJson(const EtatTirage& etat, std::uint32_t graine, int langue) {
    const TypeTirage type = etat.typeTirage();
    std::string s = "{\"tirage\":\"" + std::string(nomDuTirage(type)) +
                    "\",\"graine\":" + std::to_string(graine);
    switch (type) {
    case TypeTirage::EnCroix: {
        const auto& t = etat.tirageCroix();
        s += ",\"cartes\":" + listeJson(t.cartes) + ",\"noms\":" + listeJson(noms(t.cartes, langue)) +
             ",\"variantesPresent\":" + listeJson(t.variantesPresent) +
             ",\"variantesFutur\":" + listeJson(t.variantesFutur);
        break;
    }
    case TypeTirage::DixMaisons: {
        const auto& t = etat.tirageMaisons();
        s += ",\"cartes\":" + listeJson(t.cartes) + ",\"noms\":" + listeJson(noms(t.cartes, langue)) +
             ",\"cartesAssociees\":" + listeJson(t.cartesAssociees) +
             ",\"variantes\":" + listeJson(t.variantes) +
             ",\"maisonCourante\":" + std::to_string(t.maisonCourante);
        break;
    }
    case TypeTirage::Bohemiens: {
        const auto& t = etat.tirageBohemiens();
        s += ",\"cartes\":" + listeJson(t.cartes) + ",\"noms\":" + listeJson(noms(t.cartes, langue)) +
             ",\"cartesAssociees\":" + listeJson(t.cartesAssociees) +
             ",\"horizonCourant\":" + std::to_string(t.horizonCourant);
        break;
    }
    case TypeTirage::Aucun: break;
    }
    return s + "}";
}

std::string lectureTexte(const EtatTirage& etat, std::uint32_t graine, int langue) {
    const bool fr = enFrancais(langue);
    std::ostringstream s;
    switch (etat.typeTirage()) {
    case TypeTirage::EnCroix: {
        const auto& t = etat.tirageCroix();
        s << (fr ? "TIRAGE EN CROIX" : "DRAW IN A CROSS") << "\n\n";
        const char* places[2][5] = {{"Left", "Top", "Right", "Bottom", "Centre"},
                                    {"À gauche", "En haut", "À droite", "En bas", "Au centre"}};
        for (int i = 1; i <= 4; ++i)
            s << "  " << aligner(places[fr][i - 1], 11) << carteLue(t.cartes[i], langue) << "\n";
        s << "  " << aligner(places[fr][4], 11) << (fr ? "Psyché Globale - " : "Psychical Energy - ")
          << carteLue(t.cartes[5], langue) << "\n";
        break;
    }
    case TypeTirage::DixMaisons: {
        const auto& t = etat.tirageMaisons();
        s << (fr ? "TIRAGE EN DIX MAISONS" : "DRAW OF TEN HOUSES") << "\n\n";
        for (int h = 1; h <= nbMaisons; ++h) {
            const std::string maison = std::string(fr ? "Maison " : "House ") + std::to_string(h) +
                                       " <--> " + cp1252VersUtf8(nomMaison(h, langue));
            s << (h == t.maisonCourante ? "> " : "  ") << aligner(maison, 30)
              << carteLue(t.cartes[h], langue) << "\n";
        }
        s << "\n"
          << (fr ? "Maison montrée d'abord : " : "House shown first: ") << t.maisonCourante << "\n";
        break;
    }
    case TypeTirage::Bohemiens: {
        const auto& t = etat.tirageBohemiens();
        s << (fr ? "TIRAGE DES BOHÉMIENS" : "BOHEMIAN DRAW") << "\n\n";
        for (int n = 1; n <= nbHorizons; ++n)
            s << (n == t.horizonCourant ? "> " : "  ")
              << aligner(cp1252VersUtf8(nomHorizon(n, langue)), 15) << carteLue(t.cartes[n], langue)
              << "\n";
        s << "\n"
          << (fr ? "Horizon montré d'abord : " : "Horizon shown first: ")
          << cp1252VersUtf8(nomHorizon(t.horizonCourant, langue)) << "\n";
        break;
    }
    case TypeTirage::Aucun: break;
    }
    s << (fr ? "Graine : " : "Seed: ") << graine << "\n";
    return s.str();
}

} // namespace lunespiral
