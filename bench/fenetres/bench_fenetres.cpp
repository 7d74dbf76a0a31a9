// The windows' figures, measured on the real windows and printed as one table:
//  - start-up: process start to the splash's first paint, for the program and for a bare Qt
//    program of the splash's size (nu_qt_fenetre), each started N times as a separate
//    process, offscreen and, when xvfb-run is installed, under Xvfb through xcb;
//  - the language choice up to the main window painted with its mosaic (N processes);
//  - every user action of a reading, handled and then painted (repaint and processEvents);
//  - peak memory after a complete reading of each spread, against the bare program's.
// Without arguments the program drives all of this by running itself and the two programs as
// child processes; the arguments below are the children's roles. Figures are in
// docs/PERFORMANCE.md.

#include "AccesFenetre.h"
#include "Application.h"
#include "BoiteMessage.h"
#include "Demarrage.h"
#include "Globales.h"
#include "fSplash.h"
#include "mdlChance.h"
#include "spiral.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QTimer>

#include <valgrind/callgrind.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace lunespiral {
namespace {

constexpr int nbProcessus = 15; // runs per start-up figure; the median is kept
constexpr int nbTours = 10;     // readings of each spread in the actions run

long long maintenantNs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000000000LL + t.tv_nsec;
}

std::string dossierProgramme() {
    char chemin[4096] = {};
    const ssize_t n = readlink("/proc/self/exe", chemin, sizeof chemin - 1);
    std::string s(chemin, n > 0 ? static_cast<std::size_t>(n) : 0);
    return s.substr(0, s.rfind('/') + 1);
}

std::string ecranOffscreen() {
    return std::string("offscreen:configfile=") + LUNESPIRAL_ECRANS + "/1920x1080.json";
}

// Runs a program with some variables added to the environment and returns what it printed.
// `origine` receives the monotonic clock just before the process is created and, when asked
// for, is passed to it in LUNESPIRAL_MESURE_DEMARRAGE.
std::string executer(const std::vector<std::string>& arguments,
                     std::map<std::string, std::string> variables, bool passerOrigine = false) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string v(*e);
        const std::string nom = v.substr(0, v.find('='));
        if (!variables.count(nom) && nom != "LUNESPIRAL_MESURE_DEMARRAGE") env.push_back(v);
    }
    for (const auto& [nom, valeur] : variables) env.push_back(nom + "=" + valeur);
    int tube[2];
    if (pipe(tube) != 0) std::abort();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, tube[1], 1);
    posix_spawn_file_actions_addclose(&actions, tube[0]);
    // Qt's warnings from a hundred child processes (no runtime directory, no raise() offscreen)
    // would bury the table; LUNESPIRAL_BANC_BAVARD keeps them.
    if (!std::getenv("LUNESPIRAL_BANC_BAVARD"))
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv;
    for (const auto& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    env.emplace_back();
    pid_t pid = 0;
    const long long origine = maintenantNs();
    env.back() = "LUNESPIRAL_MESURE_DEMARRAGE=" + std::to_string(origine);
    std::vector<char*> envp;
    for (auto& v : env)
        if (passerOrigine || v.rfind("LUNESPIRAL_MESURE_DEMARRAGE=", 0) != 0)
            envp.push_back(v.data());
    envp.push_back(nullptr);
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) {
        std::fprintf(stderr, "cannot start %s\n", argv[0]);
        std::exit(1);
    }
    posix_spawn_file_actions_destroy(&actions);
    close(tube[1]);
    std::string sortie;
    char tampon[4096];
    for (ssize_t n; (n = read(tube[0], tampon, sizeof tampon)) > 0;)
        sortie.append(tampon, static_cast<std::size_t>(n));
    close(tube[0]);
    int statut = 0;
    waitpid(pid, &statut, 0);
    if (!WIFEXITED(statut) || WEXITSTATUS(statut) != 0) {
        std::fprintf(stderr, "%s failed (status %d)\n", argv[0], statut);
        std::exit(1);
    }
    return sortie;
}

long long champ(const std::string& ligne, const std::string& nom) {
    const auto p = ligne.find(nom + "=");
    return p == std::string::npos ? -1 : std::atoll(ligne.c_str() + p + nom.size() + 1);
}

double mediane(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const std::size_t m = v.size() / 2;
    return v.size() % 2 ? v[m] : (v[m - 1] + v[m]) / 2;
}

