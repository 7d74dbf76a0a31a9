#include "VueCroix.h"

#include "Arcanes.h"
#include "Design.h"
#include "Globales.h"
#include "Langue.h"
#include "Memo.h"

#include <QTimer>

namespace lunespiral {

namespace {

// clang-format off
const Controle design[] = {
    {.nom = "SuperPanelPresent", .genre = Genre::Panneau, .geometrie = {2, 2, 255, 493}, .fond = 0x004000, .visible = false},
    {.nom = "panelTitrePresentCroix", .genre = Genre::Panneau, .parent = "SuperPanelPresent", .geometrie = {4, 4, 247, 23}, .fond = 0x00A800, .police = {Famille::Sans, 16, true}, .focus = Qt::ClickFocus, .legende = Cle::titrePresent, .exterieur = Panneau::Biseau::Enfonce, .interieur = Panneau::Biseau::Enfonce},
    {.nom = "superMemoPresent", .genre = Genre::Memo, .parent = "SuperPanelPresent", .geometrie = {4, 30, 247, 100}, .fond = 0x00FF80, .police = {Famille::Serif, 16, true, 0x004000}, .visible = false, .defilement = true},
    {.nom = "memoPresentProjets", .genre = Genre::Memo, .parent = "SuperPanelPresent", .geometrie = {58, 142, 193, 75}, .fond = 0x80FFFF, .police = {Famille::Serif, 12, true, 0x004080}, .defilement = true},
    {.nom = "memoPresentAmour", .genre = Genre::Memo, .parent = "SuperPanelPresent", .geometrie = {58, 230, 193, 75}, .fond = 0xFFCAE4, .police = {Famille::Serif, 12, true, 0xFF0000}, .defilement = true},
    {.nom = "memoPresentSante", .genre = Genre::Memo, .parent = "SuperPanelPresent", .geometrie = {58, 320, 193, 75}, .fond = 0x80FF80, .police = {Famille::Serif, 12, true, 0x004000}, .defilement = true},
    {.nom = "memoPresentRelPerso", .genre = Genre::Memo, .parent = "SuperPanelPresent", .geometrie = {58, 408, 193, 75}, .fond = 0xFFCEB7, .police = {Famille::Serif, 12, true, 0x800000}, .defilement = true},
    {.nom = "imageProjetsPresent", .genre = Genre::Image, .parent = "SuperPanelPresent", .geometrie = {6, 165, 46, 32}, .bulle = Cle::projets},
    {.nom = "imageAmourPresent", .genre = Genre::Image, .parent = "SuperPanelPresent", .geometrie = {6, 251, 45, 32}, .bulle = Cle::amour},
    {.nom = "imageSantePresent", .genre = Genre::Image, .parent = "SuperPanelPresent", .geometrie = {6, 343, 44, 32}, .bulle = Cle::sante},
    {.nom = "imageRelPersoPresent", .genre = Genre::Image, .parent = "SuperPanelPresent", .geometrie = {6, 430, 45, 29}, .bulle = Cle::relationsPersonnelles},
    {.nom = "SuperPanelFutur", .genre = Genre::Panneau, .geometrie = {542, 4, 257, 493}, .fond = 0x800000, .visible = false},
    {.nom = "panelTitreFuturCroix", .genre = Genre::Panneau, .parent = "SuperPanelFutur", .geometrie = {4, 4, 247, 23}, .fond = 0xCA9595, .police = {Famille::Sans, 16, true}, .focus = Qt::ClickFocus, .legende = Cle::titreFutur, .exterieur = Panneau::Biseau::Enfonce, .interieur = Panneau::Biseau::Enfonce},
    {.nom = "superMemoFutur", .genre = Genre::Memo, .parent = "SuperPanelFutur", .geometrie = {4, 30, 247, 100}, .fond = 0xFF8080, .police = {Famille::Serif, 16, true, 0x800000}, .visible = false, .defilement = true},
    {.nom = "memoFuturProjets", .genre = Genre::Memo, .parent = "SuperPanelFutur", .geometrie = {6, 142, 193, 75}, .fond = 0x80FFFF, .police = {Famille::Serif, 12, true, 0x004080}, .defilement = true},
    {.nom = "memoFuturAmour", .genre = Genre::Memo, .parent = "SuperPanelFutur", .geometrie = {6, 230, 193, 75}, .fond = 0xFFCAE4, .police = {Famille::Serif, 12, true, 0xFF0000}, .defilement = true},
    {.nom = "memoFuturSante", .genre = Genre::Memo, .parent = "SuperPanelFutur", .geometrie = {6, 320, 193, 75}, .fond = 0x80FF80, .police = {Famille::Serif, 12, true, 0x004000}, .defilement = true},
    {.nom = "memoFuturRelPerso", .genre = Genre::Memo, .parent = "SuperPanelFutur", .geometrie = {6, 408, 193, 75}, .fond = 0xFFCEB7, .police = {Famille::Serif, 12, true, 0x800000}, .defilement = true},
    {.nom = "imageProjetsFutur", .genre = Genre::Image, .parent = "SuperPanelFutur", .geometrie = {206, 165, 46, 32}, .bulle = Cle::projets},
    {.nom = "imageAmourFutur", .genre = Genre::Image, .parent = "SuperPanelFutur", .geometrie = {206, 251, 45, 32}, .bulle = Cle::amour},
    {.nom = "imageSanteFutur", .genre = Genre::Image, .parent = "SuperPanelFutur", .geometrie = {206, 341, 44, 32}, .bulle = Cle::sante},
    {.nom = "imageRelPersoFutur", .genre = Genre::Image, .parent = "SuperPanelFutur", .geometrie = {206, 430, 45, 29}, .bulle = Cle::relationsPersonnelles},
    {.nom = "panelPhraseGlobale", .genre = Genre::Panneau, .geometrie = {0, 470, 800, 55}, .fond = 0x0000FF, .visible = false},
    {.nom = "memoPhraseGlobale", .genre = Genre::Memo, .parent = "panelPhraseGlobale", .geometrie = {4, 4, 791, 47}, .fond = 0xA4A4FF, .police = {Famille::Serif, 16, true, 0x000080}, .defilement = true},
};
// clang-format on

const char* const memosPresent[] = {"memoPresentProjets", "memoPresentAmour", "memoPresentSante",
                                    "memoPresentRelPerso"};
const char* const memosFutur[] = {"memoFuturProjets", "memoFuturAmour", "memoFuturSante",
                                  "memoFuturRelPerso"};

} // namespace

VueCroix::VueCroix(QWidget* fenetre, const EtatTirage& etat, const Plateau& plateau,
                   const Chaines& chaines)
    : VueResultat(fenetre, etat, plateau, chaines) {
    setObjectName(QStringLiteral("vueCroix"));
}

void VueCroix::construire() {
    construireControles(fenetre_, design);
}

void VueCroix::preparer() {
    // Domain icons share the pictures of the projects emblem and of three houses.
    const char* const images[][2] = {
        {"imageProjetsPresent", "imageProjets"},  {"imageProjetsFutur", "imageProjets"},
        {"imageSantePresent", "imageMaison1"},    {"imageSanteFutur", "imageMaison1"},
        {"imageRelPersoPresent", "imageMaison2"}, {"imageRelPersoFutur", "imageMaison2"},
        {"imageAmourPresent", "imageMaison10"},   {"imageAmourFutur", "imageMaison10"}};
    for (const auto& [cible, source] : images)
        controle<ImageControle>(cible)->setImage(QString::fromLatin1(source));

    // Centred on the width of the scaled design.
    const int L = plateau_.largeurCarte, H = plateau_.hauteurCarte, g = plateau_.ecartCarte;
    const int xc = (fenetre_->width() - L) / 2, yc = 2 * g + H;
    positions_[5] = {xc, yc};
    positions_[1] = {xc - (g + L), yc};
    positions_[2] = {xc, yc - (g + H)};
    positions_[3] = {xc + g + L, yc};
    positions_[4] = {xc, yc + g + H};

    for (const char* memo : memosPresent) focusVers(memo, "panelTitrePresentCroix");
    for (const char* memo : memosFutur) focusVers(memo, "panelTitreFuturCroix");
    for (const char* memo : {"superMemoPresent", "superMemoFutur", "memoPhraseGlobale"})
        focusVers(memo, "panelInfo");
}

void VueCroix::preparerImages(ServiceImages& images, qreal ratio) const {
    for (const char* nom :
         {"imageProjetsPresent", "imageAmourPresent", "imageSantePresent", "imageRelPersoPresent",
          "imageProjetsFutur", "imageAmourFutur", "imageSanteFutur", "imageRelPersoFutur"}) {
        const ImageControle* c = controle<ImageControle>(nom);
        images.preparer(c->image(), c->size(), 0, ratio);
    }
}

void VueCroix::calculerPositions() {
    const int points = std::max(1, arrondi(std::min(echelleX, echelleY) * 11));
    for (const char* nom :
         {"superMemoPresent", "memoPresentProjets", "memoPresentAmour", "memoPresentSante",
          "memoPresentRelPerso", "superMemoFutur", "memoFuturProjets", "memoFuturAmour",
          "memoFuturSante", "memoFuturRelPerso"}) {
        Memo* m = controle<Memo>(nom);
        QFont f = m->policeDessin();
        f.setPointSize(points);
        m->setPoliceDessin(f);
    }
}

void VueCroix::choisie() {
    textesEnAttente_ = true;
    // A timer, not a queued call: Qt posts a paint at low priority, so a call queued now would
    // run before the choice is painted.
    QTimer::singleShot(1, this, [this] { poserTextes(); });
}

void VueCroix::poserTextes() {
    if (!textesEnAttente_) return;
    textesEnAttente_ = false;
    const TextesCroix& t = etat_.textesCroix();
    controle<Memo>("memoPhraseGlobale")->setTexte(versQString(t.phraseGlobale));
    controle<Memo>("superMemoPresent")->setTexte(versQString(t.synthesePresent));
    controle<Memo>("superMemoFutur")->setTexte(versQString(t.syntheseFutur));
    for (int i = 1; i <= nbDomainesCroix; ++i) {
        controle<Memo>(memosPresent[i - 1])->setTexte(versQString(t.domainesPresent[i]));
        controle<Memo>(memosFutur[i - 1])->setTexte(versQString(t.domainesFutur[i]));
    }
}

void VueCroix::terminer() {
    poserTextes();
    controle<Panneau>("panelPhraseGlobale")->show();
    controle<Memo>("superMemoPresent")->show();
    controle<Panneau>("SuperPanelPresent")->show();
    controle<Memo>("superMemoFutur")->show();
    controle<Panneau>("SuperPanelFutur")->show();
}

void VueCroix::effacer() {
    textesEnAttente_ = false; // the texts of an abandoned cross are not wanted any more
    controle<Panneau>("SuperPanelPresent")->hide();
    controle<Panneau>("SuperPanelFutur")->hide();
    controle<Panneau>("panelPhraseGlobale")->hide();
}

void VueCroix::appliquerLegendes() {
    lunespiral::appliquerLegendes(fenetre_, design, chaines_);
}

} // namespace lunespiral
