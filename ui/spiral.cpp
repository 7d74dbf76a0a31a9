#include "spiral.h"

#include "Application.h"
#include "Arcanes.h"
#include "BoiteMessage.h"
#include "Erreurs.h"
#include "GarderLecture.h"
#include "Globales.h"
#include "Chaines.h"
#include "Langue.h"
#include "LectureAffichee.h"
#include "Libelles.h"
#include "NumerosChance.h"
#include "OptionsChance.h"
#include "ServiceImages.h"
#include "TexteLecture.h"
#include "VisionneuseAide.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QAccessible>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHash>
#include <QIcon>
#include <QKeyEvent>
#include <QLocale>
#include <QPainter>
#include <QRegion>
#include <QScreen>
#include <QShortcut>

#include <optional>

namespace lunespiral {

namespace {

// ---------------------------------------------------------------------------------------------
// The design of the window, for an 800 x 553 client area at 96 dots per inch.

enum class Genre { Panneau, Memo, Image, Bouton };

constexpr const char* sans = "MS Sans Serif";
constexpr const char* serif = "Times New Roman";

struct Police {
    const char* famille = nullptr; // nullptr: the parent's font
    int pixels = 0;
    bool gras = false;
    int couleur = -1; // #RRGGBB, or -1 for the default text colour
};

using B = Panneau::Biseau;

struct Ligne {
    const char* nom;
    Genre genre;
    const char* parent; // "" for the window itself
    int x, y, largeur, hauteur;
    int fond = -1; // #RRGGBB, or -1
    Police police = {};
    B exterieur = B::Releve;
    B interieur = B::Aucun;
    bool visible = true;
    Qt::CursorShape curseur = Qt::ArrowCursor;
    const char* legende = "";
    bool defilement = false; // memo with a vertical scroll bar
    int largeurBiseau = 1;
};

const Ligne design[] = {
    // Picture holders: never shown, they only carry pictures for the others.
    {"imageProjets", Genre::Image, "", 0, 0, 46, 32, -1, {}, B::Aucun, B::Aucun, false},

    // The bottom bar.
    {"panelInfo", Genre::Panneau, "", 0, 525, 800, 28, 0x0080C0},
    {"TSBAide", Genre::Bouton, "panelInfo", 4, 4, 20, 20, -1, {}, B::Aucun, B::Aucun, true, Qt::UpArrowCursor},
    {"TSBAbout", Genre::Bouton, "panelInfo", 24, 4, 20, 20, -1, {}, B::Aucun, B::Aucun, true, Qt::UpArrowCursor, "A"},
    {"TSBIconify", Genre::Bouton, "panelInfo", 44, 4, 20, 20, -1, {}, B::Aucun, B::Aucun, true, Qt::UpArrowCursor, "i"},
    {"TSBQuit", Genre::Bouton, "panelInfo", 64, 4, 20, 20, -1, {}, B::Aucun, B::Aucun, true, Qt::UpArrowCursor, "Q"},
    {"panelDate", Genre::Panneau, "panelInfo", 86, 4, 61, 19, 0xC0C0C0, {}, B::Enfonce, B::Enfonce},
    {"panelInformations", Genre::Panneau, "panelInfo", 150, 4, 463, 21, 0x57EFF7, {sans, 13, true}, B::Enfonce, B::Enfonce},
    {"SBNumerosDeLaChance", Genre::Bouton, "panelInfo", 620, 6, 20, 18, -1, {sans, 12, true, 0xFF0000}, B::Aucun, B::Aucun, false, Qt::UpArrowCursor, "N"},
    {"SBConfigurationNumerosDeLaChance", Genre::Bouton, "panelInfo", 642, 6, 20, 18, -1, {sans, 12, true, 0xFF0000}, B::Aucun, B::Aucun, true, Qt::UpArrowCursor, "C"},
    {"panelNouveauTirage", Genre::Panneau, "panelInfo", 670, 4, 127, 21, 0xC0C0C0, {sans, 11, true}, B::Releve, B::Aucun, true, Qt::UpArrowCursor, "Nouveau tirage...", false, 2},

    // The present side of the cross.
    {"SuperPanelPresent", Genre::Panneau, "", 2, 2, 255, 493, 0x004000, {}, B::Releve, B::Aucun, false},
    {"panelTitrePresentCroix", Genre::Panneau, "SuperPanelPresent", 4, 4, 247, 23, 0x00A800, {sans, 16, true}, B::Enfonce, B::Enfonce},
    {"superMemoPresent", Genre::Memo, "SuperPanelPresent", 4, 30, 247, 100, 0x00FF80, {serif, 16, true, 0x004000}, B::Aucun, B::Aucun, false, Qt::ArrowCursor, "", true},
    {"memoPresentProjets", Genre::Memo, "SuperPanelPresent", 58, 142, 193, 75, 0x80FFFF, {serif, 12, true, 0x004080}, B::Aucun, B::Aucun, true, Qt::ArrowCursor, "", true},
    {"memoPresentAmour", Genre::Memo, "SuperPanelPresent", 58, 230, 193, 75, 0xFFCAE4, {serif, 12, true, 0xFF0000}, B::Aucun, B::Aucun, true, Qt::ArrowCursor, "", true},
    {"memoPresentSante", Genre::Memo, "SuperPanelPresent", 58, 320, 193, 75, 0x80FF80, {serif, 12, true, 0x004000}, B::Aucun, B::Aucun, true, Qt::ArrowCursor, "", true},
    {"memoPresentRelPerso", Genre::Memo, "SuperPanelPresent", 58, 408, 193, 75, 0xFFCEB7, {serif, 12, true, 0x800000}, B::Aucun, B::Aucun, true, Qt::ArrowCursor, "", true},
    {"imageProjetsPresent", Genre::Image, "SuperPanelPresent", 6, 165, 46, 32},
    {"imageAmourPresent", Genre::Image, "SuperPanelPresent", 6, 251, 45, 32},
    {"imageSantePresent", Genre::Image, "SuperPanelPresent", 6, 343, 44, 32},
    {"imageRelPersoPresent", Genre::Image, "SuperPanelPresent", 6, 430, 45, 29},

    // The future side.
    {"SuperPanelFutur", Genre::Panneau, "", 542, 4, 257, 493, 0x800000, {}, B::Releve, B::Aucun, false},
    {"panelTitreFuturCroix", Genre::Panneau, "SuperPanelFutur", 4, 4, 247, 23, 0xCA9595, {sans, 16, true}, B::Enfonce, B::Enfonce},
    {"superMemoFutur", Genre::Memo, "SuperPanelFutur", 4, 30, 247, 100, 0xFF8080, {serif, 16, true, 0x800000}, B::Aucun, B::Aucun, false, Qt::ArrowCursor, "", true},
    {"memoFuturProjets", Genre::Memo, "SuperPanelFutur", 6, 142, 193, 75, 0x80FFFF, {serif, 12, true, 0x004080}, B::Aucun, B::Aucun, true, Qt::ArrowCursor, "", true},
    {"memoFuturAmour", Genre::Memo, "SuperPanelFutur", 6, 230, 193, 75, 0xFFCAE4, {serif, 12, true, 0xFF0000}, B::Aucun, B::Aucun, true, Qt::ArrowCursor, "", true},
    {"memoFuturSante", Genre::Memo, "SuperPanelFutur", 6, 320, 193, 75, 0x80FF80, {serif, 12, true, 0x004000}, B::Aucun, B::Aucun, true, Qt::ArrowCursor, "", true},
    {"memoFuturRelPerso", Genre::Memo, "SuperPanelFutur", 6, 408, 193, 75, 0xFFCEB7, {serif, 12, true, 0x800000}, B::Aucun, B::Aucun, true, Qt::ArrowCursor, "", true},
    {"imageProjetsFutur", Genre::Image, "SuperPanelFutur", 206, 165, 46, 32},
    {"imageAmourFutur", Genre::Image, "SuperPanelFutur", 206, 251, 45, 32},
    {"imageSanteFutur", Genre::Image, "SuperPanelFutur", 206, 341, 44, 32},
    {"imageRelPersoFutur", Genre::Image, "SuperPanelFutur", 206, 430, 45, 29},

    // The bottom band of the cross.
    {"panelPhraseGlobale", Genre::Panneau, "", 0, 470, 800, 55, 0x0000FF, {}, B::Releve, B::Aucun, false},
    {"memoPhraseGlobale", Genre::Memo, "panelPhraseGlobale", 4, 4, 791, 47, 0xA4A4FF, {serif, 16, true, 0x000080}, B::Aucun, B::Aucun, true, Qt::ArrowCursor, "", true},

    // The house view.
    {"panelCentralMaison", Genre::Panneau, "", 110, 248, 567, 143, 0xFF8040, {}, B::Releve, B::Aucun, false},
    {"imageMaisonCourante", Genre::Image, "panelCentralMaison", 10, 10, 109, 125},
    {"panelNomMaison", Genre::Panneau, "panelCentralMaison", 124, 10, 433, 27, 0xFFC1A4, {sans, 16, true}, B::Enfonce, B::Enfonce},
    {"panelPhraseMaison", Genre::Memo, "panelCentralMaison", 124, 40, 433, 97, 0xFFC1A4, {serif, 19, true, 0x004080}, B::Aucun, B::Aucun, true, Qt::ArrowCursor, "", true},

    // The bohemian view.
    {"panelCentralBohemien", Genre::Memo, "", 58, 246, 681, 285, 0xFF80C0, {serif, 32, true, 0x800040}, B::Aucun, B::Aucun, false},

    // The spread chooser.
    {"panelSelectionTirage", Genre::Panneau, "", 0, 0, 617, 199, 0x0000A0, {}, B::Releve, B::Aucun, false},
    {"panelChooseTirage", Genre::Panneau, "panelSelectionTirage", 6, 6, 605, 33, 0x57EFF7, {serif, 16, true}, B::Enfonce, B::Enfonce},
    {"Panel1", Genre::Panneau, "panelSelectionTirage", 6, 44, 201, 149, 0x0080C0},
    {"imageTirageEnCroix", Genre::Image, "Panel1", 3, 3, 194, 108, -1, {}, B::Aucun, B::Aucun, true, Qt::PointingHandCursor},
    {"panelTirageEnCroix", Genre::Panneau, "Panel1", 3, 114, 194, 31, 0x5EAEFF, {serif, 16, true}, B::Enfonce, B::Enfonce, true, Qt::PointingHandCursor},
    {"Panel2", Genre::Panneau, "panelSelectionTirage", 210, 44, 201, 149, 0xFF8040},
    {"imageTirageDixMaisons", Genre::Image, "Panel2", 3, 3, 194, 108, -1, {}, B::Aucun, B::Aucun, true, Qt::PointingHandCursor},
    {"panelTirageEnDixMaisons", Genre::Panneau, "Panel2", 3, 114, 194, 31, 0xFFB895, {serif, 16, true}, B::Enfonce, B::Enfonce, true, Qt::PointingHandCursor},
    {"Panel3", Genre::Panneau, "panelSelectionTirage", 414, 44, 197, 149, 0xFF0080},
    {"imageTirageBohemiens", Genre::Image, "Panel3", 3, 3, 191, 108, -1, {}, B::Aucun, B::Aucun, true, Qt::PointingHandCursor},
    {"panelTirageDesBohemiens", Genre::Panneau, "Panel3", 3, 114, 191, 31, 0xFF80C0, {serif, 16, true}, B::Enfonce, B::Enfonce, true, Qt::PointingHandCursor},
};

QStringList familles(const char* famille) {
    if (QLatin1String(famille) == QLatin1String(serif))
        return {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"), QStringLiteral("serif")};
    return {QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"), QStringLiteral("sans-serif")};
}

QFont policeDe(const Police& p, const QFont& base) {
    QFont f = base;
    f.setFamilies(familles(p.famille));
    f.setPixelSize(p.pixels);
    f.setBold(p.gras);
    return f;
}

QColor couleur(int rrggbb) { return QColor::fromRgb(static_cast<QRgb>(rrggbb)); }

const QColor argent(192, 192, 192);
const QColor jaune(255, 255, 0);

// The numeral strip at the top of a face, left out of the mosaic tiles.
constexpr int hauteurBandeauFace = 20;

int coteGlypheAide(const QToolButton* aide) { return std::max(16, std::min(aide->width(), aide->height()) - 4); }

} // namespace

// ---------------------------------------------------------------------------------------------
// Creation.

TfrmLunespiral::TfrmLunespiral(QWidget* parent, Creation creation) : QWidget(parent) {
    setObjectName(QStringLiteral("frmLunespiral"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    frmLunespiral = this;
    timerDebut_ = new QTimer(this);
    timerDebut_->setObjectName(QStringLiteral("timerDebut"));
    timerDebut_->setSingleShot(true);
    timerDebut_->setInterval(1);
    connect(timerDebut_, &QTimer::timeout, this, &TfrmLunespiral::timerDebutTimer);
    // 13. (of FormCreate) The options are read with the window, deferred or not. A store that
    // cannot be read or written still leaves the program usable with the defaults; the message
    // waits until the event loop runs so that it shows over the splash.
    try {
        MagasinReglages magasin(cleRegistre.isEmpty() ? cleRegistreParDefaut : cleRegistre);
        chargerOptions(optionsChance(), magasin);
    } catch (const ErreurReglages& e) {
        const QString message = QString::fromUtf8(e.what());
        QTimer::singleShot(0, this, [message] { BoiteMessage::information(nullptr, message); });
    }
    if (creation == Creation::Complete) terminerCreation();
    // See eventFilter: the window's controls are not repainted when it is disabled or enabled.
    qApp->installEventFilter(this);
}

bool TfrmLunespiral::eventFilter(QObject* objet, QEvent* e) {
    // The window is disabled while the options or the about window are open, so that it takes
    // no input. Its look does not change (its disabled colours are its normal ones), yet Qt
    // would repaint every control on the way in and again on the way out: the whole screen,
    // twice per dialog. That repaint is skipped; assistive technologies still hear of the change.
    if (e->type() == QEvent::EnabledChange && objet->isWidgetType() && static_cast<QWidget*>(objet)->window() == this) {
        if (objet == this) {
            QAccessible::State etat;
            etat.disabled = true;
            QAccessibleStateChangeEvent changement(this, etat);
            QAccessible::updateAccessibility(&changement);
        }
        return true;
    }
    return QWidget::eventFilter(objet, e);
}

void TfrmLunespiral::construireDesign() {
    resize(800, 553);
    QPalette fond = palette();
    fond.setColor(QPalette::Window, QColor(0x00, 0x00, 0x40));
    // Disabled while a dialog is open over it, and inactive while the dialog has the focus, the
    // window keeps its colours meanwhile (and Qt need not repaint it for either change).
    for (int r = 0; r < QPalette::NColorRoles; ++r) {
        const auto role = static_cast<QPalette::ColorRole>(r);
        if (role == QPalette::NoRole) continue;
        fond.setColor(QPalette::Disabled, role, fond.color(QPalette::Active, role));
        fond.setColor(QPalette::Inactive, role, fond.color(QPalette::Active, role));
    }
    setPalette(fond);
    setAutoFillBackground(false);
    setFont(policeDe({sans, 11, false}, font()));

    QHash<QString, QWidget*> parents;
    parents.insert(QString(), this);
    for (const Ligne& l : design) {
        QWidget* parent = parents.value(QString::fromLatin1(l.parent), this);
        QWidget* w = nullptr;
        switch (l.genre) {
        case Genre::Panneau: {
            auto* p = new Panneau(parent);
            if (l.fond >= 0) p->setCouleur(couleur(l.fond));
            p->setBiseauExterieur(l.exterieur);
            p->setBiseauInterieur(l.interieur);
            p->setLargeurBiseau(l.largeurBiseau);
            p->setText(QString::fromUtf8(l.legende));
            if (l.police.couleur >= 0) p->setCouleurTexte(couleur(l.police.couleur));
            w = p;
            break;
        }
        case Genre::Memo: {
            auto* m = new Memo(parent);
            m->setCouleurs(couleur(l.fond), couleur(std::max(l.police.couleur, 0)));
            m->setDefilement(l.defilement);
            w = m;
            break;
        }
        case Genre::Image: w = new ImageControle(parent); break;
        case Genre::Bouton: {
            auto* b = new QToolButton(parent);
            b->setAutoRaise(true);
            b->setFocusPolicy(Qt::NoFocus);
            b->setText(QString::fromUtf8(l.legende));
            if (l.police.couleur >= 0) {
                QPalette p = b->palette();
                p.setColor(QPalette::ButtonText, couleur(l.police.couleur));
                b->setPalette(p);
            }
            w = b;
            break;
        }
        }
        w->setObjectName(QString::fromLatin1(l.nom));
        w->setGeometry(l.x, l.y, l.largeur, l.hauteur);
        if (l.police.famille) w->setFont(policeDe(l.police, font()));
        w->setCursor(l.curseur);
        w->setVisible(l.visible);
        parents.insert(w->objectName(), w);
    }

    // Picture holders for the faces, the back and the houses: never shown, they carry the
    // pictures' names for the controls that show them (hidden, they render nothing).
    QStringList porteurs{QStringLiteral("picFond")};
    for (int k = 1; k <= nbArcanes; ++k) porteurs << (imagesFaces_[k] = QStringLiteral("Image%1").arg(k));
    for (int h = 1; h <= nbMaisons; ++h) porteurs << (imagesMaisons_[h] = QStringLiteral("imageMaison%1").arg(h));
    for (const QString& nom : porteurs) {
        auto* porteur = new ImageControle(this);
        porteur->setObjectName(nom);
        porteur->setImage(nom);
        porteur->hide();
    }
    controle<ImageControle>("imageProjets")->setImage(QStringLiteral("imageProjets"));
    // The house emblems differ widely in shape (the coins are three times wider than high):
    // stretched into one box they would be distorted, so the view keeps their proportions.
    controle<ImageControle>("imageMaisonCourante")->setGarderProportions(true);
    controle<ImageControle>("imageTirageEnCroix")->setImage(QStringLiteral("imageTirageEnCroix"));
    controle<ImageControle>("imageTirageDixMaisons")->setImage(QStringLiteral("imageTirageDixMaisons"));
    controle<ImageControle>("imageTirageBohemiens")->setImage(QStringLiteral("imageTirageBohemiens"));

    sbNumeros_ = controle<QToolButton>("SBNumerosDeLaChance");
    sbNumeros_->setCheckable(true);
    sbConfiguration_ = controle<QToolButton>("SBConfigurationNumerosDeLaChance");

    panelInfo_ = controle<Panneau>("panelInfo");
    panelInformations_ = controle<Panneau>("panelInformations");
    panelNouveauTirage_ = controle<Panneau>("panelNouveauTirage");
    panelSelectionTirage_ = controle<Panneau>("panelSelectionTirage");
    panelPhraseGlobale_ = controle<Panneau>("panelPhraseGlobale");
    panelCentralMaison_ = controle<Panneau>("panelCentralMaison");
    panelCentralBohemien_ = controle<Memo>("panelCentralBohemien");
    // The keyboard reaches what the mouse reaches; a click never moves the focus to them, so
    // nothing changes for the mouse. The big texts are never tab stops.
    for (const char* nom : {"imageTirageEnCroix", "imageTirageDixMaisons", "imageTirageBohemiens"})
        controle<ImageControle>(nom)->setFocusPolicy(Qt::TabFocus);
    for (const char* nom : {"TSBAide", "TSBAbout", "TSBIconify", "TSBQuit", "SBNumerosDeLaChance",
                            "SBConfigurationNumerosDeLaChance"})
        controle<QToolButton>(nom)->setFocusPolicy(Qt::TabFocus);
    panelNouveauTirage_->setFocusPolicy(Qt::TabFocus);
    for (auto* p : {controle<Panneau>("panelTitrePresentCroix"), controle<Panneau>("panelTitreFuturCroix"),
                    panelInfo_, panelCentralMaison_})
        p->setFocusPolicy(Qt::ClickFocus);

}

void TfrmLunespiral::terminerCreation() {
    if (creationTerminee_) return;
    creationTerminee_ = true;
    FormCreate();
}

void TfrmLunespiral::FormCreate() {
    construireDesign();

    // 1. Scaling: across by the width, down by the height, fonts by the smaller of the two.
    const QScreen* ecran = QGuiApplication::primaryScreen();
    const QSize taille = ecran ? ecran->size() : QSize(800, 600);
    const double ppp = ecran ? ecran->logicalDotsPerInch() : 96.0;
    echelle_ = echelleFenetrePrincipale(taille.width(), taille.height(), ppp);
    mettreAEchelle(this, echelle_);
    hauteurPanelInfo_ = panelInfo_->height();
    // Texts shrink to fit their boxes, down to what can still be read on this screen.
    const int tailleLisible = taille.width() >= 1024 ? 11 : 9;
    for (Memo* m : findChildren<Memo*>()) m->setTailleMinimale(tailleLisible);
    // The help glyph is drawn when the window is first shown (timerDebutTimer), not here:
    // creation comes before the splash's first paint.
    hauteurPhraseGlobale_ = panelPhraseGlobale_->height();
    placerPanneauxDuBas();

    // 2. Domain icons share the pictures of the projects emblem and of three houses.
    const QString images[][2] = {{"imageProjetsPresent", "imageProjets"}, {"imageProjetsFutur", "imageProjets"},
                                 {"imageSantePresent", "imageMaison1"},   {"imageSanteFutur", "imageMaison1"},
                                 {"imageRelPersoPresent", "imageMaison2"}, {"imageRelPersoFutur", "imageMaison2"},
                                 {"imageAmourPresent", "imageMaison10"},  {"imageAmourFutur", "imageMaison10"}};
    for (const auto& [cible, source] : images) findChild<ImageControle*>(cible)->setImage(source);

    // 3.
    // (the reading state starts with no spread complete)

    // 4. Card sizes follow the screen: width with its width, height with its height.
    largeurCarte_ = arrondi(echelleX * 90);
    hauteurCarte_ = arrondi(echelleY * 165);
    ecartCarte_ = arrondi(echelleX * 3);
    margeCarte_ = arrondi(echelleX * 20);

    // 5.
    // The user's short date format; without a user locale (the "C" locale, whose short format
    // spells the month and overflows the panel) the ISO form.
    const QLocale ici = QLocale::system();
    controle<Panneau>("panelDate")->setText(ici.language() == QLocale::C
                                                ? QDate::currentDate().toString(Qt::ISODate)
                                                : ici.toString(QDate::currentDate(), QLocale::ShortFormat));

    creerControlesDynamiques();
    relierEvenements();

    // 13. The lucky-number options were read by the constructor.

    // 14.
    CalculerPositions();

    // The pictures the window shows first, in the order it needs them: the mosaic and the
    // spread chooser right after the language choice, then the deck, the faces and the houses.
    // The picture service draws them while the splash waits for the language.
    ServiceImages& service = ServiceImages::instance();
    const qreal ratio = devicePixelRatioF();
    const int tw = mosaique_[1][1]->width(), th = mosaique_[1][1]->height();
    for (int k = 1; k <= nbArcanes; ++k) service.preparer(imagesFaces_[k], {tw, th + hauteurBandeauFace}, hauteurBandeauFace, ratio);
    for (const char* nom : {"imageTirageEnCroix", "imageTirageDixMaisons", "imageTirageBohemiens"}) {
        const ImageControle* c = controle<ImageControle>(nom);
        service.preparer(c->image(), c->size(), 0, ratio);
    }
    const int cote = coteGlypheAide(controle<QToolButton>("TSBAide"));
    service.preparer(QStringLiteral("aide"), {cote, cote}, 0, ratio);
    service.preparer(QStringLiteral("aideGrise"), {cote, cote}, 0, ratio);
    const QSize carte(largeurCarte_, hauteurCarte_);
    service.preparer(QStringLiteral("picFond"), carte, 0, ratio);
    for (int k = 1; k <= nbArcanes; ++k) service.preparer(imagesFaces_[k], carte, 0, ratio);
    // The house view keeps each emblem's proportions, as ImageControle draws it.
    const QSize maison = controle<ImageControle>("imageMaisonCourante")->size();
    for (int h = 1; h <= nbMaisons; ++h) service.preparer(imagesMaisons_[h], maison, 0, ratio, Qt::KeepAspectRatio);
    for (const char* nom : {"imageProjetsPresent", "imageAmourPresent", "imageSantePresent", "imageRelPersoPresent",
                            "imageProjetsFutur", "imageAmourFutur", "imageSanteFutur", "imageRelPersoFutur"}) {
        const ImageControle* c = controle<ImageControle>(nom);
        service.preparer(c->image(), c->size(), 0, ratio);
    }
}

Panneau* TfrmLunespiral::nouvelleEtiquette(int hauteur) {
    auto* p = new Panneau(this);
    p->setCouleur(palette().color(QPalette::Button));
    p->resize(largeurCarte_, hauteur);
    p->hide();
    return p;
}

void TfrmLunespiral::creerControlesDynamiques() {
    const int hauteurEtiquette = arrondi(echelleY * 16);
    // 6.
    for (int n = 1; n <= nbHorizons; ++n) {
        etiquettesHorizons_[n] = nouvelleEtiquette(hauteurEtiquette);
        etiquettesHorizons_[n]->setObjectName(QStringLiteral("etiquettesHorizons%1").arg(n));
    }
    // 7. The name labels take a font in points; on wide screens the smaller factor keeps the
    // name within the card.
    for (int n = 1; n <= nbMaisons; ++n) {
        etiquettesNoms_[n] = nouvelleEtiquette(hauteurEtiquette);
        etiquettesNoms_[n]->setObjectName(QStringLiteral("etiquettesNoms%1").arg(n));
        QFont f = font();
        f.setPointSize(std::max(1, arrondi(std::min(echelleX, echelleY) * 8)));
        etiquettesNoms_[n]->setFont(f);
    }
    // 8.
    for (int h = 1; h <= nbMaisons; ++h) {
        etiquettesMaisons_[h] = nouvelleEtiquette(hauteurEtiquette);
        etiquettesMaisons_[h]->setObjectName(QStringLiteral("etiquettesMaisons%1").arg(h));
    }
    // 9.
    const int hauteurTuile = hauteurCarte_ - arrondi(echelleX * 20);
    for (int i = 1; i <= 10; ++i)
        for (int j = 1; j <= 5; ++j) {
            auto* tuile = new ImageControle(this);
            tuile->setObjectName(QStringLiteral("mosaique%1_%2").arg(i).arg(j));
            tuile->resize(largeurCarte_, hauteurTuile);
            tuile->hide();
            mosaique_[i][j] = tuile;
        }
    // 10. The cross, centred on the width of the scaled design.
    const int L = largeurCarte_, H = hauteurCarte_, g = ecartCarte_;
    const int xc = (width() - L) / 2, yc = 2 * g + H;
    posCroix_[5] = {xc, yc};
    posCroix_[1] = {xc - (g + L), yc};
    posCroix_[2] = {xc, yc - (g + H)};
    posCroix_[3] = {xc + g + L, yc};
    posCroix_[4] = {xc, yc + g + H};
    // 11.
    for (int k = 1; k <= nbArcanes; ++k) {
        auto* carte = new ImageControle(this);
        carte->setObjectName(QStringLiteral("cartesTalon%1").arg(k));
        carte->resize(largeurCarte_, hauteurCarte_);
        carte->setCursor(Qt::PointingHandCursor);
        carte->setTag(k);
        carte->hide();
        connect(carte, &ImageControle::clique, this, [this](ImageControle* c) { AppelCliqueMain(c->tag()); });
        cartesTalon_[k] = carte;
    }

    // Tab walks the spread choices, then the deck, then the bottom bar.
    QWidget* precedent = controle<QWidget>("imageTirageEnCroix");
    auto suivant = [&precedent](QWidget* w) {
        setTabOrder(precedent, w);
        precedent = w;
    };
    suivant(controle<QWidget>("imageTirageDixMaisons"));
    suivant(controle<QWidget>("imageTirageBohemiens"));
    for (int k = 1; k <= nbArcanes; ++k) suivant(cartesTalon_[k]);
    for (const char* nom : {"TSBAide", "TSBAbout", "TSBIconify", "TSBQuit", "SBNumerosDeLaChance",
                            "SBConfigurationNumerosDeLaChance", "panelNouveauTirage"})
        suivant(controle<QWidget>(nom));

    // Pictures always lie under panels and text boxes, and among themselves the later ones
    // above the earlier ones.
    const auto images = findChildren<ImageControle*>(QString(), Qt::FindDirectChildrenOnly);
    for (auto it = images.rbegin(); it != images.rend(); ++it) (*it)->lower();
}

void TfrmLunespiral::relierEvenements() {
    connect(controle<QToolButton>("TSBAide"), &QToolButton::clicked, this, &TfrmLunespiral::TSBAideClick);
    connect(controle<QToolButton>("TSBAbout"), &QToolButton::clicked, this, &TfrmLunespiral::TSBAboutClick);
    connect(controle<QToolButton>("TSBIconify"), &QToolButton::clicked, this, &TfrmLunespiral::TSBIconifyClick);
    connect(controle<QToolButton>("TSBQuit"), &QToolButton::clicked, this, &TfrmLunespiral::TSBQuitClick);
    connect(sbNumeros_, &QToolButton::clicked, this, &TfrmLunespiral::SBNumerosDeLaChanceClick);
    connect(sbConfiguration_, &QToolButton::clicked, this, &TfrmLunespiral::SBConfigurationNumerosDeLaChanceClick);
    connect(panelNouveauTirage_, &Panneau::clique, this, &TfrmLunespiral::panelNouveauTirageClick);
    connect(panelNouveauTirage_, &Panneau::appuye, this, [this] { AppelPanelMyMouseDown(panelNouveauTirage_); });
    connect(panelNouveauTirage_, &Panneau::relache, this, [this] { AppelPanelMyMouseUp(panelNouveauTirage_); });
    connect(panelInformations_, &Panneau::doubleClique, this, &TfrmLunespiral::panelInformationsDblClick);
    // Escape asks the new-draw question; the usual copy keys copy the reading on screen.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &TfrmLunespiral::panelNouveauTirageClick);
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this, &TfrmLunespiral::copierLecture);
    // The reading kept as a page, printed or saved as PDF, and offered with the copy in a menu.
    auto* garder = new GarderLecture(this, [this](const QDateTime& quand) { return lectureAffichee(*this, quand); },
                                     [this] { copierLecture(); });
    connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, garder, &GarderLecture::imprimer);
    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, garder, &GarderLecture::enregistrerPdf);

    auto clic = [this](const char* image, const char* panneau, void (TfrmLunespiral::*action)()) {
        connect(controle<ImageControle>(image), &ImageControle::clique, this, [this, action] { (this->*action)(); });
        connect(controle<Panneau>(panneau), &Panneau::clique, this, action);
    };
    clic("imageTirageEnCroix", "panelTirageEnCroix", &TfrmLunespiral::imageTirageEnCroixClick);
    clic("imageTirageDixMaisons", "panelTirageEnDixMaisons", &TfrmLunespiral::imageTirageDixMaisonsClick);
    clic("imageTirageBohemiens", "panelTirageDesBohemiens", &TfrmLunespiral::imageTirageBohemiensClick);

    // A press on a result text sends the focus to a panel: no text keeps a caret.
    const std::pair<const char*, const char*> focus[] = {
        {"memoPresentProjets", "panelTitrePresentCroix"}, {"memoPresentAmour", "panelTitrePresentCroix"},
        {"memoPresentSante", "panelTitrePresentCroix"},   {"memoPresentRelPerso", "panelTitrePresentCroix"},
        {"memoFuturProjets", "panelTitreFuturCroix"},     {"memoFuturAmour", "panelTitreFuturCroix"},
        {"memoFuturSante", "panelTitreFuturCroix"},       {"memoFuturRelPerso", "panelTitreFuturCroix"},
        {"superMemoPresent", "panelInfo"},                {"superMemoFutur", "panelInfo"},
        {"memoPhraseGlobale", "panelInfo"},               {"panelPhraseMaison", "panelCentralMaison"},
        {"panelCentralBohemien", "panelInfo"}};
    for (const auto& [memo, panneau] : focus) {
        QWidget* cible = findChild<QWidget*>(panneau);
        connect(controle<Memo>(memo), &Memo::appuye, this, [cible] { cible->setFocus(Qt::MouseFocusReason); });
    }
}

void TfrmLunespiral::placerPanneauxDuBas() {
    // Both bands keep to the bottom edge, full width, whatever the window's size.
    panelInfo_->setGeometry(0, height() - hauteurPanelInfo_, width(), hauteurPanelInfo_);
    panelPhraseGlobale_->setGeometry(0, height() - hauteurPanelInfo_ - hauteurPhraseGlobale_, width(),
                                     hauteurPhraseGlobale_);
}

void TfrmLunespiral::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (panelInfo_) placerPanneauxDuBas();
}

// ---------------------------------------------------------------------------------------------
// Layout.

void TfrmLunespiral::CalculerPositions() {
    const int Wf = width(), Hf = height();
    const int L = largeurCarte_, H = hauteurCarte_;
    // 1.
    panelSelectionTirage_->move((Wf - panelSelectionTirage_->width()) / 2,
                                (Hf - panelSelectionTirage_->height()) / 2);
    // 2.
    margeCarte_ = arrondi(echelleX * 20);
    // 3.
    const int s = (Wf - 4 * L) / 5;
    for (int i = 1; i <= nbHorizons; ++i) posBohemiens_[i] = {i * s + (i - 1) * L, margeCarte_};
    // 4. The houses run clockwise round the window.
    const int t = (Wf - 5 * L) / 6;
    const int v = arrondi(echelleY * 15);
    for (int j = 1; j <= 5; ++j) posMaisons_[j] = {j * t + (j - 1) * L, v};
    for (int k = 6; k <= 10; ++k)
        posMaisons_[k] = {(10 - k) * L + (11 - k) * t, Hf - panelInfo_->height() - v - H};
    // 5. The house view sits in the band between the two rows.
    const int y1 = posMaisons_[1].y(), y10 = posMaisons_[10].y();
    panelCentralMaison_->move((Wf - panelCentralMaison_->width()) / 2,
                              y1 + H + ((y10 - y1 - panelCentralMaison_->height() - H) / 2));
    // 6.
    for (int h = 1; h <= nbMaisons; ++h)
        etiquettesMaisons_[h]->move(posMaisons_[h].x(), posMaisons_[h].y() + H - etiquettesMaisons_[h]->height());
    // 7.
    const int points = std::max(1, arrondi(std::min(echelleX, echelleY) * 11));
    for (const char* nom : {"superMemoPresent", "memoPresentProjets", "memoPresentAmour", "memoPresentSante",
                            "memoPresentRelPerso", "superMemoFutur", "memoFuturProjets", "memoFuturAmour",
                            "memoFuturSante", "memoFuturRelPerso"}) {
        Memo* m = controle<Memo>(nom);
        QFont f = m->policeDessin();
        f.setPointSize(points);
        m->setPoliceDessin(f);
    }
}

void TfrmLunespiral::AfficherMosaique() {
    const int Wf = width(), Hf = height();
    const int L = largeurCarte_, H = hauteurCarte_;
    const int tw = mosaique_[1][1]->width(), th = mosaique_[1][1]->height();
    const int x0 = (Wf - 8 * L) / 2, y0 = (Hf - 3 * H) / 2;
    const qreal ratio = devicePixelRatioF();
    Hasard& hasard = Hasard::commun();
    for (int i = 1; i <= 10; ++i)
        for (int j = 1; j <= 5; ++j) {
            const int f = hasard.entre1Et(nbArcanes);
            // The face stretched to the tile's width and 20 pixels more than its height, its
            // top 20 rows (the numeral strip) falling outside the tile.
            // Tiles of one face share one pixmap.
            ImageControle* c = mosaique_[i][j];
            c->setPixmap(ServiceImages::instance().imageRognee(imagesFaces_[f], {tw, th + hauteurBandeauFace},
                                                              hauteurBandeauFace, ratio));
            c->move(x0 + (i - 2) * tw, y0 + (j - 2) * th);
        }
    for (int i = 1; i <= 10; ++i)
        for (int j = 1; j <= 5; ++j) mosaique_[i][j]->show();
}

void TfrmLunespiral::DessinerEtoiles() {
    const int Wf = width(), Hf = height();
    Hasard& hasard = Hasard::commun();
    const int n = hasard.entre1Et(500) + 200;
    etoiles_.clear();
    etoiles_.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const int b = hasard.entre1Et(55) + 200;
        const int g = hasard.entre1Et(55) + 200;
        const int r = hasard.entre1Et(55) + 200;
        const int y = hasard.entre1Et(Hf);
        const int x = hasard.entre1Et(Wf);
        etoiles_.push_back({{x, y}, QColor(r, g, b)});
    }
    // Painting happens in the paint event; a field drawn here waits for it. Drawn by the paint
    // event itself, it is painted there and then: asking for another paint would scatter a new
    // field again and again, repainting the whole window without end.
    if (testAttribute(Qt::WA_WState_InPaintEvent)) return;
    etoilesAPeindre_ = true;
    // The stars only show where no control covers the window: the panels that fill their whole
    // rectangle are left out of the repaint, with everything inside them.
    QRegion fond(rect());
    for (QObject* enfant : children()) {
        const auto* w = qobject_cast<QWidget*>(enfant);
        if (w && !w->isWindow() && w->isVisible() && w->testAttribute(Qt::WA_OpaquePaintEvent)) fond -= w->geometry();
    }
    update(fond);
}

