// Cold rendering of every picture a 1920 × 1080 screen needs: each picture parsed and rendered
// once per size, as at the first showing of the main window.

#include "ServiceImages.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include <cmath>

namespace {

using lunespiral::ServiceImages;

struct Demande {
    QString nom;
    QSize taille;
};

QList<Demande> demandesEcranLarge() {
    const QSize carte(216, 297); // 90 × 165 at 2.4 horizontally and 1.8 vertically
    QList<Demande> demandes;
    ServiceImages& service = ServiceImages::instance();
    for (const QString& nom : ServiceImages::noms()) {
        QSize taille = carte;
        if (!nom.startsWith("Image") && nom != "picFond") {
            const QSize design = service.tailleDesign(nom);
            taille = QSize(static_cast<int>(std::lround(design.width() * 2.4)),
                           static_cast<int>(std::lround(design.height() * 2.4)));
        }
        demandes.append({nom, taille});
    }
    return demandes;
}

void BM_EcranLarge(benchmark::State& etat) {
    const QList<Demande> demandes = demandesEcranLarge();
    ServiceImages& service = ServiceImages::instance();
    for (auto _ : etat) {
        service.viderCache();
        for (const Demande& d : demandes) benchmark::DoNotOptimize(service.image(d.nom, d.taille));
    }
    etat.counters["images"] = double(demandes.size());
}
BENCHMARK(BM_EcranLarge)->Unit(benchmark::kMillisecond);

void BM_FaceSeule(benchmark::State& etat) {
    ServiceImages& service = ServiceImages::instance();
    for (auto _ : etat) {
        service.viderCache();
        benchmark::DoNotOptimize(service.image("Image21", QSize(216, 297)));
    }
}
BENCHMARK(BM_FaceSeule)->Unit(benchmark::kMillisecond);

void BM_DepuisLeCache(benchmark::State& etat) {
    ServiceImages& service = ServiceImages::instance();
    service.image("Image21", QSize(216, 297));
    for (auto _ : etat) benchmark::DoNotOptimize(service.image("Image21", QSize(216, 297)));
}
BENCHMARK(BM_DepuisLeCache);

// One picture alone, to find the costly ones.
void BM_Image(benchmark::State& etat, const Demande& demande) {
    ServiceImages& service = ServiceImages::instance();
    for (auto _ : etat) {
        service.viderCache();
        benchmark::DoNotOptimize(service.image(demande.nom, demande.taille));
    }
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    for (const Demande& d : demandesEcranLarge())
        benchmark::RegisterBenchmark(qPrintable("BM_Image/" + d.nom), BM_Image, d)
            ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
