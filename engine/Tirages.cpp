#include "Tirages.h"

#include "Arcanes.h"

namespace lunespiral {

int nbCartesDuTirage(TypeTirage type) {
    switch (type) {
    case TypeTirage::EnCroix: return 4;
    case TypeTirage::DixMaisons: return nbMaisons;
    case TypeTirage::Bohemiens: return nbHorizons;
    case TypeTirage::Aucun: break;
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

} // namespace

int carteDeSynthese(const Tab<int, 5>& cartes) {
    CartesSorties sorties;
    int somme = 0;
    for (int i = 1; i <= 4; ++i) {
        sorties.marquer(cartes[i]);
        somme += cartes[i];
    }
    return syntheseApres(sorties, somme);
}

TirageCroix tirerCroixDepuis(Hasard& hasard) {
    TirageCroix t;
    CartesSorties sorties;
    int somme = 0;
    for (int i = 1; i <= 4; ++i) {
        t.cartes[i] = sorties.tirerDistincte(hasard);
        somme += t.cartes[i];
    }
    t.cartes[5] = syntheseApres(sorties, somme);
    for (int i = 1; i <= nbDomainesCroix; ++i) {
        t.variantesPresent[i] = hasard.entre1Et(nbVariantes);
        t.variantesFutur[i] = hasard.entre1EtSauf(nbVariantes, {t.variantesPresent[i]});
    }
    return t;
}

TirageMaisons tirerMaisonsDepuis(Hasard& hasard) {
    TirageMaisons t;
    CartesSorties sorties;
    for (int h = 1; h <= nbMaisons; ++h) t.cartes[h] = sorties.tirerDistincte(hasard);
    for (int h = 1; h <= nbMaisons; ++h)
        t.cartesAssociees[h] = hasard.entre1EtSauf(nbArcanes, {t.cartes[h]});
    for (int h = 1; h <= nbMaisons; ++h) t.variantes[h] = hasard.entre1Et(nbVariantes);
    // Houses that read from the same life domain must not show the same variant:
    // 2, 3 and 7 (relationships), 4 and 6 (projects). Each is drawn afresh.
    t.variantes[3] = hasard.entre1EtSauf(nbVariantes, {t.variantes[2]});
    t.variantes[7] = hasard.entre1EtSauf(nbVariantes, {t.variantes[2], t.variantes[3]});
    t.variantes[6] = hasard.entre1EtSauf(nbVariantes, {t.variantes[4]});
    return t;
}

TirageBohemiens tirerBohemiensDepuis(Hasard& hasard) {
    TirageBohemiens t;
    CartesSorties sorties;
    for (int n = 1; n <= nbHorizons; ++n) t.cartes[n] = sorties.tirerDistincte(hasard);
    for (int n = 1; n <= nbHorizons; ++n)
        t.cartesAssociees[n] = hasard.entre1EtSauf(nbArcanes, {t.cartes[n]});
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

int tirerMaisonCourante(Hasard& hasard) { return hasard.entre1Et(nbMaisons); }

int tirerHorizonCourant(Hasard& hasard) { return hasard.entre1Et(nbHorizons); }

} // namespace lunespiral
