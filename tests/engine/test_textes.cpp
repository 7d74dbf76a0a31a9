#include "Cp1252.h"
#include "DonneesEssai.h"
#include "EtatTirage.h"
#include "Langue.h"
#include "SignificationsCartes.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace lunespiral;
using essai::texteDomaine;
using essai::textePaire;

namespace {

std::string domaineAttendu(int a, int b, int d, int v, char cote) {
    return texteDomaine(d, essai::ligneEssai(a, b, d), essai::colonneEssai(a, b, d), v, cote);
}

std::string signification(int carte, int langue) {
    const auto& s =
        langue == langueFrancais ? significationsFrancaises() : significationsAnglaises();
    return cp1252(s[static_cast<std::size_t>(carte - 1)]);
}

} // namespace

TEST(Textes, CrossWorkedExample) {
    essai::Donnees d;
    Hasard h;
    TextesCroix t;
    d.textes.composerCroix(tirerCroixDepuis(h), t); // cards 1 19 5 7 / 6, variants 4133 / 2211
    EXPECT_EQ(t.phraseGlobale, signification(6, langueFrancais));
    EXPECT_EQ(t.synthesePresent, textePaire(1, 19, 'p'));
    EXPECT_EQ(t.syntheseFutur, textePaire(5, 7, 'f'));
    // The cross lists Projets, Amour, Santé, Relations; the files number them 3, 4, 1, 2.
    EXPECT_EQ(t.domainesPresent[1], domaineAttendu(1, 19, Projets, 4, 'p'));
    EXPECT_EQ(t.domainesPresent[2], domaineAttendu(1, 19, Amour, 1, 'p'));
    EXPECT_EQ(t.domainesPresent[3], domaineAttendu(1, 19, Sante, 3, 'p'));
    EXPECT_EQ(t.domainesPresent[4], domaineAttendu(1, 19, RelationsPersonnelles, 3, 'p'));
    EXPECT_EQ(t.domainesFutur[1], domaineAttendu(5, 7, Projets, 2, 'f'));
    EXPECT_EQ(t.domainesFutur[3], domaineAttendu(5, 7, Sante, 1, 'f'));
    EXPECT_EQ(t.domainesFutur[4], domaineAttendu(5, 7, RelationsPersonnelles, 1, 'f'));
}

TEST(Textes, PairsAreReadInOrderAndSynthesisBelongsToNeither) {
    essai::Donnees d;
    TirageCroix croix;
    croix.cartes = {{3, 7, 12, 20, 6}};
    croix.variantesPresent = {{1, 2, 3, 4}};
    croix.variantesFutur = {{2, 3, 4, 5}};
    TextesCroix t;
    d.textes.composerCroix(croix, t);
    EXPECT_EQ(t.synthesePresent, textePaire(3, 7, 'p'));
    EXPECT_EQ(t.syntheseFutur, textePaire(12, 20, 'f'));
    EXPECT_EQ(t.phraseGlobale, signification(6, langueFrancais));
    std::swap(croix.cartes[1], croix.cartes[2]);
    TextesCroix inverse;
    d.textes.composerCroix(croix, inverse);
    EXPECT_EQ(inverse.synthesePresent, textePaire(7, 3, 'p'));
    EXPECT_EQ(inverse.domainesPresent[2], domaineAttendu(7, 3, Amour, 2, 'p'));
    EXPECT_EQ(inverse.syntheseFutur, t.syntheseFutur);
}

TEST(Textes, HousesAndHorizonsWorkedExamples) {
    essai::Donnees d;
    Hasard h;
    TextesMaisons maisons;
    d.textes.composerMaisons(tirerMaisonsDepuis(h), maisons);
    // cards 1 19 5 7 15 8 4 9 10 2, partners 11 2 19 2 7 21 9 18 8 16, variants 5411225523
    EXPECT_EQ(maisons[1], domaineAttendu(1, 11, Sante, 5, 'f'));
    EXPECT_EQ(maisons[2], domaineAttendu(19, 2, RelationsPersonnelles, 4, 'f'));
    EXPECT_EQ(maisons[3], domaineAttendu(5, 19, RelationsPersonnelles, 1, 'f'));
    EXPECT_EQ(maisons[4], domaineAttendu(7, 2, Projets, 1, 'f'));
    EXPECT_EQ(maisons[5], textePaire(15, 7, 'f'));
    EXPECT_EQ(maisons[6], domaineAttendu(8, 21, Projets, 2, 'f'));
    EXPECT_EQ(maisons[7], domaineAttendu(4, 9, RelationsPersonnelles, 5, 'f'));
    EXPECT_EQ(maisons[8], textePaire(9, 18, 'f'));
    EXPECT_EQ(maisons[9], textePaire(10, 8, 'f'));
    EXPECT_EQ(maisons[10], domaineAttendu(2, 16, Amour, 3, 'f'));

    h.graine = 0;
    TextesHorizons horizons;
    d.textes.composerBohemiens(tirerBohemiensDepuis(h), horizons);
    EXPECT_EQ(horizons[1], textePaire(1, 15, 'f'));
    EXPECT_EQ(horizons[2], textePaire(19, 8, 'f'));
    EXPECT_EQ(horizons[3], textePaire(5, 4, 'f'));
    EXPECT_EQ(horizons[4], textePaire(7, 9, 'f'));
}

