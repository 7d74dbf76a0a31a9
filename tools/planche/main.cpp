// Lays every picture of the program on one sheet, at its design size and at 2.4 times that
// size (a 1920-pixel screen), each labelled with its name.

#include "ServiceImages.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include <algorithm>
#include <cmath>

namespace {

constexpr qreal grandeEchelle = 2.4;
constexpr int marge = 12;
constexpr int hauteurLegende = 16;
constexpr int largeurPlanche = 2000;

struct Case {
    QString nom;
    QPixmap petite;
    QPixmap grande;
    QRect place;
};

QSize agrandie(QSize taille) {
    return QSize(static_cast<int>(std::lround(taille.width() * grandeEchelle)),
                 static_cast<int>(std::lround(taille.height() * grandeEchelle)));
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    const QString sortie =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("planche.png");

    lunespiral::ServiceImages& service = lunespiral::ServiceImages::instance();
    QList<Case> cases;
    for (const QString& nom : lunespiral::ServiceImages::noms()) {
        QSize design = service.tailleDesign(nom);
        if (design.isEmpty()) design = QSize(90, 165);
        cases.append({nom, service.image(nom, design), service.image(nom, agrandie(design)), {}});
    }

    // Shelf packing, row by row, in the order of the design.
    int x = marge;
    int y = marge;
    int hauteurRangee = 0;
    for (Case& c : cases) {
        const int largeur = std::max(c.petite.width() + marge + c.grande.width(), 120);
        const int hauteur = c.grande.height() + hauteurLegende;
        if (x + largeur + marge > largeurPlanche && x > marge) {
            x = marge;
            y += hauteurRangee + marge;
            hauteurRangee = 0;
        }
        c.place = QRect(x, y, largeur, hauteur);
        x += largeur + 2 * marge;
        hauteurRangee = std::max(hauteurRangee, hauteur);
    }

    QImage planche(largeurPlanche, y + hauteurRangee + marge, QImage::Format_RGB32);
    // A mid blue like the program's panels, so light and dark pictures both show their edges.
    planche.fill(QColor(0x30, 0x40, 0x70));
    QPainter peintre(&planche);
    QFont police(QStringLiteral("DejaVu Sans"));
    police.setPixelSize(12);
    peintre.setFont(police);
    for (const Case& c : cases) {
        peintre.setPen(Qt::white);
        peintre.drawText(QRect(c.place.left(), c.place.top(), c.place.width(), hauteurLegende),
                         Qt::AlignLeft | Qt::AlignVCenter, c.nom);
        const int haut = c.place.top() + hauteurLegende;
        peintre.drawPixmap(c.place.left(), haut, c.petite);
        peintre.drawPixmap(c.place.left() + c.petite.width() + marge, haut, c.grande);
    }
    peintre.end();

    if (!planche.save(sortie)) {
        QTextStream(stderr) << "cannot write " << sortie << '\n';
        return 1;
    }
    return 0;
}
