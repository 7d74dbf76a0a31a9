#pragma once
// The per-user settings store, as the program has always kept it.

#include <QByteArray>
#include <QSettings>
#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace lunespiral {

// The key path of the options in the store, as the program has always named it.
inline const QString cleRegistreParDefaut =
    QStringLiteral("Software\\Ludicorium\\LUNESPIRAL 2000\\");

// The per-user settings store: one INI file, values kept as raw little-endian bytes under the
// key path. Writes replace the file atomically. Without a proper file (no configuration
// directory, or something else than a regular file in the file's place) the options live for
// the run only: nothing is read or written, and avertissement() says so.
// A setting's name as the store's messages quote it: « nom ».
std::string guillemets(const QString& nom);

class MagasinReglages {
public:
    // The user's own store: $XDG_CONFIG_HOME/Ludicorium/LUNESPIRAL 2000.ini, or ~/.config/...
    // An empty key path stands for the default one.
    explicit MagasinReglages(const QString& cleRegistre);
    // A store in a given INI file (tests, tools).
    MagasinReglages(const QString& fichier, const QString& cleRegistre);

    // The raw bytes of a value; empty when the value is missing. A value that is not raw
    // binary data throws ErreurReglages naming it.
    std::optional<QByteArray> lire(const QString& nom) const;
    // Kept aside until enregistrer(): QSettings would otherwise write it when destroyed, even
    // after a refused save, and wait there for a lock that never goes.
    void ecrire(const QString& nom, const QByteArray& octets);
    // Writes what is pending; throws ErreurReglages naming `valeur` when the store cannot be
    // written.
    void enregistrer(const QString& valeur);

    // What the user must hear of the file once, at start-up: it was damaged (it held a value Qt
    // would decode as a serialized variant, or was implausibly large) and was moved aside to
    // "<file>.endommage", or the options hold for this run only.
    const std::optional<std::string>& avertissement() const { return avertissement_; }

private:
    enum class Etat {
        Fichier,       // the INI file, through QSettings
        PourLaSession, // nothing is read or written
        Refuse,        // a damaged file that could not be moved aside: neither read nor written
    };
    void ouvrir();
    QString fichier_;
    QString cleRegistre_;
    Etat etat_ = Etat::Fichier;
    std::unique_ptr<QSettings> reglages_;
    std::optional<std::string> avertissement_;
    std::vector<std::pair<QString, QByteArray>> enAttente_;
};

} // namespace lunespiral
