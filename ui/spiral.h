#pragma once
// The main window: where every reading takes place. Designed on an 800-pixel-wide canvas,
// shown borderless and maximised, scaled to the screen once when it is created. It holds the
// bottom bar, the spread chooser, the deck and the star field; the result of each spread is
// shown by a view of its own (VueCroix, VueMaisons, VueBohemiens). It shows the reading state
// it is handed and changes it only through the state's transitions.

#include "Chaines.h"
#include "ChampEtoiles.h"
#include "Collaborateurs.h"
#include "Echelle.h"
#include "EtatTirage.h"
#include "Mosaique.h"
#include "VueResultat.h"

#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>

namespace lunespiral {

class BarreInfo;
class ChoixTirage;
class Talon;
class VueCroix;
class VueMaisons;
class VueBohemiens;

class TfrmLunespiral : public QWidget {
    Q_OBJECT
    // For the tests: how many stars the last field scattered.
    Q_PROPERTY(int nbEtoiles READ nbEtoiles)
public:
    // Complete: the window and all its controls are made at once. Differee: only the window,
    // its start timer and the lucky-number options; the controls wait for terminerCreation().
    enum class Creation { Complete, Differee };

    // Creates the window hidden and runs FormCreate (now or, when deferred, later).
    explicit TfrmLunespiral(const Collaborateurs& collaborateurs, QWidget* parent = nullptr,
                            Creation creation = Creation::Complete);

    // Makes the controls of a window created with Creation::Differee; does nothing the second
    // time. Everything that uses the controls from outside calls it first.
    void terminerCreation();
    bool creationTerminee() const { return creationTerminee_; }

    // The strings of the language chosen (chainesDe(langue)).
    void AppliquerLangue(const Chaines& chaines);
    // Started by the splash once the language is chosen: the window comes up.
    QTimer* timerDebut() const { return timerDebut_; }
    // After the options changed: a complete reading presses the button and shows new numbers.
    void montrerNumerosChance();

    // What the rest of the program plugs in: the about window, the options dialog, and the
    // end of the program (closing the primary window).
    std::function<void()> ouvrirAPropos;
    std::function<void()> ouvrirOptions;
    std::function<void()> fermerProgramme;

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    // Creation.
    void FormCreate();
    void construireDesign();
    void creerControlesDynamiques();
    void relierEvenements();
    void preparerImages();
    void placerPanneauxDuBas();

    // Layout.
    void CalculerPositions();
    void DessinerEtoiles();
    void AppliquerLegendes();
    int nbEtoiles() const { return etoiles_.nombre(); }

    // Start-up and the bottom bar.
    void timerDebutTimer();
    void TSBAideClick();
    void TSBAboutClick();
    void TSBIconifyClick();
    void TSBQuitClick();

    // The reading flow.
    // `auClavier`: chosen from the keyboard, which then goes on to the deck.
    void CommencerTirage(TypeTirage type, bool auClavier = false);
    void AppelCliqueMain(int d);
    void terminerTirage();
    void panelNouveauTirageClick();
    void effacerResultats();
    void panelInformationsDblClick();
    VueResultat& vue(TypeTirage type) const;
    std::array<VueResultat*, 3> vues() const; // in stacking order: cross, houses, horizons

    // The lucky numbers.
    void SBNumerosDeLaChanceClick();
    void SBConfigurationNumerosDeLaChanceClick();
    void afficherNumerosChance(); // those of the reading state, or the bar's message

    // Copies the reading on screen to the clipboard as plain text.
    void copierLecture();
    int langueDesNoms() const; // French until English is chosen

    template <typename T> T* controle(const char* nom) const {
        return findChild<T*>(QString::fromLatin1(nom));
    }

    EtatTirage& etat_;
    Hasard& hasard_;
    Textes& textes_;
    OptionsChance& options_;
    ServiceImages& images_;
    Chaines chaines_;

    Echelle echelle_;
    Plateau plateau_;
    int hauteurPhraseGlobale_ = 0;
    BarreInfo* barre_ = nullptr;
    ChoixTirage* choix_ = nullptr;
    Talon* talon_ = nullptr;
    VueCroix* vueCroix_ = nullptr;
    VueMaisons* vueMaisons_ = nullptr;
    VueBohemiens* vueBohemiens_ = nullptr;

    Mosaique mosaique_;
    ChampEtoiles etoiles_;
    bool etoilesAPeindre_ = false; // a field drawn by a completion, waiting for its paint

    QTimer* timerDebut_ = nullptr;
    bool creationTerminee_ = false;
    Panneau* panelPhraseGlobale_ = nullptr;
};

inline TfrmLunespiral* frmLunespiral = nullptr;

} // namespace lunespiral
