#pragma once
// What lunespiral-tirage prints: one JSON object on one line, or a reading laid out for a
// terminal. Both in UTF-8.

#include "EtatTirage.h"
#include "NumerosChance.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lunespiral {

std::string chaineJson(std::string_view utf8);
// Control characters written out as JSON does, "\u0001": a damaged data file must not drive the
// terminal. Line breaks stay; a data text never holds one (the layout turns them into spaces).
std::string echapperControles(std::string_view utf8);

// The complete reading of the state's current spread, drawn from `graine`.
std::string lectureJson(const EtatTirage& etat, std::uint32_t graine, int langue);
// Laid out for a terminal `largeur` characters wide.
std::string lectureTexte(const EtatTirage& etat, std::uint32_t graine, int langue, int largeur);

// Lucky numbers and their description.
std::string chanceJson(const std::vector<int>& numeros, const std::string& description);
std::string chanceTexte(const std::vector<int>& numeros, const std::string& description);

} // namespace lunespiral
