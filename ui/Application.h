#pragma once
// The application object: the one place where the engine's errors reach the user. An event
// that fails shows the program's message in a box, and the program goes on.

#include <QApplication>

#include <functional>

namespace lunespiral {

class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);

    bool notify(QObject* destinataire, QEvent* evenement) override;

    // Shows an error that happened outside an event (window creation, say) the same way.
    static void signalerErreur(const std::exception& erreur);
};

} // namespace lunespiral
