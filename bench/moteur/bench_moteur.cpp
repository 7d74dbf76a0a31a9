// Engine timings: a spread is drawn and composed in a couple of microseconds, the data files
// load in well under a millisecond, a lucky-number draw takes a few microseconds.

#include "DonneesEssai.h"
#include "EtatTirage.h"
#include "NumerosChance.h"
#include "Tirages.h"

#include <benchmark/benchmark.h>

using namespace lunespiral;

namespace {

const essai::Donnees& donnees() {
    static const essai::Donnees d;
    return d;
}

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

// Choosing a spread as the window does: draw and compose.
void choisirEtComposer(benchmark::State& etat, TypeTirage type) {
    Hasard h;
    EtatTirage e;
    for (auto _ : etat) {
        e.choisirTirageSansAmorcer(type, h, donnees().textes);
        benchmark::DoNotOptimize(e.textesCroix());
    }
}
BENCHMARK_CAPTURE(choisirEtComposer, croix, TypeTirage::EnCroix);
BENCHMARK_CAPTURE(choisirEtComposer, maisons, TypeTirage::DixMaisons);
BENCHMARK_CAPTURE(choisirEtComposer, bohemiens, TypeTirage::Bohemiens);

void chargerLesFichiers(benchmark::State& etat) {
    Textes textes;
    const std::string repertoire = essai::chemin(donnees().dossier);
    for (auto _ : etat) textes.chargerTextes(1, repertoire);
}
BENCHMARK(chargerLesFichiers);

void numerosDeLaChance(benchmark::State& etat) {
    Hasard h;
    const std::vector<int> cartes = {3, 17, 8, 21};
    for (auto _ : etat) benchmark::DoNotOptimize(tirerNumerosChance(h, 6, 1, 49, cartes));
}
BENCHMARK(numerosDeLaChance);

} // namespace
