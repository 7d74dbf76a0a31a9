#pragma once
// A read-only text box: centred, word-wrapped, never a caret nor a selection. A press hands
// the focus elsewhere (the window decides where through `appuye`).

#include <QTextEdit>

namespace lunespiral {

class Memo : public QTextEdit {
    Q_OBJECT
public:
    explicit Memo(QWidget* parent = nullptr);

    void setTexte(const QString& texte);
    QString texte() const { return toPlainText(); }
    void setCouleurs(const QColor& fond, const QColor& texte);
    void setDefilement(bool barreVerticale);

signals:
    void appuye();

protected:
    bool event(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
};

} // namespace lunespiral
