// LUNESPIRAL 2000. The program takes no arguments: the splash asks for the language, then the
// main window takes over.

#include "Application.h"
#include "Demarrage.h"
#include "fSplash.h"

#include <QEvent>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>
#include <ctime>
#include <optional>

using namespace lunespiral;

namespace {

long long maintenantNs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000000000LL + t.tv_nsec;
}

// The start-up benchmark (bench/fenetres, docs/PERFORMANCE.md) sets LUNESPIRAL_MESURE_DEMARRAGE
// to the monotonic clock, in nanoseconds, at which it started this process. The program then
// prints when main began and when the splash's first paint was done, relative to that, with
// its peak memory, and ends. Nothing else reads the variable.
class MesureDemarrage : public QObject {
public:
    MesureDemarrage(long long origine, long long debutMain) : origine_(origine), debutMain_(debutMain) {}

    bool eventFilter(QObject* cible, QEvent* e) override {
        // The paint is flushed before control goes back to the event loop.
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
    Application application(argc, argv);
    Fenetres fenetres = demarrer();
    std::optional<MesureDemarrage> mesure;
    if (const QByteArray origine = qgetenv("LUNESPIRAL_MESURE_DEMARRAGE"); !origine.isEmpty()) {
        mesure.emplace(origine.toLongLong(), debutMain);
        fenetres.splash->installEventFilter(&*mesure);
    }
    fenetres.splash->show();
    const int code = application.exec();
    detruire(fenetres);
    return code;
}
