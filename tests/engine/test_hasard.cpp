#include "Arcanes.h"
#include "Cp1252.h"
#include "Hasard.h"
#include "Horloge.h"
#include "Langue.h"

#include <gtest/gtest.h>

#include <set>

using namespace lunespiral;

namespace {

struct HorlogeFixee {
    explicit HorlogeFixee(HeureUtc h) {
        Horloge::remplacer([h] { return h; });
    }
    ~HorlogeFixee() { Horloge::remplacer({}); }
};

} // namespace

TEST(Hasard, ReferenceSequenceFromZero) {
    Hasard h;
    const std::uint32_t etats[] = {1u,         134775814u,  3698175007u,
                                   870078620u, 1172187917u, 2884733762u};
    const int resultats[] = {1, 1, 19, 5, 7, 15};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(h.entre1Et(22), resultats[i]) << "call " << i;
        EXPECT_EQ(h.graine, etats[i]) << "call " << i;
    }
}

TEST(Hasard, SeedIsTheUtcTimeOfDayInMilliseconds) {
    Hasard h;
    {
        HorlogeFixee f({12, 34, 56, 789});
        h.initialiser();
        EXPECT_EQ(h.graine, 45296789u);
    }
    {
        HorlogeFixee f({23, 59, 59, 999});
        h.initialiser();
        EXPECT_EQ(h.graine, 86399999u);
    }
    {
        HorlogeFixee f({0, 0, 0, 0});
        h.graine = 1234;
        h.initialiser();
        EXPECT_EQ(h.graine, 0u);
    }
    // The system clock gives a time of day, whatever the date.
    h.initialiser();
    EXPECT_LT(h.graine, 86'400'000u);
}

TEST(Hasard, BoundsAndSteps) {
    Hasard h;
    h.graine = 77;
    const auto avant = h.graine;
    EXPECT_EQ(h.entre1Et(1), 1);
    EXPECT_NE(h.graine, avant) << "n = 1 still advances the generator";

    std::set<int> vus;
    h.graine = 0;
    for (int i = 0; i < 5000; ++i) {
        const int v = h.suivant(22);
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 22);
        vus.insert(v);
    }
    EXPECT_EQ(vus.size(), 22u);

    // The result is the high half of the 64-bit product with the new state, wrapping at 2^32.
    h.graine = 0xDEADBEEFu;
    EXPECT_EQ(h.suivant(500), 186);
    EXPECT_EQ(h.graine, 0xDEADBEEFu * 134775813u + 1u);
}

TEST(Hasard, RefusesImpossibleRequestsInsteadOfLooping) {
    Hasard h;
    EXPECT_THROW(h.suivant(0), ErreurEtendue);
    EXPECT_THROW(h.entre1Et(-3), ErreurEtendue);
    EXPECT_THROW(h.entre1EtSauf(2, {1, 2}), ErreurEtendue);
    EXPECT_THROW(h.entre1EtSauf(1, {1}), ErreurEtendue);
    for (int i = 0; i < 200; ++i) EXPECT_EQ(h.entre1EtSauf(3, {1, 3}), 2);
}

TEST(Arcanes, NamesInBothLanguages) {
    EXPECT_EQ(cp1252VersUtf8(nomArcane(1, langueFrancais)), "Le Bateleur");
    EXPECT_EQ(cp1252VersUtf8(nomArcane(3, langueFrancais)), "L'Impératrice");
    EXPECT_EQ(nomArcane(14, langueFrancais), "La Temp\xE9rance"); // stored as Windows-1252
    EXPECT_EQ(cp1252VersUtf8(nomArcane(17, langueFrancais)), "L'Etoile");
    EXPECT_EQ(cp1252VersUtf8(nomArcane(22, langueFrancais)), "Le Mat");
    EXPECT_EQ(cp1252VersUtf8(nomArcane(16, langueAnglais)), "Destruction Tower");
    EXPECT_EQ(cp1252VersUtf8(nomArcane(22, langueAnglais)), "The Fool");
    for (int langue : {langueFrancais, langueAnglais}) {
        std::set<std::string> distincts;
        for (int c = 1; c <= nbArcanes; ++c) {
            EXPECT_LE(nomArcane(c, langue).size(), 19u) << "a name must fit its 20-cell field";
            distincts.insert(nomArcane(c, langue));
        }
        EXPECT_EQ(distincts.size(), 22u);
    }
    EXPECT_THROW(nomArcane(0, langueFrancais), ErreurEtendue);
    EXPECT_THROW(nomArcane(23, langueAnglais), ErreurEtendue);
    EXPECT_THROW(nomArcane(1, langueAucune), ErreurEtendue);
}

TEST(Arcanes, DistinctDrawMarksEachCardOnce) {
    Hasard h;
    for (std::uint32_t graine = 0; graine < 300; ++graine) {
        h.graine = graine * 2654435761u;
        CartesSorties sorties;
        std::set<int> tirees;
        for (int i = 0; i < 10; ++i) tirees.insert(sorties.tirerDistincte(h));
        ASSERT_EQ(tirees.size(), 10u);
        ASSERT_EQ(sorties.nombre(), 10);
    }
    CartesSorties pleines;
    for (int c = 1; c <= nbArcanes; ++c) pleines.marquer(c);
    EXPECT_THROW(pleines.tirerDistincte(h), ErreurEtendue);
}
