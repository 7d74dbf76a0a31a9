#include "DonneesEssai.h"
#include "EtatTirage.h"
#include "NumerosChance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

using namespace lunespiral;

namespace {

const essai::Donnees& donnees() {
    static const essai::Donnees d;
    return d;
}

// Lays the whole spread, picking the deck cards in the given order.
void poserTout(EtatTirage& e, Hasard& h, const std::vector<int>& ordre) {
    for (int d : ordre) e.cliquerCarte(d, h, optionsParDefaut);
}

int nbRetournees(const EtatTirage& e) {
    int n = 0;
    for (int d = 1; d <= 22; ++d) n += e.carteRetournee(d);
    return n;
}

} // namespace

TEST(EtatTirage, StartsEmpty) {
    EtatTirage e;
    EXPECT_EQ(e.typeTirage(), TypeTirage::Aucun);
    EXPECT_FALSE(e.tirageTermine());
    EXPECT_EQ(e.nbCartesPosees(), 0);
    Hasard h;
    EXPECT_EQ(e.cliquerCarte(3, h, optionsParDefaut).effet, EtatTirage::Effet::Rien);
    EXPECT_EQ(h.graine, 0u) << "an idle click draws nothing";
}

TEST(EtatTirage, PickingRevealsTheDrawInOrderWhicheverCardIsClicked) {
    Hasard h;
    EtatTirage e;
    e.choisirTirageSansAmorcer(TypeTirage::DixMaisons, h, donnees().textes);
    const TirageMaisons tirage = e.tirageMaisons();
    const std::vector<int> ordre = {22, 3, 17, 1, 9, 12, 5, 20, 8, 14};
    for (std::size_t k = 0; k < ordre.size(); ++k) {
        const auto clic = e.cliquerCarte(ordre[k], h, optionsParDefaut);
        const int n = static_cast<int>(k) + 1;
        ASSERT_EQ(clic.effet, EtatTirage::Effet::CartePosee);
        EXPECT_EQ(clic.emplacement, n);
        EXPECT_EQ(clic.carte, tirage.cartes[n]);
        EXPECT_EQ(e.emplacementDeCarte(TypeTirage::DixMaisons, ordre[k]), n);
        EXPECT_EQ(e.nbCartesPosees(), nbRetournees(e));
        EXPECT_EQ(clic.termine, n == 10);
        EXPECT_EQ(e.tirageTermine(), n == 10);
    }
    EXPECT_TRUE(e.maisonsTerminees());
    EXPECT_GE(e.tirageMaisons().maisonCourante, 1);
    EXPECT_LE(e.tirageMaisons().maisonCourante, 10);
}

TEST(EtatTirage, RepeatedAndExtraClicksChangeNothing) {
    Hasard h;
    EtatTirage e;
    e.choisirTirageSansAmorcer(TypeTirage::EnCroix, h, donnees().textes);
    e.cliquerCarte(7, h, optionsParDefaut);
    auto graine = h.graine;
    EXPECT_EQ(e.cliquerCarte(7, h, optionsParDefaut).effet, EtatTirage::Effet::Rien);
    EXPECT_EQ(e.nbCartesPosees(), 1);
    EXPECT_EQ(e.cliquerCarte(0, h, optionsParDefaut).effet, EtatTirage::Effet::Rien);
    EXPECT_EQ(e.cliquerCarte(23, h, optionsParDefaut).effet, EtatTirage::Effet::Rien);
    EXPECT_EQ(h.graine, graine) << "a click that does nothing draws nothing";
    poserTout(e, h, {1, 2, 3});
    EXPECT_TRUE(e.croixTerminee());
    graine = h.graine;
    // A complete cross ignores every card, laid or not.
    for (int d = 1; d <= 22; ++d)
        EXPECT_EQ(e.cliquerCarte(d, h, optionsParDefaut).effet, EtatTirage::Effet::Rien);
    EXPECT_EQ(e.nbCartesPosees(), 4);
}

TEST(EtatTirage, CompletionDrawsTheHouseOrHorizonFromTheSameSequence) {
    Hasard h;
    EtatTirage e;
    e.choisirTirageSansAmorcer(TypeTirage::Bohemiens, h, donnees().textes);
    poserTout(e, h, {4, 3, 2});
    Hasard copie = h;
    e.cliquerCarte(1, h, optionsParDefaut);
    EXPECT_EQ(e.tirageBohemiens().horizonCourant, copie.entre1Et(4));
    EXPECT_EQ(h.graine, copie.graine);
}

TEST(EtatTirage, TheCrossCompletesWithItsCarrierThenItsLuckyNumbers) {
    Hasard h;
    EtatTirage e;
    e.choisirTirageSansAmorcer(TypeTirage::EnCroix, h, donnees().textes);
    poserTout(e, h, {1, 2, 3});
    EXPECT_EQ(e.porteurSynthese(), 0);
    EXPECT_FALSE(e.numerosAffiches());
    Hasard copie = h;
    const OptionsChance options{1, 3, 10, 20};
    e.cliquerCarte(4, h, options);
    int porteur = 0;
    do porteur = copie.entre1Et(22);
    while (porteur <= 4);
    EXPECT_EQ(e.porteurSynthese(), porteur);
    EXPECT_EQ(e.numerosChance(), tirerNumerosChance(copie, 3, 10, 20, e.cartesDuTirageCourant()));
    EXPECT_EQ(h.graine, copie.graine);
    EXPECT_EQ(e.descriptionNumerosChance(2), "Your 3 lucky numbers from 10 to 20");
    EXPECT_EQ(e.dernierClic().effet, EtatTirage::Effet::CartePosee);
    EXPECT_TRUE(e.dernierClic().termine);
    e.cacherNumerosChance();
    EXPECT_FALSE(e.numerosAffiches());
    EXPECT_EQ(e.descriptionNumerosChance(2), "");
    // A new reading starts with none of it.
    e.montrerNumerosChance(h, options);
    e.choisirTirageSansAmorcer(TypeTirage::Bohemiens, h, donnees().textes);
    EXPECT_EQ(e.porteurSynthese(), 0);
    EXPECT_FALSE(e.numerosAffiches());
    e.montrerNumerosChance(h, options);
    EXPECT_FALSE(e.numerosAffiches()) << "no numbers before completion";
}

