#pragma once
// The ten houses: two rows of five cards round the window, the deck in a row between them, and
// the chosen house's emblem, name and text in the middle.

#include "VueResultat.h"

namespace lunespiral {

class VueMaisons : public VueResultat {
    Q_OBJECT
public:
    VueMaisons(QWidget* fenetre, const EtatTirage& etat, const Plateau& plateau,
               const Chaines& chaines);

    void construire() override;
    void preparer() override;
    void preparerImages(ServiceImages& images, qreal ratio) const override;
    void calculerPositions() override;
    QPoint position(int n) const override { return positions_[n]; }
    QPoint placeDuTalon(int d) const override;
    void cartePosee(int n, QPoint position) override;
    void terminer() override;
    void choisir(int h) override;
    int emplacementAffiche() const override { return etat_.tirageMaisons().maisonCourante; }
    void effacer() override;

private:
    void afficherMaison(int h);

    Tab<QPoint, nbMaisons> positions_{};
    Tab<Panneau*, nbMaisons> etiquettes_{}; // the house's name, at the foot of its card
};

} // namespace lunespiral
