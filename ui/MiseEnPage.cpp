#include "MiseEnPage.h"

#include "ServiceImages.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>

namespace lunespiral::page {

QFont police(Famille famille, qreal points, bool gras, bool italique) {
    QFont p = policeDesign(famille, 10, gras);
    p.setPointSizeF(points);
    p.setItalic(italique);
    p.setHintingPreference(QFont::PreferNoHinting);
    return p;
}

Contexte::Contexte(QPaintDevice* d) : device(d), pxmm(d->logicalDpiY() / 25.4) {}

QSvgRenderer* Contexte::svg(const QString& nom) {
    return ServiceImages::instance().rendu(nom);
}

void Contexte::image(QPainter& p, const QString& nom, QRectF r, bool proportions) const {
    QSvgRenderer* s = svg(nom);
    if (!s) {
        p.save();
        p.setPen(QPen(gris, mm(0.2)));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r);
        p.drawLine(r.topLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomLeft());
        p.restore();
        return;
    }
    if (proportions) {
        const QSizeF taille = s->viewBoxF().size().scaled(r.size(), Qt::KeepAspectRatio);
        r = QRectF(r.center() - QPointF(taille.width() / 2, taille.height() / 2), taille);
    }
    s->render(&p, r);
}

QFont Contexte::policeEtiquettes(const QStringList& textes, qreal largeur,
                                 qreal largeurCarte) const {
    const qreal taille = std::clamp(largeurCarte / mm(3.2), 7.0, 9.0);
    QFont f = police(Famille::Sans, taille);
    qreal plusLarge = 0;
    const QFontMetricsF m(f, device);
    for (const QString& t : textes) plusLarge = std::max(plusLarge, m.horizontalAdvance(t));
    if (plusLarge > largeur) f.setPointSizeF(std::max(4.8, taille * largeur / plusLarge));
    return f;
}

void Contexte::etiquette(QPainter& p, const QFont& f, const QString& texte, QPointF centreHaut,
                         qreal largeur, const QColor& couleur) const {
    const QFontMetricsF m(f, device);
    const QString t = m.elidedText(texte, Qt::ElideRight, largeur);
    p.setFont(f);
    p.setPen(couleur);
    p.drawText(QPointF(centreHaut.x() - m.horizontalAdvance(t) / 2, centreHaut.y() + m.ascent()),
               t);
}

void Contexte::carte(QPainter& p, int numero, const QRectF& r) const {
    image(p, imageFace(numero), r);
    // A hairline keeps the card's pale edge from melting into the paper.
    p.setPen(QPen(rvb(0xA8A49A), mm(0.15)));
    p.setBrush(Qt::NoBrush);
    const qreal rayon = r.width() * 4 / 90;
    p.drawRoundedRect(r, rayon, rayon);
}

Paragraphe::Paragraphe(QString texte, const QFont& police, const Contexte& c, qreal largeur,
                       Qt::Alignment alignement, qreal interligne) {
    texte.replace(QLatin1Char('\n'), QChar::LineSeparator);
    layout_ = std::make_shared<QTextLayout>(texte, police, c.device);
    QTextOption option(alignement);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout_->setTextOption(option);
    const QFontMetricsF fm(police, c.device);
    const qreal pas = fm.lineSpacing() * interligne;
    qreal y = 0;
    int lignes = 0;
    layout_->beginLayout();
    for (QTextLine ligne = layout_->createLine(); ligne.isValid(); ligne = layout_->createLine()) {
        ligne.setLineWidth(largeur);
        ligne.setPosition(QPointF(0, y));
        y += pas;
        ++lignes;
    }
    layout_->endLayout();
    if (texte.isEmpty()) lignes = 0;
    hauteur_ = lignes > 0 ? (lignes - 1) * pas + fm.height() : 0;
}

void Paragraphe::dessiner(QPainter& p, QPointF origine, const QColor& couleur) const {
    if (!layout_ || hauteur_ <= 0) return;
    p.setPen(couleur);
    layout_->draw(&p, origine);
}

qreal hauteurTotale(const std::vector<Bloc>& blocs) {
    qreal h = 0;
    for (std::size_t i = 0; i < blocs.size(); ++i)
        h += blocs[i].hauteur + (i > 0 ? blocs[i].espaceAvant : 0);
    return h;
}

