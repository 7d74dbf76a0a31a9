#pragma once
// The star field over the main window's background: a few hundred pale pixels scattered from
// the generator.

#include "Hasard.h"

#include <QColor>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

namespace lunespiral {

class ChampEtoiles {
public:
    // A new field over an area of `taille`.
    void semer(Hasard& hasard, QSize taille);
    // The stars inside `zone`.
    void peindre(QPainter& p, const QRect& zone) const;
    int nombre() const { return static_cast<int>(etoiles_.size()); }

private:
    struct Etoile {
        QPoint position;
        QColor couleur;
    };
    std::vector<Etoile> etoiles_;
};

} // namespace lunespiral
