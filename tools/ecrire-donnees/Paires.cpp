#include "Paires.h"

#include <algorithm>
#include <regex>
#include <set>
#include <unordered_map>

namespace lunespiral {

namespace {

std::string sansBlancsAutour(const std::string& texte) {
    const auto debut = texte.find_first_not_of(" \t");
    if (debut == std::string::npos) return {};
    const auto fin = texte.find_last_not_of(" \t");
    return texte.substr(debut, fin - debut + 1);
}

// "[carte 7]" -> 7; 0 when the line is not a card header; refused when the number is wrong.
int numeroCarte(const LigneSource& ligne) {
    static const std::regex forme(R"(\[carte (\d{1,3})\])");
    std::smatch m;
    const std::string texte = sansBlancsAutour(ligne.texte);
    if (!std::regex_match(texte, m, forme)) return 0;
    const int n = std::stoi(m[1]);
    if (n < 1 || n > nbCartes)
        ligne.refuser("malformed header \"" + texte + "\": the card number must be 1..22");
    return n;
}

bool estEnTete(const LigneSource& ligne) {
    const std::string texte = sansBlancsAutour(ligne.texte);
    return texte.starts_with("[");
}

// "key: value" -> (key, value); refused otherwise.
std::pair<std::string, std::string> cleValeur(const LigneSource& ligne) {
    static const std::regex forme(R"(([a-z][a-z-]*): (.*))");
    std::smatch m;
    if (!std::regex_match(ligne.texte, m, forme))
        ligne.refuser("expected \"key: value\", got \"" + ligne.texte + "\"");
    return {m[1], sansBlancsAutour(m[2])};
}

// Decoding one UTF-8 character at `i` (the sources are checked valid before this runs).
char32_t caractereEn(const std::string& s, std::size_t i, std::size_t& longueur) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) {
        longueur = 1;
        return c;
    }
    if ((c & 0xE0) == 0xC0) {
        longueur = 2;
        return (static_cast<char32_t>(c & 0x1F) << 6) |
               (static_cast<unsigned char>(s[i + 1]) & 0x3F);
    }
    longueur = 3;
    return (static_cast<char32_t>(c & 0x0F) << 12) |
           (static_cast<char32_t>(static_cast<unsigned char>(s[i + 1]) & 0x3F) << 6) |
           (static_cast<unsigned char>(s[i + 2]) & 0x3F);
}

void ajouterUtf8(std::string& s, char32_t u) {
    if (u < 0x80) {
        s += static_cast<char>(u);
    } else if (u < 0x800) {
        s += static_cast<char>(0xC0 | (u >> 6));
        s += static_cast<char>(0x80 | (u & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (u >> 12));
        s += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (u & 0x3F));
    }
}

// Upper case of the first letter: ASCII, Latin-1 accented letters and œ, which is all our texts
// use.
std::string majusculeInitiale(const std::string& texte) {
    if (texte.empty()) return texte;
    std::size_t longueur = 0;
    char32_t u = caractereEn(texte, 0, longueur);
    if (u >= 'a' && u <= 'z')
        u -= 0x20;
    else if (u >= 0xE0 && u <= 0xFE && u != 0xF7)
        u -= 0x20;
    else if (u == 0x0153)
        u = 0x0152;
    std::string resultat;
    ajouterUtf8(resultat, u);
    return resultat + texte.substr(longueur);
}

std::string minusculeInitiale(const std::string& nom) {
    std::string resultat = nom;
    if (!resultat.empty() && resultat[0] >= 'A' && resultat[0] <= 'Z') resultat[0] += 'a' - 'A';
    return resultat;
}

bool estVoyelle(char32_t u) {
    static const std::u32string voyelles = U"aeiouyAEIOUYàâäéèêëîïôöùûüœÀÂÉÈÊÎÔŒ";
    return voyelles.find(u) != std::u32string::npos;
}

