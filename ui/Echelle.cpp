#include "Echelle.h"

#include <cmath>

namespace lunespiral {

int arrondiEchelle(double v) { return static_cast<int>(std::round(v)); }

Echelle echelleUnique(int largeurEcran, double pointsParPouce) {
    const double f = std::trunc(largeurEcran * 96.0 / pointsParPouce) / 800.0;
    return {f, f, f};
}

Echelle echelleFenetrePrincipale(int largeurEcran, int hauteurEcran, double pointsParPouce) {
    const double fx = std::trunc(largeurEcran * 96.0 / pointsParPouce) / 800.0;
    const double fy = std::trunc(hauteurEcran * 96.0 / pointsParPouce) / 600.0;
    return {fx, fy, std::min(fx, fy)};
}

namespace {

void mettreAEchelleUn(QWidget* w, const Echelle& e) {
    const QRect r = w->geometry();
    const int gauche = arrondiEchelle(r.x() * e.x);
    const int haut = arrondiEchelle(r.y() * e.y);
    const int droite = arrondiEchelle((r.x() + r.width()) * e.x);
    const int bas = arrondiEchelle((r.y() + r.height()) * e.y);
    w->setGeometry(gauche, haut, droite - gauche, bas - haut);
    if (w->testAttribute(Qt::WA_SetFont) && w->font().pixelSize() > 0) {
        QFont police = w->font();
        police.setPixelSize(std::max(1, arrondiEchelle(police.pixelSize() * e.police)));
        w->setFont(police);
    }
}

} // namespace

void mettreAEchelle(QWidget* racine, const Echelle& echelle) {
    mettreAEchelleUn(racine, echelle);
    // Only the design's own controls: the inner parts of a text box or a scroll bar follow
    // their owner by themselves.
    for (QWidget* enfant : racine->findChildren<QWidget*>())
        if (!enfant->objectName().isEmpty() && !enfant->objectName().startsWith(QLatin1String("qt_")))
            mettreAEchelleUn(enfant, echelle);
}

} // namespace lunespiral
