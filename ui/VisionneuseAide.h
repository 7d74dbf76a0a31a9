#pragma once
// The help viewer: a small window that shows a help file from its contents page. It shows
// that file only, with the pictures beside it; links to the web go to the desktop's browser.

#include <QWidget>

class QTextBrowser;
class QUrl;

namespace lunespiral {

class VisionneuseAide : public QWidget {
    Q_OBJECT
public:
    static VisionneuseAide& instance();

    // Opens the file on its first page (its contents) and brings the viewer to the front. A
    // file that is not a regular one, or cannot be read, or is too large or too deeply nested
    // for Qt to lay out, is refused with a message over `parent` (by default the active window).
    void ouvrir(const QString& fichier, QWidget* parent = nullptr);
    QString fichier() const { return fichier_; }
    QTextBrowser* navigateur() const { return navigateur_; }

private:
    VisionneuseAide();
    void suivreLien(const QUrl& lien);
    QTextBrowser* navigateur_ = nullptr;
    QString fichier_;
};

} // namespace lunespiral
