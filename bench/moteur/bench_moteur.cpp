// Engine timings: a spread must be drawn (and later composed) in a couple of microseconds.

#include "EtatTirage.h"
#include "Tirages.h"

#include <benchmark/benchmark.h>

using namespace lunespiral;

namespace {

void tirageCroix(benchmark::State& etat) {
    Hasard h;
    for (auto _ : etat) benchmark::DoNotOptimize(tirerCroixDepuis(h));
}
BENCHMARK(tirageCroix);

void tirageMaisons(benchmark::State& etat) {
    Hasard h;
    for (auto _ : etat) benchmark::DoNotOptimize(tirerMaisonsDepuis(h));
}
BENCHMARK(tirageMaisons);

void tirageBohemiens(benchmark::State& etat) {
    Hasard h;
    for (auto _ : etat) benchmark::DoNotOptimize(tirerBohemiensDepuis(h));
}
BENCHMARK(tirageBohemiens);

// A whole ten-houses reading through the reading state: choose, lay ten cards, complete.
void lectureMaisons(benchmark::State& etat) {
    Hasard h;
    EtatTirage e;
    for (auto _ : etat) {
        e.choisirTirageSansAmorcer(TypeTirage::DixMaisons, h);
        for (int d = 1; d <= 10; ++d) benchmark::DoNotOptimize(e.cliquerCarte(d, h));
    }
}
BENCHMARK(lectureMaisons);

} // namespace
