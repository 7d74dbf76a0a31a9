#include "Cp1252.h"

#include <array>
#include <cstdint>
#include <stdexcept>

namespace lunespiral {

namespace {

// 0x80..0x9F; everything else is Latin-1. The five holes map to the C1 control of the same value.
constexpr std::array<char32_t, 32> zoneC1 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

char32_t versUnicode(unsigned char c) {
    if (c >= 0x80 && c <= 0x9F) return zoneC1[c - 0x80];
    return c;
}

std::optional<unsigned char> versOctet(char32_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<unsigned char>(u);
    for (std::size_t i = 0; i < zoneC1.size(); ++i)
        if (zoneC1[i] == u) return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

void ajouterUtf8(std::string& sortie, char32_t u) {
    if (u < 0x80) {
        sortie += static_cast<char>(u);
    } else if (u < 0x800) {
        sortie += static_cast<char>(0xC0 | (u >> 6));
        sortie += static_cast<char>(0x80 | (u & 0x3F));
    } else {
        sortie += static_cast<char>(0xE0 | (u >> 12));
        sortie += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        sortie += static_cast<char>(0x80 | (u & 0x3F));
    }
}

} // namespace

std::string cp1252VersUtf8(std::string_view octets) {
    std::string sortie;
    sortie.reserve(octets.size() + octets.size() / 4);
    for (char c : octets) ajouterUtf8(sortie, versUnicode(static_cast<unsigned char>(c)));
    return sortie;
}

std::optional<char32_t> caractereUtf8(std::string_view utf8, std::size_t& position) {
    std::size_t i = position;
    if (i >= utf8.size()) return std::nullopt;
    const auto premier = static_cast<unsigned char>(utf8[i++]);
    char32_t u = 0;
    int suite = 0;
    if (premier < 0x80) {
        u = premier;
    } else if ((premier & 0xE0) == 0xC0) {
        u = premier & 0x1F;
        suite = 1;
    } else if ((premier & 0xF0) == 0xE0) {
        u = premier & 0x0F;
        suite = 2;
    } else if ((premier & 0xF8) == 0xF0) {
        u = premier & 0x07;
        suite = 3;
    } else {
        return std::nullopt;
    }
    for (int k = 0; k < suite; ++k) {
        if (i >= utf8.size()) return std::nullopt;
        const auto c = static_cast<unsigned char>(utf8[i++]);
        if ((c & 0xC0) != 0x80) return std::nullopt;
        u = (u << 6) | (c & 0x3F);
    }
    // Overlong forms would smuggle in characters by another spelling: refuse them.
    static constexpr std::array<char32_t, 4> minimum = {0, 0x80, 0x800, 0x10000};
    if (u < minimum[static_cast<std::size_t>(suite)]) return std::nullopt;
    position = i;
    return u;
}

std::optional<std::string> utf8VersCp1252(std::string_view utf8, std::size_t* positionErreur) {
    std::string sortie;
    sortie.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::size_t debut = i;
        const auto u = caractereUtf8(utf8, i);
        const auto octet = u ? versOctet(*u) : std::nullopt;
        if (!octet) {
            if (positionErreur) *positionErreur = debut;
            return std::nullopt;
        }
        sortie += static_cast<char>(*octet);
    }
    return sortie;
}

std::string cp1252(std::string_view utf8) {
    auto resultat = utf8VersCp1252(utf8);
    if (!resultat) throw std::logic_error("texte hors de Windows-1252 : " + std::string(utf8));
    return *resultat;
}

} // namespace lunespiral
