// The data files as the build writes them: every reading a draw can reach composes, in both
// languages, into real, distinct texts, and the pair texts keep the rules they were written to.

#include "Cp1252.h"
#include "Langue.h"
#include "Paires.h"
#include "Textes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <map>
#include <set>
#include <vector>

using namespace lunespiral;

namespace {

const std::string repertoire = REPERTOIRE_DONNEES;

// One pair text a draw can reach, as the built file holds it (Windows-1252).
struct TexteTire {
    int langue;
    bool futur;
    int a, b;
    std::string texte;
};

const std::vector<TexteTire>& textesTires() {
    static const std::vector<TexteTire> tous = [] {
        std::vector<TexteTire> v;
        for (const int langue : {langueFrancais, langueAnglais}) {
            Textes textes;
            textes.chargerTextes(langue, repertoire);
            for (int a = 1; a <= 22; ++a)
                for (int b = 1; b <= 22; ++b)
                    if (a != b)
                        for (const bool futur : {false, true}) {
                            const EnregPaire& p = textes.paire(a, b);
                            v.push_back({langue, futur, a, b,
                                         (futur ? p.texteFutur : p.textePresent).texte()});
                        }
        }
        return v;
    }();
    return tous;
}

std::string ou(const TexteTire& t) {
    return std::string(t.langue == langueFrancais ? "fr" : "en") +
           (t.futur ? " futur " : " present ") + "[" + std::to_string(t.a) + " " +
           std::to_string(t.b) + "] " + cp1252VersUtf8(t.texte);
}

// A letter or digit of Windows-1252.
bool lettre(unsigned char c) {
    if (c < 0x80) return std::isalnum(c) != 0;
    return c == 0x8A || c == 0x8C || c == 0x8E || c == 0x9A || c == 0x9C || c == 0x9E ||
           c == 0x9F || (c >= 0xC0 && c != 0xD7 && c != 0xF7);
}

char minuscule(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return static_cast<char>(c + 0x20);
    if (c == 0x8A || c == 0x8C || c == 0x8E) return static_cast<char>(c + 0x10);
    if (c == 0x9F) return static_cast<char>(0xFF);
    return static_cast<char>(c);
}

// A text cut into words to compare texts with one another: lower case, apostrophes and hyphens
// between words, and each card name, with its capitals and whole, one "#" word; `cartes`
// receives the cards named.
std::vector<std::string> mots(const std::string& texte, int langue,
                              std::set<int>* cartes = nullptr) {
    // Longest names first, so that no name is taken for a shorter one inside it.
    std::vector<std::pair<std::string, int>> noms;
    for (int c = 1; c <= 22; ++c) noms.emplace_back(nomDansLesTextes(c, langue), c);
    std::sort(noms.begin(), noms.end(),
              [](const auto& x, const auto& y) { return x.first.size() > y.first.size(); });
    auto bord = [&](std::size_t i) {
        return i >= texte.size() ||
               (!lettre(static_cast<unsigned char>(texte[i])) && texte[i] != '-');
    };

    std::vector<std::string> resultat;
    std::string mot;
    for (std::size_t i = 0; i < texte.size();) {
        if (mot.empty() && (i == 0 || bord(i - 1))) {
            const auto nom = std::find_if(noms.begin(), noms.end(), [&](const auto& n) {
                return texte.compare(i, n.first.size(), n.first) == 0 && bord(i + n.first.size());
            });
            if (nom != noms.end()) {
                resultat.push_back("#");
                if (cartes) cartes->insert(nom->second);
                i += nom->first.size();
                continue;
            }
        }
        const auto c = static_cast<unsigned char>(texte[i++]);
        if (lettre(c)) {
            mot += minuscule(c);
        } else if (!mot.empty()) {
            resultat.push_back(mot);
            mot.clear();
        }
    }
    if (!mot.empty()) resultat.push_back(mot);
    return resultat;
}

// The faults found, reported at once: one rule broken in many texts would otherwise flood the log.
std::string enBref(const std::vector<std::string>& fautes) {
    std::string texte = std::to_string(fautes.size()) + " fault(s):";
    for (std::size_t i = 0; i < std::min<std::size_t>(fautes.size(), 10); ++i)
        texte += "\n  " + fautes[i];
    return texte;
}

} // namespace

