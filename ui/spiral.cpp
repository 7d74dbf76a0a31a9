#include "spiral.h"

#include "BarreInfo.h"
#include "ChoixTirage.h"
#include "Talon.h"
#include "VueBohemiens.h"
#include "VueCroix.h"
#include "VueMaisons.h"

#include "Application.h"
#include "Arcanes.h"
#include "BoiteMessage.h"
#include "Design.h"
#include "Erreurs.h"
#include "GarderLecture.h"
#include "Globales.h"
#include "Langue.h"
#include "LectureAffichee.h"
#include "MagasinReglages.h"
#include "Memo.h"
#include "OptionsChance.h"
#include "ServiceImages.h"
#include "TexteLecture.h"
#include "VisionneuseAide.h"

#include <QAccessible>
#include <QClipboard>
#include <QCloseEvent>
#include <QDateTime>
#include <QGuiApplication>
#include <QPainter>
#include <QRegion>
#include <QScreen>
#include <QShortcut>

#include <optional>

namespace lunespiral {

namespace {

// ---------------------------------------------------------------------------------------------
// The design of the window, for an 800 x 553 client area at 96 dots per inch: the bottom bar
// below every view (the chooser and each view have tables of their own).

// clang-format off
const Controle designFenetre[] = {
    {.nom = "imageProjets", .genre = Genre::Image, .geometrie = {0, 0, 46, 32}, .visible = false, .texte = "imageProjets"},
};
// clang-format on

} // namespace

// ---------------------------------------------------------------------------------------------
// Creation.

TfrmLunespiral::TfrmLunespiral(const Collaborateurs& collaborateurs, QWidget* parent,
                               Creation creation)
    : QWidget(parent), etat_(collaborateurs.etat), hasard_(collaborateurs.hasard),
      textes_(collaborateurs.textes), options_(collaborateurs.options),
      images_(collaborateurs.images) {
    setObjectName(QStringLiteral("frmLunespiral"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    frmLunespiral = this;
    timerDebut_ = new QTimer(this);
    timerDebut_->setObjectName(QStringLiteral("timerDebut"));
    timerDebut_->setSingleShot(true);
    timerDebut_->setInterval(1);
    connect(timerDebut_, &QTimer::timeout, this, &TfrmLunespiral::timerDebutTimer);
    // The options are read with the window, deferred or not. A store that
    // cannot be read or written still leaves the program usable with the defaults; the message
    // waits until the event loop runs so that it shows over the splash.
    try {
        MagasinReglages magasin(cleRegistre);
        chargerOptions(options_, magasin);
    } catch (const ErreurReglages& e) {
        QTimer::singleShot(0, this, [e] { Application::signalerErreur(e); });
    }
    barre_ = new BarreInfo(this, images_);
    choix_ = new ChoixTirage(this);
    talon_ = new Talon(this, plateau_);
    vueCroix_ = new VueCroix(this, etat_, plateau_, chaines_);
    vueMaisons_ = new VueMaisons(this, etat_, plateau_, chaines_);
    vueBohemiens_ = new VueBohemiens(this, etat_, plateau_, chaines_);
    if (creation == Creation::Complete) terminerCreation();
    // See eventFilter: the window's controls are not repainted when it is disabled or enabled.
    qApp->installEventFilter(this);
}

bool TfrmLunespiral::eventFilter(QObject* objet, QEvent* e) {
    // The window is disabled while the options or the about window are open, so that it takes
    // no input. Its look does not change (its disabled colours are its normal ones), yet Qt
    // would repaint every control on the way in and again on the way out: the whole screen,
    // twice per dialog. That repaint is skipped; assistive technologies still hear of the change.
    if (e->type() == QEvent::EnabledChange && objet->isWidgetType() &&
        static_cast<QWidget*>(objet)->window() == this) {
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
    setFont(policeDesign(Famille::Sans, 11));
    // In stacking order: the bar under everything, the chooser over the views.
    construireControles(this, designFenetre);
    barre_->construire();
    for (VueResultat* v : vues()) v->construire();
    choix_->construire();

    // Picture holders for the faces, the back and the houses: never shown, they carry the
    // pictures' names for the controls that show them (hidden, they render nothing).
    QStringList porteurs{QStringLiteral("picFond")};
    for (int k = 1; k <= nbArcanes; ++k) porteurs << imageFace(k);
    for (int h = 1; h <= nbMaisons; ++h) porteurs << imageMaison(h);
    for (const QString& nom : porteurs) {
        auto* porteur = new ImageControle(this);
        porteur->setObjectName(nom);
        porteur->setImage(nom);
        porteur->hide();
    }

    panelPhraseGlobale_ = controle<Panneau>("panelPhraseGlobale");
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
    barre_->preparer();
    // Texts shrink to fit their boxes, down to what can still be read on this screen.
    plateau_.tailleLisible = tailleLisible(taille.width());
    for (Memo* m : findChildren<Memo*>()) m->setTailleMinimale(plateau_.tailleLisible);
    // The help glyph is drawn when the window is first shown (timerDebutTimer), not here:
    // creation comes before the splash's first paint.
    hauteurPhraseGlobale_ = panelPhraseGlobale_->height();
    placerPanneauxDuBas();

    // 4. Card sizes follow the screen: width with its width, height with its height.
    plateau_.largeurCarte = arrondi(echelleX * 90);
    plateau_.hauteurCarte = arrondi(echelleY * 165);
    plateau_.ecartCarte = arrondi(echelleX * 3);
    plateau_.margeCarte = arrondi(echelleX * 20);
    plateau_.hauteurBarre = barre_->hauteur();

    creerControlesDynamiques();
    relierEvenements();

    CalculerPositions();

    preparerImages();
}

void TfrmLunespiral::preparerImages() {
    // The pictures the window shows first, in the order it needs them: the mosaic and the
    // spread chooser right after the language choice, then the deck, the faces and the houses.
    // The picture service draws them while the splash waits for the language.
    ServiceImages& service = images_;
    const qreal ratio = devicePixelRatioF();
    mosaique_.preparerImages(service, ratio);
    choix_->preparerImages(service, ratio);
    barre_->preparerImages(ratio);
    const QSize carte(plateau_.largeurCarte, plateau_.hauteurCarte);
    service.preparer(QStringLiteral("picFond"), carte, 0, ratio);
    for (int k = 1; k <= nbArcanes; ++k) service.preparer(imageFace(k), carte, 0, ratio);
    vueMaisons_->preparerImages(service, ratio);
    vueCroix_->preparerImages(service, ratio);
}

void TfrmLunespiral::creerControlesDynamiques() {
    vueBohemiens_->preparer();
    talon_->creerEtiquettes();
    vueMaisons_->preparer();
    mosaique_.creer(this, plateau_.largeurCarte, plateau_.hauteurCarte);
    vueCroix_->preparer();
    talon_->creerCartes();
    connect(talon_, &Talon::carteCliquee, this, &TfrmLunespiral::AppelCliqueMain);

    // Tab walks the spread choices, then the deck, then the bottom bar.
    QWidget* precedent = nullptr;
    auto suivant = [&precedent](QWidget* w) {
        if (precedent) setTabOrder(precedent, w);
        precedent = w;
    };
    for (QWidget* w : choix_->ordreTabulation()) suivant(w);
    for (int k = 1; k <= nbArcanes; ++k) suivant(plateau_.cartesTalon[k]);
    for (const char* nom : {"TSBAide", "TSBAbout", "TSBIconify", "TSBQuit", "SBNumerosDeLaChance",
                            "SBConfigurationNumerosDeLaChance", "panelNouveauTirage"})
        suivant(controle<QWidget>(nom));

    // Pictures always lie under panels and text boxes, and among themselves the later ones
    // above the earlier ones.
    const auto images = findChildren<ImageControle*>(QString(), Qt::FindDirectChildrenOnly);
    for (auto it = images.rbegin(); it != images.rend(); ++it) (*it)->lower();
}

void TfrmLunespiral::relierEvenements() {
    connect(barre_, &BarreInfo::aide, this, &TfrmLunespiral::TSBAideClick);
    connect(barre_, &BarreInfo::aPropos, this, &TfrmLunespiral::TSBAboutClick);
    connect(barre_, &BarreInfo::iconifier, this, &TfrmLunespiral::TSBIconifyClick);
    connect(barre_, &BarreInfo::quitter, this, &TfrmLunespiral::TSBQuitClick);
    connect(barre_, &BarreInfo::numerosClique, this, &TfrmLunespiral::SBNumerosDeLaChanceClick);
    connect(barre_, &BarreInfo::options, this,
            &TfrmLunespiral::SBConfigurationNumerosDeLaChanceClick);
    connect(barre_, &BarreInfo::nouveauTirage, this, &TfrmLunespiral::panelNouveauTirageClick);
    connect(barre_, &BarreInfo::doubleClicInfo, this, &TfrmLunespiral::panelInformationsDblClick);
    // Escape asks the new-draw question; the usual copy keys copy the reading on screen.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &TfrmLunespiral::panelNouveauTirageClick);
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
            &TfrmLunespiral::copierLecture);
    // The reading kept as a page, printed or saved as PDF, and offered with the copy in a menu.
    auto* garder = new GarderLecture(
        this,
        [this](const QDateTime& quand) {
            return lectureAffichee(etat_, langueDesNoms(), !choix_->visible(), quand);
        },
        [this] { copierLecture(); });
    connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, garder,
            &GarderLecture::imprimer);
    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, garder,
            &GarderLecture::enregistrerPdf);

    choix_->relier();
    connect(choix_, &ChoixTirage::choisi, this, &TfrmLunespiral::CommencerTirage);
}

void TfrmLunespiral::placerPanneauxDuBas() {
    // Both bands keep to the bottom edge, full width, whatever the window's size.
    barre_->placer();
    panelPhraseGlobale_->setGeometry(0, height() - barre_->hauteur() - hauteurPhraseGlobale_,
                                     width(), hauteurPhraseGlobale_);
}

void TfrmLunespiral::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (panelPhraseGlobale_) placerPanneauxDuBas();
}

