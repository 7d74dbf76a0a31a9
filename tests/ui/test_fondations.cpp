// The small pieces every window stands on: the error handler, message boxes, scaling, panels.

#include "Application.h"
#include "BoiteMessage.h"
#include "Echelle.h"
#include "Erreurs.h"
#include "Globales.h"
#include "Panneau.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace lunespiral;

class TestFondations : public QObject {
    Q_OBJECT

private slots:
    void lesErreursDuMoteurSontMontreesEtLeProgrammeContinue() {
        QStringList vus;
        BoiteMessage::observer([&](const QString& t) { vus << t; });
        BoiteMessage::reponsesSuivantes({true, true});
        QPushButton bouton("x");
        bouton.show();
        int lance = 0;
        connect(&bouton, &QPushButton::clicked, [&] {
            ++lance;
            if (lance == 1) throw ErreurEtendue();
            throw ErreurLecture();
        });
        QTest::mouseClick(&bouton, Qt::LeftButton);
        QTest::mouseClick(&bouton, Qt::LeftButton);
        QCOMPARE(vus, QStringList({"Erreur de vérification d'étendue",
                                   "Lecture au delà de la fin de fichier"}));
        BoiteMessage::observer({});
    }

    void arrondis() {
        QCOMPARE(arrondi(2.5), 2);
        QCOMPARE(arrondi(3.5), 4);
        QCOMPARE(arrondi(115.2), 115);
        QCOMPARE(arrondiEchelle(2.5), 3);
        QCOMPARE(arrondiEchelle(-2.5), -3);
    }

    void echelles() {
        const Echelle e800 = echelleUnique(800, 96);
        QCOMPARE(e800.x, 1.0);
        const Echelle e1024 = echelleUnique(1024, 96);
        QCOMPARE(e1024.x, 1.28);
        // At 120 dpi the toolkit already enlarges text; the design factor undoes it.
        QCOMPARE(echelleUnique(1024, 120).x, std::trunc(1024 * 96 / 120.0) / 800);
        const Echelle large = echelleFenetrePrincipale(1920, 1080, 96);
        QCOMPARE(large.x, 2.4);
        QCOMPARE(large.y, 1.8);
        QCOMPARE(large.police, 1.8);
        const Echelle carre = echelleFenetrePrincipale(1024, 768, 96);
        QCOMPARE(carre.x, carre.y);
    }

    void miseAEchelleDeLArbre() {
        QWidget fenetre;
        fenetre.setObjectName("fenetre");
        fenetre.setGeometry(0, 0, 800, 553);
        QFont police = fenetre.font();
        police.setPixelSize(11);
        fenetre.setFont(police);
        Panneau panneau(&fenetre);
        panneau.setObjectName("panneau");
        panneau.setGeometry(150, 4, 463, 21);
        QFont gras = panneau.font();
        gras.setPixelSize(13);
        panneau.setFont(gras);
        Panneau herite(&fenetre);
        herite.setObjectName("herite");
        herite.setGeometry(3, 3, 3, 3);
        mettreAEchelle(&fenetre, {1.28, 1.28, 1.28});
        // Edges are scaled, then the size taken between them.
        QCOMPARE(panneau.geometry(), QRect(192, 5, 785 - 192, 32 - 5));
        QCOMPARE(herite.geometry(), QRect(4, 4, 8 - 4, 8 - 4));
        QCOMPARE(fenetre.size(), QSize(1024, 708));
        QCOMPARE(panneau.font().pixelSize(), 17);
        QCOMPARE(fenetre.font().pixelSize(), 14);
        QCOMPARE(herite.font().pixelSize(), 14); // an inherited font follows its parent
    }

    void panneauxCliquables() {
        Panneau p;
        p.resize(100, 20);
        p.show();
        QSignalSpy clics(&p, &Panneau::clique);
        QSignalSpy relaches(&p, &Panneau::relache);
        QSignalSpy doubles(&p, &Panneau::doubleClique);
        QTest::mouseClick(&p, Qt::LeftButton);
        QTest::mouseDClick(&p, Qt::LeftButton);
        QCOMPARE(clics.count(), 1);
        QVERIFY(relaches.count() >= 1);
        QCOMPARE(doubles.count(), 1);
    }
};

int main(int argc, char** argv) {
    Application app(argc, argv);
    TestFondations t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_fondations.moc"