TEST(DonneesConstruites, SizesOfTheFourFiles) {
    for (const char* nom : {"tbb", "tbbus"})
        EXPECT_EQ(std::filesystem::file_size(repertoire + nom), 122400u) << nom;
    for (const char* nom : {"tbc", "tbcus"})
        EXPECT_EQ(std::filesystem::file_size(repertoire + nom), 263296u) << nom;
    for (const char* nom : {"lunespfr.hlp", "lunespus.hlp"})
        EXPECT_GT(std::filesystem::file_size(repertoire + nom), 5000u) << nom;
}

TEST(DonneesConstruites, EveryReachableCombinationComposes) {
    for (int langue : {langueFrancais, langueAnglais}) {
        Textes textes;
        ASSERT_NO_THROW(textes.chargerTextes(langue, repertoire));
        std::set<std::string> presents, futurs;
        for (int a = 1; a <= 22; ++a)
            for (int b = 1; b <= 22; ++b) {
                const EnregPaire& p = textes.paire(a, b);
                for (int d = 1; d <= nbDomaines; ++d) {
                    ASSERT_TRUE(p.ligne[d] >= 1 && p.ligne[d] <= 4) << a << "," << b;
                    ASSERT_TRUE(p.colonne[d] >= 1 && p.colonne[d] <= 3) << a << "," << b;
                }
                if (a == b) continue;
                const std::string present = p.textePresent.texte(), futur = p.texteFutur.texte();
                ASSERT_FALSE(present.empty()) << a << "," << b;
                ASSERT_FALSE(futur.empty()) << a << "," << b;
                EXPECT_TRUE(presents.insert(present).second)
                    << "repeated: " << cp1252VersUtf8(present);
                EXPECT_TRUE(futurs.insert(futur).second) << "repeated: " << cp1252VersUtf8(futur);
                for (int d = 1; d <= nbDomaines; ++d)
                    for (int v = 1; v <= 5; ++v) {
                        const auto dom = static_cast<Domaine>(d);
                        ASSERT_FALSE(
                            textes.texteDomaine(a, b, dom, v, Textes::Cote::Present).empty());
                        ASSERT_FALSE(
                            textes.texteDomaine(a, b, dom, v, Textes::Cote::Futur).empty());
                    }
            }
        EXPECT_EQ(presents.size(), 462u);
        // Every domain text is filled, and no two are alike.
        std::set<std::string> domaines;
        for (int d = 1; d <= 4; ++d)
            for (int l = 1; l <= 4; ++l)
                for (int c = 1; c <= 3; ++c)
                    for (int v = 1; v <= 5; ++v) {
                        const EnregDomaine& e = textes.domaine(d, l, c, v);
                        EXPECT_TRUE(domaines.insert(e.textePresent.texte()).second);
                        EXPECT_TRUE(domaines.insert(e.texteFutur.texte()).second);
                    }
        EXPECT_EQ(domaines.size(), 480u);
    }
}

TEST(DonneesConstruites, EveryDrawComposesWithoutARangeError) {
    Textes textes;
    textes.chargerTextes(langueFrancais, repertoire);
    Hasard h;
    for (std::uint32_t g = 0; g < 5000; ++g) {
        h.graine = g * 2654435761u;
        TextesCroix croix;
        ASSERT_NO_THROW(textes.composerCroix(tirerCroixDepuis(h), croix));
        ASSERT_FALSE(croix.phraseGlobale.empty());
        TextesMaisons maisons;
        ASSERT_NO_THROW(textes.composerMaisons(tirerMaisonsDepuis(h), maisons));
        for (const auto& t : maisons) ASSERT_FALSE(t.empty());
    }
}

// The length the pair texts are written to, well inside the field's 254.
TEST(DonneesConstruites, PairTextsAreAtMost230Bytes) {
    std::vector<std::string> fautes;
    for (const TexteTire& t : textesTires())
        if (t.texte.size() > 230)
            fautes.push_back(std::to_string(t.texte.size()) + " bytes: " + ou(t));
    EXPECT_TRUE(fautes.empty()) << enBref(fautes);
}