// ---------------------------------------------------------------------------------------------
// Layout.

void TfrmLunespiral::CalculerPositions() {
    choix_->placer();
    plateau_.margeCarte = arrondi(echelleX * 20);
    for (VueResultat* v : vues()) v->calculerPositions();
}

void TfrmLunespiral::DessinerEtoiles() {
    etoiles_.semer(hasard_, size());
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
        if (w && !w->isWindow() && w->isVisible() && w->testAttribute(Qt::WA_OpaquePaintEvent))
            fond -= w->geometry();
    }
    update(fond);
}

void TfrmLunespiral::paintEvent(QPaintEvent* e) {
    // Every repaint scatters a new field, unless one drawn by a completion is waiting.
    if (!etoilesAPeindre_) DessinerEtoiles();
    etoilesAPeindre_ = false;
    QPainter p(this);
    p.fillRect(e->rect(), palette().color(QPalette::Window));
    etoiles_.peindre(p, e->rect());
}

// ---------------------------------------------------------------------------------------------
// Languages.

void TfrmLunespiral::AppliquerLangue(const Chaines& chaines) {
    terminerCreation();
    // Before a language is chosen there is nothing to say: the captions stay as they are.
    if (chaines.langue != langueAucune) chaines_ = chaines;
    AppliquerLegendes();
}

