#include "Source.h"

#include "Cp1252.h"
#include "Langue.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <regex>
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

std::string sansBlancsAutour(const std::string& texte) {
    const auto debut = texte.find_first_not_of(" \t");
    if (debut == std::string::npos) return {};
    const auto fin = texte.find_last_not_of(" \t");
    return texte.substr(debut, fin - debut + 1);
}

namespace {

// Whether `texte` ends with a letter: ASCII, Latin-1 accented (U+00C0..U+00FF) or œ, which is
// all our texts use.
bool finitParUneLettre(const std::string& texte) {
    if (texte.empty()) return false;
    const auto dernier = static_cast<unsigned char>(texte.back());
    if (dernier < 0x80) return std::isalpha(dernier) != 0;
    if (texte.size() < 2) return false;
    const auto avant = static_cast<unsigned char>(texte[texte.size() - 2]);
    return avant == 0xC3 || (avant == 0xC5 && (dernier == 0x92 || dernier == 0x93));
}

// The sources carry their typography already; this only catches what an editor slips in.
std::string typographie(const std::string& utf8, int langue) {
    const bool francais = langue == langueFrancais;
    std::string resultat;
    resultat.reserve(utf8.size() + 8);
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        if (c == '\'' && finitParUneLettre(resultat)) {
            resultat += "\u2019";
            continue;
        }
        if (francais && c == ' ') {
            const std::string_view suite = std::string_view(utf8).substr(i + 1);
            const bool avantSigne = (!suite.empty() && std::string_view(":;?!").find(suite[0]) !=
                                                           std::string_view::npos) ||
                                    suite.starts_with("\u00BB");
            if (avantSigne || resultat.ends_with("\u00AB")) {
                resultat += "\u00A0";
                continue;
            }
        }
        resultat += c;
    }
    return resultat;
}

// The numbers of a record from its place in the file order, and back.
std::vector<int> nombresDuRang(int rang, const std::vector<ChampEnTete>& champs) {
    std::vector<int> nombres(champs.size());
    for (std::size_t i = champs.size(); i-- > 0;) {
        nombres[i] = rang % champs[i].max + 1;
        rang /= champs[i].max;
    }
    return nombres;
}

int rangDesNombres(const std::vector<int>& nombres, const std::vector<ChampEnTete>& champs) {
    int rang = 0;
    for (std::size_t i = 0; i < champs.size(); ++i) rang = rang * champs[i].max + nombres[i] - 1;
    return rang;
}

// "[a b]" for `n` fields: numbers of one to three digits, single spaces between them.
std::regex formeEnTete(std::size_t n) {
    std::string forme = R"(\[(\d{1,3}))";
    for (std::size_t i = 1; i < n; ++i) forme += R"( (\d{1,3}))";
    return std::regex(forme + R"(\])");
}

std::vector<int> lireEnTete(const LigneSource& ligne, const std::vector<ChampEnTete>& champs,
                            const std::regex& forme) {
    const std::string texte = sansBlancsAutour(ligne.texte);
    std::string attendu = "[";
    for (std::size_t i = 0; i < champs.size(); ++i)
        attendu.append(i == 0 ? "" : " ").append(champs[i].nom);
    std::smatch m;
    if (!std::regex_match(texte, m, forme))
        ligne.refuser("malformed header \"" + texte + "\": expected " + attendu + "], " +
                      std::to_string(champs.size()) + " numbers separated by single spaces");
    std::vector<int> nombres;
    for (std::size_t i = 0; i < champs.size(); ++i) {
        nombres.push_back(std::stoi(m[i + 1]));
        if (nombres[i] < 1 || nombres[i] > champs[i].max)
            ligne.refuser("malformed header \"" + texte + "\": " + champs[i].nom + " " +
                          std::to_string(nombres[i]) + " is outside 1.." +
                          std::to_string(champs[i].max));
    }
    return nombres;
}

} // namespace

std::string enTete(const std::vector<int>& nombres) {
    std::string texte = "[";
    for (std::size_t i = 0; i < nombres.size(); ++i)
        texte.append(i == 0 ? "" : " ").append(std::to_string(nombres[i]));
    return texte + "]";
}

std::vector<EnregLu> lireEnregistrements(const std::filesystem::path& chemin,
                                         const std::vector<ChampEnTete>& champs, int langue) {
    const auto lignes = lireLignes(chemin);
    const std::regex forme = formeEnTete(champs.size());
    const std::string fichier = chemin.filename().string();
    int nombre = 1;
    for (const auto& c : champs) nombre *= c.max;
    std::vector<EnregLu> enregs(static_cast<std::size_t>(nombre));
    std::vector<int> ligneDe(enregs.size()); // header line of each record read, 0 if none

    // A record is complete when the next header or the end of the file comes.
    const LigneSource* tete = nullptr;
    std::string nom; // its header, for messages
    EnregLu* courant = nullptr;
    auto terminer = [&] {
        if (courant == nullptr) return;
        for (const auto& [origine, cle] : {std::pair{&courant->lignePresent, "present"},
                                           std::pair{&courant->ligneFutur, "futur"}})
            if (origine->numero == 0)
                tete->refuser("record " + nom + " has no \"" + cle + ": \" line");
    };

    for (const auto& ligne : lignes) {
        if (estIgnoree(ligne)) continue;
        if (sansBlancsAutour(ligne.texte).starts_with("[") || courant == nullptr) {
            terminer();
            const std::vector<int> nombres = lireEnTete(ligne, champs, forme);
            const auto rang = static_cast<std::size_t>(rangDesNombres(nombres, champs));
            if (ligneDe[rang] != 0)
                ligne.refuser("record " + enTete(nombres) + " is given twice (first at line " +
                              std::to_string(ligneDe[rang]) + ")");
            ligneDe[rang] = ligne.numero;
            tete = &ligne;
            nom = enTete(nombres);
            courant = &enregs[rang];
            continue;
        }
        const auto deuxPoints = ligne.texte.find(':');
        const std::string cle =
            deuxPoints == std::string::npos ? std::string() : ligne.texte.substr(0, deuxPoints);
        if (cle != "present" && cle != "futur")
            ligne.refuser("expected a line starting with \"present: \" or \"futur: \" in record " +
                          nom);
        LigneSource& origine = cle == "present" ? courant->lignePresent : courant->ligneFutur;
        if (origine.numero != 0)
            ligne.refuser(cle + ": is given twice in record " + nom + " (first at line " +
                          std::to_string(origine.numero) + ")");
        origine = ligne;
        (cle == "present" ? courant->textes.present : courant->textes.futur) = texteDeChamp(
            typographie(sansBlancsAutour(ligne.texte.substr(deuxPoints + 1)), langue), ligne);
    }
    terminer();

    // A missing record is reported where it belongs: before the next record present.
    for (std::size_t rang = 0; rang < enregs.size(); ++rang) {
        if (ligneDe[rang] != 0) continue;
        const std::string motif =
            "record " + enTete(nombresDuRang(static_cast<int>(rang), champs)) + " is missing";
        const auto suivant = std::find_if(ligneDe.begin() + static_cast<std::ptrdiff_t>(rang),
                                          ligneDe.end(), [](int n) { return n != 0; });
        if (suivant != ligneDe.end())
            throw ErreurSource(fichier, *suivant, motif + " (expected before this record)");
        throw ErreurSource(fichier, std::max(1, static_cast<int>(lignes.size())),
                           motif + " (expected at the end of the file)");
    }
    return enregs;
}

} // namespace lunespiral
