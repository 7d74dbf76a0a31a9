#pragma once
// The cross: four laid cards round the synthesis card, the present on the left, the future on
// the right, each with its synthesis and its four domains, and the global sentence below.

#include "VueResultat.h"

namespace lunespiral {

class VueCroix : public VueResultat {
    Q_OBJECT
public:
    VueCroix(QWidget* fenetre, const EtatTirage& etat, const Plateau& plateau,
             const Chaines& chaines);

    void construire() override;
    void preparer() override;
    void preparerImages(ServiceImages& images, qreal ratio) const override;
    void calculerPositions() override;
    QPoint position(int n) const override { return positions_[n]; }
    void terminer() override;
    void effacer() override;
    void appliquerLegendes() override;

    // A cross was chosen: its texts go into their boxes, still hidden, once the choice has been
    // painted: laying them out at once would take half the time of the choice. A completion
    // that comes sooner (only a program picks five cards so fast) lays them itself.
    void choisie() override;

private:
    void poserTextes();

    Tab<QPoint, 5> positions_{};
    bool textesEnAttente_ = false;
};

} // namespace lunespiral
