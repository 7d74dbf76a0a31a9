#include "ImageControle.h"

#include "ServiceImages.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace lunespiral {

ImageControle::ImageControle(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void ImageControle::setImage(const QString& nom) {
    nom_ = nom;
    if (nom.isEmpty()) pixmap_ = QPixmap();
    if (isVisible()) charger();
    else pixmap_ = QPixmap(); // fetched when shown
    update();
}

void ImageControle::setPixmap(const QPixmap& pixmap) {
    nom_.clear();
    pixmap_ = pixmap;
    update();
}

void ImageControle::charger() {
    if (nom_.isEmpty() || width() <= 0 || height() <= 0) return;
    const QPixmap p = ServiceImages::instance().image(nom_, size(), devicePixelRatioF());
    if (p.cacheKey() != pixmap_.cacheKey()) pixmap_ = p;
}

void ImageControle::paintEvent(QPaintEvent*) {
    if (pixmap_.isNull()) return;
    QPainter p(this);
    p.drawPixmap(rect(), pixmap_);
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

void ImageControle::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && appuiEnCours_) {
        appuiEnCours_ = false;
        if (rect().contains(e->position().toPoint())) emit clique(this);
    }
    QWidget::mouseReleaseEvent(e);
}

void ImageControle::keyPressEvent(QKeyEvent* e) {
    if (focusPolicy() != Qt::NoFocus &&
        (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Space)) {
        emit clique(this);
        return;
    }
    QWidget::keyPressEvent(e);
}

} // namespace lunespiral
