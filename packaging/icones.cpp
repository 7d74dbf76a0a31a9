// Renders the program's icon for the desktop's icon theme:
//   lunespiral-icones SOURCE.svg DOSSIER TAILLE...
// writes DOSSIER/<N>x<N>/apps/fr.ludicorium.Lunespiral.png for each size N, drawn from the
// vector source at that very size rather than scaled down from a large picture.

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fputs("usage: lunespiral-icones SOURCE.svg DOSSIER TAILLE...\n", stderr);
        return 2;
    }
    QSvgRenderer rendu(QString::fromLocal8Bit(argv[1]));
    if (!rendu.isValid()) {
        std::fprintf(stderr, "lunespiral-icones: %s is not a readable SVG picture\n", argv[1]);
        return 1;
    }
    const QString dossier = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        bool ok = false;
        const int taille = QString::fromLocal8Bit(argv[i]).toInt(&ok);
        if (!ok || taille < 8 || taille > 1024) {
            std::fprintf(stderr, "lunespiral-icones: %s is not an icon size 8..1024\n", argv[i]);
            return 2;
        }
        QImage image(taille, taille, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter peintre(&image);
        peintre.setRenderHint(QPainter::Antialiasing);
        rendu.render(&peintre, QRectF(0, 0, taille, taille));
        peintre.end();

        const QString sousDossier = dossier + QStringLiteral("/%1x%1/apps").arg(taille);
        const QString fichier = sousDossier + QStringLiteral("/fr.ludicorium.Lunespiral.png");
        if (!QDir().mkpath(sousDossier) || !image.save(fichier, "PNG")) {
            std::fprintf(stderr, "lunespiral-icones: cannot write %s\n", qPrintable(fichier));
            return 1;
        }
    }
    return 0;
}
