#include "Mosaique.h"

#include "Arcanes.h"
#include "Globales.h"

namespace lunespiral {

namespace {

// The numeral strip at the top of a face, left out of the tiles.
constexpr int hauteurBandeauFace = 20;

} // namespace

void Mosaique::creer(QWidget* fenetre, int largeurCarte, int hauteurCarte) {
    fenetre_ = fenetre;
    largeurCarte_ = largeurCarte;
    hauteurCarte_ = hauteurCarte;
    const int hauteurTuile = hauteurCarte - arrondi(echelleX * 20);
    for (int i = 1; i <= 10; ++i)
        for (int j = 1; j <= 5; ++j) {
            auto* tuile = new ImageControle(fenetre);
            tuile->setObjectName(QStringLiteral("mosaique%1_%2").arg(i).arg(j));
            tuile->resize(largeurCarte, hauteurTuile);
            tuile->hide();
            tuiles_[i][j] = tuile;
        }
}

void Mosaique::preparerImages(ServiceImages& images, qreal ratio) const {
    const QSize taille(tuiles_[1][1]->width(), tuiles_[1][1]->height() + hauteurBandeauFace);
    for (int k = 1; k <= nbArcanes; ++k)
        images.preparer(imageFace(k), taille, hauteurBandeauFace, ratio);
}

void Mosaique::afficher(Hasard& hasard, ServiceImages& images) {
    const int L = largeurCarte_, H = hauteurCarte_;
    const int tw = tuiles_[1][1]->width(), th = tuiles_[1][1]->height();
    const int x0 = (fenetre_->width() - 8 * L) / 2, y0 = (fenetre_->height() - 3 * H) / 2;
    const qreal ratio = fenetre_->devicePixelRatioF();
    for (int i = 1; i <= 10; ++i)
        for (int j = 1; j <= 5; ++j) {
            const int f = hasard.entre1Et(nbArcanes);
            // The face stretched to the tile's width and 20 pixels more than its height, its
            // top 20 rows (the numeral strip) falling outside the tile. Tiles of one face share
            // one pixmap.
            ImageControle* c = tuiles_[i][j];
            c->setPixmap(images.imageRognee(imageFace(f), {tw, th + hauteurBandeauFace},
                                            hauteurBandeauFace, ratio));
            c->move(x0 + (i - 2) * tw, y0 + (j - 2) * th);
        }
    for (int i = 1; i <= 10; ++i)
        for (int j = 1; j <= 5; ++j) tuiles_[i][j]->show();
}

void Mosaique::cacher() {
    for (int i = 1; i <= 10; ++i)
        for (int j = 1; j <= 5; ++j) tuiles_[i][j]->hide();
}

} // namespace lunespiral
