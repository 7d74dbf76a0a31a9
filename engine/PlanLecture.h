#pragma once
// What a reading says and in which order: its title, its laid cards and, once the spread is
// complete, each text under its heading. The plain-text copy and the printed page both follow
// it, so they never disagree on a heading or an order. Every string is UTF-8.

#include "EtatTirage.h"

#include <string>
#include <vector>

namespace lunespiral {

struct PlaceLue {
    std::string place; // "À gauche", "Maison 1 <--> Santé", "D'ici 1 mois"
    std::string role;  // the cross's centre: "Psyché Globale"; empty elsewhere
    int carte = 0;
};

struct PassageLu {
    std::string titre; // "Projets", "Maison 1 <--> Santé"; empty for a section's opening text
    int carte = 0;     // the card it reads, where it reads one alone (a house, a horizon)
    std::string texte; // empty when its data file is missing
};

struct SectionLue {
    std::string titre; // "--- PRESENT ---", "Psyché Globale"; empty for the houses and horizons
    std::vector<int> cartes; // the cards it reads together
    std::vector<PassageLu> passages;
};

struct PlanLecture {
    TypeTirage type = TypeTirage::Aucun;
    std::string titre;            // "TIRAGE EN CROIX"
    std::vector<PlaceLue> places; // the laid cards in slot order, the cross's centre once complete
    std::vector<SectionLue> sections; // only once the spread is complete
};

// The plan of the state's current spread in language 1 or 2.
PlanLecture planDeLaLecture(const EtatTirage& etat, int langue);

// A card's name, UTF-8.
std::string nomCarteLu(int carte, int langue);

// "Numéros de la chance" / "Lucky numbers".
std::string titreNumerosLu(int langue);

} // namespace lunespiral