void TfrmLunespiral::paintEvent(QPaintEvent* e) {
    // Texts waiting for their hidden boxes are laid out on the turn after this paint.
    if (textesCroixEnAttente_) QTimer::singleShot(0, this, [this] { poserTextesCroix(); });
    // Every repaint scatters a new field, unless one drawn by a completion is waiting.
    if (!etoilesAPeindre_) DessinerEtoiles();
    etoilesAPeindre_ = false;
    QPainter p(this);
    const QRect zone = e->rect();
    p.fillRect(zone, palette().color(QPalette::Window));
    // Only the stars of the area being painted, each a one-pixel fill: the same pixels as a
    // point drawn with a pen, without the pen's cost at every star.
    for (const Etoile& etoile : etoiles_)
        if (zone.contains(etoile.position)) // a star at x = width or y = height falls just outside
            p.fillRect(QRect(etoile.position, QSize(1, 1)), etoile.couleur);
}

void TfrmLunespiral::AfficherInfo(const QString& texte) { panelInformations_->setText(texte); }

// ---------------------------------------------------------------------------------------------
// Languages.

void TfrmLunespiral::AppliquerLangue() {
    terminerCreation();
    const bool fr = langue == langueFrancais;
    const bool en = langue == langueAnglais;
    if (!fr && !en) {
        AppliquerLegendes();
        return;
    }
    // Table A.
    chaines.msgQuitter = fr ? QStringLiteral("Voulez-vous vraiment arrêter ?") : QStringLiteral("Do you really want to quit ?");
    chaines.msgAuRevoir = fr ? QStringLiteral("A bientôt !!!") : QStringLiteral("See you !!!");
    chaines.fichierAide = repertoireProgramme + (fr ? QStringLiteral("lunespfr.hlp") : QStringLiteral("lunespus.hlp"));
    AppliquerLegendes();
    // Table B.
    chaines.motArcane = fr ? QStringLiteral("Arcane") : QStringLiteral("Card");
    chaines.motPsyche = fr ? QStringLiteral("Psyché Globale") : QStringLiteral("Psychical Energy");
    chaines.msgAbandon = fr ? QStringLiteral("Etes-vous sûr de vouloir abandonner le tirage en cours ???")
                            : QStringLiteral("Are you sure you want to give up this draw ???");
    chaines.msgTirez4 = fr ? QStringLiteral("Tirez 4 cartes...") : QStringLiteral("Draw 4 cards...");
    chaines.msgTirez10 = fr ? QStringLiteral("Tirez 10 cartes...") : QStringLiteral("Draw 10 cards...");
    chaines.msgCliquezMaison = fr ? QStringLiteral("Cliquez sur la maison (carte) de votre choix...")
                                  : QStringLiteral("Click among the house (card) of your choice...");
    chaines.msgCliquezCarte = fr ? QStringLiteral("Cliquez sur la carte de votre choix")
                                 : QStringLiteral("Choose one card of the bohemian draw...");
    // Table C.
    for (int n = 1; n <= nbHorizons; ++n) etiquettesHorizons_[n]->setText(versQString(nomHorizon(n, langue)));
    controle<Panneau>("panelChooseTirage")->setText(fr ? QStringLiteral("Sélectionnez un des 3 tirages divinatoires...")
                                                      : QStringLiteral("Choose one of these 3 tarot readings..."));
    controle<Panneau>("panelTitrePresentCroix")->setText(QStringLiteral("--- PRESENT ---"));
    controle<Panneau>("panelTitreFuturCroix")->setText(fr ? QStringLiteral("--- FUTUR ---") : QStringLiteral("--- FUTURE ---"));
    for (int h = 1; h <= nbMaisons; ++h) chaines.nomsMaisons[h] = versQString(nomMaison(h, langue));
    for (int h = 1; h <= nbMaisons; ++h)
        chaines.libellesMaisons[h] = (fr ? QStringLiteral("Maison ") : QStringLiteral("House ")) +
                                     QString::number(h) + QStringLiteral(" <--> ") + chaines.nomsMaisons[h];
}

