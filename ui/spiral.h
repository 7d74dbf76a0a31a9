#pragma once
// The main window: where every reading takes place. Designed on an 800-pixel-wide canvas,
// shown borderless and maximised, scaled to the screen once when it is created.

#include "Chaines.h"
#include "Collaborateurs.h"
#include "Echelle.h"
#include "EtatTirage.h"
#include "ImageControle.h"
#include "Memo.h"
#include "Panneau.h"
#include "Tableau.h"
#include "Textes.h"
#include "Tirages.h"

#include <QPoint>
#include <QTimer>
#include <QToolButton>
#include <QWidget>

#include <functional>
#include <vector>

namespace lunespiral {

class TfrmLunespiral : public QWidget {
    Q_OBJECT
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

    // Layout.
    void CalculerPositions();
    void AfficherMosaique();
    void DessinerEtoiles();
    void AfficherInfo(const QString& texte);

    // Languages.
    // The strings of the language chosen (chainesDe(langue)).
    void AppliquerLangue(const Chaines& chaines);
    void AppliquerLegendes();

    // Start-up and the bottom bar.
    void timerDebutTimer();
    void TSBAideClick();
    void TSBAboutClick();
    void TSBIconifyClick();
    void TSBQuitClick();
    void AppelPanelMyMouseDown(Panneau* panneau);
    void AppelPanelMyMouseUp(Panneau* panneau);

    // The reading flow.
    void imageTirageEnCroixClick();
    void imageTirageDixMaisonsClick();
    void imageTirageBohemiensClick();
    void CommencerTirage(TypeTirage type);
    void AppelCliqueMain(int d);
    void panelNouveauTirageClick();

    // The result views.
    void afficherTextesCroix(const TextesCroix& textes);
    void poserTextesCroix(); // the chosen cross's texts, if not yet in their boxes
    void afficherResultatCroix();
    void afficherMaison(int h);
    void afficherHorizon(int n);
    void choisirMaison(int d);
    void choisirHorizon(int d);
    void effacerResultats();
    void panelInformationsDblClick();

    // The lucky numbers.
    void SBNumerosDeLaChanceClick();
    void SBConfigurationNumerosDeLaChanceClick();
    // After the options changed: a complete reading presses the button and shows new numbers.
    void montrerNumerosChance();

    // Copies the reading on screen to the clipboard as plain text.
    void copierLecture();

    // What the rest of the program plugs in: the about window, the options dialog, and the
    // end of the program (closing the primary window).
    std::function<void()> ouvrirAPropos;
    std::function<void()> ouvrirOptions;
    std::function<void()> fermerProgramme;

    QTimer* timerDebut() const { return timerDebut_; }
    QToolButton* SBNumerosDeLaChance() const { return sbNumeros_; }

    // Read access for the tests and for whoever needs to look.
    ImageControle* carteTalon(int d) const { return cartesTalon_[d]; }
    ImageControle* tuileMosaique(int colonne, int rangee) const { return mosaique_[colonne][rangee]; }
    Panneau* etiquetteNom(int n) const { return etiquettesNoms_[n]; }
    Panneau* etiquetteMaison(int h) const { return etiquettesMaisons_[h]; }
    Panneau* etiquetteHorizon(int n) const { return etiquettesHorizons_[n]; }
    QPoint posCroix(int i) const { return posCroix_[i]; }
    QPoint posMaisons(int i) const { return posMaisons_[i]; }
    QPoint posBohemiens(int i) const { return posBohemiens_[i]; }
    int largeurCarte() const { return largeurCarte_; }
    int hauteurCarte() const { return hauteurCarte_; }
    int ecartCarte() const { return ecartCarte_; }
    int margeCarte() const { return margeCarte_; }
    int nbEtoiles() const { return static_cast<int>(etoiles_.size()); }

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    void FormCreate();
    void construireDesign();
    void creerControlesDynamiques();
    void relierEvenements();
    void placerPanneauxDuBas();
    Panneau* nouvelleEtiquette(int hauteur);
    void poserCarte(int d, int n, int carte, QPoint position);
    void placerEtiquetteNom(int n, const QString& nom, QPoint position);
    void terminerCroix();
    void terminerMaisons();
    void terminerBohemiens();
    void afficherCarteSynthese();
    static void colorer(Panneau* etiquette, bool choisie);
    void afficherNumerosChance(); // those of the reading state, or the bar's message
    int langueDesNoms() const;    // French until English is chosen

    template <typename T>
    T* controle(const char* nom) const {
        return findChild<T*>(QString::fromLatin1(nom));
    }

    struct Etoile {
        QPoint position;
        QColor couleur;
    };

    EtatTirage& etat_;
    Hasard& hasard_;
    Textes& textes_;
    OptionsChance& options_;
    ServiceImages& images_;
    Chaines chaines_;

    Echelle echelle_;
    int largeurCarte_ = 0;
    int hauteurCarte_ = 0;
    int ecartCarte_ = 0;
    int margeCarte_ = 0;
    int hauteurPanelInfo_ = 0;
    int hauteurPhraseGlobale_ = 0;

    Tab<ImageControle*, 22> cartesTalon_{};
    Tab<QString, 22> imagesFaces_{};
    Tab<QString, nbMaisons> imagesMaisons_{};
    Tab<Tab<ImageControle*, 5>, 10> mosaique_{};
    Tab<Panneau*, nbHorizons> etiquettesHorizons_{};
    Tab<Panneau*, nbMaisons> etiquettesNoms_{};
    Tab<Panneau*, nbMaisons> etiquettesMaisons_{};
    Tab<QPoint, 5> posCroix_{};
    Tab<QPoint, nbMaisons> posMaisons_{};
    Tab<QPoint, nbHorizons> posBohemiens_{};

    std::vector<Etoile> etoiles_;
    bool etoilesAPeindre_ = false; // a field drawn by a completion, waiting for its paint

    QTimer* timerDebut_ = nullptr;
    QToolButton* sbNumeros_ = nullptr;
    bool creationTerminee_ = false;
    bool textesCroixEnAttente_ = false;
    QToolButton* sbConfiguration_ = nullptr;
    Panneau* panelInfo_ = nullptr;
    Panneau* panelInformations_ = nullptr;
    Panneau* panelNouveauTirage_ = nullptr;
    Panneau* panelSelectionTirage_ = nullptr;
    Panneau* panelPhraseGlobale_ = nullptr;
    Panneau* panelCentralMaison_ = nullptr;
    Memo* panelCentralBohemien_ = nullptr;
};

inline TfrmLunespiral* frmLunespiral = nullptr;

} // namespace lunespiral
