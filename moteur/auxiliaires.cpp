#include "modele.hpp"

namespace florimot {

namespace {

constexpr TTerminaisons TableAvoir = {
    "",        "ai",     "as",       "a",       "avons",   "avez",   "ont",    "avais",
    "avais",   "avait",  "avions",   "aviez",   "avaient", "eus",    "eus",    "eut",
    "eûmes",   "eûtes",  "eurent",   "aurai",   "auras",   "aura",   "aurons", "aurez",
    "auront",  "aie",    "aies",     "ait",     "ayons",   "ayez",   "aient",  "eusse",
    "eusses",  "eût",    "eussions", "eussiez", "eussent", "aurais", "aurais", "aurait",
    "aurions", "auriez", "auraient", "aie",     "ayons",   "ayez",   "eu",     "ayant"};
constexpr TTerminaisons TableEtre = {
    "",        "suis",   "es",       "est",     "sommes",  "êtes",   "sont",   "étais",
    "étais",   "était",  "étions",   "étiez",   "étaient", "fus",    "fus",    "fut",
    "fûmes",   "fûtes",  "furent",   "serai",   "seras",   "sera",   "serons", "serez",
    "seront",  "sois",   "sois",     "soit",    "soyons",  "soyez",  "soient", "fusse",
    "fusses",  "fût",    "fussions", "fussiez", "fussent", "serais", "serais", "serait",
    "serions", "seriez", "seraient", "sois",    "soyons",  "soyez",  "été",    "étant"};

}  // namespace

std::string_view FormeAuxiliaire(bool etre, std::uint8_t CodeTemps, std::uint8_t DecalageMode,
                                 int Personne) {
    return (etre ? TableEtre : TableAvoir)[Slot(CodeTemps, DecalageMode, Personne)];
}

const TTerminaisons& FormesAvoir() {
    return TableAvoir;
}

const TTerminaisons& FormesEtre() {
    return TableEtre;
}

}  // namespace florimot
