#pragma once
// Where the program lives: its data files and help files lie beside it.

#include <QString>

namespace lunespiral {

// The program's directory, ending with '/', as a path Qt can open. It comes from the
// executable itself; a directory whose name Qt cannot write (not UTF-8) is reached through a
// descriptor held open for the run. Empty only when the system does not say where the
// program is: never the current directory.
QString repertoireDuProgramme();

// `chemin` as a message shows it to the user: a path under the descriptor above is given by the
// directory's own name, its undecodable bytes shown as replacement characters.
QString cheminLisible(const QString& chemin);

} // namespace lunespiral
