#pragma once
// A reading laid out as plain text (UTF-8): what lunespiral-tirage prints in a terminal and
// what the main window copies to the clipboard.

#include "EtatTirage.h"

#include <string>
#include <string_view>

namespace lunespiral {

// The reading of the state's current spread in language 1 or 2, wrapped to `largeur`
// characters. While the cards are being picked only the laid ones are listed; once complete,
// every text follows. The lucky numbers on show, if any, close it.
std::string texteDeLaLecture(const EtatTirage& etat, int langue, int largeur);

// Words of `utf8` wrapped to lines of at most `largeur` characters, each starting with
// `retrait` spaces. A word longer than a line stands alone on its line.
std::string envelopper(std::string_view utf8, int largeur, int retrait);

} // namespace lunespiral
