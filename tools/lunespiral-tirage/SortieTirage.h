#pragma once
// What lunespiral-tirage prints: one JSON object on one line, or a reading laid out for a
// terminal. Both in UTF-8.

#include "EtatTirage.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace lunespiral {

std::string chaineJson(std::string_view utf8);

// The complete draw of the state's current spread, started from `graine`.
std::string lectureJson(const EtatTirage& etat, std::uint32_t graine, int langue);
std::string lectureTexte(const EtatTirage& etat, std::uint32_t graine, int langue);

} // namespace lunespiral
