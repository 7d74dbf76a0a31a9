#include "PageLecture.h"

#include "MiseEnPage.h"
#include "ServiceImages.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <memory>

namespace lunespiral {

namespace {

using namespace page;
using Disposition = LectureImprimee::Disposition;

constexpr qreal rapportCarte = 165.0 / 90.0; // a face's height over its width

// ---------------------------------------------------------------------------------------------
// Colours: those of the windows, as pale tints behind the texts and as ink for the headings.

struct Couleurs {
    QColor fond;  // the window's colour behind this text
    QColor titre; // the heading's ink
};

// The cross's four domains, in the plan's order: projects, love, health, relationships.
const Couleurs domaines[] = {{rvb(0x80FFFF), rvb(0x004080)},
                             {rvb(0xFFCAE4), rvb(0xC00000)},
                             {rvb(0x80FF80), rvb(0x005000)},
                             {rvb(0xFFCEB7), rvb(0x800000)}};
const char* iconesDomaines[] = {"imageProjets", "imageMaison10", "imageMaison1", "imageMaison2"};
const Couleurs present = {rvb(0x00FF80), rvb(0x006000)};
const Couleurs futur = {rvb(0xFF8080), rvb(0x800000)};
const Couleurs psyche = {rvb(0xA4A4FF), rvb(0x000080)};
const Couleurs maison = {rvb(0xFFC1A4), rvb(0xA04010)};
const Couleurs horizon = {rvb(0xFF80C0), rvb(0x800040)};

// The colour of each spread's emblem on the spread chooser, for the rule under the title.
QColor accent(Disposition d) {
    switch (d) {
    case Disposition::Croix:
        return rvb(0x0080C0);
    case Disposition::Maisons:
        return rvb(0xFF8040);
    case Disposition::Bohemiens:
        return rvb(0xFF0080);
    }
    return nuit;
}

// ---------------------------------------------------------------------------------------------
// The pieces of a page.

class Mise {
public:
    Mise(Contexte& c, const LectureImprimee& l, QSizeF corps)
        : c_(c), l_(l), largeur_(corps.width()), hauteur_(corps.height()) {}

    // Title, date and time, and a short rule in the spread's colour.
    Bloc entete() const {
        auto titre = std::make_shared<Paragraphe>(l_.titre, police(Famille::Serif, 17, true), c_,
                                                  largeur_, Qt::AlignHCenter);
        auto date = std::make_shared<Paragraphe>(l_.date, police(Famille::Serif, 10.5, false, true),
                                                 c_, largeur_, Qt::AlignHCenter);
        const qreal ecart = c_.mm(1.2), filet = c_.mm(3);
        Bloc b;
        b.hauteur = titre->hauteur() + ecart + date->hauteur() + filet;
        b.avecSuivant = true;
        b.dessiner = [=, this, couleur = accent(l_.disposition)](QPainter& p, QPointF o) {
            titre->dessiner(p, o, nuit);
            const qreal yDate = o.y() + titre->hauteur() + ecart;
            date->dessiner(p, QPointF(o.x(), yDate), gris);
            const qreal yFilet = yDate + date->hauteur() + filet - c_.mm(0.8);
            p.setPen(QPen(couleur, c_.mm(0.35), Qt::SolidLine, Qt::RoundCap));
            const qreal milieu = o.x() + largeur_ / 2;
            p.drawLine(QPointF(milieu - c_.mm(18), yFilet), QPointF(milieu + c_.mm(18), yFilet));
        };
        return b;
    }

