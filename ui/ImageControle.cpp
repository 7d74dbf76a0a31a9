#include "ImageControle.h"

#include "ServiceImages.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScopedValueRollback>

namespace lunespiral {

namespace {

// Screen readers see a picture that can be chosen as a button, and any other as a graphic.
QAccessibleInterface* accessibiliteImage(const QString& classe, QObject* objet) {
    if (classe != QLatin1String("lunespiral::ImageControle") || !objet || !objet->isWidgetType())
        return nullptr;
    auto* w = static_cast<QWidget*>(objet);
    return new QAccessibleWidget(w, w->focusPolicy() != Qt::NoFocus ? QAccessible::Button
                                                                    : QAccessible::Graphic);
}

} // namespace

ImageControle::ImageControle(QWidget* parent) : QWidget(parent) {
    static const bool fabriqueInstallee = [] {
        QAccessible::installFactory(accessibiliteImage);
        return true;
    }();
    (void)fabriqueInstallee;
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void ImageControle::setImage(const QString& nom) {
    nom_ = nom;
    if (nom.isEmpty()) pixmap_ = QPixmap();
    if (isVisible())
        charger();
    else
        pixmap_ = QPixmap(); // fetched when shown
    update();
}

void ImageControle::setPixmap(const QPixmap& pixmap) {
    nom_.clear();
    pixmap_ = pixmap;
    update();
}

void ImageControle::setGarderProportions(bool garder) {
    garderProportions_ = garder;
    if (isVisible()) charger();
    update();
}

QRect ImageControle::cible() const {
    if (!garderProportions_ || nom_.isEmpty()) return rect();
    const QSize design = ServiceImages::instance().tailleDesign(nom_);
    if (design.isEmpty()) return rect();
    const QSize taille = design.scaled(size(), Qt::KeepAspectRatio);
    return QRect(QPoint((width() - taille.width()) / 2, (height() - taille.height()) / 2), taille);
}

void ImageControle::charger() {
    if (nom_.isEmpty() || width() <= 0 || height() <= 0) return;
    const QPixmap p = ServiceImages::instance().image(nom_, cible().size(), devicePixelRatioF());
    if (p.cacheKey() != pixmap_.cacheKey()) pixmap_ = p;
}

void ImageControle::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!pixmap_.isNull()) p.drawPixmap(cible(), pixmap_);
    if (focusClavier_ && hasFocus()) {
        // A bright double frame that shows on any picture and on the night-blue background.
        p.setPen(QPen(QColor(255, 255, 0), 3));
        p.drawRect(rect().adjusted(1, 1, -2, -2));
        p.setPen(QPen(QColor(0, 0, 64), 1, Qt::DashLine));
        p.drawRect(rect().adjusted(3, 3, -4, -4));
    }
}

void ImageControle::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (isVisible()) charger();
}

void ImageControle::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    charger();
}

void ImageControle::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) appuiEnCours_ = true;
    QWidget::mousePressEvent(e);
}

void ImageControle::mouseDoubleClickEvent(QMouseEvent* e) {
    // The second press of a double click clicks nothing: after the first click laid a card, or
    // chose a spread, the picture under the mouse is another one, which the user never chose.
    e->accept();
}

void ImageControle::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && appuiEnCours_) {
        appuiEnCours_ = false;
        if (rect().contains(e->position().toPoint())) emit clique(this);
    }
    QWidget::mouseReleaseEvent(e);
}

void ImageControle::keyPressEvent(QKeyEvent* e) {
    if (focusPolicy() != Qt::NoFocus) {
        switch (e->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space: {
            const QScopedValueRollback auClavier(cliqueAuClavier_, true);
            emit clique(this);
            return;
        }
        case Qt::Key_Right:
        case Qt::Key_Down:
            allerAuVoisin(true);
            return;
        case Qt::Key_Left:
        case Qt::Key_Up:
            allerAuVoisin(false);
            return;
        default:
            break;
        }
    }
    QWidget::keyPressEvent(e);
}

void ImageControle::allerAuVoisin(bool suivant) {
    // The arrow keys walk the pictures that can be chosen, as Tab does, but stay among them.
    QWidget* w = this;
    do {
        w = suivant ? w->nextInFocusChain() : w->previousInFocusChain();
        auto* image = qobject_cast<ImageControle*>(w);
        if (image && image->isVisible() && image->isEnabled() &&
            (image->focusPolicy() & Qt::TabFocus)) {
            image->setFocus(Qt::TabFocusReason);
            return;
        }
    } while (w && w != this);
}

void ImageControle::prendreFocusClavier() {
    focusClavier_ = true;
    setFocus(Qt::TabFocusReason);
    update();
}

void ImageControle::focusInEvent(QFocusEvent* e) {
    // A window coming back to the front gives the focus back as it was, mark included.
    if (e->reason() != Qt::ActiveWindowFocusReason)
        focusClavier_ =
            e->reason() == Qt::TabFocusReason || e->reason() == Qt::BacktabFocusReason ||
            e->reason() == Qt::ShortcutFocusReason || e->reason() == Qt::OtherFocusReason;
    update();
    QWidget::focusInEvent(e);
}

void ImageControle::focusOutEvent(QFocusEvent* e) {
    if (e->reason() != Qt::ActiveWindowFocusReason) focusClavier_ = false;
    update();
    QWidget::focusOutEvent(e);
}

} // namespace lunespiral
