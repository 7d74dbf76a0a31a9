// The main window driven as a user drives it, on screens of 800 x 600, 1024 x 768 and
// 1920 x 1080 (the test runs once on each).

#include "AccesFenetre.h"
#include "Application.h"
#include "Arcanes.h"
#include "BoiteMessage.h"
#include "Chaines.h"
#include "Cp1252.h"
#include "DonneesEssai.h"
#include "Globales.h"
#include "Horloge.h"
#include "Langue.h"
#include "MagasinReglages.h"
#include "NumerosChance.h"
#include "OptionsChance.h"
#include "ServiceImages.h"
#include "spiral.h"

#include <QAccessible>
#include <QClipboard>
#include <QDate>
#include <QLocale>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QToolTip>

#include <algorithm>
#include <deque>
#include <functional>
#include <memory>
#include <numeric>
#include <random>

using namespace lunespiral;
using namespace lunespiral::acces;

namespace {

QString ecran() {
    return qEnvironmentVariable("LUNESPIRAL_ECRAN", QStringLiteral("800x600"));
}

} // namespace

class TestSpiral : public QObject {
    Q_OBJECT

    essai::Donnees* donnees_ = nullptr;
    EtatTirage etat_;
    TfrmLunespiral* f_ = nullptr;
    int fermetures_ = 0;
    QStringList boites_;

    template <typename T> T* c(const char* nom) const {
        T* w = f_->findChild<T*>(QString::fromLatin1(nom));
        if (!w) qFatal("no control %s", nom);
        return w;
    }

    void choisirLangue(int l) {
        langue = l;
        Textes::communs().chargerTextes(l, essai::chemin(donnees_->dossier));
        f_->AppliquerLangue(chainesDe(l));
    }

    // The deck cards on screen: visible ones face down at their deck place.
    std::vector<int> cartesFaceCachee() const {
        std::vector<int> d;
        for (int k = 1; k <= 22; ++k)
            if (carteTalon(f_, k)->isVisible() &&
                carteTalon(f_, k)->image() == QLatin1String("picFond"))
                d.push_back(k);
        return d;
    }

    // Back to the spread chooser, answering Yes to the question; nothing to do when it is up.
    void nouveauTirage() {
        if (c<Panneau>("panelSelectionTirage")->isVisible()) return;
        BoiteMessage::reponsesSuivantes({true});
        cliquerNouveauTirage(f_);
        QVERIFY(c<Panneau>("panelSelectionTirage")->isVisible());
    }

    // A whole spread chosen and laid, the deck cards picked from the left.
    void lireEnEntier(const char* image) {
        nouveauTirage();
        choisirTirage(f_, image);
        for (int d = 1; !etat_.tirageTermine(); ++d) cliquerCarte(f_, d);
    }

    // Picks the whole spread in a shuffled order and checks each pick as it is laid.
    void poserEnDesordre(TypeTirage type, unsigned graineMelange) {
        const int compte = nbCartesDuTirage(type);
        std::vector<int> ordre(22);
        std::iota(ordre.begin(), ordre.end(), 1);
        std::shuffle(ordre.begin(), ordre.end(), std::mt19937(graineMelange));
        const EtatTirage& etat = etat_;
        for (int k = 1; k <= compte; ++k) {
            const int d = ordre[static_cast<std::size_t>(k - 1)];
            // A click on an already laid card changes nothing.
            if (k > 1) cliquerCarte(f_, ordre[0]);
            QCOMPARE(etat.nbCartesPosees(), k - 1);
            QTest::mouseClick(carteTalon(f_, d), Qt::LeftButton);
            const int carte = etat.carteDeLEmplacement(k);
            QCOMPARE(carteTalon(f_, d)->image(), QStringLiteral("Image%1").arg(carte));
            const QPoint attendu = type == TypeTirage::EnCroix      ? posCroix(f_, k)
                                   : type == TypeTirage::DixMaisons ? posMaisons(f_, k)
                                                                    : posBohemiens(f_, k);
            QCOMPARE(carteTalon(f_, d)->pos(), attendu);
            const QString nom = versQString(nomArcane(carte, langue));
            QCOMPARE(carteTalon(f_, d)->toolTip(),
                     chainesDe(langue).motArcane + " " + QString::number(carte) + " - " + nom);
            QCOMPARE(etiquetteNom(f_, k)->text(), nom);
            QVERIFY(etiquetteNom(f_, k)->isVisible());
            QCOMPARE(etiquetteNom(f_, k)->pos(), attendu);
        }
    }

private slots:
    void initTestCase() {
        donnees_ = new essai::Donnees;
        titreProgramme = QStringLiteral("LUNESPIRAL 2000");
        cleRegistre = cleRegistreParDefaut;
        repertoireProgramme = essai::chemin(donnees_->dossier).c_str();
        const QSize taille = QGuiApplication::primaryScreen()->size();
        echelleX = taille.width() * 0.00125;
        echelleY = taille.height() / 600.0;
        BoiteMessage::observer([this](const QString& t) { boites_ << t; });
        f_ = new TfrmLunespiral({etat_, Hasard::commun(), Textes::communs(), optionsChance(),
                                 ServiceImages::instance()});
        f_->fermerProgramme = [this] { ++fermetures_; };
        QVERIFY(!f_->isVisible());
        QCOMPARE(optionsChance(), (OptionsChance{1, 6, 1, 49}));
    }

    // Each test starts from the spread chooser (once the window is up), with no box waiting.
    void init() { boites_.clear(); }
    void cleanup() {
        BoiteMessage::reponsesSuivantes({});
        if (f_->isVisible()) nouveauTirage();
    }

