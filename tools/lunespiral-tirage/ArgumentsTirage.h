#pragma once
// The command line of lunespiral-tirage:
//   lunespiral-tirage [--graine N] [--langue fr|en] [--repertoire DIR] [--json] [--cartes
//   C1,C2,...] croix|maisons|bohemiens lunespiral-tirage [--graine N] [--json] [--langue fr|en]
//   chance --cartes C1,C2,... [--options NOMBRE,MIN,MAX]

#include "OptionsChance.h"
#include "Tirages.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace lunespiral {

// A bad argument; the message names it and is shown on one line before the usage.
class ErreurArguments : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class Commande { Aide, Croix, Maisons, Bohemiens, Chance };

struct ArgumentsTirage {
    Commande commande = Commande::Aide;
    std::optional<std::uint32_t> graine; // none: seeded from the clock
    int langue = 0;                      // 1 French, 2 English
    std::string repertoire;              // empty: the program's own directory
    bool json = false;
    std::vector<int> cartes; // the laid cards (chance), or a real deck's (spreads)
    int nombre = optionsParDefaut.optionNbNumerosDeLaChance; // chance: the options
    int minimum = optionsParDefaut.optionMinRange;
    int maximum = optionsParDefaut.optionMaxRange;
};

// The language the environment asks for: LC_ALL, LC_MESSAGES or LANG, the first one set;
// French when it starts with "fr", English otherwise.
int langueDeLEnvironnement();

// Throws ErreurArguments. `langueParDefaut` stands when --langue is not given.
ArgumentsTirage analyserArguments(const std::vector<std::string>& arguments, int langueParDefaut);

std::string usageTirage();

TypeTirage typeDeLaCommande(Commande commande);

} // namespace lunespiral
