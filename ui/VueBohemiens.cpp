#include "VueBohemiens.h"

#include "Design.h"
#include "Globales.h"
#include "Libelles.h"
#include "Memo.h"

namespace lunespiral {

namespace {

// clang-format off
const Controle design[] = {
    {.nom = "panelCentralBohemien", .genre = Genre::Memo, .geometrie = {58, 246, 681, 285}, .fond = 0xFF80C0, .police = {Famille::Serif, 32, true, 0x800040}, .visible = false},
};
// clang-format on

} // namespace

VueBohemiens::VueBohemiens(QWidget* fenetre, const EtatTirage& etat, const Plateau& plateau,
                           const Chaines& chaines)
    : VueResultat(fenetre, etat, plateau, chaines) {
    setObjectName(QStringLiteral("vueBohemiens"));
}

void VueBohemiens::construire() {
    construireControles(fenetre_, design);
}

void VueBohemiens::preparer() {
    for (int n = 1; n <= nbHorizons; ++n)
        etiquettes_[n] = nouvelleEtiquette(fenetre_, QStringLiteral("etiquettesHorizons%1").arg(n),
                                           plateau_.largeurCarte);
    focusVers("panelCentralBohemien", "panelInfo");
}

void VueBohemiens::calculerPositions() {
    const int L = plateau_.largeurCarte;
    const int s = (fenetre_->width() - 4 * L) / 5;
    for (int i = 1; i <= nbHorizons; ++i)
        positions_[i] = {i * s + (i - 1) * L, plateau_.margeCarte};
}

void VueBohemiens::cartePosee(int n, QPoint position) {
    etiquettes_[n]->move(position.x(), position.y() + plateau_.hauteurCarte);
    etiquettes_[n]->show();
}

void VueBohemiens::terminer() {
    afficherHorizon(etat_.tirageBohemiens().horizonCourant);
}

void VueBohemiens::choisir(int n) {
    for (int k = 1; k <= nbHorizons; ++k) {
        colorer(etiquettes_[k], false);
        colorer(plateau_.etiquettesNoms[k], false);
    }
    afficherHorizon(n);
}

void VueBohemiens::afficherHorizon(int n) {
    auto* texte = controle<Memo>("panelCentralBohemien");
    texte->setTexte(versQString(etat_.textesHorizons()[n]));
    texte->setAccessibleName(etiquettes_[n]->text());
    colorer(etiquettes_[n], true);
    colorer(plateau_.etiquettesNoms[n], true);
    texte->show();
}

void VueBohemiens::effacer() {
    rangerEtiquettes(etiquettes_);
    controle<Memo>("panelCentralBohemien")->hide();
}

void VueBohemiens::appliquerLegendes() {
    for (int n = 1; n <= nbHorizons; ++n)
        etiquettes_[n]->setText(versQString(nomHorizon(n, chaines_.langue)));
}

} // namespace lunespiral
