#pragma once
// A read-only text box: centred, word-wrapped, never a caret nor a selection. A press hands
// the focus elsewhere (the window decides where through `appuye`).
//
// A reading is there to be read: each text is laid out at the largest size, up to the box's
// own font, at which it fits the box whole. Only when even the smallest legible size does not
// fit does the box keep that size and show its scroll bar (if it has one).

#include <QTextEdit>

namespace lunespiral {

class Memo : public QTextEdit {
    Q_OBJECT
public:
    explicit Memo(QWidget* parent = nullptr);

    void setTexte(const QString& texte);
    QString texte() const { return toPlainText(); }
    void setCouleurs(const QColor& fond, const QColor& texte);
    // Whether the box may show a vertical scroll bar for a text too long for it.
    void setDefilement(bool barreVerticale);

    // The font at the box's full size (its design font): the largest a text is laid out at.
    // Setting the widget's font from outside sets it too.
    void setPoliceDessin(const QFont& police);
    const QFont& policeDessin() const { return policeDessin_; }
    // The smallest size, in pixels, a text is shrunk to before the box scrolls instead.
    void setTailleMinimale(int pixels);

    // What the last text came to: the pixel size it is shown at, and whether it scrolls.
    qreal tailleAffichee() const { return tailleAffichee_; }
    bool defile() const { return defile_; }

signals:
    void appuye();

protected:
    bool event(QEvent* e) override;
    void changeEvent(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void ajuster();
    void appliquer(const QFont& police, bool barre, int margeBas);

    QString texte_;
    QFont policeDessin_;
    int tailleMinimale_ = 1;
    bool defilementPermis_ = false;
    bool defile_ = false;
    qreal tailleAffichee_ = 0;
    bool enAjustement_ = false; // the font changes below are the box's own
    QSize tailleAjustee_;
};

} // namespace lunespiral
