#pragma once

#include <QHash>
#include <QList>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>

#include <memory>

class QSvgRenderer;

namespace lunespiral {

// The names of the pictures of card `carte` (1..22) and of house `maison` (1..10).
QString imageFace(int carte);
QString imageMaison(int maison);

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

    // The picture drawn to tailleDessin and shown without its top `rogneHaut` logical rows: a
    // pixmap of tailleDessin less those rows (the mosaic tiles hide the faces' numeral strip).
    QPixmap imageRognee(const QString& nom, QSize tailleDessin, int rogneHaut,
                        qreal ratioPixels = 1.0);

    // Pictures the program will need soon, drawn one at a time while the event loop is idle
    // once lancerPreparation() has been called (after the splash's first paint), so that the
    // language choice and the first clicks find them ready. Asking for one before its turn
    // simply draws it then. With Qt::KeepAspectRatio the picture is drawn at its own proportions
    // within tailleDessin, as ImageControle shows it when told to keep them.
    void preparer(const QString& nom, QSize tailleDessin, int rogneHaut = 0,
                  qreal ratioPixels = 1.0, Qt::AspectRatioMode proportions = Qt::IgnoreAspectRatio);
    void lancerPreparation();
    bool preparationEnAttente() const { return !aPreparer_.isEmpty(); }

    // Size the picture was drawn for (its viewBox); an empty size when it does not exist.
    QSize tailleDesign(const QString& nom);

    bool existe(const QString& nom);

    // Every picture of the program, in the order of the design: faces, back, houses, emblems.
    static QStringList noms();

    static QString chemin(const QString& nom);

    // The picture's parsed document, kept for the run; null when it does not exist or cannot
    // be read. A printed page draws from it as vectors.
    QSvgRenderer* rendu(const QString& nom);

    // Forgets every rendered pixmap and parsed document, for a change of screen.
    void viderCache();

private:
    ServiceImages();

    void preparerSuivante();

    struct Demande {
        QString nom;
        QSize taille;
        int rogneHaut;
        qreal ratio;
        Qt::AspectRatioMode proportions;
    };
    QList<Demande> aPreparer_;
    bool preparationLancee_ = false;
    static QImage imageDeRemplacement(const QString& nom, QSize taillePixels);

    // One parsed document per picture; nullptr marks a missing or broken one.
    QHash<QString, std::shared_ptr<QSvgRenderer>> rendus_;
    QHash<QString, QPixmap> pixmaps_;
};

} // namespace lunespiral
