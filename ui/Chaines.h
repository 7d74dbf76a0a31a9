#pragma once
// The interface strings of the main window in the language of the run: one table of strings per
// language, looked up by key, and the few strings made from them. The start-up code hands the
// window the strings of the language chosen.

#include "Tableau.h"
#include "Tirages.h"

#include <QString>

namespace lunespiral {

enum class Cle {
    msgQuitter,
    msgAuRevoir,
    nomFichierAide,
    msgAideIntrouvable,     // %1: the help file
    msgAideTropVolumineuse, // %1: the help file
    msgAideIllisible,       // %1: the help file
    msgAideTropComplexe,    // %1: the help file
    motArcane,
    motPsyche,
    msgAbandon,
    msgTirez4,
    msgTirez10,
    msgCliquezMaison,
    msgCliquezCarte,
    titreNumerosChance,
    bulleOptionsNumeros,
    tirageEnCroix,
    tirageEnDixMaisons,
    tirageDesBohemiens,
    nouveauTirage,
    choixDuTirage,
    titrePresent,
    titreFutur,
    bulleAide,
    bulleAPropos,
    bulleQuitter,
    bulleIconifier,
    projets,
    amour,
    sante,
    relationsPersonnelles,
    commencerCeTirage,
    carteFaceCachee, // %1: the deck card's number
    titreNbNumeros,  // the options dialog
    titreValeurMinimale,
    titreValeurMaximale,
    annuler,
    titreOptions,
    nombreDeCles
};

struct Chaines {
    int langue = 0; // 0 while no language is chosen: every string is empty
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
    QString fichierAide; // the application's help file, in the program's directory

    // Any string of the table.
    QString texte(Cle cle) const;
};

// The strings of language 1 (French) or 2 (English); empty ones for any other.
Chaines chainesDe(int langue);

} // namespace lunespiral
