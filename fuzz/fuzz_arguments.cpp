// The command line of lunespiral-tirage, any argument vector: the input split on NUL bytes.
// A refusal (ErreurArguments) is the expected outcome; what is accepted must be usable as it is.

#include "Arcanes.h"
#include "ArgumentsTirage.h"
#include "Langue.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

using namespace lunespiral;

namespace {

void verifier(bool condition) {
    if (!condition) __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    std::vector<std::string> arguments;
    std::string courant;
    for (std::size_t i = 0; i < taille; ++i) {
        if (donnees[i] == 0) {
            arguments.push_back(courant);
            courant.clear();
        } else {
            courant += static_cast<char>(donnees[i]);
        }
    }
    if (taille > 0) arguments.push_back(courant);

    const int langueParDefaut = taille % 2 ? langueAnglais : langueFrancais;
    ArgumentsTirage a;
    try {
        a = analyserArguments(arguments, langueParDefaut);
    } catch (const ErreurArguments& e) {
        verifier(*e.what() != '\0');
        return 0;
    }
    verifier(a.langue == langueFrancais || a.langue == langueAnglais);
    verifier(a.nombre >= 1 && a.nombre <= 10);
    verifier(a.minimum >= 1 && a.minimum <= 500 && a.maximum >= 1 && a.maximum <= 500);
    if (a.commande == Commande::Aide) return 0;
    if (a.commande == Commande::Chance) {
        verifier(a.cartes.size() == 4 || a.cartes.size() == 10);
        for (std::size_t i = 0; i < a.cartes.size(); ++i) {
            verifier(a.cartes[i] >= 1 && a.cartes[i] <= nbArcanes);
            for (std::size_t j = 0; j < i; ++j) verifier(a.cartes[i] != a.cartes[j]);
        }
    } else {
        verifier(a.cartes.empty());
        verifier(typeDeLaCommande(a.commande) != TypeTirage::Aucun);
    }
    return 0;
}
