#include "fSplash.h"

#include "BoiteMessage.h"
#include "Design.h"
#include "Echelle.h"
#include "Globales.h"
#include "MagasinReglages.h"
#include "Polices.h"
#include "RepertoireProgramme.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace lunespiral {

namespace {

// ---------------------------------------------------------------------------------------------
// The design of the window, for a 455 x 304 client area on an 800 x 600 screen at 96 dpi.

// The splash comes before the language choice, so what it says is said in both languages.
const char* const avis = "Tarot divinatoire des 22 arcanes majeurs\n"
                         "Divinatory tarot of the 22 major arcana";
const char* const texteAvis =
    "Lunespiral tire les cartes en croix, en dix maisons ou à la façon des bohémiens. "
    "Ses tirages sont un divertissement et une invitation à la réflexion.\n"
    "Lunespiral lays out cross, ten-house and bohemian readings, offered for entertainment "
    "and reflection.";

constexpr int fondFenetre = 0x8080FF;
constexpr int fondAvis = 0xD7D7FF;

// Order matters twice: parents come before their children, and the focus moves through the
// buttons in the order they are created (English before French inside the frame).
// clang-format off
const Controle design[] = {
    {.nom = "FrameSplash", .genre = Genre::Cadre, .geometrie = {12, 8, 431, 251}},
    {.nom = "lblCompanyProduct", .genre = Genre::Etiquette, .parent = "FrameSplash", .geometrie = {9, 13, 0, 0},
     .police = {Famille::Serif, 27}, .taille = Taille::AuTexte},
    {.nom = "lblAvis", .genre = Genre::Etiquette, .parent = "FrameSplash", .geometrie = {17, 57, 0, 0},
     .texte = avis, .taille = Taille::AuTexte},
    {.nom = "lblTexteAvis", .genre = Genre::Etiquette, .parent = "FrameSplash", .geometrie = {15, 103, 404, 102},
     .fond = fondAvis, .police = {Famille::Sans, 13}, .texte = texteAvis, .taille = Taille::Paragraphe, .marge = 5},
    {.nom = "Image1", .genre = Genre::Image, .parent = "FrameSplash", .geometrie = {388, 16, 32, 32},
     .texte = "iconeSplash"},
    {.nom = "PanelStartEnglish", .genre = Genre::Bouton, .parent = "FrameSplash", .geometrie = {226, 210, 176, 33},
     .police = {Famille::Serif, 21}, .curseur = Qt::PointingHandCursor, .texte = "ENGLISH"},
    {.nom = "PanelStartFrench", .genre = Genre::Bouton, .parent = "FrameSplash", .geometrie = {30, 210, 191, 33},
     .police = {Famille::Serif, 21}, .curseur = Qt::PointingHandCursor, .texte = "FRANCAIS"},
    {.nom = "panelOKAbout", .genre = Genre::Bouton, .geometrie = {26, 218, 405, 33}, .police = {Famille::Serif, 21},
     .visible = false, .curseur = Qt::PointingHandCursor, .texte = "OK"},
    {.nom = "Image2", .genre = Genre::Image, .geometrie = {42, 264, 51, 33}, .texte = "imageSplash"},
    {.nom = "Label1", .genre = Genre::Etiquette, .geometrie = {102, 270, 318, 22}, .police = {Famille::Serif, 21},
     .texte = "www.ludicorium.fr"},
};
// clang-format on

const QString nomProgramme = QStringLiteral("LUNESPIRAL");
const QString versionProgramme = QStringLiteral("2000");

} // namespace

// ---------------------------------------------------------------------------------------------
// Creation.

TfrmSplash::TfrmSplash(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    frmSplash = this;
    construireDesign();
    FormCreate();
    show();
}

TfrmSplash::~TfrmSplash() {
    if (frmSplash == this) frmSplash = nullptr;
}

