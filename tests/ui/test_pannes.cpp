// Faults of the world around the program: data files, settings file and help file that are
// missing, damaged or out of reach. Each start goes through the real windows as a user starts
// the program (the splash, then "FRANCAIS"), against files prepared for the case; the program
// must give its documented outcome and go on working, and the settings file must never be left
// half-written or lost.

#include "AccesFenetre.h"
#include "Application.h"
#include "BoiteMessage.h"
#include "Chaines.h"
#include "Demarrage.h"
#include "DonneesEssai.h"
#include "Globales.h"
#include "Hasard.h"
#include "OptionsChance.h"
#include "Textes.h"
#include "VisionneuseAide.h"
#include "fSplash.h"
#include "mdlChance.h"
#include "spiral.h"

#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QLockFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSettings>
#include <QTest>
#include <QTextBrowser>

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

using namespace lunespiral;
using namespace lunespiral::acces;

namespace {

const QString erreurEtendue = QStringLiteral("Erreur de vérification d'étendue");
const QString erreurLecture = QStringLiteral("Lecture au delà de la fin de fichier");

QByteArray lire(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void ecrire(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(octets), octets.size());
}

QByteArray octets(const std::string& s) {
    return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
}

QByteArray auHasard(qsizetype taille, unsigned graine) {
    std::mt19937 g(graine);
    QByteArray b(taille, '\0');
    for (auto& c : b) c = static_cast<char>(g() & 0xFF);
    return b;
}

struct Execution {
    bool termine = false; // within the time limit
    int statut = -1;
    QStringList lignes;
};

// Runs the program at `programme` from `dossier` with `environnement`, its output gathered;
// killed after `delai` ms. Paths are bytes: a directory's name may be anything.
Execution executer(const QByteArray& programme, const QByteArray& dossier,
                   const QByteArrayList& environnement, int delai) {
    Execution e;
    std::vector<char*> env;
    for (const QByteArray& v : environnement) env.push_back(const_cast<char*>(v.constData()));
    env.push_back(nullptr);
    char* argv[] = {const_cast<char*>(programme.constData()), nullptr};
    int tube[2];
    if (::pipe2(tube, O_CLOEXEC) != 0) return e;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(tube[1], STDOUT_FILENO);
        ::dup2(tube[1], STDERR_FILENO);
        if (::chdir(dossier.constData()) == 0) ::execve(argv[0], argv, env.data());
        ::_exit(127);
    }
    ::close(tube[1]);
    QByteArray sortie;
    QElapsedTimer chrono;
    chrono.start();
    while (true) {
        const qint64 reste = delai - chrono.elapsed();
        pollfd attente{tube[0], POLLIN, 0};
        if (reste <= 0) break;
        const int pret = ::poll(&attente, 1, static_cast<int>(reste));
        if (pret < 0 && errno == EINTR) continue;
        if (pret <= 0) break;
        char tampon[4096];
        const ssize_t n = ::read(tube[0], tampon, sizeof tampon);
        if (n <= 0) {
            e.termine = true;
            break;
        }
        sortie.append(tampon, n);
    }
    ::close(tube[0]);
    if (!e.termine) ::kill(pid, SIGKILL);
    int etat = 0;
    ::waitpid(pid, &etat, 0);
    e.statut = WIFEXITED(etat) ? WEXITSTATUS(etat) : -1;
    e.lignes = QString::fromUtf8(sortie).split('\n');
    return e;
}

// The built program with its data and help files, linked (or copied) into `dossier`.
void installerProgramme(const std::string& dossier) {
    namespace fs = std::filesystem;
    const fs::path construit = fs::path(PROGRAMME).parent_path();
    fs::create_directories(dossier);
    for (const char* nom :
         {"lunespiral", "tbb", "tbbus", "tbc", "tbcus", "lunespfr.hlp", "lunespus.hlp"}) {
        std::error_code erreur;
        fs::create_hard_link(construit / nom, fs::path(dossier) / nom, erreur);
        if (erreur) fs::copy_file(construit / nom, fs::path(dossier) / nom);
    }
}

} // namespace

class TestPannes : public QObject {
    Q_OBJECT

    Fenetres f_;
    QStringList boites_;
    QTemporaryDir racine_;
    int numero_ = 0;
    QList<QUrl> liensOuverts_; // what went to the desktop's browser

    // A directory of its own for each case.
    QString nouveauDossier() {
        const QString d = racine_.filePath(QString::number(++numero_));
        QDir().mkpath(d);
        return d + '/';
    }

    // A data directory with the French files (and the help file) as the build writes them.
    QString donneesCompletes() {
        const QString d = nouveauDossier();
        ecrire(d + "tbb", octets(essai::contenuDomaines()));
        ecrire(d + "tbc", octets(essai::contenuPaires()));
        ecrire(d + "lunespfr.hlp",
               "<html><head><title>Aide</title></head><body><p>Aide</p></body></html>");
        return d;
    }

