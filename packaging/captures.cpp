// Screenshots for the software centres and the README, taken from the real windows:
//   lunespiral-captures croix|maisons|bohemiens fr|en FICHIER.png
// Run it on an offscreen screen of the wanted size (QT_QPA_PLATFORM=offscreen:configfile=...).
// The clock is pinned so that the same reading comes out every time, and the options go to a
// store of the tool's own, never to the user's.

#include "Application.h"
#include "Demarrage.h"
#include "EtatTirage.h"
#include "Globales.h"
#include "Horloge.h"
#include "ImageControle.h"
#include "fSplash.h"
#include "spiral.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <cstring>

using namespace lunespiral;

namespace {

int usage() {
    std::fputs("usage: lunespiral-captures croix|maisons|bohemiens fr|en FICHIER.png\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) return usage();
    const char* tirage = argv[1];
    const bool francais = std::strcmp(argv[2], "fr") == 0;
    if (!francais && std::strcmp(argv[2], "en") != 0) return usage();
    const char* emblemes[][2] = {{"croix", "imageTirageEnCroix"},
                                 {"maisons", "imageTirageDixMaisons"},
                                 {"bohemiens", "imageTirageBohemiens"}};
    const char* embleme = nullptr;
    for (const auto& e : emblemes)
        if (std::strcmp(tirage, e[0]) == 0) embleme = e[1];
    if (!embleme) return usage();

    QTemporaryDir reglages;
    qputenv("XDG_CONFIG_HOME", reglages.path().toLocal8Bit());
    Application application(argc, argv);
    Fenetres fenetres = demarrer();
    fenetres.splash->show();
    QTest::mouseClick(fenetres.splash->findChild<QPushButton*>(
                          QString::fromLatin1(francais ? "PanelStartFrench" : "PanelStartEnglish")),
                      Qt::LeftButton);
    TfrmLunespiral* principale = fenetres.principale;
    if (!QTest::qWaitFor([principale] { return principale->isVisible(); }, 5000)) {
        std::fputs("lunespiral-captures: the main window did not come up\n", stderr);
        return 1;
    }

    Horloge::remplacer([] { return HeureUtc{21, 12, 7, 420}; });
    QTest::mouseClick(principale->findChild<ImageControle*>(QString::fromLatin1(embleme)),
                      Qt::LeftButton);
    // Picks spread over the whole fan, as a hand would choose them.
    const int choix[] = {5, 17, 10, 21, 2, 13, 8, 19, 15, 11};
    const EtatTirage& etat = (*fenetres.etat);
    for (int d : choix) {
        if (etat.tirageTermine()) break;
        QTest::mouseClick(
            principale->findChild<ImageControle*>(QStringLiteral("cartesTalon%1").arg(d)),
            Qt::LeftButton);
    }
    if (!etat.tirageTermine()) {
        std::fputs("lunespiral-captures: the reading did not complete\n", stderr);
        return 1;
    }
    QTest::qWait(200);

    const QString fichier = QString::fromLocal8Bit(argv[3]);
    const bool ecrit = principale->grab().toImage().save(fichier, "PNG");
    detruire(fenetres);
    if (!ecrit) {
        std::fprintf(stderr, "lunespiral-captures: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
