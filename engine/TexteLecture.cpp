#include "TexteLecture.h"

#include "Langue.h"
#include "PlanLecture.h"

#include <algorithm>
#include <sstream>

namespace lunespiral {

namespace {

bool enFrancais(int langue) {
    return langue == langueFrancais;
}

std::size_t nbCaracteres(std::string_view texte) {
    return static_cast<std::size_t>(
        std::count_if(texte.begin(), texte.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// "Arcane 14 - La Tempérance", as the laid cards' hints read.
std::string carteLue(int carte, int langue) {
    return std::string(enFrancais(langue) ? "Arcane " : "Card ") + std::to_string(carte) + " - " +
           nomCarteLu(carte, langue);
}

std::string aligner(const std::string& texte, std::size_t largeur) {
    const std::size_t n = nbCaracteres(texte);
    return texte + std::string(largeur > n ? largeur - n : 1, ' ');
}

// A text of the reading, or a word that it is missing (no data file, say).
std::string paragraphe(const std::string& texte, int langue, int largeur) {
    if (texte.empty())
        return std::string(4, ' ') + (enFrancais(langue) ? "(texte absent)" : "(no text)") + "\n";
    return envelopper(texte, largeur, 4);
}

void croixTexte(std::ostringstream& s, const PlanLecture& plan, int langue, int largeur) {
    s << plan.titre << "\n\n";
    for (const PlaceLue& p : plan.places)
        s << "  " << aligner(p.place, 11) << (p.role.empty() ? "" : p.role + " - ")
          << carteLue(p.carte, langue) << "\n";
    for (const SectionLue& section : plan.sections) {
        s << "\n" << section.titre << "   ";
        for (std::size_t i = 0; i < section.cartes.size(); ++i)
            s << (i > 0 ? " + " : "") << nomCarteLu(section.cartes[i], langue);
        s << "\n\n";
        for (const PassageLu& p : section.passages) {
            if (!p.titre.empty()) s << "\n  " << p.titre << "\n";
            s << paragraphe(p.texte, langue, largeur);
        }
    }
}

// The houses and the horizons: each laid card on its line, its text under it once complete.
void listeTexte(std::ostringstream& s, const PlanLecture& plan, int langue, int largeur,
                std::size_t colonne) {
    s << plan.titre << "\n";
    const auto* textes = plan.sections.empty() ? nullptr : &plan.sections.front().passages;
    for (std::size_t i = 0; i < plan.places.size(); ++i) {
        s << "\n"
          << aligner(plan.places[i].place, colonne) << carteLue(plan.places[i].carte, langue)
          << "\n";
        if (textes && i < textes->size()) s << paragraphe((*textes)[i].texte, langue, largeur);
    }
}

} // namespace

std::string envelopper(std::string_view texte, int largeur, int retrait) {
    const auto largeurUtile = static_cast<std::size_t>(std::max(largeur - retrait, 20));
    const std::string marge(static_cast<std::size_t>(std::max(retrait, 0)), ' ');
    std::string resultat;
    std::string ligne;
    std::size_t longueur = 0;
    std::size_t i = 0;
    while (i < texte.size()) {
        while (i < texte.size() && (texte[i] == ' ' || texte[i] == '\n')) ++i;
        const std::size_t debut = i;
        while (i < texte.size() && texte[i] != ' ' && texte[i] != '\n') ++i;
        if (debut == i) break;
        const std::string_view mot = texte.substr(debut, i - debut);
        const std::size_t n = nbCaracteres(mot);
        if (longueur > 0 && longueur + 1 + n > largeurUtile) {
            resultat += marge + ligne + "\n";
            ligne.clear();
            longueur = 0;
        }
        if (longueur > 0) {
            ligne += ' ';
            ++longueur;
        }
        ligne += mot;
        longueur += n;
    }
    if (longueur > 0) resultat += marge + ligne + "\n";
    return resultat;
}

std::string texteDeLaLecture(const EtatTirage& etat, int langue, int largeur) {
    std::ostringstream s;
    const PlanLecture plan = planDeLaLecture(etat, langue);
    switch (plan.type) {
    case TypeTirage::EnCroix:
        croixTexte(s, plan, langue, largeur);
        break;
    case TypeTirage::DixMaisons:
        listeTexte(s, plan, langue, largeur, 28);
        break;
    case TypeTirage::Bohemiens:
        listeTexte(s, plan, langue, largeur, 15);
        break;
    case TypeTirage::Aucun:
        break;
    }
    if (etat.numerosAffiches())
        s << "\n"
          << titreNumerosLu(langue) << (enFrancais(langue) ? " : " : ": ")
          << etat.texteNumerosChance() << "\n";
    return s.str();
}

} // namespace lunespiral
