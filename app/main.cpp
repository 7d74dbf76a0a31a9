// LUNESPIRAL 2000. The program takes no arguments: the splash asks for the language, then the
// main window takes over.

#include "Application.h"
#include "Demarrage.h"
#include "fSplash.h"

using namespace lunespiral;

int main(int argc, char** argv) {
    Application application(argc, argv);
    Fenetres fenetres = demarrer();
    fenetres.splash->show();
    const int code = application.exec();
    detruire(fenetres);
    return code;
}
