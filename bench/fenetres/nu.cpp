// The yardstick for the start-up figures: the least a Qt Widgets program does to show a
// frameless 455 x 304 window with a label, the size of the splash. It reports its first paint
// exactly as the program does (ui/MesureDemarrage.h) when LUNESPIRAL_MESURE_DEMARRAGE is set.

#include "MesureDemarrage.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

using namespace lunespiral;

int main(int argc, char** argv) {
    const long long debutMain = maintenantNs();
    QApplication application(argc, argv);
    QWidget fenetre(nullptr, Qt::Window | Qt::FramelessWindowHint);
    fenetre.resize(455, 304);
    QLabel etiquette(QStringLiteral("LUNESPIRAL 2000"), &fenetre);
    etiquette.setGeometry(20, 20, 300, 40);
    MesureDemarrage mesure(MesureDemarrage::origine(), debutMain);
    if (MesureDemarrage::demandee()) fenetre.installEventFilter(&mesure);
    fenetre.show();
    return application.exec();
}
