#pragma once
// Lucky numbers: a few distinct numbers in a range, partly taken over from the card numbers of
// the reading on the table, the rest drawn with a bias that keeps the list balanced.

#include "Hasard.h"

#include <string>
#include <vector>

namespace lunespiral {

constexpr int nbNumerosMax = 10;
constexpr int valeurNumeroMax = 500;

// `cartes` are the laid cards of the current draw (4 or 10 distinct card numbers). The bounds
// may come in either order: the numbers are drawn from the smaller to the larger one.
std::vector<int> tirerNumerosChance(Hasard& hasard, int nombre, int minimum, int maximum,
                                    const std::vector<int>& cartes);

// "33 - 16 - 45 - 10 - 21 - 8"
std::string texteNumerosChance(const std::vector<int>& numeros);

// "Vos 6 numéros de la chance de 1 à 49" / "Your 6 lucky numbers from 1 to 49",
// as Windows-1252 bytes; the range from its smaller bound to its larger, as drawn.
std::string descriptionNumerosChance(int langue, int nombre, int minimum, int maximum);

} // namespace lunespiral
