#include "Cp1252.h"
#include "FichiersDonnees.h"
#include "Langue.h"
#include "Textes.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

using namespace lunespiral;
namespace fs = std::filesystem;

namespace {

using Lignes = std::vector<std::string>;

std::string domaineTexte(int d, int l, int c, int v, const char* cote) {
    return std::string("Santé ") + cote + " " + std::to_string(d) + "." + std::to_string(l) + "." +
           std::to_string(c) + "." + std::to_string(v) + "\u00A0: l’été";
}

// "[2 3 1 4]"
std::string enTete(std::initializer_list<int> nombres) {
    std::string texte = "[";
    for (const int n : nombres) texte.append(texte.size() > 1 ? " " : "").append(std::to_string(n));
    return texte + "]";
}

Lignes sourceDomaines() {
    Lignes l = {"# domain texts"};
    for (int d = 1; d <= 4; ++d)
        for (int li = 1; li <= 4; ++li)
            for (int c = 1; c <= 3; ++c)
                for (int v = 1; v <= 5; ++v) {
                    l.push_back(enTete({d, li, c, v}));
                    l.push_back("present: " + domaineTexte(d, li, c, v, "p"));
                    l.push_back("futur: " + domaineTexte(d, li, c, v, "f"));
                    l.push_back("");
                }
    return l;
}

Lignes sourceTonalites() {
    Lignes l;
    for (int n = 1; n <= 22; ++n) {
        l.push_back("[carte " + std::to_string(n) + "]");
        l.push_back("tons: " + std::to_string(n % 4 + 1) + " 1 4 " +
                    std::to_string((n + 1) % 4 + 1));
        l.push_back("sources: " + std::to_string(n % 3 + 1) + " 2 3 1");
    }
    return l;
}

// Pair (a, b) reads "p a-b : <a> et <b>, l'été", with the names from the program's own table and
// a plain space and a straight apostrophe for the build to set right.
std::string textePaire(int a, int b, const char* cote, int langue) {
    return std::string(cote) + " " + std::to_string(a) + "-" + std::to_string(b) + " : " +
           cp1252VersUtf8(nomDansLesTextes(a, langue)) + " et " +
           cp1252VersUtf8(nomDansLesTextes(b, langue)) + ", l'été";
}

Lignes sourcePaires(int langue) {
    Lignes l;
    for (int a = 1; a <= 22; ++a)
        for (int b = 1; b <= 22; ++b)
            l.insert(l.end(), {enTete({a, b}), "present: " + textePaire(a, b, "p", langue),
                               "futur: " + textePaire(a, b, "f", langue)});
    return l;
}

// The sources of both languages in a temporary directory; a test changes lines before writing.
struct SourcesEssai {
    QTemporaryDir dossier;
    std::map<std::string, Lignes> fichiers = {
        {"domaines-fr.txt", sourceDomaines()},
        {"domaines-en.txt", sourceDomaines()},
        {"paires-fr.txt", sourcePaires(langueFrancais)},
        {"paires-en.txt", sourcePaires(langueAnglais)},
        {"tonalites.txt", sourceTonalites()},
    };

    fs::path source() const { return fs::path(dossier.path().toStdString()) / "src"; }
    fs::path sortie() const { return fs::path(dossier.path().toStdString()) / "out"; }

    // 1-based number of the first line equal to `texte`.
    int ligne(const std::string& fichier, const std::string& texte) const {
        const Lignes& l = fichiers.at(fichier);
        for (std::size_t i = 0; i < l.size(); ++i)
            if (l[i] == texte) return static_cast<int>(i) + 1;
        ADD_FAILURE() << texte << " not in " << fichier;
        return 0;
    }
    void remplacer(const std::string& fichier, const std::string& avant, const std::string& apres) {
        fichiers.at(fichier).at(static_cast<std::size_t>(ligne(fichier, avant) - 1)) = apres;
    }

    void ecrire() const {
        fs::create_directories(source());
        for (const auto& [nom, lignes] : fichiers) {
            std::ofstream f(source() / nom, std::ios::binary);
            for (const auto& l : lignes) f << l << "\n";
        }
    }
    // The message of the refusal, or "" when the sources were accepted.
    std::string produire() const {
        ecrire();
        try {
            produireDonnees(source(), sortie());
        } catch (const ErreurSource& e) {
            return e.what();
        }
        return "";
    }
};

std::string lire(const fs::path& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    std::ostringstream o;
    o << f.rdbuf();
    return o.str();
}

std::int32_t entierLE(const std::string& o, std::size_t debut) {
    std::uint32_t u = 0;
    for (std::size_t i = 0; i < 4; ++i)
        u |= std::uint32_t(static_cast<unsigned char>(o[debut + i])) << (8 * i);
    return static_cast<std::int32_t>(u);
}

// A field: the text, then NUL up to its end.
std::string champ(const std::string& texte) {
    return texte + std::string(255 - texte.size(), '\0');
}

} // namespace

