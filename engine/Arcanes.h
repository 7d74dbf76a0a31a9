#pragma once
// The 22 major arcana in their fixed order, 1 Le Bateleur ... 21 Le Monde, 22 Le Mat.

#include "Hasard.h"
#include "Tableau.h"

#include <string>

namespace lunespiral {

constexpr int nbArcanes = 22;

inline bool estCarte(int carte) {
    return carte >= 1 && carte <= nbArcanes;
}

// The card's name in language 1 (French) or 2 (English), as Windows-1252 bytes.
// A card or language out of range is a range error.
const std::string& nomArcane(int carte, int langue);

// Cards already drawn in the spread being drawn; draws distinct cards over them.
class CartesSorties {
public:
    bool estSortie(int carte) const { return sortie_[carte]; }
    void marquer(int carte) { sortie_[carte] = true; }
    int nombre() const;

    // A random card not drawn yet in this spread, then marked. Rejected draws use up
    // generator steps, as they always have.
    int tirerDistincte(Hasard& hasard);

private:
    Tab<bool, nbArcanes> sortie_{};
};

} // namespace lunespiral
