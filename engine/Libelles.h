#pragma once
// Names of the places of a reading (houses, horizons), as Windows-1252 bytes, for language 1
// (French) or 2 (English). Out-of-range numbers are range errors.

#include <string>

namespace lunespiral {

const std::string& nomMaison(int maison, int langue);   // 1 "Santé" .. 10 "Amour"
const std::string& nomHorizon(int horizon, int langue); // 1 "D'ici 1 mois" .. 4 "Dans 1 an..."
std::string libelleMaison(int maison, int langue);      // "Maison 1 <--> Santé"

} // namespace lunespiral