    // The settings store of the next start: $XDG_CONFIG_HOME/Ludicorium/LUNESPIRAL 2000.ini.
    static QString fichierReglages(const QString& config) {
        return config + "Ludicorium/LUNESPIRAL 2000.ini";
    }

    // The settings of a stopped run, as the next process finds them on disk. QSettings keeps
    // the files it has seen in a process-wide cache, unsaved changes included: a copy under a
    // new name is read from the disk afresh.
    QString copieDe(const QString& config) {
        const QString copie = nouveauDossier();
        QDir().mkpath(copie + "Ludicorium");
        if (QFile::exists(fichierReglages(config))) {
            QFile::copy(fichierReglages(config), fichierReglages(copie));
        }
        return copie;
    }

    // A new run of the program, as far as one process allows: everything the program keeps
    // for a run starts empty, then the windows are created and French is chosen.
    void demarrerAvec(const QString& donnees, const QString& config) {
        Textes::communs() = Textes();
        optionsChance() = OptionsChance();
        langue = 0;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
        boites_.clear();
        f_ = demarrer();
        repertoireProgramme = donnees;
        QTest::mouseClick(f_.splash->findChild<QPushButton*>("PanelStartFrench"), Qt::LeftButton);
        QTRY_VERIFY(f_.principale->isVisible());
        QTRY_VERIFY(f_.principale->findChild<Panneau*>("panelSelectionTirage")->isVisible());
        QTest::qWait(1); // lets a message queued by the start show
    }

    void arreter() {
        if (f_.principale) detruire(f_);
    }

    template <typename T> T* c(const char* nom) const {
        T* w = f_.principale->findChild<T*>(QString::fromLatin1(nom));
        if (!w) qFatal("no control %s", nom);
        return w;
    }

    void cliquer(const char* nom) { QTest::mouseClick(c<QWidget>(nom), Qt::LeftButton); }

    // Picks every card of the spread under way, in deck order.
    void poserToutes(int compte) {
        for (int d = 1, poses = 0; d <= 22 && poses < compte; ++d)
            if (carteTalon(f_.principale, d)->isVisible() && !(*f_.etat).carteRetournee(d)) {
                QTest::mouseClick(carteTalon(f_.principale, d), Qt::LeftButton);
                ++poses;
            }
        QVERIFY((*f_.etat).tirageTermine());
    }

    // The bohemian spread, to its end: it reads only pair texts, so it works whatever the
    // domain file and the pair indexes hold.
    // Random bytes hold control characters that the text box turns into line breaks: for them
    // only the texts the box was given are compared.
    void lectureDesBohemiens(bool texteAffiche = true) {
        cliquer("imageTirageBohemiens");
        QVERIFY(!c<Panneau>("panelSelectionTirage")->isVisible());
        poserToutes(4);
        const Memo* vue = c<Memo>("panelCentralBohemien");
        QTRY_VERIFY(vue->isVisible());
        const EtatTirage& e = (*f_.etat);
        const TirageBohemiens& t = e.tirageBohemiens();
        for (int n = 1; n <= 4; ++n)
            QCOMPARE(e.textesHorizons()[n],
                     Textes::communs().paire(t.cartes[n], t.cartesAssociees[n]).texteFutur.texte());
        if (texteAffiche) QCOMPARE(vue->texte(), versQString(e.textesHorizons()[t.horizonCourant]));
    }

    // After a failed spread: "Nouveau tirage..." brings the chooser back.
    void nouveauTirage() {
        cliquer("panelNouveauTirage");
        QVERIFY(c<Panneau>("panelSelectionTirage")->isVisible());
    }

    // The options through the dialog, confirmed with OK.
    void choisirOptions(int nombre, int minimum, int maximum) {
        QTest::mouseClick(
            f_.principale->findChild<QToolButton*>("SBConfigurationNumerosDeLaChance"),
            Qt::LeftButton);
        QVERIFY(f_.dialogue->isVisible());
        f_.dialogue->findChild<QScrollBar*>("scrollBarNombreNumeros")->setValue(nombre);
        f_.dialogue->findChild<QScrollBar*>("scrollBarValeurMaximale")->setValue(maximum);
        f_.dialogue->findChild<QScrollBar*>("ScrollBarValeurMinimale")->setValue(minimum);
        QTest::mouseClick(f_.dialogue->findChild<QPushButton*>("Button1"), Qt::LeftButton);
        QVERIFY(!f_.dialogue->isVisible());
        QVERIFY(f_.principale->isEnabled());
    }

