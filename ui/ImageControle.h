#pragma once
// A picture control as the design knows it: a named picture drawn stretched to the control,
// a tag, a cursor, a hint and a click. The picture is fetched from the picture service when
// the control is shown or resized, never while painting.

#include <QPixmap>
#include <QWidget>

namespace lunespiral {

class ImageControle : public QWidget {
    Q_OBJECT
public:
    explicit ImageControle(QWidget* parent = nullptr);

    // A picture of the program by its name ("Image14", "picFond", "imageMaison3"...).
    void setImage(const QString& nom);
    QString image() const { return nom_; }
    // A picture made by the caller (the mosaic tiles draw a cropped face).
    void setPixmap(const QPixmap& pixmap);
    QPixmap pixmap() const { return pixmap_; }

    // Draw the picture at its own proportions, centred, instead of stretching it to the control.
    void setGarderProportions(bool garder);

    // Takes the keyboard focus with its focus mark, as if reached by Tab, even while the window
    // is not yet active.
    void prendreFocusClavier();
    bool focusClavier() const { return focusClavier_; }
    // True while a key (Enter, Space) is clicking the control: its clique() comes from the
    // keyboard, and what follows should leave the focus where the keyboard can go on.
    bool cliqueAuClavier() const { return cliqueAuClavier_; }

    int tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }

signals:
    void clique(ImageControle* source);

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void charger();
    QRect cible() const;
    void allerAuVoisin(bool suivant);

    QString nom_;
    QPixmap pixmap_;
    int tag_ = 0;
    bool appuiEnCours_ = false;
    bool focusClavier_ = false; // the focus mark shows only for the keyboard
    bool cliqueAuClavier_ = false;
    bool garderProportions_ = false;
};

} // namespace lunespiral