void TfrmLunespiral::AppliquerLegendes() {
    const bool fr = langue == langueFrancais;
    if (fr || langue == langueAnglais) {
        chaines.titreNumerosChance = fr ? QStringLiteral("Numéros de la chance") : QStringLiteral("Lucky numbers");
        sbConfiguration_->setToolTip(fr ? QStringLiteral("Options de choix des numéros de la chance")
                                        : QStringLiteral("Options for the choice of the lucky numbers"));
        controle<Panneau>("panelTirageEnCroix")->setText(fr ? QStringLiteral("Tirage en croix") : QStringLiteral("Draw in a cross"));
        controle<Panneau>("panelTirageEnDixMaisons")->setText(fr ? QStringLiteral("Tirage en dix maisons") : QStringLiteral("Draw of ten houses"));
        controle<Panneau>("panelTirageDesBohemiens")->setText(fr ? QStringLiteral("Tirage des bohémiens") : QStringLiteral("Bohemian draw"));
        panelNouveauTirage_->setText(fr ? QStringLiteral("Nouveau tirage") : QStringLiteral("Draw the Tarots"));
        controle<QToolButton>("TSBAide")->setToolTip(fr ? QStringLiteral("Aide") : QStringLiteral("Help"));
        controle<QToolButton>("TSBAbout")->setToolTip(fr ? QStringLiteral("A propos") : QStringLiteral("About"));
        controle<QToolButton>("TSBQuit")->setToolTip(fr ? QStringLiteral("Quitter") : QStringLiteral("Quit"));
        controle<QToolButton>("TSBIconify")->setToolTip(fr ? QStringLiteral("Iconifier") : QStringLiteral("Iconify"));
        const std::pair<const char*, QString> icones[] = {
            {"imageProjetsPresent", fr ? QStringLiteral("Projets") : QStringLiteral("Projects")},
            {"imageProjetsFutur", fr ? QStringLiteral("Projets") : QStringLiteral("Projects")},
            {"imageAmourPresent", fr ? QStringLiteral("Amour") : QStringLiteral("Love")},
            {"imageAmourFutur", fr ? QStringLiteral("Amour") : QStringLiteral("Love")},
            {"imageSantePresent", fr ? QStringLiteral("Santé") : QStringLiteral("Health")},
            {"imageSanteFutur", fr ? QStringLiteral("Santé") : QStringLiteral("Health")},
            {"imageRelPersoPresent", fr ? QStringLiteral("Relations personnelles") : QStringLiteral("Relationships")},
            {"imageRelPersoFutur", fr ? QStringLiteral("Relations personnelles") : QStringLiteral("Relationships")}};
        for (const auto& [nom, bulle] : icones) controle<ImageControle>(nom)->setToolTip(bulle);
        // Names for screen readers, where the picture says it all to the eye.
        const std::pair<const char*, const char*> emblemes[] = {{"imageTirageEnCroix", "panelTirageEnCroix"},
                                                                {"imageTirageDixMaisons", "panelTirageEnDixMaisons"},
                                                                {"imageTirageBohemiens", "panelTirageDesBohemiens"}};
        for (const auto& [image, panneau] : emblemes) {
            controle<ImageControle>(image)->setAccessibleName(controle<Panneau>(panneau)->text());
            controle<ImageControle>(image)->setAccessibleDescription(
                fr ? QStringLiteral("Commencer ce tirage") : QStringLiteral("Start this reading"));
        }
        for (const char* nom : {"TSBAide", "TSBAbout", "TSBQuit", "TSBIconify", "SBConfigurationNumerosDeLaChance"})
            controle<QToolButton>(nom)->setAccessibleName(controle<QToolButton>(nom)->toolTip());
    }
    sbNumeros_->setToolTip(chaines.titreNumerosChance);
    sbNumeros_->setAccessibleName(chaines.titreNumerosChance);
}

