#pragma once
// The domain texts: data/domaines-fr.txt and data/domaines-en.txt, 240 records each.
//
//   [domaine ligne colonne variante]
//   present: text
//   futur: text

#include "Source.h"

#include <array>
#include <filesystem>

namespace lunespiral {

// 4 domains × 4 lignes × 3 colonnes × 5 variants, in file order: domaine outermost,
// variante innermost.
constexpr int nbEnregDomaines = 240;
using TextesDomainesSource = std::array<TextesEnreg, nbEnregDomaines>;

// Every record exactly once, in any order; throws ErreurSource naming file and line.
TextesDomainesSource lireDomaines(const std::filesystem::path& chemin, int langue);

} // namespace lunespiral
