#pragma once
// The splash window: the first thing on screen, where the user chooses the language, and later
// the about window. It is the program's primary window: the program ends when it closes.

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

class QPushButton;

namespace lunespiral {

class TfrmSplash : public QWidget {
    Q_OBJECT
public:
    // Builds the window, runs FormCreate and shows it.
    explicit TfrmSplash(QWidget* parent = nullptr);
    ~TfrmSplash() override;

    // Wiring done by the program entry once the main window exists.
    void setFenetrePrincipale(QWidget* fenetre) { fenetrePrincipale_ = fenetre; }
    void setTimerDebut(QTimer* timer) { timerDebut_ = timer; }
    // Applies the interface strings of the language just chosen (`langue` is already set).
    std::function<void()> appliquerLangue;

    void FormCreate();
    void PanelStartFrenchClick();
    void PanelStartEnglishClick();
    // The about window: the splash again, with a single OK in place of the language buttons.
    void montrerAPropos();
    void panelOKAboutClick();

signals:
    // The primary window has closed: the program ends.
    void ferme();

protected:
    void closeEvent(QCloseEvent* e) override; // FormClose
    void keyPressEvent(QKeyEvent* e) override;

private:
    void construireDesign();
    void choisirLangue(int code);
    void centrer();

    QPointer<QWidget> fenetrePrincipale_;
    QPointer<QTimer> timerDebut_;
    QPushButton* PanelStartFrench_ = nullptr;
    QPushButton* PanelStartEnglish_ = nullptr;
    QPushButton* panelOKAbout_ = nullptr;
};

inline TfrmSplash* frmSplash = nullptr;

} // namespace lunespiral
