// The yardstick for the start-up figures: the least a Qt Widgets program does to show a
// frameless 455 x 304 window with a label, the size of the splash. It reports its first paint
// exactly as the program does (app/main.cpp) when LUNESPIRAL_MESURE_DEMARRAGE is set.

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <sys/resource.h>

#include <cstdio>
#include <ctime>

namespace {

long long maintenantNs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000000000LL + t.tv_nsec;
}

class MesureDemarrage : public QObject {
public:
    MesureDemarrage(long long origine, long long debutMain) : origine_(origine), debutMain_(debutMain) {}

    bool eventFilter(QObject* cible, QEvent* e) override {
        if (e->type() == QEvent::Paint && !vu_) {
            vu_ = true;
            QTimer::singleShot(0, cible, [this] {
                const long long fin = maintenantNs();
                rusage r{};
                getrusage(RUSAGE_SELF, &r);
                std::printf("demarrage main=%lld peinture=%lld rss_ko=%ld\n", debutMain_ - origine_,
                            fin - origine_, r.ru_maxrss);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    long long origine_;
    long long debutMain_;
    bool vu_ = false;
};

} // namespace

int main(int argc, char** argv) {
    const long long debutMain = maintenantNs();
    QApplication application(argc, argv);
    QWidget fenetre(nullptr, Qt::Window | Qt::FramelessWindowHint);
    fenetre.resize(455, 304);
    QLabel etiquette(QStringLiteral("LUNESPIRAL 2000"), &fenetre);
    etiquette.setGeometry(20, 20, 300, 40);
    MesureDemarrage mesure(qgetenv("LUNESPIRAL_MESURE_DEMARRAGE").toLongLong(), debutMain);
    if (qEnvironmentVariableIsSet("LUNESPIRAL_MESURE_DEMARRAGE")) fenetre.installEventFilter(&mesure);
    fenetre.show();
    return application.exec();
}