TEST(EcritureDonnees, RoundTripLayoutAndEngineReadBack) {
    SourcesEssai s;
    s.fichiers["paires-fr.txt"].push_back("# trailing comment");
    fs::create_directories(s.source());
    std::ofstream(s.source() / "aide-fr.html") << "<html>aide</html>";
    ASSERT_EQ(s.produire(), "");

    const std::string tbb = lire(s.sortie() / "tbb"), tbc = lire(s.sortie() / "tbc");
    EXPECT_EQ(tbb.size(), 122400u);
    EXPECT_EQ(lire(s.sortie() / "tbbus").size(), 122400u);
    EXPECT_EQ(tbc.size(), 263296u);
    EXPECT_EQ(lire(s.sortie() / "tbcus").size(), 263296u);
    EXPECT_EQ(lire(s.sortie() / "lunespfr.hlp"), "<html>aide</html>");
    EXPECT_FALSE(fs::exists(s.sortie() / "lunespus.hlp"));

    // Domain record [2 3 1 4]: domaine outermost, variante innermost.
    const std::size_t r = ((1 * 4 + 2) * 3 + 0) * 5 + 3;
    EXPECT_EQ(tbb.substr(r * 510, 510), champ("Sant\xE9 p 2.3.1.4\xA0: l\x92\xE9t\xE9") +
                                            champ("Sant\xE9 f 2.3.1.4\xA0: l\x92\xE9t\xE9"));

    // Pair record (3, 7): texts, two zero bytes, then ligne and colonne as little-endian int32.
    // The French text gets its no-break space, both languages their apostrophe.
    const std::string p = tbc.substr(((3 - 1) * 22 + (7 - 1)) * 544, 544);
    EXPECT_EQ(p.substr(0, 255), champ("p 3-7\xA0: Imp\xE9ratrice et Chariot, l\x92\xE9t\xE9"));
    EXPECT_EQ(p.substr(255, 255), champ("f 3-7\xA0: Imp\xE9ratrice et Chariot, l\x92\xE9t\xE9"));
    EXPECT_EQ(lire(s.sortie() / "tbcus").substr(((3 - 1) * 22 + (7 - 1)) * 544, 255),
              champ("p 3-7 : Empress et Chariot, l\x92\xE9t\xE9"));
    EXPECT_EQ(p.substr(510, 2), std::string(2, '\0'));
    // tons: card 3 -> 4 1 4 1, card 7 -> 4 1 4 1; sources of card 7: 2 2 3 1.
    const std::array<int, 4> lignes = {4, 1, 4, 1}, colonnes = {2, 2, 3, 1};
    for (std::size_t d = 0; d < 4; ++d) {
        EXPECT_EQ(entierLE(p, 512 + 4 * d), lignes[d]) << d;
        EXPECT_EQ(entierLE(p, 528 + 4 * d), colonnes[d]) << d;
    }
    EXPECT_EQ(p[512 + 1], '\0'); // little-endian: the value sits in the first byte

    // The program's own reader agrees with the writer.
    Textes textes;
    textes.chargerTextes(langueFrancais, s.sortie().string() + "/");
    EXPECT_EQ(textes.paire(3, 7).texteFutur.texte(),
              "f 3-7\xA0: Imp\xE9ratrice et Chariot, l\x92\xE9t\xE9");
    EXPECT_EQ(textes.paire(3, 7).colonne[3], 3);
    EXPECT_EQ(textes.texteDomaine(3, 7, Projets, 2, Textes::Cote::Present),
              "Sant\xE9 p 3.4.3.2\xA0: l\x92\xE9t\xE9");
    // a == b: never reached by a draw but filled all the same.
    EXPECT_EQ(textes.paire(5, 5).textePresent.texte(), "p 5-5\xA0: Pape et Pape, l\x92\xE9t\xE9");
}

