#include "VisionneuseAide.h"

#include "Globales.h"

#include <QFile>
#include <QFileInfo>
#include <QScrollBar>
#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace lunespiral {

VisionneuseAide& VisionneuseAide::instance() {
    static VisionneuseAide* visionneuse = new VisionneuseAide; // lives until the program ends
    return *visionneuse;
}

VisionneuseAide::VisionneuseAide() : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("visionneuseAide"));
    setAttribute(Qt::WA_QuitOnClose, false);
    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    navigateur_ = new QTextBrowser(this);
    navigateur_->setObjectName(QStringLiteral("navigateurAide"));
    navigateur_->setOpenExternalLinks(true);
    disposition->addWidget(navigateur_);
    const QScreen* ecran = QGuiApplication::primaryScreen();
    const QSize taille = ecran ? ecran->availableSize() : QSize(800, 600);
    resize(std::min(760, taille.width() * 9 / 10), std::min(680, taille.height() * 9 / 10));
}

void VisionneuseAide::ouvrir(const QString& fichier) {
    fichier_ = fichier;
    // The help files are HTML whatever their extension.
    QFile f(fichier);
    if (f.open(QIODevice::ReadOnly)) {
        navigateur_->setSearchPaths({QFileInfo(fichier).absolutePath()});
        navigateur_->setHtml(QString::fromUtf8(f.readAll()));
    }
    navigateur_->moveCursor(QTextCursor::Start);
    navigateur_->verticalScrollBar()->setValue(0);
    setWindowTitle(titreProgramme.isEmpty() ? navigateur_->documentTitle()
                                            : titreProgramme + QStringLiteral(" — ") + navigateur_->documentTitle());
    show();
    raise();
    activateWindow();
}

} // namespace lunespiral