    void cleanupTestCase() {
        f_->fermerProgramme = nullptr;
        delete f_;
        delete donnees_;
    }

    void creationALaTailleDuDesign() {
        const QSize taille = QGuiApplication::primaryScreen()->size();
        QCOMPARE(largeurCarte(f_), arrondi(echelleX * 90));
        QCOMPARE(hauteurCarte(f_), arrondi(echelleY * 165));
        if (ecran() == "800x600") {
            QCOMPARE(f_->size(), QSize(800, 553));
            QCOMPARE(largeurCarte(f_), 90);
            QCOMPARE(hauteurCarte(f_), 165);
            QCOMPARE(ecartCarte(f_), 3);
            QCOMPARE(margeCarte(f_), 20);
            const QPoint croix[] = {{262, 171}, {355, 3}, {448, 171}, {355, 339}, {355, 171}};
            for (int i = 1; i <= 5; ++i) QCOMPARE(posCroix(f_, i), croix[i - 1]);
            QCOMPARE(c<Panneau>("panelSelectionTirage")->pos(), QPoint(91, 177));
            QCOMPARE(tuileMosaique(f_, 1, 1)->size(), QSize(90, 145));
            QCOMPARE(c<Panneau>("panelInfo")->geometry(), QRect(0, 525, 800, 28));
        } else if (ecran() == "1024x768") {
            QCOMPARE(echelleX, 1.28);
            QCOMPARE(largeurCarte(f_), 115);
            QCOMPARE(hauteurCarte(f_), 211);
            QCOMPARE(ecartCarte(f_), 4);
            QCOMPARE(margeCarte(f_), 26);
        } else if (ecran() == "1920x1080") {
            QCOMPARE(largeurCarte(f_), 216);
            QCOMPARE(hauteurCarte(f_), 297);
            QCOMPARE(f_->width(), 1920);
        }
        QCOMPARE(f_->width(), taille.width());
        QVERIFY(!boutonNumeros(f_)->isVisible());
        // Every control of the design is there under its design name, hidden unless the idle
        // window shows it.
        for (const char* nom : {"picFond",
                                "Image1",
                                "Image22",
                                "imageMaison10",
                                "imageProjets",
                                "TSBAide",
                                "panelDate",
                                "panelInformations",
                                "SuperPanelPresent",
                                "memoFuturRelPerso",
                                "imageSanteFutur",
                                "panelPhraseGlobale",
                                "memoPhraseGlobale",
                                "panelCentralMaison",
                                "imageMaisonCourante",
                                "panelNomMaison",
                                "panelPhraseMaison",
                                "panelCentralBohemien",
                                "panelSelectionTirage",
                                "panelChooseTirage",
                                "Panel3",
                                "panelTirageDesBohemiens"})
            QVERIFY2(f_->findChild<QWidget*>(nom), nom);
        for (const char* nom :
             {"picFond", "Image7", "imageMaison4", "SuperPanelFutur", "panelCentralBohemien"})
            QVERIFY2(!c<QWidget>(nom)->isVisibleTo(f_), nom);
        // The user's short date; without a user locale the ISO date, as the "C" locale's short
        // format spells the month out and does not fit the panel.
        const QLocale ici = QLocale::system();
        QCOMPARE(c<Panneau>("panelDate")->text(),
                 ici.language() == QLocale::C
                     ? QDate::currentDate().toString(Qt::ISODate)
                     : ici.toString(QDate::currentDate(), QLocale::ShortFormat));
    }

    void chainesFrancaises() {
        choisirLangue(langueFrancais);
        QCOMPARE(chainesDe(langue).libellesMaisons[1], QStringLiteral("Maison 1 <--> Santé"));
        QCOMPARE(chainesDe(langue).libellesMaisons[9], QStringLiteral("Maison 9 <--> Caractère"));
        QCOMPARE(chainesDe(langue).msgQuitter, QStringLiteral("Voulez-vous vraiment arrêter ?"));
        QCOMPARE(chainesDe(langue).msgAbandon,
                 QStringLiteral("Etes-vous sûr de vouloir abandonner le tirage en cours ???"));
        QCOMPARE(chainesDe(langue).msgCliquezCarte,
                 QStringLiteral("Cliquez sur la carte de votre choix"));
        QCOMPARE(chainesDe(langue).fichierAide, repertoireProgramme + "lunespfr.hlp");
        QCOMPARE(c<Panneau>("panelTirageEnDixMaisons")->text(),
                 QStringLiteral("Tirage en dix maisons"));
        QCOMPARE(c<Panneau>("panelNouveauTirage")->text(), QStringLiteral("Nouveau tirage"));
        QCOMPARE(c<Panneau>("panelTitreFuturCroix")->text(), QStringLiteral("--- FUTUR ---"));
        QCOMPARE(etiquetteHorizon(f_, 4)->text(), QStringLiteral("Dans 1 an..."));
        QCOMPARE(c<QToolButton>("SBNumerosDeLaChance")->toolTip(),
                 QStringLiteral("Numéros de la chance"));
        QCOMPARE(c<ImageControle>("imageRelPersoFutur")->toolTip(),
                 QStringLiteral("Relations personnelles"));
    }

