#include "Fichiers.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lunespiral {

NatureFichier natureFichier(const std::string& chemin) {
    struct stat infos {};
    if (::stat(chemin.c_str(), &infos) != 0) return {};
    const bool ordinaire = S_ISREG(infos.st_mode);
    return {true, ordinaire, ordinaire ? static_cast<std::uint64_t>(infos.st_size) : 0};
}

std::optional<std::vector<unsigned char>>
lireFichierOrdinaire(const std::string& chemin, std::size_t tailleMax, bool* erreurDeLecture) {
    if (erreurDeLecture) *erreurDeLecture = false;
    if (!natureFichier(chemin).ordinaire) return std::nullopt;
    // Should the file be swapped for a FIFO after the look, O_NONBLOCK keeps the open from
    // waiting, and the second look refuses it.
    const int fd = ::open(chemin.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat infos {};
    if (::fstat(fd, &infos) != 0 || !S_ISREG(infos.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    std::vector<unsigned char> contenu(
        std::min<std::size_t>(tailleMax, static_cast<std::size_t>(infos.st_size)));
    std::size_t lus = 0;
    while (lus < tailleMax) {
        // A file that grew since fstat is read on, up to the limit.
        if (lus == contenu.size()) contenu.resize(std::min(tailleMax, contenu.size() + 65536));
        const ssize_t n = ::read(fd, contenu.data() + lus, contenu.size() - lus);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && erreurDeLecture) *erreurDeLecture = true;
        if (n <= 0) break;
        lus += static_cast<std::size_t>(n);
    }
    ::close(fd);
    contenu.resize(lus);
    return contenu;
}

std::optional<std::string> repertoireDeLExecutable() {
    std::string lien(256, '\0');
    while (true) {
        const ssize_t n = ::readlink("/proc/self/exe", lien.data(), lien.size());
        if (n < 0) return std::nullopt;
        if (static_cast<std::size_t>(n) < lien.size()) {
            lien.resize(static_cast<std::size_t>(n));
            break;
        }
        if (lien.size() >= 65536) return std::nullopt;
        lien.resize(lien.size() * 2);
    }
    const auto barre = lien.rfind('/');
    if (lien.empty() || lien[0] != '/' || barre == std::string::npos) return std::nullopt;
    return lien.substr(0, barre + 1);
}

} // namespace lunespiral
