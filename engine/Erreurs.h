#pragma once
// The engine reports its few failures by these exceptions; their message is the one the user
// reads, in French whatever the language, as the program always did. One handler in the
// application object shows them.

#include <stdexcept>
#include <string>

namespace lunespiral {

class ErreurEtendue : public std::runtime_error {
public:
    ErreurEtendue() : std::runtime_error("Erreur de vérification d'étendue") {}
};

class ErreurLecture : public std::runtime_error {
public:
    ErreurLecture() : std::runtime_error("Lecture au delà de la fin de fichier") {}
};

// The settings store could not read or write a value; the message names the value.
class ErreurReglages : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace lunespiral