TEST(Textes, FieldsFollowTheNulRule) {
    QTemporaryDir dossier;
    essai::ecrire(dossier, "tbb", essai::contenuDomaines());
    essai::ecrire(dossier, "tbc", essai::contenuPaires([](int a, int b, std::string& r) {
                      if (a == 1 && b == 2)
                          std::fill(r.begin(), r.begin() + 255, '\xE9'); // no NUL at all
                      if (a == 1 && b == 3) r[255] = '\0';               // empty future
                  }));
    Textes textes;
    textes.chargerTextes(langueFrancais, essai::chemin(dossier));
    EXPECT_EQ(textes.paire(1, 2).textePresent.texte(), std::string(255, '\xE9'));
    EXPECT_EQ(textes.paire(1, 2).texteFutur.texte(), textePaire(1, 2, 'f'));
    EXPECT_EQ(textes.paire(1, 3).texteFutur.texte(), "");
}

TEST(Textes, MissingFilesAreSkippedSilently) {
    QTemporaryDir dossier;
    Textes textes;
    textes.chargerTextes(langueAnglais, essai::chemin(dossier));
    EXPECT_EQ(cp1252VersUtf8(textes.carte(22).nom.texte()), "The Fool");
    EXPECT_EQ(textes.carte(22).signification.texte(), signification(22, langueAnglais));

    Hasard h;
    TextesHorizons horizons;
    horizons[2] = "old";
    textes.composerBohemiens(tirerBohemiensDepuis(h), horizons);
    EXPECT_EQ(horizons[2], "") << "without the pair file the horizons read empty";

    // Without the pair file every ligne is 0: the cross stops at its first domain text, the
    // texts before it new, those after it as they were.
    h.graine = 0;
    TextesCroix t;
    t.domainesPresent[1] = "avant";
    t.syntheseFutur = "avant";
    EXPECT_THROW(textes.composerCroix(tirerCroixDepuis(h), t), ErreurEtendue);
    EXPECT_EQ(t.phraseGlobale, signification(6, langueAnglais));
    EXPECT_EQ(t.synthesePresent, "");
    EXPECT_EQ(t.domainesPresent[1], "avant");
    EXPECT_EQ(t.syntheseFutur, "avant");
}

TEST(Textes, OnlyTheFilesOfTheLanguageAreRead) {
    QTemporaryDir dossier;
    essai::ecrire(dossier, "tbb", essai::contenuDomaines());
    essai::ecrire(dossier, "tbc", essai::contenuPaires());
    Textes anglais;
    anglais.chargerTextes(langueAnglais, essai::chemin(dossier));
    EXPECT_EQ(anglais.paire(5, 6).texteFutur.texte(), "");
    EXPECT_EQ(anglais.domaine(1, 1, 1, 1).textePresent.texte(), "");
    Textes francais;
    francais.chargerTextes(langueFrancais, essai::chemin(dossier));
    EXPECT_EQ(francais.paire(5, 6).texteFutur.texte(), textePaire(5, 6, 'f'));
}

TEST(Textes, ShortFileKeepsTheCompleteRecordsAndStops) {
    QTemporaryDir dossier;
    // 100 domain records and half of the next one.
    essai::ecrire(dossier, "tbb", essai::contenuDomaines().substr(0, 100 * 510 + 255));
    essai::ecrire(dossier, "tbc", essai::contenuPaires());
    Textes textes;
    try {
        textes.chargerTextes(langueFrancais, essai::chemin(dossier));
        FAIL() << "a short file must be reported";
    } catch (const ErreurLecture& e) {
        EXPECT_STREQ(e.what(), "Lecture au delà de la fin de fichier");
    }
    // Record 100 is domaine 2, ligne 3, colonne 2, variante 5 (counting from 1).
    EXPECT_EQ(textes.domaine(2, 3, 2, 5).textePresent.texte(), texteDomaine(2, 3, 2, 5, 'p'));
    EXPECT_EQ(textes.domaine(2, 3, 3, 1).textePresent.texte(), "");
    EXPECT_EQ(textes.paire(1, 2).textePresent.texte(), "") << "loading stopped before the pairs";

    // Short by one byte, in the pair file this time.
    QTemporaryDir autre;
    essai::ecrire(autre, "tbb", essai::contenuDomaines());
    const auto paires = essai::contenuPaires();
    essai::ecrire(autre, "tbc", paires.substr(0, paires.size() - 1));
    Textes t2;
    EXPECT_THROW(t2.chargerTextes(langueFrancais, essai::chemin(autre)), ErreurLecture);
    EXPECT_EQ(t2.paire(22, 21).texteFutur.texte(), textePaire(22, 21, 'f'));
    EXPECT_EQ(t2.paire(22, 22).texteFutur.texte(), "");
}

