#include "ArgumentsTirage.h"
#include "DonneesEssai.h"
#include "Langue.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>

#include <QDir>
#include <QFile>

using namespace lunespiral;

namespace {

struct Execution {
    int statut = -1;
    std::string sortie;
};

// Runs the built reader with a shell command line; stderr joins stdout, then `redirection`
// applies to stdout. A reader that hangs is stopped after ten seconds (status 124).
Execution executer(const std::string& arguments, const std::string& redirection = "") {
    Execution e;
    const std::string commande =
        std::string("timeout 10 '") + PROGRAMME_TIRAGE + "' " + arguments + " 2>&1 " + redirection;
    FILE* f = popen(commande.c_str(), "r");
    if (!f) return e;
    std::array<char, 4096> tampon{};
    std::size_t lus = 0;
    while ((lus = fread(tampon.data(), 1, tampon.size(), f)) > 0)
        e.sortie.append(tampon.data(), lus);
    const int brut = pclose(f);
    e.statut = WIFEXITED(brut) ? WEXITSTATUS(brut) : -1;
    return e;
}

std::vector<std::string> args(std::initializer_list<const char*> l) {
    return {l.begin(), l.end()};
}

// Data files for the reader: every text names its record.
const essai::Donnees& donnees() {
    static const essai::Donnees d;
    return d;
}

std::string avecDonnees(const std::string& arguments) {
    return "--repertoire '" + donnees().dossier.path().toStdString() + "' " + arguments;
}

} // namespace

TEST(ArgumentsTirage, ParsesEveryOptionInAnyOrder) {
    auto a = analyserArguments(
        args({"--json", "maisons", "--graine", "4294967295", "--langue", "fr"}), langueAnglais);
    EXPECT_EQ(a.commande, Commande::Maisons);
    EXPECT_TRUE(a.json);
    EXPECT_EQ(a.graine, 4294967295u);
    EXPECT_EQ(a.langue, langueFrancais);

    a = analyserArguments(args({"--graine=0", "--repertoire=/tmp/x", "croix"}), langueAnglais);
    EXPECT_EQ(a.graine, 0u);
    EXPECT_EQ(a.repertoire, "/tmp/x");
    EXPECT_EQ(a.langue, langueAnglais);
    EXPECT_FALSE(a.json);

    a = analyserArguments(args({"chance", "--cartes", "3,17,8,21", "--options", "10,1,10"}), 1);
    EXPECT_EQ(a.cartes, (std::vector<int>{3, 17, 8, 21}));
    EXPECT_EQ(a.nombre, 10);
    EXPECT_EQ(a.maximum, 10);
    EXPECT_EQ(analyserArguments(args({"--help"}), 1).commande, Commande::Aide);
}

TEST(ArgumentsTirage, BadArgumentsNameTheArgument) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cas = {
        {{}, "no spread"},
        {{"tarot"}, "\"tarot\""},
        {{"croix", "maisons"}, "only one"},
        {{"--graine", "4294967296", "croix"}, "--graine"},
        {{"--graine", "-1", "croix"}, "--graine"},
        {{"--graine", "12a", "croix"}, "--graine"},
        {{"--graine", "", "croix"}, "--graine"},
        {{"croix", "--graine"}, "--graine: a value is missing"},
        {{"--langue", "de", "croix"}, "--langue"},
        {{"--vite", "croix"}, "--vite"},
        {{"chance"}, "--cartes"},
        {{"chance", "--cartes", "1,2,3"}, "--cartes"},
        {{"chance", "--cartes", "1,2,3,23"}, "\"23\""},
        {{"chance", "--cartes", "1,2,3,3"}, "twice"},
        {{"chance", "--cartes", "1,2,,3"}, "--cartes"},
        {{"chance", "--cartes", "1,2,3,4", "--options", "11,1,49"}, "count"},
        {{"chance", "--cartes", "1,2,3,4", "--options", "6,0,49"}, "minimum"},
        {{"chance", "--cartes", "1,2,3,4", "--options", "6,1,501"}, "maximum"},
        {{"chance", "--cartes", "1,2,3,4", "--options", "6,1"}, "--options"},
        {{"croix", "--options", "6,1,49"}, "--options"},
        {{"maisons", "--cartes", "1,2,3,4"}, "lays 10 cards"},
        {{"croix", "--cartes", "1,2,3,4,5,6,7,8,9,10"}, "lays 4 cards"},
    };
    for (const auto& [arguments, attendu] : cas) {
        try {
            analyserArguments(arguments, langueFrancais);
            ADD_FAILURE() << "accepted: " << ::testing::PrintToString(arguments);
        } catch (const ErreurArguments& e) {
            EXPECT_NE(std::string(e.what()).find(attendu), std::string::npos)
                << e.what() << " (expected to mention " << attendu << ")";
        }
    }
}