double pire(const std::vector<double>& v) {
    return v.empty() ? 0 : *std::max_element(v.begin(), v.end());
}

// ---------------------------------------------------------------------------------------------
// Start-up, as separate processes: "nu" is the bare program, "programme" the real one.

struct Demarrage {
    std::vector<double> depuisMain, depuisExec, rssKo;
};

// Prints one line per run: "<programme> main=<ns> peinture=<ns> rss_ko=<ko>".
void mesurerDemarrages(const std::string& plateforme, std::map<std::string, Demarrage>& resultats) {
    const std::string dossier = dossierProgramme();
    const std::pair<std::string, std::string> programmes[] = {
        {"nu", dossier + "nu_qt_fenetre"}, {"programme", dossier + "lunespiral_mesure"}};
    // One untimed start each, so that both find their libraries in the page cache.
    for (const auto& [nom, chemin] : programmes)
        executer({chemin}, {{"QT_QPA_PLATFORM", plateforme}}, true);
    for (int i = 0; i < nbProcessus; ++i)
        for (const auto& [nom, chemin] : programmes) {
            const std::string sortie = executer({chemin}, {{"QT_QPA_PLATFORM", plateforme}}, true);
            const long long main = champ(sortie, "main"), peinture = champ(sortie, "peinture");
            Demarrage& d = resultats[nom];
            d.depuisMain.push_back((peinture - main) / 1e6);
            d.depuisExec.push_back(peinture / 1e6);
            d.rssKo.push_back(static_cast<double>(champ(sortie, "rss_ko")));
        }
}

int roleDemarrageX() {
    std::map<std::string, Demarrage> r;
    mesurerDemarrages("xcb", r);
    for (const auto& [nom, d] : r)
        for (std::size_t i = 0; i < d.depuisMain.size(); ++i)
            std::printf("%s main=%lld exec=%lld\n", nom.c_str(),
                        static_cast<long long>(d.depuisMain[i] * 1e6),
                        static_cast<long long>(d.depuisExec[i] * 1e6));
    return 0;
}

// ---------------------------------------------------------------------------------------------
// The roles run inside the real windows.

// Runs the event loop until `fenetre` has been painted and its paint flushed.
void attendrePeinture(QWidget* fenetre) {
    struct Guet : QObject {
        QEventLoop boucle;
        bool vu = false;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint && !vu) {
                vu = true;
                QTimer::singleShot(0, &boucle, &QEventLoop::quit);
            }
            return false;
        }
    } guet;
    fenetre->installEventFilter(&guet);
    QTimer::singleShot(10000, &guet.boucle, [] {
        std::fprintf(stderr, "a window was never painted\n");
        std::exit(1);
    });
    guet.boucle.exec();
    fenetre->removeEventFilter(&guet);
}

// A person's pause between two actions: the event loop runs, nothing is timed.
void pause(int ms) {
    QEventLoop boucle;
    QTimer::singleShot(ms, &boucle, &QEventLoop::quit);
    boucle.exec();
}

// The program as it starts, up to the language chosen and the main window painted; returns
// the time from the click to that paint.
double jusquALaFenetrePrincipale(Fenetres& f) {
    f = demarrer();
    f.splash->show();
    attendrePeinture(f.splash);
    // Nobody picks a language within half a second of seeing the splash.
    pause(500);
    QElapsedTimer t;
    t.start();
    f.splash->findChild<QPushButton*>(QStringLiteral("PanelStartFrench"))->click();
    attendrePeinture(f.principale);
    return static_cast<double>(t.nsecsElapsed());
}

int roleLangue(int argc, char** argv) {
    Application application(argc, argv);
    Fenetres f;
    const double ns = jusquALaFenetrePrincipale(f);
    std::printf("langue ns=%lld\n", static_cast<long long>(ns));
    detruire(f);
    return 0;
}

std::vector<int> cartesFaceCachee(TfrmLunespiral* p) {
    std::vector<int> d;
    for (int k = 1; k <= 22; ++k)
        if (acces::carteTalon(p, k)->isVisible() &&
            acces::carteTalon(p, k)->image() == QLatin1String("picFond"))
            d.push_back(k);
    return d;
}

std::vector<int> cartesPosees(TfrmLunespiral* p) {
    std::vector<int> d;
    for (int k = 1; k <= 22; ++k)
        if (acces::carteTalon(p, k)->isVisible() &&
            acces::carteTalon(p, k)->image() != QLatin1String("picFond"))
            d.push_back(k);
    return d;
}

