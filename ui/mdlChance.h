#pragma once
// The options of the lucky numbers: how many numbers, the smallest and the largest. Three
// scroll bars kept consistent with each other while they move; saved only on OK.

#include <QDialog>
#include <QPointer>

#include <functional>

class QPushButton;
class QScrollBar;

namespace lunespiral {

class EtatTirage;
class Panneau;

class TfrmConfigurationChance : public QDialog {
    Q_OBJECT
public:
    // Builds the dialog hidden and runs FormCreate. It has no parent on purpose: disabling the
    // main window while the dialog is open must not disable the dialog with it.
    explicit TfrmConfigurationChance(QWidget* parent = nullptr);
    ~TfrmConfigurationChance() override;

    void setFenetrePrincipale(QWidget* fenetre) { fenetrePrincipale_ = fenetre; }
    // The reading on screen: new numbers follow OK only when it is complete.
    void setLecture(const EtatTirage* etat) { etat_ = etat; }
    // Run after OK when a draw is complete: the main window presses its numbers button and
    // shows numbers drawn with the new options.
    std::function<void()> apresConfirmation;

    // Disables the main window and shows the dialog.
    void ouvrir();

    void FormCreate();
    void FormActivate();
    void scrollBarNombreNumerosChange();
    void ScrollBarValeurMinimaleChange();
    void scrollBarValeurMaximaleChange();
    void Button1Click();
    void buttonAnnulerClick();

    // Enter and Escape, and the window system's close, go through the two buttons' handlers.
    void accept() override { Button1Click(); }
    void reject() override { buttonAnnulerClick(); }

protected:
    void showEvent(QShowEvent* e) override;

private:
    void construireDesign();
    void fermer();

    QPointer<QWidget> fenetrePrincipale_;
    const EtatTirage* etat_ = nullptr;
    QScrollBar* scrollBarNombreNumeros_ = nullptr;
    QScrollBar* ScrollBarValeurMinimale_ = nullptr;
    QScrollBar* scrollBarValeurMaximale_ = nullptr;
    Panneau* panelNbNumeros_ = nullptr;
    Panneau* panelValeurMinimale_ = nullptr;
    Panneau* panelValeurMaximale_ = nullptr;
    Panneau* panelTitreNbNumeros_ = nullptr;
    Panneau* panelTitreValeurMinimale_ = nullptr;
    Panneau* panelTitreValeurMaximale_ = nullptr;
    QPushButton* buttonAnnuler_ = nullptr;
    QPushButton* Button1_ = nullptr;
};

inline TfrmConfigurationChance* frmConfigurationChance = nullptr;

} // namespace lunespiral
