#include "ServiceImages.h"

#include <QFile>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTimer>

#include <cmath>

namespace lunespiral {

namespace {

bool estOpaque(const QImage& image) {
    if (image.format() != QImage::Format_ARGB32_Premultiplied) return false;
    for (int y = 0; y < image.height(); ++y) {
        const auto* ligne = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(ligne[x]) != 255) return false;
    }
    return true;
}

} // namespace

ServiceImages& ServiceImages::instance() {
    static ServiceImages service;
    return service;
}

ServiceImages::ServiceImages() = default;
ServiceImages::~ServiceImages() = default;

QStringList ServiceImages::noms() {
    QStringList liste;
    for (int k = 1; k <= 22; ++k) liste << imageFace(k);
    liste << QStringLiteral("picFond");
    for (int h = 1; h <= 10; ++h) liste << imageMaison(h);
    liste << QStringLiteral("imageProjets") << QStringLiteral("imageTirageEnCroix")
          << QStringLiteral("imageTirageDixMaisons") << QStringLiteral("imageTirageBohemiens")
          << QStringLiteral("aide") << QStringLiteral("aideGrise") << QStringLiteral("iconeSplash")
          << QStringLiteral("imageSplash") << QStringLiteral("lunespiral");
    return liste;
}

QString imageFace(int carte) {
    return QStringLiteral("Image%1").arg(carte);
}

QString imageMaison(int maison) {
    return QStringLiteral("imageMaison%1").arg(maison);
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
    aPreparer_.clear();
}

bool ServiceImages::existe(const QString& nom) {
    return rendu(nom) != nullptr;
}

QSize ServiceImages::tailleDesign(const QString& nom) {
    QSvgRenderer* document = rendu(nom);
    return document ? document->viewBox().size() : QSize();
}

QPixmap ServiceImages::image(const QString& nom, QSize tailleLogique, qreal ratioPixels) {
    return imageRognee(nom, tailleLogique, 0, ratioPixels);
}

QPixmap ServiceImages::imageRognee(const QString& nom, QSize tailleDessin, int rogneHaut,
                                   qreal ratioPixels) {
    const QSize tailleLogique(tailleDessin.width(), tailleDessin.height() - std::max(0, rogneHaut));
    if (tailleLogique.isEmpty() || ratioPixels <= 0.0) return QPixmap();

    const QString cle = QStringLiteral("%1@%2x%3@%4-%5")
                            .arg(nom)
                            .arg(tailleDessin.width())
                            .arg(tailleDessin.height())
                            .arg(ratioPixels)
                            .arg(rogneHaut);
    auto trouve = pixmaps_.constFind(cle);
    if (trouve != pixmaps_.constEnd()) return *trouve;

    const auto pixels = [ratioPixels](int logique) {
        return static_cast<int>(std::lround(logique * ratioPixels));
    };
    const QSize taillePixels(pixels(tailleLogique.width()), pixels(tailleLogique.height()));
    QImage dessin;
    if (QSvgRenderer* document = rendu(nom)) {
        dessin = QImage(taillePixels, QImage::Format_ARGB32_Premultiplied);
        dessin.fill(Qt::transparent);
        QPainter peintre(&dessin);
        peintre.setRenderHint(QPainter::Antialiasing);
        peintre.setRenderHint(QPainter::SmoothPixmapTransform);
        // Pictures are stretched to their control, as the window design asks; the cut rows
        // fall above the image, so only what shows is drawn and kept.
        document->setAspectRatioMode(Qt::IgnoreAspectRatio);
        const int haut = pixels(std::max(0, rogneHaut));
        document->render(&peintre, QRectF(QPointF(0, -haut), QSizeF(taillePixels.width(),
                                                                    taillePixels.height() + haut)));
    } else {
        dessin = imageDeRemplacement(nom, taillePixels);
    }

    // A picture without any transparent pixel is drawn onto the windows as a plain copy rather
    // than blended pixel by pixel: premultiplied pixels that are all opaque are RGB32 pixels.
    if (estOpaque(dessin)) dessin.reinterpretAsFormat(QImage::Format_RGB32);
    // The image's pixels become the pixmap's without a copy.
    QPixmap pixmap = QPixmap::fromImage(std::move(dessin));
    pixmap.setDevicePixelRatio(ratioPixels);
    pixmaps_.insert(cle, pixmap);
    return pixmap;
}

void ServiceImages::preparer(const QString& nom, QSize tailleDessin, int rogneHaut,
                             qreal ratioPixels, Qt::AspectRatioMode proportions) {
    aPreparer_.append({nom, tailleDessin, rogneHaut, ratioPixels, proportions});
    if (preparationLancee_ && aPreparer_.size() == 1)
        QTimer::singleShot(0, [this] { preparerSuivante(); });
}

void ServiceImages::lancerPreparation() {
    if (preparationLancee_) return;
    preparationLancee_ = true;
    if (!aPreparer_.isEmpty()) QTimer::singleShot(0, [this] { preparerSuivante(); });
}

void ServiceImages::preparerSuivante() {
    if (aPreparer_.isEmpty()) return;
    const Demande d = aPreparer_.takeFirst();
    // The document is read here, not when the picture was asked for.
    const QSize taille = d.proportions == Qt::IgnoreAspectRatio
                             ? d.taille
                             : tailleDesign(d.nom).scaled(d.taille, d.proportions);
    imageRognee(d.nom, taille, d.rogneHaut, d.ratio);
    // One picture per turn of the event loop: a click waits for one drawing at most.
    if (!aPreparer_.isEmpty()) QTimer::singleShot(0, [this] { preparerSuivante(); });
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
