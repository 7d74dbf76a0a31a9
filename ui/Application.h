#pragma once
// The application object: the one place where the engine's errors reach the user. An event
// that fails shows the program's message in a box, and the program goes on.

#include "Erreurs.h"

#include <QApplication>

namespace lunespiral {

class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);

    bool notify(QObject* destinataire, QEvent* evenement) override;

    // Shows an error the same way when it cannot reach notify(): one met during start-up, or
    // one held back until a window is up.
    static void signalerErreur(const ErreurProgramme& erreur);
};

} // namespace lunespiral
