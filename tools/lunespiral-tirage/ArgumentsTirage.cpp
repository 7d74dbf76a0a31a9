#include "ArgumentsTirage.h"

#include "Arcanes.h"
#include "Langue.h"
#include "OptionsChance.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdlib>
#include <limits>

namespace lunespiral {

namespace {

// A whole decimal number, digits only, within [min, max].
std::optional<long long> nombreEntier(const std::string& texte, long long min, long long max) {
    if (texte.empty() || texte.size() > 19 ||
        !std::all_of(texte.begin(), texte.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    long long valeur = 0;
    const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), valeur);
    if (erreur != std::errc() || fin != texte.data() + texte.size()) return std::nullopt;
    if (valeur < min || valeur > max) return std::nullopt;
    return valeur;
}

std::vector<std::string> decouper(const std::string& texte) {
    std::vector<std::string> morceaux;
    std::string::size_type debut = 0;
    while (true) {
        const auto virgule = texte.find(',', debut);
        morceaux.push_back(texte.substr(debut, virgule - debut));
        if (virgule == std::string::npos) break;
        debut = virgule + 1;
    }
    return morceaux;
}

std::vector<int> lireCartes(const std::string& valeur) {
    std::vector<int> cartes;
    for (const auto& morceau : decouper(valeur)) {
        const auto carte = nombreEntier(morceau, 1, nbArcanes);
        if (!carte)
            throw ErreurArguments("--cartes: \"" + morceau + "\" is not a card number 1..22");
        if (std::find(cartes.begin(), cartes.end(), *carte) != cartes.end())
            throw ErreurArguments("--cartes: card " + morceau + " is given twice");
        cartes.push_back(static_cast<int>(*carte));
    }
    if (cartes.size() != 4 && cartes.size() != 10)
        throw ErreurArguments(
            "--cartes: 4 cards (cross, bohemian) or 10 cards (houses) are needed, not " +
            std::to_string(cartes.size()));
    return cartes;
}

void lireOptions(const std::string& valeur, ArgumentsTirage& a) {
    const auto morceaux = decouper(valeur);
    if (morceaux.size() != 3)
        throw ErreurArguments("--options: expected NOMBRE,MIN,MAX, got \"" + valeur + "\"");
    // Within the bounds the options dialog and the store keep to.
    const char* noms[] = {"count", "minimum", "maximum"};
    std::array<int, 3> valeurs{};
    for (std::size_t i = 0; i < valeurs.size(); ++i) {
        const Reglage& r = reglagesChance[i + 1];
        const auto v = nombreEntier(morceaux[i], r.minimum, r.maximum);
        if (!v)
            throw ErreurArguments("--options: the " + std::string(noms[i]) + " \"" + morceaux[i] +
                                  "\" must be " + std::to_string(r.minimum) + ".." +
                                  std::to_string(r.maximum));
        valeurs[i] = static_cast<int>(*v);
    }
    a.nombre = valeurs[0];
    a.minimum = valeurs[1];
    a.maximum = valeurs[2];
}

} // namespace

int langueDeLEnvironnement() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* valeur = std::getenv(variable);
        if (valeur && *valeur)
            return std::string(valeur).rfind("fr", 0) == 0 ? langueFrancais : langueAnglais;
    }
    return langueAnglais;
}

ArgumentsTirage analyserArguments(const std::vector<std::string>& arguments, int langueParDefaut) {
    ArgumentsTirage a;
    a.langue = langueParDefaut;
    std::optional<Commande> commande;
    bool cartesDonnees = false;
    bool optionsDonnees = false;

    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string argument = arguments[i];
        std::optional<std::string> valeurJointe;
        if (argument.rfind("--", 0) == 0) {
            const auto egal = argument.find('=');
            if (egal != std::string::npos) {
                valeurJointe = argument.substr(egal + 1);
                argument.resize(egal);
            }
        }
        auto valeur = [&]() -> std::string {
            if (valeurJointe) return *valeurJointe;
            if (i + 1 >= arguments.size()) throw ErreurArguments(argument + ": a value is missing");
            return arguments[++i];
        };

        if (argument == "--help" || argument == "-h") {
            a.commande = Commande::Aide;
            return a;
        } else if (argument == "--json" && !valeurJointe) {
            a.json = true;
        } else if (argument == "--graine") {
            const std::string v = valeur();
            const auto graine = nombreEntier(v, 0, std::numeric_limits<std::uint32_t>::max());
            if (!graine)
                throw ErreurArguments("--graine: \"" + v + "\" is not a number 0..4294967295");
            a.graine = static_cast<std::uint32_t>(*graine);
        } else if (argument == "--langue") {
            const std::string v = valeur();
            if (v == "fr")
                a.langue = langueFrancais;
            else if (v == "en")
                a.langue = langueAnglais;
            else
                throw ErreurArguments("--langue: \"" + v + "\" is not fr or en");
        } else if (argument == "--repertoire") {
            a.repertoire = valeur();
            if (a.repertoire.empty()) throw ErreurArguments("--repertoire: the directory is empty");
        } else if (argument == "--cartes") {
            a.cartes = lireCartes(valeur());
            cartesDonnees = true;
        } else if (argument == "--options") {
            lireOptions(valeur(), a);
            optionsDonnees = true;
        } else if (argument.rfind("-", 0) == 0 && argument.size() > 1) {
            throw ErreurArguments(argument + ": unknown option");
        } else {
            if (commande) throw ErreurArguments(argument + ": only one spread or command, please");
            if (argument == "croix")
                commande = Commande::Croix;
            else if (argument == "maisons")
                commande = Commande::Maisons;
            else if (argument == "bohemiens")
                commande = Commande::Bohemiens;
            else if (argument == "chance")
                commande = Commande::Chance;
            else
                throw ErreurArguments("\"" + argument +
                                      "\": unknown spread (croix, maisons, bohemiens or chance)");
        }
    }

    if (!commande) throw ErreurArguments("no spread given (croix, maisons, bohemiens or chance)");
    a.commande = *commande;
    if (a.commande == Commande::Chance) {
        if (!cartesDonnees) throw ErreurArguments("chance: --cartes C1,C2,... is required");
    } else {
        // A reading made with a real deck: its laid cards, as many as the spread lays.
        const auto attendues =
            static_cast<std::size_t>(nbCartesDuTirage(typeDeLaCommande(a.commande)));
        if (cartesDonnees && a.cartes.size() != attendues)
            throw ErreurArguments("--cartes: this spread lays " + std::to_string(attendues) +
                                  " cards, not " + std::to_string(a.cartes.size()));
        if (optionsDonnees) throw ErreurArguments("--options: only with chance");
    }
    return a;
}

std::string usageTirage() {
    return "usage: lunespiral-tirage [--graine N] [--langue fr|en] [--repertoire DIR] [--json] "
           "[--cartes C1,C2,...] croix|maisons|bohemiens\n"
           "       lunespiral-tirage [--graine N] [--json] [--langue fr|en] chance --cartes "
           "C1,C2,... [--options NOMBRE,MIN,MAX]\n";
}

TypeTirage typeDeLaCommande(Commande commande) {
    switch (commande) {
    case Commande::Croix:
        return TypeTirage::EnCroix;
    case Commande::Maisons:
        return TypeTirage::DixMaisons;
    case Commande::Bohemiens:
        return TypeTirage::Bohemiens;
    case Commande::Aide:
    case Commande::Chance:
        break;
    }
    return TypeTirage::Aucun;
}

} // namespace lunespiral
