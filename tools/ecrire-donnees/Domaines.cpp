#include "Domaines.h"

namespace lunespiral {

TextesDomainesSource lireDomaines(const std::filesystem::path& chemin, int langue) {
    const auto enregs = lireEnregistrements(
        chemin, {{"domaine", 4}, {"ligne", 4}, {"colonne", 3}, {"variante", 5}}, langue);
    TextesDomainesSource textes;
    for (std::size_t r = 0; r < textes.size(); ++r) textes[r] = enregs[r].textes;
    return textes;
}

} // namespace lunespiral
