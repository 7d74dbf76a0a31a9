// The lucky-number options dialog: the three bars kept consistent, OK and cancel, the user's
// settings file, the keyboard and the size on each screen. Run once per screen size; the
// settings file is written into a temporary directory.

#include "Application.h"
#include "BoiteMessage.h"
#include "Echelle.h"
#include "EtatTirage.h"
#include "Globales.h"
#include "MagasinReglages.h"
#include "OptionsChance.h"
#include "Panneau.h"
#include "mdlChance.h"

#include <QDir>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <memory>

using namespace lunespiral;

namespace {

QTemporaryDir* configuration = nullptr; // $XDG_CONFIG_HOME of the run

QString fichierReglages() {
    return configuration->path() + "/Ludicorium/LUNESPIRAL 2000.ini";
}

QByteArray contenuFichier() {
    QFile f(fichierReglages());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

using Trio = std::array<int, 3>; // count, minimum, maximum

enum Barre { Nombre, Minimum, Maximum };
const char* const nomsBarres[] = {"scrollBarNombreNumeros", "ScrollBarValeurMinimale",
                                  "scrollBarValeurMaximale"};
const char* const nomsPanneaux[] = {"panelNbNumeros", "panelValeurMinimale", "panelValeurMaximale"};

// The reading the dialog looks at.
EtatTirage& etatEssai() {
    static EtatTirage etat;
    return etat;
}

// The dialog with a stand-in for the main window, which it disables and enables.
struct Banc {
    QWidget principale;
    TfrmConfigurationChance dialogue;
    Banc() {
        principale.show();
        dialogue.setFenetrePrincipale(&principale);
        dialogue.setLecture(&etatEssai());
    }
    QScrollBar* barre(Barre b) { return dialogue.findChild<QScrollBar*>(nomsBarres[b]); }
    Panneau* panneau(const char* nom) { return dialogue.findChild<Panneau*>(nom); }
    QPushButton* bouton(const char* nom) { return dialogue.findChild<QPushButton*>(nom); }
    Trio positions() {
        return {barre(Nombre)->value(), barre(Minimum)->value(), barre(Maximum)->value()};
    }
    // Every value panel shows its bar's position.
    bool panneauxAJour() {
        for (int b : {Nombre, Minimum, Maximum})
            if (panneau(nomsPanneaux[b])->text() != QString::number(barre(Barre(b))->value()))
                return false;
        return true;
    }
};

void options(int nombre, int minimum, int maximum) {
    optionsChance() = {1, nombre, minimum, maximum};
}

} // namespace

class TestDialogue : public QObject {
    Q_OBJECT

private slots:
    void init() {
        langue = 1;
        options(6, 1, 49);
        etatEssai() = EtatTirage{};
    }

    void premiereOuverture() {
        Banc banc;
        QVERIFY(!banc.dialogue.isVisible());
        banc.dialogue.ouvrir();
        QVERIFY(banc.dialogue.isVisible());
        QVERIFY(!banc.principale.isEnabled());
        QCOMPARE(banc.positions(), (Trio{6, 1, 49}));
        QCOMPARE(banc.panneau("panelNbNumeros")->text(), QString("6"));
        QCOMPARE(banc.panneau("panelValeurMinimale")->text(), QString("1"));
        QCOMPARE(banc.panneau("panelValeurMaximale")->text(), QString("49"));
        QCOMPARE(banc.dialogue.windowTitle(), QString("Options de choix des numéros de la chance"));
        QCOMPARE(banc.panneau("panelTitreNbNumeros")->text(), QString("Nombre de numéros"));
        QCOMPARE(banc.panneau("panelTitreValeurMinimale")->text(), QString("Valeur minimale"));
        QCOMPARE(banc.panneau("panelTitreValeurMaximale")->text(), QString("Valeur maximale"));
        QCOMPARE(banc.bouton("buttonAnnuler")->text(), QString("ANNULER"));
        QCOMPARE(banc.bouton("Button1")->text(), QString("OK"));
        QVERIFY(QTest::qWaitForWindowActive(&banc.dialogue));
        QCOMPARE(QApplication::focusWidget(), banc.bouton("Button1"));

        banc.dialogue.buttonAnnulerClick();
        langue = 2;
        banc.dialogue.ouvrir();
        QCOMPARE(banc.dialogue.windowTitle(),
                 QString("Options for the choice of your lucky numbers"));
        QCOMPARE(banc.panneau("panelTitreNbNumeros")->text(), QString("Number of numbers"));
        QCOMPARE(banc.panneau("panelTitreValeurMinimale")->text(), QString("Minimum"));
        QCOMPARE(banc.panneau("panelTitreValeurMaximale")->text(), QString("Maximum"));
        QCOMPARE(banc.bouton("buttonAnnuler")->text(), QString("CANCEL"));
        QCOMPARE(banc.bouton("Button1")->text(), QString("OK"));
    }

