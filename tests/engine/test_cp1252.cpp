#include "Cp1252.h"

#include <gtest/gtest.h>

using namespace lunespiral;

TEST(Cp1252, EveryByteHasItsCharacterAndComesBack) {
    EXPECT_EQ(cp1252VersUtf8("\x80"), "€");
    EXPECT_EQ(cp1252VersUtf8("\x92"), "’");
    EXPECT_EQ(cp1252VersUtf8("\x9C"), "œ");
    EXPECT_EQ(cp1252VersUtf8("\xA0"), "\u00A0");
    EXPECT_EQ(cp1252VersUtf8("\xE9t\xE9"), "été");
    EXPECT_EQ(cp1252VersUtf8("\xFF"), "ÿ");
    // The five holes of the code page map to the C1 controls, as Windows maps them.
    EXPECT_EQ(cp1252VersUtf8("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
    for (int b = 1; b < 256; ++b) {
        const std::string octet(1, static_cast<char>(b));
        EXPECT_EQ(utf8VersCp1252(cp1252VersUtf8(octet)), octet) << "byte " << b;
    }
    EXPECT_EQ(cp1252VersUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Cp1252, RefusesWhatTheCodePageCannotCarry) {
    std::size_t position = 99;
    EXPECT_FALSE(utf8VersCp1252("ok \u202F!", &position)); // narrow no-break space
    EXPECT_EQ(position, 3u);
    EXPECT_FALSE(utf8VersCp1252("\xF0\x9F\x8C\x99")); // an emoji
    EXPECT_FALSE(utf8VersCp1252("\xC3"));             // cut short
    EXPECT_FALSE(utf8VersCp1252("\xC0\xA9"));         // overlong ©
    EXPECT_FALSE(utf8VersCp1252("\xE9t\xE9"));        // Latin-1, not UTF-8
    EXPECT_EQ(utf8VersCp1252("Œuvre – « oui » …"), "\x8Cuvre \x96 \xAB oui \xBB \x85");
    EXPECT_THROW(cp1252("\u4E2D"), std::logic_error);
}
