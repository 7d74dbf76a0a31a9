#include "Arcanes.h"
#include "Horloge.h"
#include "Tirages.h"

#include <gtest/gtest.h>

#include <set>

using namespace lunespiral;

namespace {

template <int N> Tab<int, N> tab(std::array<int, N> v) {
    return Tab<int, N>{v};
}

Tab<int, 5> croixDe(int a, int b, int c, int d) {
    return tab<5>({a, b, c, d, 0});
}

} // namespace

TEST(Tirages, WorkedExamplesFromStateZero) {
    Hasard h;
    const TirageCroix croix = tirerCroixDepuis(h);
    EXPECT_EQ(croix.cartes, tab<5>({1, 19, 5, 7, 6}));
    EXPECT_EQ(croix.variantesPresent, tab<4>({4, 1, 3, 3}));
    EXPECT_EQ(croix.variantesFutur, tab<4>({2, 2, 1, 1}));

    h.graine = 0;
    const TirageMaisons maisons = tirerMaisonsDepuis(h);
    EXPECT_EQ(maisons.cartes, tab<10>({1, 19, 5, 7, 15, 8, 4, 9, 10, 2}));
    EXPECT_EQ(maisons.cartesAssociees, tab<10>({11, 2, 19, 2, 7, 21, 9, 18, 8, 16}));
    EXPECT_EQ(maisons.variantes, tab<10>({5, 4, 1, 1, 2, 2, 5, 5, 2, 3}));

    h.graine = 0;
    const TirageBohemiens bohemiens = tirerBohemiensDepuis(h);
    EXPECT_EQ(bohemiens.cartes, tab<4>({1, 19, 5, 7}));
    EXPECT_EQ(bohemiens.cartesAssociees, tab<4>({15, 8, 4, 9}));
}

TEST(Tirages, SpreadsSeedThemselvesFromTheClock) {
    Horloge::remplacer([] { return HeureUtc{12, 34, 56, 789}; });
    Hasard h;
    h.graine = 999;
    const TirageCroix croix = TirerCroix(h);
    EXPECT_EQ(croix.cartes, tab<5>({11, 6, 8, 1, 9})); // 26 -> digit sum 8 is out -> 9

    Horloge::remplacer([] { return HeureUtc{0, 0, 0, 0}; });
    h.graine = 4242;
    EXPECT_EQ(TirerMaisons(h).cartes, tab<10>({1, 19, 5, 7, 15, 8, 4, 9, 10, 2}));
    h.graine = 4242;
    EXPECT_EQ(TirerBohemiens(h).cartesAssociees, tab<4>({15, 8, 4, 9}));
    Horloge::remplacer({});
}

TEST(Tirages, SynthesisCard) {
    EXPECT_EQ(carteDeSynthese(croixDe(1, 2, 3, 4)), 10);     // sum itself
    EXPECT_EQ(carteDeSynthese(croixDe(1, 5, 7, 9)), 22);     // exactly 22: no digit sum
    EXPECT_EQ(carteDeSynthese(croixDe(1, 2, 3, 17)), 5);     // 23 -> 5, free
    EXPECT_EQ(carteDeSynthese(croixDe(5, 1, 2, 15)), 6);     // 23 -> 5 is out -> 6
    EXPECT_EQ(carteDeSynthese(croixDe(19, 20, 21, 22)), 10); // 82 -> 10
    EXPECT_EQ(carteDeSynthese(croixDe(1, 2, 9, 18)), 3);     // 30 -> 3, free
    EXPECT_EQ(carteDeSynthese(croixDe(3, 7, 12, 20)), 6);    // 42 -> 6
    EXPECT_EQ(carteDeSynthese(croixDe(11, 6, 8, 1)), 9);     // 26 -> 8 out -> 9
    EXPECT_EQ(carteDeSynthese(croixDe(22, 21, 20, 19)), 10);
    // The climb past cards already out: 29 -> 11, 11 and 12 out -> 13.
    EXPECT_EQ(carteDeSynthese(croixDe(11, 12, 4, 2)), 13);
}

