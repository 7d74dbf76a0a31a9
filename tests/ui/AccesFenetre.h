#pragma once
// The main window as the tests and benchmarks reach it: its controls by their design names, the
// places of each spread through the view that lays it out, and actions as clicks.

#include "ImageControle.h"
#include "Memo.h"
#include "Panneau.h"
#include "VueBohemiens.h"
#include "VueCroix.h"
#include "VueMaisons.h"
#include "spiral.h"

#include <QTest>
#include <QToolButton>

namespace lunespiral::acces {

template <typename T> T* controle(const TfrmLunespiral* f, const QString& nom) {
    T* w = f->findChild<T*>(nom);
    if (!w) qFatal("no control %s", qPrintable(nom));
    return w;
}

inline ImageControle* carteTalon(const TfrmLunespiral* f, int d) {
    return controle<ImageControle>(f, QStringLiteral("cartesTalon%1").arg(d));
}
inline ImageControle* tuileMosaique(const TfrmLunespiral* f, int i, int j) {
    return controle<ImageControle>(f, QStringLiteral("mosaique%1_%2").arg(i).arg(j));
}
inline Panneau* etiquetteNom(const TfrmLunespiral* f, int n) {
    return controle<Panneau>(f, QStringLiteral("etiquettesNoms%1").arg(n));
}
inline Panneau* etiquetteMaison(const TfrmLunespiral* f, int h) {
    return controle<Panneau>(f, QStringLiteral("etiquettesMaisons%1").arg(h));
}
inline Panneau* etiquetteHorizon(const TfrmLunespiral* f, int n) {
    return controle<Panneau>(f, QStringLiteral("etiquettesHorizons%1").arg(n));
}
inline QToolButton* boutonNumeros(const TfrmLunespiral* f) {
    return controle<QToolButton>(f, QStringLiteral("SBNumerosDeLaChance"));
}

inline QPoint posCroix(const TfrmLunespiral* f, int n) {
    return f->findChild<VueCroix*>()->position(n);
}
inline QPoint posMaisons(const TfrmLunespiral* f, int n) {
    return f->findChild<VueMaisons*>()->position(n);
}
inline QPoint posBohemiens(const TfrmLunespiral* f, int n) {
    return f->findChild<VueBohemiens*>()->position(n);
}
inline int largeurCarte(const TfrmLunespiral* f) {
    return carteTalon(f, 1)->width();
}
inline int hauteurCarte(const TfrmLunespiral* f) {
    return carteTalon(f, 1)->height();
}
inline int ecartCarte(const TfrmLunespiral* f) {
    return posCroix(f, 5).x() - posCroix(f, 1).x() - largeurCarte(f);
}
inline int margeCarte(const TfrmLunespiral* f) {
    return posBohemiens(f, 1).y();
}
inline int nbEtoiles(const TfrmLunespiral* f) {
    return f->property("nbEtoiles").toInt();
}

// A click on deck card d, laid, face down or off the table.
inline void cliquerCarte(const TfrmLunespiral* f, int d) {
    QTest::mouseClick(carteTalon(f, d), Qt::LeftButton);
}
inline void choisirTirage(const TfrmLunespiral* f, const char* image) {
    QTest::mouseClick(controle<ImageControle>(f, QString::fromLatin1(image)), Qt::LeftButton);
}
inline void choisirCroix(const TfrmLunespiral* f) {
    choisirTirage(f, "imageTirageEnCroix");
}
inline void choisirMaisons(const TfrmLunespiral* f) {
    choisirTirage(f, "imageTirageDixMaisons");
}
inline void choisirBohemiens(const TfrmLunespiral* f) {
    choisirTirage(f, "imageTirageBohemiens");
}
inline void cliquerNouveauTirage(const TfrmLunespiral* f) {
    QTest::mouseClick(controle<Panneau>(f, QStringLiteral("panelNouveauTirage")), Qt::LeftButton);
}

} // namespace lunespiral::acces
