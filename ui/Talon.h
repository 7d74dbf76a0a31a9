#pragma once
// The deck on the main window: 22 cards face down where the view of the spread wants them,
// turned and laid at their slot when picked, each laid card named by a label on it.

#include "Chaines.h"
#include "EtatTirage.h"
#include "VueResultat.h"

#include <QObject>

namespace lunespiral {

class Talon : public QObject {
    Q_OBJECT
public:
    // The deck's controls are made inside `fenetre` and listed in `plateau`.
    Talon(QWidget* fenetre, Plateau& plateau);

    // The labels first, then the cards: the window makes other controls between the two.
    void creerEtiquettes();
    void creerCartes();

    // The name labels take the largest size, up to the design's, at which every card name of
    // `langue` fits, so that a laid card's name is never cut.
    void appliquerLangue(int langue);
    // A new spread: every card face down at its place in `vue`.
    void presenter(const VueResultat& vue, const Chaines& chaines);
    // Deck card d turned over as card `carte` at slot n; a laid cross card takes no more clicks.
    // `prefixeBulle` opens its hint ("Psyché Globale - " for the cross's synthesis card).
    void poser(int d, int n, int carte, QPoint position, bool definitive, const Chaines& chaines,
               const QString& prefixeBulle = {});
    // The spread is complete: the cards not picked leave the table.
    void retirerNonPosees(const EtatTirage& etat);
    // Back to the spread chooser.
    void ranger();
    bool surLaTable() const;
    // The keyboard focus on the deck's first card face down, with its mark.
    void prendreFocusClavier();
    // Whether one of the deck's cards has the keyboard focus (the keyboard is laying the cards).
    bool aLeFocus() const;
    // The spread laid from the keyboard is complete: the focus on the laid card at `emplacement`
    // (the house or horizon on show), whose Enter chooses it; with no such card (the cross's
    // take no clicks), on the window itself, where the shortcuts work and Tab starts again.
    void rendreFocus(const EtatTirage& etat, int emplacement);

signals:
    void carteCliquee(int d);

private:
    QWidget* fenetre_;
    Plateau& plateau_;
    int langueAjustee_ = 0; // the language the name labels were last sized for
};

} // namespace lunespiral
