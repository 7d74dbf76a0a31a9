#include "Tirages.h"

#include "Arcanes.h"

namespace lunespiral {

int nbCartesDuTirage(TypeTirage type) {
    switch (type) {
    case TypeTirage::EnCroix:
        return 4;
    case TypeTirage::DixMaisons:
        return nbMaisons;
    case TypeTirage::Bohemiens:
        return nbHorizons;
    case TypeTirage::Aucun:
        break;
    }
    return 0;
}

namespace {

int syntheseApres(const CartesSorties& sorties, int somme) {
    if (somme <= nbArcanes) return somme; // larger than each of the four: never among them
    // The digit sum is taken once; the search only climbs, and with four cards out it stops
    // at 20 at the latest.
    int i = somme % 10 + somme / 10;
    while (sorties.estSortie(i)) ++i;
    return i;
}

// The laid cards: given, or drawn distinct one after the other.
template <int N>
void poserCartes(Tab<int, N>& cartes, int compte, CartesSorties& sorties, Hasard& hasard,
                 const std::vector<int>& imposees) {
    if (!imposees.empty() && !cartesImposeesValides(imposees, compte)) throw ErreurEtendue();
    for (int i = 1; i <= compte; ++i) {
        if (imposees.empty()) {
            cartes[i] = sorties.tirerDistincte(hasard);
        } else {
            cartes[i] = imposees[static_cast<std::size_t>(i - 1)];
            sorties.marquer(cartes[i]);
        }
    }
}

// The houses and the bohemian spread open alike: the laid cards, then a hidden partner for each.
template <int N>
void poserAvecAssociees(Tab<int, N>& cartes, Tab<int, N>& associees, Hasard& hasard,
                        const std::vector<int>& imposees) {
    CartesSorties sorties;
    poserCartes(cartes, N, sorties, hasard, imposees);
    for (int n = 1; n <= N; ++n) associees[n] = hasard.entre1EtSauf(nbArcanes, {cartes[n]});
}

} // namespace

bool cartesImposeesValides(const std::vector<int>& cartes, int compte) {
    if (static_cast<int>(cartes.size()) != compte) return false;
    CartesSorties vues;
    for (int c : cartes) {
        if (!estCarte(c) || vues.estSortie(c)) return false;
        vues.marquer(c);
    }
    return true;
}

int carteDeSynthese(const Tab<int, 5>& cartes) {
    CartesSorties sorties;
    int somme = 0;
    for (int i = 1; i <= 4; ++i) {
        sorties.marquer(cartes[i]);
        somme += cartes[i];
    }
    return syntheseApres(sorties, somme);
}

TirageCroix tirerCroixDepuis(Hasard& hasard, const std::vector<int>& cartesImposees) {
    TirageCroix t;
    CartesSorties sorties;
    poserCartes(t.cartes, 4, sorties, hasard, cartesImposees);
    const int somme = t.cartes[1] + t.cartes[2] + t.cartes[3] + t.cartes[4];
    t.cartes[5] = syntheseApres(sorties, somme);
    for (int i = 1; i <= nbDomainesCroix; ++i) {
        t.variantesPresent[i] = hasard.entre1Et(nbVariantes);
        t.variantesFutur[i] = hasard.entre1EtSauf(nbVariantes, {t.variantesPresent[i]});
    }
    return t;
}

TirageMaisons tirerMaisonsDepuis(Hasard& hasard, const std::vector<int>& cartesImposees) {
    TirageMaisons t;
    poserAvecAssociees(t.cartes, t.cartesAssociees, hasard, cartesImposees);
    for (int h = 1; h <= nbMaisons; ++h) t.variantes[h] = hasard.entre1Et(nbVariantes);
    // Houses that read from the same life domain must not show the same variant:
    // 2, 3 and 7 (relationships), 4 and 6 (projects). Each is drawn afresh.
    t.variantes[3] = hasard.entre1EtSauf(nbVariantes, {t.variantes[2]});
    t.variantes[7] = hasard.entre1EtSauf(nbVariantes, {t.variantes[2], t.variantes[3]});
    t.variantes[6] = hasard.entre1EtSauf(nbVariantes, {t.variantes[4]});
    return t;
}

TirageBohemiens tirerBohemiensDepuis(Hasard& hasard, const std::vector<int>& cartesImposees) {
    TirageBohemiens t;
    poserAvecAssociees(t.cartes, t.cartesAssociees, hasard, cartesImposees);
    return t;
}

TirageCroix TirerCroix(Hasard& hasard) {
    hasard.initialiser();
    return tirerCroixDepuis(hasard);
}

TirageMaisons TirerMaisons(Hasard& hasard) {
    hasard.initialiser();
    return tirerMaisonsDepuis(hasard);
}

TirageBohemiens TirerBohemiens(Hasard& hasard) {
    hasard.initialiser();
    return tirerBohemiensDepuis(hasard);
}

int tirerMaisonCourante(Hasard& hasard) {
    return hasard.entre1Et(nbMaisons);
}

int tirerHorizonCourant(Hasard& hasard) {
    return hasard.entre1Et(nbHorizons);
}

} // namespace lunespiral
