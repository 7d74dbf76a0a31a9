#include "mdlChance.h"

#include "EtatTirage.h"

#include "Design.h"
#include "Echelle.h"
#include "Erreurs.h"
#include "Globales.h"
#include "Langue.h"
#include "MagasinReglages.h"
#include "OptionsChance.h"
#include "Panneau.h"
#include "Polices.h"

#include <QGuiApplication>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>

#include <algorithm>
#include <iterator>

namespace lunespiral {

namespace {

// ---------------------------------------------------------------------------------------------
// The design of the dialog, for a 437 x 145 client area on an 800 x 600 screen at 96 dpi.

constexpr int faceBouton = 0xC0C0C0;

// A long title takes two lines rather than losing its end.
// clang-format off
const Controle design[] = {
    {.nom = "panelTitreNbNumeros", .genre = Genre::Panneau, .geometrie = {6, 6, 140, 39}, .fond = faceBouton,
     .police = {Famille::Sans, 11, true}, .legende = Cle::titreNbNumeros, .retourALaLigne = true},
    {.nom = "panelTitreValeurMinimale", .genre = Genre::Panneau, .geometrie = {150, 6, 140, 39}, .fond = faceBouton,
     .police = {Famille::Sans, 12, true}, .legende = Cle::titreValeurMinimale, .retourALaLigne = true},
    {.nom = "panelTitreValeurMaximale", .genre = Genre::Panneau, .geometrie = {294, 6, 140, 39}, .fond = faceBouton,
     .police = {Famille::Sans, 12, true}, .legende = Cle::titreValeurMaximale, .retourALaLigne = true},
    {.nom = "scrollBarNombreNumeros", .genre = Genre::Barre, .geometrie = {6, 48, 139, 16}, .minimum = 1,
     .maximum = 10, .page = 1},
    {.nom = "ScrollBarValeurMinimale", .genre = Genre::Barre, .geometrie = {150, 48, 139, 16}, .minimum = 1,
     .maximum = 500, .page = 10},
    {.nom = "scrollBarValeurMaximale", .genre = Genre::Barre, .geometrie = {294, 48, 139, 16}, .minimum = 1,
     .maximum = 500, .page = 10},
    {.nom = "panelNbNumeros", .genre = Genre::Panneau, .geometrie = {6, 68, 140, 39}, .fond = faceBouton,
     .police = {Famille::Sans, 21}},
    {.nom = "panelValeurMinimale", .genre = Genre::Panneau, .geometrie = {150, 68, 140, 39}, .fond = faceBouton,
     .police = {Famille::Sans, 21}},
    {.nom = "panelValeurMaximale", .genre = Genre::Panneau, .geometrie = {294, 68, 140, 39}, .fond = faceBouton,
     .police = {Famille::Sans, 21}},
    {.nom = "buttonAnnuler", .genre = Genre::Bouton, .geometrie = {6, 114, 213, 27}, .police = {Famille::Serif, 21},
     .curseur = Qt::UpArrowCursor, .legende = Cle::annuler},
    {.nom = "Button1", .genre = Genre::Bouton, .geometrie = {224, 114, 209, 27}, .police = {Famille::Serif, 21},
     .curseur = Qt::UpArrowCursor, .texte = "OK"},
};
// clang-format on

const char* const ordreFocus[] = {"Button1", "ScrollBarValeurMinimale", "scrollBarValeurMaximale",
                                  "scrollBarNombreNumeros", "buttonAnnuler"};

QString decimal(int v) {
    return QString::number(v);
}

// The style draws the arrow buttons of a scroll bar at a fixed size; on a large screen the bars
// are scaled with the dialog, and their buttons should be as well.
class StyleBarres : public QProxyStyle {
public:
    int pixelMetric(PixelMetric m, const QStyleOption* option, const QWidget* w) const override {
        if (w && (m == PM_ScrollBarExtent || m == PM_ScrollBarSliderMin))
            return std::max(QProxyStyle::pixelMetric(m, option, w), w->height());
        return QProxyStyle::pixelMetric(m, option, w);
    }
};

} // namespace

// ---------------------------------------------------------------------------------------------
// Creation.

TfrmConfigurationChance::TfrmConfigurationChance(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmConfigurationChance"));
    // A title bar without any of its buttons: the dialog is left through its own two.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    // Only the splash, the primary window, ends the program when it closes.
    setAttribute(Qt::WA_QuitOnClose, false);
    frmConfigurationChance = this;
    construireDesign();
    FormCreate();
}

TfrmConfigurationChance::~TfrmConfigurationChance() {
    if (frmConfigurationChance == this) frmConfigurationChance = nullptr;
}

void TfrmConfigurationChance::construireDesign() {
    setGeometry(0, 0, 437, 145);
    peindreFond(this, 0x008080); // teal
    setFont(policeDesign(Famille::Sans, 11));

    construireControles(this, design);
    // Made after the bars, so that it outlives them when the dialog's children are deleted.
    auto* styleBarres = new StyleBarres;
    styleBarres->setParent(this);
    for (QScrollBar* b : findChildren<QScrollBar*>()) b->setStyle(styleBarres);

    for (std::size_t i = 1; i < std::size(ordreFocus); ++i)
        setTabOrder(findChild<QWidget*>(QString::fromLatin1(ordreFocus[i - 1])),
                    findChild<QWidget*>(QString::fromLatin1(ordreFocus[i])));

    scrollBarNombreNumeros_ = findChild<QScrollBar*>(QStringLiteral("scrollBarNombreNumeros"));
    ScrollBarValeurMinimale_ = findChild<QScrollBar*>(QStringLiteral("ScrollBarValeurMinimale"));
    scrollBarValeurMaximale_ = findChild<QScrollBar*>(QStringLiteral("scrollBarValeurMaximale"));
    panelNbNumeros_ = findChild<Panneau*>(QStringLiteral("panelNbNumeros"));
    panelValeurMinimale_ = findChild<Panneau*>(QStringLiteral("panelValeurMinimale"));
    panelValeurMaximale_ = findChild<Panneau*>(QStringLiteral("panelValeurMaximale"));
    panelTitreNbNumeros_ = findChild<Panneau*>(QStringLiteral("panelTitreNbNumeros"));
    panelTitreValeurMinimale_ = findChild<Panneau*>(QStringLiteral("panelTitreValeurMinimale"));
    panelTitreValeurMaximale_ = findChild<Panneau*>(QStringLiteral("panelTitreValeurMaximale"));
    buttonAnnuler_ = findChild<QPushButton*>(QStringLiteral("buttonAnnuler"));
    Button1_ = findChild<QPushButton*>(QStringLiteral("Button1"));
    Button1_->setDefault(true);
}

void TfrmConfigurationChance::FormCreate() {
    const QScreen* ecran = QGuiApplication::primaryScreen();
    // 440 x 145 once sized below, with room for the frame the window system adds.
    mettreAEchelle(
        this, echelleUnique(ecran->availableSize(), ecran->logicalDotsPerInch(), QSize(460, 175)));

    // As wide as the columns with the left margin repeated on the right. The window system
    // draws its frame outside this width, so the margin is counted once on each side.
    setFixedSize(panelValeurMaximale_->x() + panelValeurMaximale_->width() + panelNbNumeros_->x(),
                 height());
    move(ecran->geometry().center() - rect().center());

    for (const Controle& l : design)
        if (l.genre == Genre::Barre) {
            auto* barre = findChild<QScrollBar*>(QString::fromLatin1(l.nom));
            barre->setRange(l.minimum, l.maximum);
            barre->setSingleStep(1);
            barre->setPageStep(l.page);
        }
    // Connected once the ranges are set, so that the positions start quietly at 1.
    connect(scrollBarNombreNumeros_, &QScrollBar::valueChanged, this,
            &TfrmConfigurationChance::scrollBarNombreNumerosChange);
    connect(ScrollBarValeurMinimale_, &QScrollBar::valueChanged, this,
            &TfrmConfigurationChance::ScrollBarValeurMinimaleChange);
    connect(scrollBarValeurMaximale_, &QScrollBar::valueChanged, this,
            &TfrmConfigurationChance::scrollBarValeurMaximaleChange);
    connect(Button1_, &QPushButton::clicked, this, &TfrmConfigurationChance::Button1Click);
    connect(buttonAnnuler_, &QPushButton::clicked, this,
            &TfrmConfigurationChance::buttonAnnulerClick);
}

// ---------------------------------------------------------------------------------------------
// Opening.

void TfrmConfigurationChance::ouvrir() {
    if (fenetrePrincipale_) fenetrePrincipale_->setEnabled(false);
    show();
    raise();
    activateWindow();
}

void TfrmConfigurationChance::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // Coming back from the task bar keeps the user's edits; only an opening resets them.
    if (!e->spontaneous()) FormActivate();
}

