#pragma once
// The spread chooser: three emblems, each with its caption, centred over the main window while
// no reading is on the table. It reports the spread picked; the window starts it.

#include "Chaines.h"
#include "EtatTirage.h"
#include "Panneau.h"
#include "ServiceImages.h"

#include <QObject>

namespace lunespiral {

class ChoixTirage : public QObject {
    Q_OBJECT
public:
    explicit ChoixTirage(QWidget* fenetre);

    // The controls of the design, then, once the window is scaled, their wiring.
    void construire();
    void relier();
    void preparerImages(ServiceImages& images, qreal ratio) const;
    void appliquerLegendes(const Chaines& chaines);
    // Centred in the window.
    void placer();
    // The emblems, first in the window's Tab order.
    std::vector<QWidget*> ordreTabulation() const;

    void montrer();
    void cacher();
    bool visible() const;

signals:
    // `auClavier`: chosen with Enter or Space on an emblem, rather than with the mouse.
    void choisi(TypeTirage type, bool auClavier);

private:
    QWidget* fenetre_;
    Panneau* panneau_ = nullptr;
};

} // namespace lunespiral
