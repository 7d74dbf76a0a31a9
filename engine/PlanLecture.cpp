#include "PlanLecture.h"

#include "Arcanes.h"
#include "Cp1252.h"
#include "Langue.h"
#include "Libelles.h"

namespace lunespiral {

namespace {

bool enFrancais(int langue) {
    return langue == langueFrancais;
}

std::string utf8(const std::string& octets) {
    return cp1252VersUtf8(octets);
}

void croix(PlanLecture& plan, const EtatTirage& etat, int langue) {
    const bool fr = enFrancais(langue);
    const bool complet = etat.croixTerminee();
    const auto& t = etat.tirageCroix();
    const auto& x = etat.textesCroix();
    plan.titre = fr ? "TIRAGE EN CROIX" : "DRAW IN A CROSS";
    static const char* places[2][5] = {{"Left", "Top", "Right", "Bottom", "Centre"},
                                       {"À gauche", "En haut", "À droite", "En bas", "Au centre"}};
    const int posees = complet ? 4 : etat.nbCartesPosees();
    for (int i = 1; i <= posees; ++i) plan.places.push_back({places[fr][i - 1], {}, t.cartes[i]});
    if (!complet) return;
    const std::string psyche = fr ? "Psyché Globale" : "Psychical Energy";
    plan.places.push_back({places[fr][4], psyche, t.cartes[5]});

    static const char* domaines[2][4] = {{"Projects", "Love", "Health", "Relationships"},
                                         {"Projets", "Amour", "Santé", "Relations personnelles"}};
    auto cote = [&](const char* titre, int a, int b, const std::string& synthese,
                    const Tab<std::string, nbDomainesCroix>& textes) {
        SectionLue s{titre, {a, b}, {{{}, 0, utf8(synthese)}}};
        for (int d = 1; d <= nbDomainesCroix; ++d)
            s.passages.push_back({domaines[fr][d - 1], 0, utf8(textes[d])});
        plan.sections.push_back(std::move(s));
    };
    cote("--- PRESENT ---", t.cartes[1], t.cartes[2], x.synthesePresent, x.domainesPresent);
    cote(fr ? "--- FUTUR ---" : "--- FUTURE ---", t.cartes[3], t.cartes[4], x.syntheseFutur,
         x.domainesFutur);
    plan.sections.push_back({psyche, {t.cartes[5]}, {{{}, 0, utf8(x.phraseGlobale)}}});
}

void maisons(PlanLecture& plan, const EtatTirage& etat, int langue) {
    const bool complet = etat.maisonsTerminees();
    const auto& t = etat.tirageMaisons();
    plan.titre = enFrancais(langue) ? "TIRAGE EN DIX MAISONS" : "DRAW OF TEN HOUSES";
    const int posees = complet ? nbMaisons : etat.nbCartesPosees();
    SectionLue textes;
    for (int h = 1; h <= posees; ++h) {
        const std::string maison = utf8(libelleMaison(h, langue));
        plan.places.push_back({maison, {}, t.cartes[h]});
        if (complet)
            textes.passages.push_back({maison, t.cartes[h], utf8(etat.textesMaisons()[h])});
    }
    if (complet) plan.sections.push_back(std::move(textes));
}

void bohemiens(PlanLecture& plan, const EtatTirage& etat, int langue) {
    const bool complet = etat.bohemiensTermines();
    const auto& t = etat.tirageBohemiens();
    plan.titre = enFrancais(langue) ? "TIRAGE DES BOHÉMIENS" : "BOHEMIAN DRAW";
    const int posees = complet ? nbHorizons : etat.nbCartesPosees();
    SectionLue textes;
    for (int n = 1; n <= posees; ++n) {
        const std::string horizon = utf8(nomHorizon(n, langue));
        plan.places.push_back({horizon, {}, t.cartes[n]});
        if (complet)
            textes.passages.push_back({horizon, t.cartes[n], utf8(etat.textesHorizons()[n])});
    }
    if (complet) plan.sections.push_back(std::move(textes));
}

} // namespace

std::string nomCarteLu(int carte, int langue) {
    return utf8(nomArcane(carte, langue));
}

std::string titreNumerosLu(int langue) {
    return enFrancais(langue) ? "Numéros de la chance" : "Lucky numbers";
}

PlanLecture planDeLaLecture(const EtatTirage& etat, int langue) {
    PlanLecture plan;
    plan.type = etat.typeTirage();
    switch (plan.type) {
    case TypeTirage::EnCroix:
        croix(plan, etat, langue);
        break;
    case TypeTirage::DixMaisons:
        maisons(plan, etat, langue);
        break;
    case TypeTirage::Bohemiens:
        bohemiens(plan, etat, langue);
        break;
    case TypeTirage::Aucun:
        break;
    }
    return plan;
}

} // namespace lunespiral
