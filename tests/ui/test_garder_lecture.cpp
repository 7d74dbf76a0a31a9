// Keeping a reading: each spread, laid by clicks on the real window with the shipped texts,
// saved with Ctrl+S (or printed with Ctrl+P) and read back by a real PDF reader (pdftotext and
// pdfinfo from poppler-utils); a save that cannot be written leaves nothing behind; the menu
// and the print dialog come up. LUNESPIRAL_GARDER_PDF=<folder> keeps the PDFs for a look.

#include "AccesFenetre.h"
#include "Application.h"
#include "Arcanes.h"
#include "BoiteMessage.h"
#include "Chaines.h"
#include "GarderLecture.h"
#include "Globales.h"
#include "Langue.h"
#include "Libelles.h"
#include "MagasinReglages.h"
#include "OptionsChance.h"
#include "PlanLecture.h"
#include "ServiceImages.h"
#include "Textes.h"
#include "spiral.h"

#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using namespace lunespiral;
using namespace lunespiral::acces;

namespace {

// What a reader finds, whatever its line breaks: no white space, no hyphens.
QString sansBlancs(QString s) {
    s.remove(QRegularExpression(QStringLiteral("[\\s\\x{00A0}\\x{202F}\\x{00AD}-]")));
    return s;
}

QString executer(const QString& programme, const QStringList& arguments) {
    QProcess p;
    p.start(programme, arguments);
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

QStringList contenu(const QString& dossier) {
    return QDir(dossier).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

class TestGarderLecture : public QObject {
    Q_OBJECT

    EtatTirage etat_;
    TfrmLunespiral* f_ = nullptr;
    QStringList boites_;
    QString propose_;
    QString pdftotext_, pdfinfo_;

    template <typename T = QWidget> T* c(const char* nom) const {
        T* w = f_->findChild<T*>(QString::fromLatin1(nom));
        if (!w) qFatal("no control %s", nom);
        return w;
    }

    void choisirLangue(int l) {
        langue = l;
        Textes::communs().chargerTextes(l, REPERTOIRE_DONNEES_CONSTRUITES);
        f_->AppliquerLangue(chainesDe(l));
    }

    void nouveauTirage() {
        if (c("panelSelectionTirage")->isVisible()) return;
        BoiteMessage::reponsesSuivantes({true});
        cliquerNouveauTirage(f_);
    }

    // The spread chosen by its emblem and laid by clicks on the deck, its lucky numbers shown.
    void poser(TypeTirage type) {
        nouveauTirage();
        const char* emblemes[] = {"imageTirageEnCroix", "imageTirageDixMaisons",
                                  "imageTirageBohemiens"};
        QTest::mouseClick(c(emblemes[static_cast<int>(type) - 1]), Qt::LeftButton);
        for (int d = 1; !etat_.tirageTermine(); ++d)
            QTest::mouseClick(carteTalon(f_, d), Qt::LeftButton);
        if (!boutonNumeros(f_)->isChecked()) QTest::mouseClick(boutonNumeros(f_), Qt::LeftButton);
        QVERIFY(c<Panneau>("panelInformations")->text().contains(QStringLiteral(" - ")));
        QTRY_VERIFY(f_->isActiveWindow()); // where the shortcuts work
    }

    // Every text of the reading on screen, each card's name and place, the lucky numbers.
    QStringList attendus() const {
        const int l = langue;
        const EtatTirage& e = etat_;
        QStringList t;
        const PlanLecture plan = planDeLaLecture(e, l);
        t << QString::fromStdString(plan.titre);
        for (const SectionLue& s : plan.sections) {
            t << QString::fromStdString(s.titre);
            for (const PassageLu& p : s.passages) t << QString::fromStdString(p.titre);
        }
        auto carte = [&](int k) { t << versQString(nomArcane(k, l)); };
        switch (e.typeTirage()) {
        case TypeTirage::EnCroix: {
            const TextesCroix& x = e.textesCroix();
            t << versQString(x.synthesePresent) << versQString(x.syntheseFutur)
              << versQString(x.phraseGlobale);
            for (int d = 1; d <= nbDomainesCroix; ++d)
                t << versQString(x.domainesPresent[d]) << versQString(x.domainesFutur[d]);
            for (int k = 1; k <= 5; ++k) carte(e.tirageCroix().cartes[k]);
            t << chainesDe(langue).motPsyche;
            break;
        }
        case TypeTirage::DixMaisons:
            for (int h = 1; h <= nbMaisons; ++h) {
                t << versQString(e.textesMaisons()[h]) << chainesDe(langue).nomsMaisons[h]
                  << chainesDe(langue).libellesMaisons[h];
                carte(e.tirageMaisons().cartes[h]);
            }
            break;
        case TypeTirage::Bohemiens:
            for (int n = 1; n <= nbHorizons; ++n) {
                t << versQString(e.textesHorizons()[n]) << etiquetteHorizon(f_, n)->text();
                carte(e.tirageBohemiens().cartes[n]);
            }
            break;
        case TypeTirage::Aucun:
            break;
        }
        t << c<Panneau>("panelInformations")->text() << c<Panneau>("panelInformations")->toolTip()
          << chainesDe(langue).titreNumerosChance;
        t.removeAll(QString());
        return t;
    }

    void garderPourRegarder(const QString& chemin, const QString& nom) {
        const QString dossier = qEnvironmentVariable("LUNESPIRAL_GARDER_PDF");
        if (dossier.isEmpty()) return;
        QFile::remove(dossier + QStringLiteral("/") + nom + QStringLiteral(".pdf"));
        QFile::copy(chemin, dossier + QStringLiteral("/") + nom + QStringLiteral(".pdf"));
    }

private slots:
    void initTestCase() {
        pdftotext_ = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        pdfinfo_ = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
        if (pdftotext_.isEmpty() || pdfinfo_.isEmpty())
            QFAIL("pdftotext and pdfinfo are needed (poppler-utils, installed by make test)");
        titreProgramme = QStringLiteral("LUNESPIRAL 2000");
        cleRegistre = cleRegistreParDefaut;
        repertoireProgramme = QStringLiteral(REPERTOIRE_DONNEES_CONSTRUITES);
        const QSize taille = QGuiApplication::primaryScreen()->size();
        echelleX = taille.width() * 0.00125;
        echelleY = taille.height() / 600.0;
        BoiteMessage::observer([this](const QString& t) { boites_ << t; });
        GarderLecture::choisirFichier = nullptr;
        f_ = new TfrmLunespiral({etat_, Hasard::commun(), Textes::communs(), optionsChance(),
                                 ServiceImages::instance()});
        choisirLangue(langueFrancais);
        f_->timerDebut()->start();
        QTRY_VERIFY(c("panelSelectionTirage")->isVisible());
    }

    void cleanupTestCase() {
        GarderLecture::choisirFichier = nullptr;
        GarderLecture::confirmerImpression = nullptr;
        delete f_;
    }

    // Each spread in each language, saved where the file dialog says; one printed (to a PDF
    // file, through the printer) instead. The US locale takes Letter paper, others A4.
    void garderChaqueTirage_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("langueTirage");
        QTest::addColumn<bool>("imprimer");
        QTest::addColumn<QLocale>("ici");
        QTest::addColumn<QString>("papier");
        const QLocale fr(QLocale::French, QLocale::France),
            us(QLocale::English, QLocale::UnitedStates),
            gb(QLocale::English, QLocale::UnitedKingdom);
        const int croix = 1, maisons = 2, bohemiens = 3;
        QTest::newRow("croix-fr") << croix << langueFrancais << false << fr << "(A4)";
        QTest::newRow("croix-en") << croix << langueAnglais << false << us << "(letter)";
        QTest::newRow("maisons-fr") << maisons << langueFrancais << false << fr << "(A4)";
        QTest::newRow("maisons-en") << maisons << langueAnglais << false << gb << "(A4)";
        QTest::newRow("bohemiens-fr") << bohemiens << langueFrancais << false << fr << "(A4)";
        QTest::newRow("bohemiens-en") << bohemiens << langueAnglais << false << us << "(letter)";
        QTest::newRow("maisons-fr-imprimee") << maisons << langueFrancais << true << fr << "(A4)";
    }

    void garderChaqueTirage() {
        QFETCH(int, type);
        QFETCH(int, langueTirage);
        QFETCH(bool, imprimer);
        QFETCH(QLocale, ici);
        QFETCH(QString, papier);
        QLocale::setDefault(ici);
        if (langue != langueTirage) {
            nouveauTirage();
            choisirLangue(langueTirage);
        }
        poser(static_cast<TypeTirage>(type));

        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("lecture.pdf"));
        boites_.clear();
        BoiteMessage::reponsesSuivantes({true}); // a failure is told, not waited on
        QElapsedTimer chrono;
        chrono.start();
        if (imprimer) {
            GarderLecture::confirmerImpression = [chemin](QPrinter& imprimante) {
                imprimante.setOutputFormat(QPrinter::PdfFormat);
                imprimante.setOutputFileName(chemin);
                return true;
            };
            QTest::keyClick(f_, Qt::Key_P, Qt::ControlModifier);
            GarderLecture::confirmerImpression = nullptr;
        } else {
            propose_.clear();
            GarderLecture::choisirFichier = [this, chemin](const QString& propose) {
                propose_ = propose;
                return chemin;
            };
            QTest::keyClick(f_, Qt::Key_S, Qt::ControlModifier);
            GarderLecture::choisirFichier = nullptr;
            // "Lunespiral croix 2026-12-08 14h05.pdf", in the documents or the home folder.
            const QString nom = QFileInfo(propose_).fileName();
            const QRegularExpression forme(
                langueTirage == langueAnglais
                    ? QStringLiteral("^Lunespiral (cross|ten houses|bohemian) \\d{4}-\\d\\d-\\d\\d "
                                     "\\d\\d\\.\\d\\d\\.pdf$")
                    : QStringLiteral(
                          "^Lunespiral (croix|dix maisons|bohémiens) \\d{4}-\\d\\d-\\d\\d "
                          "\\d\\dh\\d\\d\\.pdf$"));
            QVERIFY2(forme.match(nom).hasMatch(), qPrintable(propose_));
            const QString documents =
                QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
            QVERIFY2(QFileInfo(propose_).absolutePath() ==
                         (QFileInfo(documents).isDir() ? documents : QDir::homePath()),
                     qPrintable(propose_));
        }
        const qint64 ms = chrono.elapsed();
        BoiteMessage::reponsesSuivantes({});
        QLocale::setDefault(QLocale::system());
        QCOMPARE(boites_, QStringList());
        QVERIFY(QFileInfo(chemin).isFile());
        QCOMPARE(contenu(dossier.path()), QStringList{QStringLiteral("lecture.pdf")});
        garderPourRegarder(chemin, QString::fromLatin1(QTest::currentDataTag()));

        const QString texte = executer(pdftotext_, {QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                                                    chemin, QStringLiteral("-")});
        QVERIFY(!texte.isEmpty());
        const QString lu = sansBlancs(texte);
        for (const QString& attendu : attendus())
            QVERIFY2(lu.contains(sansBlancs(attendu)), qPrintable(attendu + "\n---\n" + texte));
        const QString info = executer(pdfinfo_, {chemin});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page size:.*") +
                                                  QRegularExpression::escape(papier))),
                 qPrintable(info));
        const QString pages =
            QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info).captured(1);
        qInfo("%s: %s page(s), %lld ms", QTest::currentDataTag(), qPrintable(pages), ms);
    }

    // A file that cannot be written is reported, and leaves nothing behind: no half file, no
    // temporary file, an earlier file of that name as it was. Root writes into read-only
    // folders, so the rows that must hold for root too aim where nobody can write: below a
    // plain file, and into /proc.
    void rienNEstLaisseEnCasDEchec_data() {
        QTest::addColumn<QString>("cas");
        QTest::newRow("dossier en lecture seule") << "lecture seule";
        QTest::newRow("sous un fichier") << "sous un fichier";
        QTest::newRow("dans /proc") << "proc";
        QTest::newRow("disque plein") << "plein";
    }

    void rienNEstLaisseEnCasDEchec() {
        QFETCH(QString, cas);
        if (langue != langueFrancais) {
            nouveauTirage();
            choisirLangue(langueFrancais);
        }
        if (cas == "lecture seule" && ::geteuid() == 0) QSKIP("root writes read-only folders");
        if (!etat_.tirageTermine() || c("panelSelectionTirage")->isVisible())
            poser(TypeTirage::EnCroix);
        QTemporaryDir racine;
        const QString dossier = racine.filePath(QStringLiteral("dossier"));
        QString chemin = dossier + QStringLiteral("/lecture.pdf");
        const QByteArray ancien("un fichier d'avant");
        QVERIFY(QDir().mkdir(dossier));
        if (cas == "sous un fichier") {
            QFile fichier(dossier + QStringLiteral("/fichier"));
            QVERIFY(fichier.open(QIODevice::WriteOnly));
            chemin = fichier.fileName() + QStringLiteral("/lecture.pdf");
        } else if (cas == "proc") {
            chemin = QStringLiteral("/proc/lunespiral-lecture.pdf");
        } else {
            QFile fichier(chemin);
            QVERIFY(fichier.open(QIODevice::WriteOnly));
            fichier.write(ancien);
        }
        const QStringList avant = contenu(dossier);
        if (cas == "lecture seule")
            QVERIFY(QFile::setPermissions(dossier, QFile::ReadOwner | QFile::ExeOwner));

        // A full disk: writes beyond a few kilobytes fail (the signal that would end the
        // process is ignored, as the write's error is what the program must handle).
        rlimit ancienne{};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &ancienne), 0);
        const auto ancienSignal = std::signal(SIGXFSZ, SIG_IGN);
        if (cas == "plein") {
            rlimit petite = ancienne;
            petite.rlim_cur = 4096;
            QCOMPARE(::setrlimit(RLIMIT_FSIZE, &petite), 0);
        }
        boites_.clear();
        BoiteMessage::reponsesSuivantes({true});
        GarderLecture::choisirFichier = [chemin](const QString&) { return chemin; };
        QTest::keyClick(f_, Qt::Key_S, Qt::ControlModifier);
        GarderLecture::choisirFichier = nullptr;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &ancienne), 0);
        std::signal(SIGXFSZ, ancienSignal);
        QFile::setPermissions(dossier, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QCOMPARE(boites_.size(), 1);
        QVERIFY2(boites_.first().contains(QDir::toNativeSeparators(chemin)),
                 qPrintable(boites_.first()));
        QVERIFY2(boites_.first().contains(QStringLiteral("Rien n'a été écrit")),
                 qPrintable(boites_.first()));
        QCOMPARE(contenu(dossier), avant);
        if (cas == "proc") QVERIFY(!QFileInfo::exists(chemin));
        if (avant.contains(QStringLiteral("lecture.pdf"))) {
            QFile fichier(chemin);
            QVERIFY(fichier.open(QIODevice::ReadOnly));
            QCOMPARE(fichier.readAll(), ancien);
        }
    }

    // The menu: nothing while no reading is complete; once one is, a right click on any part
    // of the window, or the Menu key, offers the copy, printing and saving. Printing opens
    // the system's print dialog, cancelled here.
    void menuEtDialogueDImpression() {
        choisirLangue(langueFrancais);
        nouveauTirage();
        QWindow* fenetre = f_->windowHandle();
        auto centre = [this](QWidget* w) { return w->mapTo(f_, w->rect().center()); };
        // Menus and dialogs are watched for from a timer: each runs its own event loop.
        QStringList menus;
        int choix = -1, dialogues = 0;
        QTimer minuterie;
        connect(&minuterie, &QTimer::timeout, f_, [&] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                QStringList textes;
                for (QAction* a : menu->actions())
                    textes << a->text() + QStringLiteral(" ") + a->shortcut().toString();
                menus << textes.join(QStringLiteral(" | "));
                if (QAction* a = menu->actions().value(choix)) {
                    menu->setActiveAction(a);
                    QTest::keyClick(menu, Qt::Key_Return);
                } else {
                    menu->close();
                }
                choix = -1;
            } else if (auto* d = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
                ++dialogues;
                d->reject();
            }
        });
        minuterie.start(10);
        GarderLecture::choisirFichier = [this](const QString& propose) {
            propose_ = propose;
            return QString();
        };
        propose_.clear();

        // While choosing a spread, and while picking its cards: no menu, nothing to save.
        QTRY_VERIFY(f_->isActiveWindow()); // where the shortcuts work
        QTest::mouseClick(fenetre, Qt::RightButton, {}, centre(c("panelChooseTirage")));
        QTest::mouseClick(c("imageTirageEnCroix"), Qt::LeftButton);
        QTest::mouseClick(carteTalon(f_, 3), Qt::LeftButton);
        QTest::mouseClick(fenetre, Qt::RightButton, {}, centre(carteTalon(f_, 3)));
        QTest::keyClick(f_, Qt::Key_S, Qt::ControlModifier);
        QTest::keyClick(f_, Qt::Key_P, Qt::ControlModifier);
        QTest::qWait(50);
        QCOMPARE(menus, QStringList());
        QCOMPARE(dialogues, 0);
        QVERIFY(propose_.isEmpty());

        // Complete: on a text, on a card, with the Menu key.
        for (int d = 1; !etat_.tirageTermine(); ++d)
            QTest::mouseClick(carteTalon(f_, d), Qt::LeftButton);
        const QString attendu = QStringLiteral(
            "Copier la lecture Ctrl+C | Imprimer... Ctrl+P | Enregistrer en PDF... Ctrl+S");
        QTest::mouseClick(fenetre, Qt::RightButton, {}, centre(c("memoPresentAmour")));
        QTRY_COMPARE(menus, QStringList{attendu});
        QTest::mouseClick(fenetre, Qt::RightButton, {}, centre(carteTalon(f_, 3)));
        QTRY_COMPARE(menus.size(), 2);
        // The Menu key: the windowing system (not the offscreen one) turns it into this event
        // for the control that has the focus.
        QWidget* barre = c("panelInformations");
        QContextMenuEvent touche(QContextMenuEvent::Keyboard, barre->rect().center(),
                                 barre->mapToGlobal(barre->rect().center()));
        QApplication::sendEvent(barre, &touche);
        QTRY_COMPARE(menus, (QStringList{attendu, attendu, attendu}));

        // "Imprimer..." from the menu, then Ctrl+P: the print dialog each time, cancelled.
        choix = 1;
        QTest::mouseClick(fenetre, Qt::RightButton, {}, centre(c("memoPhraseGlobale")));
        QTRY_COMPARE(dialogues, 1);
        // A window manager gives the window back its activation once the dialog has gone;
        // offscreen, the test does.
        f_->activateWindow();
        QTRY_VERIFY(f_->isActiveWindow());
        QTest::keyClick(f_, Qt::Key_P, Qt::ControlModifier);
        QTRY_COMPARE(dialogues, 2);
        // "Enregistrer en PDF...": the file dialog, cancelled; nothing said.
        choix = 2;
        boites_.clear();
        QTest::mouseClick(fenetre, Qt::RightButton, {}, centre(c("memoPhraseGlobale")));
        QTRY_VERIFY(!propose_.isEmpty());
        minuterie.stop();
        GarderLecture::choisirFichier = nullptr;
        QCOMPARE(boites_, QStringList());
    }
};

int main(int argc, char** argv) {
    // The options go to a store of the test's own.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    Application app(argc, argv);
    TestGarderLecture t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_garder_lecture.moc"
