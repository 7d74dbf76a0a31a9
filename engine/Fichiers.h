#pragma once
// Files the program reads without controlling them. What a path names is looked at first
// (stat, never open): opening a FIFO blocks until someone writes to it, and reading a device
// such as /dev/zero never ends, so anything but a regular file counts as missing.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lunespiral {

struct NatureFichier {
    bool existe = false;    // something is there, links followed
    bool ordinaire = false; // a regular file
    std::uint64_t taille = 0;
};

NatureFichier natureFichier(const std::string& chemin);

// The first `tailleMax` bytes at most of the regular file `chemin`; nothing when the path names
// anything else or cannot be opened for reading. A read that fails part-way keeps what was
// read, and sets `erreurDeLecture` when given.
std::optional<std::vector<unsigned char>> lireFichierOrdinaire(const std::string& chemin,
                                                               std::size_t tailleMax,
                                                               bool* erreurDeLecture = nullptr);

// The directory of the running program, ending with '/', from the kernel's own link to the
// executable: bytes, whatever their encoding. Nothing when the system does not say.
std::optional<std::string> repertoireDeLExecutable();

} // namespace lunespiral
