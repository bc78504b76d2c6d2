#include "modele.hpp"
#include "modeles.hpp"

namespace florimot {

namespace {

// clang-format off
constexpr TTerminaisons TermPleuvoir = {
    "",
    "-", "-", "pleut", "-", "-", "-",  // présent
    "-", "-", "pleuvait", "-", "-", "-",  // imparfait
    "-", "-", "plut", "-", "-", "-",  // passé simple
    "-", "-", "pleuvra", "-", "-", "-",  // futur
    "-", "-", "pleuve", "-", "-", "-",  // subj. présent
    "-", "-", "plût", "-", "-", "-",  // subj. imparfait
    "-", "-", "pleuvrait", "-", "-", "-",  // conditionnel
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

// A defective verb has a compound form exactly where it has the simple form
// of the same mode and person: "il a plu", but no "j'ai plu".
bool FormeExiste(const TTerminaisons& T, std::uint8_t CodeTemps, std::uint8_t DecalageMode,
                 int Personne) {
    // The conditionnel passé 2e forme stands on the subjonctif imparfait.
    if (CodeTemps == 15) return !EstMarqueur(T[Slot(1, ModeSubjonctif, Personne)]);
    return !EstMarqueur(T[Slot(CodeTemps, DecalageMode, Personne)]);
}

std::string Defectif(const TVerbe& verbe, std::uint8_t n, const TTerminaisons& T,
                     std::uint8_t CodeTemps, std::uint8_t DecalageMode, int Personne) {
    if (!FormeExiste(T, CodeTemps, DecalageMode, Personne)) return std::string(Absent);
    return AppliqueTroisieme(verbe, n, T, CodeTemps, DecalageMode, Personne);
}

// Only seoir itself has the second sense that gives "seyant".
constexpr TTerminaisons TermMesseoir = Avec(TermSeoir, Slot(0, ModeParticipe, 0), {"séant"});

}  // namespace

FLORIMOT_MODELE(ModelePleuvoir) {
    return Defectif(verbe, 8, TermPleuvoir, CodeTemps, DecalageMode, Personne);
}

FLORIMOT_MODELE(ModeleFalloir) {
    return Defectif(verbe, 7, TermFalloir, CodeTemps, DecalageMode, Personne);
}

FLORIMOT_MODELE(ModeleSeoir) {
    // "Il sied" has no participle to build a compound tense on.
    if (EstCompose(CodeTemps)) return std::string(Absent);
    const TTerminaisons& T = verbe.Est("seoir") ? TermSeoir : TermMesseoir;
    return FormeSimple(Radical(verbe, 5), T[Slot(CodeTemps, DecalageMode, Personne)]);
}

FLORIMOT_MODELE(ModeleEchoir) {
    // déchoir ends like échoir but has every person of choir: je déchois.
    if (verbe.TerminePar("déchoir")) return ModeleChoir(verbe, CodeTemps, DecalageMode, Personne);
    return Defectif(verbe, 3, TermEchoir, CodeTemps, DecalageMode, Personne);
}

}  // namespace florimot
