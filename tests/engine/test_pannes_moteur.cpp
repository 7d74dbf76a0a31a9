// Faults found by fuzzing the engine, kept as cases: each one once made the program misbehave.

#include "Erreurs.h"
#include "MagasinReglages.h"
#include "OptionsChance.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

using namespace lunespiral;

namespace {

const QByteArray section = "[Software%5CLudicorium%5CLUNESPIRAL%202000%5C]\n";

// A serialized variant list claiming about 1.7 billion elements: Qt reserved room for all of
// them (some 54 GB) before finding that the bytes run out.
const QByteArray listeGeante = "@Variant(\\0\\0\\0\\t\\x65\\xa2\\xe4\\x52\\0)";

QByteArray lire(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void ecrire(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(octets);
}

struct Chargement {
    OptionsChance options;
    std::string erreur;
};

Chargement charger(const QString& chemin) {
    Chargement c;
    MagasinReglages magasin(chemin, cleRegistreParDefaut);
    try {
        chargerOptions(c.options, magasin);
    } catch (const ErreurReglages& e) {
        c.erreur = e.what();
    }
    return c;
}

} // namespace

TEST(PannesMoteur, ASerializedVariantIsNeverDecodedAndTheFileIsKeptAside) {
    // Plain, escaped ("\x40" is "@") and continued over two lines: Qt reads all three as
    // "@Variant(", in our section or in any other, since saving parses every section.
    const QByteArray formes[] = {
        section + "verif=@ByteArray(\\x1)\noptionMinRange=" + listeGeante + "\n",
        section + "verif=@ByteArray(\\x1)\noptionMaxRange=\\x40Variant("
                  "\\0\\0\\0\\t\\xff\\xff\\xff\\xff)\n",
        "[General]\nautre=\"@Var\\\niant(\\0\\0\\0\\v\\x7f\\xff\\xff\\xff)\"\n" + section +
            "verif=@ByteArray(\\x1)\n",
    };
    for (const QByteArray& texte : formes) {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("LUNESPIRAL 2000.ini");
        ecrire(chemin, texte);
        const Chargement c = charger(chemin);
        EXPECT_NE(c.erreur.find("endommagé"), std::string::npos) << texte.toStdString();
        EXPECT_EQ(c.options, (OptionsChance{1, 6, 1, 49}));
        // Nothing is lost: the damaged file is kept as it was, and a fresh one holds the defaults.
        EXPECT_EQ(lire(chemin + ".endommage"), texte);
        const Chargement relu = charger(chemin);
        EXPECT_EQ(relu.erreur, "");
        EXPECT_EQ(relu.options, c.options);
    }
}

TEST(PannesMoteur, ADamagedFileThatCannotBeMovedAsideIsNeitherReadNorWritten) {
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath("LUNESPIRAL 2000.ini");
    const QByteArray texte =
        section + "verif=@ByteArray(\\x1)\noptionNbNumerosDeLaChance=" + listeGeante + "\n";
    ecrire(chemin, texte);
    // A directory where the copy would go: the move fails, even for root.
    ASSERT_TRUE(QDir(dossier.path()).mkpath("LUNESPIRAL 2000.ini.endommage/plein"));
    const Chargement c = charger(chemin);
    EXPECT_NE(c.erreur.find("« verif » illisible"), std::string::npos) << c.erreur;
    EXPECT_EQ(c.options, (OptionsChance{1, 6, 1, 49})) << "the program goes on with the defaults";
    EXPECT_EQ(lire(chemin), texte);
}

TEST(PannesMoteur, OrdinaryFilesAreNotMistakenForDamagedOnes) {
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath("LUNESPIRAL 2000.ini");
    // Backslashes, escapes and the word Variant without its at sign are all harmless.
    ecrire(
        chemin,
        section +
            "verif=@ByteArray(\\x1)\noptionNbNumerosDeLaChance=@ByteArray(\\a\\0\\0\\0)\n"
            "optionMinRange=@ByteArray(\\x2\\0\\0\\0)\noptionMaxRange=@ByteArray(\\x14\\0\\0\\0)\n"
            "note=Variant(\\x41) \\\\x40\n");
    const Chargement c = charger(chemin);
    EXPECT_EQ(c.erreur, "");
    EXPECT_EQ(c.options, (OptionsChance{1, 7, 2, 20}));
    EXPECT_FALSE(QFile::exists(chemin + ".endommage"));
}

TEST(PannesMoteur, ALockLeftEmptyByADeadProcessNeitherFreezesNorLosesTheSave) {
    // QLockFile creates the file, then writes its owner into it: a process killed in between
    // leaves it empty, and QSettings alone would wait 30 seconds for it.
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath("LUNESPIRAL 2000.ini");
    ecrire(chemin + ".lock", {});
    QElapsedTimer chrono;
    chrono.start();
    {
        MagasinReglages magasin(chemin, cleRegistreParDefaut);
        sauverOptions(OptionsChance{1, 8, 2, 30}, magasin);
    }
    EXPECT_LT(chrono.elapsed(), 5000);
    EXPECT_FALSE(QFile::exists(chemin + ".lock"));
    EXPECT_EQ(charger(chemin).options, (OptionsChance{1, 8, 2, 30}));
}

TEST(PannesMoteur, ALockThatCannotBeRemovedIsAFailedSaveNotAFreeze) {
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath("LUNESPIRAL 2000.ini");
    {
        MagasinReglages magasin(chemin, cleRegistreParDefaut);
        sauverOptions(OptionsChance{1, 8, 2, 30}, magasin);
    }
    const QByteArray avant = lire(chemin);
    // A directory in the lock's place: QSettings would try to remove it for ever.
    ASSERT_TRUE(QDir(dossier.path()).mkpath("LUNESPIRAL 2000.ini.lock/plein"));
    QElapsedTimer chrono;
    chrono.start();
    MagasinReglages magasin(chemin, cleRegistreParDefaut);
    EXPECT_THROW(sauverOptions(OptionsChance{1, 3, 1, 10}, magasin), ErreurReglages);
    EXPECT_LT(chrono.elapsed(), 10000);
    EXPECT_EQ(lire(chemin), avant);
}
