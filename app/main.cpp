// LUNESPIRAL 2000. The program takes no arguments: the splash asks for the language, then the
// main window takes over.

#include "Application.h"
#include "Demarrage.h"
#include "Echelle.h"
#include "MesureDemarrage.h"
#include "fSplash.h"

#include <optional>

using namespace lunespiral;

int main(int argc, char** argv) {
    const long long debutMain = maintenantNs();
    bornerResolutionImposee();
    Application application(argc, argv);
    Fenetres fenetres = demarrer();
    std::optional<MesureDemarrage> mesure;
    if (MesureDemarrage::demandee()) {
        mesure.emplace(MesureDemarrage::origine(), debutMain);
        fenetres.splash->installEventFilter(&*mesure);
    }
    fenetres.splash->show();
    const int code = application.exec();
    detruire(fenetres);
    return code;
}
