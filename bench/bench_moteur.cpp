// Time per whole grid (the 97 lines of one conjugate action), per model, and
// the command line's batch path. Run: build/bench/bench_moteur
#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <string>

#include "commande.hpp"
#include "conjugaison.hpp"

namespace {

// One verb or more per model.
constexpr const char* Verbes[] = {
    // first group
    "parler",
    "placer",
    "manger",
    "envoyer",
    "appeler",
    "acheter",
    "lever",
    "céder",
    "protéger",
    "nettoyer",
    "régler",
    "dépecer",
    "arriver",
    "habiter",
    // second group and the auxiliaries
    "finir",
    "haïr",
    "avoir",
    "être",
    // third group
    "prendre",
    "rendre",
    "craindre",
    "répondre",
    "résoudre",
    "coudre",
    "moudre",
    "rompre",
    "battre",
    "mettre",
    "faire",
    "traire",
    "vaincre",
    "plaire",
    "naître",
    "repaître",
    "paître",
    "paraître",
    "croître",
    "accroître",
    "croire",
    "boire",
    "clore",
    "conclure",
    "suivre",
    "vivre",
    "lire",
    "dire",
    "écrire",
    "rire",
    "conduire",
    "suffire",
    "frire",
    "recevoir",
    "pourvoir",
    "savoir",
    "devoir",
    "pouvoir",
    "mouvoir",
    "pleuvoir",
    "falloir",
    "valoir",
    "vouloir",
    "asseoir",
    "surseoir",
    "seoir",
    "échoir",
    "choir",
    "voir",
    "venir",
    "acquérir",
    "vêtir",
    "mentir",
    "ouvrir",
    "cueillir",
    "bouillir",
    "dormir",
    "courir",
    "mourir",
    "servir",
    "fuir",
    "assaillir",
    "gésir",
    "ouïr",
    "aller",
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
    etat.counters["grille"] =
        benchmark::Counter(static_cast<double>(etat.iterations() * std::size(Verbes)),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(GrilleToutesLesListes);

// The same with every option on: the line builder's longest road.
void GrilleAvecOptions(benchmark::State& etat) {
    const florimot::TOptions options{true, true, true, true};
    for (auto _ : etat)
        for (const char* mot : Verbes) {
            florimot::TVerbe v;
            v.DefinitVerbe(mot);
            benchmark::DoNotOptimize(florimot::ConjugueGrille(v, options));
        }
    etat.counters["grille"] =
        benchmark::Counter(static_cast<double>(etat.iterations() * std::size(Verbes)),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(GrilleAvecOptions);

void ClasseGroupe(benchmark::State& etat) {
    for (auto _ : etat)
        for (const char* mot : Verbes) {
            florimot::TVerbe v;
            v.DefinitVerbe(mot);
            benchmark::DoNotOptimize(v.DonneGroupe());
        }
    etat.counters["mot"] =
        benchmark::Counter(static_cast<double>(etat.iterations() * std::size(Verbes)),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(ClasseGroupe);

// Standard output thrown away, so that the batch measures conjugating and
// writing, not a string growing to 25 MB.
class TSortieNulle final : public florimot::TSortie {
public:
    int Ecrit(std::string_view octets) override {
        benchmark::DoNotOptimize(octets.data());
        return 0;
    }
};

// conjugue --tsv over the committed list of 7,000 real infinitives.
void Lot7000Tsv(benchmark::State& etat) {
    std::ifstream fichier(FLORIMOT_BENCH_DIR "/verbes7000.txt", std::ios::binary);
    const std::string lot((std::istreambuf_iterator<char>(fichier)), {});
    if (lot.empty()) {
        etat.SkipWithError("bench/verbes7000.txt illisible");
        return;
    }
    for (auto _ : etat) {
        florimot::TEntreeMemoire entree(lot);
        TSortieNulle sortie, erreurs;
        benchmark::DoNotOptimize(florimot::ExecuteConjugue({"--tsv"}, entree, sortie, erreurs));
    }
}
BENCHMARK(Lot7000Tsv)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
