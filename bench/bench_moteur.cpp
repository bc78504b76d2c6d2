// Time per whole grid (the 97 lines of one conjugate action), per model, and
// the command line's batch path. Run: build/bench/bench_moteur
#include <benchmark/benchmark.h>

#include "commande.hpp"
#include "conjugaison.hpp"

namespace {

// One verb or more per model.
constexpr const char* Verbes[] = {
    // first group
    "parler", "placer", "manger", "envoyer", "appeler", "acheter", "lever", "céder", "protéger",
    "nettoyer", "régler", "dépecer", "arriver", "habiter",
    // second group and the auxiliaries
    "finir", "haïr", "avoir", "être",
    // third group
    "prendre", "rendre", "craindre", "répondre", "résoudre", "coudre", "moudre", "rompre",
    "battre", "mettre", "faire", "traire", "vaincre", "plaire", "naître", "repaître", "paître",
    "paraître", "croître", "accroître", "croire", "boire", "clore", "conclure", "suivre", "vivre",
    "lire", "dire", "écrire", "rire", "conduire", "suffire", "frire",
    "recevoir", "pourvoir", "savoir", "devoir", "pouvoir", "mouvoir", "pleuvoir", "falloir",
    "valoir", "vouloir", "asseoir", "surseoir", "seoir", "échoir", "choir", "voir",
    "venir", "acquérir", "vêtir", "mentir", "ouvrir", "cueillir", "bouillir", "dormir",
    "courir", "mourir", "servir", "fuir", "assaillir", "gésir", "ouïr", "aller",
};

void Grille(benchmark::State& etat) {
    const char* mot = Verbes[etat.range(0)];
    etat.SetLabel(mot);
    for (auto _ : etat) {
        florimot::TVerbe v;
        v.DefinitVerbe(mot);
        benchmark::DoNotOptimize(florimot::ConjugueGrille(v));
    }
}
BENCHMARK(Grille)->DenseRange(0, std::size(Verbes) - 1);

void GrilleToutesLesListes(benchmark::State& etat) {
    for (auto _ : etat)
        for (const char* mot : Verbes) {
            florimot::TVerbe v;
            v.DefinitVerbe(mot);
            benchmark::DoNotOptimize(florimot::ConjugueGrille(v));
        }
    etat.counters["grille"] = benchmark::Counter(
        static_cast<double>(etat.iterations() * std::size(Verbes)),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(GrilleToutesLesListes);

void ClasseGroupe(benchmark::State& etat) {
    for (auto _ : etat)
        for (const char* mot : Verbes) {
            florimot::TVerbe v;
            v.DefinitVerbe(mot);
            benchmark::DoNotOptimize(v.DonneGroupe());
        }
    etat.counters["mot"] = benchmark::Counter(
        static_cast<double>(etat.iterations() * std::size(Verbes)),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(ClasseGroupe);

// conjugue --tsv over 7,000 lines of standard input, in memory.
void Lot7000Tsv(benchmark::State& etat) {
    std::string lot;
    for (int i = 0; i < 7000; ++i) {
        lot += Verbes[i % std::size(Verbes)];
        lot += '\n';
    }
    for (auto _ : etat) {
        florimot::TEntreeMemoire entree(lot);
        florimot::TSortieMemoire sortie, erreurs;
        benchmark::DoNotOptimize(florimot::ExecuteConjugue({"--tsv"}, entree, sortie, erreurs));
    }
}
BENCHMARK(Lot7000Tsv)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
