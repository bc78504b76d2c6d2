#include <string_view>

#include "modeles.hpp"
#include "plan.hpp"
#include "terminaisons.hpp"

namespace florimot {

namespace {

// participes passé, présent

constexpr TTerminaisons TermBoire = {
    "",       "ois",    "ois",    "oit",     "uvons",  "uvez",     "oivent",  // présent
    "uvais",  "uvais",  "uvait",  "uvions",  "uviez",  "uvaient",             // imparfait
    "us",     "us",     "ut",     "ûmes",    "ûtes",   "urent",               // passé simple
    "oirai",  "oiras",  "oira",   "oirons",  "oirez",  "oiront",              // futur
    "oive",   "oives",  "oive",   "uvions",  "uviez",  "oivent",              // subj. présent
    "usse",   "usses",  "ût",     "ussions", "ussiez", "ussent",              // subj. imparfait
    "oirais", "oirais", "oirait", "oirions", "oiriez", "oiraient",            // conditionnel
    "ois",    "uvons",  "uvez",                                               // impératif
    "u",      "uvant"};  // participes passé, présent

constexpr TTerminaisons TermClore = {
    "",      "os",    "os",    "ôt",     "-",     "-",       "osent",  // présent
    "-",     "-",     "-",     "-",      "-",     "-",                 // imparfait
    "-",     "-",     "-",     "-",      "-",     "-",                 // passé simple
    "orai",  "oras",  "ora",   "orons",  "orez",  "oront",             // futur
    "ose",   "oses",  "ose",   "osions", "osiez", "osent",             // subj. présent
    "-",     "-",     "-",     "-",      "-",     "-",                 // subj. imparfait
    "orais", "orais", "orait", "orions", "oriez", "oraient",           // conditionnel
    "os",    "-",     "-",                                             // impératif
    "os",    "osant"};  // participes passé, présent

constexpr TTerminaisons TermClure = {
    "",      "us",    "us",    "ut",      "uons",   "uez",     "uent",  // présent
    "uais",  "uais",  "uait",  "uions",   "uiez",   "uaient",           // imparfait
    "us",    "us",    "ut",    "ûmes",    "ûtes",   "urent",            // passé simple
    "urai",  "uras",  "ura",   "urons",   "urez",   "uront",            // futur
    "ue",    "ues",   "ue",    "uions",   "uiez",   "uent",             // subj. présent
    "usse",  "usses", "ût",    "ussions", "ussiez", "ussent",           // subj. imparfait
    "urais", "urais", "urait", "urions",  "uriez",  "uraient",          // conditionnel
    "us",    "uons",  "uez",                                            // impératif
    "u",     "uant"};  // participes passé, présent

constexpr TTerminaisons TermSuivre = {
    "",      "s",      "s",     "t",        "vons",    "vez",     "vent",  // présent
    "vais",  "vais",   "vait",  "vions",    "viez",    "vaient",           // imparfait
    "vis",   "vis",    "vit",   "vîmes",    "vîtes",   "virent",           // passé simple
    "vrai",  "vras",   "vra",   "vrons",    "vrez",    "vront",            // futur
    "ve",    "ves",    "ve",    "vions",    "viez",    "vent",             // subj. présent
    "visse", "visses", "vît",   "vissions", "vissiez", "vissent",          // subj. imparfait
    "vrais", "vrais",  "vrait", "vrions",   "vriez",   "vraient",          // conditionnel
    "s",     "vons",   "vez",                                              // impératif
    "vi",    "vant"};  // participes passé, présent

constexpr TTerminaisons TermVivre = {
    "",       "is",      "is",     "it",        "ivons",    "ivez",     "ivent",  // présent
    "ivais",  "ivais",   "ivait",  "ivions",    "iviez",    "ivaient",            // imparfait
    "écus",   "écus",    "écut",   "écûmes",    "écûtes",   "écurent",            // passé simple
    "ivrai",  "ivras",   "ivra",   "ivrons",    "ivrez",    "ivront",             // futur
    "ive",    "ives",    "ive",    "ivions",    "iviez",    "ivent",              // subj. présent
    "écusse", "écusses", "écût",   "écussions", "écussiez", "écussent",           // subj. imparfait
    "ivrais", "ivrais",  "ivrait", "ivrions",   "ivriez",   "ivraient",           // conditionnel
    "is",     "ivons",   "ivez",                                                  // impératif
    "écu",    "ivant"};  // participes passé, présent

// inclure, occlure and reclure end their participle in s (inclus);
// conclure and exclure do not (conclu, exclu).
constexpr TTerminaisons TermInclure = Avec(TermClure, SlotParticipePasse, {"us"});

bool ParticipeEnUs(const TVerbe& verbe) {
    return verbe.Est("inclure") || verbe.Est("occlure") || verbe.Est("reclure");
}

}  // namespace

FLORIMOT_MODELE(ModeleCroire) {
    return Troisieme(verbe, 4, TermOi);
}

FLORIMOT_MODELE(ModeleBoire) {
    return Troisieme(verbe, 4, TermBoire);
}

// Defective in its simple forms, complete in its compound ones; éclore takes
// être (ils sont éclos) through the template.
FLORIMOT_MODELE(ModeleClore) {
    return Troisieme(verbe, 3, TermClore);
}

FLORIMOT_MODELE(ModeleClure) {
    const TTerminaisons& T = ParticipeEnUs(verbe) ? TermInclure : TermClure;
    return Troisieme(verbe, 3, T);
}

FLORIMOT_MODELE(ModeleSuivre) {
    return Troisieme(verbe, 3, TermSuivre);
}

FLORIMOT_MODELE(ModeleVivre) {
    return Troisieme(verbe, 4, TermVivre);
}

}  // namespace florimot
