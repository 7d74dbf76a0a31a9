#pragma once
// The domain texts: data/domaines-fr.txt and data/domaines-en.txt, 240 records each.
//
//   [domaine ligne colonne variante]
//   present: text
//   futur: text

#include "Source.h"

#include <array>
#include <filesystem>
#include <string>

namespace lunespiral {

struct TexteDomaine {
    std::string present; // Windows-1252 bytes
    std::string futur;
};

// 4 domains × 4 lignes × 3 colonnes × 5 variants, in file order: domaine outermost,
// variante innermost.
constexpr int nbEnregDomaines = 240;
using TextesDomainesSource = std::array<TexteDomaine, nbEnregDomaines>;

constexpr int rangDomaine(int domaine, int ligne, int colonne, int variante) {
    return (((domaine - 1) * 4 + (ligne - 1)) * 3 + (colonne - 1)) * 5 + (variante - 1);
}

// Every record exactly once, in any order; throws ErreurSource naming file and line.
TextesDomainesSource lireDomaines(const std::filesystem::path& chemin);

} // namespace lunespiral
