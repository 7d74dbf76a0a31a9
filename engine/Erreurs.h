#pragma once
// The engine reports its few failures by these exceptions; their message is the one the user
// reads, in French whatever the language, as the program always did. One handler in the
// application object shows them, whichever they are: it catches their common base.

#include <stdexcept>
#include <string>

namespace lunespiral {

class ErreurProgramme : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ErreurEtendue : public ErreurProgramme {
public:
    ErreurEtendue() : ErreurProgramme("Erreur de vérification d'étendue") {}
};

class ErreurLecture : public ErreurProgramme {
public:
    ErreurLecture() : ErreurProgramme("Lecture au delà de la fin de fichier") {}
};

// The settings store could not read or write a value; the message names the value.
class ErreurReglages : public ErreurProgramme {
public:
    using ErreurProgramme::ErreurProgramme;
};

} // namespace lunespiral
