#include "Application.h"

#include "BoiteMessage.h"
#include "Erreurs.h"

namespace lunespiral {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* destinataire, QEvent* evenement) {
    try {
        return QApplication::notify(destinataire, evenement);
    } catch (const ErreurProgramme& e) {
        signalerErreur(e);
    }
    return true;
}

void Application::signalerErreur(const ErreurProgramme& erreur) {
    BoiteMessage::information(nullptr, QString::fromUtf8(erreur.what()));
}

} // namespace lunespiral