    // A lock file as a process leaves it when it dies holding the lock: Qt's own format, with
    // the process id of a process that has ended.
    static void verrouAbandonne(const QString& fichier) {
        const pid_t fils = ::fork();
        if (fils == 0) ::_exit(0);
        QVERIFY(fils > 0);
        int etat = 0;
        QCOMPARE(::waitpid(fils, &etat, 0), fils);
        const QString modele = fichier + ".modele";
        QByteArray contenu;
        {
            QLockFile verrou(modele);
            QVERIFY(verrou.lock());
            contenu = lire(modele);
        }
        QVERIFY(!contenu.isEmpty());
        contenu = QByteArray::number(fils) + contenu.mid(contenu.indexOf('\n'));
        ecrire(fichier + ".lock", contenu);
    }

public slots:
    void ouvrirLien(const QUrl& lien) { liensOuverts_ << lien; }

private slots:
    void init() {
        BoiteMessage::observer([this](const QString& t) { boites_ << t; });
        // Every box is answered (Yes, or OK) instead of waiting for a click.
        BoiteMessage::reponsesSuivantes(std::deque<bool>(1000, true));
    }

    void cleanup() {
        arreter();
        BoiteMessage::reponsesSuivantes({});
        BoiteMessage::observer(nullptr);
    }

    void fichiersDeDonneesManquants() {
        demarrerAvec(nouveauDossier(), nouveauDossier());
        QCOMPARE(boites_, QStringList());
        // No pair file: every pair index is 0, so the cross stops at its first domain text.
        cliquer("imageTirageEnCroix");
        QCOMPARE(boites_, QStringList{erreurEtendue});
        QVERIFY(!c<Memo>("superMemoPresent")->isVisible());
        nouveauTirage();
        lectureDesBohemiens();
        for (int n = 1; n <= 4; ++n) QCOMPARE((*f_.etat).textesHorizons()[n], std::string());
        QCOMPARE(c<Memo>("panelCentralBohemien")->texte(), QString());
    }

    void unDossierALaPlaceDesFichiers() {
        const QString d = nouveauDossier();
        QVERIFY(QDir().mkpath(d + "tbb") && QDir().mkpath(d + "tbc"));
        demarrerAvec(d, nouveauDossier());
        QCOMPARE(boites_, QStringList());
        cliquer("imageTirageEnCroix");
        QCOMPARE(boites_, QStringList{erreurEtendue});
        nouveauTirage();
        lectureDesBohemiens();
        QCOMPARE(c<Memo>("panelCentralBohemien")->texte(), QString());
    }

    void fichiersDeDonneesVides() {
        const QString d = nouveauDossier();
        ecrire(d + "tbb", {});
        ecrire(d + "tbc", octets(essai::contenuPaires()));
        demarrerAvec(d, nouveauDossier());
        // The empty domain file stops loading at once: the pair file is not reached.
        QCOMPARE(boites_, QStringList{erreurLecture});
        QCOMPARE(Textes::communs().paire(1, 2).texteFutur.texte(), std::string());
        cliquer("imageTirageEnCroix");
        QCOMPARE(boites_, (QStringList{erreurLecture, erreurEtendue}));
        nouveauTirage();
        lectureDesBohemiens();
    }

    void unOctetDeMoins() {
        const QString d = donneesCompletes();
        std::string paires = essai::contenuPaires();
        paires.pop_back();
        ecrire(d + "tbc", octets(paires));
        demarrerAvec(d, nouveauDossier());
        QCOMPARE(boites_, QStringList{erreurLecture});
        // Every complete record was read; only the last one, (22, 22), which no draw reaches,
        // stays empty. Readings go on as usual.
        QCOMPARE(Textes::communs().paire(22, 21).texteFutur.texte(),
                 essai::textePaire(22, 21, 'f'));
        QCOMPARE(Textes::communs().paire(22, 22).texteFutur.texte(), std::string());
        cliquer("imageTirageEnCroix");
        poserToutes(4);
        QCOMPARE(boites_, QStringList{erreurLecture});
        QTRY_VERIFY(c<Memo>("superMemoPresent")->isVisible());
        const TirageCroix& t = (*f_.etat).tirageCroix();
        QCOMPARE(c<Memo>("superMemoPresent")->texte().toStdString(),
                 essai::textePaire(t.cartes[1], t.cartes[2], 'p'));
    }

    void fichiersPlusLongsQueNecessaire() {
        const QString d = nouveauDossier();
        ecrire(d + "tbb", octets(essai::contenuDomaines()) + auHasard(1000, 1));
        ecrire(d + "tbc", octets(essai::contenuPaires()) + auHasard(544 * 3 + 7, 2));
        demarrerAvec(d, nouveauDossier());
        QCOMPARE(boites_, QStringList());
        cliquer("imageTirageDixMaisons");
        poserToutes(10);
        QCOMPARE(boites_, QStringList());
        const TirageMaisons& t = (*f_.etat).tirageMaisons();
        QCOMPARE((*f_.etat).textesMaisons()[5],
                 essai::textePaire(t.cartes[5], t.cartesAssociees[5], 'f'));
    }

