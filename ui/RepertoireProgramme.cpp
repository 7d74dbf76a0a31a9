#include "RepertoireProgramme.h"

#include "Fichiers.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>

namespace lunespiral {

namespace {

// The descriptor path handed out for a directory Qt cannot name, and the name to show for it.
struct Substitut {
    QString chemin;
    QString lisible;
};
Substitut substitut;

} // namespace

QString repertoireDuProgramme() {
    const auto octets = repertoireDeLExecutable();
    if (!octets) {
        // No /proc: Qt looks for the program by its name in argv[0] and PATH.
        const QString programme = QCoreApplication::applicationFilePath();
        return QFileInfo(programme).isAbsolute()
                   ? QFileInfo(programme).absolutePath() + QLatin1Char('/')
                   : QString();
    }
    const QByteArray repertoire = QByteArray::fromStdString(*octets);
    const QString nom = QFile::decodeName(repertoire);
    if (QFile::encodeName(nom) == repertoire) return nom;
    // Qt reads file names as UTF-8 and would name another directory. The kernel's link to an
    // open descriptor leads to this one whatever its name.
    const int fd = ::open(octets->c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return {};
    // What a user knows the directory by, its undecodable bytes shown as such.
    substitut = {QStringLiteral("/proc/self/fd/%1/").arg(fd), QString::fromUtf8(repertoire)};
    if (!substitut.lisible.endsWith(QLatin1Char('/'))) substitut.lisible += QLatin1Char('/');
    return substitut.chemin;
}

QString cheminLisible(const QString& chemin) {
    if (substitut.chemin.isEmpty() || !chemin.startsWith(substitut.chemin)) return chemin;
    return substitut.lisible + chemin.mid(substitut.chemin.size());
}

} // namespace lunespiral