// ---------------------------------------------------------------------------------------------
// Start-up and the bottom bar.

void TfrmLunespiral::timerDebutTimer() {
    terminerCreation();
    // 1. Once only.
    timerDebut_->stop();
    // 2. A data file that fails part-way is reported, and the window still comes up with
    // what was read.
    std::optional<QString> erreur;
    try {
        Textes::communs().chargerTextes(langue, repertoireProgramme.toStdString());
    } catch (const ErreurLecture& e) {
        erreur = QString::fromUtf8(e.what());
    }
    // 3.
    setWindowTitle(titreProgramme);
    // 4.
    AfficherMosaique();
    // The help glyph, drawn for the button's scaled size.
    auto* aide = controle<QToolButton>("TSBAide");
    if (aide->icon().isNull()) {
        const int cote = coteGlypheAide(aide);
        QIcon glyphe;
        glyphe.addPixmap(ServiceImages::instance().image(QStringLiteral("aide"), {cote, cote}, devicePixelRatioF()), QIcon::Normal);
        glyphe.addPixmap(ServiceImages::instance().image(QStringLiteral("aideGrise"), {cote, cote}, devicePixelRatioF()), QIcon::Disabled);
        aide->setIcon(glyphe);
        aide->setIconSize({cote, cote});
    }
    // The design's face is narrower than the one standing in for it: a date that would be cut
    // is written a little smaller instead. Measured here, not at creation, which comes before
    // the splash's first paint and would load the font for nothing.
    auto* date = controle<Panneau>("panelDate");
    QFont police = date->font();
    while (police.pixelSize() > 8 &&
           QFontMetrics(police).horizontalAdvance(date->text()) > date->contentsRect().width() - 2)
        police.setPixelSize(police.pixelSize() - 1);
    date->setFont(police);
    // 5. Without a window manager maximising does not resize: take the screen's size first.
    if (const QScreen* ecran = screen()) setGeometry(ecran->geometry());
    showMaximized();
    // 6.
    AppliquerLegendes();
    // 7.
    panelSelectionTirage_->show();
    // Enter or Space chooses the cross straight away; the arrows and Tab go on from there.
    activateWindow();
    controle<ImageControle>("imageTirageEnCroix")->prendreFocusClavier();
    if (erreur) BoiteMessage::information(this, *erreur);
}

