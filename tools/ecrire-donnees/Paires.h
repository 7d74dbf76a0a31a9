#pragma once
// The pair records, composed from per-card material rather than written 968 times by hand:
//
// - data/tonalites.txt gives each arcanum a tone (1 radiant .. 4 demanding) and a source
//   (1 you, 2 others, 3 circumstances) per domain; the pair's ligne and colonne follow from them.
// - data/cartes-fr.txt and data/cartes-en.txt give each arcanum its name forms and four
//   clauses (a scene and a follow-up, for the present and for the future), and the patterns
//   that join the first card's scene to the second card's follow-up.
//
// data/README.md describes both formats and the rule.

#include "Source.h"

#include <array>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace lunespiral {

constexpr int nbCartes = 22;
constexpr int nbEnregPaires = nbCartes * nbCartes;

enum class CotePaire { Present, Futur };

struct TonsArcane {
    std::array<int, 4> tons{};    // per domain 1..4 (santé, relations, projets, amour): 1..4
    std::array<int, 4> sources{}; // per domain: 1..3
};
using Tonalites = std::array<TonsArcane, nbCartes>; // card n at [n - 1]

Tonalites lireTonalites(const std::filesystem::path& chemin);

struct ValeursPaire {
    std::array<int, 4> ligne{};   // per domain, 1..4
    std::array<int, 4> colonne{}; // per domain, 1..3
};

// The second card weighs twice as much as the first: it is where the situation is heading.
// ligne = (ton(a) + 2 ton(b)) / 3 rounded to the nearest (a third never ties); colonne = source(b).
ValeursPaire valeursPaire(const Tonalites& tonalites, int a, int b);

class MatierePaires {
public:
    // `francais`: French typography (no-break space before : ; ? !, "que" elided before a vowel).
    static MatierePaires lire(const std::filesystem::path& chemin, bool francais);

    // The text of pair (a, b) on one side, in UTF-8: the first card's scene in the opening chosen
    // for (a, b), then the second card's follow-up in the development chosen for (a, b), moving on
    // to the next pattern while the text would not fit its field. With a == b, the "double"
    // pattern. Throws ErreurSource when no pattern fits.
    std::string composer(int a, int b, CotePaire cote) const;

    // The source line of a card's scene or follow-up clause, for messages.
    const LigneSource& ligneClause(int carte, CotePaire cote, bool scene) const;

private:
    struct Gabarits {
        std::vector<LigneSource> ouvertures;
        std::vector<LigneSource> enchainements;
        std::vector<LigneSource> doubles;
    };
    struct Champ {
        LigneSource ligne;
        std::string valeur; // the rest of the line after "key: "
    };
    using Champs = std::map<std::string, Champ>;

    std::string remplir(const LigneSource& gabarit, int carte, CotePaire cote) const;
    std::string typographie(std::string texte) const;

    bool francais_ = false;
    std::string fichier_;
    int derniereLigne_ = 0;
    std::array<Gabarits, 2> gabarits_; // [0] present, [1] futur
    std::array<Champs, nbCartes> cartes_;
};

// Pair records in file order (a outer, b inner), texts in Windows-1252.
struct EnregPaireSource {
    std::string present;
    std::string futur;
    ValeursPaire valeurs;
};
using PairesSource = std::array<EnregPaireSource, nbEnregPaires>;

// Composes every record and refuses two reachable pairs (a != b) with the same text on one side.
PairesSource composerPaires(const MatierePaires& matiere, const Tonalites& tonalites);

} // namespace lunespiral
