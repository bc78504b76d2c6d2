#include "modeles.hpp"
#include "plan.hpp"

namespace florimot {

namespace {

// clang-format off
constexpr TTerminaisons TermAillir = {
    "",
    "aille", "ailles", "aille", "aillons", "aillez", "aillent",  // présent
    "aillais", "aillais", "aillait", "aillions", "ailliez", "aillaient",  // imparfait
    "aillis", "aillis", "aillit", "aillîmes", "aillîtes", "aillirent",  // passé simple
    "aillirai", "ailliras", "aillira", "aillirons", "aillirez", "ailliront",  // futur
    "aille", "ailles", "aille", "aillions", "ailliez", "aillent",  // subj. présent
    "aillisse", "aillisses", "aillît", "aillissions", "aillissiez", "aillissent",  // subj. imparfait
    "aillirais", "aillirais", "aillirait", "aillirions", "ailliriez", "ailliraient",  // conditionnel
    "aille", "aillons", "aillez",  // impératif
    "ailli", "aillant"};  // participes passé, présent

// courir and its compounds: courus, courrai, courrais, courusse.
constexpr TTerminaisons TermOurir = {
    "",
    "rs", "rs", "rt", "rons", "rez", "rent",  // présent
    "rais", "rais", "rait", "rions", "riez", "raient",  // imparfait
    "rus", "rus", "rut", "rûmes", "rûtes", "rurent",  // passé simple
    "rrai", "rras", "rra", "rrons", "rrez", "rront",  // futur
    "re", "res", "re", "rions", "riez", "rent",  // subj. présent
    "russe", "russes", "rût", "russions", "russiez", "russent",  // subj. imparfait
    "rrais", "rrais", "rrait", "rrions", "rriez", "rraient",  // conditionnel
    "rs", "rons", "rez",  // impératif
    "ru", "rant"};  // participes passé, présent

// The same endings on the stem "m", with "eu" where the stress falls: meurs, meurent.
constexpr TTerminaisons TermMourir = {
    "",
    "eurs", "eurs", "eurt", "ourons", "ourez", "eurent",  // présent
    "ourais", "ourais", "ourait", "ourions", "ouriez", "ouraient",  // imparfait
    "ourus", "ourus", "ourut", "ourûmes", "ourûtes", "oururent",  // passé simple
    "ourrai", "ourras", "ourra", "ourrons", "ourrez", "ourront",  // futur
    "eure", "eures", "eure", "ourions", "ouriez", "eurent",  // subj. présent
    "ourusse", "ourusses", "ourût", "ourussions", "ourussiez", "ourussent",  // subj. imparfait
    "ourrais", "ourrais", "ourrait", "ourrions", "ourriez", "ourraient",  // conditionnel
    "eurs", "ourons", "ourez",  // impératif
    "ort", "ourant"};  // participes passé, présent

constexpr TTerminaisons TermOuir = {
    "",
    "ois", "ois", "oit", "oyons", "oyez", "oient",  // présent
    "oyais", "oyais", "oyait", "oyions", "oyiez", "oyaient",  // imparfait
    "ouïs", "ouïs", "ouït", "ouïmes", "ouïtes", "ouïrent",  // passé simple
    "ouïrai", "ouïras", "ouïra", "ouïrons", "ouïrez", "ouïront",  // futur
    "oie", "oies", "oie", "oyions", "oyiez", "oient",  // subj. présent
    "ouïsse", "ouïsses", "ouït", "ouïssions", "ouïssiez", "ouïssent",  // subj. imparfait
    "ouïrais", "ouïrais", "ouïrait", "ouïrions", "ouïriez", "ouïraient",  // conditionnel
    "ois", "oyons", "oyez",  // impératif
    "ouï", "oyant"};  // participes passé, présent

constexpr TTerminaisons TermAller = {
    "",
    "vais", "vas", "va", "allons", "allez", "vont",  // présent
    "allais", "allais", "allait", "allions", "alliez", "allaient",  // imparfait
    "allai", "allas", "alla", "allâmes", "allâtes", "allèrent",  // passé simple
    "irai", "iras", "ira", "irons", "irez", "iront",  // futur
    "aille", "ailles", "aille", "allions", "alliez", "aillent",  // subj. présent
    "allasse", "allasses", "allât", "allassions", "allassiez", "allassent",  // subj. imparfait
    "irais", "irais", "irait", "irions", "iriez", "iraient",  // conditionnel
    "va", "allons", "allez",  // impératif
    "allé", "allant"};  // participes passé, présent

// Only the présent and the imparfait are still in use: "il gît", "il gisait".
constexpr TTerminaisons TermGesir = {
    "",
    "gis", "gis", "gît", "gisons", "gisez", "gisent",  // présent
    "gisais", "gisais", "gisait", "gisions", "gisiez", "gisaient",  // imparfait
    NonUsite, NonUsite, NonUsite, NonUsite, NonUsite, NonUsite,  // passé simple
    NonUsite, NonUsite, NonUsite, NonUsite, NonUsite, NonUsite,  // futur
    NonUsite, NonUsite, NonUsite, NonUsite, NonUsite, NonUsite,  // subj. présent
    NonUsite, NonUsite, NonUsite, NonUsite, NonUsite, NonUsite,  // subj. imparfait
    NonUsite, NonUsite, NonUsite, NonUsite, NonUsite, NonUsite,  // conditionnel
    NonUsite, NonUsite, NonUsite,  // impératif
    NonUsite, "gisant"};  // participes passé, présent
// clang-format on

// faillir keeps the old singular of its présent (je faux) and has no
// impératif; défaillir goes like assaillir (je défaille, je défaillirai).
constexpr TTerminaisons TermFaillir = Avec(Avec(TermAillir, SlotPresent, {"aux", "aux", "aut"}),
                                           SlotImperatif, {Absent, Absent, Absent});

}  // namespace

FLORIMOT_MODELE(ModeleAillir) {
    return Troisieme(verbe, 6, verbe.Est("faillir") ? TermFaillir : TermAillir);
}

FLORIMOT_MODELE(ModeleOurir) {
    // mourir alone changes its stem (meurs, mourons, mort); its compound
    // tenses take être, which the template decides for it.
    if (verbe.Est("mourir")) return Plan("m", "m", TermMourir);
    return Troisieme(verbe, 3, TermOurir);
}

FLORIMOT_MODELE(ModeleGesir) {
    return Plan("", "", TermGesir);
}

FLORIMOT_MODELE(ModeleOuir) {
    return Plan("", "", TermOuir);
}

FLORIMOT_MODELE(ModeleAller) {
    return Plan("", "", TermAller);
}

}  // namespace florimot
