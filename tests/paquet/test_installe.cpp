// The real windows on an installed, read-only copy of the program's files, run by an unprivileged
// user: the help file is found, a complete cross reading has all its texts, and the options
// are saved in the user's own configuration directory. test_installation.sh installs the tree
// and runs this test as nobody, with LUNESPIRAL_INSTALLE naming the installed program directory.

#include "Application.h"
#include "BoiteMessage.h"
#include "Chaines.h"
#include "Demarrage.h"
#include "EtatTirage.h"
#include "Globales.h"
#include "ImageControle.h"
#include "MagasinReglages.h"
#include "Memo.h"
#include "OptionsChance.h"
#include "fSplash.h"
#include "mdlChance.h"
#include "spiral.h"

#include <QFileInfo>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include <unistd.h>

#include <utility>

using namespace lunespiral;

class TestInstalle : public QObject {
    Q_OBJECT

    Fenetres f_;
    QString installe_;
    QStringList boites_; // the texts of the message boxes, answered as soon as they come

    QString fichierReglages() const {
        return qEnvironmentVariable("XDG_CONFIG_HOME") +
               QStringLiteral("/Ludicorium/LUNESPIRAL 2000.ini");
    }

private slots:
    void initTestCase() {
        BoiteMessage::observer([this](const QString& texte) {
            boites_ << texte;
            BoiteMessage::reponsesSuivantes({true});
        });
    }

    // Not a single message box: a file that cannot be read would show one.
    void cleanup() {
        const QStringList vues = std::exchange(boites_, {});
        QVERIFY2(vues.isEmpty(), qPrintable(vues.join(" | ")));
    }

    void lesFichiersInstallesSontEnLectureSeule() {
        installe_ = qEnvironmentVariable("LUNESPIRAL_INSTALLE");
        QVERIFY2(!installe_.isEmpty(), "LUNESPIRAL_INSTALLE names the installed program directory");
        if (!installe_.endsWith('/')) installe_ += '/';
        for (const char* nom : {"lunespiral", "lunespiral-tirage", "tbb", "tbbus", "tbc", "tbcus",
                                "lunespfr.hlp", "lunespus.hlp"}) {
            const QFileInfo fichier(installe_ + QString::fromLatin1(nom));
            QVERIFY2(fichier.isFile() && fichier.isReadable(), nom);
            QVERIFY2(!fichier.isWritable(), nom);
            QVERIFY2(fichier.size() > 0, nom);
        }
        QVERIFY(!QFileInfo(installe_).isWritable());
        QVERIFY(getuid() != 0);
    }

    void lePremierDemarrageEcritLesOptionsParDefaut() {
        QVERIFY(!QFileInfo::exists(fichierReglages()));
        f_ = demarrer();
        // The splash placed the program beside this test; the installed copy stands in for it.
        repertoireProgramme = installe_;
        QVERIFY(QFileInfo(fichierReglages()).isFile());
        QCOMPARE(QFileInfo(fichierReglages()).ownerId(), getuid());
    }

    void unTirageEnCroixComplet() {
        f_.splash->show();
        QTest::mouseClick(f_.splash->findChild<QPushButton*>("PanelStartFrench"), Qt::LeftButton);
        QTRY_VERIFY(f_.principale->isVisible());
        QCOMPARE(chainesDe(langue).fichierAide, installe_ + "lunespfr.hlp");

        QTest::mouseClick(f_.principale->findChild<ImageControle*>("imageTirageEnCroix"),
                          Qt::LeftButton);
        for (int d = 3; d <= 22 && !(*f_.etat).tirageTermine(); d += 5)
            QTest::mouseClick(
                f_.principale->findChild<ImageControle*>(QStringLiteral("cartesTalon%1").arg(d)),
                Qt::LeftButton);
        QVERIFY((*f_.etat).croixTerminee());
        for (const char* nom :
             {"memoPhraseGlobale", "superMemoPresent", "superMemoFutur", "memoPresentProjets",
              "memoPresentAmour", "memoPresentSante", "memoPresentRelPerso", "memoFuturProjets",
              "memoFuturAmour", "memoFuturSante", "memoFuturRelPerso"}) {
            const Memo* memo = f_.principale->findChild<Memo*>(QString::fromLatin1(nom));
            QVERIFY2(memo && memo->isVisible(), nom);
            // Whole sentences from the data files, not a stray word.
            QVERIFY2(memo->texte().simplified().size() > 40, nom);
        }
    }

    void lesOptionsConfirmeesSontEnregistrees() {
        QTest::mouseClick(
            f_.principale->findChild<QToolButton*>("SBConfigurationNumerosDeLaChance"),
            Qt::LeftButton);
        QVERIFY(f_.dialogue->isVisible());
        f_.dialogue->findChild<QScrollBar*>("scrollBarNombreNumeros")->setValue(8);
        QTest::mouseClick(f_.dialogue->findChild<QPushButton*>("Button1"), Qt::LeftButton);
        QVERIFY(!f_.dialogue->isVisible());

        MagasinReglages magasin(fichierReglages(), cleRegistre);
        const auto nombre = magasin.lire(QStringLiteral("optionNbNumerosDeLaChance"));
        QVERIFY(nombre);
        QCOMPARE(*nombre, QByteArray("\x08\x00\x00\x00", 4));
        detruire(f_);
    }
};

int main(int argc, char** argv) {
    Application app(argc, argv);
    TestInstalle t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_installe.moc"
