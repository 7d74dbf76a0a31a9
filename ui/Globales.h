#pragma once
// The process-wide values of the program: the scale of the screen, where the program lives,
// its title, its settings key and the language. The windows are handed what they work with
// (see Collaborateurs.h); these values are only read where no window is at hand.

#include <QString>

#include <string>

namespace lunespiral {

inline double echelleX = 0;         // screen width / 800
inline double echelleY = 0;         // screen height / 600
inline QString repertoireProgramme; // ends with a separator
inline QString titreProgramme;      // "LUNESPIRAL 2000"
inline QString cleRegistre;         // "Software\Ludicorium\LUNESPIRAL 2000\"
inline int langue = 0;              // 0 until chosen, then 1 French or 2 English

// Nearest integer, an exact half going to the even neighbour.
int arrondi(double v);

// The one door from the engine's Windows-1252 bytes to the screen.
QString versQString(const std::string& cp1252);

} // namespace lunespiral
