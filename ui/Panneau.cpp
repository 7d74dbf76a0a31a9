#include "Panneau.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace lunespiral {

namespace {

// The light and dark edges of a 3-D bevel, as the classic desktop drew them.
const QColor clair(255, 255, 255);
const QColor sombre(128, 128, 128);

void dessinerBiseau(QPainter& p, QRect r, Panneau::Biseau b, int largeur) {
    if (b == Panneau::Biseau::Aucun) return;
    const QColor hautGauche = b == Panneau::Biseau::Releve ? clair : sombre;
    const QColor basDroite = b == Panneau::Biseau::Releve ? sombre : clair;
    // One-pixel strips filled rather than lines stroked: the same pixels, drawn much faster.
    for (int i = 0; i < largeur; ++i) {
        const QRect c = r.adjusted(i, i, -i, -i);
        p.fillRect(c.left(), c.top(), c.width(), 1, hautGauche);
        p.fillRect(c.left(), c.top(), 1, c.height(), hautGauche);
        p.fillRect(c.left(), c.bottom(), c.width(), 1, basDroite);
        p.fillRect(c.right(), c.top(), 1, c.height(), basDroite);
    }
}

} // namespace

Panneau::Panneau(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
    setWordWrap(false);
    setCouleur(palette().color(QPalette::Button));
    mettreAJourMarges();
}

void Panneau::setCouleur(const QColor& couleur) {
    couleur_ = couleur;
    // A panel covers its whole rectangle: what lies beneath it need not be painted first.
    setAttribute(Qt::WA_OpaquePaintEvent, couleur.alpha() == 255);
    update();
}

void Panneau::setCouleurTexte(const QColor& couleur) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, couleur);
    setPalette(p);
}

void Panneau::setBiseauExterieur(Biseau b) {
    exterieur_ = b;
    mettreAJourMarges();
    update();
}

void Panneau::setBiseauInterieur(Biseau b) {
    interieur_ = b;
    mettreAJourMarges();
    update();
}

void Panneau::setLargeurBiseau(int largeur) {
    largeurBiseau_ = std::max(1, largeur);
    mettreAJourMarges();
    update();
}

void Panneau::mettreAJourMarges() {
    const int m = largeurBiseau_ * ((exterieur_ != Biseau::Aucun) + (interieur_ != Biseau::Aucun));
    setContentsMargins(m, m, m, m);
}

void Panneau::paintEvent(QPaintEvent* e) {
    {
        QPainter p(this);
        p.fillRect(rect(), couleur_);
        const QRect r = rect();
        dessinerBiseau(p, r, exterieur_, largeurBiseau_);
        if (exterieur_ != Biseau::Aucun)
            dessinerBiseau(
                p, r.adjusted(largeurBiseau_, largeurBiseau_, -largeurBiseau_, -largeurBiseau_),
                interieur_, largeurBiseau_);
        else
            dessinerBiseau(p, r, interieur_, largeurBiseau_);
    }
    QLabel::paintEvent(e); // the caption (or picture) over the box
    if (focusClavier_ && hasFocus()) {
        QPainter p(this);
        p.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        p.drawRect(contentsRect().adjusted(2, 2, -3, -3));
    }
}

void Panneau::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        appuiEnCours_ = true;
        emit appuye();
    }
    QLabel::mousePressEvent(e);
}

void Panneau::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && appuiEnCours_) {
        appuiEnCours_ = false;
        emit relache();
        if (rect().contains(e->position().toPoint())) emit clique();
    }
    QLabel::mouseReleaseEvent(e);
}

void Panneau::mouseDoubleClickEvent(QMouseEvent* e) {
    // The second press of a double click is not a second click: Qt would otherwise hand it to
    // mousePressEvent and the release after it would click again.
    if (e->button() == Qt::LeftButton) emit doubleClique();
    e->accept();
}

void Panneau::keyPressEvent(QKeyEvent* e) {
    // A panel that takes the focus (those that act as buttons) answers the keyboard too.
    if (focusPolicy() != Qt::NoFocus &&
        (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Space)) {
        emit clique();
        return;
    }
    QLabel::keyPressEvent(e);
}

// Only a panel that acts as a button and was reached by the keyboard shows the focus, with the
// dotted frame of a classic button. Otherwise gaining or losing the focus (as when the window is
// disabled under a dialog) repaints nothing, where QWidget would repaint the whole panel and
// every control on it.
void Panneau::focusInEvent(QFocusEvent* e) {
    const Qt::FocusReason r = e->reason();
    const bool clavier = (focusPolicy() & Qt::TabFocus) &&
                         (r == Qt::TabFocusReason || r == Qt::BacktabFocusReason ||
                          r == Qt::ShortcutFocusReason || r == Qt::OtherFocusReason);
    if (clavier != focusClavier_) {
        focusClavier_ = clavier;
        update();
    }
    e->accept();
}

void Panneau::focusOutEvent(QFocusEvent* e) {
    if (focusClavier_) {
        focusClavier_ = false;
        update();
    }
    e->accept();
}

} // namespace lunespiral
