#pragma once
// A panel as the design knows it: a coloured box with an outer and an inner bevel, a centred
// caption, and clicks. Used for the bars, the titles, the labels laid over the cards, and
// panels that act as buttons.

#include <QColor>
#include <QLabel>

namespace lunespiral {

class Panneau : public QLabel {
    Q_OBJECT
public:
    enum class Biseau { Aucun, Releve, Enfonce };

    explicit Panneau(QWidget* parent = nullptr);

    void setCouleur(const QColor& couleur);
    QColor couleur() const { return couleur_; }
    void setCouleurTexte(const QColor& couleur);

    void setBiseauExterieur(Biseau b);
    Biseau biseauExterieur() const { return exterieur_; }
    void setBiseauInterieur(Biseau b);
    Biseau biseauInterieur() const { return interieur_; }
    void setLargeurBiseau(int largeur);

signals:
    void clique();
    void doubleClique();
    void appuye();
    void relache();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void mettreAJourMarges();

    QColor couleur_;
    Biseau exterieur_ = Biseau::Releve;
    Biseau interieur_ = Biseau::Aucun;
    int largeurBiseau_ = 1;
    bool appuiEnCours_ = false;
    bool focusClavier_ = false; // reached by the keyboard: the focus mark shows
};

} // namespace lunespiral
