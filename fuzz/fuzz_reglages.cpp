// The settings store read from an INI file of any content, as the main window reads it at start.
// ErreurReglages is the expected report of a value that cannot be read or written. Afterwards
// the options must be usable, and the file must be whole: either left as it was, or rewritten
// so that the next start reads back exactly the options in force.

#include "Erreurs.h"
#include "MagasinReglages.h"
#include "OptionsChance.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimeZone>

#include <cstdint>
#include <cstdlib>

using namespace lunespiral;

namespace {

void verifier(bool condition) {
    if (!condition) __builtin_trap();
}

QTemporaryDir& dossier() {
    static QTemporaryDir d;
    if (!d.isValid()) std::abort();
    return d;
}

QByteArray contenu(const QString& chemin) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) std::abort();
    return f.readAll();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    // QSettings keeps parsed files in a process-wide cache and trusts a file whose size and
    // time have not changed: each input gets a modification time of its own, so that no run
    // reads what the previous one left in the cache.
    static qint64 numero = 0;
    ++numero;
    const QString fichier = dossier().filePath(QStringLiteral("LUNESPIRAL 2000.ini"));
    const QString copie = dossier().filePath(QStringLiteral("relu.ini"));
    const QByteArray entree(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    {
        QFile f(fichier);
        if (!f.open(QIODevice::WriteOnly) || f.write(entree) != entree.size() ||
            !f.setFileTime(
                QDateTime::fromSecsSinceEpoch(1'000'000'000 + 2 * numero, QTimeZone::utc()),
                QFileDevice::FileModificationTime))
            std::abort();
    }

    OptionsChance options;
    {
        MagasinReglages magasin(fichier, cleRegistreParDefaut);
        try {
            chargerOptions(options, magasin);
        } catch (const ErreurReglages& e) {
            verifier(*e.what() != '\0');
        }
    }
    // Whatever the file held, the record is usable and marked as written.
    verifier(validerOptions(options) && options.verif == 1);

    // Nothing is left beside the file (no temporary file, no lock) but, for a damaged file, the
    // file itself moved aside whole.
    const QString ecarte = fichier + QStringLiteral(".endommage");
    const QStringList presents =
        QDir(dossier().path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    if (QFile::exists(ecarte)) {
        verifier(contenu(ecarte) == entree);
        verifier(presents ==
                 (QStringList{QFileInfo(fichier).fileName(), QFileInfo(ecarte).fileName()}));
        QFile::remove(ecarte);
    } else {
        verifier(presents == QStringList{QFileInfo(fichier).fileName()});
    }

    const QByteArray apres = contenu(fichier);
    if (apres != entree) {
        // Rewritten: the whole file reads back cleanly, with the options in force.
        QFile f(copie);
        if (!QFile::copy(fichier, copie) || !f.open(QIODevice::Append) ||
            !f.setFileTime(
                QDateTime::fromSecsSinceEpoch(1'000'000'001 + 2 * numero, QTimeZone::utc()),
                QFileDevice::FileModificationTime))
            std::abort();
        f.close();
        {
            QSettings relu(copie, QSettings::IniFormat);
            verifier(relu.status() == QSettings::NoError);
        }
        OptionsChance relues;
        MagasinReglages magasin(copie, cleRegistreParDefaut);
        chargerOptions(relues, magasin); // must not throw
        verifier(relues == options);
        QFile::remove(copie);
    }
    QFile::remove(fichier);
    return 0;
}
