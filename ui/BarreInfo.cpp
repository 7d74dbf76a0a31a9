#include "BarreInfo.h"

#include "Design.h"
#include "Globales.h"

#include <QDate>
#include <QFontMetrics>
#include <QIcon>
#include <QLocale>

namespace lunespiral {

namespace {

// clang-format off
const Controle design[] = {
    {.nom = "panelInfo", .genre = Genre::Panneau, .geometrie = {0, 525, 800, 28}, .fond = 0x0080C0, .focus = Qt::ClickFocus},
    {.nom = "TSBAide", .genre = Genre::BoutonOutil, .parent = "panelInfo", .geometrie = {4, 4, 20, 20}, .curseur = Qt::UpArrowCursor, .focus = Qt::TabFocus, .bulle = Cle::bulleAide},
    {.nom = "TSBAbout", .genre = Genre::BoutonOutil, .parent = "panelInfo", .geometrie = {24, 4, 20, 20}, .curseur = Qt::UpArrowCursor, .focus = Qt::TabFocus, .texte = "A", .bulle = Cle::bulleAPropos},
    {.nom = "TSBIconify", .genre = Genre::BoutonOutil, .parent = "panelInfo", .geometrie = {44, 4, 20, 20}, .curseur = Qt::UpArrowCursor, .focus = Qt::TabFocus, .texte = "i", .bulle = Cle::bulleIconifier},
    {.nom = "TSBQuit", .genre = Genre::BoutonOutil, .parent = "panelInfo", .geometrie = {64, 4, 20, 20}, .curseur = Qt::UpArrowCursor, .focus = Qt::TabFocus, .texte = "Q", .bulle = Cle::bulleQuitter},
    {.nom = "panelDate", .genre = Genre::Panneau, .parent = "panelInfo", .geometrie = {86, 4, 61, 19}, .fond = 0xC0C0C0, .exterieur = Panneau::Biseau::Enfonce, .interieur = Panneau::Biseau::Enfonce},
    {.nom = "panelInformations", .genre = Genre::Panneau, .parent = "panelInfo", .geometrie = {150, 4, 463, 21}, .fond = 0x57EFF7, .police = {Famille::Sans, 13, true}, .exterieur = Panneau::Biseau::Enfonce, .interieur = Panneau::Biseau::Enfonce},
    {.nom = "SBNumerosDeLaChance", .genre = Genre::BoutonOutil, .parent = "panelInfo", .geometrie = {620, 6, 20, 18}, .police = {Famille::Sans, 12, true, 0xFF0000}, .visible = false, .curseur = Qt::UpArrowCursor, .focus = Qt::TabFocus, .texte = "N", .bulle = Cle::titreNumerosChance},
    {.nom = "SBConfigurationNumerosDeLaChance", .genre = Genre::BoutonOutil, .parent = "panelInfo", .geometrie = {642, 6, 20, 18}, .police = {Famille::Sans, 12, true, 0xFF0000}, .curseur = Qt::UpArrowCursor, .focus = Qt::TabFocus, .texte = "C", .bulle = Cle::bulleOptionsNumeros},
    {.nom = "panelNouveauTirage", .genre = Genre::Panneau, .parent = "panelInfo", .geometrie = {670, 4, 127, 21}, .fond = 0xC0C0C0, .police = {Famille::Sans, 11, true}, .curseur = Qt::UpArrowCursor, .focus = Qt::TabFocus, .texte = "Nouveau tirage...", .legende = Cle::nouveauTirage, .largeurBiseau = 2},
};
// clang-format on

int coteGlypheAide(const QToolButton* aide) {
    return std::max(16, std::min(aide->width(), aide->height()) - 4);
}

} // namespace

BarreInfo::BarreInfo(QWidget* fenetre, ServiceImages& images)
    : QObject(fenetre), fenetre_(fenetre), images_(images) {
    setObjectName(QStringLiteral("barreInfo"));
}

void BarreInfo::construire() {
    construireControles(fenetre_, design);
    barre_ = fenetre_->findChild<Panneau*>(QStringLiteral("panelInfo"));
    informations_ = fenetre_->findChild<Panneau*>(QStringLiteral("panelInformations"));
    numeros_ = fenetre_->findChild<QToolButton*>(QStringLiteral("SBNumerosDeLaChance"));
    numeros_->setCheckable(true);
}

void BarreInfo::preparer() {
    hauteur_ = barre_->height();
    // The user's short date format; without a user locale (the "C" locale, whose short format
    // spells the month and overflows the panel) the ISO form.
    const QLocale ici = QLocale::system();
    fenetre_->findChild<Panneau*>(QStringLiteral("panelDate"))
        ->setText(ici.language() == QLocale::C
                      ? QDate::currentDate().toString(Qt::ISODate)
                      : ici.toString(QDate::currentDate(), QLocale::ShortFormat));

    auto bouton = [this](const char* nom) {
        return fenetre_->findChild<QToolButton*>(QString::fromLatin1(nom));
    };
    connect(bouton("TSBAide"), &QToolButton::clicked, this, &BarreInfo::aide);
    connect(bouton("TSBAbout"), &QToolButton::clicked, this, &BarreInfo::aPropos);
    connect(bouton("TSBIconify"), &QToolButton::clicked, this, &BarreInfo::iconifier);
    connect(bouton("TSBQuit"), &QToolButton::clicked, this, &BarreInfo::quitter);
    connect(numeros_, &QToolButton::clicked, this, &BarreInfo::numerosClique);
    connect(bouton("SBConfigurationNumerosDeLaChance"), &QToolButton::clicked, this,
            &BarreInfo::options);
    auto* nouveau = fenetre_->findChild<Panneau*>(QStringLiteral("panelNouveauTirage"));
    connect(nouveau, &Panneau::clique, this, &BarreInfo::nouveauTirage);
    // Pressed, "Nouveau tirage" looks pressed.
    connect(nouveau, &Panneau::appuye, this,
            [nouveau] { nouveau->setBiseauExterieur(Panneau::Biseau::Enfonce); });
    connect(nouveau, &Panneau::relache, this,
            [nouveau] { nouveau->setBiseauExterieur(Panneau::Biseau::Releve); });
    connect(informations_, &Panneau::doubleClique, this, &BarreInfo::doubleClicInfo);
}

void BarreInfo::preparerImages(qreal ratio) const {
    const int cote = coteGlypheAide(fenetre_->findChild<QToolButton*>(QStringLiteral("TSBAide")));
    images_.preparer(QStringLiteral("aide"), {cote, cote}, 0, ratio);
    images_.preparer(QStringLiteral("aideGrise"), {cote, cote}, 0, ratio);
}

void BarreInfo::montrer() {
    // The help glyph, drawn for the button's scaled size.
    auto* aide = fenetre_->findChild<QToolButton*>(QStringLiteral("TSBAide"));
    if (aide->icon().isNull()) {
        const int cote = coteGlypheAide(aide);
        const qreal ratio = fenetre_->devicePixelRatioF();
        QIcon glyphe;
        glyphe.addPixmap(images_.image(QStringLiteral("aide"), {cote, cote}, ratio), QIcon::Normal);
        glyphe.addPixmap(images_.image(QStringLiteral("aideGrise"), {cote, cote}, ratio),
                         QIcon::Disabled);
        aide->setIcon(glyphe);
        aide->setIconSize({cote, cote});
    }
    // The design's face is narrower than the one standing in for it: a date that would be cut
    // is written a little smaller instead. Measured here, not at creation, which comes before
    // the splash's first paint and would load the font for nothing.
    auto* date = fenetre_->findChild<Panneau*>(QStringLiteral("panelDate"));
    QFont police = date->font();
    while (police.pixelSize() > 8 &&
           QFontMetrics(police).horizontalAdvance(date->text()) > date->contentsRect().width() - 2)
        police.setPixelSize(police.pixelSize() - 1);
    date->setFont(police);
}

void BarreInfo::appliquerLegendes(const Chaines& chaines) {
    lunespiral::appliquerLegendes(fenetre_, design, chaines);
}

void BarreInfo::placer() {
    barre_->setGeometry(0, fenetre_->height() - hauteur_, fenetre_->width(), hauteur_);
}

void BarreInfo::afficherInfo(const QString& texte) {
    informations_->setText(texte);
    informations_->setToolTip(QString()); // only the lucky numbers have a description
}

void BarreInfo::afficherNumeros(const EtatTirage& etat, const Chaines& chaines) {
    if (etat.numerosAffiches()) {
        afficherInfo(QString::fromStdString(etat.texteNumerosChance()));
        // The field's own hint: on the bar, Qt would show it over the date and "Nouveau
        // tirage" too, which have none of their own.
        informations_->setToolTip(versQString(etat.descriptionNumerosChance(chaines.langue)));
        return;
    }
    switch (etat.typeTirage()) {
    case TypeTirage::EnCroix:
        afficherInfo(QString());
        break;
    case TypeTirage::DixMaisons:
        afficherInfo(chaines.msgCliquezMaison);
        break;
    case TypeTirage::Bohemiens:
        afficherInfo(chaines.msgCliquezCarte);
        break;
    case TypeTirage::Aucun:
        informations_->setToolTip(QString());
        break;
    }
}

} // namespace lunespiral
