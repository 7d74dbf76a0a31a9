#include "Talon.h"

#include "Arcanes.h"
#include "Globales.h"
#include "Langue.h"

#include <QFontMetricsF>

namespace lunespiral {

namespace {

// The name labels' design size, in points; on wide screens the smaller factor keeps the name
// within the card.
int pointsEtiquettes() {
    return std::max(1, arrondi(std::min(echelleX, echelleY) * 8));
}

} // namespace

Talon::Talon(QWidget* fenetre, Plateau& plateau)
    : QObject(fenetre), fenetre_(fenetre), plateau_(plateau) {
    setObjectName(QStringLiteral("talon"));
}

void Talon::creerEtiquettes() {
    for (int n = 1; n <= nbMaisons; ++n) {
        Panneau* etiquette = nouvelleEtiquette(fenetre_, QStringLiteral("etiquettesNoms%1").arg(n),
                                               plateau_.largeurCarte);
        QFont f = fenetre_->font();
        f.setPointSize(pointsEtiquettes());
        etiquette->setFont(f);
        plateau_.etiquettesNoms[n] = etiquette;
    }
}

void Talon::appliquerLangue(int langue) {
    if (langue == langueAjustee_) return; // the language is the run's, the labels' size too
    langueAjustee_ = langue;
    Panneau* modele = plateau_.etiquettesNoms[1];
    const int largeur = modele->contentsRect().width() - 2; // a pixel of air each side
    QFont f = modele->font();
    const qreal pixelsParPoint = modele->logicalDpiY() / 72.0;
    auto tiennent = [&](qreal points) {
        f.setPointSizeF(points);
        const QFontMetricsF m(f, modele);
        for (int k = 1; k <= nbArcanes; ++k)
            if (m.horizontalAdvance(versQString(nomArcane(k, langue))) > largeur) return false;
        return true;
    };
    qreal points = pointsEtiquettes();
    while (!tiennent(points) && (points - 0.25) * pixelsParPoint >= plateau_.tailleLisible)
        points -= 0.25;
    f.setPointSizeF(points);
    for (int n = 1; n <= nbMaisons; ++n) plateau_.etiquettesNoms[n]->setFont(f);
}

void Talon::creerCartes() {
    for (int k = 1; k <= nbArcanes; ++k) {
        auto* carte = new ImageControle(fenetre_);
        carte->setObjectName(QStringLiteral("cartesTalon%1").arg(k));
        carte->resize(plateau_.largeurCarte, plateau_.hauteurCarte);
        carte->setCursor(Qt::PointingHandCursor);
        carte->setTag(k);
        carte->hide();
        connect(carte, &ImageControle::clique, this,
                [this](ImageControle* c) { emit carteCliquee(c->tag()); });
        plateau_.cartesTalon[k] = carte;
    }
}

void Talon::presenter(const VueResultat& vue, const Chaines& chaines) {
    for (int d = 1; d <= nbArcanes; ++d) plateau_.cartesTalon[d]->move(vue.placeDuTalon(d));
    for (int d = 1; d <= nbArcanes; ++d) {
        ImageControle* c = plateau_.cartesTalon[d];
        c->setImage(QStringLiteral("picFond"));
        c->setFocusPolicy(Qt::TabFocus);
        c->setAccessibleName(chaines.texte(Cle::carteFaceCachee).arg(d));
        c->show();
    }
}

void Talon::poser(int d, int n, int carte, QPoint position, bool definitive, const Chaines& chaines,
                  const QString& prefixeBulle) {
    ImageControle* c = plateau_.cartesTalon[d];
    c->hide();
    c->move(position);
    c->setImage(imageFace(carte));
    c->show();
    if (definitive) {
        c->setCursor(Qt::ArrowCursor);
        c->setFocusPolicy(Qt::NoFocus);
    }
    const QString nom = versQString(nomArcane(carte, langueParlee(chaines.langue)));
    c->setToolTip(prefixeBulle + chaines.motArcane + QStringLiteral(" ") + QString::number(carte) +
                  QStringLiteral(" - ") + nom);
    c->setAccessibleName(c->toolTip());
    Panneau* etiquette = plateau_.etiquettesNoms[n];
    etiquette->setText(nom);
    etiquette->move(position);
    etiquette->show();
}

void Talon::retirerNonPosees(const EtatTirage& etat) {
    for (int d = 1; d <= nbArcanes; ++d)
        if (!etat.carteRetournee(d)) plateau_.cartesTalon[d]->hide();
}

void Talon::ranger() {
    for (int d = 1; d <= nbArcanes; ++d) {
        ImageControle* c = plateau_.cartesTalon[d];
        c->hide();
        c->setCursor(Qt::PointingHandCursor);
        c->setToolTip(QString());
        c->setAccessibleName(QString());
        c->setFocusPolicy(Qt::NoFocus);
    }
    rangerEtiquettes(plateau_.etiquettesNoms);
}

bool Talon::surLaTable() const {
    for (int d = 1; d <= nbArcanes; ++d)
        if (plateau_.cartesTalon[d]->isVisible()) return true;
    return false;
}

void Talon::prendreFocusClavier() {
    for (int d = 1; d <= nbArcanes; ++d) {
        ImageControle* c = plateau_.cartesTalon[d];
        if (c->isVisibleTo(fenetre_) && c->focusPolicy() != Qt::NoFocus) {
            c->prendreFocusClavier();
            return;
        }
    }
}

bool Talon::aLeFocus() const {
    for (int d = 1; d <= nbArcanes; ++d)
        if (plateau_.cartesTalon[d]->hasFocus()) return true;
    return false;
}

void Talon::rendreFocus(const EtatTirage& etat, int emplacement) {
    for (int d = 1; d <= nbArcanes; ++d) {
        ImageControle* c = plateau_.cartesTalon[d];
        if (emplacement > 0 && etat.carteRetournee(d) && c->focusPolicy() != Qt::NoFocus &&
            etat.emplacementDeCarte(etat.typeTirage(), d) == emplacement) {
            c->prendreFocusClavier();
            return;
        }
    }
    fenetre_->setFocus(Qt::OtherFocusReason);
}

} // namespace lunespiral