void TfrmLunespiral::TSBAideClick() {
    if (!QFileInfo(chaines.fichierAide).isFile()) {
        const bool fr = langue != langueAnglais;
        BoiteMessage::information(this, (fr ? QStringLiteral("Le fichier d'aide « %1 » est introuvable.")
                                            : QStringLiteral("The help file \"%1\" cannot be found."))
                                            .arg(QDir::toNativeSeparators(chaines.fichierAide)));
        return;
    }
    VisionneuseAide::instance().ouvrir(chaines.fichierAide);
}

void TfrmLunespiral::TSBAboutClick() {
    setEnabled(false);
    if (ouvrirAPropos) ouvrirAPropos();
}

void TfrmLunespiral::TSBIconifyClick() { showMinimized(); }

void TfrmLunespiral::TSBQuitClick() {
    if (!BoiteMessage::question(this, chaines.msgQuitter)) return;
    BoiteMessage::information(this, chaines.msgAuRevoir);
    if (fermerProgramme) fermerProgramme();
}

void TfrmLunespiral::closeEvent(QCloseEvent* e) {
    // Closing the main window by any other means ends the program without a question.
    e->accept();
    if (fermerProgramme) fermerProgramme();
}

void TfrmLunespiral::AppelPanelMyMouseDown(Panneau* panneau) { panneau->setBiseauExterieur(Panneau::Biseau::Enfonce); }