    // A text in a pale box of its window colour, under its heading (with the heading's picture
    // and the card it reads, when it has them).
    Bloc encadre(qreal largeur, const QString& titre, const QString& carte, const QString& icone,
                 const QString& texte, const Couleurs& couleurs, qreal points,
                 Qt::Alignment alignement, qreal hauteurMin = 0) const {
        const qreal marge = c_.mm(2.4);
        const qreal interieur = largeur - 2 * marge;
        const QFont policeTitre = police(Famille::Sans, 7.6, true);
        const QFont policeCarte = police(Famille::Serif, 9, false, true);
        const QFontMetricsF mt(policeTitre, c_.device), mc(policeCarte, c_.device);
        const qreal hauteurIcone = icone.isEmpty() ? 0 : mt.height() * 1.35;
        // One slot for every picture, so that the headings of a page line up.
        const qreal largeurIcone = icone.isEmpty() ? 0 : c_.mm(7.5);
        const qreal decalage = icone.isEmpty() ? 0 : largeurIcone + c_.mm(1.5);
        const qreal largeurCarte = carte.isEmpty() ? 0 : mc.horizontalAdvance(carte);
        const qreal largeurTitre = mt.horizontalAdvance(titre);
        // The card's name beside the heading, or under it when both would not fit.
        const bool carteDessous =
            !carte.isEmpty() && decalage + largeurTitre + c_.mm(3) + largeurCarte > interieur;
        const qreal ligne =
            titre.isEmpty() ? 0 : std::max({mt.height(), hauteurIcone, mc.height()});
        const qreal ligneTitre = carteDessous ? ligne + mc.height() : ligne;
        auto corps = std::make_shared<Paragraphe>(texte, police(Famille::Serif, points), c_,
                                                  interieur, alignement, 1.04);
        const qreal ecart = titre.isEmpty() ? 0 : c_.mm(1.0);
        const qreal hauteur =
            std::max(hauteurMin, marge + ligneTitre + ecart + corps->hauteur() + marge);
        Bloc b;
        b.hauteur = hauteur;
        b.dessiner = [=, this](QPainter& p, QPointF o) {
            p.setPen(Qt::NoPen);
            p.setBrush(teinte(couleurs.fond, 0.32));
            p.drawRoundedRect(QRectF(o, QSizeF(largeur, hauteur)), c_.mm(1.6), c_.mm(1.6));
            p.setBrush(Qt::NoBrush);
            const QPointF i = o + QPointF(marge, marge);
            if (!titre.isEmpty()) {
                if (!icone.isEmpty())
                    c_.image(p, icone,
                             QRectF(i.x(), i.y() + (ligne - hauteurIcone) / 2, largeurIcone,
                                    hauteurIcone),
                             true);
                p.setFont(policeTitre);
                p.setPen(couleurs.titre);
                const qreal base = i.y() + (ligne + mt.ascent() - mt.descent()) / 2;
                p.drawText(QPointF(i.x() + decalage, base), titre);
                if (!carte.isEmpty()) {
                    p.setFont(policeCarte);
                    p.setPen(gris);
                    if (carteDessous)
                        p.drawText(QPointF(i.x() + decalage, i.y() + ligne + mc.ascent()), carte);
                    else
                        p.drawText(QPointF(i.x() + interieur - largeurCarte,
                                           i.y() + (ligne + mc.ascent() - mc.descent()) / 2),
                                   carte);
                }
            }
            corps->dessiner(p, QPointF(i.x(), i.y() + ligneTitre + ecart), encre);
        };
        return b;
    }

    // A heading over a column or a section: its title in the window's colour, the cards it
    // reads in italics under it, a fine rule.
    Bloc titreSection(qreal largeur, const QString& titre, const QString& cartes,
                      const QColor& couleur) const {
        auto t = std::make_shared<Paragraphe>(titre, police(Famille::Sans, 9.5, true), c_, largeur,
                                              Qt::AlignHCenter);
        auto n = std::make_shared<Paragraphe>(cartes, police(Famille::Serif, 9.5, false, true), c_,
                                              largeur, Qt::AlignHCenter);
        const qreal ecart = c_.mm(0.6), filet = c_.mm(1.6);
        const qreal hauteur = t->hauteur() + ecart + n->hauteur() + filet + c_.mm(0.4);
        Bloc b;
        b.hauteur = hauteur;
        b.avecSuivant = true;
        b.dessiner = [=, this](QPainter& p, QPointF o) {
            t->dessiner(p, o, couleur);
            n->dessiner(p, o + QPointF(0, t->hauteur() + ecart), gris);
            const qreal y = o.y() + hauteur - c_.mm(0.4);
            p.setPen(QPen(teinte(couleur, 0.6), c_.mm(0.3)));
            p.drawLine(QPointF(o.x(), y), QPointF(o.x() + largeur, y));
        };
        return b;
    }

