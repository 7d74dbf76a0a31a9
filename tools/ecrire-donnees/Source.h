#pragma once
// Reading the UTF-8 sources of the data files: every refusal names the file and the line, so
// that whoever edits the texts can go straight to the fault.

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace lunespiral {

// A source the writer refuses; the message reads "file:line: what is wrong".
class ErreurSource : public std::runtime_error {
public:
    ErreurSource(const std::string& fichier, int ligne, const std::string& motif);
    ErreurSource(const std::string& fichier, const std::string& motif);
};

// One line of a source file, with where it comes from.
struct LigneSource {
    std::string fichier; // the file's name, as messages show it
    int numero = 0;      // 1-based
    std::string texte;   // without the line end

    [[noreturn]] void refuser(const std::string& motif) const;
};

// The longest text a 255-byte field can hold with its NUL.
constexpr std::size_t longueurMaxTexte = 254;

// Every line of a UTF-8 text file (a leading byte-order mark and CR before LF are dropped).
// Throws ErreurSource when the file cannot be read.
std::vector<LigneSource> lireLignes(const std::filesystem::path& chemin);

// A comment ('#' first) or a line of blanks: skipped by every source format.
bool estIgnoree(const LigneSource& ligne);

// The text in Windows-1252, refused (naming `origine`) when it holds a character the code page
// cannot carry or a control character, or is empty.
std::string versCp1252(const std::string& utf8, const LigneSource& origine);

// As versCp1252, and at most longueurMaxTexte bytes.
std::string texteDeChamp(const std::string& utf8, const LigneSource& origine);

// The text without the blanks (spaces, tabs) around it.
std::string sansBlancsAutour(const std::string& texte);

// The present and future texts of one record, in Windows-1252.
struct TextesEnreg {
    std::string present;
    std::string futur;
};

// One record as read, with the line each text came from, so that later checks can name it.
struct EnregLu {
    TextesEnreg textes;
    LigneSource lignePresent;
    LigneSource ligneFutur;
};

// One number of a record header: its name, for messages, and its bounds 1..max.
struct ChampEnTete {
    const char* nom;
    int max;
};

// A record's header as the sources write it: "[2 3 1 4]".
std::string enTete(const std::vector<int>& nombres);

// The text sources: records made of a header of numbers, "[2 3 1 4]", then a "present: " line
// and a "futur: " line, each text checked with texteDeChamp once its typography is set right in
// case a source slipped (a straight apostrophe after a letter becomes ’; in French, `langue` 1,
// a plain space before : ; ? ! or inside « » becomes a no-break space). Every record the header
// allows appears exactly once, in any order; the result is in the order of the numbers, the
// first outermost. Throws ErreurSource naming the file and line of the first fault.
std::vector<EnregLu> lireEnregistrements(const std::filesystem::path& chemin,
                                         const std::vector<ChampEnTete>& champs, int langue);

} // namespace lunespiral