TEST(Tirages, SynthesisOverEveryFourCardSet) {
    // Every set of four distinct cards: the synthesis is a card, never one of the four.
    int plusHaute = 0;
    for (int a = 1; a <= 22; ++a)
        for (int b = a + 1; b <= 22; ++b)
            for (int c = b + 1; c <= 22; ++c)
                for (int d = c + 1; d <= 22; ++d) {
                    const int s = carteDeSynthese(croixDe(a, b, c, d));
                    ASSERT_TRUE(s >= 3 && s <= 22) << a << ' ' << b << ' ' << c << ' ' << d;
                    ASSERT_TRUE(s != a && s != b && s != c && s != d);
                    if (a + b + c + d > 22) plusHaute = std::max(plusHaute, s);
                }
    EXPECT_LE(plusHaute, 20);
}

TEST(Tirages, PropertiesOverManyGeneratorStates) {
    Hasard h;
    for (std::uint32_t i = 0; i < 20000; ++i) {
        const std::uint32_t graine = i * 2654435761u + i;

        h.graine = graine;
        const TirageCroix croix = tirerCroixDepuis(h);
        std::set<int> cinq(croix.cartes.begin(), croix.cartes.end());
        ASSERT_EQ(cinq.size(), 5u) << "graine " << graine;
        for (int c : croix.cartes) ASSERT_TRUE(estCarte(c));
        for (int d = 1; d <= 4; ++d) {
            ASSERT_NE(croix.variantesPresent[d], croix.variantesFutur[d]);
            ASSERT_TRUE(croix.variantesPresent[d] >= 1 && croix.variantesPresent[d] <= 5);
            ASSERT_TRUE(croix.variantesFutur[d] >= 1 && croix.variantesFutur[d] <= 5);
        }

        h.graine = graine;
        const TirageMaisons m = tirerMaisonsDepuis(h);
        ASSERT_EQ(std::set<int>(m.cartes.begin(), m.cartes.end()).size(), 10u);
        for (int k = 1; k <= 10; ++k) {
            ASSERT_NE(m.cartesAssociees[k], m.cartes[k]);
            ASSERT_TRUE(estCarte(m.cartesAssociees[k]));
            ASSERT_TRUE(m.variantes[k] >= 1 && m.variantes[k] <= 5);
        }
        ASSERT_NE(m.variantes[3], m.variantes[2]);
        ASSERT_NE(m.variantes[7], m.variantes[2]);
        ASSERT_NE(m.variantes[7], m.variantes[3]);
        ASSERT_NE(m.variantes[6], m.variantes[4]);

        h.graine = graine;
        const TirageBohemiens b = tirerBohemiensDepuis(h);
        ASSERT_EQ(std::set<int>(b.cartes.begin(), b.cartes.end()).size(), 4u);
        for (int n = 1; n <= 4; ++n) ASSERT_NE(b.cartesAssociees[n], b.cartes[n]);
    }
}

TEST(Tirages, SameStateSameReading) {
    Hasard a, b;
    a.graine = b.graine = 86399999u;
    EXPECT_EQ(tirerMaisonsDepuis(a), tirerMaisonsDepuis(b));
    EXPECT_EQ(a.graine, b.graine);
    EXPECT_EQ(tirerMaisonCourante(a), tirerMaisonCourante(b));
    const int horizon = tirerHorizonCourant(a);
    EXPECT_TRUE(horizon >= 1 && horizon <= 4);
}

TEST(Tirages, CardsFromARealDeck) {
    Hasard a, b;
    a.graine = b.graine = 31;
    const TirageCroix croix = tirerCroixDepuis(a, {19, 20, 21, 22});
    EXPECT_EQ(croix.cartes, tab<5>({19, 20, 21, 22, 10}));
    for (int d = 1; d <= 4; ++d) EXPECT_NE(croix.variantesPresent[d], croix.variantesFutur[d]);
    const TirageMaisons maisons = tirerMaisonsDepuis(b, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    for (int h = 1; h <= 10; ++h) {
        EXPECT_EQ(maisons.cartes[h], h);
        EXPECT_NE(maisons.cartesAssociees[h], h);
    }
    EXPECT_THROW(tirerBohemiensDepuis(a, {1, 2, 3}), ErreurEtendue);
    EXPECT_THROW(tirerBohemiensDepuis(a, {1, 2, 3, 3}), ErreurEtendue);
    EXPECT_THROW(tirerBohemiensDepuis(a, {1, 2, 3, 23}), ErreurEtendue);
    EXPECT_TRUE(cartesImposeesValides({4, 3, 2, 1}, 4));
    EXPECT_FALSE(cartesImposeesValides({4, 3, 2, 1}, 10));
}
