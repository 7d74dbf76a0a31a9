#pragma once
// The pair records:
//
// - data/paires-fr.txt and data/paires-en.txt give the present and future texts of every ordered
//   pair of cards, "[a b]" then a "present: " and a "futur: " line, written pair by pair;
// - data/tonalites.txt gives each arcanum a tone (1 radiant .. 4 demanding) and a source
//   (1 you, 2 others, 3 circumstances) per domain; the pair's ligne and colonne follow from them.
//
// data/README.md describes both formats and the rule.

#include "Arcanes.h"
#include "Source.h"

#include <array>
#include <filesystem>
#include <string>

namespace lunespiral {

constexpr int nbEnregPaires = nbArcanes * nbArcanes;

struct TonsArcane {
    std::array<int, 4> tons{};    // per domain 1..4 (santé, relations, projets, amour): 1..4
    std::array<int, 4> sources{}; // per domain: 1..3
};
using Tonalites = std::array<TonsArcane, nbArcanes>; // card n at [n - 1]

Tonalites lireTonalites(const std::filesystem::path& chemin);

struct ValeursPaire {
    std::array<int, 4> ligne{};   // per domain, 1..4
    std::array<int, 4> colonne{}; // per domain, 1..3
};

// The second card weighs twice as much as the first: it is where the situation is heading.
// ligne = (ton(a) + 2 ton(b)) / 3 rounded to the nearest (a third never ties); colonne = source(b).
ValeursPaire valeursPaire(const Tonalites& tonalites, int a, int b);

// The card's name as a running text uses it: the name its label shows, without the article
// ("Impératrice", "Roue de Fortune", "Hanged Man"), in Windows-1252.
std::string nomDansLesTextes(int carte, int langue);

// Whether the Windows-1252 `texte` names the card: its name, with its capitals, as a whole word.
bool nommeCarte(const std::string& texte, int carte, int langue);

// Pair records in file order (a outer, b inner), texts in Windows-1252.
struct EnregPaireSource {
    TextesEnreg textes;
    ValeursPaire valeurs;
};
using PairesSource = std::array<EnregPaireSource, nbEnregPaires>;

// Every record of one language's pair texts, with its values. Refuses, besides what every text
// source refuses, a text that does not name both of its cards and two pairs a draw can reach
// (a != b) with the same text on one side.
PairesSource lirePaires(const std::filesystem::path& chemin, int langue,
                        const Tonalites& tonalites);

} // namespace lunespiral
