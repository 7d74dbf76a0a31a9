#pragma once
// Fixed tables indexed the way the program counts: cards 1..22, slots, houses 1..10,
// horizons 1..4, variants 1..5. The bounds live here and nowhere else; an index outside them
// is a range error, never a silent read next door.

#include "Erreurs.h"

#include <array>
#include <cstddef>

namespace lunespiral {

template <typename T, int Premier, int Dernier> struct Tableau {
    static_assert(Dernier >= Premier);
    static constexpr int premier = Premier;
    static constexpr int dernier = Dernier;
    static constexpr std::size_t taille = static_cast<std::size_t>(Dernier - Premier + 1);

    std::array<T, taille> valeurs{};

    static constexpr bool contient(int i) { return i >= Premier && i <= Dernier; }

    T& operator[](int i) { return valeurs[position(i)]; }
    const T& operator[](int i) const { return valeurs[position(i)]; }

    void remplir(const T& v) { valeurs.fill(v); }
    auto begin() { return valeurs.begin(); }
    auto end() { return valeurs.end(); }
    auto begin() const { return valeurs.begin(); }
    auto end() const { return valeurs.end(); }

    friend bool operator==(const Tableau&, const Tableau&) = default;

private:
    static std::size_t position(int i) {
        if (!contient(i)) throw ErreurEtendue();
        return static_cast<std::size_t>(i - Premier);
    }
};

// The common case: 1..N.
template <typename T, int N> using Tab = Tableau<T, 1, N>;

} // namespace lunespiral