void TfrmConfigurationChance::FormActivate() {
    const OptionsChance& o = optionsChance();
    // Each position set runs its bar's handler against the others as they stand, so the bars
    // come out consistent whatever an earlier opening left in them.
    scrollBarNombreNumeros_->setValue(o.optionNbNumerosDeLaChance);
    panelNbNumeros_->setText(decimal(o.optionNbNumerosDeLaChance));
    ScrollBarValeurMinimale_->setValue(o.optionMinRange);
    panelValeurMinimale_->setText(decimal(o.optionMinRange));
    scrollBarValeurMaximale_->setValue(o.optionMaxRange);
    panelValeurMaximale_->setText(decimal(o.optionMaxRange));

    // French until English is chosen.
    const Chaines chaines = chainesDe(langueParlee(langue));
    setWindowTitle(chaines.texte(Cle::titreOptions));
    appliquerLegendes(this, design, chaines);
    Button1_->setFocus();
}

// ---------------------------------------------------------------------------------------------
// Keeping count, minimum and maximum consistent: maximum - minimum + 1 >= count. Setting a bar
// runs its own handler only when its position changes; those nested runs update the panels.

void TfrmConfigurationChance::scrollBarNombreNumerosChange() {
    const int c = scrollBarNombreNumeros_->value();
    const int a = ScrollBarValeurMinimale_->value();
    const int b = scrollBarValeurMaximale_->value();
    const int limite = scrollBarValeurMaximale_->maximum();
    panelNbNumeros_->setText(decimal(c));
    if (c > b - a + 1) {
        int minimum = a;
        int maximum = a + c - 1;
        if (maximum > limite) {
            maximum = limite;
            minimum = limite - c + 1;
        }
        ScrollBarValeurMinimale_->setValue(minimum);
        scrollBarValeurMaximale_->setValue(maximum);
    }
}