TEST(ArgumentsTirage, LanguageFromTheEnvironment) {
    setenv("LC_ALL", "", 1);
    setenv("LC_MESSAGES", "fr_CA.UTF-8", 1);
    setenv("LANG", "en_GB.UTF-8", 1);
    EXPECT_EQ(langueDeLEnvironnement(), langueFrancais);
    setenv("LC_ALL", "C", 1);
    EXPECT_EQ(langueDeLEnvironnement(), langueAnglais);
    unsetenv("LC_ALL");
    unsetenv("LC_MESSAGES");
    setenv("LANG", "fr_FR.UTF-8", 1);
    EXPECT_EQ(langueDeLEnvironnement(), langueFrancais);
    unsetenv("LANG");
    EXPECT_EQ(langueDeLEnvironnement(), langueAnglais);
}

TEST(ProgrammeTirage, GoldenReadingsAsJson) {
    auto e = executer(avecDonnees("--graine 0 --langue fr --json croix"));
    EXPECT_EQ(e.statut, 0) << e.sortie;
    EXPECT_NE(e.sortie.find("{\"tirage\":\"croix\",\"graine\":0,\"cartes\":[1,19,5,7,6],"
                            "\"noms\":[\"Le Bateleur\",\"Le Soleil\",\"Le Pape\",\"Le Chariot\","
                            "\"L'Amoureux\"],\"variantesPresent\":[4,1,3,3],"
                            "\"variantesFutur\":[2,2,1,1]"),
              std::string::npos)
        << e.sortie;
    EXPECT_NE(e.sortie.find("\"textes\":{\"phraseGlobale\":\"L’heure d’un choix du cœur."),
              std::string::npos)
        << "the synthesis card is 6, L'Amoureux: " << e.sortie;
    EXPECT_NE(e.sortie.find("\"synthesePresent\":\"Pp 1-19\",\"syntheseFutur\":\"Pf 5-7\""),
              std::string::npos);

    e = executer(avecDonnees("--json --langue en --graine 0 maisons"));
    EXPECT_EQ(e.statut, 0) << e.sortie;
    EXPECT_NE(e.sortie.find("\"cartes\":[1,19,5,7,15,8,4,9,10,2],\"noms\":[\"The Magician\","),
              std::string::npos)
        << e.sortie;
    EXPECT_NE(e.sortie.find("\"cartesAssociees\":[11,2,19,2,7,21,9,18,8,16],"
                            "\"variantes\":[5,4,1,1,2,2,5,5,2,3],\"maisonCourante\":"),
              std::string::npos)
        << e.sortie;

    e = executer(avecDonnees("--graine 0 --json bohemiens"));
    EXPECT_EQ(e.statut, 0) << e.sortie;
    EXPECT_NE(e.sortie.find("\"cartes\":[1,19,5,7]"), std::string::npos) << e.sortie;
    EXPECT_NE(e.sortie.find("\"cartesAssociees\":[15,8,4,9],\"horizonCourant\":"),
              std::string::npos);
    EXPECT_NE(e.sortie.find("\"textes\":[\"Pf 1-15\",\"Pf 19-8\",\"Pf 5-4\",\"Pf 7-9\"]}"),
              std::string::npos)
        << e.sortie;
}

