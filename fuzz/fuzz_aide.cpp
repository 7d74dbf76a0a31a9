// The help viewer's look at a help file (ui/ChargeurAide.cpp), then Qt's own layout of what it
// lets through. It only estimates how deep Qt will nest the document; whatever it accepts Qt
// must lay out without crashing and well within libFuzzer's time limit. The first line is also
// taken as a picture's name, which may only ever name a file beside the help file.

#include "ChargeurAide.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstdint>

using namespace lunespiral;

namespace {

void verifier(bool condition) {
    if (!condition) __builtin_trap();
}

// Pictures and style sheets come back empty, as the viewer gives those it refuses: nothing is
// read from the disk.
class Document : public QTextDocument {
protected:
    QVariant loadResource(int, const QUrl&) override { return QByteArray(); }
};

} // namespace

// fontconfig keeps what it reads of the fonts until the process ends.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const QByteArray html(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));

    const QUrl nom(QString::fromUtf8(html.left(html.indexOf('\n'))));
    const QString fichier = ressourceAdmise(QStringLiteral("/aide/"), nom);
    if (!fichier.isEmpty()) {
        const QString reste = fichier.mid(6);
        verifier(fichier.startsWith(QLatin1String("/aide/")) && !reste.isEmpty() &&
                 !reste.contains(QLatin1Char('/')) && reste != QLatin1String("..") &&
                 reste != QLatin1String("."));
    }
    (void)genreDeLien(nom);

    if (examinerAide(html) != DefautAide::Aucun) return 0;
    Document document;
    document.setHtml(QString::fromUtf8(html));
    document.setTextWidth(700);
    verifier(document.size().height() >= 0); // lays the whole document out
    return 0;
}
