#pragma once

namespace lunespiral {

// The language code of the run: 0 until the user chooses, then French or English for good.
constexpr int langueAucune = 0;
constexpr int langueFrancais = 1;
constexpr int langueAnglais = 2;

// The language to speak in: French until English is chosen.
constexpr int langueParlee(int langue) {
    return langue == langueAnglais ? langueAnglais : langueFrancais;
}

} // namespace lunespiral