TEST(ProgrammeTirage, LuckyNumbers) {
    auto e = executer("--graine 0 --json --langue fr chance --cartes 3,17,8,21");
    EXPECT_EQ(e.statut, 0) << e.sortie;
    EXPECT_EQ(e.sortie, "{\"numeros\":[33,16,45,10,21,8],\"texte\":\"33 - 16 - 45 - 10 - 21 - 8\","
                        "\"description\":\"Vos 6 numéros de la chance de 1 à 49\"}\n");
    e = executer("--graine 99 --langue en chance --cartes 4,12,20,6 --options 10,1,10");
    EXPECT_EQ(e.sortie,
              "Your 10 lucky numbers from 1 to 10\n9 - 4 - 6 - 1 - 10 - 5 - 2 - 3 - 8 - 7\n");
    // Bounds given the wrong way round: the range drawn is described.
    e = executer("--graine 99 --langue en chance --cartes 4,12,20,6 --options 6,40,10");
    EXPECT_EQ(e.sortie.substr(0, e.sortie.find('\n')), "Your 6 lucky numbers from 10 to 40");
    e = executer("--graine 0 --json chance --cartes 5,1,22,9,14,3,7,19,11,2");
    EXPECT_NE(e.sortie.find("[22,9,7,3,43,2]"), std::string::npos) << e.sortie;
    EXPECT_EQ(executer("chance --cartes 1,2,3,4,5").statut, 2);
    EXPECT_EQ(executer("chance --cartes 1,2,3,4 --options 6,1,600").statut, 2);
}

TEST(ProgrammeTirage, AReadingFromARealDeck) {
    // The given cards are laid; the synthesis follows the usual rule; the rest is drawn.
    auto e = executer(avecDonnees("--graine 5 --json --cartes 3,7,12,20 croix"));
    EXPECT_EQ(e.statut, 0) << e.sortie;
    EXPECT_NE(e.sortie.find("\"cartes\":[3,7,12,20,6]"), std::string::npos) << e.sortie;
    EXPECT_NE(e.sortie.find("\"synthesePresent\":\"Pp 3-7\""), std::string::npos) << e.sortie;
    e = executer(avecDonnees("--graine 5 --json --cartes 22,21,20,19,18,17,16,15,14,13 maisons"));
    EXPECT_NE(e.sortie.find("\"cartes\":[22,21,20,19,18,17,16,15,14,13]"), std::string::npos)
        << e.sortie;
    e = executer(avecDonnees("--json --cartes 1,2,3,4 bohemiens"));
    EXPECT_NE(e.sortie.find("\"cartes\":[1,2,3,4]"), std::string::npos) << e.sortie;
    EXPECT_EQ(executer("--cartes 1,2,3,4 maisons").statut, 2);
    EXPECT_EQ(executer("--cartes 1,1,3,4 croix").statut, 2);
}

TEST(ProgrammeTirage, MissingDataFiles) {
    QTemporaryDir vide;
    const std::string repertoire = "--repertoire '" + vide.path().toStdString() + "' ";
    // Without the pair file the cross cannot be composed: the program's message, status 1.
    auto e = executer(repertoire + "--graine 0 croix");
    EXPECT_EQ(e.statut, 1);
    EXPECT_NE(e.sortie.find("Erreur de vérification d'étendue"), std::string::npos) << e.sortie;
    // The bohemian spread still reads, with empty horizons.
    e = executer(repertoire + "--graine 0 --json bohemiens");
    EXPECT_EQ(e.statut, 0) << e.sortie;
    EXPECT_NE(e.sortie.find("\"textes\":[\"\",\"\",\"\",\"\"]"), std::string::npos) << e.sortie;
    // A short file is reported with the program's message.
    essai::ecrire(vide, "tbb", "short");
    e = executer(repertoire + "--langue fr --graine 0 maisons");
    EXPECT_EQ(e.statut, 1);
    EXPECT_NE(e.sortie.find("Lecture au delà de la fin de fichier"), std::string::npos) << e.sortie;
}

