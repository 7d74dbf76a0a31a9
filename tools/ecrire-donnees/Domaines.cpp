#include "Domaines.h"

#include <algorithm>
#include <regex>

namespace lunespiral {

namespace {

std::string enTete(int d, int l, int c, int v) {
    return "[" + std::to_string(d) + " " + std::to_string(l) + " " + std::to_string(c) + " " +
           std::to_string(v) + "]";
}

std::string sansBlancsAutour(const std::string& texte) {
    const auto debut = texte.find_first_not_of(" \t");
    if (debut == std::string::npos) return {};
    const auto fin = texte.find_last_not_of(" \t");
    return texte.substr(debut, fin - debut + 1);
}

struct Cle {
    int domaine, ligne, colonne, variante;
};

Cle lireEnTete(const LigneSource& ligne) {
    static const std::regex forme(R"(\[(\d{1,3}) (\d{1,3}) (\d{1,3}) (\d{1,3})\])");
    std::smatch m;
    const std::string texte = sansBlancsAutour(ligne.texte);
    if (!std::regex_match(texte, m, forme))
        ligne.refuser("malformed header \"" + texte +
                      "\": expected [domaine ligne colonne variante], four numbers separated by "
                      "single spaces");
    const Cle cle{std::stoi(m[1]), std::stoi(m[2]), std::stoi(m[3]), std::stoi(m[4])};
    auto verifier = [&](const char* nom, int valeur, int max) {
        if (valeur < 1 || valeur > max)
            ligne.refuser("malformed header \"" + texte + "\": " + nom + " " +
                          std::to_string(valeur) + " is outside 1.." + std::to_string(max));
    };
    verifier("domaine", cle.domaine, 4);
    verifier("ligne", cle.ligne, 4);
    verifier("colonne", cle.colonne, 3);
    verifier("variante", cle.variante, 5);
    return cle;
}

// The text after "present: " or "futur: ", which must start the line.
std::string texteApres(const LigneSource& ligne, const std::string& cle,
                       const std::string& enTeteLu) {
    const std::string prefixe = cle + ": ";
    if (!ligne.texte.starts_with(prefixe))
        ligne.refuser("expected a line starting with \"" + prefixe + "\" in record " + enTeteLu);
    return texteDeChamp(sansBlancsAutour(ligne.texte.substr(prefixe.size())), ligne);
}

} // namespace

TextesDomainesSource lireDomaines(const std::filesystem::path& chemin) {
    const auto lignes = lireLignes(chemin);
    TextesDomainesSource textes;
    std::array<int, nbEnregDomaines> ligneDe{}; // header line of each record read, 0 if none

    std::vector<const LigneSource*> utiles;
    for (const auto& l : lignes)
        if (!estIgnoree(l)) utiles.push_back(&l);

    for (std::size_t i = 0; i < utiles.size();) {
        const LigneSource& tete = *utiles[i];
        const Cle cle = lireEnTete(tete);
        const std::string nom = enTete(cle.domaine, cle.ligne, cle.colonne, cle.variante);
        const int rang = rangDomaine(cle.domaine, cle.ligne, cle.colonne, cle.variante);
        if (ligneDe[static_cast<std::size_t>(rang)] != 0)
            tete.refuser("record " + nom + " is given twice (first at line " +
                         std::to_string(ligneDe[static_cast<std::size_t>(rang)]) + ")");
        ligneDe[static_cast<std::size_t>(rang)] = tete.numero;
        if (i + 2 >= utiles.size())
            tete.refuser("record " + nom +
                         " is incomplete: a present: line and a futur: line must follow");
        TexteDomaine& t = textes[static_cast<std::size_t>(rang)];
        t.present = texteApres(*utiles[i + 1], "present", nom);
        t.futur = texteApres(*utiles[i + 2], "futur", nom);
        i += 3;
    }

    // A missing record is reported where it belongs: before the next record present.
    for (int rang = 0; rang < nbEnregDomaines; ++rang) {
        if (ligneDe[static_cast<std::size_t>(rang)] != 0) continue;
        const int d = rang / 60 + 1, l = rang / 15 % 4 + 1, c = rang / 5 % 3 + 1, v = rang % 5 + 1;
        int ligneSuivante = 0;
        for (int r = rang + 1; r < nbEnregDomaines && ligneSuivante == 0; ++r)
            ligneSuivante = ligneDe[static_cast<std::size_t>(r)];
        const std::string motif = "record " + enTete(d, l, c, v) + " is missing";
        if (ligneSuivante != 0)
            throw ErreurSource(chemin.filename().string(), ligneSuivante,
                               motif + " (expected before this record)");
        throw ErreurSource(chemin.filename().string(), std::max(1, static_cast<int>(lignes.size())),
                           motif + " (expected at the end of the file)");
    }
    return textes;
}

} // namespace lunespiral
