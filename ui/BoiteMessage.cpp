#include "BoiteMessage.h"

#include "Globales.h"

#include <QMessageBox>
#include <QPushButton>

namespace lunespiral {

namespace {

std::deque<bool>& reponses() {
    static std::deque<bool> r;
    return r;
}

std::function<void(const QString&)>& observateur() {
    static std::function<void(const QString&)> o;
    return o;
}

} // namespace

void BoiteMessage::reponsesSuivantes(std::deque<bool> r) {
    reponses() = std::move(r);
}
void BoiteMessage::observer(std::function<void(const QString&)> o) {
    observateur() = std::move(o);
}
bool BoiteMessage::reponsesEnAttente() {
    return !reponses().empty();
}

bool BoiteMessage::question(QWidget* parent, const QString& texte) {
    return montrer(parent, texte, true);
}

void BoiteMessage::information(QWidget* parent, const QString& texte) {
    montrer(parent, texte, false);
}

bool BoiteMessage::montrer(QWidget* parent, const QString& texte, bool ouiNon) {
    if (observateur()) observateur()(texte);
    if (!reponses().empty()) {
        const bool r = reponses().front();
        reponses().pop_front();
        return r;
    }
    QMessageBox boite(QMessageBox::NoIcon,
                      titreProgramme.isEmpty() ? QStringLiteral("LUNESPIRAL 2000") : titreProgramme,
                      texte, QMessageBox::NoButton, parent);
    const bool francais = langue != 2;
    if (ouiNon) {
        boite.addButton(francais ? QStringLiteral("Oui") : QStringLiteral("Yes"),
                        QMessageBox::YesRole);
        QPushButton* non = boite.addButton(francais ? QStringLiteral("Non") : QStringLiteral("No"),
                                           QMessageBox::NoRole);
        boite.setEscapeButton(non);
    } else {
        boite.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    }
    boite.exec();
    return boite.buttonRole(boite.clickedButton()) == QMessageBox::YesRole;
}

} // namespace lunespiral
