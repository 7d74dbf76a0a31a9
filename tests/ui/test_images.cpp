#include "ServiceImages.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <QtTest>

#include <cmath>

using lunespiral::ServiceImages;

namespace {

// Screen scale factors (horizontal, vertical) of 800 × 600, 1024 × 768 and 1920 × 1080.
struct Ecran {
    const char* nom;
    double x;
    double y;
};
constexpr Ecran ecrans[] = {
    {"800x600", 1.0, 1.0}, {"1024x768", 1.28, 1.28}, {"1920x1080", 2.4, 1.8}};

int arrondi(double v) {
    return static_cast<int>(std::nearbyint(v));
}

QSize tailleAttendue(const QString& nom) {
    static const QHash<QString, QSize> tailles = {
        {"picFond", {90, 165}},
        {"imageMaison1", {120, 109}},
        {"imageMaison2", {120, 73}},
        {"imageMaison3", {103, 120}},
        {"imageMaison4", {120, 39}},
        {"imageMaison5", {140, 80}},
        {"imageMaison6", {120, 72}},
        {"imageMaison7", {140, 116}},
        {"imageMaison8", {120, 85}},
        {"imageMaison9", {104, 120}},
        {"imageMaison10", {120, 105}},
        {"imageProjets", {46, 32}},
        {"imageTirageEnCroix", {194, 108}},
        {"imageTirageDixMaisons", {194, 108}},
        {"imageTirageBohemiens", {191, 108}},
        {"aide", {16, 16}},
        {"aideGrise", {16, 16}},
        {"iconeSplash", {32, 32}},
        {"imageSplash", {51, 33}},
    };
    if (nom.startsWith("Image")) return {90, 165};
    if (nom == "lunespiral") return {256, 256};
    return tailles.value(nom);
}

// Share of pixels that carry any colour at all.
double partEncree(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    qint64 encres = 0;
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(argb.pixel(x, y)) > 0) ++encres;
    return double(encres) / (argb.width() * argb.height());
}

// Glyph pieces of each Roman letter as drawn on the faces: I and V are one outline, X is two
// strokes and four serifs.
int piecesDuChiffre(int n) {
    static const char* romains[] = {"",     "I",    "II",    "III", "IV",  "V",    "VI",  "VII",
                                    "VIII", "IX",   "X",     "XI",  "XII", "XIII", "XIV", "XV",
                                    "XVI",  "XVII", "XVIII", "XIX", "XX",  "XXI"};
    int pieces = 0;
    for (const char* c = romains[n]; *c; ++c) pieces += *c == 'X' ? 6 : 1;
    return pieces;
}

bool estSombre(QRgb p) {
    return qAlpha(p) > 128 && qGray(p) < 110;
}

} // namespace

class TestImages : public QObject {
    Q_OBJECT

private slots:
    void init() { ServiceImages::instance().viderCache(); }

    void lesRessourcesSontLesImagesDuProgramme() {
        QStringList fichiers = QDir(":/art").entryList({"*.svg"}, QDir::Files, QDir::Name);
        QStringList attendus;
        for (const QString& nom : ServiceImages::noms()) attendus << nom + ".svg";
        attendus.sort();
        QCOMPARE(fichiers, attendus);
        QCOMPARE(ServiceImages::noms().size(), 22 + 1 + 10 + 1 + 3 + 2 + 2 + 1);
    }

    void chaqueImageADimensionsDeDessin_data() {
        QTest::addColumn<QString>("nom");
        for (const QString& nom : ServiceImages::noms()) QTest::newRow(qPrintable(nom)) << nom;
    }
    void chaqueImageADimensionsDeDessin() {
        QFETCH(QString, nom);
        ServiceImages& service = ServiceImages::instance();
        QVERIFY(service.existe(nom));
        QSvgRenderer document(ServiceImages::chemin(nom));
        QVERIFY(document.isValid());
        QCOMPARE(service.tailleDesign(nom), tailleAttendue(nom));
    }

    // QtSvg draws SVG Tiny only: anything beyond it renders black or not at all, often silently.
    void resteDansCeQueQtSvgSaitDessiner_data() { chaqueImageADimensionsDeDessin_data(); }
    void resteDansCeQueQtSvgSaitDessiner() {
        QFETCH(QString, nom);
        QFile fichier(ServiceImages::chemin(nom));
        QVERIFY(fichier.open(QIODevice::ReadOnly));
        const QString source = QString::fromUtf8(fichier.readAll());
        for (const char* interdit : {"hsl(", "rgb(", "<text", "<filter", "<mask", "clip-path",
                                     "<style", "class=", "href=", "<image"})
            QVERIFY2(!source.contains(QLatin1String(interdit)), interdit);
        static const QRegularExpression couleur("(?:fill|stroke|stop-color)=\"([^\"]*)\"");
        static const QRegularExpression permise("^(#[0-9A-Fa-f]{6}|none|url\\(#\\w+\\))$");
        for (const auto& trouve : couleur.globalMatch(source))
            QVERIFY2(permise.match(trouve.captured(1)).hasMatch(), qPrintable(trouve.captured(0)));

        QTest::failOnWarning(QRegularExpression(".*"));
        QSvgRenderer document(ServiceImages::chemin(nom));
        QImage essai(document.viewBox().size(), QImage::Format_ARGB32_Premultiplied);
        QPainter peintre(&essai);
        document.render(&peintre);
    }