TEST(EcritureDonnees, TextOfExactly254CharactersFitsItsField) {
    SourcesEssai s;
    const std::string long254 = std::string(250, 'x') + "éééé";
    s.remplacer("domaines-en.txt", "present: " + domaineTexte(4, 4, 3, 5, "p"),
                "present: " + long254);
    ASSERT_EQ(s.produire(), "");
    const std::string tbbus = lire(s.sortie() / "tbbus");
    EXPECT_EQ(tbbus.substr(239 * 510, 255), std::string(250, 'x') + "\xE9\xE9\xE9\xE9" + '\0');
}

// Each faulty source is refused with its file and line, and nothing is written.
TEST(EcritureDonnees, RefusesFaultySourcesNamingFileAndLine) {
    struct Cas {
        const char* nom;
        std::function<void(SourcesEssai&)> abimer;
        std::function<std::string(const SourcesEssai&)> attendu;
    };
    const std::string present1114 = "present: " + domaineTexte(1, 1, 1, 4, "p");
    const std::vector<Cas> cas = {
        {"outside Windows-1252",
         [&](SourcesEssai& s) {
             s.remplacer("domaines-fr.txt", present1114, "present: un\u202Fespace fin");
         },
         [&](const SourcesEssai& s) {
             return "domaines-fr.txt:" +
                    std::to_string(s.ligne("domaines-fr.txt", "present: un\u202Fespace fin")) +
                    ": the character U+202F (character 3 of the text) is not in Windows-1252";
         }},
        {"too long",
         [&](SourcesEssai& s) {
             s.remplacer("domaines-en.txt", present1114,
                         "present: " + std::string(250, 'a') + "€€€€€");
         },
         [&](const SourcesEssai& s) {
             return "domaines-en.txt:" +
                    std::to_string(s.ligne("domaines-en.txt", "[1 1 1 4]") + 1) +
                    ": the text is 255 characters long in Windows-1252; at most 254 fit";
         }},
        {"missing record",
         [](SourcesEssai& s) {
             Lignes& l = s.fichiers["domaines-fr.txt"];
             const auto debut = l.begin() + (s.ligne("domaines-fr.txt", "[2 3 1 4]") - 1);
             l.erase(debut, debut + 4);
         },
         [](const SourcesEssai& s) {
             return "domaines-fr.txt:" + std::to_string(s.ligne("domaines-fr.txt", "[2 3 1 5]")) +
                    ": record [2 3 1 4] is missing (expected before this record)";
         }},
        {"missing record at the end",
         [](SourcesEssai& s) {
             s.fichiers["domaines-fr.txt"].resize(s.fichiers["domaines-fr.txt"].size() - 4);
         },
         [](const SourcesEssai& s) {
             return "domaines-fr.txt:" + std::to_string(s.fichiers.at("domaines-fr.txt").size()) +
                    ": record [4 4 3 5] is missing (expected at the end of the file)";
         }},
        {"duplicated record",
         [](SourcesEssai& s) { s.remplacer("domaines-en.txt", "[1 1 2 1]", "[1 1 1 5]"); },
         [](const SourcesEssai& s) {
             return "domaines-en.txt:" +
                    std::to_string(s.ligne("domaines-en.txt", "[1 1 2 2]") - 4) +
                    ": record [1 1 1 5] is given twice (first at line " +
                    std::to_string(s.ligne("domaines-en.txt", "[1 1 1 5]")) + ")";
         }},
        {"malformed header",
         [](SourcesEssai& s) { s.remplacer("domaines-fr.txt", "[3 1 1 1]", "[3 1  1 1]"); },
         [](const SourcesEssai& s) {
             return "domaines-fr.txt:" + std::to_string(s.ligne("domaines-fr.txt", "[3 1  1 1]")) +
                    ": malformed header \"[3 1  1 1]\"";
         }},
        {"header out of range",
         [](SourcesEssai& s) { s.remplacer("domaines-fr.txt", "[3 1 1 1]", "[3 1 4 1]"); },
         [](const SourcesEssai& s) {
             return "domaines-fr.txt:" + std::to_string(s.ligne("domaines-fr.txt", "[3 1 4 1]")) +
                    ": malformed header \"[3 1 4 1]\": colonne 4 is outside 1..3";
         }},
        {"futur line missing",
         [](SourcesEssai& s) {
             s.remplacer("domaines-fr.txt", "futur: " + domaineTexte(1, 2, 1, 1, "f"), "");
         },
         [](const SourcesEssai& s) {
             return "domaines-fr.txt:" + std::to_string(s.ligne("domaines-fr.txt", "[1 2 1 1]")) +
                    ": record [1 2 1 1] has no \"futur: \" line";
         }},
        {"pair without its present text",
         [](SourcesEssai& s) {
             s.remplacer("paires-fr.txt", "present: " + textePaire(4, 9, "p", langueFrancais),
                         "# present: to be written");
         },
         [](const SourcesEssai& s) {
             return "paires-fr.txt:" + std::to_string(s.ligne("paires-fr.txt", "[4 9]")) +
                    ": record [4 9] has no \"present: \" line";
         }},
        {"card named only inside a longer word",
         [](SourcesEssai& s) {
             s.remplacer("paires-fr.txt", "futur: " + textePaire(2, 5, "f", langueFrancais),
                         "futur: f 2-5 : la Papesse, la Papesse encore");
         },
         [](const SourcesEssai& s) {
             return "paires-fr.txt:" +
                    std::to_string(
                        s.ligne("paires-fr.txt", "futur: f 2-5 : la Papesse, la Papesse encore")) +
                    ": the future text of pair [2 5] does not name \"Pape\"";
         }},
        {"card named without its capital",
         [](SourcesEssai& s) {
             s.remplacer("paires-en.txt", "present: " + textePaire(12, 16, "p", langueAnglais),
                         "present: the hanged man before the Destruction Tower");
         },
         [](const SourcesEssai& s) {
             return "paires-en.txt:" +
                    std::to_string(s.ligne(
                        "paires-en.txt", "present: the hanged man before the Destruction Tower")) +
                    ": the present text of pair [12 16] does not name \"Hanged Man\"";
         }},
        {"ligne out of range",
         [](SourcesEssai& s) { s.remplacer("tonalites.txt", "tons: 3 1 4 4", "tons: 3 1 5 4"); },
         [](const SourcesEssai& s) {
             return "tonalites.txt:" + std::to_string(s.ligne("tonalites.txt", "tons: 3 1 5 4")) +
                    ": tons: 5 is outside 1..4";
         }},
        {"colonne out of range",
         [](SourcesEssai& s) {
             s.remplacer("tonalites.txt", "sources: 1 2 3 1", "sources: 1 2 3 0");
         },
         [](const SourcesEssai& s) {
             return "tonalites.txt:" +
                    std::to_string(s.ligne("tonalites.txt", "sources: 1 2 3 0")) +
                    ": sources: 0 is outside 1..3";
         }},
        {"duplicated pair texts",
         [](SourcesEssai& s) {
             s.remplacer("paires-en.txt", "present: " + textePaire(2, 1, "p", langueAnglais),
                         "present: " + textePaire(1, 2, "p", langueAnglais));
         },
         [](const SourcesEssai& s) {
             return "paires-en.txt:" + std::to_string(s.ligne("paires-en.txt", "[2 1]") + 1) +
                    ": pair [2 1] has the same present text as pair [1 2]";
         }},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        SourcesEssai s;
        c.abimer(s);
        const std::string message = s.produire();
        EXPECT_TRUE(message.starts_with(c.attendu(s)))
            << message << "\n  expected: " << c.attendu(s);
        EXPECT_FALSE(fs::exists(s.sortie())) << "nothing may be written";
    }
}

