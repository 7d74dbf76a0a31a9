#pragma once
// The mosaic behind the spread chooser: ten by five tiles, each a random face cut below its
// numeral strip.

#include "Hasard.h"
#include "ImageControle.h"
#include "ServiceImages.h"
#include "Tableau.h"

#include <QWidget>

namespace lunespiral {

class Mosaique {
public:
    // The tiles, hidden, inside `fenetre`, the size of a card less its numeral strip.
    void creer(QWidget* fenetre, int largeurCarte, int hauteurCarte);
    // Asks the picture service for the cut faces before they are needed.
    void preparerImages(ServiceImages& images, qreal ratio) const;
    // A new mosaic, centred on the window, drawn from the generator.
    void afficher(Hasard& hasard, ServiceImages& images);
    void cacher();

private:
    QWidget* fenetre_ = nullptr;
    int largeurCarte_ = 0;
    int hauteurCarte_ = 0;
    Tab<Tab<ImageControle*, 5>, 10> tuiles_{};
};

} // namespace lunespiral
