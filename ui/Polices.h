#pragma once
// The two type faces of the design, with the free faces that stand in for them where the
// Windows fonts are not installed (Liberation Serif has the metrics of Times New Roman).

#include <QFont>
#include <QStringList>

namespace lunespiral {

enum class Famille { Serif, Sans };

inline QFont policeDesign(Famille famille, int pixels, bool gras = false) {
    QFont police;
    if (famille == Famille::Serif) {
        police.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                            QStringLiteral("serif")});
        police.setStyleHint(QFont::Serif);
    } else {
        police.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"),
                            QStringLiteral("sans-serif")});
        police.setStyleHint(QFont::SansSerif);
    }
    police.setPixelSize(pixels);
    police.setBold(gras);
    return police;
}

} // namespace lunespiral
