#include "modele.hpp"
#include "modeles.hpp"

namespace florimot {

namespace {

constexpr TTerminaisons TermDeuxieme = {
    "",       "is",     "is",     "it",      "issons", "issez",    "issent",  // présent
    "issais", "issais", "issait", "issions", "issiez", "issaient",            // imparfait
    "is",     "is",     "it",     "îmes",    "îtes",   "irent",               // passé simple
    "irai",   "iras",   "ira",    "irons",   "irez",   "iront",               // futur
    "isse",   "isses",  "isse",   "issions", "issiez", "issent",              // subj. présent
    "isse",   "isses",  "ît",     "issions", "issiez", "issent",              // subj. imparfait
    "irais",  "irais",  "irait",  "irions",  "iriez",  "iraient",             // conditionnel
    "is",     "issons", "issez",                                              // impératif
    "i",      "issant"};  // participes passé, présent

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
constexpr TTerminaisons TermTrema = Avec(Avec(TermHair, 1, {"ïs", "ïs", "ït"}), 43, {"ïs"});

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