// A complete reading of one spread, each action timed by `mesurer`.
void lireUnTirage(TfrmLunespiral* p, TypeTirage type,
                  const std::function<void(const char*, std::function<void()>)>& mesurer) {
    const char* choix = type == TypeTirage::EnCroix      ? "choose the cross spread"
                        : type == TypeTirage::DixMaisons ? "choose the ten houses"
                                                         : "choose the bohemian spread";
    // Each action is the signal of the control clicked, as a click sends it.
    ImageControle* image = acces::controle<ImageControle>(
        p, QString::fromLatin1(type == TypeTirage::EnCroix      ? "imageTirageEnCroix"
                               : type == TypeTirage::DixMaisons ? "imageTirageDixMaisons"
                                                                : "imageTirageBohemiens"));
    mesurer(choix, [image] { emit image->clique(image); });
    const int compte = nbCartesDuTirage(type);
    for (int k = 1; k <= compte; ++k) {
        const std::vector<int> libres = cartesFaceCachee(p);
        const int d = libres[libres.size() / 2];
        const char* nom = k < compte                       ? "pick a card"
                          : type == TypeTirage::EnCroix    ? "complete the cross"
                          : type == TypeTirage::DixMaisons ? "complete the ten houses"
                                                           : "complete the bohemian spread";
        ImageControle* carte = acces::carteTalon(p, d);
        mesurer(nom, [carte] { emit carte->clique(carte); });
    }
    if (type != TypeTirage::EnCroix) {
        const char* nom = type == TypeTirage::DixMaisons ? "choose a house" : "choose a horizon";
        for (const int d : cartesPosees(p)) {
            ImageControle* carte = acces::carteTalon(p, d);
            mesurer(nom, [carte] { emit carte->clique(carte); });
        }
    }
}

void nouveauTirage(TfrmLunespiral* p,
                   const std::function<void(const char*, std::function<void()>)>& mesurer) {
    mesurer("new draw (confirmed)", [p] {
        BoiteMessage::reponsesSuivantes({true});
        emit acces::controle<Panneau>(p, QStringLiteral("panelNouveauTirage"))->clique();
    });
}

int roleActions(int argc, char** argv) {
    Application application(argc, argv);
    Fenetres f;
    jusquALaFenetrePrincipale(f);
    TfrmLunespiral* p = f.principale;
    QWidget* aPeindre = p;
    // Two figures per action: handled and painted as the event loop paints it (only what the
    // action changed), and that plus the whole window repainted, the most a paint can cost.
    // Under callgrind (--instr-atstart=no), LUNESPIRAL_BANC_PROFIL names the one action whose
    // handling and painting are counted.
    const QByteArray profil = qgetenv("LUNESPIRAL_BANC_PROFIL");
    auto mesurer = [&aPeindre, &profil](const char* nom, const std::function<void()>& action) {
        pause(20);
        const bool compter = profil == nom;
        QElapsedTimer t;
        t.start();
        if (compter) CALLGRIND_START_INSTRUMENTATION;
        action();
        QCoreApplication::processEvents();
        if (compter) CALLGRIND_STOP_INSTRUMENTATION;
        const qint64 boucle = t.nsecsElapsed();
        aPeindre->repaint();
        QCoreApplication::processEvents();
        std::printf("action %s|%lld|%lld\n", nom, static_cast<long long>(boucle),
                    static_cast<long long>(t.nsecsElapsed()));
    };
    for (int tour = 0; tour < nbTours; ++tour) {
        for (const TypeTirage type :
             {TypeTirage::EnCroix, TypeTirage::DixMaisons, TypeTirage::Bohemiens}) {
            // What painting the whole window costs by itself, for comparison.
            mesurer("(nothing)", [] {});
            lireUnTirage(p, type, mesurer);
            mesurer("lucky numbers button", [p] { acces::boutonNumeros(p)->click(); });
            aPeindre = f.dialogue;
            QToolButton* options =
                acces::controle<QToolButton>(p, QStringLiteral("SBConfigurationNumerosDeLaChance"));
            mesurer("open the options", [options] { options->click(); });
            aPeindre = p;
            mesurer("confirm the options", [&f] { f.dialogue->Button1Click(); });
            nouveauTirage(p, mesurer);
        }
    }
    detruire(f);
    return 0;
}