void TfrmLunespiral::AppliquerLegendes() {
    if (chaines_.langue == langueAucune) return;
    barre_->appliquerLegendes(chaines_);
    choix_->appliquerLegendes(chaines_);
    talon_->appliquerLangue(langueDesNoms());
    for (VueResultat* v : vues()) v->appliquerLegendes();
}

// ---------------------------------------------------------------------------------------------
// Start-up and the bottom bar.

void TfrmLunespiral::timerDebutTimer() {
    terminerCreation();
    // 1. Once only.
    timerDebut_->stop();
    // 2. A data file that fails part-way is reported, and the window still comes up with
    // what was read.
    std::optional<ErreurLecture> erreur;
    try {
        textes_.chargerTextes(chaines_.langue, repertoireProgramme.toStdString());
    } catch (const ErreurLecture& e) {
        erreur = e;
    }
    // 3.
    setWindowTitle(titreProgramme);
    // 4.
    mosaique_.afficher(hasard_, images_);
    barre_->montrer();
    // 5. Without a window manager maximising does not resize: take the screen's size first.
    if (const QScreen* ecran = screen()) setGeometry(ecran->geometry());
    showMaximized();
    // 6.
    AppliquerLegendes();
    // 7.
    activateWindow();
    choix_->montrer();
    if (erreur) Application::signalerErreur(*erreur);
}