void TfrmLunespiral::AppelPanelMyMouseUp(Panneau* panneau) { panneau->setBiseauExterieur(Panneau::Biseau::Releve); }

// ---------------------------------------------------------------------------------------------
// The reading flow.

void TfrmLunespiral::imageTirageEnCroixClick() { CommencerTirage(TypeTirage::EnCroix); }
void TfrmLunespiral::imageTirageDixMaisonsClick() { CommencerTirage(TypeTirage::DixMaisons); }
void TfrmLunespiral::imageTirageBohemiensClick() { CommencerTirage(TypeTirage::Bohemiens); }

void TfrmLunespiral::CommencerTirage(TypeTirage type) {
    // 1. and 2.
    CalculerPositions();
    panelSelectionTirage_->hide();
    for (int i = 1; i <= 10; ++i)
        for (int j = 1; j <= 5; ++j) mosaique_[i][j]->hide();

    // 3. The whole reading is drawn and composed now; picking only reveals it.
    EtatTirage& etat = etatTirage();
    etat.choisirTirage(type, Hasard::commun(), Textes::communs());
    // The cross's texts go into their boxes, still hidden, once this choice has been painted
    // (see paintEvent): laying them out would take half the time of the choice. A completion
    // that comes sooner (only a program picks five cards so fast) fills them itself.
    textesCroixEnAttente_ = type == TypeTirage::EnCroix;

    // 4. The deck: a climbing and falling arc for the cross and the bohemian spread, a straight
    // row between the two rows of houses for the ten houses.
    const int FW = width(), FH = height();
    for (int d = 1; d <= nbArcanes; ++d) {
        int gauche = 0, haut = 0;
        if (type == TypeTirage::DixMaisons) {
            const int pas = (posMaisons_[5].x() - posMaisons_[1].x()) / 21;
            gauche = posMaisons_[1].x() + pas * (d - 1);
            const int y1 = posMaisons_[1].y() + hauteurCarte_;
            haut = y1 + (posMaisons_[10].y() - y1 - hauteurCarte_) / 2;
        } else {
            const int pas = (FW - largeurCarte_ - 2 * margeCarte_) / 21;
            gauche = margeCarte_ + pas * (d - 1);
            const int v = arrondi(echelleY * 3);
            const int base = FH - panelInfo_->height() - margeCarte_ - hauteurCarte_;
            haut = d <= 11 ? base - v * (d - 1) : base - 11 * v + v * (d - 12);
        }
        cartesTalon_[d]->move(gauche, haut);
    }
    // 5. The bar's description of the lucky numbers goes with the numbers it describes: numbers
    // shown by an OK after an abandoned reading are replaced here, and so is their description.
    AfficherInfo(type == TypeTirage::DixMaisons ? chaines.msgTirez10 : chaines.msgTirez4);
    panelInformations_->setToolTip(QString());
    // 6.
    const bool fr = langue != langueAnglais;
    for (int d = 1; d <= nbArcanes; ++d) {
        cartesTalon_[d]->setImage(QStringLiteral("picFond"));
        cartesTalon_[d]->setFocusPolicy(Qt::TabFocus);
        cartesTalon_[d]->setAccessibleName((fr ? QStringLiteral("Carte face cachée %1 sur 22")
                                               : QStringLiteral("Face-down card %1 of 22"))
                                               .arg(d));
        cartesTalon_[d]->show();
    }
}

