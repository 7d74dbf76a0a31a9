#pragma once
// The page machinery under the printed reading: measures in millimetres on a paged device,
// pictures drawn from their SVG sources, paragraphs laid out once, and blocks paginated so that
// a page breaks only between them.

#include "Polices.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QTextLayout>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QPaintDevice;
class QPagedPaintDevice;
class QPainter;
class QSvgRenderer;

namespace lunespiral::page {

inline QColor rvb(unsigned rrggbb) {
    return QColor::fromRgb(static_cast<QRgb>(rrggbb));
}

// `c` as a pale tint on white paper: 1 the colour itself, 0 white.
inline QColor teinte(const QColor& c, qreal force) {
    auto melange = [force](int v) { return static_cast<int>(255 - (255 - v) * force + 0.5); };
    return QColor(melange(c.red()), melange(c.green()), melange(c.blue()));
}

// The texts in a near-black that prints evenly; notes in grey; titles in the windows' night.
inline const QColor encre = rvb(0x1E1E28);
inline const QColor gris = rvb(0x5C5C66);
inline const QColor nuit = rvb(0x000040);

// One of the program's fonts at `points`, with print metrics (glyphs placed as designed, not
// snapped to a screen's pixels).
QFont police(Famille famille, qreal points, bool gras = false, bool italique = false);

class Contexte {
public:
    explicit Contexte(QPaintDevice* d);

    qreal mm(qreal v) const { return v * pxmm; }

    // The SVG source itself, drawn as vectors: sharp at any printer's resolution. Null when the
    // picture cannot be read.
    static QSvgRenderer* svg(const QString& nom);

    // The picture in `r`, stretched as the window shows it or, with `proportions`, at its own
    // proportions centred in `r`. A missing one leaves a crossed frame, as on screen.
    void image(QPainter& p, const QString& nom, QRectF r, bool proportions = false) const;

    // Card `numero`'s face in `r`, with a hairline that keeps its pale edge from melting into
    // the paper.
    void carte(QPainter& p, int numero, const QRectF& r) const;
    // Card labels share one size: the largest at which the longest of `textes` fits `largeur`,
    // larger under larger cards.
    QFont policeEtiquettes(const QStringList& textes, qreal largeur, qreal largeurCarte) const;
    // One label centred under `centreHaut`, cut with an ellipsis where it still does not fit.
    void etiquette(QPainter& p, const QFont& f, const QString& texte, QPointF centreHaut,
                   qreal largeur, const QColor& couleur) const;

    QPaintDevice* device;
    qreal pxmm;
};

// A paragraph laid out once for a width; drawn as text, so the page can be searched.
class Paragraphe {
public:
    Paragraphe(QString texte, const QFont& police, const Contexte& c, qreal largeur,
               Qt::Alignment alignement, qreal interligne = 1.0);

    qreal hauteur() const { return hauteur_; }
    void dessiner(QPainter& p, QPointF origine, const QColor& couleur) const;

private:
    std::shared_ptr<QTextLayout> layout_;
    qreal hauteur_ = 0;
};

// What a page is made of, each drawn from its top left corner. A page break falls only between
// blocks.
struct Bloc {
    qreal hauteur = 0;
    qreal largeur = 0;            // where it matters: a figure narrower than the page
    qreal espaceAvant = 0;        // dropped at the top of a page
    bool nouvelleSection = false; // a page break, when one is needed, falls before it
    bool avecSuivant = false;     // a heading: never left alone at the foot of a page
    std::function<void(QPainter&, QPointF)> dessiner;
};

// The blocks one under the other on a single page.
qreal hauteurTotale(const std::vector<Bloc>& blocs);

// Blocks stacked into one, `ecart` apart: its height and how to draw it.
std::pair<qreal, std::function<void(QPainter&, QPointF)>> pile(std::vector<Bloc> blocs,
                                                               qreal ecart);

struct Pose {
    const Bloc* bloc;
    qreal y;
};
using Pages = std::vector<std::vector<Pose>>;

// The blocks over pages `hauteurPage` high: a section whole on the page where it starts if it
// fits there, else on a page of its own, else block by block with each heading kept with what
// it heads.
Pages paginer(const std::vector<Bloc>& blocs, qreal hauteurPage);

// Draws `pages` in `corps` on `page` (a new page for each after the first), a block taller than
// the page shrunk whole, and numbers the pages at the foot of `papier` when there are several.
void imprimer(QPainter& peintre, QPagedPaintDevice& page, const Pages& pages, const QRectF& corps,
              const QRectF& papier, const Contexte& c);

} // namespace lunespiral::page