void TfrmLunespiral::TSBAideClick() {
    VisionneuseAide::instance().ouvrir(chaines_.fichierAide, this);
}

void TfrmLunespiral::TSBAboutClick() {
    setEnabled(false);
    if (ouvrirAPropos) ouvrirAPropos();
}

void TfrmLunespiral::TSBIconifyClick() {
    showMinimized();
}

void TfrmLunespiral::TSBQuitClick() {
    if (!BoiteMessage::question(this, chaines_.msgQuitter)) return;
    BoiteMessage::information(this, chaines_.msgAuRevoir);
    if (fermerProgramme) fermerProgramme();
}

void TfrmLunespiral::closeEvent(QCloseEvent* e) {
    // Closing the main window by any other means ends the program without a question.
    e->accept();
    if (fermerProgramme) fermerProgramme();
}

// ---------------------------------------------------------------------------------------------
// The reading flow.

std::array<VueResultat*, 3> TfrmLunespiral::vues() const {
    return {vueCroix_, vueMaisons_, vueBohemiens_};
}

VueResultat& TfrmLunespiral::vue(TypeTirage type) const {
    switch (type) {
    case TypeTirage::EnCroix:
        return *vueCroix_;
    case TypeTirage::DixMaisons:
        return *vueMaisons_;
    case TypeTirage::Bohemiens:
        return *vueBohemiens_;
    case TypeTirage::Aucun:
        break;
    }
    throw ErreurEtendue();
}

void TfrmLunespiral::CommencerTirage(TypeTirage type, bool auClavier) {
    // 1. and 2.
    CalculerPositions();
    choix_->cacher();
    mosaique_.cacher();

    // 3. The whole reading is drawn and composed now; picking only reveals it.
    etat_.choisirTirage(type, hasard_, textes_);

    // 4. and 6. The deck, face down where the view of the spread wants it.
    talon_->presenter(vue(type), chaines_);
    // Whoever chose with Enter picks with Enter: the keyboard moves on to the deck, instead of
    // following the hidden chooser to the bottom bar.
    if (auClavier) talon_->prendreFocusClavier();
    // 5. The bar's description of the lucky numbers goes with the numbers it describes: numbers
    // shown by an OK after an abandoned reading are replaced here, and so is their description.
    barre_->afficherInfo(type == TypeTirage::DixMaisons ? chaines_.msgTirez10 : chaines_.msgTirez4);
    vue(type).choisie();
}

