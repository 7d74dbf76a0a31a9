#pragma once
// Every message box of the program: the program's title as caption, no icon, Yes/No or OK,
// buttons in the language of the run. Tests answer them in advance.

#include <QString>
#include <QWidget>

#include <deque>
#include <functional>

namespace lunespiral {

class BoiteMessage {
public:
    // true for Yes.
    static bool question(QWidget* parent, const QString& texte);
    static void information(QWidget* parent, const QString& texte);

    // Tests: the next boxes are answered with these (true = Yes / OK) instead of being shown;
    // each box shown is reported to the observer with its text.
    static void reponsesSuivantes(std::deque<bool> reponses);
    static void observer(std::function<void(const QString&)> observateur);
    static bool reponsesEnAttente();

private:
    static bool montrer(QWidget* parent, const QString& texte, bool ouiNon);
};

} // namespace lunespiral
