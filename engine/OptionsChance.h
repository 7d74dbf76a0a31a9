#pragma once
// The three lucky-number options, and the table that says how each is kept in the user's
// settings store (MagasinReglages.h): its name, its size, its default and its bounds.

#include <array>
#include <cstdint>

namespace lunespiral {

class MagasinReglages;

struct OptionsChance {
    std::uint8_t verif = 0; // 1 once the options have been written to the store
    std::int32_t optionNbNumerosDeLaChance = 0;
    std::int32_t optionMinRange = 0;
    std::int32_t optionMaxRange = 0;
    friend bool operator==(const OptionsChance&, const OptionsChance&) = default;
};

// 6 numbers from 1 to 49, as the program first sets them.
inline constexpr OptionsChance optionsParDefaut{1, 6, 1, 49};

// One value of the store. Values are raw little-endian bytes, `octets` of them.
struct Reglage {
    const char* nom;
    int octets;
    std::int32_t parDefaut; // taken when the stored value cannot be read
    std::int32_t minimum;
    std::int32_t maximum;
    bool marqueur; // the record's marker: left as it is when the defaults are applied
    std::int32_t (*lire)(const OptionsChance&);
    void (*ecrire)(OptionsChance&, std::int32_t);
};

// Every value of the store, in the order they are read and written.
extern const std::array<Reglage, 4> reglagesChance;

// The one options record of the process.
OptionsChance& optionsChance();

bool validerOptions(const OptionsChance& options);
// 6 numbers from 1 to 49, saved at once; the marker is left as it is.
void appliquerOptionsParDefaut(OptionsChance& options, MagasinReglages& magasin);
// Reads the record, repairs it when needed. A value that cannot be read is replaced by its
// default; once everything is settled, ErreurReglages reports each such value.
void chargerOptions(OptionsChance& options, MagasinReglages& magasin);
void sauverOptions(const OptionsChance& options, MagasinReglages& magasin);

} // namespace lunespiral
