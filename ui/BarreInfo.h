#pragma once
// The main window's bottom bar: help, about, iconify and quit, the date, the information field
// (what to do next, or the lucky numbers), the lucky-number buttons and "Nouveau tirage". It
// reports what is clicked; the window decides what follows.

#include "Chaines.h"
#include "EtatTirage.h"
#include "Panneau.h"
#include "ServiceImages.h"

#include <QObject>
#include <QToolButton>

namespace lunespiral {

class BarreInfo : public QObject {
    Q_OBJECT
public:
    BarreInfo(QWidget* fenetre, ServiceImages& images);

    // The controls of the design, then, once the window is scaled, their wiring and the date.
    void construire();
    void preparer();
    void preparerImages(qreal ratio) const;
    // The window is about to be shown for the first time.
    void montrer();
    void appliquerLegendes(const Chaines& chaines);
    // Full width along the bottom edge, whatever the window's size.
    void placer();
    int hauteur() const { return hauteur_; }

    void afficherInfo(const QString& texte);
    // The reading's lucky numbers and their description, or, with none on show, what to do next.
    void afficherNumeros(const EtatTirage& etat, const Chaines& chaines);
    QToolButton* boutonNumeros() const { return numeros_; }

signals:
    void aide();
    void aPropos();
    void iconifier();
    void quitter();
    void numerosClique();
    void options();
    void nouveauTirage();
    void doubleClicInfo();

private:
    QWidget* fenetre_;
    ServiceImages& images_;
    Panneau* barre_ = nullptr;
    Panneau* informations_ = nullptr;
    QToolButton* numeros_ = nullptr;
    int hauteur_ = 0;
};

} // namespace lunespiral