    void lesBarresRestentCoherentes_data() {
        QTest::addColumn<Trio>("depart");
        QTest::addColumn<int>("barre");
        QTest::addColumn<int>("position");
        QTest::addColumn<Trio>("attendu");
        QTest::newRow("count 10, minimum dragged to 495")
            << Trio{10, 1, 49} << int(Minimum) << 495 << Trio{10, 491, 500};
        QTest::newRow("count 6 to 10 over 1..6")
            << Trio{6, 1, 6} << int(Nombre) << 10 << Trio{10, 1, 10};
        QTest::newRow("maximum dragged to 3, count 6, minimum 2")
            << Trio{6, 2, 49} << int(Maximum) << 3 << Trio{6, 1, 6};
        QTest::newRow("minimum dragged to 60, count 6, maximum 49")
            << Trio{6, 1, 49} << int(Minimum) << 60 << Trio{6, 60, 65};
        QTest::newRow("count raised at the top of the range")
            << Trio{3, 498, 500} << int(Nombre) << 10 << Trio{10, 491, 500};
        QTest::newRow("count lowered changes nothing else")
            << Trio{10, 20, 29} << int(Nombre) << 2 << Trio{2, 20, 29};
        QTest::newRow("maximum lowered onto the minimum")
            << Trio{4, 30, 60} << int(Maximum) << 31 << Trio{4, 28, 31};
        QTest::newRow("maximum raised leaves the minimum")
            << Trio{4, 30, 60} << int(Maximum) << 400 << Trio{4, 30, 400};
        QTest::newRow("minimum lowered leaves the maximum")
            << Trio{6, 40, 49} << int(Minimum) << 2 << Trio{6, 2, 49};
    }

    void lesBarresRestentCoherentes() {
        QFETCH(Trio, depart);
        QFETCH(int, barre);
        QFETCH(int, position);
        QFETCH(Trio, attendu);
        options(depart[0], depart[1], depart[2]);
        Banc banc;
        banc.dialogue.ouvrir();
        QCOMPARE(banc.positions(), depart);
        banc.barre(Barre(barre))->setValue(position); // what a drag does at each step
        QCOMPARE(banc.positions(), attendu);
        QVERIFY(banc.panneauxAJour());
    }

    // Whatever the user does with the bars, the values stay in range and consistent, and the
    // panels show them.
    void nImporteQuelleSuiteDeMouvements() {
        Banc banc;
        banc.dialogue.ouvrir();
        QRandomGenerator alea(2000);
        const QScrollBar::SliderAction actions[] = {
            QScrollBar::SliderSingleStepAdd, QScrollBar::SliderSingleStepSub,
            QScrollBar::SliderPageStepAdd,   QScrollBar::SliderPageStepSub,
            QScrollBar::SliderToMinimum,     QScrollBar::SliderToMaximum};
        for (int i = 0; i < 3000; ++i) {
            QScrollBar* b = banc.barre(Barre(alea.bounded(3)));
            if (alea.bounded(2))
                b->setValue(alea.bounded(b->minimum(), b->maximum() + 1));
            else
                b->triggerAction(actions[alea.bounded(int(std::size(actions)))]);
            const auto [c, a, m] = banc.positions();
            QVERIFY2(a >= 1 && m <= 500 && m - a + 1 >= c,
                     qPrintable(QString("%1 %2 %3").arg(c).arg(a).arg(m)));
            QVERIFY(banc.panneauxAJour());
        }
    }

    void annulerRendLesOptionsIntactes() {
        {
            Banc banc;
            banc.dialogue.ouvrir();
            QTest::mouseClick(banc.bouton("Button1"), Qt::LeftButton); // the store holds 6, 1, 49
        }
        const QByteArray avant = contenuFichier();
        QVERIFY(!avant.isEmpty());
        Banc banc;
        banc.dialogue.ouvrir();
        banc.barre(Nombre)->setValue(9);
        banc.barre(Minimum)->setValue(100);
        QTest::mouseClick(banc.bouton("buttonAnnuler"), Qt::LeftButton);
        QVERIFY(!banc.dialogue.isVisible());
        QVERIFY(banc.principale.isEnabled());
        QCOMPARE(optionsChance(), (OptionsChance{1, 6, 1, 49}));
        QCOMPARE(contenuFichier(), avant);
        banc.dialogue.ouvrir();
        QCOMPARE(banc.positions(), (Trio{6, 1, 49}));
        QVERIFY(banc.panneauxAJour());

        // Escape and the window system's close button cancel too.
        banc.barre(Maximum)->setValue(300);
        QTest::keyClick(&banc.dialogue, Qt::Key_Escape);
        QVERIFY(!banc.dialogue.isVisible());
        QVERIFY(banc.principale.isEnabled());
        banc.dialogue.ouvrir();
        banc.barre(Maximum)->setValue(300);
        banc.dialogue.close();
        QVERIFY(!banc.dialogue.isVisible());
        QVERIFY(banc.principale.isEnabled());
        QCOMPARE(optionsChance(), (OptionsChance{1, 6, 1, 49}));
        QCOMPARE(contenuFichier(), avant);
    }