TEST(ProgrammeTirage, HostileFilesAndOutputs) {
    // Texts with control characters, as a damaged data file holds them; a FIFO and a link to a
    // device in place of the data files; an output that cannot be written.
    QTemporaryDir dossier;
    const std::string repertoire = "--repertoire '" + dossier.path().toStdString() + "' ";
    const std::string paires = essai::contenuPaires(
        [](int, int, std::string& r) { essai::champ(r, 255, "\x1b[2J\a\x81\x7f\tfin"); });
    for (const char* nom : {"tbb", "tbbus"}) essai::ecrire(dossier, nom, essai::contenuDomaines());
    for (const char* nom : {"tbc", "tbcus"}) essai::ecrire(dossier, nom, paires);
    struct Cas {
        const char* nom;
        std::string commande;
        std::string redirection;
        int statut;
        std::vector<std::string> attendus;
    };
    const std::vector<Cas> cas = {
        {"control characters",
         repertoire + "--langue fr bohemiens",
         "",
         0,
         {"    \\u001b[2J\\u0007\\u0081\\u007f\\u0009fin\n"}},
        {"control characters in JSON",
         repertoire + "--json bohemiens",
         "",
         0,
         {"\"\\u001b[2J\\u0007\\u0081\\u007f\\tfin\""}},
        {"a full disk",
         repertoire + "--langue fr croix",
         ">/dev/full",
         1,
         {"lunespiral-tirage : écriture impossible sur la sortie standard (No space left on "
          "device)"}},
        {"no standard output",
         repertoire + "--langue en croix",
         ">&-",
         1,
         {"lunespiral-tirage: cannot write to standard output (Bad file descriptor)"}},
        {"the help, on a full disk", "--help", ">/dev/full", 1, {"cannot write"}},
        // Both count as missing: the pair file's indexes are 0, hence the range error.
        {"a FIFO and a device",
         "--repertoire '" + dossier.filePath("speciaux").toStdString() + "' croix",
         "",
         1,
         {"Erreur de vérification d'étendue"}},
    };
    ASSERT_TRUE(QDir(dossier.path()).mkdir("speciaux"));
    ASSERT_EQ(::mkfifo(dossier.filePath("speciaux/tbc").toLocal8Bit().constData(), 0600), 0);
    ASSERT_TRUE(QFile::link("/dev/zero", dossier.filePath("speciaux/tbb")));
    for (const Cas& c : cas) {
        const Execution e = executer(c.commande, c.redirection);
        EXPECT_EQ(e.statut, c.statut) << c.nom << ": " << e.sortie;
        for (const auto& attendu : c.attendus)
            EXPECT_NE(e.sortie.find(attendu), std::string::npos) << c.nom << ": " << e.sortie;
        for (const char octet : {'\x1b', '\a', '\x7f', '\t'})
            EXPECT_EQ(e.sortie.find(octet), std::string::npos) << c.nom;
        EXPECT_EQ(e.sortie.find("\xc2\x81"), std::string::npos) << c.nom;
    }
}

TEST(ProgrammeTirage, ClockSeededReadingReportsItsSeed) {
    const auto e = executer(avecDonnees("--json croix"));
    ASSERT_EQ(e.statut, 0) << e.sortie;
    const auto debut = e.sortie.find("\"graine\":");
    ASSERT_NE(debut, std::string::npos);
    const auto graine = std::stoul(e.sortie.substr(debut + 9));
    EXPECT_LT(graine, 86'400'000ul);
    // The same seed given back reproduces the reading.
    const auto rejoue =
        executer(avecDonnees("--json --graine " + std::to_string(graine) + " croix"));
    EXPECT_EQ(rejoue.sortie.substr(rejoue.sortie.find("\"cartes\"")),
              e.sortie.substr(e.sortie.find("\"cartes\"")));
}

TEST(ProgrammeTirage, ReadableOutputAndErrors) {
    auto e = executer(avecDonnees("--graine 0 --langue fr croix"));
    EXPECT_EQ(e.statut, 0);
    EXPECT_NE(e.sortie.find("Arcane 19 - Le Soleil"), std::string::npos) << e.sortie;
    EXPECT_NE(e.sortie.find("Psyché Globale - Arcane 6 - L'Amoureux"), std::string::npos);
    EXPECT_NE(e.sortie.find("--- FUTUR ---   Le Pape + Le Chariot\n\n    Pf 5-7\n"),
              std::string::npos)
        << e.sortie;

    e = executer(avecDonnees("--graine 0 --langue en bohemiens"));
    EXPECT_NE(e.sortie.find("In 1 month"), std::string::npos) << e.sortie;

    e = executer("--graine 99999999999 croix");
    EXPECT_EQ(e.statut, 2);
    EXPECT_NE(e.sortie.find("--graine"), std::string::npos);
    EXPECT_NE(e.sortie.find("usage:"), std::string::npos);
    EXPECT_EQ(executer("").statut, 2);
    EXPECT_EQ(executer("--langue xx croix").statut, 2);
    EXPECT_EQ(executer("--help").statut, 0);
}