    void fichiersDeDonneesAuHasard() {
        const QString d = nouveauDossier();
        ecrire(d + "tbb", auHasard(122400, 3));
        ecrire(d + "tbc", auHasard(263296, 4));
        demarrerAvec(d, nouveauDossier());
        QCOMPARE(boites_, QStringList());
        // Random indexes are out of range: the application's handler shows the range error,
        // and each failed spread can be left for another.
        cliquer("imageTirageEnCroix");
        QCOMPARE(boites_, QStringList{erreurEtendue});
        nouveauTirage();
        cliquer("imageTirageDixMaisons");
        QCOMPARE(boites_,
                 (QStringList{erreurEtendue, chainesDe(langue).msgAbandon, erreurEtendue}));
        nouveauTirage();
        lectureDesBohemiens(false);
        QCOMPARE(boites_.size(), 4);
    }

    void fichiersDeDonneesIllisibles() {
        if (::geteuid() == 0) QSKIP("root reads files whatever their permissions");
        const QString d = donneesCompletes();
        QVERIFY(QFile::setPermissions(d + "tbc", {}));
        demarrerAvec(d, nouveauDossier());
        QCOMPARE(boites_, QStringList());
        cliquer("imageTirageEnCroix");
        QCOMPARE(boites_, QStringList{erreurEtendue});
        nouveauTirage();
        lectureDesBohemiens();
    }

    void aideManquante() {
        const QString d = donneesCompletes();
        QFile::remove(d + "lunespfr.hlp");
        demarrerAvec(d, nouveauDossier());
        cliquer("TSBAide");
        QCOMPARE(boites_.size(), 1);
        QVERIFY2(boites_.first().contains(d + "lunespfr.hlp"), qPrintable(boites_.first()));
        // The program goes on: a reading, then the help once the file is there.
        cliquer("imageTirageBohemiens");
        poserToutes(4);
        ecrire(d + "lunespfr.hlp",
               "<html><head><title>Aide</title></head><body>Aide</body></html>");
        cliquer("TSBAide");
        QCOMPARE(boites_.size(), 1);
        QTRY_VERIFY(VisionneuseAide::instance().isVisible());
        QCOMPARE(VisionneuseAide::instance().windowTitle(), QStringLiteral("Aide")); // its own
        VisionneuseAide::instance().close();
    }

    // Help files that ask more than a help file should: the viewer takes only the file itself
    // and the pictures beside it, refuses what Qt could not lay out, and says so.
    void aideHostile_data() {
        QTest::addColumn<QByteArray>("html");
        QTest::addColumn<QString>("message"); // part of the message, empty when the help opens
        const QByteArray debut = "<html><head><title>Aide</title></head><body>";
        QTest::newRow("pictures from elsewhere")
            << debut + "<img src=\"/dev/zero\"><img src=\"../../etc/hostname\"><img "
                       "src=\"file:///dev/zero\">"
                       "<img src=\"point.png\"><p><a href=\"file:///etc/hostname\">local</a> "
                       "<a href=\"http://example.org/\">web</a></p></body></html>"
            << QString();
        QTest::newRow("3000 nested tables")
            << debut + QByteArray("<table><tr><td>").repeated(3000) << "trop complexe";
        // Few tags, but each paragraph would be laid out 4,096 times (some fifteen seconds).
        QTest::newRow("text in 12 nested tables")
            << debut + QByteArray("<table><tr><td>").repeated(12) +
                   QByteArray("<p>Un paragraphe assez long.").repeated(400)
            << "trop complexe";
        QTest::newRow("over a megabyte") << debut + QByteArray(1 << 20, 'x') << "trop volumineux";
        QTest::newRow("a read error") << QByteArray("/proc/self/mem") << "ne peut pas être lu";
    }