void TfrmConfigurationChance::ScrollBarValeurMinimaleChange() {
    const int c = scrollBarNombreNumeros_->value();
    const int a = ScrollBarValeurMinimale_->value();
    const int b = scrollBarValeurMaximale_->value();
    const int limite = scrollBarValeurMaximale_->maximum();
    int minimum = a;
    if (c > limite - a + 1) minimum = limite - c + 1;
    const int maximum = std::max(b, minimum + c - 1);
    ScrollBarValeurMinimale_->setValue(minimum);
    scrollBarValeurMaximale_->setValue(maximum);
    panelValeurMinimale_->setText(decimal(ScrollBarValeurMinimale_->value()));
}

void TfrmConfigurationChance::scrollBarValeurMaximaleChange() {
    const int c = scrollBarNombreNumeros_->value();
    const int a = ScrollBarValeurMinimale_->value();
    const int b = scrollBarValeurMaximale_->value();
    int maximum = b;
    if (c > b) maximum = c;
    int minimum = a;
    if (a > maximum - c + 1) minimum = maximum - c + 1;
    ScrollBarValeurMinimale_->setValue(minimum);
    scrollBarValeurMaximale_->setValue(maximum);
    panelValeurMaximale_->setText(decimal(scrollBarValeurMaximale_->value()));
}

// ---------------------------------------------------------------------------------------------
// Leaving.

void TfrmConfigurationChance::Button1Click() {
    OptionsChance& o = optionsChance();
    o.optionNbNumerosDeLaChance = scrollBarNombreNumeros_->value();
    o.optionMinRange = ScrollBarValeurMinimale_->value();
    o.optionMaxRange = scrollBarValeurMaximale_->value();
    try {
        MagasinReglages magasin(cleRegistre);
        sauverOptions(o, magasin);
    } catch (const ErreurReglages&) {
        // The new options hold for this run even though the store refused them. The dialog
        // closes and the main window comes back before the application's handler shows the
        // message, so nothing stays locked behind it.
        fermer();
        throw;
    }
    fermer();
    if (etat_ && etat_->tirageTermine() && apresConfirmation) apresConfirmation();
}

void TfrmConfigurationChance::buttonAnnulerClick() {
    fermer();
}

void TfrmConfigurationChance::fermer() {
    hide();
    if (fenetrePrincipale_) {
        fenetrePrincipale_->setEnabled(true);
        fenetrePrincipale_->raise();
        fenetrePrincipale_->activateWindow();
    }
}

} // namespace lunespiral
