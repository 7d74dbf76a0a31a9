#pragma once
// Small data files for the tests, written into a temporary directory: each text says which
// record it is, so a test can tell exactly where a composed text came from.

#include "Textes.h"

#include <QTemporaryDir>

#include <cstdint>
#include <fstream>
#include <functional>
#include <string>

namespace essai {

inline std::string texteDomaine(int d, int l, int c, int v, char cote) {
    return std::string("D") + cote + " " + std::to_string(d) + "." + std::to_string(l) + "." +
           std::to_string(c) + "." + std::to_string(v);
}
inline std::string textePaire(int a, int b, char cote) {
    return std::string("P") + cote + " " + std::to_string(a) + "-" + std::to_string(b);
}
inline int ligneEssai(int a, int b, int d) {
    return (a + b + d) % 4 + 1;
}
inline int colonneEssai(int a, int b, int d) {
    return (a * b + d) % 3 + 1;
}

inline void champ(std::string& octets, std::size_t debut, const std::string& texte) {
    octets.replace(debut, texte.size(), texte);
}

inline void entier(std::string& octets, std::size_t debut, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i)
        octets[debut + static_cast<std::size_t>(i)] = static_cast<char>((u >> (8 * i)) & 0xFF);
}

inline std::string contenuDomaines() {
    std::string octets;
    for (int d = 1; d <= 4; ++d)
        for (int l = 1; l <= 4; ++l)
            for (int c = 1; c <= 3; ++c)
                for (int v = 1; v <= 5; ++v) {
                    std::string r(510, '\0');
                    champ(r, 0, texteDomaine(d, l, c, v, 'p'));
                    champ(r, 255, texteDomaine(d, l, c, v, 'f'));
                    octets += r;
                }
    return octets;
}

// `modifier` may change a record's bytes before it is added (a, b, the 544 bytes).
inline std::string contenuPaires(const std::function<void(int, int, std::string&)>& modifier = {}) {
    std::string octets;
    for (int a = 1; a <= 22; ++a)
        for (int b = 1; b <= 22; ++b) {
            std::string r(544, '\0');
            champ(r, 0, textePaire(a, b, 'p'));
            champ(r, 255, textePaire(a, b, 'f'));
            for (int d = 1; d <= 4; ++d) {
                entier(r, 512 + 4 * static_cast<std::size_t>(d - 1), ligneEssai(a, b, d));
                entier(r, 528 + 4 * static_cast<std::size_t>(d - 1), colonneEssai(a, b, d));
            }
            if (modifier) modifier(a, b, r);
            octets += r;
        }
    return octets;
}

inline void ecrire(const QTemporaryDir& dossier, const std::string& nom,
                   const std::string& octets) {
    std::ofstream f(dossier.filePath(QString::fromStdString(nom)).toStdString(), std::ios::binary);
    f.write(octets.data(), static_cast<std::streamsize>(octets.size()));
}

inline std::string chemin(const QTemporaryDir& dossier) {
    return dossier.path().toStdString() + "/";
}

// A directory holding both files of both languages, and the table loaded from it.
struct Donnees {
    QTemporaryDir dossier;
    lunespiral::Textes textes;
    explicit Donnees(int langue = 1) {
        for (const char* nom : {"tbb", "tbbus"}) ecrire(dossier, nom, contenuDomaines());
        for (const char* nom : {"tbc", "tbcus"}) ecrire(dossier, nom, contenuPaires());
        textes.chargerTextes(langue, chemin(dossier));
    }
};

} // namespace essai