    void aideHostile() {
        QFETCH(QByteArray, html);
        QFETCH(QString, message);
        const QString d = donneesCompletes();
        QFile::remove(d + "lunespfr.hlp");
        if (html.startsWith('/'))
            QVERIFY(QFile::link(QString::fromLatin1(html), d + "lunespfr.hlp"));
        else
            ecrire(d + "lunespfr.hlp", html);
        QImage point(1, 1, QImage::Format_RGB32);
        point.fill(Qt::red);
        QVERIFY(point.save(d + "point.png"));
        demarrerAvec(d, nouveauDossier());
        VisionneuseAide& visionneuse = VisionneuseAide::instance();
        visionneuse.close();
        cliquer("TSBAide");
        if (!message.isEmpty()) {
            QCOMPARE(boites_.size(), 1);
            QVERIFY2(boites_.first().contains(message), qPrintable(boites_.first()));
            QVERIFY(!visionneuse.isVisible());
            return;
        }
        QCOMPARE(boites_, QStringList());
        QVERIFY(visionneuse.isVisible());
        QTextBrowser* navigateur = visionneuse.navigateur();
        QCOMPARE(navigateur->documentTitle(), QStringLiteral("Aide"));
        // The picture beside the help file is there; those from elsewhere are empty.
        auto image = [navigateur](const char* nom) {
            const QVariant v =
                navigateur->document()->resource(QTextDocument::ImageResource, QUrl(nom));
            return v.typeId() == QMetaType::QByteArray ? QImage::fromData(v.toByteArray())
                                                       : qvariant_cast<QImage>(v);
        };
        QCOMPARE(image("point.png").pixel(0, 0), QColor(Qt::red).rgb());
        for (const char* ailleurs : {"/dev/zero", "../../etc/hostname", "file:///dev/zero"})
            QVERIFY2(image(ailleurs).isNull(), ailleurs);
        // The links, clicked: a local file is refused, the web goes to the desktop's browser.
        QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "ouvrirLien");
        liensOuverts_.clear();
        for (const char* lien : {"local", "web"}) {
            QTextCursor texte = navigateur->document()->find(QString::fromLatin1(lien));
            texte.setPosition(texte.selectionStart() + 1);
            QTest::mouseClick(navigateur->viewport(), Qt::LeftButton, {},
                              navigateur->cursorRect(texte).center());
        }
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        QCOMPARE(liensOuverts_, QList<QUrl>{QUrl("http://example.org/")});
        QCOMPARE(navigateur->documentTitle(), QStringLiteral("Aide"));
        QVERIFY(navigateur->source().isEmpty());
        visionneuse.close();
    }

    void reglagesManquantsPuisRedemarrage() {
        const QString config = nouveauDossier();
        demarrerAvec(donneesCompletes(), config);
        QCOMPARE(boites_, QStringList());
        QCOMPARE(optionsChance(), (OptionsChance{1, 6, 1, 49}));
        QVERIFY(lire(fichierReglages(config)).contains("optionMaxRange=@ByteArray(1\\0\\0\\0)"));
        choisirOptions(8, 2, 30);
        arreter();
        demarrerAvec(donneesCompletes(), copieDe(config));
        QCOMPARE(boites_, QStringList());
        QCOMPARE(optionsChance(), (OptionsChance{1, 8, 2, 30}));
    }

    void reglagesEndommages_data() {
        QTest::addColumn<QByteArray>("texte");
        QTest::addColumn<QString>("message"); // part of the message at start, empty for silence
        const QByteArray section = "[Software%5CLudicorium%5CLUNESPIRAL%202000%5C]\n";
        static const char dechets[] = "\x00\xff\x13[[[=\n\xfe garbage ]]\n=\n";
        QTest::newRow("garbage") << QByteArray(dechets, sizeof dechets - 1) << QString();
        QTest::newRow("wrong type")
            << section +
                   "verif=@ByteArray(\\x1)\noptionNbNumerosDeLaChance=@ByteArray(\\b\\0\\0\\0)\n"
                   "optionMinRange=5\noptionMaxRange=@ByteArray(\\x14\\0\\0\\0)\n"
            << QStringLiteral("« optionMinRange » illisible");
        QTest::newRow("too long")
            << section +
                   "verif=@ByteArray(\\x1\\0)\noptionNbNumerosDeLaChance=@ByteArray(\\b\\0\\0\\0)\n"
                   "optionMinRange=@ByteArray(\\x2\\0\\0\\0)\noptionMaxRange=@ByteArray("
                   "\\x14\\0\\0\\0\\0)\n"
            << QStringLiteral("« verif » illisible");
        QTest::newRow("out of range")
            << section +
                   "verif=@ByteArray(\\x1)\noptionNbNumerosDeLaChance=@ByteArray(\\v\\0\\0\\0)\n"
                   "optionMinRange=@ByteArray(\\x2\\0\\0\\0)\noptionMaxRange=@ByteArray("
                   "\\x14\\0\\0\\0)\n"
            << QString();
        QTest::newRow("serialized variant")
            << section + "verif=@ByteArray(\\x1)\noptionMinRange=@Variant("
                         "\\0\\0\\0\\t\\x65\\xa2\\xe4\\x52\\0)\n"
            << QStringLiteral("endommagé");
        // Some 200 bytes are written: a file of megabytes is damage, whatever it holds.
        QTest::newRow("too large")
            << section + "verif=@ByteArray(\\x1)\n" + QByteArray(1 << 20, ';') + "\n"
            << QStringLiteral("endommagé");
    }

    void reglagesEndommages() {
        QFETCH(QByteArray, texte);
        QFETCH(QString, message);
        const QString config = nouveauDossier();
        QDir().mkpath(config + "Ludicorium");
        ecrire(fichierReglages(config), texte);
        demarrerAvec(donneesCompletes(), config);
        if (message.isEmpty()) {
            QCOMPARE(boites_, QStringList());
        } else {
            QCOMPARE(boites_.size(), 1);
            QVERIFY2(boites_.first().contains(message), qPrintable(boites_.first()));
        }
        // Readable values are kept, the others take their default; the record is usable.
        QVERIFY(validerOptions(optionsChance()));
        QCOMPARE(optionsChance().verif, std::uint8_t{1});
        const OptionsChance enVigueur = optionsChance();
        cliquer("imageTirageEnCroix");
        poserToutes(4);
        QVERIFY(!c<Panneau>("panelInformations")->text().isEmpty());
        // The repaired file reads back whole: the next start is silent and finds the same options.
        arreter();
        demarrerAvec(donneesCompletes(), copieDe(config));
        QCOMPARE(boites_, QStringList());
        QCOMPARE(optionsChance(), enVigueur);
    }

    void reglagesEnLectureSeule() {
        if (::geteuid() == 0) QSKIP("root writes read-only files");
        const QString config = nouveauDossier();
        demarrerAvec(donneesCompletes(), config);
        choisirOptions(8, 2, 30);
        arreter();
        const QByteArray avant = lire(fichierReglages(config));
        QVERIFY(QFile::setPermissions(fichierReglages(config), QFile::ReadOwner));
        demarrerAvec(donneesCompletes(), config);
        QCOMPARE(boites_, QStringList()); // reading needs no write
        choisirOptions(3, 1, 10);
        QCOMPARE(boites_.size(), 1);
        QVERIFY(boites_.first().contains("ne peut pas être écrit"));
        QCOMPARE(optionsChance(), (OptionsChance{1, 3, 1, 10})); // in force for this run
        QCOMPARE(lire(fichierReglages(config)), avant);
    }

    void reglagesDansUnDossierImpossible() {
        // A configuration directory that is a plain file: nothing can be created there, even by
        // root.
        const QString bloqueur = nouveauDossier() + "fichier";
        ecrire(bloqueur, "pas un dossier");
        demarrerAvec(donneesCompletes(), bloqueur + '/');
        QCOMPARE(boites_.size(), 1);
        QVERIFY2(boites_.first().contains("ne peut pas être écrit"), qPrintable(boites_.first()));
        QCOMPARE(optionsChance(), (OptionsChance{1, 6, 1, 49}));
        // The program goes on with the defaults; a save from the dialog is refused the same way.
        cliquer("imageTirageBohemiens");
        poserToutes(4);
        choisirOptions(4, 1, 20);
        QCOMPARE(boites_.size(), 2);
        QVERIFY(boites_.last().contains("ne peut pas être écrit"));
        QCOMPARE(optionsChance(), (OptionsChance{1, 4, 1, 20}));
        QCOMPARE(lire(bloqueur), QByteArray("pas un dossier"));
    }

    void unEnregistrementRateLaisseLeFichierIntact() {
        const QString config = nouveauDossier();
        demarrerAvec(donneesCompletes(), config);
        choisirOptions(8, 2, 30);
        const QByteArray avant = lire(fichierReglages(config));
        // A file-size limit makes the write fail part-way, for root too.
        rlimit ancienne{};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &ancienne), 0);
        const auto ancienSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit petite = ancienne;
        petite.rlim_cur = 64;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &petite), 0);
        choisirOptions(3, 1, 10);
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &ancienne), 0);
        std::signal(SIGXFSZ, ancienSignal);
        QCOMPARE(boites_.size(), 1);
        QVERIFY(boites_.first().contains("ne peut pas être écrit"));
        QCOMPARE(lire(fichierReglages(config)), avant);
        QCOMPARE(QDir(config + "Ludicorium").entryList(QDir::Files | QDir::Hidden),
                 QStringList{"LUNESPIRAL 2000.ini"});
        arreter();
        demarrerAvec(donneesCompletes(), copieDe(config));
        QCOMPARE(boites_, QStringList());
        QCOMPARE(optionsChance(), (OptionsChance{1, 8, 2, 30}));
    }

    void verrouAbandonneParUnProcessusMort() {
        const QString config = nouveauDossier();
        QDir().mkpath(config + "Ludicorium");
        verrouAbandonne(fichierReglages(config));
        // A first start has to write the defaults through the lock.
        QElapsedTimer chrono;
        chrono.start();
        demarrerAvec(donneesCompletes(), config);
        QVERIFY2(chrono.elapsed() < 5000, qPrintable(QString::number(chrono.elapsed())));
        QCOMPARE(boites_, QStringList());
        QCOMPARE(optionsChance(), (OptionsChance{1, 6, 1, 49}));
        arreter();
        // And a save from the dialog, through a lock left empty (its owner died between creating
        // it and writing its name), survives a restart.
        ecrire(fichierReglages(config) + ".lock", {});
        demarrerAvec(donneesCompletes(), config);
        chrono.restart();
        choisirOptions(7, 5, 45);
        QVERIFY2(chrono.elapsed() < 5000, qPrintable(QString::number(chrono.elapsed())));
        QCOMPARE(boites_, QStringList());
        arreter();
        QVERIFY(!QFile::exists(fichierReglages(config) + ".lock"));
        demarrerAvec(donneesCompletes(), copieDe(config));
    }

    // Faults met at start-up, through the real program started as a user starts it, with a
    // library that plays its first steps (tests/ui/pilote.cpp): "FRANCAIS", the cross, the
    // options dialog, the help. It must come to the end of them within the time limit, with
    // exactly the expected message boxes, and every window on the screen.
    void programmeReel_data() {
        QTest::addColumn<QString>("cas");
        QTest::addColumn<QString>("ecran");
        QTest::addColumn<QByteArray>("ppp"); // QT_FONT_DPI, if any
        QTest::addColumn<QStringList>("boites");
        const QString e800 = QStringLiteral("800x600");
        // The pair file counts as missing, hence the cross's range error; the domain file too.
        QTest::newRow("a FIFO and a device link for data files")
            << "donnees" << e800 << QByteArray() << QStringList{erreurEtendue};
        QTest::newRow("a program directory whose name is not UTF-8")
            << "latin1" << e800 << QByteArray() << QStringList();
        // Its help file missing: the message names the directory as the user knows it.
        QTest::newRow("a program directory not UTF-8, without its help file")
            << "latin1SansAide" << e800 << QByteArray()
            << QStringList{QStringLiteral("andr\uFFFD/lunespfr.hlp")};
        QTest::newRow("a FIFO for the settings file")
            << "reglages" << e800 << QByteArray() << QStringList{"n'est pas un fichier ordinaire"};
        QTest::newRow("the settings lock a link to /dev/zero")
            << "verrou" << e800 << QByteArray() << QStringList{"ne peut pas être écrit"};
        QTest::newRow("neither HOME nor XDG_CONFIG_HOME")
            << "sansConfig" << e800 << QByteArray() << QStringList{"pour cette session"};
        QTest::newRow("a relative XDG_CONFIG_HOME")
            << "configRelative" << e800 << QByteArray() << QStringList();
        for (const char* ecran : {"800x600", "1920x1080"})
            for (const char* ppp : {"1", "10", "96", "100000"})
                QTest::addRow("QT_FONT_DPI=%s on %s", ppp, ecran)
                    << "ppp" << QString::fromLatin1(ecran) << QByteArray(ppp) << QStringList();
    }

    void programmeReel() {
        QFETCH(QString, cas);
        QFETCH(QString, ecran);
        QFETCH(QByteArray, ppp);
        QFETCH(QStringList, boites);
        const std::string racine = QFile::encodeName(nouveauDossier()).toStdString();
        // QTemporaryDir cannot name a directory that is not UTF-8, so cannot remove it.
        struct Nettoyage {
            std::string dossier;
            ~Nettoyage() {
                std::error_code erreur;
                std::filesystem::remove_all(dossier, erreur);
            }
        } nettoyage{racine};
        std::string programme = racine + "programme/";
        const std::string config = racine + "config/";
        const std::string courant = racine + "courant/";
        QDir().mkpath(QFile::decodeName(QByteArray::fromStdString(courant)));
        const std::string reglages = config + "Ludicorium/LUNESPIRAL 2000.ini";
        QDir().mkpath(QFile::decodeName(QByteArray::fromStdString(config + "Ludicorium")));
        if (cas.startsWith(QLatin1String("latin1"))) programme = racine + "andr\xe9/";
        installerProgramme(programme);
        if (cas == "latin1SansAide") QCOMPARE(::unlink((programme + "lunespfr.hlp").c_str()), 0);

        QByteArrayList environnement;
        const QByteArrayList remplacees{
            "QT_QPA_PLATFORM=", "QT_FONT_DPI=", "XDG_CONFIG_HOME=", "HOME=",
            "LD_PRELOAD=",      "ASAN_OPTIONS="};
        for (char** v = environ; *v; ++v)
            if (std::none_of(remplacees.begin(), remplacees.end(),
                             [v](const QByteArray& nom) { return QByteArray(*v).startsWith(nom); }))
                environnement << *v;
        environnement << "QT_QPA_PLATFORM=offscreen:configfile=" ECRANS "/" + ecran.toLatin1() +
                             ".json"
                      << "LD_PRELOAD=" PILOTE
                      // The driver comes before the sanitizers' runtime, which is harmless here.
                      << "ASAN_OPTIONS=" + qgetenv("ASAN_OPTIONS") + ":verify_asan_link_order=0";
        if (!ppp.isEmpty()) environnement << "QT_FONT_DPI=" + ppp;
        if (cas == "configRelative")
            environnement << "XDG_CONFIG_HOME=config"
                          << "HOME=" + QByteArray::fromStdString(racine);
        else if (cas != "sansConfig")
            environnement << "XDG_CONFIG_HOME=" + QByteArray::fromStdString(config);

        if (cas == "donnees") {
            QCOMPARE(::unlink((programme + "tbc").c_str()), 0);
            QCOMPARE(::mkfifo((programme + "tbc").c_str(), 0600), 0);
            QCOMPARE(::unlink((programme + "tbb").c_str()), 0);
            QCOMPARE(::symlink("/dev/zero", (programme + "tbb").c_str()), 0);
        } else if (cas == "reglages") {
            QCOMPARE(::mkfifo(reglages.c_str(), 0600), 0);
        } else if (cas == "verrou") {
            QCOMPARE(::symlink("/dev/zero", (reglages + ".lock").c_str()), 0);
        }
        const bool racineConfiguree = QFileInfo::exists(QStringLiteral("/.config/Ludicorium"));

        const Execution e = executer(QByteArray::fromStdString(programme + "lunespiral"),
                                     QByteArray::fromStdString(courant), environnement, 60000);
        const QString sortie = e.lignes.join(QLatin1Char('\n'));
        QVERIFY2(e.termine, qPrintable("no end within a minute:\n" + sortie));
        QVERIFY2(e.statut == 0 && e.lignes.contains(QStringLiteral("fin")), qPrintable(sortie));
        QStringList vues;
        for (const QString& l : e.lignes)
            if (l.startsWith(QLatin1String("boite "))) vues << l;
        QCOMPARE(vues.size(), boites.size());
        for (int i = 0; i < boites.size(); ++i)
            QVERIFY2(vues[i].contains(boites[i]), qPrintable(vues[i]));
        const bool aide = cas != "latin1SansAide";
        QVERIFY2(e.lignes.contains(QStringLiteral("aide Lunespiral – Aide")) == aide,
                 qPrintable(sortie));

        // Every window on the screen, at half its design size at least (in the screen's own
        // pixels), and every control in its window; the welcome mosaic overflows by design.
        const QStringList mesures =
            e.lignes.filter(QRegularExpression("^ecran ")).value(0).split(' ');
        QCOMPARE(mesures.size(), 4);
        const QRect surface(0, 0, mesures[1].toInt(), mesures[2].toInt());
        const double rapport = mesures[3].toDouble();
        const QHash<QString, QSize> designs{{"frmSplash", {455, 304}},
                                            {"frmConfigurationChance", {440, 145}}};
        int fenetres = 0;
        for (const QString& l : e.lignes) {
            QVERIFY2(!l.startsWith(QLatin1String("hors-ecran")) ||
                         l.contains(QLatin1String("/mosaique")),
                     qPrintable(l));
            if (!l.startsWith(QLatin1String("fenetre "))) continue;
            const QStringList f = l.split(' ');
            const QRect r(f[2].toInt(), f[3].toInt(), f[4].toInt(), f[5].toInt());
            QVERIFY2(surface.contains(r), qPrintable(l));
            if (designs.contains(f[1])) {
                QVERIFY2(r.width() * rapport >= designs[f[1]].width() / 2, qPrintable(l));
                QVERIFY2(r.height() * rapport >= designs[f[1]].height() / 2, qPrintable(l));
            }
            ++fenetres;
        }
        QCOMPARE(fenetres, aide ? 4 : 3); // the splash, the main window, the dialog, the help

        // Nothing was read or written where it should not be.
        struct stat infos {};
        if (cas == "donnees") {
            QVERIFY(::lstat((programme + "tbc").c_str(), &infos) == 0 && S_ISFIFO(infos.st_mode));
        } else if (cas == "reglages") {
            QVERIFY(::lstat(reglages.c_str(), &infos) == 0 && S_ISFIFO(infos.st_mode));
        } else if (cas == "verrou") {
            QVERIFY(::lstat((reglages + ".lock").c_str(), &infos) == 0 && S_ISLNK(infos.st_mode));
            QVERIFY(!QFile::exists(QFile::decodeName(QByteArray::fromStdString(reglages))));
        } else if (cas == "configRelative") {
            QVERIFY(QFile::exists(QFile::decodeName(QByteArray::fromStdString(racine)) +
                                  ".config/Ludicorium/LUNESPIRAL 2000.ini"));
        }
        QCOMPARE(QDir(QFile::decodeName(QByteArray::fromStdString(courant)))
                     .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList());
        if (!racineConfiguree) QVERIFY(!QFileInfo::exists(QStringLiteral("/.config/Ludicorium")));
    }
};

int main(int argc, char** argv) {
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    Application app(argc, argv);
    TestPannes t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_pannes.moc"
