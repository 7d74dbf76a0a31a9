#pragma once
// The UTC time of day that seeds the generator. Tests pin it; the program reads the system clock.

#include <functional>

namespace lunespiral {

struct HeureUtc {
    int heure = 0;        // 0..23
    int minute = 0;       // 0..59
    int seconde = 0;      // 0..59
    int milliseconde = 0; // 0..999
};

class Horloge {
public:
    static HeureUtc maintenant();
    // An empty function gives the system clock back.
    static void remplacer(std::function<HeureUtc()> source);
};

} // namespace lunespiral
