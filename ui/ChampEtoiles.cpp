#include "ChampEtoiles.h"

namespace lunespiral {

void ChampEtoiles::semer(Hasard& hasard, QSize taille) {
    const int n = hasard.entre1Et(500) + 200;
    etoiles_.clear();
    etoiles_.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const int b = hasard.entre1Et(55) + 200;
        const int g = hasard.entre1Et(55) + 200;
        const int r = hasard.entre1Et(55) + 200;
        const int y = hasard.entre1Et(taille.height());
        const int x = hasard.entre1Et(taille.width());
        etoiles_.push_back({{x, y}, QColor(r, g, b)});
    }
}

void ChampEtoiles::peindre(QPainter& p, const QRect& zone) const {
    // Each star a one-pixel fill: the same pixels as a point drawn with a pen, without the
    // pen's cost at every star.
    for (const Etoile& etoile : etoiles_)
        if (zone.contains(etoile.position)) // a star at x = width or y = height falls just outside
            p.fillRect(QRect(etoile.position, QSize(1, 1)), etoile.couleur);
}

} // namespace lunespiral
