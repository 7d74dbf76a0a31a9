#include "Paires.h"

#include "Cp1252.h"

#include <algorithm>
#include <cctype>
#include <regex>
#include <unordered_map>

namespace lunespiral {

namespace {

// "[carte 7]" -> 7; 0 when the line is not a card header; refused when the number is wrong.
int numeroCarte(const LigneSource& ligne) {
    static const std::regex forme(R"(\[carte (\d{1,3})\])");
    std::smatch m;
    const std::string texte = sansBlancsAutour(ligne.texte);
    if (!std::regex_match(texte, m, forme)) return 0;
    const int n = std::stoi(m[1]);
    if (n < 1 || n > nbArcanes)
        ligne.refuser("malformed header \"" + texte + "\": the card number must be 1..22");
    return n;
}

bool estEnTete(const LigneSource& ligne) {
    return sansBlancsAutour(ligne.texte).starts_with("[");
}

// "key: value" -> (key, value); refused otherwise.
std::pair<std::string, std::string> cleValeur(const LigneSource& ligne) {
    static const std::regex forme(R"(([a-z][a-z-]*): (.*))");
    std::smatch m;
    if (!std::regex_match(ligne.texte, m, forme))
        ligne.refuser("expected \"key: value\", got \"" + ligne.texte + "\"");
    return {m[1], sansBlancsAutour(m[2])};
}

// A letter or a digit of Windows-1252, or what joins a compound ("Maison-Dieu"): a name
// next to one of these is part of a longer word ("Pape" in "Papesse").
bool prolongeUnMot(unsigned char c) {
    if (c < 0x80) return std::isalnum(c) != 0 || c == '-' || c == '_';
    return c == 0x83 || c == 0x8A || c == 0x8C || c == 0x8E || c == 0x9A || c == 0x9C ||
           c == 0x9E || c == 0x9F || (c >= 0xC0 && c != 0xD7 && c != 0xF7);
}

} // namespace

Tonalites lireTonalites(const std::filesystem::path& chemin) {
    const auto lignes = lireLignes(chemin);
    const std::string fichier = chemin.filename().string();
    Tonalites tonalites{};
    std::array<int, nbArcanes> ligneDe{};
    std::array<int, nbArcanes> cles{}; // bit 1 tons, bit 2 sources
    int carte = 0;

    auto lireQuatre = [](const LigneSource& ligne, const std::string& valeur, const char* cle,
                         int max) {
        static const std::regex forme(R"((\d) (\d) (\d) (\d))");
        std::smatch m;
        if (!std::regex_match(valeur, m, forme))
            ligne.refuser(std::string(cle) +
                          ": expected four numbers (santé, relations, projets, amour)");
        std::array<int, 4> v{};
        for (int d = 0; d < 4; ++d) {
            v[static_cast<std::size_t>(d)] = std::stoi(m[static_cast<std::size_t>(d) + 1]);
            if (v[static_cast<std::size_t>(d)] < 1 || v[static_cast<std::size_t>(d)] > max)
                ligne.refuser(std::string(cle) + ": " +
                              std::to_string(v[static_cast<std::size_t>(d)]) + " is outside 1.." +
                              std::to_string(max));
        }
        return v;
    };

    for (const auto& ligne : lignes) {
        if (estIgnoree(ligne)) continue;
        if (estEnTete(ligne)) {
            carte = numeroCarte(ligne);
            if (carte == 0)
                ligne.refuser("malformed header \"" + ligne.texte + "\": expected [carte N]");
            auto& vu = ligneDe[static_cast<std::size_t>(carte - 1)];
            if (vu != 0)
                ligne.refuser("card " + std::to_string(carte) + " is given twice (first at line " +
                              std::to_string(vu) + ")");
            vu = ligne.numero;
            continue;
        }
        if (carte == 0) ligne.refuser("expected a [carte N] header first");
        const auto [cle, valeur] = cleValeur(ligne);
        auto& t = tonalites[static_cast<std::size_t>(carte - 1)];
        auto& presentes = cles[static_cast<std::size_t>(carte - 1)];
        const int bit = cle == "tons" ? 1 : cle == "sources" ? 2 : 0;
        if (bit == 0) ligne.refuser("unknown key \"" + cle + "\" (expected tons or sources)");
        if (presentes & bit)
            ligne.refuser(cle + " is given twice for card " + std::to_string(carte));
        presentes |= bit;
        if (bit == 1)
            t.tons = lireQuatre(ligne, valeur, "tons", 4);
        else
            t.sources = lireQuatre(ligne, valeur, "sources", 3);
    }
    for (int n = 1; n <= nbArcanes; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        if (ligneDe[i] == 0)
            throw ErreurSource(fichier, std::max(1, static_cast<int>(lignes.size())),
                               "card " + std::to_string(n) + " is missing");
        if (cles[i] != 3)
            throw ErreurSource(fichier, ligneDe[i],
                               std::string("card ") + std::to_string(n) + " has no " +
                                   ((cles[i] & 1) ? "sources" : "tons") + " line");
    }
    return tonalites;
}

ValeursPaire valeursPaire(const Tonalites& tonalites, int a, int b) {
    const auto& ta = tonalites[static_cast<std::size_t>(a - 1)];
    const auto& tb = tonalites[static_cast<std::size_t>(b - 1)];
    ValeursPaire v;
    for (std::size_t d = 0; d < 4; ++d) {
        v.ligne[d] = (ta.tons[d] + 2 * tb.tons[d] + 1) / 3;
        v.colonne[d] = tb.sources[d];
    }
    return v;
}

std::string nomDansLesTextes(int carte, int langue) {
    std::string nom = nomArcane(carte, langue);
    for (const char* article : {"Le ", "La ", "L'", "The "})
        if (nom.starts_with(article)) return nom.substr(std::char_traits<char>::length(article));
    return nom;
}

bool nommeCarte(const std::string& texte, int carte, int langue) {
    const std::string nom = nomDansLesTextes(carte, langue);
    for (auto p = texte.find(nom); p != std::string::npos; p = texte.find(nom, p + 1)) {
        const auto fin = p + nom.size();
        if ((p == 0 || !prolongeUnMot(static_cast<unsigned char>(texte[p - 1]))) &&
            (fin == texte.size() || !prolongeUnMot(static_cast<unsigned char>(texte[fin]))))
            return true;
    }
    return false;
}

PairesSource lirePaires(const std::filesystem::path& chemin, int langue,
                        const Tonalites& tonalites) {
    const auto enregs = lireEnregistrements(chemin, {{"a", nbArcanes}, {"b", nbArcanes}}, langue);
    PairesSource paires;
    // Each side's texts seen so far among the pairs a draw can reach.
    std::array<std::unordered_map<std::string, std::pair<int, int>>, 2> dejaVus;
    for (int a = 1; a <= nbArcanes; ++a)
        for (int b = 1; b <= nbArcanes; ++b) {
            const auto rang = static_cast<std::size_t>((a - 1) * nbArcanes + (b - 1));
            const EnregLu& lu = enregs[rang];
            const std::string paire = enTete({a, b});
            for (const bool present : {true, false}) {
                const std::string& texte = present ? lu.textes.present : lu.textes.futur;
                const LigneSource& origine = present ? lu.lignePresent : lu.ligneFutur;
                const char* cote = present ? "present" : "future";
                for (const int carte : {a, b})
                    if (!nommeCarte(texte, carte, langue))
                        origine.refuser("the " + std::string(cote) + " text of pair " + paire +
                                        " does not name \"" +
                                        cp1252VersUtf8(nomDansLesTextes(carte, langue)) + "\"");
                if (a == b) continue;
                const auto [place, nouveau] =
                    dejaVus[present ? 0 : 1].emplace(texte, std::pair{a, b});
                if (!nouveau)
                    origine.refuser("pair " + paire + " has the same " + cote + " text as pair [" +
                                    std::to_string(place->second.first) + " " +
                                    std::to_string(place->second.second) + "]");
            }
            paires[rang] = {lu.textes, valeursPaire(tonalites, a, b)};
        }
    return paires;
}

} // namespace lunespiral