    // The lucky numbers, centred: their name, the numbers, what they were drawn from.
    Bloc numeros(qreal largeur) const {
        auto titre = std::make_shared<Paragraphe>(l_.titreNumeros, police(Famille::Sans, 7.6, true),
                                                  c_, largeur, Qt::AlignHCenter);
        auto liste = std::make_shared<Paragraphe>(l_.numeros, police(Famille::Serif, 15, true), c_,
                                                  largeur, Qt::AlignHCenter);
        auto description = std::make_shared<Paragraphe>(l_.descriptionNumeros,
                                                        police(Famille::Serif, 9, false, true), c_,
                                                        largeur, Qt::AlignHCenter);
        const qreal ecart = c_.mm(0.8);
        Bloc b;
        b.hauteur = titre->hauteur() + ecart + liste->hauteur() + ecart + description->hauteur();
        b.espaceAvant = c_.mm(6);
        b.nouvelleSection = true;
        b.dessiner = [=](QPainter& p, QPointF o) {
            titre->dessiner(p, o, gris);
            const qreal y = o.y() + titre->hauteur() + ecart;
            liste->dessiner(p, QPointF(o.x(), y), nuit);
            description->dessiner(p, QPointF(o.x(), y + liste->hauteur() + ecart), gris);
        };
        return b;
    }

    const LectureImprimee::Carte& carteN(std::size_t i) const {
        static const LectureImprimee::Carte vide;
        return i < l_.cartes.size() ? l_.cartes[i] : vide;
    }

    // The cross as on the table: left, top, right and bottom around the synthesis card, each
    // card with its name above it, the centre with its role too.
    Bloc croix(qreal largeurCarte) const {
        // Never wider than the page, nor so tall that the title cannot stand above it.
        const qreal g = c_.mm(2.2);
        const qreal w = std::min({largeurCarte, (largeur_ - 2 * g) / 3,
                                  (hauteur_ * 0.75 - c_.mm(20)) / (3 * rapportCarte)});
        const qreal h = w * rapportCarte;
        QStringList textes;
        for (std::size_t i = 0; i < 5; ++i) textes << carteN(i).nom;
        textes << carteN(4).legende;
        const QFont f = c_.policeEtiquettes(textes, w + g - c_.mm(0.8), w);
        const qreal lh = QFontMetricsF(f, c_.device).height() + c_.mm(0.7);
        const qreal y1 = lh + h + g, y2 = y1 + 2 * lh + h + g;
        Bloc b;
        b.hauteur = y2 + lh + h;
        b.largeur = 3 * w + 2 * g;
        b.dessiner = [=, this](QPainter& p, QPointF o) {
            struct Case {
                std::size_t slot;
                int colonne;
                qreal yEtiquette;
                qreal yCarte;
            };
            const Case cases[] = {{0, 0, y1 + lh, y1 + 2 * lh},
                                  {1, 1, 0, lh},
                                  {2, 2, y1 + lh, y1 + 2 * lh},
                                  {3, 1, y2, y2 + lh},
                                  {4, 1, y1 + lh, y1 + 2 * lh}};
            for (const Case& k : cases) {
                const qreal x = o.x() + k.colonne * (w + g);
                c_.etiquette(p, f, carteN(k.slot).nom, QPointF(x + w / 2, o.y() + k.yEtiquette),
                             w + g, encre);
                c_.carte(p, carteN(k.slot).numero, QRectF(x, o.y() + k.yCarte, w, h));
            }
            c_.etiquette(p, f, carteN(4).legende, QPointF(o.x() + 1.5 * w + g, o.y() + y1), w + g,
                         psyche.titre);
        };
        return b;
    }

