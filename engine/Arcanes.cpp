#include "Arcanes.h"

#include "Cp1252.h"
#include "Langue.h"

#include <algorithm>
#include <array>

namespace lunespiral {

namespace {

struct Noms {
    Tab<std::string, nbArcanes> francais;
    Tab<std::string, nbArcanes> anglais;
};

const Noms& noms() {
    static const Noms n = [] {
        static constexpr std::array<const char*, nbArcanes> fr = {
            "Le Bateleur",    "La Papesse", "L'Impératrice", "L'Empereur",    "Le Pape",
            "L'Amoureux",     "Le Chariot", "La Justice",    "L'Hermite",     "Roue de Fortune",
            "La Force",       "Le Pendu",   "La Mort",       "La Tempérance", "Le Diable",
            "La Maison-Dieu", "L'Etoile",   "La Lune",       "Le Soleil",     "Le Jugement",
            "Le Monde",       "Le Mat"};
        static constexpr std::array<const char*, nbArcanes> en = {
            "The Magician", "The High Priestess",
            "The Empress",  "The Emperor",
            "The Pope",     "The Lover",
            "The Chariot",  "Justice",
            "The Hermit",   "Wheel of Fortune",
            "Force",        "Hanged Man",
            "Death",        "Temperance",
            "The Devil",    "Destruction Tower",
            "The Star",     "The Moon",
            "The Sun",      "Judgement",
            "The World",    "The Fool"};
        Noms resultat;
        for (int c = 1; c <= nbArcanes; ++c) {
            resultat.francais[c] = cp1252(fr[static_cast<std::size_t>(c - 1)]);
            resultat.anglais[c] = cp1252(en[static_cast<std::size_t>(c - 1)]);
        }
        return resultat;
    }();
    return n;
}

} // namespace

const std::string& nomArcane(int carte, int langue) {
    if (langue == langueFrancais) return noms().francais[carte];
    if (langue == langueAnglais) return noms().anglais[carte];
    throw ErreurEtendue();
}

int CartesSorties::nombre() const {
    return static_cast<int>(std::count(sortie_.begin(), sortie_.end(), true));
}

int CartesSorties::tirerDistincte(Hasard& hasard) {
    if (nombre() == nbArcanes) throw ErreurEtendue(); // nothing left: the loop would never end
    int carte = 0;
    do {
        carte = hasard.entre1Et(nbArcanes);
    } while (sortie_[carte]);
    marquer(carte);
    return carte;
}

} // namespace lunespiral
