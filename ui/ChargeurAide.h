#pragma once
// What the help viewer takes from a help file. The help file is HTML that Qt lays out, and Qt
// has limits of its own: its parser spends time in the square of the nesting (30,000 nested
// elements take seconds), and its layout lays a table out again for every table around it, so
// that text costs twice as much for each table it is in (twenty nested tables take seconds,
// three thousand crash it).

#include <QByteArray>
#include <QString>
#include <QUrl>

namespace lunespiral {

constexpr qint64 tailleMaxAide = 1 << 20;        // the help files are some 20 KB
constexpr qint64 tailleMaxRessource = 4 << 20;   // one picture
constexpr qint64 tailleMaxRessources = 16 << 20; // all of them, for one help file
constexpr int balisesMaxAide = 5000;             // the help files have some 400 tags
constexpr int imbricationMaxAide = 256;
// Characters, counted twice for each table they are in: a help file costs some 16,000, and
// Qt lays out a million in about a third of a second.
constexpr qint64 coutMaxAide = 2'000'000;

enum class DefautAide { Aucun, TropGrand, TropComplexe };

// Looks at the HTML before Qt parses it (size, tags, nesting as far as the tags show it), then
// measures what Qt made of it before anything is laid out.
DefautAide examinerAide(const QByteArray& html);

// The file a picture or style sheet of the help file names, beside the help file in
// `dossierAide` (ending with '/'): a bare file name. Empty for anything else.
QString ressourceAdmise(const QString& dossierAide, const QUrl& nom);

enum class GenreLien { Ancre, Externe, Refuse };
// A link within the help file, to the web (opened by the desktop's browser), or anything else.
GenreLien genreDeLien(const QUrl& lien);

} // namespace lunespiral
