#pragma once
// A look at an INI file before QSettings reads it.

#include <QByteArray>

namespace lunespiral {

// True when Qt could read a value of the file as "@Variant(...)". Qt decodes such a value
// through QDataStream, which trusts the element counts it finds and reserves memory for them:
// a damaged count asks for gigabytes. The values are decoded roughly as Qt does (backslash
// escapes, lines continued by a backslash) and searched anywhere; a false alarm only moves a
// strange file aside.
bool contientVariante(const QByteArray& octets);

} // namespace lunespiral