    // Cards in rows of `parRangee`, with their names above and their places below; `ordre`
    // gives the slots left to right, row after row.
    Bloc rangees(qreal largeurCarte, qreal ecartMax, const std::vector<std::size_t>& ordre,
                 int parRangee, const QColor& couleurLegende) const {
        const int nbRangees = static_cast<int>((ordre.size() + parRangee - 1) / parRangee);
        // Never wider than the page, nor so tall that the title cannot stand above it.
        const qreal w =
            std::min({largeurCarte, (largeur_ - (parRangee - 1) * c_.mm(3)) / parRangee,
                      (hauteur_ * 0.75 - nbRangees * c_.mm(12)) / (nbRangees * rapportCarte)});
        const qreal h = w * rapportCarte;
        const qreal e = std::min(ecartMax, (largeur_ - parRangee * w) / (parRangee - 1));
        const qreal largeurEtiquette = w + std::min(e, c_.mm(6)) - c_.mm(0.8);
        QStringList textes;
        for (std::size_t i : ordre) textes << carteN(i).nom << carteN(i).legende;
        const QFont f = c_.policeEtiquettes(textes, largeurEtiquette, w);
        const qreal lh = QFontMetricsF(f, c_.device).height() + c_.mm(0.7);
        const qreal rangee = lh + h + lh, entreRangees = c_.mm(4);
        const qreal x0 = (largeur_ - (parRangee * w + (parRangee - 1) * e)) / 2;
        Bloc b;
        b.hauteur = nbRangees * rangee + (nbRangees - 1) * entreRangees;
        b.dessiner = [=, this](QPainter& p, QPointF o) {
            for (std::size_t k = 0; k < ordre.size(); ++k) {
                const auto& c = carteN(ordre[k]);
                const qreal x = o.x() + x0 + static_cast<qreal>(k % parRangee) * (w + e);
                const qreal y = o.y() + static_cast<qreal>(k / parRangee) * (rangee + entreRangees);
                c_.etiquette(p, f, c.nom, QPointF(x + w / 2, y), largeurEtiquette, encre);
                c_.carte(p, c.numero, QRectF(x, y + lh, w, h));
                c_.etiquette(p, f, c.legende, QPointF(x + w / 2, y + lh + h + c_.mm(0.7)),
                             largeurEtiquette, couleurLegende);
            }
        };
        return b;
    }

    const LectureImprimee::Section* section(std::size_t i) const {
        return i < l_.sections.size() ? &l_.sections[i] : nullptr;
    }

    // One side of the cross: its heading, its synthesis, its four domains.
    std::vector<Bloc> cote(std::size_t s, qreal largeur, const Couleurs& couleurs,
                           qreal points) const {
        std::vector<Bloc> blocs;
        const auto* sec = section(s);
        if (!sec) return blocs;
        blocs.push_back(titreSection(largeur, sec->titre, sec->cartes, couleurs.titre));
        for (std::size_t i = 0; i < sec->passages.size(); ++i) {
            const auto& p = sec->passages[i];
            const bool domaine = i >= 1 && i <= 4;
            blocs.push_back(
                encadre(largeur, p.titre, p.carte,
                        domaine ? QString::fromLatin1(iconesDomaines[i - 1]) : QString(), p.texte,
                        domaine ? domaines[i - 1] : couleurs, points, Qt::AlignHCenter));
        }
        return blocs;
    }

    // The synthesis card's general meaning, under its heading.
    std::vector<Bloc> centre(qreal largeur, qreal points) const {
        std::vector<Bloc> blocs;
        const auto* sec = section(2);
        if (!sec) return blocs;
        blocs.push_back(titreSection(largeur, sec->titre, sec->cartes, psyche.titre));
        for (const auto& p : sec->passages)
            blocs.push_back(
                encadre(largeur, p.titre, p.carte, {}, p.texte, psyche, points, Qt::AlignHCenter));
        return blocs;
    }

