// LUNESPIRAL 2000. The program takes no arguments: the splash asks for the language, then the
// main window takes over.

#include "Application.h"
#include "Demarrage.h"
#include "Echelle.h"
#include "fSplash.h"

#ifdef LUNESPIRAL_AVEC_MESURE
// Only in the copy that the start-up benchmark builds for itself (bench/fenetres).
#include "MesureDemarrage.h"

#include <optional>
#endif

using namespace lunespiral;

int main(int argc, char** argv) {
#ifdef LUNESPIRAL_AVEC_MESURE
    const long long debutMain = maintenantNs();
#endif
    bornerResolutionImposee();
    Application application(argc, argv);
    Fenetres fenetres = demarrer();
#ifdef LUNESPIRAL_AVEC_MESURE
    std::optional<MesureDemarrage> mesure;
    if (MesureDemarrage::demandee()) {
        mesure.emplace(MesureDemarrage::origine(), debutMain);
        fenetres.splash->installEventFilter(&*mesure);
    }
#endif
    fenetres.splash->show();
    const int code = application.exec();
    detruire(fenetres);
    return code;
}
