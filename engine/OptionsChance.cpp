#include "OptionsChance.h"

#include "Erreurs.h"
#include "Fichiers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <chrono>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace lunespiral {

namespace {

const QString nomVerif = QStringLiteral("verif");
const QString nomNombre = QStringLiteral("optionNbNumerosDeLaChance");
const QString nomMinimum = QStringLiteral("optionMinRange");
const QString nomMaximum = QStringLiteral("optionMaxRange");

constexpr std::int32_t nombreParDefaut = 6;
constexpr std::int32_t minimumParDefaut = 1;
constexpr std::int32_t maximumParDefaut = 49;

// The program writes some 200 bytes, and Qt a few lines into its lock: anything far larger is
// not theirs.
constexpr std::uint64_t tailleMaxReglages = 1 << 20;
constexpr std::uint64_t tailleMaxVerrou = 4096;

// $XDG_CONFIG_HOME, or $HOME/.config, as the XDG rules have it: only an absolute path counts
// (a relative one would put the file wherever the program was started). Nothing either when
// Qt cannot name the directory (not UTF-8): it would write to another one.
std::optional<QString> dossierDeConfiguration() {
    QByteArray dossier = qgetenv("XDG_CONFIG_HOME");
    if (!dossier.startsWith('/')) {
        dossier = qgetenv("HOME");
        if (!dossier.startsWith('/')) return std::nullopt;
        dossier += "/.config";
    }
    const QString nom = QFile::decodeName(dossier);
    if (QFile::encodeName(nom) != dossier) return std::nullopt;
    return QDir::cleanPath(nom);
}

std::string guillemets(const QString& nom) { return "« " + nom.toStdString() + " »"; }

template <typename T>
QByteArray octets(T valeur) {
    // Little-endian whatever the machine, as the store has always held them.
    using U = std::make_unsigned_t<T>;
    const U v = static_cast<U>(valeur);
    QByteArray b(static_cast<qsizetype>(sizeof(T)), '\0');
    for (std::size_t i = 0; i < sizeof(T); ++i)
        b[static_cast<qsizetype>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
    return b;
}

// Copies a stored value into the low-order bytes of the field; the bytes it does not reach
// keep their value. Throws when the value cannot be read.
template <typename T>
void lireValeur(const MagasinReglages& magasin, const QString& nom, T& champ) {
    const auto valeur = magasin.lire(nom);
    if (!valeur) return;
    if (valeur->size() > static_cast<qsizetype>(sizeof(T)))
        throw ErreurReglages("Réglage " + guillemets(nom) + " illisible : " +
                             std::to_string(valeur->size()) + " octets au lieu de " +
                             std::to_string(sizeof(T)) + ".");
    using U = std::make_unsigned_t<T>;
    U v = static_cast<U>(champ);
    for (qsizetype i = 0; i < valeur->size(); ++i) {
        const auto decalage = 8 * static_cast<unsigned>(i);
        v = static_cast<U>((v & ~(U{0xFF} << decalage)) |
                           (U{static_cast<unsigned char>((*valeur)[i])} << decalage));
    }
    champ = static_cast<T>(v);
}

// True when Qt could read a value of the file as "@Variant(...)". Qt decodes such a value
// through QDataStream, which trusts the element counts it finds and reserves memory for them:
// a damaged count asks for gigabytes. The values are decoded roughly as Qt does (backslash
// escapes, lines continued by a backslash) and searched anywhere; a false alarm only moves a
// strange file aside.
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
                const int v = h >= '0' && h <= '9'                ? h - '0'
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

} // namespace

MagasinReglages::MagasinReglages(const QString& cleRegistre) : cleRegistre_(cleRegistre) {
    if (const auto dossier = dossierDeConfiguration()) {
        fichier_ = *dossier + QStringLiteral("/Ludicorium/LUNESPIRAL 2000.ini");
        ouvrir();
    } else {
        etat_ = Etat::PourLaSession;
        avertissement_ = "Lunespiral ne trouve aucun dossier de configuration utilisable (HOME ou "
                         "XDG_CONFIG_HOME doit désigner un chemin absolu) : les options ne vaudront que "
                         "pour cette session.\n"
                         "Lunespiral finds no usable configuration folder (HOME or XDG_CONFIG_HOME must "
                         "name an absolute path): the options will hold for this session only.";
    }
}

MagasinReglages::MagasinReglages(const QString& fichier, const QString& cleRegistre)
    : fichier_(fichier), cleRegistre_(cleRegistre) {
    ouvrir();
}

void MagasinReglages::ouvrir() {
    // QSettings reads the whole file as soon as it is made: what lies there is looked at first.
    const std::string chemin = QFile::encodeName(fichier_).toStdString();
    const NatureFichier nature = natureFichier(chemin);
    const std::string affiche = QFileInfo(fichier_).absoluteFilePath().toStdString();
    if (nature.existe && !nature.ordinaire) {
        // A FIFO would hold the start for ever and a device flood it. It is left as it is: a
        // link to /dev/null is a known way of keeping a program from saving.
        etat_ = Etat::PourLaSession;
        avertissement_ = "Le fichier de réglages « " + affiche +
                         " » n'est pas un fichier ordinaire : il n'est ni lu ni modifié, et les options ne "
                         "vaudront que pour cette session.\n"
                         "The settings file \"" + affiche +
                         "\" is not a regular file: it is neither read nor changed, and the options will "
                         "hold for this session only.";
        return;
    }
    if (nature.ordinaire) {
        // A file far larger than the program writes is damage, as is a serialized variant (Qt
        // would trust its element counts and ask for gigabytes).
        bool endommage = nature.taille > tailleMaxReglages;
        if (!endommage) {
            const auto contenu = lireFichierOrdinaire(chemin, tailleMaxReglages);
            endommage = contenu && contientVariante(QByteArray(reinterpret_cast<const char*>(contenu->data()),
                                                               static_cast<qsizetype>(contenu->size())));
        }
        if (endommage) {
            const QString ecarte = fichier_ + QStringLiteral(".endommage");
            QFile::remove(ecarte);
            if (!QFile::rename(fichier_, ecarte)) {
                etat_ = Etat::Refuse;
                return;
            }
            avertissement_ = "Le fichier de réglages « " + affiche + " » était endommagé : il est mis de côté sous « " +
                             QFileInfo(ecarte).fileName().toStdString() + " ».";
        }
    }
    reglages_ = std::make_unique<QSettings>(fichier_, QSettings::IniFormat);
}

std::optional<QByteArray> MagasinReglages::lire(const QString& nom) const {
    if (etat_ == Etat::PourLaSession) return std::nullopt;
    if (etat_ == Etat::Refuse)
        throw ErreurReglages("Réglage " + guillemets(nom) + " illisible : le fichier " +
                             QFileInfo(fichier_).absoluteFilePath().toStdString() + " est endommagé.");
    // The key path is the INI section, literally, backslashes and all.
    const QVariant valeur = reglages_->value(cleRegistre_ + '/' + nom);
    if (!valeur.isValid()) return std::nullopt;
    if (valeur.typeId() != QMetaType::QByteArray)
        throw ErreurReglages("Réglage " + guillemets(nom) +
                             " illisible : ce n'est pas une valeur binaire.");
    return valeur.toByteArray();
}

void MagasinReglages::ecrire(const QString& nom, const QByteArray& octets) {
    enAttente_.emplace_back(cleRegistre_ + '/' + nom, octets);
}

void MagasinReglages::enregistrer(const QString& valeur) {
    const auto enAttente = std::exchange(enAttente_, {});
    if (etat_ == Etat::PourLaSession) return;
    // QSettings waits for its lock file without end, and gives a lock left empty or unreadable
    // by a process that died 30 seconds before calling it stale: the program would freeze. A
    // lock already there is taken first with a short patience; one that cannot be taken even
    // so makes the store unwritable for this save. Qt reads a lock it finds: one that is not a
    // small regular file (a FIFO, a link to a device) is not a lock of ours and is not touched.
    bool verrouille = etat_ == Etat::Refuse;
    if (!verrouille) {
        const QString nomVerrou = fichier_ + QStringLiteral(".lock");
        const NatureFichier verrou = natureFichier(QFile::encodeName(nomVerrou).toStdString());
        if (verrou.existe && (!verrou.ordinaire || verrou.taille > tailleMaxVerrou)) {
            verrouille = true;
        } else if (verrou.existe || QFileInfo(nomVerrou).isSymLink()) {
            QLockFile attente(nomVerrou);
            attente.setStaleLockTime(std::chrono::seconds(2));
            verrouille = !attente.tryLock(std::chrono::seconds(3));
        }
    }
    if (!verrouille) {
        for (const auto& [cle, octets] : enAttente) reglages_->setValue(cle, octets);
        reglages_->sync();
    }
    if (verrouille || reglages_->status() == QSettings::AccessError)
        throw ErreurReglages("Impossible d'enregistrer le réglage " + guillemets(valeur) + " : " +
                             QFileInfo(fichier_).absoluteFilePath().toStdString() + " ne peut pas être écrit.");
}

OptionsChance& optionsChance() {
    static OptionsChance options;
    return options;
}

bool validerOptions(const OptionsChance& o) {
    return o.verif <= 1 && o.optionNbNumerosDeLaChance >= 1 && o.optionNbNumerosDeLaChance <= 10 &&
           o.optionMinRange >= 1 && o.optionMinRange <= 500 && o.optionMaxRange >= 1 &&
           o.optionMaxRange <= 500;
}

void appliquerOptionsParDefaut(OptionsChance& options, MagasinReglages& magasin) {
    options.optionNbNumerosDeLaChance = nombreParDefaut;
    options.optionMinRange = minimumParDefaut;
    options.optionMaxRange = maximumParDefaut;
    sauverOptions(options, magasin);
}

void sauverOptions(const OptionsChance& options, MagasinReglages& magasin) {
    magasin.ecrire(nomVerif, octets(options.verif));
    magasin.ecrire(nomNombre, octets(options.optionNbNumerosDeLaChance));
    magasin.ecrire(nomMinimum, octets(options.optionMinRange));
    magasin.ecrire(nomMaximum, octets(options.optionMaxRange));
    magasin.enregistrer(nomVerif);
}

void chargerOptions(OptionsChance& options, MagasinReglages& magasin) {
    std::vector<std::string> erreurs;
    if (magasin.avertissement()) erreurs.push_back(*magasin.avertissement());
    bool illisible = false;
    auto lire = [&](const QString& nom, auto& champ, auto parDefaut) {
        try {
            lireValeur(magasin, nom, champ);
        } catch (const ErreurReglages& e) {
            erreurs.push_back(e.what());
            champ = parDefaut;
            illisible = true;
        }
    };
    lire(nomVerif, options.verif, std::uint8_t{0});
    lire(nomNombre, options.optionNbNumerosDeLaChance, nombreParDefaut);
    lire(nomMinimum, options.optionMinRange, minimumParDefaut);
    lire(nomMaximum, options.optionMaxRange, maximumParDefaut);

    try {
        if (options.verif == 0) {
            // First run, or the marker was never written.
            options.verif = 1;
            appliquerOptionsParDefaut(options, magasin);
        } else if (!validerOptions(options)) {
            // A marker other than 0 or 1 is repaired too: written back as it was, it would
            // throw the user's options away at every start.
            options.verif = 1;
            appliquerOptionsParDefaut(options, magasin);
        } else if (!erreurs.empty()) {
            // Put readable values back in place of those that were not.
            sauverOptions(options, magasin);
        }
    } catch (const ErreurReglages& e) {
        erreurs.push_back(e.what());
    }

    if (!erreurs.empty()) {
        std::string message;
        for (const auto& e : erreurs) message += (message.empty() ? "" : "\n") + e;
        if (illisible) message += "\nLa valeur par défaut est reprise.";
        throw ErreurReglages(message);
    }
}

} // namespace lunespiral
