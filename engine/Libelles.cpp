#include "Libelles.h"

#include "Cp1252.h"
#include "Langue.h"
#include "Tableau.h"
#include "Tirages.h"

#include <array>

namespace lunespiral {

namespace {

template <int N> struct Paire {
    Tab<std::string, N> francais;
    Tab<std::string, N> anglais;

    Paire(const std::array<const char*, N>& fr, const std::array<const char*, N>& en) {
        for (int i = 1; i <= N; ++i) {
            francais[i] = cp1252(fr[static_cast<std::size_t>(i - 1)]);
            anglais[i] = cp1252(en[static_cast<std::size_t>(i - 1)]);
        }
    }
    const std::string& nom(int i, int langue) const {
        if (langue == langueFrancais) return francais[i];
        if (langue == langueAnglais) return anglais[i];
        throw ErreurEtendue();
    }
};

} // namespace

const std::string& nomMaison(int maison, int langue) {
    static const Paire<nbMaisons> noms(
        {"Santé", "Amis", "Parents", "Finances", "Spiritualité", "Acquisitions", "Rencontres",
         "Inconscient", "Caractère", "Amour"},
        {"Health", "Friends", "Relatives", "Finances", "Spirituality", "Acquisitions", "Encounters",
         "Unconscious", "Personality", "Love"});
    return noms.nom(maison, langue);
}

std::string libelleMaison(int maison, int langue) {
    const std::string& nom = nomMaison(maison, langue); // checks both numbers first
    return std::string(langue == langueFrancais ? "Maison " : "House ") + std::to_string(maison) +
           " <--> " + nom;
}

const std::string& nomHorizon(int horizon, int langue) {
    static const Paire<nbHorizons> noms(
        {"D'ici 1 mois", "D'ici 3 mois", "Dans 6 mois", "Dans 1 an..."},
        {"In 1 month", "In 3 months", "In 6 months", "In 1 year..."});
    return noms.nom(horizon, langue);
}

} // namespace lunespiral