const std::array<std::string, 6> sections = {
    "[ouvertures present]", "[enchainements present]", "[double present]",
    "[ouvertures futur]",   "[enchainements futur]",   "[double futur]",
};

std::string cleClause(CotePaire cote, bool scene) {
    return std::string(cote == CotePaire::Present ? "present-" : "futur-") +
           (scene ? "scene" : "suite");
}

// The placeholders of a pattern, refused when a brace is left open.
std::vector<std::string> marqueurs(const LigneSource& gabarit) {
    std::vector<std::string> noms;
    const std::string& t = gabarit.texte;
    for (std::size_t i = t.find('{'); i != std::string::npos; i = t.find('{', i + 1)) {
        const auto fin = t.find('}', i);
        if (fin == std::string::npos) gabarit.refuser("a '{' is not closed");
        noms.push_back(t.substr(i + 1, fin - i - 1));
    }
    return noms;
}

} // namespace

Tonalites lireTonalites(const std::filesystem::path& chemin) {
    const auto lignes = lireLignes(chemin);
    const std::string fichier = chemin.filename().string();
    Tonalites tonalites{};
    std::array<int, nbCartes> ligneDe{};
    std::array<int, nbCartes> cles{}; // bit 1 tons, bit 2 sources
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
    for (int n = 1; n <= nbCartes; ++n) {
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

MatierePaires MatierePaires::lire(const std::filesystem::path& chemin, bool francais) {
    const auto lignes = lireLignes(chemin);
    MatierePaires m;
    m.francais_ = francais;
    m.fichier_ = chemin.filename().string();
    m.derniereLigne_ = std::max(1, static_cast<int>(lignes.size()));

    std::array<int, sections.size()> ligneSection{};
    std::array<int, nbCartes> ligneCarte{};
    int section = -1; // index in `sections`, or -1
    int carte = 0;

    for (const auto& ligne : lignes) {
        if (estIgnoree(ligne)) continue;
        if (estEnTete(ligne)) {
            const std::string texte = sansBlancsAutour(ligne.texte);
            section = -1;
            carte = numeroCarte(ligne);
            if (carte != 0) {
                auto& vu = ligneCarte[static_cast<std::size_t>(carte - 1)];
                if (vu != 0)
                    ligne.refuser("card " + std::to_string(carte) +
                                  " is given twice (first at line " + std::to_string(vu) + ")");
                vu = ligne.numero;
                continue;
            }
            const auto trouve = std::find(sections.begin(), sections.end(), texte);
            if (trouve == sections.end()) ligne.refuser("unknown section \"" + texte + "\"");
            section = static_cast<int>(trouve - sections.begin());
            auto& vu = ligneSection[static_cast<std::size_t>(section)];
            if (vu != 0)
                ligne.refuser("section " + texte + " is given twice (first at line " +
                              std::to_string(vu) + ")");
            vu = ligne.numero;
            continue;
        }
        if (section >= 0) {
            // Patterns are checked for their characters now, where the line is known.
            versCp1252(ligne.texte, ligne);
            marqueurs(ligne);
            Gabarits& g = m.gabarits_[static_cast<std::size_t>(section / 3)];
            (section % 3 == 0   ? g.ouvertures
             : section % 3 == 1 ? g.enchainements
                                : g.doubles)
                .push_back(ligne);
            continue;
        }
        if (carte == 0) ligne.refuser("expected a section or a [carte N] header first");
        const auto [cle, valeur] = cleValeur(ligne);
        versCp1252(valeur, ligne);
        auto& champs = m.cartes_[static_cast<std::size_t>(carte - 1)];
        if (const auto deja = champs.find(cle); deja != champs.end())
            ligne.refuser(cle + " is given twice for card " + std::to_string(carte) +
                          " (first at line " + std::to_string(deja->second.ligne.numero) + ")");
        champs.emplace(cle, Champ{ligne, valeur});
    }

    for (std::size_t s = 0; s < sections.size(); ++s) {
        if (ligneSection[s] == 0)
            throw ErreurSource(m.fichier_, m.derniereLigne_,
                               "section " + sections[s] + " is missing");
    }
    for (std::size_t c = 0; c < 2; ++c) {
        const Gabarits& g = m.gabarits_[c];
        auto vide = [&](const std::vector<LigneSource>& liste, std::size_t s) {
            if (liste.empty())
                throw ErreurSource(m.fichier_, ligneSection[s], "this section holds no pattern");
        };
        vide(g.ouvertures, c * 3);
        vide(g.enchainements, c * 3 + 1);
        vide(g.doubles, c * 3 + 2);
        if (g.doubles.size() > 1)
            g.doubles[1].refuser("a [double ...] section holds exactly one pattern");
    }

    // Every card gives exactly the keys the patterns use, plus its four clauses.
    std::set<std::string> clesAttendues = {"present-scene", "present-suite", "futur-scene",
                                           "futur-suite"};
    for (const auto& g : m.gabarits_)
        for (const auto* liste : {&g.ouvertures, &g.enchainements, &g.doubles})
            for (const auto& gabarit : *liste)
                for (const auto& nom : marqueurs(gabarit)) {
                    const std::string cle = minusculeInitiale(nom);
                    if (cle == "scene" || cle == "suite") continue;
                    if (!std::regex_match(cle, std::regex("[a-z][a-z-]*")))
                        gabarit.refuser("unknown placeholder {" + nom + "}");
                    clesAttendues.insert(cle);
                }
    for (int n = 1; n <= nbCartes; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        if (ligneCarte[i] == 0)
            throw ErreurSource(m.fichier_, m.derniereLigne_,
                               "card " + std::to_string(n) + " is missing");
        for (const auto& [cle, champ] : m.cartes_[i])
            if (!clesAttendues.contains(cle))
                champ.ligne.refuser("unknown key \"" + cle + "\": no pattern uses it");
        for (const auto& cle : clesAttendues)
            if (!m.cartes_[i].contains(cle))
                throw ErreurSource(m.fichier_, ligneCarte[i],
                                   "card " + std::to_string(n) + " has no \"" + cle + ":\" line");
    }
    return m;
}

const LigneSource& MatierePaires::ligneClause(int carte, CotePaire cote, bool scene) const {
    return cartes_[static_cast<std::size_t>(carte - 1)].at(cleClause(cote, scene)).ligne;
}

std::string MatierePaires::remplir(const LigneSource& gabarit, int carte, CotePaire cote) const {
    const Champs& champs = cartes_[static_cast<std::size_t>(carte - 1)];
    const std::string& t = gabarit.texte;
    std::string resultat;
    std::size_t i = 0;
    while (i < t.size()) {
        const auto ouvrante = t.find('{', i);
        if (ouvrante == std::string::npos) {
            resultat += t.substr(i);
            break;
        }
        resultat += t.substr(i, ouvrante - i);
        const auto fermante = t.find('}', ouvrante);
        const std::string nom = t.substr(ouvrante + 1, fermante - ouvrante - 1);
        std::string cle = minusculeInitiale(nom);
        if (cle == "scene" || cle == "suite") cle = cleClause(cote, cle == "scene");
        const std::string& valeur = champs.at(cle).valeur;
        const bool majuscule = nom != minusculeInitiale(nom);
        resultat += majuscule ? majusculeInitiale(valeur) : valeur;
        i = fermante + 1;
    }
    return resultat;
}

std::string MatierePaires::typographie(std::string texte) const {
    if (!francais_) return texte;
    // A plain space before double punctuation becomes a no-break space.
    for (const char* signe : {" :", " ;", " ?", " !"}) {
        for (auto p = texte.find(signe); p != std::string::npos; p = texte.find(signe, p))
            texte.replace(p, 1, "\u00A0");
    }
    // "que" before a vowel: "qu’".
    for (auto p = texte.find("que "); p != std::string::npos; p = texte.find("que ", p + 1)) {
        const bool motEntier = p == 0 || texte[p - 1] == ' ';
        std::size_t longueur = 0;
        if (motEntier && p + 4 < texte.size() && estVoyelle(caractereEn(texte, p + 4, longueur)))
            texte.replace(p + 2, 2, "\u2019");
    }
    return texte;
}

std::string MatierePaires::composer(int a, int b, CotePaire cote) const {
    const Gabarits& g = gabarits_[cote == CotePaire::Present ? 0 : 1];
    if (a == b) return typographie(remplir(g.doubles.front(), a, cote));

    // The pattern numbers move with both cards, so that neither a first nor a second card always
    // comes in the same frame (7 is prime to any likely count of patterns), and the future side
    // is shifted so that one pair does not wear the same frame on both sides.
    const std::size_t nO = g.ouvertures.size(), nE = g.enchainements.size();
    const auto a_ = static_cast<std::size_t>(a), b_ = static_cast<std::size_t>(b);
    const std::size_t decalage = cote == CotePaire::Present ? 0 : 2;
    const std::size_t o0 = (a_ + 7 * b_ + decalage) % nO, e0 = (7 * a_ + b_ + decalage) % nE;
    std::size_t plusCourt = 0;
    for (std::size_t i = 0; i < nO; ++i)
        for (std::size_t j = 0; j < nE; ++j) {
            const std::string texte =
                typographie(remplir(g.ouvertures[(o0 + i) % nO], a, cote) + " " +
                            remplir(g.enchainements[(e0 + j) % nE], b, cote));
            // Every piece converted when read, so the whole converts; its length is what counts.
            const std::size_t longueur = versCp1252(texte, ligneClause(a, cote, true)).size();
            if (longueur <= longueurMaxTexte) return texte;
            if (plusCourt == 0 || longueur < plusCourt) plusCourt = longueur;
        }
    ligneClause(a, cote, true)
        .refuser("pair (" + std::to_string(a) + ", " + std::to_string(b) + "), " +
                 (cote == CotePaire::Present ? "present" : "future") +
                 " side: too long with every pattern (" + std::to_string(plusCourt) +
                 " characters at best, at most " + std::to_string(longueurMaxTexte) +
                 "); shorten this clause or the follow-up at line " +
                 std::to_string(ligneClause(b, cote, false).numero));
}

PairesSource composerPaires(const MatierePaires& matiere, const Tonalites& tonalites) {
    PairesSource paires;
    std::array<std::unordered_map<std::string, std::pair<int, int>>, 2> dejaVus;
    for (int a = 1; a <= nbCartes; ++a)
        for (int b = 1; b <= nbCartes; ++b) {
            auto& enreg = paires[static_cast<std::size_t>((a - 1) * nbCartes + (b - 1))];
            for (const CotePaire cote : {CotePaire::Present, CotePaire::Futur}) {
                const LigneSource& origine = matiere.ligneClause(a, cote, true);
                std::string octets = texteDeChamp(matiere.composer(a, b, cote), origine);
                if (a != b) {
                    auto& vus = dejaVus[cote == CotePaire::Present ? 0 : 1];
                    const auto [place, nouveau] = vus.emplace(octets, std::pair{a, b});
                    if (!nouveau)
                        origine.refuser("pair (" + std::to_string(a) + ", " + std::to_string(b) +
                                        ") has the same " +
                                        (cote == CotePaire::Present ? "present" : "future") +
                                        " text as pair (" + std::to_string(place->second.first) +
                                        ", " + std::to_string(place->second.second) + ")");
                }
                (cote == CotePaire::Present ? enreg.present : enreg.futur) = std::move(octets);
            }
            enreg.valeurs = valeursPaire(tonalites, a, b);
        }
    return paires;
}

} // namespace lunespiral
