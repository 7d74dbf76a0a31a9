#pragma once

#include <QHash>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>

#include <memory>

class QSvgRenderer;

namespace lunespiral {

// The program's pictures: SVG sources compiled in under ":/art/<nom>.svg", rendered once per
// (picture, size × device pixel ratio) and kept. Callers ask for their pixmaps when they size
// their controls, never from a paint event.
class ServiceImages {
public:
    static ServiceImages& instance();

    ServiceImages(const ServiceImages&) = delete;
    ServiceImages& operator=(const ServiceImages&) = delete;
    ~ServiceImages();

    // The picture drawn to tailleLogique (device-independent pixels) at ratioPixels device pixels
    // per logical pixel, stretched to fill it. A missing or broken picture gives a visible
    // crossed box bearing its name, so a gap shows on screen instead of stopping the program.
    QPixmap image(const QString& nom, QSize tailleLogique, qreal ratioPixels = 1.0);

    // Size the picture was drawn for (its viewBox); an empty size when it does not exist.
    QSize tailleDesign(const QString& nom);

    bool existe(const QString& nom);

    // Every picture of the program, in the order of the design: faces, back, houses, emblems.
    static QStringList noms();

    static QString chemin(const QString& nom);

    // Forgets every rendered pixmap and parsed document, for a change of screen.
    void viderCache();

private:
    ServiceImages();

    QSvgRenderer* rendu(const QString& nom);
    static QImage imageDeRemplacement(const QString& nom, QSize taillePixels);

    // One parsed document per picture; nullptr marks a missing or broken one.
    QHash<QString, std::shared_ptr<QSvgRenderer>> rendus_;
    QHash<QString, QPixmap> pixmaps_;
};

} // namespace lunespiral
