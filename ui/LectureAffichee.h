#pragma once
// The reading on the main window, described for a page.

#include "PageLecture.h"

#include <QDateTime>

#include <optional>

namespace lunespiral {

class EtatTirage;

// The reading of `etat` in language `langue` (1 or 2), dated `quand`, with the lucky numbers
// it shows; nothing unless the spread is complete and on screen (`surLEcran`: a reading stays
// in the state after "Nouveau tirage" until the next one is chosen).
std::optional<LectureImprimee> lectureAffichee(const EtatTirage& etat, int langue, bool surLEcran,
                                               const QDateTime& quand);

} // namespace lunespiral
