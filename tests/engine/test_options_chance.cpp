#include "Erreurs.h"
#include "MagasinReglages.h"
#include "OptionsChance.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

using namespace lunespiral;

namespace {

// An INI store in a temporary directory, with its raw text at hand.
struct Magasin {
    QTemporaryDir dossier;
    QString chemin = dossier.filePath("LUNESPIRAL 2000.ini");

    void ecrireTexte(const QByteArray& texte) const {
        QFile f(chemin);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(texte);
    }
    QByteArray texte() const {
        QFile f(chemin);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    OptionsChance charger() const {
        MagasinReglages m(chemin, cleRegistreParDefaut);
        OptionsChance o;
        chargerOptions(o, m);
        return o;
    }
    std::string erreurDuChargement() const {
        try {
            charger();
        } catch (const ErreurReglages& e) {
            return e.what();
        }
        return {};
    }
};

const QByteArray section = "[Software%5CLudicorium%5CLUNESPIRAL%202000%5C]\n";

OptionsChance options(int verif, int n, int min, int max) {
    return {static_cast<std::uint8_t>(verif), n, min, max};
}

} // namespace

TEST(OptionsChance, FirstRunWritesTheDefaults) {
    Magasin m;
    EXPECT_EQ(m.charger(), options(1, 6, 1, 49));
    const QByteArray texte = m.texte();
    EXPECT_TRUE(texte.startsWith(section)) << texte.toStdString();
    EXPECT_TRUE(texte.contains("verif=@ByteArray(\\x1)"));
    EXPECT_TRUE(texte.contains("optionNbNumerosDeLaChance=@ByteArray(\\x6\\0\\0\\0)"));
    EXPECT_TRUE(texte.contains("optionMinRange=@ByteArray(\\x1\\0\\0\\0)"));
    EXPECT_TRUE(texte.contains("optionMaxRange=@ByteArray(1\\0\\0\\0)")) << texte.toStdString();
    EXPECT_EQ(m.charger(), options(1, 6, 1, 49)) << "read back as written";
}

TEST(OptionsChance, SavedOptionsSurviveARestart) {
    Magasin m;
    {
        MagasinReglages magasin(m.chemin, cleRegistreParDefaut);
        sauverOptions(options(1, 10, 300, 500), magasin);
    }
    EXPECT_EQ(m.charger(), options(1, 10, 300, 500));
    // Stored bounds the wrong way round pass the check: the draw takes care of them.
    {
        MagasinReglages magasin(m.chemin, cleRegistreParDefaut);
        sauverOptions(options(1, 6, 40, 10), magasin);
    }
    EXPECT_EQ(m.charger(), options(1, 6, 40, 10));
}

TEST(OptionsChance, OutOfRangeValuesAreReplacedByTheDefaults) {
    for (const auto& [nombre, minimum, maximum] :
         {std::tuple{11, 1, 49}, {0, 1, 49}, {6, 0, 49}, {6, 1, 501}, {6, 501, 9}, {-1, 1, 49}}) {
        Magasin m;
        {
            MagasinReglages magasin(m.chemin, cleRegistreParDefaut);
            sauverOptions(options(1, nombre, minimum, maximum), magasin);
        }
        EXPECT_EQ(m.charger(), options(1, 6, 1, 49));
        EXPECT_EQ(m.charger(), options(1, 6, 1, 49)) << "and written back";
    }
}

TEST(OptionsChance, ABadMarkerIsRepairedSoLaterOptionsSurvive) {
    Magasin m;
    m.ecrireTexte(
        section +
        "verif=@ByteArray(\\x2)\noptionNbNumerosDeLaChance=@ByteArray(\\a\\0\\0\\0)\n"
        "optionMinRange=@ByteArray(\\x1\\0\\0\\0)\noptionMaxRange=@ByteArray(\\x14\\0\\0\\0)\n");
    EXPECT_EQ(m.charger(), options(1, 6, 1, 49));
    {
        MagasinReglages magasin(m.chemin, cleRegistreParDefaut);
        sauverOptions(options(1, 8, 5, 90), magasin);
    }
    EXPECT_EQ(m.charger(), options(1, 8, 5, 90));
}

TEST(OptionsChance, ShortValuesFillTheLowBytes) {
    Magasin m;
    m.ecrireTexte(section +
                  "verif=@ByteArray(\\x1)\noptionNbNumerosDeLaChance=@ByteArray(\\x3)\n"
                  "optionMinRange=@ByteArray(\\x2\\0)\noptionMaxRange=@ByteArray(\\x2c\\x1)\n");
    EXPECT_EQ(m.charger(), options(1, 3, 2, 300));
}

TEST(OptionsChance, MissingValuesReadAsZero) {
    Magasin m;
    // Marker present but a value deleted: 0 is out of range, so the defaults come back.
    m.ecrireTexte(section + "verif=@ByteArray(\\x1)\noptionMinRange=@ByteArray(\\x5\\0\\0\\0)\n"
                            "optionMaxRange=@ByteArray(\\x14\\0\\0\\0)\n");
    EXPECT_EQ(m.charger(), options(1, 6, 1, 49));
}

TEST(OptionsChance, UnreadableValuesAreNamedAndReplaced) {
    Magasin m;
    m.ecrireTexte(section +
                  "verif=@ByteArray(\\x1)\noptionNbNumerosDeLaChance=@ByteArray(\\a\\0\\0\\0)\n"
                  "optionMinRange=5\noptionMaxRange=@ByteArray(\\x14\\0\\0\\0\\0)\n");
    const std::string erreur = m.erreurDuChargement();
    EXPECT_NE(erreur.find("optionMinRange"), std::string::npos) << erreur;
    EXPECT_NE(erreur.find("optionMaxRange"), std::string::npos) << erreur;
    EXPECT_EQ(erreur.find("optionNbNumerosDeLaChance"), std::string::npos) << erreur;
    // The readable value is kept; the others took their defaults and were written back.
    EXPECT_EQ(m.charger(), options(1, 7, 1, 49));
    EXPECT_TRUE(m.texte().contains("optionMinRange=@ByteArray(\\x1\\0\\0\\0)"));
}

TEST(OptionsChance, GarbageFileGivesTheDefaults) {
    Magasin m;
    static const char dechets[] = "\x00\xff\x13[[[=\n\xfe\xfe garbage ]]\n";
    m.ecrireTexte(QByteArray(dechets, sizeof dechets - 1));
    const OptionsChance o = [&] {
        try {
            return m.charger();
        } catch (const ErreurReglages&) {
            return m.charger();
        }
    }();
    EXPECT_EQ(o, options(1, 6, 1, 49));
}

TEST(OptionsChance, AStoreThatCannotBeWrittenIsReportedAndLeftIntact) {
    // A store whose directory is a plain file cannot be written, even by root.
    QTemporaryDir dossier;
    QFile bloqueur(dossier.filePath("fichier"));
    ASSERT_TRUE(bloqueur.open(QIODevice::WriteOnly));
    bloqueur.close();
    MagasinReglages impossible(dossier.filePath("fichier/LUNESPIRAL 2000.ini"),
                               cleRegistreParDefaut);
    try {
        sauverOptions(options(1, 6, 1, 49), impossible);
        FAIL() << "the failed write must be reported";
    } catch (const ErreurReglages& e) {
        EXPECT_NE(std::string(e.what()).find("verif"), std::string::npos) << e.what();
    }
    // A first run on such a store: the defaults are used and the failure is reported.
    MagasinReglages premier(dossier.filePath("fichier/autre.ini"), cleRegistreParDefaut);
    OptionsChance o;
    EXPECT_THROW(chargerOptions(o, premier), ErreurReglages);
    EXPECT_EQ(o, options(1, 6, 1, 49)) << "the program goes on with the defaults";

    if (::geteuid() == 0) GTEST_SKIP() << "root writes read-only files";
    Magasin m;
    {
        MagasinReglages magasin(m.chemin, cleRegistreParDefaut);
        sauverOptions(options(1, 8, 2, 30), magasin);
    }
    const QByteArray avant = m.texte();
    ASSERT_EQ(::chmod(m.chemin.toLocal8Bit().constData(), 0444), 0);
    MagasinReglages lectureSeule(m.chemin, cleRegistreParDefaut);
    EXPECT_THROW(sauverOptions(options(1, 3, 3, 33), lectureSeule), ErreurReglages);
    EXPECT_EQ(m.texte(), avant);
}

TEST(OptionsChance, Validity) {
    EXPECT_TRUE(validerOptions(options(0, 1, 1, 1)));
    EXPECT_TRUE(validerOptions(options(1, 10, 500, 500)));
    EXPECT_FALSE(validerOptions(options(2, 6, 1, 49)));
    EXPECT_FALSE(validerOptions(options(1, 11, 1, 49)));
    EXPECT_FALSE(validerOptions(options(1, 6, 0, 49)));
    EXPECT_FALSE(validerOptions(options(1, 6, 1, 501)));
}
