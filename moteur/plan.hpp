// What every conjugation model shares: the 47-slot ending table, the slot
// arithmetic, and the plan a model draws for one verb.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "formes_nues.hpp"
#include "verbe.hpp"

namespace florimot {

// Slots 1..47 (0 unused): 1-6 présent, 7-12 imparfait, 13-18 passé simple,
// 19-24 futur, 25-30 subjonctif présent, 31-36 subjonctif imparfait,
// 37-42 conditionnel, 43-45 impératif, 46 participe passé, 47 participe présent.
using TTerminaisons = std::array<std::string_view, 48>;

// A table that differs from another in a few slots: the endings
// [premier, premier + fins.size()) of t replaced by fins.
constexpr TTerminaisons Avec(TTerminaisons t, int premier,
                             std::initializer_list<std::string_view> fins) {
    for (std::string_view fin : fins) t[premier++] = fin;
    return t;
}

constexpr int Slot(std::uint8_t CodeTemps, std::uint8_t DecalageMode, int Personne) {
    return DecalageMode + Personne + 6 * (CodeTemps % 10);
}

// The simple tenses' codes (CodeTemps) and the first slot of each simple
// tense of a table: its je, or the impératif's tu.
inline constexpr std::uint8_t CodePresent = 0;
inline constexpr std::uint8_t CodeImparfait = 1;
inline constexpr std::uint8_t CodePasseSimple = 2;
inline constexpr std::uint8_t CodeFutur = 3;
inline constexpr int SlotPresent = Slot(CodePresent, ModeIndicatif, 1);
inline constexpr int SlotImparfait = Slot(CodeImparfait, ModeIndicatif, 1);
inline constexpr int SlotPasseSimple = Slot(CodePasseSimple, ModeIndicatif, 1);
inline constexpr int SlotFutur = Slot(CodeFutur, ModeIndicatif, 1);
inline constexpr int SlotSubjPresent = Slot(CodePresent, ModeSubjonctif, 1);
inline constexpr int SlotSubjImparfait = Slot(CodeImparfait, ModeSubjonctif, 1);
inline constexpr int SlotConditionnel = Slot(CodePresent, ModeConditionnel, 1);
inline constexpr int SlotImperatif = Slot(CodePresent, ModeImperatif, 1);

// Which compound forms a verb has, beyond what its participle allows.
enum class TComposes : std::uint8_t {
    Tous,
    // A defective verb has a compound form exactly where it has the simple
    // form of the same mode and person: "il a plu", but no "j'ai plu".
    SelonSimples,
    Aucun,
};

// What a model decides for one verb; the rest (stem + ending in every slot,
// the compound tenses) is the same for every model. The views point into the
// verb record or into constant data.
struct TPlan {
    std::string_view S;  // stem of the simple forms
    std::string_view P;  // stem of the past participle
    const TTerminaisons* T = nullptr;
    // The slots whose stem changes (je lève, j'appelle): they take S2.
    std::uint64_t Variantes = 0;
    std::array<char, 4 * TText::Capacite + 4> S2{};
    std::uint8_t TailleS2 = 0;
    // The slots the verb lacks whatever its model gives: they read "-".
    std::uint64_t Manquants = 0;
    TComposes Composes = TComposes::Tous;

    std::string_view Radical2() const { return {S2.data(), TailleS2}; }
};

constexpr TPlan Plan(std::string_view S, std::string_view P, const TTerminaisons& T) {
    TPlan p;
    p.S = S;
    p.P = P;
    p.T = &T;
    return p;
}

// Gauche(Longueur - n) without a copy; the dispatch tests guarantee n fits.
inline std::string_view Radical(const TVerbe& verbe, std::uint8_t n) {
    return verbe.GaucheVue(static_cast<std::uint8_t>(verbe.Longueur() - n));
}

// The participle stem of groups 1 and 2: the infinitive less its last 2 letters.
inline std::string_view RadicalParticipe(const TVerbe& verbe) {
    return Radical(verbe, 2);
}

// The third group's usual plan: the participle is built on the same stem
// S = the infinitive less its last N letters.
inline TPlan Troisieme(const TVerbe& verbe, std::uint8_t N, const TTerminaisons& T) {
    const std::string_view S = Radical(verbe, N);
    return Plan(S, S, T);
}

// The whole forms of avoir and être, slot for slot like a model's endings.
inline constexpr TTerminaisons TableAvoir = {
    "",        "ai",     "as",       "a",       "avons",   "avez",   "ont",    "avais",
    "avais",   "avait",  "avions",   "aviez",   "avaient", "eus",    "eus",    "eut",
    "eûmes",   "eûtes",  "eurent",   "aurai",   "auras",   "aura",   "aurons", "aurez",
    "auront",  "aie",    "aies",     "ait",     "ayons",   "ayez",   "aient",  "eusse",
    "eusses",  "eût",    "eussions", "eussiez", "eussent", "aurais", "aurais", "aurait",
    "aurions", "auriez", "auraient", "aie",     "ayons",   "ayez",   "eu",     "ayant"};
inline constexpr TTerminaisons TableEtre = {
    "",        "suis",   "es",       "est",     "sommes",  "êtes",   "sont",   "étais",
    "étais",   "était",  "étions",   "étiez",   "étaient", "fus",    "fus",    "fut",
    "fûmes",   "fûtes",  "furent",   "serai",   "seras",   "sera",   "serons", "serez",
    "seront",  "sois",   "sois",     "soit",    "soyons",  "soyez",  "soient", "fusse",
    "fusses",  "fût",    "fussions", "fussiez", "fussent", "serais", "serais", "serait",
    "serions", "seriez", "seraient", "sois",    "soyons",  "soyez",  "été",    "étant"};

// One simple form of avoir or être, straight from its table.
inline std::string_view FormeAuxiliaire(bool etre, std::uint8_t CodeTemps,
                                        std::uint8_t DecalageMode, int Personne) {
    return (etre ? TableEtre : TableAvoir)[Slot(CodeTemps, DecalageMode, Personne)];
}

// The auxiliary of a compound request: avoir's or être's form in the tense the
// compound tense stands on (the conditionnel passé 2e forme borrows the
// subjonctif imparfait).
inline std::string_view AuxiliaireCompose(bool etre, std::uint8_t CodeTemps,
                                          std::uint8_t DecalageMode, int Personne) {
    if (CodeTemps == 15) return FormeAuxiliaire(etre, 1, ModeSubjonctif, Personne);
    return FormeAuxiliaire(etre, CodeTemps % 10, DecalageMode, Personne);
}

}  // namespace florimot
