// The built-in card meanings must fit the card table's 255-cell field and read well in the
// bottom band of the cross, in both languages.

#include "Cp1252.h"
#include "SignificationsCartes.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace lunespiral;

namespace {

struct Langue {
    const char* nom;
    const std::array<std::string_view, 22>& textes;
};

const Langue langues[] = {{"français", significationsFrancaises()},
                          {"anglais", significationsAnglaises()}};

bool estMinuscule(unsigned char c) {
    if (c >= 'a' && c <= 'z') return true;
    if (c == 0x83 || c == 0x9A || c == 0x9C || c == 0x9E) return true; // ƒ š œ ž
    return c >= 0xDF && c != 0xF7;                                     // ß à..ÿ but ÷
}

bool estMajuscule(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return true;
    if (c == 0x8A || c == 0x8C || c == 0x8E || c == 0x9F) return true; // Š Œ Ž Ÿ
    return c >= 0xC0 && c <= 0xDE && c != 0xD7;                        // À..Þ but ×
}

// Control bytes, and the five bytes the code page leaves unassigned, would show as garbage.
bool estAffichable(unsigned char c) {
    if (c < 0x20 || c == 0x7F) return false;
    return c != 0x81 && c != 0x8D && c != 0x8F && c != 0x90 && c != 0x9D;
}

} // namespace

TEST(Significations, ChaqueTexteTientDansSonChampEtSAffiche) {
    for (const Langue& l : langues) {
        ASSERT_EQ(l.textes.size(), 22u) << l.nom;
        for (std::size_t i = 0; i < l.textes.size(); ++i) {
            SCOPED_TRACE(std::string(l.nom) + ", carte " + std::to_string(i + 1));
            std::size_t position = 0;
            const auto octets = utf8VersCp1252(l.textes[i], &position);
            ASSERT_TRUE(octets.has_value())
                << "caractère hors de la page de code, octet " << position;
            ASSERT_GE(octets->size(), 134u);
            EXPECT_LE(octets->size(), 246u);
            for (unsigned char c : *octets) EXPECT_TRUE(estAffichable(c)) << int(c);
            EXPECT_TRUE(estMajuscule(static_cast<unsigned char>(octets->front())));
            EXPECT_EQ(octets->back(), '.');
            EXPECT_EQ(octets->find("  "), std::string::npos);
        }
    }
}

TEST(Significations, SontToutesDifferentes) {
    for (const Langue& l : langues) {
        const std::set<std::string_view> uniques(l.textes.begin(), l.textes.end());
        EXPECT_EQ(uniques.size(), l.textes.size()) << l.nom;
    }
    for (std::size_t i = 0; i < 22; ++i)
        EXPECT_NE(significationsFrancaises()[i], significationsAnglaises()[i]);
}

TEST(Significations, FrancaisEnTypographieSoignee) {
    for (std::size_t i = 0; i < 22; ++i) {
        SCOPED_TRACE("carte " + std::to_string(i + 1));
        const std::string octets = cp1252(significationsFrancaises()[i]);
        EXPECT_EQ(octets.find('\''), std::string::npos) << "apostrophe droite";
        bool minuscules = false;
        for (std::size_t k = 0; k < octets.size(); ++k) {
            const unsigned char c = static_cast<unsigned char>(octets[k]);
            minuscules = minuscules || estMinuscule(c);
            // Double punctuation takes a no-break space before it, never an ordinary one.
            if (c == '?' || c == '!' || c == ':' || c == ';') {
                ASSERT_GT(k, 0u);
                EXPECT_EQ(static_cast<unsigned char>(octets[k - 1]), 0xA0) << "avant " << c;
            }
        }
        EXPECT_TRUE(minuscules) << "en casse de phrase, pas en capitales";
    }
}

TEST(Significations, AnglaisEnCapitales) {
    for (std::size_t i = 0; i < 22; ++i) {
        SCOPED_TRACE("card " + std::to_string(i + 1));
        const std::string octets = cp1252(significationsAnglaises()[i]);
        for (unsigned char c : octets) EXPECT_FALSE(estMinuscule(c)) << c;
        EXPECT_EQ(octets.find('\xA0'), std::string::npos) << "no French spacing in English";
    }
}
