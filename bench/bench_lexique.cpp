// The lexicon's speed: forms analysed per second in a batch, what
// constructing one costs the caller (loading runs on its own thread), and
// the first analysis, which waits for the end of loading.
// Run: build/bench/bench_lexique
#include <benchmark/benchmark.h>

#include <memory>

#include "lexique.hpp"

namespace {

// Forms of every model family, ambiguous forms, participles, inverted first
// persons, words of no verb and words the dictionary lacks.
constexpr const char* Formes[] = {
    "allions",    "vainquît",  "assieds",     "eussé",     "suis",      "été",        "finissons",
    "prîmes",     "peignit",   "mouvons",     "plu",       "allés",     "parlons",    "plaçâmes",
    "mangeait",   "envoie",    "appelleront", "achète",    "cède",      "protégeons", "haïssent",
    "viendrais",  "acquiers",  "vêtu",        "sentirent", "ouvrit",    "cueillerai", "bous",
    "dormîmes",   "courut",    "meurent",     "servais",   "fuyons",    "gît",        "oyez",
    "reçois",     "pourvus",   "sachant",     "dois",      "peux",      "meus",       "pleuvra",
    "faut",       "vaille",    "veulent",     "sied",      "sursis",    "échut",      "vit",
    "prenne",     "rendu",     "craignîmes",  "résolu",    "cousez",    "moulu",      "rompt",
    "battîmes",   "mis",       "fassent",     "trayons",   "plut",      "naquit",     "paraissait",
    "crûmes",     "crois",     "buvait",      "close",     "conclûmes", "suivit",     "vécurent",
    "lisez",      "dites",     "écrivions",   "riions",    "conduisit", "maison",     "table",
    "rapidement", "googlions", "twittâmes",   "xyzzy",     "puissé",    "aurions",    "fut",
};

florimot::TLexique& Lexique() {
    static florimot::TLexique lexique;
    return lexique;
}

void AnalyseLot(benchmark::State& etat) {
    if (!Lexique().Disponible()) {
        etat.SkipWithError(Lexique().Raison().c_str());
        return;
    }
    for (auto _ : etat)
        for (const char* forme : Formes) benchmark::DoNotOptimize(Lexique().Analyse(forme));
    etat.counters["formes"] = benchmark::Counter(
        static_cast<double>(etat.iterations() * std::size(Formes)), benchmark::Counter::kIsRate);
}
BENCHMARK(AnalyseLot)->Unit(benchmark::kMillisecond);

// The same batch with no grid in the cache yet: each form's verbs conjugated anew.
void AnalyseLotFroid(benchmark::State& etat) {
    for (auto _ : etat) {
        etat.PauseTiming();
        auto lexique = std::make_unique<florimot::TLexique>();
        const bool disponible = lexique->Disponible();
        etat.ResumeTiming();
        if (!disponible) {
            etat.SkipWithError(lexique->Raison().c_str());
            break;
        }
        for (const char* forme : Formes) benchmark::DoNotOptimize(lexique->Analyse(forme));
        etat.PauseTiming();
        lexique.reset();
        etat.ResumeTiming();
    }
    etat.counters["formes"] = benchmark::Counter(
        static_cast<double>(etat.iterations() * std::size(Formes)), benchmark::Counter::kIsRate);
}
BENCHMARK(AnalyseLotFroid)->Unit(benchmark::kMillisecond)->Iterations(20);

void Construction(benchmark::State& etat) {
    for (auto _ : etat) {
        auto lexique = std::make_unique<florimot::TLexique>();
        etat.PauseTiming();
        lexique.reset();  // waits for loading: not the caller's cost
        etat.ResumeTiming();
    }
}
BENCHMARK(Construction)->Unit(benchmark::kMicrosecond)->Iterations(10);

void PremiereAnalyse(benchmark::State& etat) {
    for (auto _ : etat) {
        florimot::TLexique lexique;
        benchmark::DoNotOptimize(lexique.Analyse("vainquît"));
    }
}
BENCHMARK(PremiereAnalyse)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

BENCHMARK_MAIN();
