// Engine timings: a spread is drawn and composed in a couple of microseconds, the data files
// load in well under a millisecond, a lucky-number draw takes a few microseconds. Each runs on
// the small test data set and, for the "reels" cases, on the real data files the build writes
// beside this program.

#include "DonneesEssai.h"
#include "EtatTirage.h"
#include "NumerosChance.h"
#include "Tirages.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>

using namespace lunespiral;

namespace {

const essai::Donnees& donnees() {
    static const essai::Donnees d;
    return d;
}

// The build writes the real data files into the directory of the programs, this one included.
std::string dossierReel() {
    char chemin[4096] = {};
    const ssize_t n = readlink("/proc/self/exe", chemin, sizeof chemin - 1);
    const std::string s(chemin, n > 0 ? static_cast<std::size_t>(n) : 0);
    return s.substr(0, s.rfind('/') + 1);
}

bool fichiersReels(benchmark::State& etat, int langue) {
    for (const std::string& nom : {nomFichierDomaines(langue), nomFichierPaires(langue)})
        if (!std::filesystem::is_regular_file(dossierReel() + nom)) {
            etat.SkipWithError(
                ("no " + nom + " beside the benchmark: build the lunespiral_donnees target")
                    .c_str());
            return false;
        }
    return true;
}

const Textes& textesReels(int langue) {
    static Textes textes[3];
    static bool charges[3] = {};
    if (!charges[langue]) {
        textes[langue].chargerTextes(langue, dossierReel());
        charges[langue] = true;
    }
    return textes[langue];
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

void choisirEtComposerReels(benchmark::State& etat, TypeTirage type, int langue) {
    if (!fichiersReels(etat, langue)) return;
    const Textes& textes = textesReels(langue);
    Hasard h;
    EtatTirage e;
    for (auto _ : etat) {
        e.choisirTirageSansAmorcer(type, h, textes);
        benchmark::DoNotOptimize(e.textesCroix());
    }
}
BENCHMARK_CAPTURE(choisirEtComposerReels, croix_fr, TypeTirage::EnCroix, 1);
BENCHMARK_CAPTURE(choisirEtComposerReels, maisons_fr, TypeTirage::DixMaisons, 1);
BENCHMARK_CAPTURE(choisirEtComposerReels, bohemiens_fr, TypeTirage::Bohemiens, 1);
BENCHMARK_CAPTURE(choisirEtComposerReels, croix_en, TypeTirage::EnCroix, 2);
BENCHMARK_CAPTURE(choisirEtComposerReels, maisons_en, TypeTirage::DixMaisons, 2);
BENCHMARK_CAPTURE(choisirEtComposerReels, bohemiens_en, TypeTirage::Bohemiens, 2);

void chargerLesFichiers(benchmark::State& etat) {
    Textes textes;
    const std::string repertoire = essai::chemin(donnees().dossier);
    for (auto _ : etat) textes.chargerTextes(1, repertoire);
}
BENCHMARK(chargerLesFichiers);

// The card table and the two files of a language, as the first tick after the language choice
// loads them.
void chargerLesFichiersReels(benchmark::State& etat, int langue) {
    if (!fichiersReels(etat, langue)) return;
    Textes textes;
    const std::string repertoire = dossierReel();
    for (auto _ : etat) textes.chargerTextes(langue, repertoire);
}
BENCHMARK_CAPTURE(chargerLesFichiersReels, fr, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(chargerLesFichiersReels, en, 2)->Unit(benchmark::kMicrosecond);

void numerosDeLaChance(benchmark::State& etat) {
    Hasard h;
    const std::vector<int> cartes = {3, 17, 8, 21};
    for (auto _ : etat) benchmark::DoNotOptimize(tirerNumerosChance(h, 6, 1, 49, cartes));
}
BENCHMARK(numerosDeLaChance);

} // namespace
