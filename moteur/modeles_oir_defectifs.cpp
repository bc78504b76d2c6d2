#include "modeles.hpp"
#include "plan.hpp"

namespace florimot {

namespace {

// clang-format off
// The plural is figurative: "les coups pleuvent".
constexpr TTerminaisons TermPleuvoir = {
    "",
    "-", "-", "pleut", "-", "-", "pleuvent",  // présent
    "-", "-", "pleuvait", "-", "-", "pleuvaient",  // imparfait
    "-", "-", "plut", "-", "-", "plurent",  // passé simple
    "-", "-", "pleuvra", "-", "-", "pleuvront",  // futur
    "-", "-", "pleuve", "-", "-", "pleuvent",  // subj. présent
    "-", "-", "plût", "-", "-", "plussent",  // subj. imparfait
    "-", "-", "pleuvrait", "-", "-", "pleuvraient",  // conditionnel
    "-", "-", "-",  // impératif
    "plu", "pleuvant"};  // participes passé, présent

constexpr TTerminaisons TermFalloir = {
    "",
    "-", "-", "faut", "-", "-", "-",  // présent
    "-", "-", "fallait", "-", "-", "-",  // imparfait
    "-", "-", "fallut", "-", "-", "-",  // passé simple
    "-", "-", "faudra", "-", "-", "-",  // futur
    "-", "-", "faille", "-", "-", "-",  // subj. présent
    "-", "-", "fallût", "-", "-", "-",  // subj. imparfait
    "-", "-", "faudrait", "-", "-", "-",  // conditionnel
    "-", "-", "-",  // impératif
    "fallu", "-"};  // participes passé, présent

constexpr TTerminaisons TermSeoir = {
    "",
    "-", "-", "sied", "-", "-", "siéent",  // présent
    "-", "-", "seyait", "-", "-", "seyaient",  // imparfait
    "-", "-", "-", "-", "-", "-",  // passé simple
    "-", "-", "siéra", "-", "-", "siéront",  // futur
    "-", "-", "siée", "-", "-", "siéent",  // subj. présent
    "-", "-", "-", "-", "-", "-",  // subj. imparfait
    "-", "-", "siérait", "-", "-", "siéraient",  // conditionnel
    "-", "-", "-",  // impératif
    "-", "séant/seyant"};  // participes passé, présent

constexpr TTerminaisons TermEchoir = {
    "",
    "-", "-", "oit", "-", "-", "oient",  // présent
    "-", "-", "oyait", "-", "-", "oyaient",  // imparfait
    "-", "-", "ut", "-", "-", "urent",  // passé simple
    "-", "-", "oira", "-", "-", "oiront",  // futur
    "-", "-", "oie", "-", "-", "oient",  // subj. présent
    "-", "-", "ût", "-", "-", "ussent",  // subj. imparfait
    "-", "-", "oirait", "-", "-", "oiraient",  // conditionnel
    "-", "-", "-",  // impératif
    "u", "éant"};  // participes passé, présent
// clang-format on

// apparoir lives on in "il appert" alone: no other form is built.
constexpr TTerminaisons TermApparoir = [] {
    TTerminaisons t;
    t.fill(Absent);
    t[Slot(0, ModeIndicatif, 3)] = "ert";
    return t;
}();

TPlan Defectif(const TVerbe& verbe, std::uint8_t n, const TTerminaisons& T) {
    TPlan plan = Troisieme(verbe, n, T);
    plan.Composes = TComposes::SelonSimples;
    return plan;
}

// Only seoir itself has the second sense that gives "seyant".
constexpr TTerminaisons TermMesseoir = Avec(TermSeoir, Slot(0, ModeParticipe, 0), {"séant"});

}  // namespace

FLORIMOT_MODELE(ModelePleuvoir) {
    return Defectif(verbe, 8, TermPleuvoir);
}

FLORIMOT_MODELE(ModeleFalloir) {
    return Defectif(verbe, 7, TermFalloir);
}

FLORIMOT_MODELE(ModeleSeoir) {
    const TTerminaisons& T = verbe.Est("seoir") ? TermSeoir : TermMesseoir;
    TPlan plan = Troisieme(verbe, 5, T);
    // "Il sied" has no participle to build a compound tense on.
    plan.Composes = TComposes::Aucun;
    return plan;
}

FLORIMOT_MODELE(ModeleApparoir) {
    return Troisieme(verbe, 5, TermApparoir);
}

FLORIMOT_MODELE(ModeleEchoir) {
    // déchoir ends like échoir but has every person of choir: je déchois.
    if (verbe.TerminePar("déchoir")) return ModeleChoir(verbe);
    return Defectif(verbe, 3, TermEchoir);
}

}  // namespace florimot