long rssActuelKo() {
    long pages = 0, residentes = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &residentes) != 2) residentes = 0;
        std::fclose(f);
    }
    return residentes * (sysconf(_SC_PAGESIZE) / 1024);
}

int roleMemoire(int argc, char** argv) {
    Application application(argc, argv);
    std::printf("etape application=%ld\n", rssActuelKo());
    Fenetres f;
    jusquALaFenetrePrincipale(f);
    std::printf("etape principale=%ld\n", rssActuelKo());
    TfrmLunespiral* p = f.principale;
    auto peindre = [p](const char*, const std::function<void()>& action) {
        action();
        p->repaint();
        QCoreApplication::processEvents();
    };
    lireUnTirage(p, TypeTirage::EnCroix, peindre);
    std::printf("etape croix=%ld\n", rssActuelKo());
    nouveauTirage(p, peindre);
    lireUnTirage(p, TypeTirage::DixMaisons, peindre);
    std::printf("etape maisons=%ld\n", rssActuelKo());
    nouveauTirage(p, peindre);
    lireUnTirage(p, TypeTirage::Bohemiens, peindre);
    std::printf("etape bohemiens=%ld\n", rssActuelKo());
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    std::printf("memoire rss_ko=%ld\n", r.ru_maxrss);
    // A window at rest paints nothing.
    struct Compte : QObject {
        int peintures = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint) ++peintures;
            return false;
        }
    } compte;
    p->installEventFilter(&compte);
    pause(1000);
    p->removeEventFilter(&compte);
    std::printf("repos peintures=%d\n", compte.peintures);
    detruire(f);
    return 0;
}

// ---------------------------------------------------------------------------------------------
// The driver.

bool xvfbDisponible() {
    if (std::getenv("LUNESPIRAL_BANC_SANS_XVFB")) return false;
    const char* chemin = std::getenv("PATH");
    std::stringstream dossiers(chemin ? chemin : "");
    for (std::string d; std::getline(dossiers, d, ':');)
        if (access((d + "/xvfb-run").c_str(), X_OK) == 0) return true;
    return false;
}

void ligne(const char* quoi, double mesure, const char* unite, const std::string& reference,
           const std::string& but, bool tenu) {
    std::printf("| %-56s | %9.2f %-3s | %-22s | %-16s | %-4s |\n", quoi, mesure, unite,
                reference.c_str(), but.c_str(), tenu ? "yes" : "NO");
}

std::string format(const char* f, double v) {
    char s[64];
    std::snprintf(s, sizeof s, f, v);
    return s;
}