TEST(Textes, LongerFilesAndReadOnlyFilesLoad) {
    QTemporaryDir dossier;
    essai::ecrire(dossier, "tbb", essai::contenuDomaines() + std::string(1000, 'x'));
    essai::ecrire(dossier, "tbc", essai::contenuPaires() + "tail");
    // Installed files are read-only for everyone: that must not empty the readings.
    for (const char* nom : {"tbb", "tbc"})
        ASSERT_EQ(::chmod(dossier.filePath(nom).toLocal8Bit().constData(), 0444), 0);
    Textes textes;
    textes.chargerTextes(langueFrancais, essai::chemin(dossier));
    EXPECT_EQ(textes.domaine(4, 4, 3, 5).texteFutur.texte(), texteDomaine(4, 4, 3, 5, 'f'));
    EXPECT_EQ(textes.paire(22, 22).texteFutur.texte(), textePaire(22, 22, 'f'));
}

TEST(Textes, UnreadableFilesAndDirectoriesCountAsMissing) {
    QTemporaryDir dossier;
    ASSERT_TRUE(QDir(dossier.path()).mkdir("tbb")); // a directory where the file should be
    essai::ecrire(dossier, "tbc", essai::contenuPaires());
    Textes textes;
    EXPECT_NO_THROW(textes.chargerTextes(langueFrancais, essai::chemin(dossier)));
    EXPECT_EQ(textes.paire(2, 3).textePresent.texte(), textePaire(2, 3, 'p'));

    if (::geteuid() == 0) GTEST_SKIP() << "root reads files whatever their mode";
    ASSERT_EQ(::chmod(dossier.filePath("tbc").toLocal8Bit().constData(), 0), 0);
    Textes fermee;
    EXPECT_NO_THROW(fermee.chargerTextes(langueFrancais, essai::chemin(dossier)));
    EXPECT_EQ(fermee.paire(2, 3).textePresent.texte(), "");
}

TEST(Textes, OutOfRangeIndexesStopTheCompositionWhereTheyAre) {
    QTemporaryDir dossier;
    essai::ecrire(dossier, "tbb", essai::contenuDomaines());
    essai::ecrire(dossier, "tbc", essai::contenuPaires([](int a, int b, std::string& r) {
                      // Pair (5, 7) points outside the domain table for Santé (domain 1): ligne 5.
                      if (a == 5 && b == 7) essai::entier(r, 512, 5);
                      // Pair (1, 19): colonne 0 for Relations (domain 2).
                      if (a == 1 && b == 19) essai::entier(r, 528 + 4, 0);
                  }));
    Textes textes;
    textes.chargerTextes(langueFrancais, essai::chemin(dossier));

    Hasard h;
    const TirageCroix croix = tirerCroixDepuis(h); // present pair (1, 19), future pair (5, 7)
    TextesCroix t;
    t.domainesPresent[4] = "ancien";
    t.syntheseFutur = "ancien";
    EXPECT_THROW(textes.composerCroix(croix, t), ErreurEtendue);
    EXPECT_EQ(t.domainesPresent[3], domaineAttendu(1, 19, Sante, 3, 'p'));
    EXPECT_EQ(t.domainesPresent[4], "ancien");
    EXPECT_EQ(t.syntheseFutur, "ancien");

    // A variant out of range is a range error too.
    TirageCroix mauvais = croix;
    mauvais.cartes = {{2, 3, 4, 6, 15}};
    mauvais.variantesFutur[2] = 6;
    EXPECT_THROW(textes.composerCroix(mauvais, t), ErreurEtendue);
    EXPECT_EQ(t.domainesFutur[1], domaineAttendu(4, 6, Projets, mauvais.variantesFutur[1], 'f'));
}

TEST(Textes, ReadingStateComposesWithItsDraw) {
    essai::Donnees d(langueAnglais);
    Hasard h;
    EtatTirage e;
    e.choisirTirageSansAmorcer(TypeTirage::Bohemiens, h, d.textes);
    const auto& t = e.tirageBohemiens();
    for (int n = 1; n <= 4; ++n)
        EXPECT_EQ(e.textesHorizons()[n], textePaire(t.cartes[n], t.cartesAssociees[n], 'f'));
    e.choisirTirageSansAmorcer(TypeTirage::EnCroix, h, d.textes);
    EXPECT_EQ(e.textesCroix().phraseGlobale,
              signification(e.tirageCroix().cartes[5], langueAnglais));
    EXPECT_EQ(e.textesHorizons()[1], textePaire(t.cartes[1], t.cartesAssociees[1], 'f'))
        << "another kind's texts stay as they were";
}
