#pragma once
// The help viewer: a small window that shows a help file from its contents page.

#include <QWidget>

class QTextBrowser;

namespace lunespiral {

class VisionneuseAide : public QWidget {
    Q_OBJECT
public:
    static VisionneuseAide& instance();

    // Opens the file on its first page (its contents) and brings the viewer to the front.
    void ouvrir(const QString& fichier);
    QString fichier() const { return fichier_; }
    QTextBrowser* navigateur() const { return navigateur_; }

private:
    VisionneuseAide();
    QTextBrowser* navigateur_ = nullptr;
    QString fichier_;
};

} // namespace lunespiral
