#include "VueResultat.h"

#include "Globales.h"
#include "Memo.h"

namespace lunespiral {

VueResultat::VueResultat(QWidget* fenetre, const EtatTirage& etat, const Plateau& plateau,
                         const Chaines& chaines)
    : QObject(fenetre), fenetre_(fenetre), etat_(etat), plateau_(plateau), chaines_(chaines) {}

QPoint VueResultat::placeDuTalon(int d) const {
    // A climbing and falling arc along the bottom of the window.
    const int pas = (fenetre_->width() - plateau_.largeurCarte - 2 * plateau_.margeCarte) / 21;
    const int gauche = plateau_.margeCarte + pas * (d - 1);
    const int v = arrondi(echelleY * 3);
    const int base =
        fenetre_->height() - plateau_.hauteurBarre - plateau_.margeCarte - plateau_.hauteurCarte;
    return {gauche, d <= 11 ? base - v * (d - 1) : base - 11 * v + v * (d - 12)};
}

void VueResultat::preparerImages(ServiceImages&, qreal) const {}

void VueResultat::cartePosee(int, QPoint) {}

void VueResultat::choisir(int) {}

void VueResultat::appliquerLegendes() {}

Panneau* nouvelleEtiquette(QWidget* fenetre, const QString& nom, int largeur) {
    auto* p = new Panneau(fenetre);
    p->setObjectName(nom);
    p->setCouleur(fenetre->palette().color(QPalette::Button));
    p->resize(largeur, arrondi(echelleY * 16));
    p->hide();
    return p;
}

void colorer(Panneau* etiquette, bool choisie) {
    static const QColor argent(192, 192, 192);
    static const QColor jaune(255, 255, 0);
    etiquette->setCouleur(choisie ? jaune : argent);
}

void VueResultat::focusVers(const char* memo, const char* panneau) const {
    QWidget* cible = controle<QWidget>(panneau);
    connect(controle<Memo>(memo), &Memo::appuye, this,
            [cible] { cible->setFocus(Qt::MouseFocusReason); });
}

} // namespace lunespiral
