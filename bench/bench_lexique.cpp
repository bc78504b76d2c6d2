// The lexicon's speed: forms analysed per second in a batch, look-ups in
// the form index, lines, what constructing one costs the caller (loading
// runs on its own thread), the first analysis, and `conjugue --analyse
// --tsv` as a whole process over 20,000 forms (start-up included, peak
// memory as a counter). Run: build/bench/bench_lexique
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "conjugaison.hpp"
#include "faits.hpp"
#include "index.hpp"
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

// 20,000 forms of the committed list's verbs as the front ends conjugate
// them: bare forms of every slot, each verb in turn, as a corpus gives them.
const std::vector<std::string>& Lot() {
    static const std::vector<std::string> lot = [] {
        std::vector<std::string> formes;
        std::ifstream fichier(FLORIMOT_BENCH_DIR "/verbes7000.txt");
        std::string infinitif;
        for (int n = 0; formes.size() < 20000 && std::getline(fichier, infinitif); ++n) {
            florimot::TVerbe v;
            v.DefinitVerbe(infinitif);
            const florimot::TFaits faits = florimot::PrepareVerbe(v);
            const florimot::LignesGrille g = florimot::ConjugueGrille(v, {}, faits);
            for (int k = 0; k < 3; ++k) {
                const std::string_view ligne = g[std::size_t(n * 7 + k * 31) % 97];
                if (florimot::EstMarqueur(ligne)) continue;
                formes.emplace_back(ligne.substr(ligne.find_last_of(" '") + 1));
            }
        }
        return formes;
    }();
    return lot;
}

// The whole process, as a script runs it: start-up, reading, look-ups and
// writing. "Mio" is the largest peak resident size of the runs; measured
// first, while this process is small, since a child's peak counts what it
// shared with its parent before exec.
void Processus(benchmark::State& etat, bool lot) {
    const std::filesystem::path fichier =
        std::filesystem::temp_directory_path() / ("florimot_lot_" + std::to_string(::getpid()));
    {
        std::ofstream sortie(fichier);
        if (lot)
            for (const std::string& f : Lot()) sortie << f << '\n';
        else
            sortie << "vainquît\n";
    }
    const std::string commande =
        std::string(CONJUGUE_EXE) + " --analyse --tsv < " + fichier.string() + " > /dev/null";
    for (auto _ : etat)
        if (std::system(commande.c_str()) != 0) {
            etat.SkipWithError("conjugue --analyse a échoué");
            break;
        }
    std::filesystem::remove(fichier);
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    etat.counters["Mio"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
    if (lot)
        etat.counters["formes"] = benchmark::Counter(
            static_cast<double>(etat.iterations() * Lot().size()), benchmark::Counter::kIsRate);
}
BENCHMARK_CAPTURE(Processus, lot20000, true)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(Processus, premiereReponse, false)->Unit(benchmark::kMillisecond)->UseRealTime();

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

// Right after construction, as the window's first look-up: the end of
// loading, which the destructor waits for, is not counted.
void PremiereAnalyse(benchmark::State& etat) {
    for (auto _ : etat) {
        etat.PauseTiming();
        auto lexique = std::make_unique<florimot::TLexique>();
        etat.ResumeTiming();
        benchmark::DoNotOptimize(lexique->Analyse("vainquît"));
        etat.PauseTiming();
        lexique.reset();
        etat.ResumeTiming();
    }
}
BENCHMARK(PremiereAnalyse)->Unit(benchmark::kMillisecond)->Iterations(10);

void RechercheIndex(benchmark::State& etat) {
    const auto& index = florimot::lexique::TIndexFormes::Programme();
    for (auto _ : etat)
        for (const std::string& f : Lot()) benchmark::DoNotOptimize(index.Cherche(f));
    etat.counters["recherches"] = benchmark::Counter(
        static_cast<double>(etat.iterations() * Lot().size()), benchmark::Counter::kIsRate);
}
BENCHMARK(RechercheIndex)->Unit(benchmark::kMillisecond);

void AnalyseTexteLot(benchmark::State& etat) {
    for (auto _ : etat)
        for (const std::string& f : Lot()) benchmark::DoNotOptimize(florimot::AnalyseTexte(f));
    etat.counters["formes"] = benchmark::Counter(
        static_cast<double>(etat.iterations() * Lot().size()), benchmark::Counter::kIsRate);
}
BENCHMARK(AnalyseTexteLot)->Unit(benchmark::kMillisecond);

void Lignes(benchmark::State& etat) {
    constexpr const char* lignes[] = {"je ne me lève pas",   "nous sommes allés", "puis-je ?",
                                      "ne parle-t-il pas ?", "va-t'en",           "j'ai été aimé"};
    for (auto _ : etat)
        for (const char* l : lignes) benchmark::DoNotOptimize(florimot::AnalyseTexte(l));
    etat.counters["lignes"] = benchmark::Counter(
        static_cast<double>(etat.iterations() * std::size(lignes)), benchmark::Counter::kIsRate);
}
BENCHMARK(Lignes)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