    void demarrage() {
        f_->timerDebut()->start();
        QTRY_VERIFY(f_->isVisible());
        QVERIFY(!f_->timerDebut()->isActive());
        QCOMPARE(f_->windowTitle(), QStringLiteral("LUNESPIRAL 2000"));
        QVERIFY(c<Panneau>("panelSelectionTirage")->isVisible());
        // The keyboard works at once: the cross's emblem has the focus, and shows it.
        QTRY_VERIFY(c<ImageControle>("imageTirageEnCroix")->hasFocus());
        QVERIFY(c<ImageControle>("imageTirageEnCroix")->focusClavier());
        // Without a window manager the window takes the screen's size by itself.
        QCOMPARE(f_->geometry(), f_->screen()->geometry());
        for (int i = 1; i <= 10; ++i)
            for (int j = 1; j <= 5; ++j) QVERIFY(tuileMosaique(f_, i, j)->isVisible());
        if (ecran() == "800x600") {
            // The first mosaic was laid out on the 800 x 553 design, before the window grew.
            for (int i = 1; i <= 10; ++i)
                QCOMPARE(tuileMosaique(f_, i, 1)->x(), -50 + 90 * (i - 1));
            const int hauts[] = {-116, 29, 174, 319, 464};
            for (int j = 1; j <= 5; ++j) QCOMPARE(tuileMosaique(f_, 3, j)->y(), hauts[j - 1]);
            QCOMPARE(c<Panneau>("panelSelectionTirage")->pos(), QPoint(91, 177));
            QCOMPARE(c<Panneau>("panelInfo")->geometry(), QRect(0, 572, 800, 28));
        }
        QVERIFY(c<Panneau>("panelInfo")->geometry().bottom() == f_->height() - 1);
    }