TEST(EtatTirage, ChoosingByLaidCardAfterCompletion) {
    Hasard h;
    EtatTirage e;
    e.choisirTirageSansAmorcer(TypeTirage::Bohemiens, h, donnees().textes);
    poserTout(e, h, {10, 20, 5, 15});
    auto clic = e.cliquerCarte(5, h, optionsParDefaut);
    EXPECT_EQ(clic.effet, EtatTirage::Effet::ChoixHorizon);
    EXPECT_EQ(clic.emplacement, 3);
    EXPECT_EQ(e.tirageBohemiens().horizonCourant, 3);
    EXPECT_EQ(clic.carte, e.tirageBohemiens().cartes[3]);
    // A card that was never laid is hidden on screen; a stray click on it must not choose.
    EXPECT_EQ(e.cliquerCarte(1, h, optionsParDefaut).effet, EtatTirage::Effet::Rien);
    EXPECT_EQ(e.tirageBohemiens().horizonCourant, 3);

    e.choisirTirageSansAmorcer(TypeTirage::DixMaisons, h, donnees().textes);
    std::vector<int> ordre(10);
    std::iota(ordre.begin(), ordre.end(), 13);
    poserTout(e, h, ordre);
    clic = e.cliquerCarte(16, h, optionsParDefaut);
    EXPECT_EQ(clic.effet, EtatTirage::Effet::ChoixMaison);
    EXPECT_EQ(clic.emplacement, 4);
    EXPECT_EQ(e.tirageMaisons().maisonCourante, 4);
}

TEST(EtatTirage, OnlyTheChosenKindIsTouched) {
    Hasard h;
    EtatTirage e;
    e.choisirTirageSansAmorcer(TypeTirage::DixMaisons, h, donnees().textes);
    poserTout(e, h, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    const TirageMaisons maisons = e.tirageMaisons();
    // Abandoning changes nothing in the record: the cards stay available to the lucky numbers.
    const std::vector<int> attendu(maisons.cartes.begin(), maisons.cartes.end());
    EXPECT_TRUE(e.tirageTermine());
    EXPECT_EQ(e.cartesDuTirageCourant(), attendu);

    e.choisirTirageSansAmorcer(TypeTirage::EnCroix, h, donnees().textes);
    EXPECT_FALSE(e.tirageTermine());
    EXPECT_FALSE(e.croixTerminee());
    EXPECT_TRUE(e.maisonsTerminees());
    EXPECT_EQ(e.tirageMaisons(), maisons);
    EXPECT_EQ(e.nbCartesPosees(), 0);
    EXPECT_EQ(nbRetournees(e), 0);
    poserTout(e, h, {22, 21, 20, 19});
    const auto& croix = e.tirageCroix();
    EXPECT_EQ(e.cartesDuTirageCourant(), (std::vector<int>{croix.cartes[1], croix.cartes[2],
                                                           croix.cartes[3], croix.cartes[4]}));
}

TEST(EtatTirage, SynthesisCarrierIsAnUnpickedDeckCard) {
    Hasard h;
    for (std::uint32_t g = 0; g < 500; ++g) {
        h.graine = g * 7919u;
        EtatTirage e;
        e.choisirTirageSansAmorcer(TypeTirage::EnCroix, h, donnees().textes);
        poserTout(e, h, {static_cast<int>(g % 22) + 1, 2, 11, 22, 3});
        const int porteur = e.porteurSynthese();
        ASSERT_TRUE(porteur >= 1 && porteur <= 22);
        ASSERT_FALSE(e.carteRetournee(porteur));
    }
}

TEST(EtatTirage, RandomSoakKeepsTheInvariants) {
    Hasard h;
    Hasard clics;
    clics.graine = 12345;
    EtatTirage e;
    const TypeTirage types[] = {TypeTirage::EnCroix, TypeTirage::DixMaisons, TypeTirage::Bohemiens};
    for (int action = 0; action < 20000; ++action) {
        if (clics.entre1Et(15) == 1) {
            e.choisirTirageSansAmorcer(types[clics.entre1Et(3) - 1], h, donnees().textes);
        } else {
            e.cliquerCarte(clics.entre1Et(24) - 1, h, optionsParDefaut);
        }
        if (e.typeTirage() == TypeTirage::Aucun) continue;
        const int compte = nbCartesDuTirage(e.typeTirage());
        ASSERT_EQ(e.nbCartesPosees(), nbRetournees(e));
        ASSERT_LE(e.nbCartesPosees(), compte);
        ASSERT_EQ(e.tirageTermine(), e.nbCartesPosees() == compte);
        ASSERT_EQ(e.termine(e.typeTirage()), e.tirageTermine());
    }
}
