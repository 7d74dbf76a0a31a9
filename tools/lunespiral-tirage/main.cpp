// lunespiral-tirage: a reading in the terminal, drawn exactly as the desktop program draws it.

#include "ArgumentsTirage.h"
#include "EtatTirage.h"
#include "Hasard.h"
#include "NumerosChance.h"
#include "SortieTirage.h"
#include "Textes.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <sys/ioctl.h>
#include <unistd.h>
#include <vector>

using namespace lunespiral;

namespace {

// The data files lie beside the program, wherever it was started from.
std::string repertoireDuProgramme() {
    std::error_code erreur;
    const auto programme = std::filesystem::canonical("/proc/self/exe", erreur);
    if (erreur) return "./";
    return programme.parent_path().string() + "/";
}

int largeurDuTerminal() {
    winsize taille{};
    if (::isatty(STDOUT_FILENO) && ::ioctl(STDOUT_FILENO, TIOCGWINSZ, &taille) == 0 && taille.ws_col > 0)
        return std::min<int>(taille.ws_col, 100);
    if (const char* colonnes = std::getenv("COLUMNS")) {
        const int n = std::atoi(colonnes);
        if (n >= 20) return std::min(n, 100);
    }
    return 80;
}

} // namespace

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

    Hasard& hasard = Hasard::commun();
    if (arguments.graine) hasard.graine = *arguments.graine;
    else hasard.initialiser();
    const std::uint32_t graine = hasard.graine;

    if (arguments.commande == Commande::Chance) {
        const auto numeros = tirerNumerosChance(hasard, arguments.nombre, arguments.minimum,
                                                arguments.maximum, arguments.cartes);
        const auto description = descriptionNumerosChance(arguments.langue, arguments.nombre,
                                                          arguments.minimum, arguments.maximum);
        std::cout << (arguments.json ? chanceJson(numeros, description) + "\n"
                                     : chanceTexte(numeros, description));
        return 0;
    }

    std::string repertoire = arguments.repertoire.empty() ? repertoireDuProgramme() : arguments.repertoire;
    if (repertoire.back() != '/') repertoire += '/';

    EtatTirage etat;
    try {
        Textes& textes = Textes::communs();
        textes.chargerTextes(arguments.langue, repertoire);
        // Lay the cards one after another, as a user would: the completion draw follows at once.
        const TypeTirage type = typeDeLaCommande(arguments.commande);
        etat.choisirTirageSansAmorcer(type, hasard, textes, arguments.cartes);
        for (int d = 1; d <= nbCartesDuTirage(type); ++d) etat.cliquerCarte(d, hasard);
    } catch (const std::runtime_error& e) {
        // The program's own message, as the desktop program shows it.
        std::cerr << "lunespiral-tirage: " << e.what() << "\n";
        return 1;
    }

    std::cout << (arguments.json ? lectureJson(etat, graine, arguments.langue) + "\n"
                                 : lectureTexte(etat, graine, arguments.langue, largeurDuTerminal()));
    return 0;
}
