#include "Chaines.h"

#include "Globales.h"
#include "Langue.h"
#include "Libelles.h"

#include <array>

namespace lunespiral {

namespace {

struct Ligne {
    Cle cle;
    const char* texte;
};
using Table = std::array<Ligne, static_cast<std::size_t>(Cle::nombreDeCles)>;

// Each table lists every key once, in the order of the keys (checked below).
// clang-format off
constexpr Table francais{{
    {Cle::msgQuitter, "Voulez-vous vraiment arrêter ?"},
    {Cle::msgAuRevoir, "A bientôt !!!"},
    {Cle::nomFichierAide, "lunespfr.hlp"},
    {Cle::msgAideIntrouvable, "Le fichier d'aide « %1 » est introuvable."},
    {Cle::msgAideTropVolumineuse, "Le fichier d'aide « %1 » est trop volumineux pour être affiché."},
    {Cle::msgAideIllisible, "Le fichier d'aide « %1 » ne peut pas être lu."},
    {Cle::msgAideTropComplexe, "La mise en page du fichier d'aide « %1 » est trop complexe pour être affichée."},
    {Cle::motArcane, "Arcane"},
    {Cle::motPsyche, "Psyché Globale"},
    {Cle::msgAbandon, "Etes-vous sûr de vouloir abandonner le tirage en cours ???"},
    {Cle::msgTirez4, "Tirez 4 cartes..."},
    {Cle::msgTirez10, "Tirez 10 cartes..."},
    {Cle::msgCliquezMaison, "Cliquez sur la maison (carte) de votre choix..."},
    {Cle::msgCliquezCarte, "Cliquez sur la carte de votre choix"},
    {Cle::titreNumerosChance, "Numéros de la chance"},
    {Cle::bulleOptionsNumeros, "Options de choix des numéros de la chance"},
    {Cle::tirageEnCroix, "Tirage en croix"},
    {Cle::tirageEnDixMaisons, "Tirage en dix maisons"},
    {Cle::tirageDesBohemiens, "Tirage des bohémiens"},
    {Cle::nouveauTirage, "Nouveau tirage"},
    {Cle::choixDuTirage, "Sélectionnez un des 3 tirages divinatoires..."},
    {Cle::titrePresent, "--- PRESENT ---"},
    {Cle::titreFutur, "--- FUTUR ---"},
    {Cle::bulleAide, "Aide"},
    {Cle::bulleAPropos, "A propos"},
    {Cle::bulleQuitter, "Quitter"},
    {Cle::bulleIconifier, "Iconifier"},
    {Cle::projets, "Projets"},
    {Cle::amour, "Amour"},
    {Cle::sante, "Santé"},
    {Cle::relationsPersonnelles, "Relations personnelles"},
    {Cle::commencerCeTirage, "Commencer ce tirage"},
    {Cle::carteFaceCachee, "Carte face cachée %1 sur 22"},
    {Cle::titreNbNumeros, "Nombre de numéros"},
    {Cle::titreValeurMinimale, "Valeur minimale"},
    {Cle::titreValeurMaximale, "Valeur maximale"},
    {Cle::annuler, "ANNULER"},
    {Cle::titreOptions, "Options de choix des numéros de la chance"},
}};
// clang-format on

// clang-format off
constexpr Table anglais{{
    {Cle::msgQuitter, "Do you really want to quit ?"},
    {Cle::msgAuRevoir, "See you !!!"},
    {Cle::nomFichierAide, "lunespus.hlp"},
    {Cle::msgAideIntrouvable, "The help file \"%1\" cannot be found."},
    {Cle::msgAideTropVolumineuse, "The help file \"%1\" is too large to be shown."},
    {Cle::msgAideIllisible, "The help file \"%1\" cannot be read."},
    {Cle::msgAideTropComplexe, "The layout of the help file \"%1\" is too complex to be shown."},
    {Cle::motArcane, "Card"},
    {Cle::motPsyche, "Psychical Energy"},
    {Cle::msgAbandon, "Are you sure you want to give up this draw ???"},
    {Cle::msgTirez4, "Draw 4 cards..."},
    {Cle::msgTirez10, "Draw 10 cards..."},
    {Cle::msgCliquezMaison, "Click among the house (card) of your choice..."},
    {Cle::msgCliquezCarte, "Choose one card of the bohemian draw..."},
    {Cle::titreNumerosChance, "Lucky numbers"},
    {Cle::bulleOptionsNumeros, "Options for the choice of the lucky numbers"},
    {Cle::tirageEnCroix, "Draw in a cross"},
    {Cle::tirageEnDixMaisons, "Draw of ten houses"},
    {Cle::tirageDesBohemiens, "Bohemian draw"},
    {Cle::nouveauTirage, "Draw the Tarots"},
    {Cle::choixDuTirage, "Choose one of these 3 tarot readings..."},
    {Cle::titrePresent, "--- PRESENT ---"},
    {Cle::titreFutur, "--- FUTURE ---"},
    {Cle::bulleAide, "Help"},
    {Cle::bulleAPropos, "About"},
    {Cle::bulleQuitter, "Quit"},
    {Cle::bulleIconifier, "Iconify"},
    {Cle::projets, "Projects"},
    {Cle::amour, "Love"},
    {Cle::sante, "Health"},
    {Cle::relationsPersonnelles, "Relationships"},
    {Cle::commencerCeTirage, "Start this reading"},
    {Cle::carteFaceCachee, "Face-down card %1 of 22"},
    {Cle::titreNbNumeros, "Number of numbers"},
    {Cle::titreValeurMinimale, "Minimum"},
    {Cle::titreValeurMaximale, "Maximum"},
    {Cle::annuler, "CANCEL"},
    {Cle::titreOptions, "Options for the choice of your lucky numbers"},
}};
// clang-format on

constexpr bool dansLOrdre(const Table& table) {
    for (std::size_t i = 0; i < table.size(); ++i)
        if (static_cast<std::size_t>(table[i].cle) != i) return false;
    return true;
}
static_assert(dansLOrdre(francais) && dansLOrdre(anglais), "a key is missing or out of place");

const Table* tableDe(int langue) {
    if (langue == langueFrancais) return &francais;
    if (langue == langueAnglais) return &anglais;
    return nullptr;
}

} // namespace

QString Chaines::texte(Cle cle) const {
    const Table* table = tableDe(langue);
    return table ? QString::fromUtf8((*table)[static_cast<std::size_t>(cle)].texte) : QString();
}

Chaines chainesDe(int langue) {
    Chaines c;
    if (!tableDe(langue)) return c;
    c.langue = langue;
    c.msgQuitter = c.texte(Cle::msgQuitter);
    c.msgAuRevoir = c.texte(Cle::msgAuRevoir);
    c.fichierAide = repertoireProgramme + c.texte(Cle::nomFichierAide);
    c.motArcane = c.texte(Cle::motArcane);
    c.motPsyche = c.texte(Cle::motPsyche);
    c.msgAbandon = c.texte(Cle::msgAbandon);
    c.msgTirez4 = c.texte(Cle::msgTirez4);
    c.msgTirez10 = c.texte(Cle::msgTirez10);
    c.msgCliquezMaison = c.texte(Cle::msgCliquezMaison);
    c.msgCliquezCarte = c.texte(Cle::msgCliquezCarte);
    c.titreNumerosChance = c.texte(Cle::titreNumerosChance);
    for (int h = 1; h <= nbMaisons; ++h) {
        c.nomsMaisons[h] = versQString(nomMaison(h, langue));
        c.libellesMaisons[h] = versQString(libelleMaison(h, langue));
    }
    return c;
}

} // namespace lunespiral