int piloter() {
    const std::string dossier = dossierProgramme();
    const std::string moi = dossier + "bench_fenetres";
    // The options the actions save go to a directory of their own, not the user's settings.
    char modele[] = "/tmp/lunespiral-banc-XXXXXX";
    const char* reglages = mkdtemp(modele);
    if (!reglages) return 1;
    setenv("XDG_CONFIG_HOME", reglages, 1);

    char machine[256] = "?";
    if (FILE* cpu = std::fopen("/proc/cpuinfo", "r")) {
        char l[512];
        while (std::fgets(l, sizeof l, cpu))
            if (std::strncmp(l, "model name", 10) == 0) {
                std::snprintf(machine, sizeof machine, "%s", std::strchr(l, ':') + 2);
                machine[std::strcspn(machine, "\n")] = 0;
                break;
            }
        std::fclose(cpu);
    }
    std::printf("Lunespiral windows: %ld cores, %s; screen 1920 x 1080; medians of %d processes.\n",
                sysconf(_SC_NPROCESSORS_ONLN), machine, nbProcessus);
    std::fflush(stdout);

    std::map<std::string, Demarrage> offscreen;
    mesurerDemarrages(ecranOffscreen(), offscreen);
    std::map<std::string, Demarrage> x;
    const bool avecX = xvfbDisponible();
    if (avecX) {
        const std::string sortie =
            executer({"xvfb-run", "-a", "-s", "-screen 0 1920x1080x24", moi, "--demarrage-x"}, {});
        std::stringstream lignes(sortie);
        for (std::string l; std::getline(lignes, l);) {
            const std::string nom = l.substr(0, l.find(' '));
            if (nom != "nu" && nom != "programme") continue;
            x[nom].depuisMain.push_back(static_cast<double>(champ(l, "main")) / 1e6);
            x[nom].depuisExec.push_back(static_cast<double>(champ(l, "exec")) / 1e6);
        }
    }

    std::vector<double> langue;
    for (int i = 0; i < nbProcessus; ++i)
        langue.push_back(
            static_cast<double>(
                champ(executer({moi, "--langue"}, {{"QT_QPA_PLATFORM", ecranOffscreen()}}), "ns")) /
            1e6);

    std::map<std::string, std::vector<double>> actions, actionsFenetre;
    std::vector<std::string> ordre;
    {
        std::stringstream lignes(
            executer({moi, "--actions"}, {{"QT_QPA_PLATFORM", ecranOffscreen()}}));
        for (std::string l; std::getline(lignes, l);) {
            if (l.rfind("action ", 0) != 0) continue;
            const auto barre = l.find('|'), barre2 = l.find('|', barre + 1);
            const std::string nom = l.substr(7, barre - 7);
            if (!actions.count(nom)) ordre.push_back(nom);
            actions[nom].push_back(std::atof(l.c_str() + barre + 1) / 1e6);
            actionsFenetre[nom].push_back(std::atof(l.c_str() + barre2 + 1) / 1e6);
        }
    }
    const std::string memoire =
        executer({moi, "--memoire"}, {{"QT_QPA_PLATFORM", ecranOffscreen()}});
    const double rssProgramme = static_cast<double>(champ(memoire, "rss_ko"));
    const double peinturesAuRepos = static_cast<double>(champ(memoire, "peintures"));
    const double rssNu = mediane(offscreen["nu"].rssKo);

    std::printf("\n| %-56s | %13s | %-22s | %-16s | %-4s |\n", "figure", "measured", "reference",
                "goal", "met");
    std::printf("|%s|%s|%s|%s|%s|\n", std::string(58, '-').c_str(), std::string(15, '-').c_str(),
                std::string(24, '-').c_str(), std::string(18, '-').c_str(),
                std::string(6, '-').c_str());
    auto demarrage = [&](const char* plateforme, std::map<std::string, Demarrage>& r) {
        const double prog = mediane(r["programme"].depuisMain), nu = mediane(r["nu"].depuisMain);
        ligne((std::string("start-up, main to splash painted, ") + plateforme).c_str(), prog, "ms",
              format("bare Qt %.2f ms", nu), "<= 1.25 x bare", prog <= 1.25 * nu);
        const double progE = mediane(r["programme"].depuisExec), nuE = mediane(r["nu"].depuisExec);
        ligne((std::string("start-up, exec to splash painted, ") + plateforme).c_str(), progE, "ms",
              format("bare Qt %.2f ms", nuE), "(for reference)", true);
    };
    demarrage("offscreen", offscreen);
    if (avecX) demarrage("xcb", x);
    ligne("language choice to main window painted", mediane(langue), "ms",
          format("worst %.2f ms", pire(langue)), "median < 40 ms", mediane(langue) < 40);
    for (const auto& [tableau, titre] :
         {std::pair{&actions, "action: "}, std::pair{&actionsFenetre, "action + whole window: "}})
        for (const std::string& nom : ordre) {
            const auto& v = (*tableau)[nom];
            if (tableau == &actions && nom.front() == '(') continue; // nothing to paint there
            const bool tenu = mediane(v) < 4 && pire(v) < 16;
            ligne((titre + nom).c_str(), mediane(v), "ms",
                  format("worst %.2f ms", pire(v)) + " n=" + std::to_string(v.size()),
                  "< 4, worst < 16", tenu);
        }
    ligne("peak RSS after a reading of each spread", rssProgramme / 1024, "MB",
          format("bare Qt %.1f MB", rssNu / 1024), "<= 1.75 x bare", rssProgramme <= 1.75 * rssNu);
    ligne("main window paints in 1 s at rest", peinturesAuRepos, "", "after the readings", "0",
          peinturesAuRepos == 0);
    if (!avecX) std::printf("(xvfb-run not found: no xcb start-up figures)\n");
    std::filesystem::remove_all(reglages);
    return 0;
}

} // namespace
} // namespace lunespiral

int main(int argc, char** argv) {
    using namespace lunespiral;
    const std::string role = argc > 1 ? argv[1] : "";
    if (role == "--demarrage-x") return roleDemarrageX();
    if (role == "--langue") return roleLangue(argc, argv);
    if (role == "--actions") return roleActions(argc, argv);
    if (role == "--memoire") return roleMemoire(argc, argv);
    return piloter();
}
