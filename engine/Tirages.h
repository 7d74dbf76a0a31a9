#pragma once
// The three spreads and every random value of a reading. The whole draw is made when the spread
// is chosen; picking cards on screen only reveals it, slot by slot.

#include "Hasard.h"
#include "Tableau.h"

#include <vector>

namespace lunespiral {

enum class TypeTirage : int { Aucun = 0, EnCroix = 1, DixMaisons = 2, Bohemiens = 3 };

constexpr int nbVariantes = 5;
constexpr int nbMaisons = 10;
constexpr int nbHorizons = 4;
constexpr int nbDomainesCroix = 4; // 1 Projets, 2 Amour, 3 Santé, 4 Relations personnelles

// How many cards the user lays for each spread.
int nbCartesDuTirage(TypeTirage type);

struct TirageCroix {
    Tab<int, 5> cartes{}; // 1 left, 2 top, 3 right, 4 bottom, 5 synthesis (centre)
    Tab<int, nbDomainesCroix> variantesPresent{};
    Tab<int, nbDomainesCroix> variantesFutur{};
    friend bool operator==(const TirageCroix&, const TirageCroix&) = default;
};

struct TirageMaisons {
    Tab<int, nbMaisons> cartes{};
    Tab<int, nbMaisons> cartesAssociees{}; // hidden partners, never shown
    Tab<int, nbMaisons> variantes{};
    int maisonCourante = 0; // 1..10 once the spread is complete
    friend bool operator==(const TirageMaisons&, const TirageMaisons&) = default;
};

struct TirageBohemiens {
    Tab<int, nbHorizons> cartes{};
    Tab<int, nbHorizons> cartesAssociees{};
    int horizonCourant = 0; // 1..4 once the spread is complete
    friend bool operator==(const TirageBohemiens&, const TirageBohemiens&) = default;
};

// The synthesis card of the cross from its four laid cards: their sum when it names a card,
// otherwise the sum of its two digits, moved up past the cards already out.
int carteDeSynthese(const Tab<int, 5>& cartes);

// A spread drawn from the generator as it stands (the seed already made). `cartesImposees`,
// when given, are the laid cards of a reading made with a real deck: they replace the random
// cards (4 for the cross and the bohemian spread, 10 for the houses, distinct, 1..22; anything
// else is a range error) and everything else is drawn as usual.
TirageCroix tirerCroixDepuis(Hasard& hasard, const std::vector<int>& cartesImposees = {});
TirageMaisons tirerMaisonsDepuis(Hasard& hasard, const std::vector<int>& cartesImposees = {});
TirageBohemiens tirerBohemiensDepuis(Hasard& hasard, const std::vector<int>& cartesImposees = {});

// Whether `cartes` can stand for the laid cards of a spread of `compte` cards.
bool cartesImposeesValides(const std::vector<int>& cartes, int compte);

// A spread as the program draws it: seeded from the clock first.
TirageCroix TirerCroix(Hasard& hasard);
TirageMaisons TirerMaisons(Hasard& hasard);
TirageBohemiens TirerBohemiens(Hasard& hasard);

// Completion draws: the house or horizon shown first.
int tirerMaisonCourante(Hasard& hasard);
int tirerHorizonCourant(Hasard& hasard);

} // namespace lunespiral
