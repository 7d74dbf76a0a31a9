#include "ChoixTirage.h"

#include "Design.h"
#include "ImageControle.h"

namespace lunespiral {

namespace {

// clang-format off
const Controle designChoix[] = {
    {.nom = "panelSelectionTirage", .genre = Genre::Panneau, .geometrie = {0, 0, 617, 199}, .fond = 0x0000A0, .visible = false},
    {.nom = "panelChooseTirage", .genre = Genre::Panneau, .parent = "panelSelectionTirage", .geometrie = {6, 6, 605, 33}, .fond = 0x57EFF7, .police = {Famille::Serif, 16, true}, .legende = Cle::choixDuTirage, .exterieur = Panneau::Biseau::Enfonce, .interieur = Panneau::Biseau::Enfonce},
    {.nom = "Panel1", .genre = Genre::Panneau, .parent = "panelSelectionTirage", .geometrie = {6, 44, 201, 149}, .fond = 0x0080C0},
    {.nom = "imageTirageEnCroix", .genre = Genre::Image, .parent = "Panel1", .geometrie = {3, 3, 194, 108}, .curseur = Qt::PointingHandCursor, .focus = Qt::TabFocus, .texte = "imageTirageEnCroix"},
    {.nom = "panelTirageEnCroix", .genre = Genre::Panneau, .parent = "Panel1", .geometrie = {3, 114, 194, 31}, .fond = 0x5EAEFF, .police = {Famille::Serif, 16, true}, .curseur = Qt::PointingHandCursor, .legende = Cle::tirageEnCroix, .exterieur = Panneau::Biseau::Enfonce, .interieur = Panneau::Biseau::Enfonce},
    {.nom = "Panel2", .genre = Genre::Panneau, .parent = "panelSelectionTirage", .geometrie = {210, 44, 201, 149}, .fond = 0xFF8040},
    {.nom = "imageTirageDixMaisons", .genre = Genre::Image, .parent = "Panel2", .geometrie = {3, 3, 194, 108}, .curseur = Qt::PointingHandCursor, .focus = Qt::TabFocus, .texte = "imageTirageDixMaisons"},
    {.nom = "panelTirageEnDixMaisons", .genre = Genre::Panneau, .parent = "Panel2", .geometrie = {3, 114, 194, 31}, .fond = 0xFFB895, .police = {Famille::Serif, 16, true}, .curseur = Qt::PointingHandCursor, .legende = Cle::tirageEnDixMaisons, .exterieur = Panneau::Biseau::Enfonce, .interieur = Panneau::Biseau::Enfonce},
    {.nom = "Panel3", .genre = Genre::Panneau, .parent = "panelSelectionTirage", .geometrie = {414, 44, 197, 149}, .fond = 0xFF0080},
    {.nom = "imageTirageBohemiens", .genre = Genre::Image, .parent = "Panel3", .geometrie = {3, 3, 191, 108}, .curseur = Qt::PointingHandCursor, .focus = Qt::TabFocus, .texte = "imageTirageBohemiens"},
    {.nom = "panelTirageDesBohemiens", .genre = Genre::Panneau, .parent = "Panel3", .geometrie = {3, 114, 191, 31}, .fond = 0xFF80C0, .police = {Famille::Serif, 16, true}, .curseur = Qt::PointingHandCursor, .legende = Cle::tirageDesBohemiens, .exterieur = Panneau::Biseau::Enfonce, .interieur = Panneau::Biseau::Enfonce},
};
// clang-format on

// Each spread's emblem and caption, in the chooser's order.
struct Embleme {
    const char* image;
    const char* panneau;
    TypeTirage type;
};
const Embleme emblemes[] = {
    {"imageTirageEnCroix", "panelTirageEnCroix", TypeTirage::EnCroix},
    {"imageTirageDixMaisons", "panelTirageEnDixMaisons", TypeTirage::DixMaisons},
    {"imageTirageBohemiens", "panelTirageDesBohemiens", TypeTirage::Bohemiens}};

} // namespace

ChoixTirage::ChoixTirage(QWidget* fenetre) : QObject(fenetre), fenetre_(fenetre) {}

void ChoixTirage::construire() {
    construireControles(fenetre_, designChoix);
    panneau_ = fenetre_->findChild<Panneau*>(QStringLiteral("panelSelectionTirage"));
}

void ChoixTirage::relier() {
    for (const Embleme& e : emblemes) {
        const TypeTirage type = e.type;
        connect(fenetre_->findChild<ImageControle*>(QString::fromLatin1(e.image)),
                &ImageControle::clique, this,
                [this, type](ImageControle* c) { emit choisi(type, c->cliqueAuClavier()); });
        connect(fenetre_->findChild<Panneau*>(QString::fromLatin1(e.panneau)), &Panneau::clique,
                this, [this, type] { emit choisi(type, false); });
    }
}

void ChoixTirage::preparerImages(ServiceImages& images, qreal ratio) const {
    for (const Embleme& e : emblemes) {
        const auto* c = fenetre_->findChild<ImageControle*>(QString::fromLatin1(e.image));
        images.preparer(c->image(), c->size(), 0, ratio);
    }
}

void ChoixTirage::appliquerLegendes(const Chaines& chaines) {
    lunespiral::appliquerLegendes(fenetre_, designChoix, chaines);
    // Names for screen readers, where the picture says it all to the eye.
    for (const Embleme& e : emblemes) {
        auto* image = fenetre_->findChild<ImageControle*>(QString::fromLatin1(e.image));
        image->setAccessibleName(
            fenetre_->findChild<Panneau*>(QString::fromLatin1(e.panneau))->text());
        image->setAccessibleDescription(chaines.texte(Cle::commencerCeTirage));
    }
}

void ChoixTirage::placer() {
    panneau_->move((fenetre_->width() - panneau_->width()) / 2,
                   (fenetre_->height() - panneau_->height()) / 2);
}

std::vector<QWidget*> ChoixTirage::ordreTabulation() const {
    std::vector<QWidget*> ordre;
    for (const Embleme& e : emblemes)
        ordre.push_back(fenetre_->findChild<QWidget*>(QString::fromLatin1(e.image)));
    return ordre;
}

void ChoixTirage::montrer() {
    panneau_->show();
    // Enter or Space chooses the cross straight away; the arrows and Tab go on from there.
    fenetre_->findChild<ImageControle*>(QString::fromLatin1(emblemes[0].image))
        ->prendreFocusClavier();
}

void ChoixTirage::cacher() {
    panneau_->hide();
}

bool ChoixTirage::visible() const {
    return panneau_->isVisible();
}

} // namespace lunespiral
