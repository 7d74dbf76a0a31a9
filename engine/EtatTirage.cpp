#include "EtatTirage.h"

#include "NumerosChance.h"

namespace lunespiral {

void EtatTirage::commencer(TypeTirage type) {
    typeTirage_ = type;
    tirageTermine_ = false;
    nbCartesPosees_ = 0;
    dernierClic_ = {};
    porteurSynthese_ = 0;
    numeros_.clear();
    carteRetournee_.remplir(false);
    switch (type) {
    case TypeTirage::EnCroix:
        croixTerminee_ = false;
        break;
    case TypeTirage::DixMaisons:
        maisonsTerminees_ = false;
        break;
    case TypeTirage::Bohemiens:
        bohemiensTermines_ = false;
        break;
    case TypeTirage::Aucun:
        throw ErreurEtendue();
    }
}

void EtatTirage::choisirTirage(TypeTirage type, Hasard& hasard, const Textes& textes) {
    if (type == TypeTirage::Aucun) throw ErreurEtendue();
    hasard.initialiser();
    choisirTirageSansAmorcer(type, hasard, textes);
}

void EtatTirage::choisirTirageSansAmorcer(TypeTirage type, Hasard& hasard, const Textes& textes,
                                          const std::vector<int>& cartesImposees) {
    if (!cartesImposees.empty() && !cartesImposeesValides(cartesImposees, nbCartesDuTirage(type)))
        throw ErreurEtendue();
    commencer(type);
    switch (type) {
    case TypeTirage::EnCroix:
        tirageCroix_ = tirerCroixDepuis(hasard, cartesImposees);
        break;
    case TypeTirage::DixMaisons:
        tirageMaisons_ = tirerMaisonsDepuis(hasard, cartesImposees);
        break;
    case TypeTirage::Bohemiens:
        tirageBohemiens_ = tirerBohemiensDepuis(hasard, cartesImposees);
        break;
    case TypeTirage::Aucun:
        break;
    }
    composer(textes);
}

void EtatTirage::composer(const Textes& textes) {
    switch (typeTirage_) {
    case TypeTirage::EnCroix:
        textes.composerCroix(tirageCroix_, textesCroix_);
        break;
    case TypeTirage::DixMaisons:
        textes.composerMaisons(tirageMaisons_, textesMaisons_);
        break;
    case TypeTirage::Bohemiens:
        textes.composerBohemiens(tirageBohemiens_, textesHorizons_);
        break;
    case TypeTirage::Aucun:
        break;
    }
}

bool EtatTirage::termine(TypeTirage type) const {
    switch (type) {
    case TypeTirage::EnCroix:
        return croixTerminee_;
    case TypeTirage::DixMaisons:
        return maisonsTerminees_;
    case TypeTirage::Bohemiens:
        return bohemiensTermines_;
    case TypeTirage::Aucun:
        break;
    }
    return false;
}

int EtatTirage::emplacementDeCarte(TypeTirage type, int d) const {
    if (type == TypeTirage::DixMaisons) return emplacementMaisons_[d];
    if (type == TypeTirage::Bohemiens) return emplacementBohemiens_[d];
    throw ErreurEtendue();
}

int EtatTirage::carteDeLEmplacement(int n) const {
    switch (typeTirage_) {
    case TypeTirage::EnCroix:
        return tirageCroix_.cartes[n];
    case TypeTirage::DixMaisons:
        return tirageMaisons_.cartes[n];
    case TypeTirage::Bohemiens:
        return tirageBohemiens_.cartes[n];
    case TypeTirage::Aucun:
        break;
    }
    throw ErreurEtendue();
}

EtatTirage::Clic EtatTirage::cliquerCarte(int d, Hasard& hasard, const OptionsChance& options) {
    dernierClic_ = poser(d, hasard, options);
    return dernierClic_;
}

EtatTirage::Clic EtatTirage::poser(int d, Hasard& hasard, const OptionsChance& options) {
    Clic clic;
    if (typeTirage_ == TypeTirage::Aucun || !Tab<bool, nbArcanes>::contient(d)) return clic;

    if (termine(typeTirage_)) {
        // Once complete, only the houses and the bohemian spread answer, and only on a laid card.
        if (typeTirage_ == TypeTirage::EnCroix || !carteRetournee_[d]) return clic;
        if (typeTirage_ == TypeTirage::DixMaisons) {
            tirageMaisons_.maisonCourante = emplacementMaisons_[d];
            return {Effet::ChoixMaison, tirageMaisons_.maisonCourante,
                    tirageMaisons_.cartes[tirageMaisons_.maisonCourante], false};
        }
        tirageBohemiens_.horizonCourant = emplacementBohemiens_[d];
        return {Effet::ChoixHorizon, tirageBohemiens_.horizonCourant,
                tirageBohemiens_.cartes[tirageBohemiens_.horizonCourant], false};
    }

    if (carteRetournee_[d] || nbCartesPosees_ >= nbCartesDuTirage(typeTirage_)) return clic;
    carteRetournee_[d] = true;
    const int n = ++nbCartesPosees_;
    if (typeTirage_ == TypeTirage::DixMaisons) emplacementMaisons_[d] = n;
    if (typeTirage_ == TypeTirage::Bohemiens) emplacementBohemiens_[d] = n;
    clic = {Effet::CartePosee, n, carteDeLEmplacement(n), false};
    if (n == nbCartesDuTirage(typeTirage_)) {
        terminer(hasard, options);
        clic.termine = true;
    }
    return clic;
}

void EtatTirage::terminer(Hasard& hasard, const OptionsChance& options) {
    tirageTermine_ = true;
    switch (typeTirage_) {
    case TypeTirage::EnCroix:
        croixTerminee_ = true;
        // The carrier first, then the numbers: the order the program has always drawn them in.
        porteurSynthese_ = tirerPorteurSynthese(hasard);
        montrerNumerosChance(hasard, options);
        break;
    case TypeTirage::DixMaisons:
        maisonsTerminees_ = true;
        tirageMaisons_.maisonCourante = tirerMaisonCourante(hasard);
        break;
    case TypeTirage::Bohemiens:
        bohemiensTermines_ = true;
        tirageBohemiens_.horizonCourant = tirerHorizonCourant(hasard);
        break;
    case TypeTirage::Aucun:
        break;
    }
}

int EtatTirage::tirerPorteurSynthese(Hasard& hasard) const {
    if (nbCartesPosees_ >= nbArcanes) throw ErreurEtendue(); // no free card: it would loop forever
    int d = 0;
    do {
        d = hasard.entre1Et(nbArcanes);
    } while (carteRetournee_[d]);
    return d;
}

void EtatTirage::montrerNumerosChance(Hasard& hasard, const OptionsChance& options) {
    if (!tirageTermine_) return;
    numeros_ = tirerNumerosChance(hasard, options.optionNbNumerosDeLaChance, options.optionMinRange,
                                  options.optionMaxRange, cartesDuTirageCourant());
    optionsNumeros_ = options;
}

void EtatTirage::cacherNumerosChance() {
    numeros_.clear();
}

std::string EtatTirage::texteNumerosChance() const {
    return lunespiral::texteNumerosChance(numeros_);
}

std::string EtatTirage::descriptionNumerosChance(int langue) const {
    if (numeros_.empty()) return {};
    return lunespiral::descriptionNumerosChance(langue, optionsNumeros_.optionNbNumerosDeLaChance,
                                                optionsNumeros_.optionMinRange,
                                                optionsNumeros_.optionMaxRange);
}

std::vector<int> EtatTirage::cartesDuTirageCourant() const {
    const int m = nbCartesDuTirage(typeTirage_);
    std::vector<int> cartes;
    cartes.reserve(static_cast<std::size_t>(m));
    for (int i = 1; i <= m; ++i) cartes.push_back(carteDeLEmplacement(i));
    return cartes;
}

} // namespace lunespiral
