#pragma once
// The general meaning of each major arcanum, as the card table takes it in.

#include <array>
#include <string_view>

namespace lunespiral {

// General meaning of each arcanum, index 0 = card 1 (Le Bateleur) ... 21 = card 22 (Le Mat), UTF-8.
const std::array<std::string_view, 22>& significationsFrancaises();
const std::array<std::string_view, 22>& significationsAnglaises();

} // namespace lunespiral