TEST(DonneesConstruites, PairTextsNameBothOfTheirCards) {
    std::vector<std::string> fautes;
    for (const TexteTire& t : textesTires()) {
        std::set<int> cartes;
        mots(t.texte, t.langue, &cartes);
        if (!cartes.contains(t.a) || !cartes.contains(t.b)) fautes.push_back(ou(t));
    }
    EXPECT_TRUE(fautes.empty()) << enBref(fautes);
}

// A turn of phrase that comes back in many pairs is what makes texts read as assembled.
TEST(DonneesConstruites, NoSixWordRunInMoreThanFourTextsOfOneSide) {
    std::map<std::vector<std::string>, std::set<const TexteTire*>> suites[2][2];
    for (const TexteTire& t : textesTires()) {
        const auto m = mots(t.texte, t.langue);
        for (std::size_t i = 0; i + 6 <= m.size(); ++i)
            suites[t.langue - 1][t.futur][{m.begin() + static_cast<std::ptrdiff_t>(i),
                                           m.begin() + static_cast<std::ptrdiff_t>(i + 6)}]
                .insert(&t);
    }
    std::vector<std::string> fautes;
    for (const auto& langue : suites)
        for (const auto& cote : langue)
            for (const auto& [suite, textes] : cote)
                if (textes.size() > 4) {
                    std::string dit = "\"";
                    for (const auto& mot : suite) dit += cp1252VersUtf8(mot) + " ";
                    fautes.push_back(dit + "\" in " + std::to_string(textes.size()) +
                                     " texts, first " + ou(**textes.begin()));
                }
    EXPECT_TRUE(fautes.empty()) << enBref(fautes);
}

// A future text also stands under "D'ici 1 mois" and "Dans 1 an...": no time span of its own.
TEST(DonneesConstruites, FutureTextsSpeakOfNoTimeSpan) {
    const std::map<int, std::vector<std::string>> interdits = {
        {langueFrancais,
         {"plus tard", "bientôt", "tôt ou tard", "un jour", "d ici", "mois", "semaine", "semaines",
          "an", "ans", "année", "années", "jour", "jours", "demain", "prochainement", "à terme",
          "avec le temps"}},
        {langueAnglais,
         {"later", "soon", "sooner", "month", "months", "week", "weeks", "year", "years", "day",
          "days", "one day", "by then", "in time", "before long", "tomorrow", "eventually",
          "in due course"}},
    };
    std::vector<std::string> fautes;
    for (const TexteTire& t : textesTires()) {
        if (!t.futur) continue;
        std::string phrase = " ";
        for (const auto& mot : mots(t.texte, t.langue)) phrase += mot + " ";
        for (const auto& interdit : interdits.at(t.langue))
            if (phrase.find(" " + cp1252(interdit) + " ") != std::string::npos)
                fautes.push_back("\"" + interdit + "\" in " + ou(t));
    }
    EXPECT_TRUE(fautes.empty()) << enBref(fautes);
}

// No block of five domain texts may come back in reading after reading: in every domain each
// block is chosen by at most a sixth of the 462 pairs a draw can reach, and by at least one.
TEST(DonneesConstruites, PairsSpreadOverAllBlocksOfEachDomain) {
    for (const int langue : {langueFrancais, langueAnglais}) {
        Textes textes;
        textes.chargerTextes(langue, repertoire);
        for (int d = 1; d <= nbDomaines; ++d) {
            std::array<int, nbLignes * nbColonnes> blocs{};
            for (int a = 1; a <= 22; ++a)
                for (int b = 1; b <= 22; ++b)
                    if (a != b) {
                        const EnregPaire& p = textes.paire(a, b);
                        ++blocs[static_cast<std::size_t>((p.ligne[d] - 1) * nbColonnes +
                                                         p.colonne[d] - 1)];
                    }
            for (std::size_t k = 0; k < blocs.size(); ++k)
                EXPECT_TRUE(blocs[k] >= 1 && blocs[k] <= 77)
                    << blocs[k] << " pairs in domain " << d << ", ligne " << k / 3 + 1
                    << ", colonne " << k % 3 + 1 << " (language " << langue << ")";
        }
    }
}
