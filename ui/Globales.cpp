#include "Globales.h"

#include "Cp1252.h"

#include <cmath>

namespace lunespiral {

int arrondi(double v) {
    return static_cast<int>(std::nearbyint(v));
} // FE_TONEAREST: halves to even

QString versQString(const std::string& cp1252) {
    return QString::fromStdString(cp1252VersUtf8(cp1252));
}

} // namespace lunespiral
