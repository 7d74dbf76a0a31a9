#pragma once
// What the main window works with, handed to it by the start-up code (or a test): the reading
// it shows, the generator that draws it, the texts it is composed from, the lucky-number
// options and the picture service. The window reaches for nothing else of the process.

namespace lunespiral {

class EtatTirage;
class Hasard;
class Textes;
struct OptionsChance;
class ServiceImages;

struct Collaborateurs {
    EtatTirage& etat;
    Hasard& hasard;
    Textes& textes;
    OptionsChance& options;
    ServiceImages& images;
};

} // namespace lunespiral
