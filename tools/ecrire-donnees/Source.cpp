#include "Source.h"

#include "Cp1252.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace lunespiral {

ErreurSource::ErreurSource(const std::string& fichier, int ligne, const std::string& motif)
    : std::runtime_error(fichier + ":" + std::to_string(ligne) + ": " + motif) {}

ErreurSource::ErreurSource(const std::string& fichier, const std::string& motif)
    : std::runtime_error(fichier + ": " + motif) {}

void LigneSource::refuser(const std::string& motif) const {
    throw ErreurSource(fichier, numero, motif);
}

std::vector<LigneSource> lireLignes(const std::filesystem::path& chemin) {
    const std::string nom = chemin.filename().string();
    std::ifstream flux(chemin, std::ios::binary);
    if (!flux) throw ErreurSource(nom, "cannot be read (" + chemin.string() + ")");
    std::ostringstream tout;
    tout << flux.rdbuf();
    std::string contenu = tout.str();
    if (contenu.starts_with("\xEF\xBB\xBF")) contenu.erase(0, 3);

    std::vector<LigneSource> lignes;
    std::string::size_type debut = 0;
    int numero = 0;
    while (debut < contenu.size()) {
        auto fin = contenu.find('\n', debut);
        if (fin == std::string::npos) fin = contenu.size();
        std::string texte = contenu.substr(debut, fin - debut);
        if (!texte.empty() && texte.back() == '\r') texte.pop_back();
        lignes.push_back({nom, ++numero, std::move(texte)});
        debut = fin + 1;
    }
    return lignes;
}

bool estIgnoree(const LigneSource& ligne) {
    const auto premier = ligne.texte.find_first_not_of(" \t");
    return premier == std::string::npos || ligne.texte[premier] == '#';
}

namespace {

// The character that starts at `position`, for the message.
std::string descriptionCaractere(const std::string& utf8, std::size_t position) {
    const auto u = caractereUtf8(utf8, position);
    if (!u) return "an invalid UTF-8 sequence";
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(*u));
    return std::string("the character ") + code;
}

// Column of a byte offset, counted in characters.
std::size_t colonneDe(const std::string& utf8, std::size_t position) {
    std::size_t colonne = 1;
    for (std::size_t i = 0; i < position; ++i)
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80) ++colonne;
    return colonne;
}

} // namespace

std::string versCp1252(const std::string& utf8, const LigneSource& origine) {
    if (utf8.empty()) origine.refuser("the text is empty");
    std::size_t position = 0;
    const auto octets = utf8VersCp1252(utf8, &position);
    if (!octets)
        origine.refuser(descriptionCaractere(utf8, position) + " (character " +
                        std::to_string(colonneDe(utf8, position)) +
                        " of the text) is not in Windows-1252");
    // Control characters, and the five bytes the code page leaves unassigned, have no place
    // in a text the reader sees.
    for (std::size_t i = 0; i < octets->size(); ++i) {
        const auto c = static_cast<unsigned char>((*octets)[i]);
        if (c < 0x20 || c == 0x7F || c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 ||
            c == 0x9D) {
            char code[8];
            std::snprintf(code, sizeof code, "0x%02X", c);
            origine.refuser(std::string("control character ") + code + " in the text");
        }
    }
    return *octets;
}

std::string texteDeChamp(const std::string& utf8, const LigneSource& origine) {
    std::string octets = versCp1252(utf8, origine);
    if (octets.size() > longueurMaxTexte)
        origine.refuser("the text is " + std::to_string(octets.size()) +
                        " characters long in Windows-1252; at most " +
                        std::to_string(longueurMaxTexte) + " fit");
    return octets;
}

} // namespace lunespiral