void TfrmLunespiral::AppelCliqueMain(int d) {
    EtatTirage& etat = etatTirage();
    const TypeTirage type = etat.typeTirage();
    const EtatTirage::Clic clic = etat.cliquerCarte(d, Hasard::commun());
    switch (clic.effet) {
    case EtatTirage::Effet::Rien: return;
    case EtatTirage::Effet::ChoixMaison: afficherMaison(clic.emplacement); return;
    case EtatTirage::Effet::ChoixHorizon:
        for (int n = 1; n <= nbHorizons; ++n) {
            colorer(etiquettesHorizons_[n], false);
            colorer(etiquettesNoms_[n], false);
        }
        afficherHorizon(clic.emplacement);
        return;
    case EtatTirage::Effet::CartePosee: break;
    }

    const int n = clic.emplacement;
    const QPoint position = type == TypeTirage::EnCroix      ? posCroix_[n]
                            : type == TypeTirage::DixMaisons ? posMaisons_[n]
                                                             : posBohemiens_[n];
    poserCarte(d, n, clic.carte, position);

    if (!clic.termine) return;
    switch (type) {
    case TypeTirage::EnCroix: terminerCroix(); break;
    case TypeTirage::DixMaisons: terminerMaisons(); break;
    case TypeTirage::Bohemiens: terminerBohemiens(); break;
    case TypeTirage::Aucun: break;
    }
}

void TfrmLunespiral::poserCarte(int d, int n, int carte, QPoint position) {
    const TypeTirage type = etatTirage().typeTirage();
    ImageControle* c = cartesTalon_[d];
    // 3.
    c->hide();
    c->move(position);
    c->setImage(imagesFaces_[carte]);
    c->show();
    if (type == TypeTirage::EnCroix) {
        c->setCursor(Qt::ArrowCursor);
        c->setFocusPolicy(Qt::NoFocus); // a laid cross card does nothing more
    }
    // 4.
    const QString nom = versQString(nomArcane(carte, langue == langueAnglais ? langueAnglais : langueFrancais));
    c->setToolTip(chaines.motArcane + QStringLiteral(" ") + QString::number(carte) + QStringLiteral(" - ") + nom);
    c->setAccessibleName(c->toolTip());
    // 5.
    if (type == TypeTirage::DixMaisons) {
        etiquettesMaisons_[n]->setText(chaines.nomsMaisons[n]);
        etiquettesMaisons_[n]->show();
    } else if (type == TypeTirage::Bohemiens) {
        etiquettesHorizons_[n]->move(position.x(), position.y() + hauteurCarte_);
        etiquettesHorizons_[n]->show();
    }
    placerEtiquetteNom(n, nom, position);
}

void TfrmLunespiral::placerEtiquetteNom(int n, const QString& nom, QPoint position) {
    etiquettesNoms_[n]->setText(nom);
    etiquettesNoms_[n]->move(position);
    etiquettesNoms_[n]->show();
}

void TfrmLunespiral::terminerCroix() {
    // 1.
    AfficherInfo(QString());
    // 2.
    for (int d = 1; d <= nbArcanes; ++d)
        if (!etatTirage().carteRetournee(d)) cartesTalon_[d]->hide();
    // 3.
    afficherResultatCroix();
    // 4.
    afficherCarteSynthese();
    // 5.
    sbNumeros_->show();
    sbNumeros_->setChecked(true);
    SBNumerosDeLaChanceClick();
    // 6.
    DessinerEtoiles();
}

void TfrmLunespiral::afficherCarteSynthese() {
    const int d = etatTirage().tirerPorteurSynthese(Hasard::commun());
    const int carte = etatTirage().tirageCroix().cartes[5];
    ImageControle* c = cartesTalon_[d];
    c->setImage(imagesFaces_[carte]);
    c->move(posCroix_[5]);
    c->setCursor(Qt::ArrowCursor);
    c->show();
    const QString nom = versQString(nomArcane(carte, langue == langueAnglais ? langueAnglais : langueFrancais));
    c->setToolTip(chaines.motPsyche + QStringLiteral(" - ") + chaines.motArcane + QStringLiteral(" ") +
                  QString::number(carte) + QStringLiteral(" - ") + nom);
    c->setAccessibleName(c->toolTip());
    c->setFocusPolicy(Qt::NoFocus);
    placerEtiquetteNom(5, nom, posCroix_[5]);
}

void TfrmLunespiral::terminerMaisons() {
    AfficherInfo(chaines.msgCliquezMaison);
    for (int d = 1; d <= nbArcanes; ++d)
        if (!etatTirage().carteRetournee(d)) cartesTalon_[d]->hide();
    // The house shown first was drawn by the reading state as the last card was laid.
    afficherMaison(etatTirage().tirageMaisons().maisonCourante);
    sbNumeros_->setChecked(false);
    sbNumeros_->show();
    DessinerEtoiles();
}

