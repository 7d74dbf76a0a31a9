#include "OptionsChance.h"

#include "Erreurs.h"
#include "MagasinReglages.h"

#include <string>
#include <vector>

namespace lunespiral {

const std::array<Reglage, 4> reglagesChance{{
    {"verif", 1, 0, 0, 1, true, [](const OptionsChance& o) -> std::int32_t { return o.verif; },
     [](OptionsChance& o, std::int32_t v) { o.verif = static_cast<std::uint8_t>(v); }},
    {"optionNbNumerosDeLaChance", 4, optionsParDefaut.optionNbNumerosDeLaChance, 1, 10, false,
     [](const OptionsChance& o) { return o.optionNbNumerosDeLaChance; },
     [](OptionsChance& o, std::int32_t v) { o.optionNbNumerosDeLaChance = v; }},
    {"optionMinRange", 4, optionsParDefaut.optionMinRange, 1, 500, false,
     [](const OptionsChance& o) { return o.optionMinRange; },
     [](OptionsChance& o, std::int32_t v) { o.optionMinRange = v; }},
    {"optionMaxRange", 4, optionsParDefaut.optionMaxRange, 1, 500, false,
     [](const OptionsChance& o) { return o.optionMaxRange; },
     [](OptionsChance& o, std::int32_t v) { o.optionMaxRange = v; }},
}};

namespace {

QString nomDe(const Reglage& r) {
    return QString::fromLatin1(r.nom);
}

QByteArray octets(const Reglage& r, const OptionsChance& o) {
    // Little-endian whatever the machine, as the store has always held them.
    const auto v = static_cast<std::uint32_t>(r.lire(o));
    QByteArray b(static_cast<qsizetype>(r.octets), '\0');
    for (int i = 0; i < r.octets; ++i) b[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    return b;
}

// Copies a stored value into the low-order bytes of the field; the bytes it does not reach
// keep their value. Throws when the value cannot be read.
void lireValeur(const MagasinReglages& magasin, const Reglage& r, OptionsChance& o) {
    const auto valeur = magasin.lire(nomDe(r));
    if (!valeur) return;
    if (valeur->size() > static_cast<qsizetype>(r.octets))
        throw ErreurReglages("Réglage " + guillemets(nomDe(r)) +
                             " illisible : " + std::to_string(valeur->size()) +
                             " octets au lieu de " + std::to_string(r.octets) + ".");
    auto v = static_cast<std::uint32_t>(r.lire(o));
    for (qsizetype i = 0; i < valeur->size(); ++i) {
        const auto decalage = 8 * static_cast<unsigned>(i);
        v = (v & ~(std::uint32_t{0xFF} << decalage)) |
            (std::uint32_t{static_cast<unsigned char>((*valeur)[i])} << decalage);
    }
    r.ecrire(o, static_cast<std::int32_t>(v));
}

} // namespace

OptionsChance& optionsChance() {
    static OptionsChance options;
    return options;
}

bool validerOptions(const OptionsChance& o) {
    for (const Reglage& r : reglagesChance)
        if (r.lire(o) < r.minimum || r.lire(o) > r.maximum) return false;
    return true;
}

void appliquerOptionsParDefaut(OptionsChance& options, MagasinReglages& magasin) {
    for (const Reglage& r : reglagesChance)
        if (!r.marqueur) r.ecrire(options, r.parDefaut);
    sauverOptions(options, magasin);
}

void sauverOptions(const OptionsChance& options, MagasinReglages& magasin) {
    for (const Reglage& r : reglagesChance) magasin.ecrire(nomDe(r), octets(r, options));
    magasin.enregistrer(nomDe(reglagesChance[0]));
}

void chargerOptions(OptionsChance& options, MagasinReglages& magasin) {
    std::vector<std::string> erreurs;
    if (magasin.avertissement()) erreurs.push_back(*magasin.avertissement());
    bool illisible = false;
    for (const Reglage& r : reglagesChance) {
        try {
            lireValeur(magasin, r, options);
        } catch (const ErreurReglages& e) {
            erreurs.push_back(e.what());
            r.ecrire(options, r.parDefaut);
            illisible = true;
        }
    }

    try {
        if (options.verif == 0) {
            // First run, or the marker was never written.
            options.verif = 1;
            appliquerOptionsParDefaut(options, magasin);
        } else if (!validerOptions(options)) {
            // A marker other than 0 or 1 is repaired too: written back as it was, it would
            // throw the user's options away at every start.
            options.verif = 1;
            appliquerOptionsParDefaut(options, magasin);
        } else if (!erreurs.empty()) {
            // Put readable values back in place of those that were not.
            sauverOptions(options, magasin);
        }
    } catch (const ErreurReglages& e) {
        erreurs.push_back(e.what());
    }

    if (!erreurs.empty()) {
        std::string message;
        for (const auto& e : erreurs) message += (message.empty() ? "" : "\n") + e;
        if (illisible) message += "\nLa valeur par défaut est reprise.";
        throw ErreurReglages(message);
    }
}

} // namespace lunespiral
