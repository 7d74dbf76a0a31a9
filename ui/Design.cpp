#include "Design.h"

#include "ImageControle.h"
#include "Memo.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

namespace lunespiral {

QColor couleurDesign(int rrggbb) {
    return QColor::fromRgb(static_cast<QRgb>(rrggbb));
}

void peindreFond(QWidget* w, int rrggbb) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, couleurDesign(rrggbb));
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

namespace {

QWidget* nouveauControle(const Controle& c, QWidget* parent) {
    const QString texte = QString::fromUtf8(c.texte);
    switch (c.genre) {
    case Genre::Panneau: {
        auto* p = new Panneau(parent);
        if (c.fond >= 0) p->setCouleur(couleurDesign(c.fond));
        p->setBiseauExterieur(c.exterieur);
        p->setBiseauInterieur(c.interieur);
        p->setLargeurBiseau(c.largeurBiseau);
        p->setWordWrap(c.retourALaLigne);
        p->setText(texte);
        if (c.police.couleur >= 0) p->setCouleurTexte(couleurDesign(c.police.couleur));
        return p;
    }
    case Genre::Memo: {
        auto* m = new Memo(parent);
        m->setCouleurs(couleurDesign(c.fond), couleurDesign(std::max(c.police.couleur, 0)));
        m->setDefilement(c.defilement);
        return m;
    }
    case Genre::Image: {
        auto* i = new ImageControle(parent);
        if (!texte.isEmpty()) i->setImage(texte);
        return i;
    }
    case Genre::BoutonOutil: {
        auto* b = new QToolButton(parent);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setText(texte);
        if (c.police.couleur >= 0) {
            QPalette p = b->palette();
            p.setColor(QPalette::ButtonText, couleurDesign(c.police.couleur));
            b->setPalette(p);
        }
        return b;
    }
    case Genre::Bouton: {
        auto* b = new QPushButton(texte, parent);
        // Enter chooses the focused button as Space does, outside a dialog too.
        b->setAutoDefault(true);
        return b;
    }
    case Genre::Cadre:
        return new QGroupBox(parent);
    case Genre::Etiquette: {
        auto* e = new QLabel(texte, parent);
        e->setWordWrap(c.taille == Taille::Paragraphe);
        e->setAlignment(c.taille == Taille::Fixe         ? Qt::AlignCenter
                        : c.taille == Taille::Paragraphe ? Qt::AlignLeft | Qt::AlignVCenter
                                                         : Qt::AlignLeft | Qt::AlignTop);
        return e;
    }
    case Genre::Barre: {
        auto* b = new QScrollBar(Qt::Horizontal, parent);
        b->setFocusPolicy(Qt::StrongFocus);
        return b;
    }
    }
    return nullptr;
}

} // namespace

void construireControles(QWidget* fenetre, std::span<const Controle> design) {
    for (const Controle& c : design) {
        QWidget* parent =
            *c.parent ? fenetre->findChild<QWidget*>(QString::fromLatin1(c.parent)) : fenetre;
        QWidget* w = nouveauControle(c, parent);
        w->setObjectName(QString::fromLatin1(c.nom));
        w->setGeometry(c.geometrie.x, c.geometrie.y, c.geometrie.largeur, c.geometrie.hauteur);
        if (c.police.pixels > 0)
            w->setFont(policeDesign(c.police.famille, c.police.pixels, c.police.gras));
        if (c.fond >= 0 && (c.genre != Genre::Panneau && c.genre != Genre::Memo))
            peindreFond(w, c.fond);
        w->setCursor(c.curseur);
        if (c.focus) w->setFocusPolicy(*c.focus);
        w->setVisible(c.visible);
    }
}

void appliquerLegendes(const QWidget* fenetre, std::span<const Controle> design,
                       const Chaines& chaines) {
    for (const Controle& c : design) {
        if (!c.legende && !c.bulle) continue;
        auto* w = fenetre->findChild<QWidget*>(QString::fromLatin1(c.nom));
        if (c.legende) {
            const QString texte = chaines.texte(*c.legende);
            if (auto* p = qobject_cast<Panneau*>(w))
                p->setText(texte);
            else if (auto* e = qobject_cast<QLabel*>(w))
                e->setText(texte);
            else if (auto* b = qobject_cast<QAbstractButton*>(w))
                b->setText(texte);
        }
        if (c.bulle) {
            w->setToolTip(chaines.texte(*c.bulle));
            // A button shows a glyph or a letter: its hint is its name to a screen reader.
            if (qobject_cast<QAbstractButton*>(w)) w->setAccessibleName(w->toolTip());
        }
    }
}

} // namespace lunespiral
