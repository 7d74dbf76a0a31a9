#include "Hasard.h"

#include "Erreurs.h"
#include "Horloge.h"

#include <algorithm>

namespace lunespiral {

void Hasard::initialiser() {
    const HeureUtc h = Horloge::maintenant();
    graine = static_cast<std::uint32_t>(((h.heure * 60 + h.minute) * 60 + h.seconde) * 1000 +
                                        h.milliseconde);
}

int Hasard::suivant(int n) {
    // A caller asking for fewer than one value has a bug; a range error is better than a
    // redraw loop that can never end.
    if (n < 1) throw ErreurEtendue();
    graine = graine * 134775813u + 1u;
    return static_cast<int>((static_cast<std::uint64_t>(graine) * static_cast<std::uint32_t>(n)) >>
                            32);
}

int Hasard::entre1EtSauf(int n, std::initializer_list<int> exclus) {
    auto exclu = [&exclus](int v) {
        return std::find(exclus.begin(), exclus.end(), v) != exclus.end();
    };
    // With every value of 1..n excluded the loop below would never end.
    int libre = 1;
    while (libre <= n && exclu(libre)) ++libre;
    if (libre > n) throw ErreurEtendue();
    int v = 0;
    do {
        v = entre1Et(n);
    } while (exclu(v));
    return v;
}

Hasard& Hasard::commun() {
    static Hasard hasard;
    return hasard;
}

} // namespace lunespiral
