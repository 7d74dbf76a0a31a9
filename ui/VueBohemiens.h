#pragma once
// The bohemian spread: four cards in a row, each under its horizon, and the chosen horizon's
// text below them.

#include "VueResultat.h"

namespace lunespiral {

class VueBohemiens : public VueResultat {
    Q_OBJECT
public:
    VueBohemiens(QWidget* fenetre, const EtatTirage& etat, const Plateau& plateau,
                 const Chaines& chaines);

    void construire() override;
    void preparer() override;
    void calculerPositions() override;
    QPoint position(int n) const override { return positions_[n]; }
    void cartePosee(int n, QPoint position) override;
    void terminer() override;
    void choisir(int n) override;
    int emplacementAffiche() const override { return etat_.tirageBohemiens().horizonCourant; }
    void effacer() override;
    void appliquerLegendes() override;

private:
    void afficherHorizon(int n);

    Tab<QPoint, nbHorizons> positions_{};
    Tab<Panneau*, nbHorizons> etiquettes_{}; // the horizon's name, under its card
};

} // namespace lunespiral
