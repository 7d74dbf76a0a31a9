#include "VarianteIni.h"

namespace lunespiral {

bool contientVariante(const QByteArray& octets) {
    static const QByteArray motif = QByteArrayLiteral("@Variant(");
    QByteArray decode;
    decode.reserve(octets.size());
    for (qsizetype i = 0; i < octets.size(); ++i) {
        const char c = octets[i];
        if (c != '\\' || i + 1 == octets.size()) {
            decode += c;
            continue;
        }
        const char s = octets[++i];
        auto chiffres = [&](int base) {
            unsigned valeur = 0;
            while (i < octets.size()) {
                const char h = octets[i];
                const int v = h >= '0' && h <= '9'                 ? h - '0'
                              : base == 16 && h >= 'a' && h <= 'f' ? h - 'a' + 10
                              : base == 16 && h >= 'A' && h <= 'F' ? h - 'A' + 10
                                                                   : -1;
                if (v < 0 || v >= base) break;
                valeur = (valeur * static_cast<unsigned>(base) + static_cast<unsigned>(v)) & 0xFFFF;
                ++i;
            }
            --i;
            decode += valeur < 0x80 ? static_cast<char>(valeur) : '?';
        };
        if (s == '\n' || s == '\r') {
            if (s == '\r' && i + 1 < octets.size() && octets[i + 1] == '\n') ++i;
        } else if (s == 'x' || s == 'X') {
            ++i;
            chiffres(16);
        } else if (s >= '0' && s <= '7') {
            chiffres(8);
        } else {
            decode += s;
        }
    }
    return decode.contains(motif);
}

} // namespace lunespiral
