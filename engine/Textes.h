#pragma once
// Every text a reading shows: the built-in card table (name and general meaning of each
// arcanum) and the two data files of the chosen language, the domain texts and the pair
// records; and the rules that turn a draw into its texts.

#include "ChampTexte.h"
#include "Tableau.h"
#include "Tirages.h"

#include <cstdint>
#include <memory>
#include <string>

namespace lunespiral {

// Life domains as the data files number them (the cross lists them in another order).
enum Domaine : int { Sante = 1, RelationsPersonnelles = 2, Projets = 3, Amour = 4 };
constexpr int nbDomaines = 4;
constexpr int nbLignes = 4;
constexpr int nbColonnes = 3;

struct EntreeCarte {
    ChampTexte<20> nom;
    ChampTexte<255> signification;
};

struct EnregDomaine {
    ChampTexte<255> textePresent;
    ChampTexte<255> texteFutur;
    static constexpr std::size_t taille = 510;
};

struct EnregPaire {
    ChampTexte<255> textePresent;
    ChampTexte<255> texteFutur;
    Tab<std::int32_t, nbDomaines> ligne{};   // 1..4 when valid
    Tab<std::int32_t, nbDomaines> colonne{}; // 1..3 when valid
    static constexpr std::size_t taille = 544;
};

struct TextesCroix {
    std::string phraseGlobale;
    std::string synthesePresent;
    std::string syntheseFutur;
    Tab<std::string, nbDomainesCroix> domainesPresent; // 1 Projets, 2 Amour, 3 Santé, 4 Relations
    Tab<std::string, nbDomainesCroix> domainesFutur;
    friend bool operator==(const TextesCroix&, const TextesCroix&) = default;
};
using TextesMaisons = Tab<std::string, nbMaisons>;
using TextesHorizons = Tab<std::string, nbHorizons>;

// The data-file names of a language, looked for in the program's directory.
std::string nomFichierDomaines(int langue); // "tbb" / "tbbus"
std::string nomFichierPaires(int langue);   // "tbc" / "tbcus"

class Textes {
public:
    Textes();

    // Fills the card table with the built-in names and meanings of the language.
    void chargerTableCartes(int langue);
    // The card table, then the domain file, then the pair file, from `repertoire` (which ends
    // with a separator; empty when unknown, and then no file is read). A file that cannot be
    // opened, or is not a regular file, is skipped without a word; a short one throws
    // ErreurLecture after keeping the complete records read before it.
    void chargerTextes(int langue, const std::string& repertoire);

    // Composition writes each text into the result as soon as it is made, so that a range
    // error leaves the earlier texts new and the later ones as they were.
    void composerCroix(const TirageCroix& tirage, TextesCroix& textes) const;
    void composerMaisons(const TirageMaisons& tirage, TextesMaisons& textes) const;
    void composerBohemiens(const TirageBohemiens& tirage, TextesHorizons& textes) const;

    const EntreeCarte& carte(int c) const { return tableCartes_[c]; }
    const EnregDomaine& domaine(int d, int ligne, int colonne, int variante) const;
    const EnregPaire& paire(int a, int b) const;

    enum class Cote { Present, Futur };
    // The domain text that pair (a, b) picks for domain d with that variant.
    std::string texteDomaine(int a, int b, Domaine d, int variante, Cote cote) const;

    // The one table of the process, loaded after the language choice.
    static Textes& communs();

private:
    using TableDomaines =
        Tableau<Tab<Tab<Tab<EnregDomaine, nbVariantes>, nbColonnes>, nbLignes>, 1, nbDomaines>;
    using TablePaires = Tab<Tab<EnregPaire, 22>, 22>;

    Tab<EntreeCarte, 22> tableCartes_{};
    std::unique_ptr<TableDomaines> textesDomaines_;
    std::unique_ptr<TablePaires> paires_;
};

} // namespace lunespiral
