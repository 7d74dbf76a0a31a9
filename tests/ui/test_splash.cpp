// The splash window: its controls, the values it sets for the whole program, the language
// choice, the about window and the end of the program. Run once per screen size.

#include "Application.h"
#include "Echelle.h"
#include "Globales.h"
#include "fSplash.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

using namespace lunespiral;

namespace {

QPushButton* bouton(QWidget& fenetre, const char* nom) {
    auto* b = fenetre.findChild<QPushButton*>(QString::fromLatin1(nom));
    if (!b) qFatal("no button %s", nom);
    return b;
}

double facteurEcran() {
    const QScreen* ecran = QGuiApplication::primaryScreen();
    return echelleUnique(ecran->size().width(), ecran->logicalDotsPerInch()).x;
}

} // namespace

class TestSplash : public QObject {
    Q_OBJECT

private slots:
    void init() { langue = 0; }

    void controlesEtLegendes() {
        TfrmSplash s;
        QCOMPARE(frmSplash, &s);
        QStringList noms;
        for (QWidget* w : s.findChildren<QWidget*>())
            if (!w->objectName().isEmpty() && !w->objectName().startsWith("qt_"))
                noms << w->objectName();
        noms.sort();
        QCOMPARE(noms, QStringList({"FrameSplash", "Image1", "Image2", "Label1",
                                    "PanelStartEnglish", "PanelStartFrench", "lblAvis",
                                    "lblCompanyProduct", "lblTexteAvis", "panelOKAbout"}));
        QVERIFY(s.isVisible());
        QVERIFY(s.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(s.findChild<QGroupBox*>("FrameSplash")->title().isEmpty());
        QCOMPARE(s.findChild<QLabel*>("lblCompanyProduct")->text(), QString("LUNESPIRAL 2000"));
        QVERIFY(s.findChild<QLabel*>("Label1")->text().startsWith("www."));
        QVERIFY(!s.findChild<QLabel*>("lblAvis")->text().isEmpty());
        QVERIFY(s.findChild<QLabel*>("lblTexteAvis")->text().length() > 100);

        QCOMPARE(bouton(s, "PanelStartFrench")->text(), QString("FRANCAIS"));
        QCOMPARE(bouton(s, "PanelStartEnglish")->text(), QString("ENGLISH"));
        QCOMPARE(bouton(s, "panelOKAbout")->text(), QString("OK"));
        QVERIFY(bouton(s, "PanelStartFrench")->isVisible());
        QVERIFY(bouton(s, "PanelStartEnglish")->isVisible());
        QVERIFY(!bouton(s, "panelOKAbout")->isVisible());
        // The OK of the about window lies on the window, over the frame's language buttons.
        QCOMPARE(bouton(s, "panelOKAbout")->parentWidget(), &s);
        QCOMPARE(bouton(s, "PanelStartFrench")->parentWidget()->objectName(),
                 QString("FrameSplash"));
    }

    void creationFixeLesValeursDuProgramme() {
        repertoireProgramme.clear();
        titreProgramme.clear();
        cleRegistre.clear();
        TfrmSplash s;
        QVERIFY(repertoireProgramme.endsWith('/'));
        QCOMPARE(repertoireProgramme, QCoreApplication::applicationDirPath() + "/");
        QCOMPARE(titreProgramme, QString("LUNESPIRAL 2000"));
        QCOMPARE(cleRegistre, QString("Software\\Ludicorium\\LUNESPIRAL 2000\\"));
    }

    void francaisALaSouris() {
        TfrmSplash s;
        QTimer timer;
        timer.setInterval(60000);
        s.setTimerDebut(&timer);
        int appels = 0;
        int langueVue = -1;
        bool minuterieVue = true;
        s.appliquerLangue = [&] {
            ++appels;
            langueVue = langue;
            minuterieVue = timer.isActive();
        };
        QTest::mouseClick(bouton(s, "PanelStartFrench"), Qt::LeftButton);
        QCOMPARE(langue, 1);
        QCOMPARE(appels, 1);
        QCOMPARE(langueVue, 1);
        QVERIFY(!minuterieVue); // the strings are in place before the main window comes up
        QVERIFY(!s.isVisible());
        QVERIFY(timer.isActive());
    }

    void anglaisAuClavier() {
        TfrmSplash s;
        QTimer timer;
        timer.setInterval(60000);
        s.setTimerDebut(&timer);
        int appels = 0;
        s.appliquerLangue = [&] { ++appels; };
        QVERIFY(QTest::qWaitForWindowActive(&s));
        QCOMPARE(QApplication::focusWidget(), bouton(s, "PanelStartFrench"));
        // Escape does not get round the choice.
        QTest::keyClick(&s, Qt::Key_Escape);
        QVERIFY(s.isVisible());
        QCOMPARE(langue, 0);
        // English comes before French in the frame, so Tab from French wraps round to it.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), bouton(s, "PanelStartEnglish"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), bouton(s, "PanelStartFrench"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(langue, 2);
        QCOMPARE(appels, 1);
        QVERIFY(!s.isVisible());
        QVERIFY(timer.isActive());
    }

    void aProposDeuxFois() {
        TfrmSplash s;
        QWidget principale;
        principale.show();
        s.setFenetrePrincipale(&principale);
        QTest::mouseClick(bouton(s, "PanelStartFrench"), Qt::LeftButton);
        for (int fois = 1; fois <= 2; ++fois) {
            s.montrerAPropos();
            QVERIFY(s.isVisible());
            QVERIFY(!principale.isEnabled());
            QVERIFY(bouton(s, "panelOKAbout")->isVisible());
            QVERIFY(!bouton(s, "PanelStartFrench")->isVisible());
            QVERIFY(!bouton(s, "PanelStartEnglish")->isVisible());
            QCOMPARE(s.findChild<QLabel*>("lblCompanyProduct")->text(), QString("LUNESPIRAL 2000"));
            // OK the first time, Escape the second: both leave the same way.
            if (fois == 1)
                QTest::mouseClick(bouton(s, "panelOKAbout"), Qt::LeftButton);
            else
                QTest::keyClick(&s, Qt::Key_Escape);
            QVERIFY(!s.isVisible());
            QVERIFY(principale.isEnabled());
        }
        QCOMPARE(langue, 1); // the language stays as chosen
    }

    void fermerFinitLeProgramme() {
        TfrmSplash s;
        QTimer timer;
        timer.setInterval(60000);
        s.setTimerDebut(&timer);
        QSignalSpy ferme(&s, &TfrmSplash::ferme);
        // Hidden since the language was chosen, and still the window whose closing ends it all.
        QTest::mouseClick(bouton(s, "PanelStartFrench"), Qt::LeftButton);
        QVERIFY(timer.isActive());
        QVERIFY(!s.isVisible());
        QVERIFY(s.close());
        QCOMPARE(ferme.count(), 1);
        QVERIFY(!timer.isActive());
    }

    void geometrieALEcran() {
        TfrmSplash s;
        const double f = facteurEcran();
        QCOMPARE(s.size(), QSize(arrondiEchelle(455 * f), arrondiEchelle(304 * f)));
        // The figures of the three screens the program is tried on.
        const QByteArray ecran = qgetenv("LUNESPIRAL_ECRAN");
        if (ecran == "800x600") QCOMPARE(s.size(), QSize(455, 304));
        if (ecran == "1024x768") QCOMPARE(s.size(), QSize(582, 389));
        if (ecran == "1920x1080") QCOMPARE(s.size(), QSize(1092, 730));
        QCOMPARE(s.minimumSize(), s.maximumSize());
        const QPoint centre = QGuiApplication::primaryScreen()->geometry().center();
        QVERIFY((s.geometry().center() - centre).manhattanLength() <= 1);

        QCOMPARE(bouton(s, "panelOKAbout")->geometry(),
                 QRect(QPoint(arrondiEchelle(26 * f), arrondiEchelle(218 * f)),
                       QPoint(arrondiEchelle(431 * f) - 1, arrondiEchelle(251 * f) - 1)));
        QCOMPARE(s.findChild<QLabel*>("lblCompanyProduct")->font().pixelSize(),
                 arrondiEchelle(27 * f));
        QCOMPARE(s.findChild<QLabel*>("lblTexteAvis")->font().pixelSize(), arrondiEchelle(13 * f));
        QCOMPARE(bouton(s, "PanelStartFrench")->font().pixelSize(), arrondiEchelle(21 * f));
        QCOMPARE(s.font().pixelSize(), arrondiEchelle(11 * f));

        // Nothing is cut: every text fits its control at this screen's scale.
        for (QLabel* l : s.findChildren<QLabel*>()) {
            if (l->wordWrap()) {
                QVERIFY2(l->heightForWidth(l->width()) <= l->height(), qPrintable(l->objectName()));
            } else {
                QVERIFY2(l->sizeHint().width() <= l->width(), qPrintable(l->objectName()));
                // The line box may be a little taller than a fixed label; the letters may not.
                const int encre = l->fontMetrics().tightBoundingRect(l->text()).height();
                QVERIFY2(l->sizeHint().height() <= l->height() ||
                             encre <= l->contentsRect().height(),
                         qPrintable(l->objectName()));
            }
            QVERIFY2(s.rect().contains(l->mapTo(&s, l->rect().bottomRight())),
                     qPrintable(l->objectName()));
        }
        for (QPushButton* b : s.findChildren<QPushButton*>())
            QVERIFY2(b->fontMetrics().horizontalAdvance(b->text()) < b->width(),
                     qPrintable(b->objectName()));
    }
};

int main(int argc, char** argv) {
    Application app(argc, argv);
    TestSplash t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_splash.moc"
