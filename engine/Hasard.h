#pragma once
// The program's one random source: a 32-bit linear congruential generator, written out by hand
// so that a reading is the same for the same state on every machine and every library.

#include <cstdint>
#include <initializer_list>

namespace lunespiral {

class Hasard {
public:
    std::uint32_t graine = 0;

    // Seeds from the UTC time of day in milliseconds (0..86 399 999); the date plays no part.
    void initialiser();

    // One step; returns 0..n-1. n must be at least 1.
    int suivant(int n);

    // One step; returns 1..n.
    int entre1Et(int n) { return suivant(n) + 1; }

    // entre1Et(n) again and again until the result is none of `exclus`.
    int entre1EtSauf(int n, std::initializer_list<int> exclus);

    // The process-wide instance that every reading, mosaic, star field and lucky number shares.
    static Hasard& commun();
};

} // namespace lunespiral
