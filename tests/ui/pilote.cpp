// Loaded into the real program with LD_PRELOAD by test_pannes: it plays a user's first steps
// through the real windows and prints what they showed, one fact per line on stdout:
//   ecran W H DPR                       the primary screen, in Qt's pixels
//   boite TEXT                          a message box (line breaks as " | "), answered with OK
//   fenetre NAME X Y W H                each window as it comes up
//   hors-ecran WINDOW/CONTROL           a visible control that is not wholly on the screen
//   aide TITLE                          the help viewer's document
//   fin
// The steps: "FRANCAIS" on the splash, the cross, the options dialog (cancelled), the help.
// Whatever hangs the program hangs this too: the test's time limit says so.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <cstdio>

namespace {

QWidget* fenetre(const char* nom) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(nom) && w->isVisible()) return w;
    return nullptr;
}

template <typename T = QWidget> T* controle(QWidget* f, const char* nom) {
    return f ? f->findChild<T*>(QString::fromLatin1(nom)) : nullptr;
}

void dire(const QString& ligne) {
    std::printf("%s\n", ligne.toUtf8().constData());
    std::fflush(stdout);
}

void decrire(QWidget* f) {
    const QRect g = f->geometry();
    dire(QStringLiteral("fenetre %1 %2 %3 %4 %5")
             .arg(f->objectName())
             .arg(g.x())
             .arg(g.y())
             .arg(g.width())
             .arg(g.height()));
    const QRect ecran = QGuiApplication::primaryScreen()->geometry();
    for (QWidget* c : f->findChildren<QWidget*>()) {
        if (c->objectName().isEmpty() || c->objectName().startsWith(QLatin1String("qt_")) ||
            !c->isVisibleTo(f))
            continue;
        if (!ecran.contains(QRect(c->mapToGlobal(QPoint(0, 0)), c->size())))
            dire(QStringLiteral("hors-ecran %1/%2").arg(f->objectName(), c->objectName()));
    }
}

class Pilote : public QObject {
public:
    Pilote() : QObject(qApp) {
        // Two timers: a box opened by a step runs its own event loop, in which Qt does not
        // call the timer of that step again, but does call the other one, which answers it.
        auto* boites = new QTimer(this);
        connect(boites, &QTimer::timeout, this, &Pilote::repondre);
        boites->start(10);
        auto* pas = new QTimer(this);
        connect(pas, &QTimer::timeout, this, &Pilote::agir);
        pas->start(10);
    }

private:
    void repondre() {
        if (auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            dire(QStringLiteral("boite ") +
                 boite->text().replace(QLatin1Char('\n'), QLatin1String(" | ")));
            boite->buttons().first()->click();
        }
    }

    void agir() {
        switch (pas_) {
        case 0: {
            QWidget* splash = fenetre("frmSplash");
            if (!splash) return;
            const QScreen* ecran = QGuiApplication::primaryScreen();
            dire(QStringLiteral("ecran %1 %2 %3")
                     .arg(ecran->size().width())
                     .arg(ecran->size().height())
                     .arg(ecran->devicePixelRatio()));
            decrire(splash);
            ++pas_;
            controle<QAbstractButton>(splash, "PanelStartFrench")->click();
            return;
        }
        case 1: {
            QWidget* principale = fenetre("frmLunespiral");
            QWidget* choix = controle(principale, "panelSelectionTirage");
            if (!choix || !choix->isVisible()) return;
            decrire(principale);
            ++pas_;
            QTest::mouseClick(controle(principale, "imageTirageEnCroix"), Qt::LeftButton);
            controle<QAbstractButton>(principale, "SBConfigurationNumerosDeLaChance")->click();
            if (QWidget* dialogue = fenetre("frmConfigurationChance")) {
                decrire(dialogue);
                controle<QAbstractButton>(dialogue, "buttonAnnuler")->click();
            }
            controle<QAbstractButton>(principale, "TSBAide")->click();
            if (QWidget* aide = fenetre("visionneuseAide")) {
                dire(QStringLiteral("aide ") +
                     controle<QTextBrowser>(aide, "navigateurAide")->documentTitle());
                decrire(aide);
                aide->close();
            }
            dire(QStringLiteral("fin"));
            QCoreApplication::exit(0);
            return;
        }
        }
    }

    int pas_ = 0;
};

void demarrerPilote() {
    // The application object is still being made: the driver starts with its event loop.
    QTimer::singleShot(0, qApp, [] { new Pilote; });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(demarrerPilote)