    // The cross as the window shows it: the present on the left, the future on the right, the
    // cross between them with the synthesis card's meaning and the lucky numbers under it.
    std::vector<Bloc> croixEnTrois(qreal echelle) const {
        const qreal w = c_.mm(19) * echelle;
        Bloc figure = croix(w);
        const qreal largeurCroix = figure.largeur;
        const qreal gouttiere = c_.mm(4.5);
        const qreal colonne = (largeur_ - largeurCroix - 2 * gouttiere) / 2;
        // On narrow paper the columns would be too narrow to read: the cross goes long.
        if (colonne < c_.mm(40)) return {};
        const qreal milieu = largeurCroix + gouttiere;
        const qreal ecart = c_.mm(2.2);
        auto gauche = pile(cote(0, colonne, present, 9.4), ecart);
        auto droite = pile(cote(1, colonne, futur, 9.4), ecart);
        const qreal xFigure = (milieu - largeurCroix) / 2;
        auto dessinFigure = figure.dessiner;
        figure.dessiner = [dessinFigure, xFigure](QPainter& p, QPointF o) {
            dessinFigure(p, o + QPointF(xFigure, 0));
        };
        std::vector<Bloc> centreBlocs{figure};
        for (Bloc& b : centre(milieu, 9.6)) {
            if (centreBlocs.size() == 1) b.espaceAvant = c_.mm(3);
            centreBlocs.push_back(std::move(b));
        }
        if (!l_.numeros.isEmpty()) centreBlocs.push_back(numeros(milieu));
        auto milieuPile = pile(centreBlocs, ecart);

        Bloc bande;
        bande.hauteur = std::max({gauche.first, droite.first, milieuPile.first});
        bande.espaceAvant = c_.mm(5);
        bande.dessiner = [=, this](QPainter& p, QPointF o) {
            gauche.second(p, o);
            milieuPile.second(p, o + QPointF((largeur_ - milieu) / 2, 0));
            droite.second(p, o + QPointF(largeur_ - colonne, 0));
        };
        return {entete(), bande};
    }

    // The cross when its three columns would not fit a page: the cross, then each side and
    // the centre one under the other, full width.
    std::vector<Bloc> croixEnLong() const {
        std::vector<Bloc> blocs{entete()};
        Bloc figure = croix(c_.mm(22));
        const qreal largeurCroix = figure.largeur;
        auto dessin = figure.dessiner;
        figure.dessiner = [dessin, x = (largeur_ - largeurCroix) / 2](QPainter& p, QPointF o) {
            dessin(p, o + QPointF(x, 0));
        };
        figure.espaceAvant = c_.mm(5);
        blocs.push_back(figure);
        auto ajouter = [&](std::vector<Bloc> partie) {
            for (std::size_t i = 0; i < partie.size(); ++i) {
                partie[i].espaceAvant = i == 0 ? c_.mm(6) : c_.mm(2.2);
                partie[i].nouvelleSection = i == 0;
                blocs.push_back(std::move(partie[i]));
            }
        };
        ajouter(cote(0, largeur_, present, 10.5));
        ajouter(cote(1, largeur_, futur, 10.5));
        ajouter(centre(largeur_, 10.5));
        if (!l_.numeros.isEmpty()) blocs.push_back(numeros(largeur_));
        return blocs;
    }

    // The ten houses in their two rows, clockwise as on the table, then their texts two by
    // two: houses 1 to 5 on the left, 6 to 10 on the right.
    std::vector<Bloc> maisons(qreal echelle) const {
        std::vector<Bloc> blocs{entete()};
        Bloc figure = rangees(c_.mm(22) * echelle, c_.mm(10), {0, 1, 2, 3, 4, 9, 8, 7, 6, 5}, 5,
                              maison.titre);
        figure.espaceAvant = c_.mm(5);
        blocs.push_back(figure);
        const auto* sec = section(0);
        if (sec) {
            const qreal gouttiere = c_.mm(4.5);
            const qreal colonne = (largeur_ - gouttiere) / 2;
            const std::size_t n = sec->passages.size();
            const std::size_t moitie = (n + 1) / 2;
            auto boite = [&](std::size_t i, qreal hauteur) {
                const auto& p = sec->passages[i];
                return encadre(colonne, p.titre, p.carte, imageMaison(i + 1), p.texte, maison, 9.6,
                               Qt::AlignLeft, hauteur);
            };
            for (std::size_t i = 0; i < moitie; ++i) {
                // The two boxes of a row share their height, as the cells of a table.
                Bloc g = boite(i, 0);
                Bloc d = i + moitie < n ? boite(i + moitie, 0) : Bloc{};
                if (d.hauteur > g.hauteur)
                    g = boite(i, d.hauteur);
                else if (d.dessiner && g.hauteur > d.hauteur)
                    d = boite(i + moitie, g.hauteur);
                Bloc rangee;
                rangee.hauteur = std::max(g.hauteur, d.hauteur);
                rangee.espaceAvant = i == 0 ? c_.mm(6) : c_.mm(2.6);
                rangee.nouvelleSection = true;
                rangee.dessiner = [=](QPainter& p, QPointF o) {
                    g.dessiner(p, o);
                    if (d.dessiner) d.dessiner(p, o + QPointF(colonne + gouttiere, 0));
                };
                blocs.push_back(rangee);
            }
        }
        if (!l_.numeros.isEmpty()) blocs.push_back(numeros(largeur_));
        return blocs;
    }

