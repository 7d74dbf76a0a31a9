#include "ServiceImages.h"

#include <QFile>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>

namespace lunespiral {

ServiceImages& ServiceImages::instance() {
    static ServiceImages service;
    return service;
}

ServiceImages::ServiceImages() = default;
ServiceImages::~ServiceImages() = default;

QStringList ServiceImages::noms() {
    QStringList liste;
    for (int k = 1; k <= 22; ++k) liste << QStringLiteral("Image%1").arg(k);
    liste << QStringLiteral("picFond");
    for (int h = 1; h <= 10; ++h) liste << QStringLiteral("imageMaison%1").arg(h);
    liste << QStringLiteral("imageProjets") << QStringLiteral("imageTirageEnCroix")
          << QStringLiteral("imageTirageDixMaisons") << QStringLiteral("imageTirageBohemiens")
          << QStringLiteral("aide") << QStringLiteral("aideGrise") << QStringLiteral("iconeSplash")
          << QStringLiteral("imageSplash") << QStringLiteral("lunespiral");
    return liste;
}

QString ServiceImages::chemin(const QString& nom) {
    return QStringLiteral(":/art/") + nom + QStringLiteral(".svg");
}

QSvgRenderer* ServiceImages::rendu(const QString& nom) {
    auto trouve = rendus_.constFind(nom);
    if (trouve != rendus_.constEnd()) return trouve->get();

    std::shared_ptr<QSvgRenderer> document;
    const QString fichier = chemin(nom);
    if (QFile::exists(fichier)) {
        document = std::make_shared<QSvgRenderer>(fichier);
        if (!document->isValid() || document->viewBox().isEmpty()) document.reset();
    }
    rendus_.insert(nom, document);
    return document.get();
}

void ServiceImages::viderCache() {
    pixmaps_.clear();
    rendus_.clear();
}

bool ServiceImages::existe(const QString& nom) { return rendu(nom) != nullptr; }

QSize ServiceImages::tailleDesign(const QString& nom) {
    QSvgRenderer* document = rendu(nom);
    return document ? document->viewBox().size() : QSize();
}

QPixmap ServiceImages::image(const QString& nom, QSize tailleLogique, qreal ratioPixels) {
    if (tailleLogique.isEmpty() || ratioPixels <= 0.0) return QPixmap();

    const QString cle = QStringLiteral("%1@%2x%3@%4")
                            .arg(nom)
                            .arg(tailleLogique.width())
                            .arg(tailleLogique.height())
                            .arg(ratioPixels);
    auto trouve = pixmaps_.constFind(cle);
    if (trouve != pixmaps_.constEnd()) return *trouve;

    const QSize taillePixels(static_cast<int>(std::lround(tailleLogique.width() * ratioPixels)),
                             static_cast<int>(std::lround(tailleLogique.height() * ratioPixels)));
    QImage dessin;
    if (QSvgRenderer* document = rendu(nom)) {
        dessin = QImage(taillePixels, QImage::Format_ARGB32_Premultiplied);
        dessin.fill(Qt::transparent);
        QPainter peintre(&dessin);
        peintre.setRenderHint(QPainter::Antialiasing);
        peintre.setRenderHint(QPainter::SmoothPixmapTransform);
        // Pictures are stretched to their control, as the window design asks.
        document->setAspectRatioMode(Qt::IgnoreAspectRatio);
        document->render(&peintre, QRectF(QPointF(0, 0), QSizeF(taillePixels)));
    } else {
        dessin = imageDeRemplacement(nom, taillePixels);
    }

    QPixmap pixmap = QPixmap::fromImage(dessin);
    pixmap.setDevicePixelRatio(ratioPixels);
    pixmaps_.insert(cle, pixmap);
    return pixmap;
}

QImage ServiceImages::imageDeRemplacement(const QString& nom, QSize taillePixels) {
    QImage dessin(taillePixels, QImage::Format_ARGB32_Premultiplied);
    dessin.fill(QColor(0xC0, 0xC0, 0xC0));
    QPainter peintre(&dessin);
    peintre.setRenderHint(QPainter::Antialiasing);
    const QRectF cadre(0.5, 0.5, taillePixels.width() - 1.0, taillePixels.height() - 1.0);
    peintre.setPen(QPen(QColor(0xFF, 0x00, 0xFF), 2.0));
    peintre.drawRect(cadre);
    peintre.drawLine(cadre.topLeft(), cadre.bottomRight());
    peintre.drawLine(cadre.topRight(), cadre.bottomLeft());
    QFont police;
    police.setPixelSize(qBound(6, taillePixels.height() / 8, 14));
    peintre.setFont(police);
    peintre.setPen(Qt::black);
    peintre.drawText(cadre, Qt::AlignCenter | Qt::TextWrapAnywhere, nom);
    return dessin;
}

} // namespace lunespiral