TEST(EcritureDonnees, RefusalLeavesPreviousFilesUntouched) {
    SourcesEssai s;
    ASSERT_EQ(s.produire(), "");
    const std::string avant = lire(s.sortie() / "tbc");
    s.remplacer("paires-fr.txt", "present: " + textePaire(1, 2, "p", langueFrancais),
                "present: " + textePaire(1, 2, "p", langueFrancais) + " ✓");
    EXPECT_NE(s.produire(), "");
    EXPECT_EQ(lire(s.sortie() / "tbc"), avant);
}

TEST(ValeursPaires, LigneLeansOnTheSecondCardAndColonneIsItsSource) {
    Tonalites t{};
    t[0] = {{1, 1, 4, 2}, {1, 1, 1, 1}};
    t[1] = {{4, 1, 1, 3}, {3, 2, 2, 3}};
    const ValeursPaire v12 = valeursPaire(t, 1, 2), v21 = valeursPaire(t, 2, 1);
    EXPECT_EQ(v12.ligne,
              (std::array<int, 4>{3, 1, 2, 3})); // (1+8)/3, (1+2)/3, (4+2)/3, (2+6)/3 rounded
    EXPECT_EQ(v21.ligne, (std::array<int, 4>{2, 1, 3, 2}));
    EXPECT_EQ(v12.colonne, (std::array<int, 4>{3, 2, 2, 3}));
    EXPECT_EQ(v21.colonne, (std::array<int, 4>{1, 1, 1, 1}));
}
