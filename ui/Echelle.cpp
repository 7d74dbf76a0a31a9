#include "Echelle.h"

#include <algorithm>
#include <cmath>

namespace lunespiral {

int arrondiEchelle(double v) {
    return static_cast<int>(std::round(v));
}

Echelle echelleUnique(int largeurEcran, double pointsParPouce) {
    const double f = std::trunc(largeurEcran * 96.0 / pointsParPouce) / 800.0;
    return {f, f, f};
}

Echelle echelleUnique(QSize ecran, double pointsParPouce, QSize design) {
    const double f = echelleUnique(ecran.width(), pointsParPouce).x;
    const double tient = std::min(static_cast<double>(ecran.width()) / design.width(),
                                  static_cast<double>(ecran.height()) / design.height());
    // Fitting the screen comes first: a screen too small for half the design gets what it holds.
    const double borne = std::min(std::max(f, 0.5), tient);
    return {borne, borne, borne};
}

Echelle echelleFenetrePrincipale(int largeurEcran, int hauteurEcran, double pointsParPouce) {
    const double ecranX = largeurEcran / 800.0;
    const double ecranY = hauteurEcran / 600.0;
    const double fx =
        std::clamp(std::trunc(largeurEcran * 96.0 / pointsParPouce) / 800.0, ecranX / 2, ecranX);
    const double fy =
        std::clamp(std::trunc(hauteurEcran * 96.0 / pointsParPouce) / 600.0, ecranY / 2, ecranY);
    return {fx, fy, std::min(fx, fy)};
}

void bornerResolutionImposee() {
    bool nombre = false;
    const int ppp = qEnvironmentVariableIntValue("QT_FONT_DPI", &nombre);
    // Qt ignores a value of 0 or less, as it does one that is not a number.
    if (nombre && ppp > 0) qputenv("QT_FONT_DPI", QByteArray::number(std::clamp(ppp, 48, 384)));
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
        if (!enfant->objectName().isEmpty() &&
            !enfant->objectName().startsWith(QLatin1String("qt_")))
            mettreAEchelleUn(enfant, echelle);
}

} // namespace lunespiral
