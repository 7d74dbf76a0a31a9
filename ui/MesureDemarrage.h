#pragma once
// The start-up benchmark (bench/fenetres, docs/PERFORMANCE.md) builds its own copy of the
// program with this hook (lunespiral_mesure) and sets LUNESPIRAL_MESURE_DEMARRAGE to the
// monotonic clock, in nanoseconds, at which it started the process. A program watched this way
// prints when main began and when its first window's first paint was done, relative
// to that, with its peak memory, and ends. The program and the bare Qt yardstick share it so
// that both are measured alike; nothing else reads the variable. Header only: the yardstick
// links nothing of ours.

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>
#include <ctime>

namespace lunespiral {

inline long long maintenantNs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000000000LL + t.tv_nsec;
}

class MesureDemarrage : public QObject {
public:
    MesureDemarrage(long long origine, long long debutMain)
        : origine_(origine), debutMain_(debutMain) {}

    // Watches `fenetre` when the benchmark asked for it.
    static bool demandee() { return !qEnvironmentVariableIsEmpty("LUNESPIRAL_MESURE_DEMARRAGE"); }
    static long long origine() { return qgetenv("LUNESPIRAL_MESURE_DEMARRAGE").toLongLong(); }

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

} // namespace lunespiral