    void okEnregistreDansLeFichierDeLUtilisateur() {
        Banc banc;
        int crochet = 0;
        banc.dialogue.apresConfirmation = [&] { ++crochet; };
        banc.dialogue.ouvrir();
        banc.barre(Nombre)->setValue(8);
        banc.barre(Minimum)->setValue(5);
        banc.barre(Maximum)->setValue(60);
        QTest::mouseClick(banc.bouton("Button1"), Qt::LeftButton);
        QVERIFY(!banc.dialogue.isVisible());
        QVERIFY(banc.principale.isEnabled());
        QCOMPARE(optionsChance(), (OptionsChance{1, 8, 5, 60}));
        QCOMPARE(crochet, 0); // no draw on screen, nothing to show

        const QByteArray texte = contenuFichier();
        QVERIFY(texte.contains("[Software%5CLudicorium%5CLUNESPIRAL%202000%5C]"));
        QSettings relu(fichierReglages(), QSettings::IniFormat);
        relu.beginGroup(cleRegistre);
        const QVariant verif = relu.value("verif");
        QCOMPARE(verif.typeId(), int(QMetaType::QByteArray));
        QCOMPARE(verif.toByteArray(), QByteArray("\x01", 1));
        QCOMPARE(relu.value("optionNbNumerosDeLaChance").toByteArray(),
                 QByteArray("\x08\0\0\0", 4));
        QCOMPARE(relu.value("optionMinRange").toByteArray(), QByteArray("\x05\0\0\0", 4));
        QCOMPARE(relu.value("optionMaxRange").toByteArray(), QByteArray("\x3C\0\0\0", 4));
    }

    void entreeConfirmeSaufSurAnnuler() {
        Banc banc;
        banc.dialogue.ouvrir();
        banc.barre(Nombre)->setValue(7);
        banc.barre(Minimum)->setFocus();
        QTest::keyClick(banc.barre(Minimum), Qt::Key_Return);
        QVERIFY(!banc.dialogue.isVisible());
        QCOMPARE(optionsChance().optionNbNumerosDeLaChance, 7);

        banc.dialogue.ouvrir();
        banc.barre(Nombre)->setValue(3);
        banc.bouton("buttonAnnuler")->setFocus();
        QTest::keyClick(banc.bouton("buttonAnnuler"), Qt::Key_Return);
        QVERIFY(!banc.dialogue.isVisible());
        QCOMPARE(optionsChance().optionNbNumerosDeLaChance, 7);
    }

    void okApresUnTirageMontreDeNouveauxNumeros() {
        Textes textes;
        textes.chargerTableCartes(1);
        Hasard hasard;
        try {
            etatEssai().choisirTirageSansAmorcer(TypeTirage::DixMaisons, hasard, textes);
        } catch (const std::exception&) {
            // Without data files the texts may stop short; the draw itself is made.
        }
        for (int d = 1; d <= 22 && !etatEssai().tirageTermine(); ++d)
            etatEssai().cliquerCarte(d, hasard, optionsChance());
        QVERIFY(etatEssai().tirageTermine());

        Banc banc;
        int crochet = 0;
        banc.dialogue.apresConfirmation = [&] {
            ++crochet;
            // The main window takes over with the new options in force.
            QVERIFY(!banc.dialogue.isVisible());
            QVERIFY(banc.principale.isEnabled());
            QCOMPARE(optionsChance().optionMaxRange, 90);
        };
        banc.dialogue.ouvrir();
        banc.barre(Maximum)->setValue(90);
        QTest::mouseClick(banc.bouton("buttonAnnuler"), Qt::LeftButton);
        QCOMPARE(crochet, 0);
        banc.dialogue.ouvrir();
        banc.barre(Maximum)->setValue(90);
        QTest::mouseClick(banc.bouton("Button1"), Qt::LeftButton);
        QCOMPARE(crochet, 1);
    }

    void ordreDuFocus() {
        Banc banc;
        QStringList ordre;
        QWidget* w = banc.bouton("Button1");
        do {
            ordre << w->objectName();
            do w = w->nextInFocusChain();
            while (!(w->focusPolicy() & Qt::TabFocus) || w->objectName().isEmpty());
        } while (w != banc.bouton("Button1"));
        QCOMPARE(ordre,
                 QStringList({"Button1", "ScrollBarValeurMinimale", "scrollBarValeurMaximale",
                              "scrollBarNombreNumeros", "buttonAnnuler"}));
    }

