// The data files as the build writes them: every reading a draw can reach composes, in both
// languages, into real, distinct texts.

#include "Cp1252.h"
#include "Langue.h"
#include "Textes.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <set>

using namespace lunespiral;

namespace {

const std::string repertoire = REPERTOIRE_DONNEES;

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
