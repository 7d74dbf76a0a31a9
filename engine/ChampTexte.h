#pragma once
// A fixed run of Windows-1252 bytes, as the card table and the data files hold their texts:
// the text is what comes before the first NUL, or the whole field when there is none.

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>

namespace lunespiral {

template <std::size_t N> struct ChampTexte {
    std::array<char, N> octets{};

    std::string texte() const {
        const auto fin = std::find(octets.begin(), octets.end(), '\0');
        return std::string(octets.begin(), fin);
    }
};

} // namespace lunespiral