void TfrmLunespiral::terminerBohemiens() {
    AfficherInfo(chaines.msgCliquezCarte);
    for (int d = 1; d <= nbArcanes; ++d)
        if (!etatTirage().carteRetournee(d)) cartesTalon_[d]->hide();
    sbNumeros_->setChecked(false);
    sbNumeros_->show();
    afficherHorizon(etatTirage().tirageBohemiens().horizonCourant);
    DessinerEtoiles();
}

void TfrmLunespiral::panelNouveauTirageClick() {
    if (panelSelectionTirage_->isVisible()) return;
    if (!BoiteMessage::question(this, chaines.msgAbandon)) return;
    effacerResultats();
    panelSelectionTirage_->show();
    AfficherMosaique();
}

// ---------------------------------------------------------------------------------------------
// The result views.

void TfrmLunespiral::afficherTextesCroix(const TextesCroix& t) {
    controle<Memo>("memoPhraseGlobale")->setTexte(versQString(t.phraseGlobale));
    controle<Memo>("superMemoPresent")->setTexte(versQString(t.synthesePresent));
    controle<Memo>("superMemoFutur")->setTexte(versQString(t.syntheseFutur));
    const char* presents[] = {"memoPresentProjets", "memoPresentAmour", "memoPresentSante", "memoPresentRelPerso"};
    const char* futurs[] = {"memoFuturProjets", "memoFuturAmour", "memoFuturSante", "memoFuturRelPerso"};
    for (int i = 1; i <= nbDomainesCroix; ++i) {
        controle<Memo>(presents[i - 1])->setTexte(versQString(t.domainesPresent[i]));
        controle<Memo>(futurs[i - 1])->setTexte(versQString(t.domainesFutur[i]));
    }
}

void TfrmLunespiral::poserTextesCroix() {
    if (!textesCroixEnAttente_) return;
    textesCroixEnAttente_ = false;
    afficherTextesCroix(etatTirage().textesCroix());
}

void TfrmLunespiral::afficherResultatCroix() {
    poserTextesCroix();
    panelPhraseGlobale_->show();
    controle<Memo>("superMemoPresent")->show();
    controle<Panneau>("SuperPanelPresent")->show();
    controle<Memo>("superMemoFutur")->show();
    controle<Panneau>("SuperPanelFutur")->show();
}

void TfrmLunespiral::colorer(Panneau* etiquette, bool choisie) { etiquette->setCouleur(choisie ? jaune : argent); }

void TfrmLunespiral::afficherMaison(int h) {
    controle<ImageControle>("imageMaisonCourante")->setImage(imagesMaisons_[h]);
    controle<Memo>("panelPhraseMaison")->setTexte(versQString(etatTirage().textesMaisons()[h]));
    controle<Panneau>("panelNomMaison")->setText(chaines.libellesMaisons[h]);
    panelCentralMaison_->setAccessibleName(chaines.libellesMaisons[h]);
    panelCentralMaison_->setAccessibleDescription(versQString(etatTirage().textesMaisons()[h]));
    panelCentralMaison_->show();
    for (int k = 1; k <= nbMaisons; ++k) colorer(etiquettesNoms_[k], false);
    colorer(etiquettesNoms_[h], true);
    for (int k = 1; k <= nbMaisons; ++k) colorer(etiquettesMaisons_[k], false);
    colorer(etiquettesMaisons_[h], true);
}

void TfrmLunespiral::afficherHorizon(int n) {
    panelCentralBohemien_->setTexte(versQString(etatTirage().textesHorizons()[n]));
    panelCentralBohemien_->setAccessibleName(etiquettesHorizons_[n]->text());
    colorer(etiquettesHorizons_[n], true);
    colorer(etiquettesNoms_[n], true);
    panelCentralBohemien_->show();
}

void TfrmLunespiral::choisirMaison(int d) { AppelCliqueMain(d); }

void TfrmLunespiral::choisirHorizon(int d) { AppelCliqueMain(d); }

void TfrmLunespiral::effacerResultats() {
    textesCroixEnAttente_ = false; // the texts of an abandoned cross are not wanted any more
    // 1.
    AfficherInfo(QString());
    panelInformations_->setToolTip(QString());
    // 2.
    sbNumeros_->hide();
    sbNumeros_->setChecked(false);
    // 3.
    panelSelectionTirage_->hide();
    controle<Panneau>("SuperPanelPresent")->hide();
    controle<Panneau>("SuperPanelFutur")->hide();
    // 4.
    for (int d = 1; d <= nbArcanes; ++d) {
        cartesTalon_[d]->hide();
        cartesTalon_[d]->setCursor(Qt::PointingHandCursor);
        cartesTalon_[d]->setToolTip(QString());
        cartesTalon_[d]->setAccessibleName(QString());
        cartesTalon_[d]->setFocusPolicy(Qt::NoFocus);
    }
    // 5.
    for (int k = 1; k <= nbMaisons; ++k) {
        etiquettesNoms_[k]->hide();
        colorer(etiquettesNoms_[k], false);
        etiquettesMaisons_[k]->hide();
        colorer(etiquettesMaisons_[k], false);
    }
    // 6.
    panelPhraseGlobale_->hide();
    panelCentralMaison_->hide();
    // 7.
    for (int n = 1; n <= nbHorizons; ++n) {
        etiquettesHorizons_[n]->hide();
        colorer(etiquettesHorizons_[n], false);
    }
    // 8.
    panelCentralBohemien_->hide();
}

void TfrmLunespiral::panelInformationsDblClick() {
    if (!etatTirage().tirageTermine()) return;
    SBNumerosDeLaChanceClick();
    SBNumerosDeLaChanceClick();
}

// ---------------------------------------------------------------------------------------------
// The lucky numbers.

void TfrmLunespiral::SBNumerosDeLaChanceClick() {
    const EtatTirage& etat = etatTirage();
    if (sbNumeros_->isChecked()) {
        const OptionsChance& o = optionsChance();
        const auto numeros = tirerNumerosChance(Hasard::commun(), o.optionNbNumerosDeLaChance, o.optionMinRange,
                                                o.optionMaxRange, etat.cartesDuTirageCourant());
        AfficherInfo(QString::fromStdString(texteNumerosChance(numeros)));
        // The field's own hint: on the bar, Qt would show it over the date and "Nouveau
        // tirage" too, which have none of their own.
        panelInformations_->setToolTip(versQString(descriptionNumerosChance(langue, o.optionNbNumerosDeLaChance,
                                                                   o.optionMinRange, o.optionMaxRange)));
        return;
    }
    switch (etat.typeTirage()) {
    case TypeTirage::EnCroix: AfficherInfo(QString()); break;
    case TypeTirage::DixMaisons: AfficherInfo(chaines.msgCliquezMaison); break;
    case TypeTirage::Bohemiens: AfficherInfo(chaines.msgCliquezCarte); break;
    case TypeTirage::Aucun: break;
    }
    panelInformations_->setToolTip(QString());
}

void TfrmLunespiral::SBConfigurationNumerosDeLaChanceClick() {
    setEnabled(false);
    if (ouvrirOptions) ouvrirOptions();
}

// ---------------------------------------------------------------------------------------------
// Sharing a reading.

void TfrmLunespiral::copierLecture() {
    // The reading on screen only: nothing while the spread chooser is up.
    const EtatTirage& etat = etatTirage();
    if (panelSelectionTirage_->isVisible() || etat.typeTirage() == TypeTirage::Aucun)
        return;
    bool lectureAffichee = false;
    for (int d = 1; d <= nbArcanes; ++d) lectureAffichee = lectureAffichee || cartesTalon_[d]->isVisible();
    if (!lectureAffichee) return;
    const std::string numeros =
        sbNumeros_->isVisible() && sbNumeros_->isChecked() ? panelInformations_->text().toStdString() : std::string();
    const int l = langue == langueAnglais ? langueAnglais : langueFrancais;
    QGuiApplication::clipboard()->setText(QString::fromStdString(texteDeLaLecture(etat, l, 72, numeros)));
}

} // namespace lunespiral
