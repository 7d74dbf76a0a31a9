// lunespiral-donnees: writes the program's data files from the UTF-8 sources in data/.
//
//   lunespiral-donnees --source DIR --sortie DIR     check everything, then write the files
//   lunespiral-donnees --source DIR --montrer A B    print the texts of pair (A, B)
//   lunespiral-donnees --source DIR --repartition    how the pairs spread over the blocks

#include "Cp1252.h"
#include "FichiersDonnees.h"
#include "Langue.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

using namespace lunespiral;

namespace {

const char* const usage = "usage: lunespiral-donnees --source DIR --sortie DIR\n"
                          "       lunespiral-donnees --source DIR --montrer A B [--langue fr|en]\n"
                          "       lunespiral-donnees --source DIR --repartition\n";

std::optional<int> carte(const std::string& texte) {
    int n = 0;
    const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), n);
    if (erreur != std::errc() || fin != texte.data() + texte.size() || n < 1 || n > nbArcanes)
        return std::nullopt;
    return n;
}

const std::array<const char*, 4> nomsDomaines = {"Santé", "Relations personnelles", "Projets",
                                                 "Amour"};

void montrer(const std::filesystem::path& source, int a, int b, const std::vector<int>& langues) {
    const ValeursPaire v = valeursPaire(lireTonalites(source / "tonalites.txt"), a, b);
    std::cout << "pair (" << a << ", " << b << ")  ligne";
    for (int l : v.ligne) std::cout << ' ' << l;
    std::cout << "  colonne";
    for (int c : v.colonne) std::cout << ' ' << c;
    std::cout << "\n";
    for (const int langue : langues) {
        const PairesSource paires = lirePairesDe(source, langue);
        const TextesEnreg& t =
            paires[static_cast<std::size_t>((a - 1) * nbArcanes + (b - 1))].textes;
        for (const bool present : {true, false}) {
            const std::string& texte = present ? t.present : t.futur;
            std::cout << (langue == langueFrancais ? "fr " : "en ")
                      << (present ? "present" : "futur  ") << " [" << texte.size() << "] "
                      << cp1252VersUtf8(texte) << "\n";
        }
    }
}

void repartition(const std::filesystem::path& source) {
    const Tonalites tonalites = lireTonalites(source / "tonalites.txt");
    std::array<std::array<std::array<int, 3>, 4>, 4> blocs{}; // [domaine][ligne][colonne]
    for (int a = 1; a <= nbArcanes; ++a)
        for (int b = 1; b <= nbArcanes; ++b) {
            if (a == b) continue;
            const ValeursPaire v = valeursPaire(tonalites, a, b);
            for (std::size_t d = 0; d < 4; ++d)
                ++blocs[d][static_cast<std::size_t>(v.ligne[d] - 1)]
                       [static_cast<std::size_t>(v.colonne[d] - 1)];
        }
    int atteints = 0;
    for (std::size_t d = 0; d < 4; ++d) {
        std::cout << d + 1 << " " << nomsDomaines[d] << " (the 462 pairs with a != b)\n"
                  << "           de vous  des autres  circonstances   total\n";
        for (std::size_t l = 0; l < 4; ++l) {
            int total = 0;
            std::cout << "  ligne " << l + 1 << " ";
            for (std::size_t c = 0; c < 3; ++c) {
                const int n = blocs[d][l][c];
                total += n;
                if (n > 0) ++atteints;
                std::cout << (c == 0 ? "  " : "    ")
                          << std::string(8 - std::to_string(n).size(), ' ') << n;
            }
            std::cout << "    " << std::string(4 - std::to_string(total).size(), ' ') << total
                      << "\n";
        }
        int plein = 0, vide = 462;
        for (const auto& ligne : blocs[d])
            for (const int n : ligne) {
                plein = std::max(plein, n);
                vide = std::min(vide, n);
            }
        std::cout << "  fullest block " << plein << ", emptiest " << vide
                  << " (at most 77: a sixth)\n";
    }
    std::cout << atteints << " of 48 blocks reached\n";
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string source, sortie, langue;
    std::optional<std::pair<int, int>> paire;
    bool voirRepartition = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto valeur = [&]() -> std::string {
            if (i + 1 >= args.size()) {
                std::cerr << "lunespiral-donnees: " << a << " needs a value\n" << usage;
                std::exit(2);
            }
            return args[++i];
        };
        if (a == "--source")
            source = valeur();
        else if (a == "--sortie")
            sortie = valeur();
        else if (a == "--langue")
            langue = valeur();
        else if (a == "--repartition")
            voirRepartition = true;
        else if (a == "--montrer") {
            const auto premiere = carte(valeur()), seconde = carte(valeur());
            if (!premiere || !seconde) {
                std::cerr << "lunespiral-donnees: --montrer needs two card numbers 1..22\n"
                          << usage;
                return 2;
            }
            paire = std::pair{*premiere, *seconde};
        } else if (a == "--aide" || a == "--help" || a == "-h") {
            std::cout << usage;
            return 0;
        } else {
            std::cerr << "lunespiral-donnees: unknown argument \"" << a << "\"\n" << usage;
            return 2;
        }
    }
    const int actions = (sortie.empty() ? 0 : 1) + (paire ? 1 : 0) + (voirRepartition ? 1 : 0);
    if (source.empty() || actions != 1 || (!langue.empty() && langue != "fr" && langue != "en")) {
        std::cerr << usage;
        return 2;
    }

    try {
        if (paire) {
            std::vector<int> langues;
            if (langue != "en") langues.push_back(langueFrancais);
            if (langue != "fr") langues.push_back(langueAnglais);
            montrer(source, paire->first, paire->second, langues);
        } else if (voirRepartition) {
            repartition(source);
        } else {
            produireDonnees(source, sortie);
        }
    } catch (const std::exception& e) {
        std::cerr << "lunespiral-donnees: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
