#pragma once
// Where the reading on screen stands: which spread, which draw, how many cards are laid and
// where, whether it is complete. The reading flow changes it only through the transitions
// below; painting, the result views and the lucky numbers only read it.

#include "Arcanes.h"
#include "Hasard.h"
#include "Tableau.h"
#include "Textes.h"
#include "Tirages.h"

#include <vector>

namespace lunespiral {

class EtatTirage {
public:
    // What a click on deck card d did.
    enum class Effet {
        Rien,          // an already picked card, any card of a complete cross, a card not laid
        CartePosee,    // the next card of the draw was laid (perhaps the last one)
        ChoixMaison,   // houses complete: the house of that card is now shown
        ChoixHorizon,  // bohemian spread complete: the horizon of that card is now shown
    };
    struct Clic {
        Effet effet = Effet::Rien;
        int emplacement = 0; // the slot laid (1..10), or the house or horizon chosen
        int carte = 0;       // the card number shown there
        bool termine = false; // this click completed the spread
    };

    // Transitions.
    // A spread is chosen: everything of the previous reading is cleared, the draw of that kind
    // made anew (the generator seeded from the clock) and its texts composed. A range error
    // while composing leaves the draw made and the texts as far as they got.
    void choisirTirage(TypeTirage type, Hasard& hasard, const Textes& textes);
    // The same without seeding: the draw continues the generator as it stands. Given laid
    // cards (a reading made with a real deck) replace the random ones.
    void choisirTirageSansAmorcer(TypeTirage type, Hasard& hasard, const Textes& textes,
                                  const std::vector<int>& cartesImposees = {});
    // A click on deck card d (1..22). Completing the houses or the bohemian spread draws the
    // house or horizon shown first.
    Clic cliquerCarte(int d, Hasard& hasard);
    // The cross is complete: the deck card, among those not picked, that carries the synthesis
    // card to the centre.
    int tirerPorteurSynthese(Hasard& hasard) const;

    // Reading.
    TypeTirage typeTirage() const { return typeTirage_; }
    const TirageCroix& tirageCroix() const { return tirageCroix_; }
    const TirageMaisons& tirageMaisons() const { return tirageMaisons_; }
    const TirageBohemiens& tirageBohemiens() const { return tirageBohemiens_; }
    const TextesCroix& textesCroix() const { return textesCroix_; }
    const TextesMaisons& textesMaisons() const { return textesMaisons_; }
    const TextesHorizons& textesHorizons() const { return textesHorizons_; }
    int nbCartesPosees() const { return nbCartesPosees_; }
    bool carteRetournee(int d) const { return carteRetournee_[d]; }
    // The slot at which deck card d was laid in the houses or the bohemian spread.
    int emplacementDeCarte(TypeTirage type, int d) const;
    bool tirageTermine() const { return tirageTermine_; }
    bool croixTerminee() const { return croixTerminee_; }
    bool maisonsTerminees() const { return maisonsTerminees_; }
    bool bohemiensTermines() const { return bohemiensTermines_; }
    bool termine(TypeTirage type) const;

    // The face-up cards of the current draw (the cross's synthesis card is not one of them).
    std::vector<int> cartesDuTirageCourant() const;
    // The card laid at slot n of the current draw.
    int carteDeLEmplacement(int n) const;

private:
    void commencer(TypeTirage type);
    void composer(const Textes& textes);
    void terminer(Hasard& hasard);

    TypeTirage typeTirage_ = TypeTirage::Aucun;
    TirageCroix tirageCroix_{};
    TirageMaisons tirageMaisons_{};
    TirageBohemiens tirageBohemiens_{};
    TextesCroix textesCroix_{};
    TextesMaisons textesMaisons_{};
    TextesHorizons textesHorizons_{};
    int nbCartesPosees_ = 0;
    Tab<bool, nbArcanes> carteRetournee_{};
    Tab<int, nbArcanes> emplacementMaisons_{};
    Tab<int, nbArcanes> emplacementBohemiens_{};
    bool tirageTermine_ = false;
    bool croixTerminee_ = false;
    bool maisonsTerminees_ = false;
    bool bohemiensTermines_ = false;
};

} // namespace lunespiral