    void tailleALEcran() {
        Banc banc;
        TfrmConfigurationChance& d = banc.dialogue;
        const QScreen* ecran = QGuiApplication::primaryScreen();
        const double f = echelleUnique(ecran->size().width(), ecran->logicalDotsPerInch()).x;
        // As wide as the three columns with the same margin on both sides.
        const int largeur = arrondiEchelle(434 * f) + arrondiEchelle(6 * f);
        QCOMPARE(d.size(), QSize(largeur, arrondiEchelle(145 * f)));
        const QByteArray nom = qgetenv("LUNESPIRAL_ECRAN");
        if (nom == "800x600") QCOMPARE(d.size(), QSize(440, 145));
        if (nom == "1024x768") QCOMPARE(d.size(), QSize(564, 186));
        if (nom == "1920x1080") QCOMPARE(d.size(), QSize(1056, 348));
        QCOMPARE(d.minimumSize(), d.maximumSize());
        QVERIFY((d.geometry().center() - ecran->geometry().center()).manhattanLength() <= 1);

        const Qt::WindowFlags drapeaux = d.windowFlags();
        QVERIFY(drapeaux & Qt::WindowTitleHint);
        QVERIFY(!(drapeaux & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint |
                              Qt::WindowSystemMenuHint)));

        QCOMPARE(banc.panneau("panelValeurMaximale")->geometry(),
                 QRect(QPoint(arrondiEchelle(294 * f), arrondiEchelle(68 * f)),
                       QPoint(arrondiEchelle(434 * f) - 1, arrondiEchelle(107 * f) - 1)));
        QCOMPARE(banc.bouton("Button1")->font().pixelSize(), arrondiEchelle(21 * f));
        QCOMPARE(banc.panneau("panelTitreNbNumeros")->font().pixelSize(), arrondiEchelle(11 * f));
        QVERIFY(banc.panneau("panelTitreNbNumeros")->font().bold());

        // No caption is cut, in either language, even with the widest values.
        options(10, 500, 500);
        for (int l : {1, 2}) {
            langue = l;
            d.ouvrir();
            for (Panneau* p : d.findChildren<Panneau*>()) {
                const QRect r = p->contentsRect();
                QVERIFY2(p->heightForWidth(p->width()) <= p->height() || !p->wordWrap(),
                         qPrintable(p->objectName()));
                if (!p->wordWrap())
                    QVERIFY2(p->fontMetrics().horizontalAdvance(p->text()) <= r.width(),
                             qPrintable(p->objectName()));
            }
            for (QPushButton* b : d.findChildren<QPushButton*>())
                QVERIFY2(b->fontMetrics().horizontalAdvance(b->text()) < b->width(),
                         qPrintable(b->objectName()));
            d.buttonAnnulerClick();
        }
    }

    // Last: the store is made unwritable for good.
    void unEnregistrementImpossibleNeBloquePasLaFenetrePrincipale() {
        QDir(configuration->path()).remove("Ludicorium/LUNESPIRAL 2000.ini");
        QVERIFY(QDir(configuration->path()).rmdir("Ludicorium"));
        QFile bouchon(configuration->path() + "/Ludicorium"); // a file where the folder should be
        QVERIFY(bouchon.open(QIODevice::WriteOnly));
        bouchon.close();

        QStringList messages;
        BoiteMessage::observer([&](const QString& t) { messages << t; });
        BoiteMessage::reponsesSuivantes({true});
        Banc banc;
        int crochet = 0;
        banc.dialogue.apresConfirmation = [&] { ++crochet; };
        banc.dialogue.ouvrir();
        banc.barre(Nombre)->setValue(9);
        QTest::mouseClick(banc.bouton("Button1"), Qt::LeftButton);
        BoiteMessage::observer({});
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].contains("verif"), qPrintable(messages[0]));
        QVERIFY(!banc.dialogue.isVisible());
        QVERIFY(banc.principale.isEnabled());
        QCOMPARE(optionsChance().optionNbNumerosDeLaChance, 9); // in force for this run
        QCOMPARE(crochet, 0);
    }
};

int main(int argc, char** argv) {
    // The user's settings file goes to a folder of the test's own, decided before anything
    // asks where it lives.
    QTemporaryDir dossier;
    configuration = &dossier;
    qputenv("XDG_CONFIG_HOME", dossier.path().toLocal8Bit());
    Application app(argc, argv);
    cleRegistre = cleRegistreParDefaut;
    TestDialogue t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_dialogue.moc"
