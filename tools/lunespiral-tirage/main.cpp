// lunespiral-tirage: a reading in the terminal, drawn exactly as the desktop program draws it.

#include "ArgumentsTirage.h"
#include "EtatTirage.h"
#include "Hasard.h"
#include "SortieTirage.h"

#include <iostream>
#include <string>
#include <vector>

using namespace lunespiral;

int main(int argc, char** argv) {
    ArgumentsTirage arguments;
    try {
        arguments = analyserArguments(std::vector<std::string>(argv + 1, argv + argc),
                                      langueDeLEnvironnement());
    } catch (const ErreurArguments& e) {
        std::cerr << "lunespiral-tirage: " << e.what() << "\n" << usageTirage();
        return 2;
    }
    if (arguments.commande == Commande::Aide) {
        std::cout << usageTirage();
        return 0;
    }
    if (arguments.commande == Commande::Chance) {
        std::cerr << "lunespiral-tirage: chance: the lucky numbers are not part of this build\n";
        return 2;
    }

    Hasard& hasard = Hasard::commun();
    if (arguments.graine) hasard.graine = *arguments.graine;
    else hasard.initialiser();
    const std::uint32_t graine = hasard.graine;

    // Lay the cards one after another, as a user would: the completion draw follows at once.
    EtatTirage etat;
    const TypeTirage type = typeDeLaCommande(arguments.commande);
    etat.choisirTirageSansAmorcer(type, hasard);
    for (int d = 1; d <= nbCartesDuTirage(type); ++d) etat.cliquerCarte(d, hasard);

    std::cout << (arguments.json ? lectureJson(etat, graine, arguments.langue) + "\n"
                                 : lectureTexte(etat, graine, arguments.langue));
    return 0;
}
