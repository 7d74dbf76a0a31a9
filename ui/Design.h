#pragma once
// The fixed controls of a window, declared in one table per window, all in this one format, and
// the one builder that makes them. Geometry and pixel sizes are those of the design; each
// window scales its whole tree afterwards (Echelle.h).

#include "Chaines.h"
#include "Panneau.h"
#include "Polices.h"

#include <QWidget>

#include <optional>
#include <span>

namespace lunespiral {

enum class Genre {
    Panneau,     // Panneau: bevelled panel with a centred caption
    Memo,        // Memo: a text box
    Image,       // ImageControle: a picture of the picture service
    BoutonOutil, // QToolButton, raised only under the mouse
    Bouton,      // QPushButton
    Cadre,       // QGroupBox
    Etiquette,   // QLabel
    Barre,       // horizontal QScrollBar
};

// How a label takes its size.
enum class Taille { Fixe, AuTexte, Paragraphe };

struct Police {
    Famille famille = Famille::Sans;
    int pixels = 0; // 0: the parent's font
    bool gras = false;
    int couleur = -1; // text colour #RRGGBB, or -1 for the default
};

struct Geometrie {
    int x, y, largeur, hauteur;
};

struct Controle {
    const char* nom; // the objectName
    Genre genre;
    const char* parent = ""; // "" for the window itself; parents come before their children
    Geometrie geometrie = {0, 0, 0, 0};
    int fond = -1; // #RRGGBB, or -1 for none
    Police police = {};
    bool visible = true;
    Qt::CursorShape curseur = Qt::ArrowCursor;
    std::optional<Qt::FocusPolicy> focus = {}; // none: the control's own
    const char* texte = "";                    // a fixed caption, or the picture's name of an image
    std::optional<Cle> legende = {};           // a caption in the language of the run
    std::optional<Cle> bulle = {}; // a hint in the language of the run; names a button too
    // Panels.
    Panneau::Biseau exterieur = Panneau::Biseau::Releve;
    Panneau::Biseau interieur = Panneau::Biseau::Aucun;
    int largeurBiseau = 1;
    bool retourALaLigne = false;
    // Text boxes: a vertical scroll bar when needed.
    bool defilement = false;
    // Labels.
    Taille taille = Taille::Fixe;
    int marge = 0;
    // Scroll bars; their step is always 1.
    int minimum = 0, maximum = 0, page = 0;
};

QColor couleurDesign(int rrggbb);
// The window's own background colour, kept when it is disabled or inactive.
void peindreFond(QWidget* w, int rrggbb);

// Makes the controls of `design` inside `fenetre`, in order.
void construireControles(QWidget* fenetre, std::span<const Controle> design);
// Sets the captions and hints of `design` that follow the language.
void appliquerLegendes(const QWidget* fenetre, std::span<const Controle> design,
                       const Chaines& chaines);

} // namespace lunespiral
