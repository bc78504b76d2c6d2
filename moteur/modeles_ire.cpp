#include <initializer_list>
#include <string_view>

#include "modeles.hpp"
#include "plan.hpp"
#include "terminaisons.hpp"

namespace florimot {

namespace {

constexpr TTerminaisons TermLire = {
    "",      "is",    "is",    "it",      "isons",  "isez",    "isent",  // présent
    "isais", "isais", "isait", "isions",  "isiez",  "isaient",           // imparfait
    "us",    "us",    "ut",    "ûmes",    "ûtes",   "urent",             // passé simple
    "irai",  "iras",  "ira",   "irons",   "irez",   "iront",             // futur
    "ise",   "ises",  "ise",   "isions",  "isiez",  "isent",             // subj. présent
    "usse",  "usses", "ût",    "ussions", "ussiez", "ussent",            // subj. imparfait
    "irais", "irais", "irait", "irions",  "iriez",  "iraient",           // conditionnel
    "is",    "isons", "isez",                                            // impératif
    "u",     "isant"};  // participes passé, présent

constexpr TTerminaisons TermDire = {
    "",      "is",    "is",    "it",      "isons",  "ites",    "isent",  // présent
    "isais", "isais", "isait", "isions",  "isiez",  "isaient",           // imparfait
    "is",    "is",    "it",    "îmes",    "îtes",   "irent",             // passé simple
    "irai",  "iras",  "ira",   "irons",   "irez",   "iront",             // futur
    "ise",   "ises",  "ise",   "isions",  "isiez",  "isent",             // subj. présent
    "isse",  "isses", "ît",    "issions", "issiez", "issent",            // subj. imparfait
    "irais", "irais", "irait", "irions",  "iriez",  "iraient",           // conditionnel
    "is",    "isons", "ites",                                            // impératif
    "it",    "isant"};  // participes passé, présent

// maudire goes like finir, but for its participle: maudit.
constexpr TTerminaisons TermMaudire = Avec(TermDeuxieme, SlotParticipePasse, {"it"});

constexpr TTerminaisons TermEcrire = {
    "",       "is",      "is",    "it",        "ivons",    "ivez",     "ivent",  // présent
    "ivais",  "ivais",   "ivait", "ivions",    "iviez",    "ivaient",            // imparfait
    "ivis",   "ivis",    "ivit",  "ivîmes",    "ivîtes",   "ivirent",            // passé simple
    "irai",   "iras",    "ira",   "irons",     "irez",     "iront",              // futur
    "ive",    "ives",    "ive",   "ivions",    "iviez",    "ivent",              // subj. présent
    "ivisse", "ivisses", "ivît",  "ivissions", "ivissiez", "ivissent",           // subj. imparfait
    "irais",  "irais",   "irait", "irions",    "iriez",    "iraient",            // conditionnel
    "is",     "ivons",   "ivez",                                                 // impératif
    "it",     "ivant"};  // participes passé, présent

constexpr TTerminaisons TermRire = {
    "",      "is",    "is",    "it",      "ions",   "iez",     "ient",  // présent
    "iais",  "iais",  "iait",  "iions",   "iiez",   "iaient",           // imparfait
    "is",    "is",    "it",    "îmes",    "îtes",   "irent",            // passé simple
    "irai",  "iras",  "ira",   "irons",   "irez",   "iront",            // futur
    "ie",    "ies",   "ie",    "iions",   "iiez",   "ient",             // subj. présent
    "isse",  "isses", "ît",    "issions", "issiez", "issent",           // subj. imparfait
    "irais", "irais", "irait", "irions",  "iriez",  "iraient",          // conditionnel
    "is",    "ions",  "iez",                                            // impératif
    "i",     "iant"};  // participes passé, présent

constexpr TTerminaisons TermUire = {
    "",       "is",      "is",    "it",        "isons",    "isez",     "isent",  // présent
    "isais",  "isais",   "isait", "isions",    "isiez",    "isaient",            // imparfait
    "isis",   "isis",    "isit",  "isîmes",    "isîtes",   "isirent",            // passé simple
    "irai",   "iras",    "ira",   "irons",     "irez",     "iront",              // futur
    "ise",    "ises",    "ise",   "isions",    "isiez",    "isent",              // subj. présent
    "isisse", "isisses", "isît",  "isissions", "isissiez", "isissent",           // subj. imparfait
    "irais",  "irais",   "irait", "irions",    "iriez",    "iraient",            // conditionnel
    "is",     "isons",   "isez",                                                 // impératif
    "it",     "isant"};  // participes passé, présent

constexpr TTerminaisons TermIre = {
    "",      "is",    "is",    "it",      "isons",  "isez",    "isent",  // présent
    "isais", "isais", "isait", "isions",  "isiez",  "isaient",           // imparfait
    "is",    "is",    "it",    "îmes",    "îtes",   "irent",             // passé simple
    "irai",  "iras",  "ira",   "irons",   "irez",   "iront",             // futur
    "ise",   "ises",  "ise",   "isions",  "isiez",  "isent",             // subj. présent
    "isse",  "isses", "ît",    "issions", "issiez", "issent",            // subj. imparfait
    "irais", "irais", "irait", "irions",  "iriez",  "iraient",           // conditionnel
    "is",    "isons", "isez",                                            // impératif
    "it",    "isant"};  // participes passé, présent

// The endings premier..dernier of t made lacking.
constexpr TTerminaisons Sans(TTerminaisons t, int premier, int dernier) {
    for (int i = premier; i <= dernier; ++i) t[i] = Absent;
    return t;
}

// luire and reluire: je luis, qu'il luît, lui.
constexpr TTerminaisons TermLuire =
    Avec(Avec(Avec(TermUire, SlotPasseSimple, {"is", "is", "it", "îmes", "îtes", "irent"}),
              SlotSubjImparfait, {"isse", "isses", "ît", "issions", "issiez", "issent"}),
         SlotParticipePasse, {"i"});

// nuire keeps je nuisis, qu'il nuisît, but its participle is nui.
constexpr TTerminaisons TermNuire = Avec(TermUire, SlotParticipePasse, {"i"});

// bruire is defective and builds on "bruiss-" (nous bruissons, il bruissait,
// bruissant), never "bruis-"; it has no passé simple, no subjonctif imparfait
// and no impératif.
constexpr TTerminaisons TermBruire =
    Avec(Avec(Avec(Avec(Avec(Avec(TermUire, Slot(CodePresent, ModeIndicatif, 4),
                                  {"issons", "issez", "issent"}),
                             SlotImparfait,
                             {"issais", "issais", "issait", "issions", "issiez", "issaient"}),
                        SlotPasseSimple, {"-", "-", "-", "-", "-", "-"}),
                   SlotSubjPresent, {"isse", "isses", "isse", "issions", "issiez", "issent"}),
              SlotSubjImparfait, {"-", "-", "-", "-", "-", "-"}),
         SlotImperatif, {"-", "-", "-", "it", "issant"});

constexpr TTerminaisons TermSuffire = Avec(TermIre, SlotParticipePasse, {"i"});
// circoncis, occis.
constexpr TTerminaisons TermCirconcire = Avec(TermIre, SlotParticipePasse, {"is"});

// frire has only je fris, tu fris, il frit, the futur, the conditionnel, the
// impératif fris and the participle frit.
constexpr TTerminaisons TermFrire =
    Sans(Sans(Sans(Sans(TermIre, Slot(CodePresent, ModeIndicatif, 4), SlotFutur - 1),
                   SlotSubjPresent, SlotConditionnel - 1),
              SlotImperatif + 1, SlotImperatif + 2),
         SlotParticipePresent, SlotParticipePresent);

}  // namespace

FLORIMOT_MODELE(ModeleLire) {
    return Troisieme(verbe, 3, TermLire);
}

// "vous dites" belongs to dire and redire alone: vous contredisez, vous
// interdisez, vous médisez, vous prédisez, like suffire's table.
FLORIMOT_MODELE(ModeleDire) {
    const TTerminaisons& T = verbe.Est("maudire")                       ? TermMaudire
                             : verbe.Est("dire") || verbe.Est("redire") ? TermDire
                                                                        : TermIre;
    return Troisieme(verbe, 3, T);
}

// Also the verbs in -scrire: inscrire, prescrire, souscrire.
FLORIMOT_MODELE(ModeleEcrire) {
    return Troisieme(verbe, 3, TermEcrire);
}

FLORIMOT_MODELE(ModeleRire) {
    return Troisieme(verbe, 3, TermRire);
}

FLORIMOT_MODELE(ModeleUire) {
    const TTerminaisons& T = verbe.TerminePar("luire")   ? TermLuire
                             : verbe.TerminePar("nuire") ? TermNuire
                             : verbe.Est("bruire")       ? TermBruire
                                                         : TermUire;
    return Troisieme(verbe, 3, T);
}

// Also frire, which the dispatch sends here rather than to rire.
FLORIMOT_MODELE(ModeleIre) {
    const TTerminaisons& T = verbe.TerminePar("frire")                        ? TermFrire
                             : verbe.Est("circoncire") || verbe.Est("occire") ? TermCirconcire
                             : verbe.Est("suffire")                           ? TermSuffire
                                                                              : TermIre;
    return Troisieme(verbe, 3, T);
}

}  // namespace florimot
