#include "Cp1252.h"
#include "Erreurs.h"
#include "Langue.h"
#include "NumerosChance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace lunespiral;

namespace {

std::vector<int> tirer(std::uint32_t graine, int nombre, int minimum, int maximum,
                       std::vector<int> cartes) {
    Hasard h;
    h.graine = graine;
    return tirerNumerosChance(h, nombre, minimum, maximum, cartes);
}

} // namespace

TEST(NumerosChance, ReferenceRuns) {
    EXPECT_EQ(tirer(0, 6, 1, 49, {3, 17, 8, 21}), (std::vector<int>{33, 16, 45, 10, 21, 8}));
    EXPECT_EQ(tirer(0, 6, 1, 49, {5, 1, 22, 9, 14, 3, 7, 19, 11, 2}),
              (std::vector<int>{22, 9, 7, 3, 43, 2}));
    EXPECT_EQ(tirer(99, 10, 1, 10, {4, 12, 20, 6}),
              (std::vector<int>{9, 4, 6, 1, 10, 5, 2, 3, 8, 7}));
    EXPECT_EQ(texteNumerosChance({33, 16, 45, 10, 21, 8}), "33 - 16 - 45 - 10 - 21 - 8");
}

TEST(NumerosChance, EdgesOfTheRange) {
    // One number only: that number, without a shuffle.
    Hasard h;
    h.graine = 5;
    EXPECT_EQ(tirerNumerosChance(h, 6, 7, 7, {3, 17, 8, 21}), std::vector<int>{7});
    EXPECT_EQ(texteNumerosChance({7}), "7");
    EXPECT_EQ(texteNumerosChance({}), "");

    // A range smaller than the count: every number of it, shuffled.
    auto cinq = tirer(3, 10, 1, 5, {1, 2, 3, 4});
    ASSERT_EQ(cinq.size(), 5u);
    std::sort(cinq.begin(), cinq.end());
    EXPECT_EQ(cinq, (std::vector<int>{1, 2, 3, 4, 5}));

    // A minimum above 22: no card can be taken over.
    for (int n : tirer(1, 6, 100, 200, {1, 2, 3, 4})) EXPECT_TRUE(n >= 100 && n <= 200);
}

TEST(NumerosChance, BoundsInEitherOrderDrawTheSameRange) {
    // Stored options may hold the minimum above the maximum: they must never reach the
    // generator as an empty range.
    EXPECT_EQ(tirer(1234, 6, 49, 1, {3, 17, 8, 21}), tirer(1234, 6, 1, 49, {3, 17, 8, 21}));
    EXPECT_EQ(tirer(7, 3, 40, 10, {5, 1, 22, 9, 14, 3, 7, 19, 11, 2}).size(), 3u);
    Hasard h;
    EXPECT_THROW(tirerNumerosChance(h, 0, 1, 49, {1, 2, 3, 4}), ErreurEtendue);
    EXPECT_THROW(tirerNumerosChance(h, 6, 0, 49, {1, 2, 3, 4}), ErreurEtendue);
    EXPECT_THROW(tirerNumerosChance(h, 6, 1, 501, {1, 2, 3, 4}), ErreurEtendue);
    EXPECT_THROW(tirerNumerosChance(h, 6, 1, 49, {}), ErreurEtendue);
}

TEST(NumerosChance, ListsAreDistinctAndInRangeOverManyStates) {
    const std::vector<std::vector<int>> cartes = {
        {3, 17, 8, 21}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {22, 21, 20, 19}};
    const int options[][3] = {{6, 1, 49},  {10, 1, 10}, {1, 1, 500}, {10, 491, 500},
                              {3, 1, 500}, {4, 20, 25}, {10, 1, 12}, {2, 22, 22}};
    Hasard h;
    for (std::uint32_t g = 0; g < 3000; ++g)
        for (const auto& o : options) {
            const auto& c = cartes[g % cartes.size()];
            h.graine = g * 2246822519u;
            const auto numeros = tirerNumerosChance(h, o[0], o[1], o[2], c);
            const auto attendus = std::min(o[0], o[2] - o[1] + 1);
            ASSERT_EQ(static_cast<int>(numeros.size()), attendus);
            ASSERT_EQ(std::set<int>(numeros.begin(), numeros.end()).size(), numeros.size());
            for (int n : numeros) ASSERT_TRUE(n >= o[1] && n <= o[2]);
        }
}

TEST(NumerosChance, Descriptions) {
    EXPECT_EQ(cp1252VersUtf8(descriptionNumerosChance(langueFrancais, 6, 1, 49)),
              "Vos 6 numéros de la chance de 1 à 49");
    EXPECT_EQ(cp1252VersUtf8(descriptionNumerosChance(langueFrancais, 10, 1, 5)),
              "Vos 10 numéros de la chance de 1 à 5");
    EXPECT_EQ(descriptionNumerosChance(langueAnglais, 6, 1, 49),
              "Your 6 lucky numbers from 1 to 49");
}
