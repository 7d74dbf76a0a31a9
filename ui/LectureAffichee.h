#pragma once
// The reading on the main window, described for a page.

#include "PageLecture.h"

#include <QDateTime>

#include <optional>

namespace lunespiral {

class TfrmLunespiral;

// The complete reading on `fenetre`, dated `quand`, with the lucky numbers it shows; nothing
// while no spread is complete on it.
std::optional<LectureImprimee> lectureAffichee(const TfrmLunespiral& fenetre,
                                               const QDateTime& quand);

} // namespace lunespiral