void TfrmSplash::construireDesign() {
    setGeometry(0, 0, 455, 304);
    peindreFond(this, fondFenetre);
    setFont(policeDesign(Famille::Sans, 11));

    construireControles(this, design);

    PanelStartFrench_ = findChild<QPushButton*>(QStringLiteral("PanelStartFrench"));
    PanelStartEnglish_ = findChild<QPushButton*>(QStringLiteral("PanelStartEnglish"));
    panelOKAbout_ = findChild<QPushButton*>(QStringLiteral("panelOKAbout"));
    connect(PanelStartFrench_, &QPushButton::clicked, this, &TfrmSplash::PanelStartFrenchClick);
    connect(PanelStartEnglish_, &QPushButton::clicked, this, &TfrmSplash::PanelStartEnglishClick);
    connect(panelOKAbout_, &QPushButton::clicked, this, &TfrmSplash::panelOKAboutClick);
}

void TfrmSplash::FormCreate() {
    const QScreen* ecran = QGuiApplication::primaryScreen();
    const Echelle echelle =
        echelleUnique(ecran->size(), ecran->logicalDotsPerInch(), QSize(455, 304));
    mettreAEchelle(this, echelle);
    for (const Controle& l : design)
        if (l.marge > 0)
            findChild<QLabel*>(QString::fromLatin1(l.nom))
                ->setMargin(arrondiEchelle(l.marge * echelle.x));

    repertoireProgramme = repertoireDuProgramme();
    if (repertoireProgramme.isEmpty()) {
        // Before the language choice: said in both languages, once the splash is up.
        QTimer::singleShot(0, this, [] {
            BoiteMessage::information(
                nullptr,
                QStringLiteral(
                    "Lunespiral ne trouve pas le dossier où il est installé : ses fichiers de "
                    "données et d'aide ne seront pas lus.\n"
                    "Lunespiral cannot find the folder it is installed in: its data and "
                    "help files will not be read."));
        });
    }
    titreProgramme = nomProgramme + QLatin1Char(' ') + versionProgramme;
    cleRegistre = cleRegistreParDefaut;

    setWindowTitle(titreProgramme);
    findChild<QLabel*>(QStringLiteral("lblCompanyProduct"))->setText(titreProgramme);
    // Labels sized to their text are sized once their font has its final size, so that the
    // rounding of a scaled font never cuts the last letter.
    for (const Controle& l : design)
        if (l.taille == Taille::AuTexte)
            findChild<QLabel*>(QString::fromLatin1(l.nom))->adjustSize();

    setFixedSize(size());
    centrer();
    PanelStartFrench_->setFocus();
}

void TfrmSplash::centrer() {
    const QRect ecran = QGuiApplication::primaryScreen()->geometry();
    move(ecran.center() - rect().center());
}

// ---------------------------------------------------------------------------------------------
// The language, once for the run.

void TfrmSplash::choisirLangue(int code) {
    langue = code;
    if (appliquerLangue) appliquerLangue();
    hide();
    if (timerDebut_) timerDebut_->start();
}

void TfrmSplash::PanelStartFrenchClick() {
    choisirLangue(1);
}

void TfrmSplash::PanelStartEnglishClick() {
    choisirLangue(2);
}

// ---------------------------------------------------------------------------------------------
// The about window.

void TfrmSplash::montrerAPropos() {
    if (fenetrePrincipale_) fenetrePrincipale_->setEnabled(false);
    PanelStartFrench_->hide();
    PanelStartEnglish_->hide();
    panelOKAbout_->show();
    centrer();
    show();
    raise();
    activateWindow();
    panelOKAbout_->setFocus();
}

void TfrmSplash::panelOKAboutClick() {
    hide();
    if (fenetrePrincipale_) {
        fenetrePrincipale_->setEnabled(true);
        fenetrePrincipale_->raise();
        fenetrePrincipale_->activateWindow();
    }
}

// ---------------------------------------------------------------------------------------------
// The end of the program.

void TfrmSplash::closeEvent(QCloseEvent* e) {
    if (timerDebut_) timerDebut_->stop();
    e->accept();
    emit ferme();
}

void TfrmSplash::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        // At start a language must be chosen; the about window is left as with OK.
        if (panelOKAbout_->isVisible()) panelOKAboutClick();
        return;
    }
    QWidget::keyPressEvent(e);
}

} // namespace lunespiral