    void rendSurChaqueEcran_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<double>("ex");
        QTest::addColumn<double>("ey");
        for (const QString& nom : ServiceImages::noms())
            for (const Ecran& e : ecrans)
                QTest::addRow("%s@%s", qPrintable(nom), e.nom) << nom << e.x << e.y;
    }
    void rendSurChaqueEcran() {
        QFETCH(QString, nom);
        QFETCH(double, ex);
        QFETCH(double, ey);
        ServiceImages& service = ServiceImages::instance();
        const QSize design = service.tailleDesign(nom);
        const QSize taille(arrondi(design.width() * ex), arrondi(design.height() * ey));
        const QPixmap pixmap = service.image(nom, taille);
        QCOMPARE(pixmap.size(), taille);
        // Emblems sit on transparent ground, but none is a mere speck.
        QVERIFY2(partEncree(pixmap.toImage()) > 0.15, qPrintable(nom));
    }

    void lesFacesPortentLeurChiffreEnHaut_data() {
        QTest::addColumn<int>("carte");
        for (int k = 1; k <= 22; ++k) QTest::addRow("Image%d", k) << k;
    }
    void lesFacesPortentLeurChiffreEnHaut() {
        QFETCH(int, carte);
        const QString nom = QStringLiteral("Image%1").arg(carte);
        QSvgRenderer document(ServiceImages::chemin(nom));
        const QImage face = ServiceImages::instance().image(nom, QSize(90, 165)).toImage();

        // Ink in the middle of the strip, where a numeral stands.
        int encreBandeau = 0;
        for (int y = 4; y < 18; ++y)
            for (int x = 8; x < 82; ++x)
                if (estSombre(face.pixel(x, y))) ++encreBandeau;

        if (carte == 22) {
            // The Fool has no number: his strip stays blank.
            QVERIFY(!document.elementExists("chiffre"));
            QCOMPARE(encreBandeau, 0);
            return;
        }
        QVERIFY(document.elementExists("chiffre"));
        QVERIFY(encreBandeau >= 8);

        // The face carries its own numeral: count the glyph pieces of the numeral group.
        QFile fichier(ServiceImages::chemin(nom));
        QVERIFY(fichier.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&fichier);
        int pieces = 0;
        int profondeur = 0;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement()) {
                if (profondeur > 0) ++profondeur;
                if (xml.attributes().value("id") == QLatin1String("chiffre")) profondeur = 1;
                if (profondeur == 2 && xml.name() == QLatin1String("path")) ++pieces;
            } else if (xml.isEndElement() && profondeur > 0) {
                --profondeur;
            }
        }
        QCOMPARE(pieces, piecesDuChiffre(carte));

        const QRectF place =
            document.transformForElement("chiffre").mapRect(document.boundsOnElement("chiffre"));
        QVERIFY2(place.top() >= 0.0 && place.bottom() <= 20.0, qPrintable(nom));
        QVERIFY(place.left() > 4.0 && place.right() < 86.0);
        QVERIFY(std::abs(place.center().x() - 45.0) < 1.5);

        // The numeral drawn alone, in place: no ink below row 19.
        QImage seul(90, 165, QImage::Format_ARGB32_Premultiplied);
        seul.fill(Qt::transparent);
        {
            QPainter peintre(&seul);
            document.render(&peintre, "chiffre", place);
        }
        for (int y = 20; y < 165; ++y)
            for (int x = 0; x < 90; ++x) QCOMPARE(qAlpha(seul.pixel(x, y)), 0);

        // The strip is a band of its own, not a continuation of the scene under it.
        auto moyenne = [&face](int y0, int y1) {
            double r = 0, v = 0, b = 0;
            int n = 0;
            for (int y = y0; y < y1; ++y)
                for (int x = 6; x < 84; ++x) {
                    const QRgb p = face.pixel(x, y);
                    r += qRed(p), v += qGreen(p), b += qBlue(p), ++n;
                }
            return QColor::fromRgbF(r / n / 255, v / n / 255, b / n / 255);
        };
        const QColor bandeau = moyenne(4, 18);
        const QColor scene = moyenne(24, 160);
        const int ecart = std::abs(bandeau.red() - scene.red()) +
                          std::abs(bandeau.green() - scene.green()) +
                          std::abs(bandeau.blue() - scene.blue());
        QVERIFY2(ecart > 20, qPrintable(nom));
    }

    void uneImageAbsenteDonneUnRemplacementVisible() {
        ServiceImages& service = ServiceImages::instance();
        QVERIFY(!service.existe("imageInconnue"));
        QVERIFY(service.tailleDesign("imageInconnue").isEmpty());
        const QImage remplacement = service.image("imageInconnue", QSize(60, 40)).toImage();
        QCOMPARE(remplacement.size(), QSize(60, 40));
        QCOMPARE(QColor(remplacement.pixel(0, 0)), QColor(0xFF, 0x00, 0xFF));
        QCOMPARE(QColor(remplacement.pixel(30, 2)), QColor(0xC0, 0xC0, 0xC0));
    }

    void leCacheRendLeMemePixmap() {
        ServiceImages& service = ServiceImages::instance();
        const QPixmap premiere = service.image("Image7", QSize(115, 211));
        QCOMPARE(service.image("Image7", QSize(115, 211)).cacheKey(), premiere.cacheKey());
        QVERIFY(service.image("Image7", QSize(90, 165)).cacheKey() != premiere.cacheKey());
        QVERIFY(service.image("Image8", QSize(115, 211)).cacheKey() != premiere.cacheKey());

        const QPixmap dense = service.image("Image7", QSize(115, 211), 2.0);
        QVERIFY(dense.cacheKey() != premiere.cacheKey());
        QCOMPARE(dense.size(), QSize(230, 422));
        QCOMPARE(dense.devicePixelRatio(), 2.0);
        QCOMPARE(dense.deviceIndependentSize(), QSizeF(115, 211));
    }

    void uneTailleVideNeRendRien() {
        QVERIFY(ServiceImages::instance().image("Image1", QSize(0, 165)).isNull());
    }
};

QTEST_MAIN(TestImages)
#include "test_images.moc"
