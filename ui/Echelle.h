#pragma once
// Every window is laid out on the 800-pixel-wide design and carried to the screen at hand by
// one rule, applied once to its whole widget tree.

#include <QWidget>

namespace lunespiral {

// Integer nearest to v, halves away from zero: the rule of the design scaling.
int arrondiEchelle(double v);

struct Echelle {
    double x = 1;      // left edges and widths
    double y = 1;      // top edges and heights
    double police = 1; // pixel sizes of fonts
};

// The single factor trunc(W × 96 / dpi) / 800 of the splash and the dialog.
Echelle echelleUnique(int largeurEcran, double pointsParPouce);
// The same for a window of `design` pixels, kept within what the screen can hold and above
// half the design: a screen's dots per inch can be anything (QT_FONT_DPI=1 asked for a
// splash of 43,680 pixels across).
Echelle echelleUnique(QSize ecran, double pointsParPouce, QSize design);
// The main window's: the same across, trunc(H × 96 / dpi) / 600 down, fonts by the smaller,
// so that a wide screen does not push the panels below its bottom edge. The window fills the
// screen: its controls never go past the screen's edges, nor below half their size.
Echelle echelleFenetrePrincipale(int largeurEcran, int hauteurEcran, double pointsParPouce);

// The smallest type, in pixels, still read with ease on a screen `largeurEcran` wide: 9 below
// 1024, 11 from there up. Texts shrink to fit their boxes down to it, no further.
inline int tailleLisible(int largeurEcran) {
    return largeurEcran >= 1024 ? 11 : 9;
}

// Before the application object exists: a QT_FONT_DPI that Qt would turn into a screen of one
// pixel (100000) or fonts too small to read (1) is brought back within 48..384, a quarter to
// four times the usual 96.
void bornerResolutionImposee();

// Scales the geometry of `racine` and every widget under it, and the pixel size of each font
// that a widget sets for itself.
void mettreAEchelle(QWidget* racine, const Echelle& echelle);

} // namespace lunespiral
