#include "VisionneuseAide.h"

#include "BoiteMessage.h"
#include "Chaines.h"
#include "ChargeurAide.h"
#include "Fichiers.h"
#include "Globales.h"
#include "Langue.h"
#include "RepertoireProgramme.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace lunespiral {

namespace {

// The browser takes nothing from elsewhere than the help file's own directory, and only
// pictures and style sheets from there: a help file naming /dev/zero or the user's files gets
// an empty space instead.
class NavigateurAide : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

    void preparer(const QString& dossierAide) {
        dossierAide_ = dossierAide;
        charges_ = 0;
    }

    // Anything refused is an empty resource: a null one would make Qt read the file itself.
    QVariant loadResource(int type, const QUrl& nom) override {
        const QVariant refus = QByteArray();
        if (type != QTextDocument::ImageResource && type != QTextDocument::StyleSheetResource)
            return refus;
        const QString fichier = ressourceAdmise(dossierAide_, nom);
        if (fichier.isEmpty()) return refus;
        const std::string chemin = QFile::encodeName(fichier).toStdString();
        const NatureFichier nature = natureFichier(chemin);
        if (!nature.ordinaire || nature.taille > tailleMaxRessource ||
            charges_ + static_cast<qint64>(nature.taille) > tailleMaxRessources)
            return refus;
        const auto octets = lireFichierOrdinaire(chemin, tailleMaxRessource);
        if (!octets) return refus;
        charges_ += static_cast<qint64>(octets->size());
        return QByteArray(reinterpret_cast<const char*>(octets->data()),
                          static_cast<qsizetype>(octets->size()));
    }

private:
    QString dossierAide_;
    qint64 charges_ = 0;
};

} // namespace

VisionneuseAide& VisionneuseAide::instance() {
    static VisionneuseAide* visionneuse = new VisionneuseAide; // lives until the program ends
    return *visionneuse;
}

VisionneuseAide::VisionneuseAide() : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("visionneuseAide"));
    setAttribute(Qt::WA_QuitOnClose, false);
    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    navigateur_ = new NavigateurAide(this);
    navigateur_->setObjectName(QStringLiteral("navigateurAide"));
    // Links are followed here: within the help file, or out to the desktop's browser.
    navigateur_->setOpenLinks(false);
    connect(navigateur_, &QTextBrowser::anchorClicked, this, &VisionneuseAide::suivreLien);
    disposition->addWidget(navigateur_);
    const QScreen* ecran = QGuiApplication::primaryScreen();
    const QSize taille = ecran ? ecran->availableSize() : QSize(800, 600);
    resize(std::min(760, taille.width() * 9 / 10), std::min(680, taille.height() * 9 / 10));
}

void VisionneuseAide::ouvrir(const QString& fichier, QWidget* parent) {
    fichier_ = fichier;
    auto refuser = [&](Cle message) {
        BoiteMessage::information(parent ? parent : QApplication::activeWindow(),
                                  chainesDe(langueParlee(langue))
                                      .texte(message)
                                      .arg(QDir::toNativeSeparators(cheminLisible(fichier))));
    };
    // Only a regular file, looked at before it is opened; a relative name would be looked for
    // wherever the program was started. The read stops past the size allowed.
    const std::string chemin = QFile::encodeName(fichier).toStdString();
    if (!QFileInfo(fichier).isAbsolute() || !natureFichier(chemin).ordinaire)
        return refuser(Cle::msgAideIntrouvable);
    bool erreur = false;
    const auto contenu = lireFichierOrdinaire(chemin, tailleMaxAide + 1, &erreur);
    if (!contenu || erreur) return refuser(Cle::msgAideIllisible);
    // The help files are HTML whatever their extension.
    const QByteArray html(reinterpret_cast<const char*>(contenu->data()),
                          static_cast<qsizetype>(contenu->size()));
    switch (examinerAide(html)) {
    case DefautAide::TropGrand:
        return refuser(Cle::msgAideTropVolumineuse);
    case DefautAide::TropComplexe:
        return refuser(Cle::msgAideTropComplexe);
    case DefautAide::Aucun:
        break;
    }

    static_cast<NavigateurAide*>(navigateur_)
        ->preparer(QFileInfo(fichier).absolutePath() + QLatin1Char('/'));
    navigateur_->setHtml(QString::fromUtf8(html));
    navigateur_->moveCursor(QTextCursor::Start);
    navigateur_->verticalScrollBar()->setValue(0);
    // The help's own title ("Lunespiral – Aide"), as every window carries its own.
    const QString titre = navigateur_->documentTitle().trimmed();
    setWindowTitle(titre.isEmpty() ? titreProgramme : titre);
    show();
    raise();
    activateWindow();
}

void VisionneuseAide::suivreLien(const QUrl& lien) {
    switch (genreDeLien(lien)) {
    case GenreLien::Ancre:
        navigateur_->scrollToAnchor(lien.fragment());
        break;
    case GenreLien::Externe:
        QDesktopServices::openUrl(lien);
        break;
    case GenreLien::Refuse:
        break; // another file, local or not: the help shows only itself
    }
}

} // namespace lunespiral
