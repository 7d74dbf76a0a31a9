#include "Application.h"

#include "BoiteMessage.h"
#include "Erreurs.h"

namespace lunespiral {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* destinataire, QEvent* evenement) {
    try {
        return QApplication::notify(destinataire, evenement);
    } catch (const ErreurEtendue& e) {
        signalerErreur(e);
    } catch (const ErreurLecture& e) {
        signalerErreur(e);
    } catch (const ErreurReglages& e) {
        signalerErreur(e);
    }
    return true;
}

void Application::signalerErreur(const std::exception& erreur) {
    BoiteMessage::information(nullptr, QString::fromUtf8(erreur.what()));
}

} // namespace lunespiral
