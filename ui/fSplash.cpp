#include "fSplash.h"

#include "BoiteMessage.h"
#include "Echelle.h"
#include "Globales.h"
#include "ImageControle.h"
#include "MagasinReglages.h"
#include "OptionsChance.h"
#include "Polices.h"
#include "RepertoireProgramme.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHash>
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

enum class Genre { Cadre, Etiquette, Image, Bouton };
enum class Taille { Fixe, AuTexte, Paragraphe };

struct Ligne {
    const char* nom;
    Genre genre;
    const char* parent; // "" for the window itself
    int x, y, largeur, hauteur;
    Taille taille = Taille::Fixe;
    Famille famille = Famille::Sans;
    int pixels = 0;  // 0: the window's font
    int fond = -1;   // #RRGGBB, or -1 for none
    bool visible = true;
    const char* texte = ""; // caption, or the picture's name
    int marge = 0;          // inner margin of a paragraph
};

constexpr int fondFenetre = 0x8080FF;
constexpr int fondAvis = 0xD7D7FF;

// Order matters twice: parents come before their children, and the focus moves through the
// buttons in the order they are created (English before French inside the frame).
const Ligne design[] = {
    {"FrameSplash", Genre::Cadre, "", 12, 8, 431, 251},
    {"lblCompanyProduct", Genre::Etiquette, "FrameSplash", 9, 13, 0, 0, Taille::AuTexte, Famille::Serif, 27},
    {"lblAvis", Genre::Etiquette, "FrameSplash", 17, 57, 0, 0, Taille::AuTexte, Famille::Sans, 0, -1, true, avis},
    {"lblTexteAvis", Genre::Etiquette, "FrameSplash", 15, 103, 404, 102, Taille::Paragraphe, Famille::Sans, 13, fondAvis, true, texteAvis, 5},
    {"Image1", Genre::Image, "FrameSplash", 388, 16, 32, 32, Taille::Fixe, Famille::Sans, 0, -1, true, "iconeSplash"},
    {"PanelStartEnglish", Genre::Bouton, "FrameSplash", 226, 210, 176, 33, Taille::Fixe, Famille::Serif, 21, -1, true, "ENGLISH"},
    {"PanelStartFrench", Genre::Bouton, "FrameSplash", 30, 210, 191, 33, Taille::Fixe, Famille::Serif, 21, -1, true, "FRANCAIS"},
    {"panelOKAbout", Genre::Bouton, "", 26, 218, 405, 33, Taille::Fixe, Famille::Serif, 21, -1, false, "OK"},
    {"Image2", Genre::Image, "", 42, 264, 51, 33, Taille::Fixe, Famille::Sans, 0, -1, true, "imageSplash"},
    {"Label1", Genre::Etiquette, "", 102, 270, 318, 22, Taille::Fixe, Famille::Serif, 21, -1, true, "www.ludicorium.fr"},
};

const QString nomProgramme = QStringLiteral("LUNESPIRAL");
const QString versionProgramme = QStringLiteral("2000");

QColor couleur(int rrggbb) { return QColor::fromRgb(static_cast<QRgb>(rrggbb)); }

void peindreFond(QWidget* w, int rrggbb) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, couleur(rrggbb));
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

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

    QHash<QString, QWidget*> parents;
    for (const Ligne& l : design) {
        QWidget* parent = *l.parent ? parents.value(QString::fromLatin1(l.parent)) : this;
        const QString texte = QString::fromUtf8(l.texte);
        QWidget* w = nullptr;
        switch (l.genre) {
        case Genre::Cadre: w = new QGroupBox(parent); break;
        case Genre::Etiquette: {
            auto* e = new QLabel(texte, parent);
            e->setWordWrap(l.taille == Taille::Paragraphe);
            e->setAlignment(l.taille == Taille::Fixe         ? Qt::AlignCenter
                            : l.taille == Taille::Paragraphe ? Qt::AlignLeft | Qt::AlignVCenter
                                                             : Qt::AlignLeft | Qt::AlignTop);
            w = e;
            break;
        }
        case Genre::Image: {
            auto* i = new ImageControle(parent);
            i->setImage(texte);
            w = i;
            break;
        }
        case Genre::Bouton: {
            auto* b = new QPushButton(texte, parent);
            // Enter chooses the focused button as Space does, outside a dialog too.
            b->setAutoDefault(true);
            b->setCursor(Qt::PointingHandCursor);
            w = b;
            break;
        }
        }
        w->setObjectName(QString::fromLatin1(l.nom));
        w->setGeometry(l.x, l.y, l.largeur, l.hauteur);
        if (l.pixels > 0) w->setFont(policeDesign(l.famille, l.pixels));
        if (l.fond >= 0) peindreFond(w, l.fond);
        w->setVisible(l.visible);
        parents.insert(w->objectName(), w);
    }

    PanelStartFrench_ = findChild<QPushButton*>(QStringLiteral("PanelStartFrench"));
    PanelStartEnglish_ = findChild<QPushButton*>(QStringLiteral("PanelStartEnglish"));
    panelOKAbout_ = findChild<QPushButton*>(QStringLiteral("panelOKAbout"));
    connect(PanelStartFrench_, &QPushButton::clicked, this, &TfrmSplash::PanelStartFrenchClick);
    connect(PanelStartEnglish_, &QPushButton::clicked, this, &TfrmSplash::PanelStartEnglishClick);
    connect(panelOKAbout_, &QPushButton::clicked, this, &TfrmSplash::panelOKAboutClick);
}

void TfrmSplash::FormCreate() {
    const QScreen* ecran = QGuiApplication::primaryScreen();
    const Echelle echelle = echelleUnique(ecran->size(), ecran->logicalDotsPerInch(), QSize(455, 304));
    mettreAEchelle(this, echelle);
    for (const Ligne& l : design)
        if (l.marge > 0)
            findChild<QLabel*>(QString::fromLatin1(l.nom))->setMargin(arrondiEchelle(l.marge * echelle.x));

    repertoireProgramme = repertoireDuProgramme();
    if (repertoireProgramme.isEmpty()) {
        // Before the language choice: said in both languages, once the splash is up.
        QTimer::singleShot(0, this, [] {
            BoiteMessage::information(
                nullptr, QStringLiteral("Lunespiral ne trouve pas le dossier où il est installé : ses fichiers de "
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
    for (const Ligne& l : design)
        if (l.taille == Taille::AuTexte) findChild<QLabel*>(QString::fromLatin1(l.nom))->adjustSize();

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

void TfrmSplash::PanelStartFrenchClick() { choisirLangue(1); }

void TfrmSplash::PanelStartEnglishClick() { choisirLangue(2); }

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
