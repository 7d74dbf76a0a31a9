#pragma once
// From the UTF-8 sources in data/ to the four binary files the program reads beside itself:
// "tbb" / "tbbus" (240 domain records of 510 bytes) and "tbc" / "tbcus" (484 pair records of
// 544 bytes), and the two help files.

#include "Domaines.h"
#include "Paires.h"

#include <filesystem>
#include <string>

namespace lunespiral {

constexpr std::size_t tailleEnregDomaine = 510;
constexpr std::size_t tailleEnregPaire = 544;

// One language's sources, all read and checked.
struct SourcesLangue {
    TextesDomainesSource domaines;
    PairesSource paires;
};

struct Sources {
    SourcesLangue francais;
    SourcesLangue anglais;
};

// Reads and checks every source in `repertoire` (domaines-fr.txt, domaines-en.txt,
// paires-fr.txt, paires-en.txt, tonalites.txt). Throws ErreurSource at the first fault.
Sources lireSources(const std::filesystem::path& repertoire);

// Only one language's pair records (for showing pair texts whatever state the domain texts are
// in).
PairesSource lirePairesDe(const std::filesystem::path& repertoire, int langue);

// The bytes of the files, in the program's layouts.
std::string fichierDomaines(const TextesDomainesSource& textes);
std::string fichierPaires(const PairesSource& paires);

// Reads everything first, then writes tbb, tbbus, tbc, tbcus into `sortie` (created if need
// be), each file atomically, and copies aide-fr.html / aide-en.html to lunespfr.hlp /
// lunespus.hlp when they exist. A faulty source throws ErreurSource before anything is written;
// a write that fails throws std::runtime_error.
void produireDonnees(const std::filesystem::path& source, const std::filesystem::path& sortie);

} // namespace lunespiral
