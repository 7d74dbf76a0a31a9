// The program's start and end, with its three real windows wired as the program wires them.

#include "Application.h"
#include "BoiteMessage.h"
#include "Chaines.h"
#include "Demarrage.h"
#include "Globales.h"
#include "Langue.h"
#include "Memo.h"
#include "OptionsChance.h"
#include "fSplash.h"
#include "mdlChance.h"
#include "spiral.h"

#include <QFileInfo>
#include <QLibraryInfo>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace lunespiral;

// Adds up the area painted in a window and everything in it.
struct CompteurDePeintures : QObject {
    qint64 aire = 0;
    explicit CompteurDePeintures(QWidget* fenetre) {
        fenetre->installEventFilter(this);
        for (QWidget* w : fenetre->findChildren<QWidget*>()) w->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) {
            for (const QRect& r : static_cast<QPaintEvent*>(e)->region())
                aire += qint64(r.width()) * r.height();
        }
        return false;
    }
};

class TestDemarrage : public QObject {
    Q_OBJECT

    Fenetres f_;

private slots:
    void seulLeSplashAuDebut() {
        f_ = demarrer();
        QVERIFY(f_.splash->isVisible());
        QVERIFY(!f_.principale->isVisible());
        QVERIFY(!f_.dialogue->isVisible());
        QCOMPARE(titreProgramme, QStringLiteral("LUNESPIRAL 2000"));
        QCOMPARE(cleRegistre, QStringLiteral("Software\\Ludicorium\\LUNESPIRAL 2000\\"));
        QVERIFY(repertoireProgramme.endsWith('/'));
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Lunespiral"));
        QCOMPARE(langue, 0);
        // The main window exists with its options read, but its controls wait for the splash
        // to be on screen.
        QVERIFY(!f_.principale->creationTerminee());
        QVERIFY(!f_.principale->findChild<Panneau*>("panelChooseTirage"));
        QVERIFY(validerOptions(optionsChance()));
    }

    void lesControlesSuiventLaPremierePeintureDuSplash() {
        QTRY_VERIFY(f_.principale->creationTerminee());
        QVERIFY(f_.principale->findChild<Panneau*>("panelChooseTirage"));
        QVERIFY(!f_.principale->isVisible());
    }

    void leChoixDeLaLangueAmeneLaFenetrePrincipale() {
        QTest::mouseClick(f_.splash->findChild<QPushButton*>("PanelStartEnglish"), Qt::LeftButton);
        QCOMPARE(langue, langueAnglais);
        QVERIFY(!f_.splash->isVisible());
        QTRY_VERIFY(f_.principale->isVisible());
        QCOMPARE(f_.principale->windowTitle(), QStringLiteral("LUNESPIRAL 2000"));
        QCOMPARE(f_.principale->findChild<Panneau*>("panelChooseTirage")->text(),
                 QStringLiteral("Choose one of these 3 tarot readings..."));
        QCOMPARE(chainesDe(langue).fichierAide, repertoireProgramme + "lunespus.hlp");
        QVERIFY(f_.principale->findChild<Panneau*>("panelSelectionTirage")->isVisible());
    }

    void aProposDeuxFois() {
        for (int fois = 0; fois < 2; ++fois) {
            QTest::mouseClick(f_.principale->findChild<QToolButton*>("TSBAbout"), Qt::LeftButton);
            QVERIFY(f_.splash->isVisible());
            QVERIFY(!f_.principale->isEnabled());
            QVERIFY(f_.splash->findChild<QPushButton*>("panelOKAbout")->isVisible());
            QVERIFY(!f_.splash->findChild<QPushButton*>("PanelStartFrench")->isVisible());
            QVERIFY(!f_.splash->findChild<QPushButton*>("PanelStartEnglish")->isVisible());
            QTest::mouseClick(f_.splash->findChild<QPushButton*>("panelOKAbout"), Qt::LeftButton);
            QVERIFY(!f_.splash->isVisible());
            QVERIFY(f_.principale->isEnabled());
        }
    }

    void lesOptionsSOuvrentEtSeReferment() {
        // Disabling the window under the dialog changes nothing on screen: only the pressed
        // button and the focus leaving or coming back are repainted, never the whole window.
        QCoreApplication::processEvents();
        CompteurDePeintures peintures(f_.principale);
        QTest::mouseClick(
            f_.principale->findChild<QToolButton*>("SBConfigurationNumerosDeLaChance"),
            Qt::LeftButton);
        QVERIFY(f_.dialogue->isVisible());
        QVERIFY(!f_.principale->isEnabled());
        QVERIFY(!f_.principale->findChild<Memo*>("memoPhraseGlobale")->isEnabled());
        QCoreApplication::processEvents();
        QTest::mouseClick(f_.dialogue->findChild<QPushButton*>("buttonAnnuler"), Qt::LeftButton);
        QVERIFY(!f_.dialogue->isVisible());
        QVERIFY(f_.principale->isEnabled());
        QCoreApplication::processEvents();
        const QSize taille = f_.principale->size();
        QVERIFY2(peintures.aire < qint64(taille.width()) * taille.height() / 50,
                 qPrintable(QString::number(peintures.aire)));
    }

    void fermerLaFenetrePrincipaleTermineLeProgramme() {
        QSignalSpy ferme(f_.splash, &TfrmSplash::ferme);
        // The main window closes from inside the event loop, as a user closes it; the loop
        // must then end by itself, although the splash was hidden all along.
        QTimer::singleShot(0, f_.principale, [this] { f_.principale->close(); });
        QTimer garde;
        garde.setSingleShot(true);
        connect(&garde, &QTimer::timeout, qApp, [] { QCoreApplication::exit(99); });
        garde.start(5000);
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(ferme.count(), 1);
        detruire(f_);
    }

    // Qt's own dialogs follow the language chosen (where Qt's translations are installed).
    void lesDialoguesDeQtSuiventLaLangue() {
        const QString annuler = QCoreApplication::translate("QPlatformTheme", "Cancel");
        traduireQt(langueAnglais);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), annuler);
        if (!QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                               QStringLiteral("/qtbase_fr.qm")))
            QSKIP("Qt's translations are not installed");
        traduireQt(langueFrancais);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                 QStringLiteral("Annuler"));
    }
};

int main(int argc, char** argv) {
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    Application app(argc, argv);
    TestDemarrage t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_demarrage.moc"
