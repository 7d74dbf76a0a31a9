#include "VueMaisons.h"

#include "Design.h"
#include "Globales.h"
#include "Memo.h"

namespace lunespiral {

namespace {

// clang-format off
const Controle design[] = {
    {.nom = "panelCentralMaison", .genre = Genre::Panneau, .geometrie = {110, 248, 567, 143}, .fond = 0xFF8040, .visible = false, .focus = Qt::ClickFocus},
    {.nom = "imageMaisonCourante", .genre = Genre::Image, .parent = "panelCentralMaison", .geometrie = {10, 10, 109, 125}},
    {.nom = "panelNomMaison", .genre = Genre::Panneau, .parent = "panelCentralMaison", .geometrie = {124, 10, 433, 27}, .fond = 0xFFC1A4, .police = {Famille::Sans, 16, true}, .exterieur = Panneau::Biseau::Enfonce, .interieur = Panneau::Biseau::Enfonce},
    {.nom = "panelPhraseMaison", .genre = Genre::Memo, .parent = "panelCentralMaison", .geometrie = {124, 40, 433, 97}, .fond = 0xFFC1A4, .police = {Famille::Serif, 19, true, 0x004080}, .defilement = true},
};
// clang-format on

} // namespace

VueMaisons::VueMaisons(QWidget* fenetre, const EtatTirage& etat, const Plateau& plateau,
                       const Chaines& chaines)
    : VueResultat(fenetre, etat, plateau, chaines) {
    setObjectName(QStringLiteral("vueMaisons"));
}

void VueMaisons::construire() {
    construireControles(fenetre_, design);
    // The house emblems differ widely in shape (the coins are three times wider than high):
    // stretched into one box they would be distorted, so the view keeps their proportions.
    controle<ImageControle>("imageMaisonCourante")->setGarderProportions(true);
}

void VueMaisons::preparer() {
    for (int h = 1; h <= nbMaisons; ++h)
        etiquettes_[h] = nouvelleEtiquette(fenetre_, QStringLiteral("etiquettesMaisons%1").arg(h),
                                           plateau_.largeurCarte);
    focusVers("panelPhraseMaison", "panelCentralMaison");
}

void VueMaisons::preparerImages(ServiceImages& images, qreal ratio) const {
    // The house view keeps each emblem's proportions, as ImageControle draws it.
    const QSize maison = controle<ImageControle>("imageMaisonCourante")->size();
    for (int h = 1; h <= nbMaisons; ++h)
        images.preparer(imageMaison(h), maison, 0, ratio, Qt::KeepAspectRatio);
}

void VueMaisons::calculerPositions() {
    const int Wf = fenetre_->width(), Hf = fenetre_->height();
    const int L = plateau_.largeurCarte, H = plateau_.hauteurCarte;
    // The houses run clockwise round the window.
    const int t = (Wf - 5 * L) / 6;
    const int v = arrondi(echelleY * 15);
    for (int j = 1; j <= 5; ++j) positions_[j] = {j * t + (j - 1) * L, v};
    for (int k = 6; k <= 10; ++k)
        positions_[k] = {(10 - k) * L + (11 - k) * t, Hf - plateau_.hauteurBarre - v - H};
    // The house view sits in the band between the two rows.
    auto* centre = controle<Panneau>("panelCentralMaison");
    const int y1 = positions_[1].y(), y10 = positions_[10].y();
    centre->move((Wf - centre->width()) / 2, y1 + H + ((y10 - y1 - centre->height() - H) / 2));
    for (int h = 1; h <= nbMaisons; ++h)
        etiquettes_[h]->move(positions_[h].x(), positions_[h].y() + H - etiquettes_[h]->height());
}

QPoint VueMaisons::placeDuTalon(int d) const {
    // A straight row between the two rows of houses.
    const int H = plateau_.hauteurCarte;
    const int pas = (positions_[5].x() - positions_[1].x()) / 21;
    const int y1 = positions_[1].y() + H;
    return {positions_[1].x() + pas * (d - 1), y1 + (positions_[10].y() - y1 - H) / 2};
}

void VueMaisons::cartePosee(int n, QPoint) {
    etiquettes_[n]->setText(chaines_.nomsMaisons[n]);
    etiquettes_[n]->show();
}

void VueMaisons::terminer() {
    // The house shown first was drawn by the reading state as the last card was laid.
    afficherMaison(etat_.tirageMaisons().maisonCourante);
}

void VueMaisons::choisir(int h) {
    afficherMaison(h);
}

void VueMaisons::afficherMaison(int h) {
    const QString texte = versQString(etat_.textesMaisons()[h]);
    auto* centre = controle<Panneau>("panelCentralMaison");
    controle<ImageControle>("imageMaisonCourante")->setImage(imageMaison(h));
    controle<Memo>("panelPhraseMaison")->setTexte(texte);
    controle<Panneau>("panelNomMaison")->setText(chaines_.libellesMaisons[h]);
    centre->setAccessibleName(chaines_.libellesMaisons[h]);
    centre->setAccessibleDescription(texte);
    centre->show();
    for (int k = 1; k <= nbMaisons; ++k) colorer(plateau_.etiquettesNoms[k], false);
    colorer(plateau_.etiquettesNoms[h], true);
    for (int k = 1; k <= nbMaisons; ++k) colorer(etiquettes_[k], false);
    colorer(etiquettes_[h], true);
}

void VueMaisons::effacer() {
    rangerEtiquettes(etiquettes_);
    controle<Panneau>("panelCentralMaison")->hide();
}

} // namespace lunespiral
