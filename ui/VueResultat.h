#pragma once
// What the three result views of the main window (the cross, the ten houses, the bohemian
// spread) have in common. A view makes its own controls inside the window, lays out the places
// of its spread, and shows the reading state's spread of its kind; the window leads the
// reading and hands each click to the view of the spread on the table.

#include "Chaines.h"
#include "EtatTirage.h"
#include "ImageControle.h"
#include "Panneau.h"
#include "ServiceImages.h"
#include "Tableau.h"

#include <QObject>
#include <QPoint>

namespace lunespiral {

// The deck and the sizes every view lays its cards by; the window fills it in.
struct Plateau {
    Tab<ImageControle*, nbArcanes> cartesTalon{};
    Tab<Panneau*, nbMaisons> etiquettesNoms{}; // the card's name, on the laid card
    int largeurCarte = 0;
    int hauteurCarte = 0;
    int ecartCarte = 0;
    int margeCarte = 0;
    int hauteurBarre = 0;  // the bottom bar's
    int tailleLisible = 9; // the smallest type in pixels on this screen
};

// A label over or under a card, `largeur` wide (the card's) and of the design's height, hidden
// until it is placed.
Panneau* nouvelleEtiquette(QWidget* fenetre, const QString& nom, int largeur);
// Yellow for the house or horizon on show, silver for the others.
void colorer(Panneau* etiquette, bool choisie);
// Labels off the table, silver again.
template <typename Etiquettes> void rangerEtiquettes(const Etiquettes& etiquettes) {
    for (Panneau* e : etiquettes) {
        e->hide();
        colorer(e, false);
    }
}

class VueResultat : public QObject {
    Q_OBJECT
public:
    VueResultat(QWidget* fenetre, const EtatTirage& etat, const Plateau& plateau,
                const Chaines& chaines);

    // The controls of the design (called in the window's stacking order), then, once the window
    // is scaled, those made at run time.
    virtual void construire() = 0;
    virtual void preparer() = 0;
    // Asks the picture service for the view's pictures before they are needed.
    virtual void preparerImages(ServiceImages& images, qreal ratio) const;
    // Places that follow the window's size.
    virtual void calculerPositions() = 0;
    // Where the card of slot n lies, and where deck card d waits to be picked.
    virtual QPoint position(int n) const = 0;
    virtual QPoint placeDuTalon(int d) const;
    // The card of slot n was laid at `position`.
    virtual void cartePosee(int n, QPoint position);
    // The spread of this kind was just chosen, its deck laid out.
    virtual void choisie() {}
    // The spread of this kind is complete: its result is shown.
    virtual void terminer() = 0;
    // A house or horizon chosen once complete.
    virtual void choisir(int n);
    // The house or horizon on show, 0 where the view shows them all.
    virtual int emplacementAffiche() const { return 0; }
    // Back to the spread chooser.
    virtual void effacer() = 0;
    // The captions that follow the language.
    virtual void appliquerLegendes();

protected:
    template <typename T> T* controle(const char* nom) const {
        return fenetre_->findChild<T*>(QString::fromLatin1(nom));
    }
    // A press on a text box sends the focus to a panel: no text keeps a caret.
    void focusVers(const char* memo, const char* panneau) const;

    QWidget* fenetre_;
    const EtatTirage& etat_;
    const Plateau& plateau_;
    const Chaines& chaines_;
};

} // namespace lunespiral
