#include "SortieTirage.h"

#include "Arcanes.h"
#include "Cp1252.h"
#include "Langue.h"
#include "Libelles.h"
#include "TexteLecture.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace lunespiral {

namespace {

std::string elementJson(int v) {
    return std::to_string(v);
}
std::string elementJson(const std::string& cp1252) {
    return chaineJson(cp1252VersUtf8(cp1252));
}

template <typename T> std::string listeJson(const T& valeurs) {
    // Appended piece by piece: a literal put before a temporary string makes GCC 12 at -O3
    // warn of an overlap that cannot happen (-Wrestrict).
    std::string s = "[";
    for (const auto& v : valeurs) {
        if (s.size() > 1) s += ',';
        s += elementJson(v);
    }
    s += ']';
    return s;
}

template <int N> Tab<std::string, N> noms(const Tab<int, N>& cartes, int langue) {
    Tab<std::string, N> resultat;
    for (int i = 1; i <= N; ++i) resultat[i] = nomArcane(cartes[i], langue);
    return resultat;
}

const char* nomDuTirage(TypeTirage type) {
    switch (type) {
    case TypeTirage::EnCroix:
        return "croix";
    case TypeTirage::DixMaisons:
        return "maisons";
    case TypeTirage::Bohemiens:
        return "bohemiens";
    case TypeTirage::Aucun:
        break;
    }
    return "";
}

// A control character as JSON writes it: \u and four hex digits.
void echapper(std::string& s, unsigned code) {
    char texte[8];
    std::snprintf(texte, sizeof texte, "\\u%04x", code);
    s += texte;
}

// True when a C1 control (U+0080..U+009F, two bytes in UTF-8) starts at `i`.
bool controleC1(std::string_view utf8, std::size_t i) {
    return static_cast<unsigned char>(utf8[i]) == 0xC2 && i + 1 < utf8.size() &&
           static_cast<unsigned char>(utf8[i + 1]) >= 0x80 &&
           static_cast<unsigned char>(utf8[i + 1]) <= 0x9F;
}

} // namespace

std::string echapperControles(std::string_view utf8) {
    std::string s;
    s.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if ((c < 0x20 && c != '\n') || c == 0x7F) {
            echapper(s, c);
        } else if (controleC1(utf8, i)) {
            echapper(s, static_cast<unsigned char>(utf8[++i]));
        } else {
            s += static_cast<char>(c);
        }
    }
    return s;
}

std::string chaineJson(std::string_view utf8) {
    std::string s = "\"";
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        switch (c) {
        case '"':
            s += "\\\"";
            break;
        case '\\':
            s += "\\\\";
            break;
        case '\n':
            s += "\\n";
            break;
        case '\r':
            s += "\\r";
            break;
        case '\t':
            s += "\\t";
            break;
        default:
            // JSON allows DEL and the C1 controls raw; a terminal showing the JSON would obey them.
            if (c < 0x20 || c == 0x7F)
                echapper(s, c);
            else if (controleC1(utf8, i))
                echapper(s, static_cast<unsigned char>(utf8[++i]));
            else
                s += static_cast<char>(c);
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
        const auto& x = etat.textesCroix();
        s += ",\"cartes\":" + listeJson(t.cartes) +
             ",\"noms\":" + listeJson(noms(t.cartes, langue)) +
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
        s += ",\"cartes\":" + listeJson(t.cartes) +
             ",\"noms\":" + listeJson(noms(t.cartes, langue)) +
             ",\"cartesAssociees\":" + listeJson(t.cartesAssociees) +
             ",\"variantes\":" + listeJson(t.variantes) +
             ",\"maisonCourante\":" + std::to_string(t.maisonCourante) +
             ",\"textes\":" + listeJson(etat.textesMaisons());
        break;
    }
    case TypeTirage::Bohemiens: {
        const auto& t = etat.tirageBohemiens();
        s += ",\"cartes\":" + listeJson(t.cartes) +
             ",\"noms\":" + listeJson(noms(t.cartes, langue)) +
             ",\"cartesAssociees\":" + listeJson(t.cartesAssociees) +
             ",\"horizonCourant\":" + std::to_string(t.horizonCourant) +
             ",\"textes\":" + listeJson(etat.textesHorizons());
        break;
    }
    case TypeTirage::Aucun:
        break;
    }
    return s + "}";
}

std::string lectureTexte(const EtatTirage& etat, std::uint32_t graine, int langue, int largeur) {
    const bool fr = langue == langueFrancais;
    std::ostringstream s;
    s << texteDeLaLecture(etat, langue, largeur) << "\n";
    if (etat.typeTirage() == TypeTirage::DixMaisons)
        s << (fr ? "Maison montrée d'abord : " : "House shown first: ")
          << etat.tirageMaisons().maisonCourante << "\n";
    if (etat.typeTirage() == TypeTirage::Bohemiens)
        s << (fr ? "Horizon montré d'abord : " : "Horizon shown first: ")
          << cp1252VersUtf8(nomHorizon(etat.tirageBohemiens().horizonCourant, langue)) << "\n";
    s << (fr ? "Graine : " : "Seed: ") << graine << "\n";
    return echapperControles(s.str());
}

std::string chanceJson(const std::vector<int>& numeros, const std::string& description) {
    return "{\"numeros\":" + listeJson(numeros) +
           ",\"texte\":" + chaineJson(texteNumerosChance(numeros)) +
           ",\"description\":" + elementJson(description) + "}";
}

std::string chanceTexte(const std::vector<int>& numeros, const std::string& description) {
    return echapperControles(cp1252VersUtf8(description)) + "\n" + texteNumerosChance(numeros) +
           "\n";
}

} // namespace lunespiral