    void lectureEnCroix() {
        Horloge::remplacer([] { return HeureUtc{12, 34, 56, 789}; });
        QTest::mouseClick(c<ImageControle>("imageTirageEnCroix"), Qt::LeftButton);
        QVERIFY(!c<Panneau>("panelSelectionTirage")->isVisible());
        QCOMPARE(c<Panneau>("panelInformations")->text(), QStringLiteral("Tirez 4 cartes..."));
        QCOMPARE(cartesFaceCachee().size(), 22u);
        for (int i = 1; i <= 10; ++i) QVERIFY(!tuileMosaique(f_, i, 2)->isVisible());
        if (ecran() == "800x600") {
            for (int d = 1; d <= 22; ++d) QCOMPARE(carteTalon(f_, d)->x(), 20 + 31 * (d - 1));
            QCOMPARE(carteTalon(f_, 1)->y(), 387);
            QCOMPARE(carteTalon(f_, 11)->y(), 357);
            QCOMPARE(carteTalon(f_, 12)->y(), 354);
            QCOMPARE(carteTalon(f_, 22)->y(), 384);
        }
        // The texts go into their boxes, still hidden, once the choice has been painted.
        const TextesCroix& t = etat_.textesCroix();
        QTRY_COMPARE(c<Memo>("superMemoPresent")->texte(), versQString(t.synthesePresent));
        QCOMPARE(c<Memo>("memoFuturSante")->texte(), versQString(t.domainesFutur[3]));
        QVERIFY(!c<Panneau>("SuperPanelPresent")->isVisible());
        QCOMPARE(etat_.tirageCroix().cartes[1], 11); // seeded at 12:34:56.789

        poserEnDesordre(TypeTirage::EnCroix, 7);
        QVERIFY(etat_.croixTerminee());
        for (const char* nom :
             {"SuperPanelPresent", "SuperPanelFutur", "panelPhraseGlobale", "superMemoFutur"})
            QVERIFY2(c<QWidget>(nom)->isVisible(), nom);
        // The synthesis card rides on a deck card that was not picked, at the centre.
        int porteur = 0;
        for (int d = 1; d <= 22; ++d)
            if (carteTalon(f_, d)->isVisible() && !etat_.carteRetournee(d)) porteur = d;
        QVERIFY(porteur != 0);
        const int synthese = etat_.tirageCroix().cartes[5];
        QCOMPARE(carteTalon(f_, porteur)->pos(), posCroix(f_, 5));
        QCOMPARE(carteTalon(f_, porteur)->image(), QStringLiteral("Image%1").arg(synthese));
        QCOMPARE(carteTalon(f_, porteur)->toolTip(), "Psyché Globale - Arcane " +
                                                         QString::number(synthese) + " - " +
                                                         versQString(nomArcane(synthese, 1)));
        QCOMPARE(etiquetteNom(f_, 5)->pos(), posCroix(f_, 5));
        QVERIFY(cartesFaceCachee().empty());
        // The lucky numbers were drawn at once, button pressed.
        QVERIFY(boutonNumeros(f_)->isVisible());
        QVERIFY(boutonNumeros(f_)->isChecked());
        QVERIFY(c<Panneau>("panelInformations")->text().contains(" - "));
        QCOMPARE(c<Panneau>("panelInformations")->toolTip(),
                 QStringLiteral("Vos 6 numéros de la chance de 1 à 49"));
        // Only the information field describes them: the date and "Nouveau tirage", which have no
        // hint of their own, show none (Qt would show a parent's).
        for (const char* nom : {"panelDate", "panelNouveauTirage"}) {
            QToolTip::hideText();
            QWidget* w = c<QWidget>(nom);
            QHelpEvent survol(QEvent::ToolTip, QPoint(2, 2), w->mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(w, &survol);
            QVERIFY2(!QToolTip::isVisible(), nom);
        }
        QVERIFY(nbEtoiles(f_) >= 201 && nbEtoiles(f_) <= 700);
        // A complete cross ignores every click.
        const auto graine = Hasard::commun().graine;
        for (int d = 1; d <= 22; ++d) cliquerCarte(f_, d);
        QCOMPARE(Hasard::commun().graine, graine);
        // A double click on the bar draws a new set twice over, button still pressed.
        Hasard copie = Hasard::commun();
        const auto cartes = etat_.cartesDuTirageCourant();
        tirerNumerosChance(copie, 6, 1, 49, cartes);
        const auto attendus = tirerNumerosChance(copie, 6, 1, 49, cartes);
        QTest::mouseDClick(c<Panneau>("panelInformations"), Qt::LeftButton);
        QCOMPARE(c<Panneau>("panelInformations")->text(),
                 QString::fromStdString(texteNumerosChance(attendus)));
        // Released, the bar empties for the cross and the description goes.
        QTest::mouseClick(boutonNumeros(f_), Qt::LeftButton);
        QVERIFY(!boutonNumeros(f_)->isChecked());
        QCOMPARE(c<Panneau>("panelInformations")->text(), QString());
        QCOMPARE(c<Panneau>("panelInformations")->toolTip(), QString());
        Horloge::remplacer({});
    }

    void uneCroixTermineeDansLeMemeTourALesSiensTextes() {
        // Picked faster than the event loop turns (as only a program can), the cross still
        // shows its own texts at completion, not those of the reading before.
        // (a text box gives its no-break spaces back as plain spaces)
        const auto texte = [](const std::string& s) {
            return versQString(s).replace(QChar(0xA0), u' ');
        };
        for (int fois = 0; fois < 2; ++fois) {
            nouveauTirage();
            choisirCroix(f_);
            for (int d = 1; !etat_.tirageTermine(); ++d) cliquerCarte(f_, d);
            const TextesCroix& t = etat_.textesCroix();
            QCOMPARE(c<Memo>("superMemoFutur")->texte(), texte(t.syntheseFutur));
            QCOMPARE(c<Memo>("memoPhraseGlobale")->texte(), texte(t.phraseGlobale));
            QCOMPARE(c<Memo>("memoPresentAmour")->texte(), texte(t.domainesPresent[2]));
        }
        QCoreApplication::processEvents(); // nothing left waiting overwrites them
        QCOMPARE(c<Memo>("superMemoFutur")->texte(), texte(etat_.textesCroix().syntheseFutur));
    }

    void lesNumerosDeLaCroixSuiventLeGenerateur() {
        nouveauTirage();
        choisirCroix(f_);
        // The carrier draws, then the numbers, from one sequence.
        std::vector<int> libres;
        for (int d = 5; d <= 22; ++d) libres.push_back(d);
        for (int d = 1; d <= 3; ++d) cliquerCarte(f_, d);
        Hasard attendu = Hasard::commun();
        int porteur = 0;
        do porteur = attendu.entre1Et(22);
        while (porteur <= 4);
        const auto numeros = tirerNumerosChance(attendu, 6, 1, 49, etat_.cartesDuTirageCourant());
        cliquerCarte(f_, 4);
        QCOMPARE(carteTalon(f_, porteur)->pos(), posCroix(f_, 5));
        QCOMPARE(c<Panneau>("panelInformations")->text(),
                 QString::fromStdString(texteNumerosChance(numeros)));
    }

    void resultatsDansLEcran() {
        // Wide screens scale down by the height too: the panels end above the bottom band and
        // the bottom card of the cross as well.
        const int bande = c<Panneau>("panelPhraseGlobale")->y();
        QVERIFY(bande > 0);
        QCOMPARE(c<Panneau>("panelPhraseGlobale")->geometry().bottom() + 1,
                 c<Panneau>("panelInfo")->y());
        QVERIFY2(c<Panneau>("SuperPanelPresent")->geometry().bottom() < bande, qPrintable(ecran()));
        QVERIFY(c<Panneau>("SuperPanelFutur")->geometry().bottom() < bande);
        QVERIFY(posCroix(f_, 4).y() + hauteurCarte(f_) <= bande);
        QVERIFY(c<Panneau>("SuperPanelFutur")->geometry().right() < f_->width());
        if (ecran() == "1920x1080") QCOMPARE(bande, 931);
    }

    // Every text of the shipped data files, in each box that can show it, is read whole: it
    // shrinks to fit, and scrolls only when even the smallest legible size would not hold it.
    void toutLeTexteSeLit() {
        const std::string repertoire = REPERTOIRE_DONNEES_CONSTRUITES;
        struct Boite {
            const char* nom;
            std::function<std::vector<std::string>(const Textes&)> textes;
        };
        auto paires = [](Textes::Cote cote) {
            return [cote](const Textes& t) {
                std::vector<std::string> v;
                for (int a = 1; a <= 22; ++a)
                    for (int b = 1; b <= 22; ++b)
                        if (a != b) {
                            const EnregPaire& p = t.paire(a, b);
                            v.push_back(cote == Textes::Cote::Present ? p.textePresent.texte()
                                                                      : p.texteFutur.texte());
                        }
                return v;
            };
        };
        auto domaines = [](Textes::Cote cote) {
            return [cote](const Textes& t) {
                std::vector<std::string> v;
                for (int d = 1; d <= 4; ++d)
                    for (int l = 1; l <= 4; ++l)
                        for (int c = 1; c <= 3; ++c)
                            for (int k = 1; k <= 5; ++k) {
                                const EnregDomaine& e = t.domaine(d, l, c, k);
                                v.push_back(cote == Textes::Cote::Present ? e.textePresent.texte()
                                                                          : e.texteFutur.texte());
                            }
                return v;
            };
        };
        auto significations = [](const Textes& t) {
            std::vector<std::string> v;
            for (int c = 1; c <= 22; ++c) v.push_back(t.carte(c).signification.texte());
            return v;
        };
        // The four domain boxes of one side share their size and font: one of each side stands
        // for them.
        const Boite boites[] = {
            {"superMemoPresent", paires(Textes::Cote::Present)},
            {"superMemoFutur", paires(Textes::Cote::Futur)},
            {"memoPresentProjets", domaines(Textes::Cote::Present)},
            {"memoFuturProjets", domaines(Textes::Cote::Futur)},
            {"memoPhraseGlobale", significations},
            {"panelPhraseMaison", domaines(Textes::Cote::Futur)},
            {"panelPhraseMaison", paires(Textes::Cote::Futur)},
            {"panelCentralBohemien", paires(Textes::Cote::Futur)},
        };
        int defilent = 0, textes = 0;
        qreal plusPetite = 1000;
        for (int l : {1, 2}) {
            Textes t;
            t.chargerTextes(l, repertoire);
            for (const Boite& b : boites) {
                Memo* m = c<Memo>(b.nom);
                const qreal dessin = m->policeDessin().pixelSize() > 0
                                         ? m->policeDessin().pixelSize()
                                         : m->policeDessin().pointSizeF() * m->logicalDpiY() / 72.0;
                for (const std::string& texte : b.textes(t)) {
                    QVERIFY(!texte.empty());
                    m->setTexte(versQString(texte));
                    ++textes;
                    QVERIFY(m->tailleAffichee() <= dessin);
                    plusPetite = std::min(plusPetite, m->tailleAffichee());
                    if (m->defile()) {
                        ++defilent;
                        qInfo("%s scrolls: %s", b.nom, texte.c_str());
                    } else {
                        // Whole: the laid-out text ends inside the box.
                        QVERIFY2(m->document()->size().height() <= m->contentsRect().height() ||
                                     m->document()->textWidth() <= 0,
                                 b.nom);
                    }
                }
                m->setTexte(QString());
            }
        }
        qInfo("%s: %d texts, %d scroll, smallest size %.1f px", qPrintable(ecran()), textes,
              defilent, plusPetite);
        if (ecran() != "800x600") QCOMPARE(defilent, 0);
    }

    // Every caption on the table fits its box, in both languages: every card name in the name
    // labels, and every label, title and button of each complete spread.
    void chaqueLegendeTientDansSaBoite() {
        QStringList debordent;
        auto tient = [&](const QLabel* l, const QString& texte) {
            if (l->fontMetrics().horizontalAdvance(texte) > l->contentsRect().width())
                debordent << QStringLiteral("%1 \"%2\"").arg(l->objectName(), texte);
        };
        for (int l : {langueFrancais, langueAnglais}) {
            choisirLangue(l);
            for (int k = 1; k <= 22; ++k) tient(etiquetteNom(f_, 1), versQString(nomArcane(k, l)));
            for (const char* embleme :
                 {"imageTirageEnCroix", "imageTirageDixMaisons", "imageTirageBohemiens"}) {
                lireEnEntier(embleme);
                QTest::mouseClick(boutonNumeros(f_), Qt::LeftButton);
                for (const QLabel* e : f_->findChildren<QLabel*>())
                    if (e->isVisible() && !e->wordWrap() && !e->text().isEmpty())
                        tient(e, e->text());
            }
        }
        choisirLangue(langueFrancais);
        QVERIFY2(debordent.isEmpty(), qPrintable(ecran() + ": " + debordent.join(", ")));
    }

    void abandonEtReprise() {
        lireEnEntier("imageTirageEnCroix");
        // No: the reading stays as it is.
        BoiteMessage::reponsesSuivantes({false});
        boites_.clear();
        cliquerNouveauTirage(f_);
        QCOMPARE(boites_, QStringList{chainesDe(langue).msgAbandon});
        QVERIFY(c<Panneau>("SuperPanelPresent")->isVisible());
        // Yes: the views go, the chooser and a new mosaic come back; the state is kept.
        nouveauTirage();
        for (const char* nom :
             {"SuperPanelPresent", "SuperPanelFutur", "panelPhraseGlobale", "SBNumerosDeLaChance"})
            QVERIFY2(!c<QWidget>(nom)->isVisible(), nom);
        for (int d = 1; d <= 22; ++d) QVERIFY(!carteTalon(f_, d)->isVisible());
        QVERIFY(etat_.tirageTermine());
        QVERIFY(tuileMosaique(f_, 5, 5)->isVisible());
        // The keyboard takes up again where it started: on the cross's emblem.
        QTRY_VERIFY(c<ImageControle>("imageTirageEnCroix")->hasFocus());
        if (ecran() == "800x600") {
            const int hauts[] = {-93, 52, 197, 342, 487};
            for (int j = 1; j <= 5; ++j) QCOMPARE(tuileMosaique(f_, 1, j)->y(), hauts[j - 1]);
            QCOMPARE(c<Panneau>("panelSelectionTirage")->pos(), QPoint(91, 200));
        }
        // While choosing, a new draw asks nothing.
        boites_.clear();
        cliquerNouveauTirage(f_);
        QVERIFY(boites_.isEmpty());
    }

    // The second press of a double click is no second click. Through the window, at the place
    // the user points at: on the chooser it starts the spread and lays nothing; on the fan it
    // lays the card under the mouse, and that one only, although another lies there after it.
    void unDoubleClicNeVautQuUnClic() {
        QWindow* fenetre = f_->windowHandle();
        auto centre = [this](QWidget* w) { return w->mapTo(f_, w->rect().center()); };
        QTest::mouseDClick(fenetre, Qt::LeftButton, {},
                           centre(c<Panneau>("panelTirageDesBohemiens")));
        QTRY_VERIFY(!c<Panneau>("panelSelectionTirage")->isVisible());
        QCOMPARE(etat_.nbCartesPosees(), 0);
        const QPoint surLaCarte = centre(carteTalon(f_, 22));
        QCOMPARE(f_->childAt(surLaCarte), carteTalon(f_, 22));
        QTest::mouseDClick(fenetre, Qt::LeftButton, {}, surLaCarte);
        QCOMPARE(etat_.nbCartesPosees(), 1);
        QCOMPARE(etat_.emplacementDeCarte(TypeTirage::Bohemiens, 22), 1);
        nouveauTirage();
    }

    void lectureEnDixMaisonsEnAnglais() {
        choisirLangue(langueAnglais);
        QCOMPARE(chainesDe(langue).libellesMaisons[3], QStringLiteral("House 3 <--> Relatives"));
        QCOMPARE(c<Panneau>("panelNouveauTirage")->text(), QStringLiteral("Draw the Tarots"));
        choisirMaisons(f_);
        QCOMPARE(c<Panneau>("panelInformations")->text(), QStringLiteral("Draw 10 cards..."));
        if (ecran() == "800x600") {
            const QPoint maisons[] = {{58, 15},   {206, 15},  {354, 15},  {502, 15},  {650, 15},
                                      {650, 392}, {502, 392}, {354, 392}, {206, 392}, {58, 392}};
            for (int h = 1; h <= 10; ++h) QCOMPARE(posMaisons(f_, h), maisons[h - 1]);
            for (int d = 1; d <= 22; ++d)
                QCOMPARE(carteTalon(f_, d)->pos(), QPoint(58 + 28 * (d - 1), 203));
            QCOMPARE(c<Panneau>("panelCentralMaison")->pos(), QPoint(116, 214));
            QCOMPARE(etiquetteMaison(f_, 1)->geometry(), QRect(58, 164, 90, 16));
            QCOMPARE(etiquetteMaison(f_, 10)->y(), 541);
        }
        poserEnDesordre(TypeTirage::DixMaisons, 11);
        QCOMPARE(c<Panneau>("panelInformations")->text(),
                 QStringLiteral("Click among the house (card) of your choice..."));
        QVERIFY(boutonNumeros(f_)->isVisible());
        QVERIFY(!boutonNumeros(f_)->isChecked());
        const int premiere = etat_.tirageMaisons().maisonCourante;
        QCOMPARE(c<Panneau>("panelNomMaison")->text(), chainesDe(langue).libellesMaisons[premiere]);
        // A click on the card laid on house 4 shows house 4, and only its two labels are yellow.
        int carteMaison4 = 0;
        for (int d = 1; d <= 22; ++d)
            if (etat_.carteRetournee(d) && etat_.emplacementDeCarte(TypeTirage::DixMaisons, d) == 4)
                carteMaison4 = d;
        QTest::mouseClick(carteTalon(f_, carteMaison4), Qt::LeftButton);
        QCOMPARE(c<Panneau>("panelNomMaison")->text(), QStringLiteral("House 4 <--> Finances"));
        QCOMPARE(c<ImageControle>("imageMaisonCourante")->image(), QStringLiteral("imageMaison4"));
        QCOMPARE(c<Memo>("panelPhraseMaison")->texte(), versQString(etat_.textesMaisons()[4]));
        for (int h = 1; h <= 10; ++h) {
            const QColor attendu = h == 4 ? QColor(255, 255, 0) : QColor(192, 192, 192);
            QCOMPARE(etiquetteNom(f_, h)->couleur(), attendu);
            QCOMPARE(etiquetteMaison(f_, h)->couleur(), attendu);
            QCOMPARE(etiquetteMaison(f_, h)->text(), chainesDe(langue).nomsMaisons[h]);
        }
        // The numbers button, pressed then released, puts the prompt back.
        QTest::mouseClick(boutonNumeros(f_), Qt::LeftButton);
        QCOMPARE(c<Panneau>("panelInformations")->toolTip(),
                 QStringLiteral("Your 6 lucky numbers from 1 to 49"));
        QTest::mouseClick(boutonNumeros(f_), Qt::LeftButton);
        QCOMPARE(c<Panneau>("panelInformations")->text(), chainesDe(langue).msgCliquezMaison);
        QTest::mouseDClick(c<Panneau>("panelInformations"), Qt::LeftButton);
        QCOMPARE(c<Panneau>("panelInformations")->text(), chainesDe(langue).msgCliquezMaison);
        nouveauTirage();
    }

    void lectureDesBohemiens() {
        choisirLangue(langueFrancais);
        choisirBohemiens(f_);
        if (ecran() == "800x600") {
            for (int i = 1; i <= 4; ++i)
                QCOMPARE(posBohemiens(f_, i), QPoint(88 + 178 * (i - 1), 20));
        }
        poserEnDesordre(TypeTirage::Bohemiens, 3);
        const EtatTirage& etat = etat_;
        QCOMPARE(c<Panneau>("panelInformations")->text(),
                 QStringLiteral("Cliquez sur la carte de votre choix"));
        const Memo* vue = c<Memo>("panelCentralBohemien");
        QVERIFY(vue->isVisible());
        QCOMPARE(vue->texte(),
                 versQString(etat.textesHorizons()[etat.tirageBohemiens().horizonCourant]));
        for (int n = 1; n <= 4; ++n) {
            QVERIFY(etiquetteHorizon(f_, n)->isVisible());
            QCOMPARE(etiquetteHorizon(f_, n)->pos(),
                     posBohemiens(f_, n) + QPoint(0, hauteurCarte(f_)));
        }
        // Each laid card chooses its horizon; only its labels turn yellow.
        for (int d = 1; d <= 22; ++d) {
            if (!etat.carteRetournee(d)) continue;
            QTest::mouseClick(carteTalon(f_, d), Qt::LeftButton);
            const int n = etat.emplacementDeCarte(TypeTirage::Bohemiens, d);
            QCOMPARE(etat.tirageBohemiens().horizonCourant, n);
            QCOMPARE(vue->texte(), versQString(etat.textesHorizons()[n]));
            for (int k = 1; k <= 4; ++k) {
                QCOMPARE(etiquetteHorizon(f_, k)->couleur() == QColor(255, 255, 0), k == n);
                QCOMPARE(etiquetteNom(f_, k)->couleur() == QColor(255, 255, 0), k == n);
            }
        }
    }

    void lesTextesNeGardentNiCurseurNiSelection() {
        lireEnEntier("imageTirageBohemiens");
        Memo* m = c<Memo>("panelCentralBohemien");
        QTest::mouseClick(m->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
        QVERIFY(!m->hasFocus());
        QVERIFY(!m->textCursor().hasSelection());
        QCOMPARE(m->textInteractionFlags(), Qt::NoTextInteraction);
    }

    void endurance() {
        // Many readings with random picks, presses and new draws; after every action what is
        // on screen must match the reading state.
        std::mt19937 hasard(2026);
        auto tirer = [&hasard](int n) {
            return static_cast<int>(hasard() % static_cast<unsigned>(n)) + 1;
        };
        const EtatTirage& etat = etat_;
        int lectures = 0;
        auto verifier = [&] {
            const TypeTirage type = etat.typeTirage();
            const bool choix = c<Panneau>("panelSelectionTirage")->isVisible();
            int visibles = 0, faces = 0;
            for (int d = 1; d <= 22; ++d) {
                if (!carteTalon(f_, d)->isVisible()) continue;
                ++visibles;
                if (carteTalon(f_, d)->image() != QLatin1String("picFond")) ++faces;
            }
            if (choix) {
                QCOMPARE(visibles, 0);
                QVERIFY(!boutonNumeros(f_)->isVisible());
                return;
            }
            if (!etat.tirageTermine()) {
                QCOMPARE(visibles, 22);
                QCOMPARE(faces, etat.nbCartesPosees());
                QVERIFY(!boutonNumeros(f_)->isVisible());
                for (int n = 1; n <= 10; ++n)
                    QCOMPARE(etiquetteNom(f_, n)->isVisible(), n <= etat.nbCartesPosees());
            } else {
                const int laid = nbCartesDuTirage(type) + (type == TypeTirage::EnCroix ? 1 : 0);
                QCOMPARE(visibles, laid);
                QCOMPARE(faces, laid);
                QVERIFY(boutonNumeros(f_)->isVisible());
                QCOMPARE(c<Panneau>("SuperPanelPresent")->isVisible(), type == TypeTirage::EnCroix);
                QCOMPARE(c<Panneau>("panelCentralMaison")->isVisible(),
                         type == TypeTirage::DixMaisons);
                QCOMPARE(c<Memo>("panelCentralBohemien")->isVisible(),
                         type == TypeTirage::Bohemiens);
            }
        };
        if (!c<Panneau>("panelSelectionTirage")->isVisible()) nouveauTirage();
        while (lectures < 300) {
            switch (tirer(3)) {
            case 1:
                choisirCroix(f_);
                break;
            case 2:
                choisirMaisons(f_);
                break;
            default:
                choisirBohemiens(f_);
                break;
            }
            verifier();
            while (!etat.tirageTermine()) {
                cliquerCarte(f_, tirer(22));
                verifier();
                if (tirer(40) == 1) { // give up half-way now and then
                    nouveauTirage();
                    verifier();
                    break;
                }
            }
            if (c<Panneau>("panelSelectionTirage")->isVisible()) continue;
            ++lectures;
            for (int i = tirer(4); i > 0; --i) {
                if (tirer(2) == 1)
                    QTest::mouseClick(boutonNumeros(f_), Qt::LeftButton);
                else
                    cliquerCarte(f_, tirer(22));
                verifier();
                if (boutonNumeros(f_)->isChecked())
                    QVERIFY(c<Panneau>("panelInformations")
                                ->text()
                                .contains(QRegularExpression("^\\d+( - \\d+)*$")));
            }
            nouveauTirage();
            verifier();
        }
    }

    void clavierEtLecteurDEcran() {
        QApplication::setActiveWindow(f_);
        if (!c<Panneau>("panelSelectionTirage")->isVisible()) nouveauTirage();
        auto* croix = c<ImageControle>("imageTirageEnCroix");
        auto* maisons = c<ImageControle>("imageTirageDixMaisons");
        auto* bohemiens = c<ImageControle>("imageTirageBohemiens");
        auto* lecteur = QAccessible::queryAccessibleInterface(croix);
        QVERIFY(lecteur);
        QCOMPARE(lecteur->text(QAccessible::Name), QStringLiteral("Tirage en croix"));
        QCOMPARE(lecteur->role(), QAccessible::Button);
        // A click does not take the focus; Tab and the arrows do, Enter chooses.
        QCOMPARE(croix->focusPolicy(), Qt::TabFocus);
        croix->setFocus(Qt::TabFocusReason);
        QTest::keyClick(croix, Qt::Key_Right);
        QVERIFY(maisons->hasFocus());
        QTest::keyClick(maisons, Qt::Key_Right);
        QVERIFY(bohemiens->hasFocus());
        QTest::keyClick(bohemiens, Qt::Key_Return);
        QCOMPARE(etat_.typeTirage(), TypeTirage::Bohemiens);
        QCOMPARE(QAccessible::queryAccessibleInterface(carteTalon(f_, 7))->text(QAccessible::Name),
                 QStringLiteral("Carte face cachée 7 sur 22"));
        // The deck, where the keyboard goes on: the arrows walk it, Space or Enter lays the card
        // under the focus, and the focus moves on to the next card face down.
        auto touche = [](Qt::Key cle) { QTest::keyClick(QApplication::focusWidget(), cle); };
        QCOMPARE(QApplication::focusWidget(), carteTalon(f_, 1));
        QVERIFY(carteTalon(f_, 1)->focusClavier());
        touche(Qt::Key_Right);
        QVERIFY(carteTalon(f_, 2)->hasFocus());
        touche(Qt::Key_Space);
        QVERIFY(etat_.carteRetournee(2));
        QCOMPARE(QAccessible::queryAccessibleInterface(carteTalon(f_, 2))->text(QAccessible::Name),
                 carteTalon(f_, 2)->toolTip());
        for (int n = 0; n < 3; ++n) touche(Qt::Key_Enter);
        QVERIFY(etat_.bohemiensTermines());
        // Complete: the focus is on the card of the horizon on show, not on the bottom bar, and
        // Enter on another card shows that one's horizon.
        const int courant = etat_.tirageBohemiens().horizonCourant;
        auto* focus = qobject_cast<ImageControle*>(QApplication::focusWidget());
        QVERIFY(focus && etat_.carteRetournee(focus->tag()) && focus->focusClavier());
        QCOMPARE(etat_.emplacementDeCarte(TypeTirage::Bohemiens, focus->tag()), courant);
        touche(Qt::Key_Right);
        touche(Qt::Key_Enter);
        QVERIFY(etat_.tirageBohemiens().horizonCourant != courant);
        QCOMPARE(c<Memo>("panelCentralBohemien")->accessibleName(),
                 etiquetteHorizon(f_, etat_.tirageBohemiens().horizonCourant)->text());

        // "Nouveau tirage" shows the focus when the keyboard brings it there, not after a click.
        auto* nouveau = c<Panneau>("panelNouveauTirage");
        carteTalon(f_, 5)->setFocus(Qt::TabFocusReason);
        const QImage sansFocus = nouveau->grab().toImage();
        nouveau->setFocus(Qt::TabFocusReason);
        QVERIFY(nouveau->grab().toImage() != sansFocus);
        carteTalon(f_, 5)->setFocus(Qt::TabFocusReason);
        QCOMPARE(nouveau->grab().toImage(), sansFocus);
        nouveau->setFocus(Qt::MouseFocusReason);
        QCOMPARE(nouveau->grab().toImage(), sansFocus);

        // The usual copy keys put the reading on the clipboard, in the reading's language.
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(f_, Qt::Key_C, Qt::ControlModifier);
        const QString copie = QGuiApplication::clipboard()->text();
        QVERIFY2(copie.startsWith(QStringLiteral("TIRAGE DES BOHÉMIENS")), qPrintable(copie));
        for (int n = 1; n <= 4; ++n) {
            QVERIFY(copie.contains(etiquetteHorizon(f_, n)->text()));
            const QString premierMot = versQString(etat_.textesHorizons()[n]).section(' ', 0, 1);
            QVERIFY(copie.contains(premierMot));
        }
        QTest::mouseClick(boutonNumeros(f_), Qt::LeftButton);
        QTest::keyClick(f_, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(QGuiApplication::clipboard()->text().contains(
            QStringLiteral("Numéros de la chance : ") + c<Panneau>("panelInformations")->text()));

        // Escape asks before giving the reading up.
        boites_.clear();
        BoiteMessage::reponsesSuivantes({false});
        QTest::keyClick(f_, Qt::Key_Escape);
        QCOMPARE(boites_, QStringList{chainesDe(langue).msgAbandon});
        nouveauTirage();
        // Nothing to copy while the spread chooser is up.
        QGuiApplication::clipboard()->setText(QStringLiteral("avant"));
        QTest::keyClick(f_, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("avant"));
    }

    void quitter() {
        boites_.clear();
        BoiteMessage::reponsesSuivantes({false});
        QTest::mouseClick(c<QToolButton>("TSBQuit"), Qt::LeftButton);
        QCOMPARE(fermetures_, 0);
        QCOMPARE(boites_, QStringList{chainesDe(langue).msgQuitter});
        BoiteMessage::reponsesSuivantes({true, true});
        QTest::mouseClick(c<QToolButton>("TSBQuit"), Qt::LeftButton);
        QCOMPARE(boites_, (QStringList{chainesDe(langue).msgQuitter, chainesDe(langue).msgQuitter,
                                       QStringLiteral("A bientôt !!!")}));
        QCOMPARE(fermetures_, 1);
    }

    void aideIntrouvable() {
        boites_.clear();
        BoiteMessage::reponsesSuivantes({true});
        QTest::mouseClick(c<QToolButton>("TSBAide"), Qt::LeftButton);
        QCOMPARE(boites_.size(), 1);
        QVERIFY(boites_.first().contains("lunespfr.hlp"));
    }
};

int main(int argc, char** argv) {
    // The options go to a store of the test's own.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    Application app(argc, argv);
    TestSpiral t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_spiral.moc"