Pages paginer(const std::vector<Bloc>& blocs, qreal hauteurPage) {
    Pages pages(1);
    qreal y = 0;
    auto hauteur = [&](std::size_t debut, std::size_t fin, qreal depuis) {
        qreal h = 0;
        for (std::size_t i = debut; i < fin; ++i)
            h += blocs[i].hauteur + (depuis > 0 || i > debut ? blocs[i].espaceAvant : 0);
        return h;
    };
    auto poser = [&](std::size_t debut, std::size_t fin) {
        for (std::size_t i = debut; i < fin; ++i) {
            if (y > 0) y += blocs[i].espaceAvant;
            pages.back().push_back({&blocs[i], y});
            y += blocs[i].hauteur;
        }
    };
    auto nouvellePage = [&] {
        pages.emplace_back();
        y = 0;
    };
    std::size_t debut = 0;
    while (debut < blocs.size()) {
        std::size_t fin = debut + 1;
        while (fin < blocs.size() && !blocs[fin].nouvelleSection) ++fin;
        if (y + hauteur(debut, fin, y) <= hauteurPage) {
            poser(debut, fin);
        } else if (y > 0 && hauteur(debut, fin, 0) <= hauteurPage) {
            nouvellePage();
            poser(debut, fin);
        } else {
            // Longer than a page: block by block, each heading with the block it heads. A
            // block taller than a whole page stands alone on one (and is drawn smaller).
            for (std::size_t i = debut; i < fin;) {
                std::size_t j = i + 1;
                while (j < fin && blocs[j - 1].avecSuivant) ++j;
                if (y > 0 && y + hauteur(i, j, y) > hauteurPage) nouvellePage();
                poser(i, j);
                i = j;
            }
        }
        debut = fin;
    }
    return pages;
}

std::pair<qreal, std::function<void(QPainter&, QPointF)>> pile(std::vector<Bloc> blocs,
                                                               qreal ecart) {
    qreal h = 0;
    std::vector<qreal> ys;
    for (std::size_t i = 0; i < blocs.size(); ++i) {
        if (i > 0) h += ecart + blocs[i].espaceAvant;
        ys.push_back(h);
        h += blocs[i].hauteur;
    }
    return {h, [blocs = std::move(blocs), ys](QPainter& p, QPointF o) {
                for (std::size_t i = 0; i < blocs.size(); ++i)
                    blocs[i].dessiner(p, o + QPointF(0, ys[i]));
            }};
}

void imprimer(QPainter& peintre, QPagedPaintDevice& page, const Pages& pages, const QRectF& corps,
              const QRectF& papier, const Contexte& c) {
    peintre.setRenderHint(QPainter::Antialiasing);
    peintre.setRenderHint(QPainter::TextAntialiasing);
    const QFont policePied = police(Famille::Sans, 7);
    const QFontMetricsF mp(policePied, &page);
    for (std::size_t n = 0; n < pages.size(); ++n) {
        if (n > 0) page.newPage();
        for (const Pose& pose : pages[n]) {
            peintre.save();
            const QPointF o = corps.topLeft() + QPointF(0, pose.y);
            // A block taller than the page (on paper far smaller than the program's texts
            // call for) is shrunk whole, centred, rather than cut.
            if (pose.bloc->hauteur > corps.height()) {
                const qreal f = corps.height() / pose.bloc->hauteur;
                peintre.translate(o + QPointF(corps.width() * (1 - f) / 2, 0));
                peintre.scale(f, f);
                pose.bloc->dessiner(peintre, QPointF(0, 0));
            } else {
                pose.bloc->dessiner(peintre, o);
            }
            peintre.restore();
        }
        if (pages.size() > 1) {
            const QString numero = QStringLiteral("%1 / %2").arg(n + 1).arg(pages.size());
            peintre.setFont(policePied);
            peintre.setPen(gris);
            peintre.drawText(
                QPointF(corps.right() - mp.horizontalAdvance(numero), papier.bottom() - c.mm(10)),
                numero);
        }
    }
}

} // namespace lunespiral::page
