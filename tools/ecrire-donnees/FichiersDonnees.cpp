#include "FichiersDonnees.h"

#include "Langue.h"

#include <QByteArray>
#include <QDir>
#include <QSaveFile>
#include <QString>

#include <cstdint>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace lunespiral {

namespace {

constexpr std::size_t tailleChamp = 255;

void placerTexte(std::string& octets, std::size_t debut, const std::string& texte) {
    // Refused earlier already; kept as a guard, since an overlong text would spill into the next
    // field.
    if (texte.size() > tailleChamp - 1) throw std::logic_error("text too long for its field");
    octets.replace(debut, texte.size(), texte);
}

void placerEntier(std::string& octets, std::size_t debut, std::int32_t valeur) {
    const auto u = static_cast<std::uint32_t>(valeur);
    for (std::size_t i = 0; i < 4; ++i)
        octets[debut + i] = static_cast<char>((u >> (8 * i)) & 0xFF);
}

QString cheminQt(const std::filesystem::path& chemin) {
    return QString::fromStdString(chemin.string());
}

void ecrireAtomiquement(const std::filesystem::path& chemin, const std::string& octets) {
    QSaveFile fichier(cheminQt(chemin));
    if (!fichier.open(QIODevice::WriteOnly) ||
        fichier.write(octets.data(), static_cast<qint64>(octets.size())) !=
            static_cast<qint64>(octets.size()) ||
        !fichier.commit())
        throw std::runtime_error(chemin.string() + ": cannot be written (" +
                                 fichier.errorString().toStdString() + ")");
}

std::string lireTout(const std::filesystem::path& chemin) {
    std::ifstream flux(chemin, std::ios::binary);
    if (!flux) throw std::runtime_error(chemin.string() + ": cannot be read");
    std::ostringstream tout;
    tout << flux.rdbuf();
    return tout.str();
}

std::filesystem::path sourcePaires(const std::filesystem::path& repertoire, int langue) {
    return repertoire / (langue == langueFrancais ? "paires-fr.txt" : "paires-en.txt");
}

} // namespace

PairesSource lirePairesDe(const std::filesystem::path& repertoire, int langue) {
    return lirePaires(sourcePaires(repertoire, langue), langue,
                      lireTonalites(repertoire / "tonalites.txt"));
}

Sources lireSources(const std::filesystem::path& repertoire) {
    const Tonalites tonalites = lireTonalites(repertoire / "tonalites.txt");
    Sources s;
    s.francais.domaines = lireDomaines(repertoire / "domaines-fr.txt", langueFrancais);
    s.anglais.domaines = lireDomaines(repertoire / "domaines-en.txt", langueAnglais);
    s.francais.paires =
        lirePaires(sourcePaires(repertoire, langueFrancais), langueFrancais, tonalites);
    s.anglais.paires =
        lirePaires(sourcePaires(repertoire, langueAnglais), langueAnglais, tonalites);
    return s;
}

std::string fichierDomaines(const TextesDomainesSource& textes) {
    std::string octets(textes.size() * tailleEnregDomaine, '\0');
    for (std::size_t r = 0; r < textes.size(); ++r) {
        placerTexte(octets, r * tailleEnregDomaine, textes[r].present);
        placerTexte(octets, r * tailleEnregDomaine + tailleChamp, textes[r].futur);
    }
    return octets;
}

std::string fichierPaires(const PairesSource& paires) {
    std::string octets(paires.size() * tailleEnregPaire, '\0');
    for (std::size_t r = 0; r < paires.size(); ++r) {
        const std::size_t debut = r * tailleEnregPaire;
        placerTexte(octets, debut, paires[r].textes.present);
        placerTexte(octets, debut + tailleChamp, paires[r].textes.futur);
        // Bytes 510 and 511 stay zero: padding before the integers.
        for (std::size_t d = 0; d < 4; ++d) {
            placerEntier(octets, debut + 512 + 4 * d, paires[r].valeurs.ligne[d]);
            placerEntier(octets, debut + 528 + 4 * d, paires[r].valeurs.colonne[d]);
        }
    }
    return octets;
}

void produireDonnees(const std::filesystem::path& source, const std::filesystem::path& sortie) {
    const Sources sources = lireSources(source);
    std::vector<std::pair<std::string, std::string>> fichiers = {
        {"tbb", fichierDomaines(sources.francais.domaines)},
        {"tbbus", fichierDomaines(sources.anglais.domaines)},
        {"tbc", fichierPaires(sources.francais.paires)},
        {"tbcus", fichierPaires(sources.anglais.paires)},
    };
    for (const auto& [aide, copie] :
         {std::pair{"aide-fr.html", "lunespfr.hlp"}, std::pair{"aide-en.html", "lunespus.hlp"}}) {
        if (std::filesystem::exists(source / aide))
            fichiers.emplace_back(copie, lireTout(source / aide));
    }
    if (!QDir().mkpath(cheminQt(sortie)))
        throw std::runtime_error(sortie.string() + ": the directory cannot be created");
    for (const auto& [nom, octets] : fichiers) ecrireAtomiquement(sortie / nom, octets);
}

} // namespace lunespiral
