// The lexicon's speed: forms analysed per second in a batch, look-ups in
// the form index, lines, what constructing one costs the caller (loading
// runs on its own thread), the first analysis, and `conjugue --analyse
// --tsv` as a whole process over 20,000 forms (start-up included, peak
// memory as a counter), against french-deconjugator on the same forms
// where it is installed, and what a miss costs against a known form.
// Run: build/bench/bench_lexique (bench/analyse.sh: the same against the
// peer on a corpus-like list, misses included)
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "conjugaison.hpp"
#include "faits.hpp"
#include "index.hpp"
#include "interne.hpp"
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
            const florimot::TLignesGrille g = florimot::ConjugueGrille(v, {}, faits);
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
void Processus(benchmark::State& etat, bool lot, const char* programme = CONJUGUE_EXE,
               const char* arguments = " --analyse --tsv") {
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
        std::string(programme) + arguments + " < " + fichier.string() + " > /dev/null 2> /dev/null";
    for (auto _ : etat)
        if (const int statut = std::system(commande.c_str());
            !WIFEXITED(statut) || WEXITSTATUS(statut) > 1) {
            etat.SkipWithError((std::string(programme) + " a échoué").c_str());
            break;
        }
    std::filesystem::remove(fichier);
    // The children's peak is the largest of all: the peer's would hide behind it.
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    if (programme == std::string_view(CONJUGUE_EXE))
        etat.counters["Mio"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
    if (lot)
        etat.counters["formes"] = benchmark::Counter(
            static_cast<double>(etat.iterations() * Lot().size()), benchmark::Counter::kIsRate);
}
BENCHMARK_CAPTURE(Processus, lot20000, true)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(Processus, premiereReponse, false)->Unit(benchmark::kMillisecond)->UseRealTime();

// The speed peer on the same 20,000 forms, where it is installed (Debian
// package verbiste): the two "formes" rates side by side.
void Pair(benchmark::State& etat) {
    constexpr const char* pair = "/usr/bin/french-deconjugator";
    if (::access(pair, X_OK) != 0) {
        etat.SkipWithError("french-deconjugator absent (apt install verbiste)");
        return;
    }
    Processus(etat, true, pair, "");
}
BENCHMARK(Pair)->Unit(benchmark::kMillisecond)->UseRealTime();

// What a word no index knows costs against a form it knows: the same
// forms with a letter changed ("parkions"), which only the guesser reads.
// "rapport" is the cost of one such miss over that of a known form.
void CoutInconnue(benchmark::State& etat) {
    std::vector<std::string> connues, inconnues;
    for (std::size_t i = 0; i < Lot().size() && connues.size() < 500; i += 7) {
        const std::string& f = Lot()[i];
        if (f.size() < 6 || static_cast<unsigned char>(f[3]) >= 0x80) continue;
        std::string g = f;
        g[3] = g[3] == 'k' ? 'w' : 'k';
        if (!florimot::lexique::TIndexFormes::Programme().Cherche(g).empty()) continue;
        connues.push_back(f);
        inconnues.push_back(std::move(g));
    }
    benchmark::DoNotOptimize(florimot::AnalyseTexte("parkions"));  // tables made before timing
    double connue = 0, inconnue = 0;
    for (auto _ : etat) {
        const auto t0 = std::chrono::steady_clock::now();
        for (const std::string& f : connues) benchmark::DoNotOptimize(florimot::AnalyseTexte(f));
        // Each round starts with no verb guessed yet: only the list's own
        // repeats (parkions, parkiez: one new verb) find it kept.
        florimot::lexique::OublieVerbesDevines();
        const auto t1 = std::chrono::steady_clock::now();
        for (const std::string& f : inconnues) benchmark::DoNotOptimize(florimot::AnalyseTexte(f));
        const auto t2 = std::chrono::steady_clock::now();
        connue += std::chrono::duration<double>(t1 - t0).count();
        inconnue += std::chrono::duration<double>(t2 - t1).count();
    }
    etat.counters["rapport"] = inconnue / connue;
    etat.counters["inconnues"] =
        benchmark::Counter(static_cast<double>(etat.iterations() * inconnues.size()) / inconnue);
}
BENCHMARK(CoutInconnue)->Unit(benchmark::kMillisecond)->Iterations(3);

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
