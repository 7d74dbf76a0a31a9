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

} // namespace lunespiral
