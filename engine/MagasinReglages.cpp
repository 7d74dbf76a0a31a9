#include "MagasinReglages.h"

#include "Erreurs.h"
#include "Fichiers.h"
#include "VarianteIni.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <chrono>
#include <cstdint>

namespace lunespiral {

namespace {

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

} // namespace

std::string guillemets(const QString& nom) {
    return "« " + nom.toStdString() + " »";
}

MagasinReglages::MagasinReglages(const QString& cleRegistre)
    : cleRegistre_(cleRegistre.isEmpty() ? cleRegistreParDefaut : cleRegistre) {
    if (const auto dossier = dossierDeConfiguration()) {
        fichier_ = *dossier + QStringLiteral("/Ludicorium/LUNESPIRAL 2000.ini");
        ouvrir();
    } else {
        etat_ = Etat::PourLaSession;
        avertissement_ =
            "Lunespiral ne trouve aucun dossier de configuration utilisable (HOME ou "
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
        avertissement_ =
            "Le fichier de réglages « " + affiche +
            " » n'est pas un fichier ordinaire : il n'est ni lu ni modifié, et les options ne "
            "vaudront que pour cette session.\n"
            "The settings file \"" +
            affiche +
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
            endommage = contenu &&
                        contientVariante(QByteArray(reinterpret_cast<const char*>(contenu->data()),
                                                    static_cast<qsizetype>(contenu->size())));
        }
        if (endommage) {
            const QString ecarte = fichier_ + QStringLiteral(".endommage");
            QFile::remove(ecarte);
            if (!QFile::rename(fichier_, ecarte)) {
                etat_ = Etat::Refuse;
                return;
            }
            avertissement_ = "Le fichier de réglages « " + affiche +
                             " » était endommagé : il est mis de côté sous « " +
                             QFileInfo(ecarte).fileName().toStdString() + " ».";
        }
    }
    reglages_ = std::make_unique<QSettings>(fichier_, QSettings::IniFormat);
}

std::optional<QByteArray> MagasinReglages::lire(const QString& nom) const {
    if (etat_ == Etat::PourLaSession) return std::nullopt;
    if (etat_ == Etat::Refuse)
        throw ErreurReglages("Réglage " + guillemets(nom) + " illisible : le fichier " +
                             QFileInfo(fichier_).absoluteFilePath().toStdString() +
                             " est endommagé.");
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
                             QFileInfo(fichier_).absoluteFilePath().toStdString() +
                             " ne peut pas être écrit.");
}

} // namespace lunespiral
