// lunespiral-tirage: a reading in the terminal, drawn exactly as the desktop program draws it.

#include "ArgumentsTirage.h"
#include "EtatTirage.h"
#include "Fichiers.h"
#include "Hasard.h"
#include "Langue.h"
#include "NumerosChance.h"
#include "OptionsChance.h"
#include "SortieTirage.h"
#include "Textes.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <string>
#include <sys/ioctl.h>
#include <unistd.h>
#include <vector>

using namespace lunespiral;

namespace {

// A closed standard output would be handed to the next file opened, and the reading written
// into it: a descriptor that is closed is held by /dev/null, opened read-only so that a write
// to it still fails and is reported.
void tenirLesSortiesFermees() {
    for (const int fd : {STDOUT_FILENO, STDERR_FILENO})
        if (::fcntl(fd, F_GETFD) < 0 && errno == EBADF) {
            const int nul = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
            if (nul >= 0 && nul != fd) {
                ::dup2(nul, fd);
                ::close(nul);
            }
        }
}

// Everything goes out, or the program says so and fails: a script must not take a lost
// reading for an empty one.
int ecrire(const std::string& texte, int langue) {
    std::fwrite(texte.data(), 1, texte.size(), stdout);
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return 0;
    const std::string cause = std::strerror(errno);
    std::cerr << (langue == langueFrancais
                      ? "lunespiral-tirage : écriture impossible sur la sortie standard ("
                      : "lunespiral-tirage: cannot write to standard output (")
              << cause << ")\n";
    return 1;
}

int largeurDuTerminal() {
    winsize taille{};
    if (::isatty(STDOUT_FILENO) && ::ioctl(STDOUT_FILENO, TIOCGWINSZ, &taille) == 0 &&
        taille.ws_col > 0)
        return std::min<int>(taille.ws_col, 100);
    if (const char* colonnes = std::getenv("COLUMNS")) {
        const int n = std::atoi(colonnes);
        if (n >= 20) return std::min(n, 100);
    }
    return 80;
}

} // namespace

int main(int argc, char** argv) {
    tenirLesSortiesFermees();
    ArgumentsTirage arguments;
    try {
        arguments = analyserArguments(std::vector<std::string>(argv + 1, argv + argc),
                                      langueDeLEnvironnement());
    } catch (const ErreurArguments& e) {
        std::cerr << "lunespiral-tirage: " << echapperControles(e.what()) << "\n" << usageTirage();
        return 2;
    }
    if (arguments.commande == Commande::Aide) return ecrire(usageTirage(), arguments.langue);

    Hasard& hasard = Hasard::commun();
    if (arguments.graine)
        hasard.graine = *arguments.graine;
    else
        hasard.initialiser();
    const std::uint32_t graine = hasard.graine;

    if (arguments.commande == Commande::Chance) {
        const auto numeros = tirerNumerosChance(hasard, arguments.nombre, arguments.minimum,
                                                arguments.maximum, arguments.cartes);
        const auto description = descriptionNumerosChance(arguments.langue, arguments.nombre,
                                                          arguments.minimum, arguments.maximum);
        return ecrire(arguments.json ? chanceJson(numeros, description) + "\n"
                                     : chanceTexte(numeros, description),
                      arguments.langue);
    }

    // The data files lie beside the program, wherever it was started from; never in the
    // current directory by default.
    std::string repertoire = arguments.repertoire;
    if (repertoire.empty()) {
        const auto programme = repertoireDeLExecutable();
        if (!programme) {
            std::cerr << (arguments.langue == langueFrancais
                              ? "lunespiral-tirage : le dossier du programme est introuvable ; "
                                "indiquez celui des fichiers de données avec --repertoire.\n"
                              : "lunespiral-tirage: the program's folder cannot be found; "
                                "give the data files' folder with --repertoire.\n");
            return 1;
        }
        repertoire = *programme;
    }
    if (repertoire.back() != '/') repertoire += '/';

    EtatTirage etat;
    try {
        Textes& textes = Textes::communs();
        textes.chargerTextes(arguments.langue, repertoire);
        // Lay the cards one after another, as a user would: the completion draw follows at once.
        const TypeTirage type = typeDeLaCommande(arguments.commande);
        etat.choisirTirageSansAmorcer(type, hasard, textes, arguments.cartes);
        for (int d = 1; d <= nbCartesDuTirage(type); ++d)
            etat.cliquerCarte(d, hasard, optionsParDefaut);
        // The lucky numbers have a command of their own; the reading printed leaves them out.
        etat.cacherNumerosChance();
    } catch (const std::runtime_error& e) {
        // The program's own message, as the desktop program shows it.
        std::cerr << "lunespiral-tirage: " << e.what() << "\n";
        return 1;
    }

    return ecrire(arguments.json
                      ? lectureJson(etat, graine, arguments.langue) + "\n"
                      : lectureTexte(etat, graine, arguments.langue, largeurDuTerminal()),
                  arguments.langue);
}
