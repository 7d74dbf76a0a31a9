#include "Demarrage.h"

#include "EtatTirage.h"
#include "Globales.h"
#include "Langue.h"
#include "OptionsChance.h"
#include "ServiceImages.h"
#include "fSplash.h"
#include "mdlChance.h"
#include "spiral.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QScreen>
#include <QTimer>
#include <QTranslator>

namespace lunespiral {

namespace {

// The main window's controls are made, and the pictures it will need drawn, once the splash
// has been painted, while the user reads it: nothing stands between the start and the first
// paint. The controls come first, on the turn of the event loop after that paint; the pictures
// follow one per turn.
class PreparationApresPeinture : public QObject {
public:
    PreparationApresPeinture(QWidget* splash, TfrmLunespiral* principale)
        : QObject(splash), principale_(principale) {
        splash->installEventFilter(this);
    }

    bool eventFilter(QObject* cible, QEvent* e) override {
        if (e->type() == QEvent::Paint) {
            cible->removeEventFilter(this);
            QTimer::singleShot(0, principale_, [principale = principale_] {
                principale->terminerCreation();
                ServiceImages::instance().lancerPreparation();
            });
            deleteLater();
        }
        return false;
    }

private:
    TfrmLunespiral* principale_;
};

} // namespace

void traduireQt(int code) {
    // Qt's own dialogs (the file and print dialogs where the desktop has none of its own) speak
    // the language chosen, not English. Without Qt's translations installed they stay English.
    if (code != langueFrancais) return;
    auto* traduction = new QTranslator(qApp);
    if (traduction->load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(traduction);
    else
        delete traduction;
}

Fenetres demarrer() {
    QCoreApplication::setApplicationName(QStringLiteral("Lunespiral"));
    QGuiApplication::setDesktopFileName(QStringLiteral("fr.ludicorium.Lunespiral"));
    // The splash is hidden most of the time: the program ends when it closes, not when the
    // last visible window does.
    QGuiApplication::setQuitOnLastWindowClosed(false);

    const QScreen* ecran = QGuiApplication::primaryScreen();
    const QSize taille = ecran ? ecran->size() : QSize(800, 600);
    echelleX = taille.width() * 0.00125;
    echelleY = taille.height() * (1.0 / 600);

    // The order matters: the splash sets where the program lives and its settings key, which
    // the main window's creation uses to load the lucky-number options.
    Fenetres f;
    f.splash = frmSplash = new TfrmSplash;
    f.etat = new EtatTirage;
    const Collaborateurs collaborateurs{*f.etat, Hasard::commun(), Textes::communs(),
                                        optionsChance(), ServiceImages::instance()};
    f.principale = frmLunespiral =
        new TfrmLunespiral(collaborateurs, nullptr, TfrmLunespiral::Creation::Differee);
    f.dialogue = frmConfigurationChance = new TfrmConfigurationChance;

    new PreparationApresPeinture(f.splash, f.principale);

    TfrmSplash* splash = f.splash;
    TfrmLunespiral* principale = f.principale;
    TfrmConfigurationChance* dialogue = f.dialogue;
    splash->setFenetrePrincipale(principale);
    splash->setTimerDebut(principale->timerDebut());
    splash->appliquerLangue = [principale] {
        traduireQt(langue);
        principale->AppliquerLangue(chainesDe(langue));
    };
    dialogue->setFenetrePrincipale(principale);
    dialogue->setLecture(f.etat);
    dialogue->apresConfirmation = [principale] { principale->montrerNumerosChance(); };
    principale->ouvrirAPropos = [splash] { splash->montrerAPropos(); };
    principale->ouvrirOptions = [dialogue] { dialogue->ouvrir(); };
    principale->fermerProgramme = [splash] { splash->close(); };
    QObject::connect(splash, &TfrmSplash::ferme, qApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    return f;
}

void detruire(Fenetres& f) {
    if (f.principale) f.principale->fermerProgramme = nullptr;
    delete f.dialogue;
    delete f.principale;
    delete f.splash;
    delete f.etat;
    frmConfigurationChance = nullptr;
    frmLunespiral = nullptr;
    frmSplash = nullptr;
    f = {};
}

} // namespace lunespiral
