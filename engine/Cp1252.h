#pragma once
// Every text of the program is kept as Windows-1252 bytes; these are the only two doors
// between those bytes and UTF-8.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace lunespiral {

// Windows-1252 bytes -> UTF-8. Total: every byte has a character (the five bytes that the
// code page leaves unassigned become the C1 controls U+0081, U+008D, U+008F, U+0090, U+009D,
// as Windows itself maps them).
std::string cp1252VersUtf8(std::string_view octets);

// UTF-8 -> Windows-1252 bytes. Empty when the input is not valid UTF-8 or holds a character
// the code page cannot carry; `positionErreur` (when given) then receives the byte offset of
// the offending sequence.
std::optional<std::string> utf8VersCp1252(std::string_view utf8,
                                          std::size_t* positionErreur = nullptr);

// The character that starts at `position` in `utf8`, moving `position` past it; empty (and
// `position` unmoved) for a byte that starts no valid, shortest-form sequence.
std::optional<char32_t> caractereUtf8(std::string_view utf8, std::size_t& position);

// For texts written in our own sources, which are known to fit: throws std::logic_error
// naming the text otherwise.
std::string cp1252(std::string_view utf8);

} // namespace lunespiral