void TfrmLunespiral::AppelCliqueMain(int d) {
    const TypeTirage type = etat_.typeTirage();
    const EtatTirage::Clic clic = etat_.cliquerCarte(d, hasard_, options_);
    switch (clic.effet) {
    case EtatTirage::Effet::Rien:
        return;
    case EtatTirage::Effet::ChoixMaison:
    case EtatTirage::Effet::ChoixHorizon:
        vue(type).choisir(clic.emplacement);
        return;
    case EtatTirage::Effet::CartePosee:
        break;
    }
    const QPoint position = vue(type).position(clic.emplacement);
    talon_->poser(d, clic.emplacement, clic.carte, position, type == TypeTirage::EnCroix, chaines_);
    vue(type).cartePosee(clic.emplacement, position);
    if (clic.termine) terminerTirage();
}

void TfrmLunespiral::terminerTirage() {
    // The cards not picked leave the table; the view shows the result drawn by the reading state
    // as the last card was laid; the cross shows its lucky numbers at once, the others say
    // what to click.
    const bool auClavier = talon_->aLeFocus();
    talon_->retirerNonPosees(etat_);
    vue(etat_.typeTirage()).terminer();
    // The cross's synthesis card rides to the centre on a deck card that was not picked, drawn
    // by the reading state as the last card was laid.
    if (const int porteur = etat_.porteurSynthese())
        talon_->poser(porteur, 5, etat_.carteDeLEmplacement(5),
                      vue(TypeTirage::EnCroix).position(5), true, chaines_,
                      chaines_.motPsyche + QStringLiteral(" - "));
    if (auClavier) talon_->rendreFocus(etat_, vue(etat_.typeTirage()).emplacementAffiche());
    barre_->boutonNumeros()->show();
    barre_->boutonNumeros()->setChecked(etat_.numerosAffiches());
    afficherNumerosChance();
    DessinerEtoiles();
}

void TfrmLunespiral::panelNouveauTirageClick() {
    if (choix_->visible()) return;
    if (!BoiteMessage::question(this, chaines_.msgAbandon)) return;
    effacerResultats();
    choix_->montrer();
    mosaique_.afficher(hasard_, images_);
}

void TfrmLunespiral::effacerResultats() {
    etat_.cacherNumerosChance();
    // 1.
    barre_->afficherInfo(QString());
    // 2.
    barre_->boutonNumeros()->hide();
    barre_->boutonNumeros()->setChecked(false);
    // 3.
    choix_->cacher();
    // 4. and 5.
    talon_->ranger();
    // 6.
    for (VueResultat* v : vues()) v->effacer();
}

void TfrmLunespiral::panelInformationsDblClick() {
    if (!etat_.tirageTermine()) return;
    SBNumerosDeLaChanceClick();
    SBNumerosDeLaChanceClick();
}

// ---------------------------------------------------------------------------------------------
// The lucky numbers.

void TfrmLunespiral::SBNumerosDeLaChanceClick() {
    if (barre_->boutonNumeros()->isChecked())
        etat_.montrerNumerosChance(hasard_, options_);
    else
        etat_.cacherNumerosChance();
    afficherNumerosChance();
}

void TfrmLunespiral::montrerNumerosChance() {
    if (!etat_.tirageTermine()) return;
    barre_->boutonNumeros()->setChecked(true);
    SBNumerosDeLaChanceClick();
}

void TfrmLunespiral::afficherNumerosChance() {
    barre_->afficherNumeros(etat_, chaines_);
}

void TfrmLunespiral::SBConfigurationNumerosDeLaChanceClick() {
    setEnabled(false);
    if (ouvrirOptions) ouvrirOptions();
}

// ---------------------------------------------------------------------------------------------
// Sharing a reading.

void TfrmLunespiral::copierLecture() {
    // The reading on screen only: nothing while the spread chooser is up.
    if (choix_->visible() || etat_.typeTirage() == TypeTirage::Aucun) return;
    if (!talon_->surLaTable()) return;
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(texteDeLaLecture(etat_, langueDesNoms(), 72)));
}

int TfrmLunespiral::langueDesNoms() const {
    return langueParlee(chaines_.langue);
}

} // namespace lunespiral
