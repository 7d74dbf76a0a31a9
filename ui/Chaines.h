#pragma once
// The interface strings that follow the language of the run; empty until it is chosen.

#include "Tableau.h"
#include "Tirages.h"

#include <QString>

namespace lunespiral {

struct Chaines {
    QString msgQuitter;
    QString msgAuRevoir;
    QString msgAbandon;
    QString msgTirez4;
    QString msgTirez10;
    QString msgCliquezMaison;
    QString msgCliquezCarte;
    QString motArcane;
    QString motPsyche;
    Tab<QString, nbMaisons> nomsMaisons;
    Tab<QString, nbMaisons> libellesMaisons;
    QString titreNumerosChance;
    QString fichierAide; // the application's help file
};

inline Chaines chaines;

} // namespace lunespiral
