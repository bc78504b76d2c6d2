#include "modele.hpp"

namespace florimot {

namespace {

// Whole forms of the two auxiliaries, slot for slot like a model's endings.
constexpr TTerminaisons FormesAvoir = {
    "",        "ai",     "as",       "a",       "avons",   "avez",   "ont",    "avais",
    "avais",   "avait",  "avions",   "aviez",   "avaient", "eus",    "eus",    "eut",
    "eûmes",   "eûtes",  "eurent",   "aurai",   "auras",   "aura",   "aurons", "aurez",
    "auront",  "aie",    "aies",     "ait",     "ayons",   "ayez",   "aient",  "eusse",
    "eusses",  "eût",    "eussions", "eussiez", "eussent", "aurais", "aurais", "aurait",
    "aurions", "auriez", "auraient", "aie",     "ayons",   "ayez",   "eu",     "ayant"};
constexpr TTerminaisons FormesEtre = {
    "",        "suis",   "es",       "est",     "sommes",  "êtes",   "sont",   "étais",
    "étais",   "était",  "étions",   "étiez",   "étaient", "fus",    "fus",    "fut",
    "fûmes",   "fûtes",  "furent",   "serai",   "seras",   "sera",   "serons", "serez",
    "seront",  "sois",   "sois",     "soit",    "soyons",  "soyez",  "soient", "fusse",
    "fusses",  "fût",    "fussions", "fussiez", "fussent", "serais", "serais", "serait",
    "serions", "seriez", "seraient", "sois",    "soyons",  "soyez",  "été",    "étant"};

}  // namespace

std::string_view FormeAuxiliaire(bool etre, std::uint8_t CodeTemps, std::uint8_t DecalageMode,
                                 int Personne) {
    return (etre ? FormesEtre : FormesAvoir)[Slot(CodeTemps, DecalageMode, Personne)];
}

std::string ConjugueAuxiliaire(const TVerbe&, std::uint8_t kind, std::uint8_t CodeTemps,
                               std::uint8_t DecalageMode, int Personne) {
    if (kind > 1) return {};
    const std::string_view participe = (kind == 0 ? FormesAvoir : FormesEtre)[SlotParticipePasse];
    // Both auxiliaries build their own compound tenses with avoir; the
    // conditionnel passé 2e forme takes its subjonctif imparfait.
    std::string_view forme;
    if (CodeTemps == 15)
        forme = FormeAuxiliaire(false, 1, ModeSubjonctif, Personne);
    else if (EstCompose(CodeTemps))
        forme = FormeAuxiliaire(false, CodeTemps % 10, DecalageMode, Personne);
    else
        return std::string(FormeAuxiliaire(kind == 1, CodeTemps, DecalageMode, Personne));
    std::string resultat;
    resultat.reserve(forme.size() + 1 + participe.size());
    resultat += forme;
    resultat += SeparateurAuxiliaire;
    resultat += participe;
    return resultat;
}

}  // namespace florimot
