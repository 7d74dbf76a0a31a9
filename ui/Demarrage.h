#pragma once
// The program's start: the application's title and scale factors, then the three windows,
// created once in their fixed order and wired to each other.

namespace lunespiral {

class TfrmSplash;
class TfrmLunespiral;
class TfrmConfigurationChance;
class EtatTirage;

struct Fenetres {
    TfrmSplash* splash = nullptr;
    TfrmLunespiral* principale = nullptr;
    TfrmConfigurationChance* dialogue = nullptr;
    EtatTirage* etat = nullptr; // the reading, owned here and shown by the main window
};

// Needs the application object. The program ends when the splash, the primary window, closes.
Fenetres demarrer();
void detruire(Fenetres& fenetres);

// Qt's own words (its file and print dialogs) in the language chosen, 1 French or 2 English.
void traduireQt(int langue);

} // namespace lunespiral
