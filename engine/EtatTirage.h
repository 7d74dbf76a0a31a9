#pragma once
// Everything a reading is: which spread, its draw and composed texts, how many cards are laid
// and where, the cross's synthesis carrier, the lucky numbers and what they describe, which house
// or horizon is shown, and what the last click did. The reading flow changes it only through the
// transitions below; the windows, the copy, the print-out and lunespiral-tirage only read it.

#include "Arcanes.h"
#include "Hasard.h"
#include "OptionsChance.h"
#include "Tableau.h"
#include "Textes.h"
#include "Tirages.h"

#include <string>
#include <vector>

namespace lunespiral {

class EtatTirage {
public:
    // What a click on deck card d did.
    enum class Effet {
        Rien,         // an already picked card, any card of a complete cross, a card not laid
        CartePosee,   // the next card of the draw was laid (perhaps the last one)
        ChoixMaison,  // houses complete: the house of that card is now shown
        ChoixHorizon, // bohemian spread complete: the horizon of that card is now shown
    };
    struct Clic {
        Effet effet = Effet::Rien;
        int emplacement = 0;  // the slot laid (1..10), or the house or horizon chosen
        int carte = 0;        // the card number shown there
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
    // A click on deck card d (1..22). The click that lays the last card completes the spread,
    // here and nowhere else: the cross draws the deck card that carries its synthesis card, then
    // its lucky numbers (with `options`); the houses and the bohemian spread draw the house or
    // horizon shown first.
    Clic cliquerCarte(int d, Hasard& hasard, const OptionsChance& options);
    // The lucky numbers of a complete reading, drawn anew from its laid cards with `options`;
    // cacherNumerosChance() takes them off. Nothing happens before completion.
    void montrerNumerosChance(Hasard& hasard, const OptionsChance& options);
    void cacherNumerosChance();

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

    // What the last click on a deck card did.
    const Clic& dernierClic() const { return dernierClic_; }
    // The deck card (1..22) that carries the cross's synthesis card to the centre; 0 until the
    // cross is complete.
    int porteurSynthese() const { return porteurSynthese_; }

    // The lucky numbers on show, empty when none are.
    bool numerosAffiches() const { return !numeros_.empty(); }
    const std::vector<int>& numerosChance() const { return numeros_; }
    // "33 - 16 - 45 - 10 - 21 - 8", and "Vos 6 numéros de la chance de 1 à 49" in language 1
    // or 2 (Windows-1252 bytes); both empty when no numbers are on show.
    std::string texteNumerosChance() const;
    std::string descriptionNumerosChance(int langue) const;

    // The face-up cards of the current draw (the cross's synthesis card is not one of them).
    std::vector<int> cartesDuTirageCourant() const;
    // The card laid at slot n of the current draw.
    int carteDeLEmplacement(int n) const;

private:
    Clic poser(int d, Hasard& hasard, const OptionsChance& options);
    void commencer(TypeTirage type);
    void composer(const Textes& textes);
    void terminer(Hasard& hasard, const OptionsChance& options);
    int tirerPorteurSynthese(Hasard& hasard) const;

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
    Clic dernierClic_{};
    int porteurSynthese_ = 0;
    std::vector<int> numeros_;
    OptionsChance optionsNumeros_{}; // those the numbers on show were drawn with
};

} // namespace lunespiral