    // The four horizons: the cards in one row, each text under its horizon.
    std::vector<Bloc> bohemiens(qreal echelle) const {
        std::vector<Bloc> blocs{entete()};
        Bloc figure = rangees(c_.mm(30) * echelle, c_.mm(14), {0, 1, 2, 3}, 4, horizon.titre);
        figure.espaceAvant = c_.mm(5);
        blocs.push_back(figure);
        if (const auto* sec = section(0))
            for (std::size_t i = 0; i < sec->passages.size(); ++i) {
                const auto& p = sec->passages[i];
                Bloc b = encadre(largeur_, p.titre, p.carte, {}, p.texte, horizon, 11.5,
                                 Qt::AlignHCenter);
                b.espaceAvant = i == 0 ? c_.mm(6) : c_.mm(3);
                b.nouvelleSection = true;
                blocs.push_back(b);
            }
        if (!l_.numeros.isEmpty()) blocs.push_back(numeros(largeur_));
        return blocs;
    }

private:
    Contexte& c_;
    const LectureImprimee& l_;
    qreal largeur_;
    qreal hauteur_;
};

} // namespace

QPageSize taillePapier(const QLocale& locale) {
    const auto pays = locale.territory();
    return QPageSize(pays == QLocale::UnitedStates || pays == QLocale::Canada ? QPageSize::Letter
                                                                              : QPageSize::A4);
}

int dessinerLecture(QPainter& peintre, QPagedPaintDevice& page, const LectureImprimee& lecture) {
    Contexte c(&page);
    const QRectF papier(QPointF(0, 0),
                        page.pageLayout().fullRect(QPageLayout::Millimeter).size() * c.pxmm);
    const QRectF corps = papier.adjusted(c.mm(18), c.mm(16), -c.mm(18), -c.mm(18));
    Mise mise(c, lecture, corps.size());

    // One page where the reading fits on one, its cards as large as leaves room for it;
    // otherwise the cards at their largest and the texts over the pages that follow.
    // The cross leaves less room to its columns of text as it grows: it grows less.
    const bool croix = lecture.disposition == Disposition::Croix;
    const std::vector<qreal> echelles = croix
                                            ? std::vector<qreal>{1.05, 0.95, 0.85, 0.75}
                                            : std::vector<qreal>{1.3, 1.2, 1.1, 1.0, 0.9, 0.8, 0.7};
    auto composer = [&](qreal echelle) {
        switch (lecture.disposition) {
        case Disposition::Croix:
            return mise.croixEnTrois(echelle);
        case Disposition::Maisons:
            return mise.maisons(echelle);
        case Disposition::Bohemiens:
            break;
        }
        return mise.bohemiens(echelle);
    };
    std::vector<Bloc> blocs, auPlusGrand;
    for (qreal echelle : echelles) {
        blocs = composer(echelle);
        if (!blocs.empty() && hauteurTotale(blocs) <= corps.height()) break;
        if (auPlusGrand.empty()) auPlusGrand = std::move(blocs);
        blocs.clear();
    }
    if (blocs.empty()) blocs = croix ? mise.croixEnLong() : std::move(auPlusGrand);
    const Pages pages = paginer(blocs, corps.height());

    imprimer(peintre, page, pages, corps, papier, c);
    return static_cast<int>(pages.size());
}

} // namespace lunespiral
