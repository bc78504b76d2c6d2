#include "modeles.hpp"
#include "plan.hpp"
#include "terminaisons.hpp"

namespace florimot {

namespace {

// participes passé, présent

// The tréma stays everywhere but in the singular of the présent and the impératif tu.
constexpr TTerminaisons TermHair = {
    "",       "is",     "is",     "it",      "ïssons", "ïssez",    "ïssent",  // présent
    "ïssais", "ïssais", "ïssait", "ïssions", "ïssiez", "ïssaient",            // imparfait
    "ïs",     "ïs",     "ït",     "ïmes",    "ïtes",   "ïrent",               // passé simple
    "ïrai",   "ïras",   "ïra",    "ïrons",   "ïrez",   "ïront",               // futur
    "ïsse",   "ïsses",  "ïsse",   "ïssions", "ïssiez", "ïssent",              // subj. présent
    "ïsse",   "ïsses",  "ït",     "ïssions", "ïssiez", "ïssent",              // subj. imparfait
    "ïrais",  "ïrais",  "ïrait",  "ïrions",  "ïriez",  "ïraient",             // conditionnel
    "is",     "ïssons", "ïssez",                                              // impératif
    "ï",      "ïssant"};  // participes passé, présent

// amuïr keeps its tréma in every form, the singular of the présent too: j'amuïs.
constexpr TTerminaisons TermTrema =
    Avec(Avec(TermHair, SlotPresent, {"ïs", "ïs", "ït"}), SlotImperatif, {"ïs"});

}  // namespace

FLORIMOT_MODELE(ConjugueDeuxiemeGroupe) {
    // The ending's i is the infinitive's ï where it has one.
    const TTerminaisons& T = verbe.TerminePar("ïr") ? TermTrema : TermDeuxieme;
    return Plan(Radical(verbe, 2), RadicalParticipe(verbe), T);
}

FLORIMOT_MODELE(ModeleHair) {
    return Plan("ha", RadicalParticipe(verbe), TermHair);
}

}  // namespace florimot
