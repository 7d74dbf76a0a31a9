#include "Cp1252.h"
#include "FichiersDonnees.h"
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

Lignes sourceDomaines() {
    Lignes l = {"# domain texts"};
    for (int d = 1; d <= 4; ++d)
        for (int li = 1; li <= 4; ++li)
            for (int c = 1; c <= 3; ++c)
                for (int v = 1; v <= 5; ++v) {
                    l.push_back("[" + std::to_string(d) + " " + std::to_string(li) + " " +
                                std::to_string(c) + " " + std::to_string(v) + "]");
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

// One pattern per section: pair (a, b) reads "Avec <a>, <scene a>. <B> <suite b>."
Lignes sourceCartes() {
    Lignes l = {"[ouvertures present]", "Avec {le}, {scene}.", "[enchainements present]",
                "{Le} {suite}.",        "[double present]",    "{Scene}. {Le} revient.",
                "[ouvertures futur]",   "Avec {le}, {scene}.", "[enchainements futur]",
                "Puis {le} {suite}.",   "[double futur]",      "{Scene}. {Le} reviendra."};
    for (int n = 1; n <= 22; ++n) {
        const std::string s = std::to_string(n);
        l.insert(l.end(), {"[carte " + s + "]", "le: l’arcane " + s, "present-scene: scène " + s,
                           "present-suite: agit " + s, "futur-scene: scène future " + s,
                           "futur-suite: agira " + s});
    }
    return l;
}

// The sources of both languages in a temporary directory; a test changes lines before writing.
struct SourcesEssai {
    QTemporaryDir dossier;
    std::map<std::string, Lignes> fichiers = {
        {"domaines-fr.txt", sourceDomaines()}, {"domaines-en.txt", sourceDomaines()},
        {"cartes-fr.txt", sourceCartes()},     {"cartes-en.txt", sourceCartes()},
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
    s.fichiers["cartes-fr.txt"].push_back("# trailing comment");
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
    const std::string p = tbc.substr(((3 - 1) * 22 + (7 - 1)) * 544, 544);
    EXPECT_EQ(p.substr(0, 255), champ("Avec l\x92"
                                      "arcane 3, sc\xE8ne 3. L\x92"
                                      "arcane 7 agit 7."));
    EXPECT_EQ(p.substr(255, 255), champ("Avec l\x92"
                                        "arcane 3, sc\xE8ne future 3. Puis l\x92"
                                        "arcane 7 agira 7."));
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
    textes.chargerTextes(2, s.sortie().string() + "/");
    EXPECT_EQ(textes.paire(3, 7).texteFutur.texte(), "Avec l\x92"
                                                     "arcane 3, sc\xE8ne future 3. Puis l\x92"
                                                     "arcane 7 agira 7.");
    EXPECT_EQ(textes.paire(3, 7).colonne[3], 3);
    EXPECT_EQ(textes.texteDomaine(3, 7, Projets, 2, Textes::Cote::Present),
              "Sant\xE9 p 3.4.3.2\xA0: l\x92\xE9t\xE9");
    // a == b: the "double" pattern, never reached by a draw but filled all the same.
    EXPECT_EQ(textes.paire(5, 5).textePresent.texte(), "Sc\xE8ne 5. L\x92"
                                                       "arcane 5 revient.");
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
             return "domaines-fr.txt:" + std::to_string(s.ligne("domaines-fr.txt", "[1 2 1 2]")) +
                    ": expected a line starting with \"futur: \" in record [1 2 1 1]";
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
             s.remplacer("cartes-en.txt", "le: l’arcane 2", "le: l’arcane 1");
             s.remplacer("cartes-en.txt", "present-scene: scène 2", "present-scene: scène 1");
             s.remplacer("cartes-en.txt", "present-suite: agit 2", "present-suite: agit 1");
         },
         [](const SourcesEssai& s) {
             return "cartes-en.txt:" + std::to_string(s.ligne("cartes-en.txt", "[carte 2]") + 2) +
                    ": pair (2, 1) has the same present text as pair (1, 2)";
         }},
        {"pair too long",
         [](SourcesEssai& s) {
             s.remplacer("cartes-fr.txt", "futur-scene: scène future 9",
                         "futur-scene: " + std::string(230, 'z'));
         },
         [](const SourcesEssai& s) {
             return "cartes-fr.txt:" + std::to_string(s.ligne("cartes-fr.txt", "[carte 9]") + 4) +
                    ": pair (9, 1), future side: too long with every pattern";
         }},
        {"unknown key",
         [](SourcesEssai& s) { s.remplacer("cartes-fr.txt", "le: l’arcane 4", "la: l’arcane 4"); },
         [](const SourcesEssai& s) {
             return "cartes-fr.txt:" + std::to_string(s.ligne("cartes-fr.txt", "la: l’arcane 4")) +
                    ": unknown key \"la\": no pattern uses it";
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
    s.remplacer("cartes-fr.txt", "present-suite: agit 1", "present-suite: agit 1 ✓");
    EXPECT_NE(s.produire(), "");
    EXPECT_EQ(lire(s.sortie() / "tbc"), avant);
}

TEST(CompositionPaires, FrenchTypographyCapitalsAndElision) {
    SourcesEssai s;
    s.remplacer("cartes-fr.txt", "present-scene: scène 1",
                "present-scene: école que il faut : oui ; non ?");
    s.ecrire();
    const MatierePaires fr = lireMatiere(s.source(), true);
    EXPECT_EQ(fr.composer(1, 2, CotePaire::Present),
              "Avec l’arcane 1, école qu’il faut\u00A0: oui\u00A0; non\u00A0?. L’arcane 2 agit 2.");
    EXPECT_EQ(fr.composer(1, 1, CotePaire::Present),
              "École qu’il faut\u00A0: oui\u00A0; non\u00A0?. L’arcane 1 revient.");
    // English keeps its own punctuation.
    s.fichiers["cartes-en.txt"] = s.fichiers["cartes-fr.txt"];
    s.ecrire();
    EXPECT_EQ(lireMatiere(s.source(), false).composer(1, 2, CotePaire::Present),
              "Avec l’arcane 1, école que il faut : oui ; non ?. L’arcane 2 agit 2.");
}

// With several patterns the frame moves with both cards, and a pattern that would overflow the
// field gives way to the next one.
TEST(CompositionPaires, PatternsVaryAndOverlongOnesGiveWay) {
    SourcesEssai s;
    Lignes& l = s.fichiers["cartes-fr.txt"];
    const auto apres = l.begin() + s.ligne("cartes-fr.txt", "{Le} {suite}.");
    l.insert(apres, {"Ensuite, {le} {suite}.", std::string(230, 'w') + " {le} {suite}."});
    s.ecrire();
    const MatierePaires fr = lireMatiere(s.source(), true);
    std::map<std::string, int> debuts;
    for (int a = 1; a <= 22; ++a)
        for (int b = 1; b <= 22; ++b) {
            if (a == b) continue;
            const std::string t = fr.composer(a, b, CotePaire::Present);
            EXPECT_LE(cp1252(t).size(), 254u) << a << " " << b;
            EXPECT_EQ(t.find("www"), std::string::npos);
            ++debuts[t.substr(t.find(". ") + 2, 8)];
        }
    EXPECT_EQ(debuts.size(), 2u); // "L’arcane" and "Ensuite,"
    EXPECT_NE(fr.composer(3, 8, CotePaire::Present), fr.composer(8, 3, CotePaire::Present));
}

TEST(CompositionPaires, LigneLeansOnTheSecondCardAndColonneIsItsSource) {
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
