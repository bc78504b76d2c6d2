#include <initializer_list>

#include "modeles.hpp"
#include "plan.hpp"

namespace florimot {

namespace {

constexpr TTerminaisons TermBattre = {
    "",       "ts",      "ts",     "t",         "ttons",    "ttez",     "ttent",  // présent
    "ttais",  "ttais",   "ttait",  "ttions",    "ttiez",    "ttaient",            // imparfait
    "ttis",   "ttis",    "ttit",   "ttîmes",    "ttîtes",   "ttirent",            // passé simple
    "ttrai",  "ttras",   "ttra",   "ttrons",    "ttrez",    "ttront",             // futur
    "tte",    "ttes",    "tte",    "ttions",    "ttiez",    "ttent",              // subj. présent
    "ttisse", "ttisses", "ttît",   "ttissions", "ttissiez", "ttissent",           // subj. imparfait
    "ttrais", "ttrais",  "ttrait", "ttrions",   "ttriez",   "ttraient",           // conditionnel
    "ts",     "ttons",   "ttez",                                                  // impératif
    "ttu",    "ttant"};  // participes passé, présent

constexpr TTerminaisons TermMettre = {
    "",        "ets",     "ets",     "et",       "ettons",  "ettez",     "ettent",  // présent
    "ettais",  "ettais",  "ettait",  "ettions",  "ettiez",  "ettaient",             // imparfait
    "is",      "is",      "it",      "îmes",     "îtes",    "irent",                // passé simple
    "ettrai",  "ettras",  "ettra",   "ettrons",  "ettrez",  "ettront",              // futur
    "ette",    "ettes",   "ette",    "ettions",  "ettiez",  "ettent",     // subj. présent
    "isse",    "isses",   "ît",      "issions",  "issiez",  "issent",     // subj. imparfait
    "ettrais", "ettrais", "ettrait", "ettrions", "ettriez", "ettraient",  // conditionnel
    "ets",     "ettons",  "ettez",                                        // impératif
    "is",      "ettant"};  // participes passé, présent

// foutre and contrefoutre: no passé simple, no subjonctif imparfait.
constexpr TTerminaisons TermFoutre = {
    "",      "s",     "s",     "t",      "tons",  "tez",     "tent",  // présent
    "tais",  "tais",  "tait",  "tions",  "tiez",  "taient",           // imparfait
    "-",     "-",     "-",     "-",      "-",     "-",                // passé simple
    "trai",  "tras",  "tra",   "trons",  "trez",  "tront",            // futur
    "te",    "tes",   "te",    "tions",  "tiez",  "tent",             // subj. présent
    "-",     "-",     "-",     "-",      "-",     "-",                // subj. imparfait
    "trais", "trais", "trait", "trions", "triez", "traient",          // conditionnel
    "s",     "tons",  "tez",                                          // impératif
    "tu",    "tant"};                                                 // participes passé, présent

constexpr TTerminaisons TermFaire = {
    "",       "ais",    "ais",    "ait",     "aisons", "aites",    "ont",  // présent
    "aisais", "aisais", "aisait", "aisions", "aisiez", "aisaient",         // imparfait
    "is",     "is",     "it",     "îmes",    "îtes",   "irent",            // passé simple
    "erai",   "eras",   "era",    "erons",   "erez",   "eront",            // futur
    "asse",   "asses",  "asse",   "assions", "assiez", "assent",           // subj. présent
    "isse",   "isses",  "ît",     "issions", "issiez", "issent",           // subj. imparfait
    "erais",  "erais",  "erait",  "erions",  "eriez",  "eraient",          // conditionnel
    "ais",    "aisons", "aites",                                           // impératif
    "ait",    "aisant"};  // participes passé, présent

constexpr TTerminaisons TermTraire = {
    "",       "ais",    "ais",    "ait",     "ayons",  "ayez",     "aient",  // présent
    "ayais",  "ayais",  "ayait",  "ayions",  "ayiez",  "ayaient",            // imparfait
    "-",      "-",      "-",      "-",       "-",      "-",                  // passé simple
    "airai",  "airas",  "aira",   "airons",  "airez",  "airont",             // futur
    "aie",    "aies",   "aie",    "ayions",  "ayiez",  "aient",              // subj. présent
    "-",      "-",      "-",      "-",       "-",      "-",                  // subj. imparfait
    "airais", "airais", "airait", "airions", "airiez", "airaient",           // conditionnel
    "ais",    "ayons",  "ayez",                                              // impératif
    "ait",    "ayant"};  // participes passé, présent

constexpr TTerminaisons TermCre = {
    "",       "cs",      "cs",    "c",         "quons",    "quez",     "quent",  // présent
    "quais",  "quais",   "quait", "quions",    "quiez",    "quaient",            // imparfait
    "quis",   "quis",    "quit",  "quîmes",    "quîtes",   "quirent",            // passé simple
    "crai",   "cras",    "cra",   "crons",     "crez",     "cront",              // futur
    "que",    "ques",    "que",   "quions",    "quiez",    "quent",              // subj. présent
    "quisse", "quisses", "quît",  "quissions", "quissiez", "quissent",           // subj. imparfait
    "crais",  "crais",   "crait", "crions",    "criez",    "craient",            // conditionnel
    "cs",     "quons",   "quez",                                                 // impératif
    "cu",     "quant"};  // participes passé, présent

constexpr TTerminaisons TermPlaire = {
    "",       "ais",    "ais",    "ait",     "aisons", "aisez",    "aisent",  // présent
    "aisais", "aisais", "aisait", "aisions", "aisiez", "aisaient",            // imparfait
    "us",     "us",     "ut",     "ûmes",    "ûtes",   "urent",               // passé simple
    "airai",  "airas",  "aira",   "airons",  "airez",  "airont",              // futur
    "aise",   "aises",  "aise",   "aisions", "aisiez", "aisent",              // subj. présent
    "usse",   "usses",  "ût",     "ussions", "ussiez", "ussent",              // subj. imparfait
    "airais", "airais", "airait", "airions", "airiez", "airaient",            // conditionnel
    "ais",    "aisons", "aisez",                                              // impératif
    "u",      "aisant"};  // participes passé, présent

// plaire, déplaire, complaire: il plaît, with the circumflex of il paraît;
// taire has none (il tait).
constexpr TTerminaisons TermPlait = Avec(TermPlaire, Slot(CodePresent, ModeIndicatif, 3), {"aît"});

constexpr TTerminaisons TermAitre = {
    "",        "ais",     "ais",     "aît",      "aissons", "aissez",    "aissent",  // présent
    "aissais", "aissais", "aissait", "aissions", "aissiez", "aissaient",             // imparfait
    "us",      "us",      "ut",      "ûmes",     "ûtes",    "urent",      // passé simple
    "aîtrai",  "aîtras",  "aîtra",   "aîtrons",  "aîtrez",  "aîtront",    // futur
    "aisse",   "aisses",  "aisse",   "aissions", "aissiez", "aissent",    // subj. présent
    "usse",    "usses",   "ût",      "ussions",  "ussiez",  "ussent",     // subj. imparfait
    "aîtrais", "aîtrais", "aîtrait", "aîtrions", "aîtriez", "aîtraient",  // conditionnel
    "ais",     "aissons", "aissez",                                       // impératif
    "u",       "aissant"};  // participes passé, présent

constexpr TTerminaisons TermNaitre =
    Avec(Avec(Avec(TermAitre, SlotPasseSimple,
                   {"aquis", "aquis", "aquit", "aquîmes", "aquîtes", "aquirent"}),
              SlotSubjImparfait,
              {"aquisse", "aquisses", "aquît", "aquissions", "aquissiez", "aquissent"}),
         SlotParticipePasse, {"é"});

// renaître has no past participle, hence no compound tenses.
constexpr TTerminaisons TermRenaitre = Avec(TermNaitre, SlotParticipePasse, {Absent});

// paître lacks the passé simple, the subjonctif imparfait and the past
// participle, so every compound tense too.
constexpr TTerminaisons TermPaitre =
    Avec(Avec(Avec(TermAitre, SlotPasseSimple, {Absent, Absent, Absent, Absent, Absent, Absent}),
              SlotSubjImparfait, {Absent, Absent, Absent, Absent, Absent, Absent}),
         SlotParticipePasse, {Absent});

// croître alone keeps the circumflexes that tell it from croire (je croîs,
// je crûs, crû); accroître, décroître and the rest write them only where
// paraître does.
constexpr TTerminaisons TermCroitre = {
    "",        "oîs",     "oîs",     "oît",      "oissons", "oissez",    "oissent",  // présent
    "oissais", "oissais", "oissait", "oissions", "oissiez", "oissaient",             // imparfait
    "ûs",      "ûs",      "ût",      "ûmes",     "ûtes",    "ûrent",      // passé simple
    "oîtrai",  "oîtras",  "oîtra",   "oîtrons",  "oîtrez",  "oîtront",    // futur
    "oisse",   "oisses",  "oisse",   "oissions", "oissiez", "oissent",    // subj. présent
    "ûsse",    "ûsses",   "ût",      "ûssions",  "ûssiez",  "ûssent",     // subj. imparfait
    "oîtrais", "oîtrais", "oîtrait", "oîtrions", "oîtriez", "oîtraient",  // conditionnel
    "oîs",     "oissons", "oissez",                                       // impératif
    "û",       "oissant"};  // participes passé, présent

constexpr TTerminaisons TermAccroitre = {
    "",        "ois",     "ois",     "oît",      "oissons", "oissez",    "oissent",  // présent
    "oissais", "oissais", "oissait", "oissions", "oissiez", "oissaient",             // imparfait
    "us",      "us",      "ut",      "ûmes",     "ûtes",    "urent",      // passé simple
    "oîtrai",  "oîtras",  "oîtra",   "oîtrons",  "oîtrez",  "oîtront",    // futur
    "oisse",   "oisses",  "oisse",   "oissions", "oissiez", "oissent",    // subj. présent
    "usse",    "usses",   "ût",      "ussions",  "ussiez",  "ussent",     // subj. imparfait
    "oîtrais", "oîtrais", "oîtrait", "oîtrions", "oîtriez", "oîtraient",  // conditionnel
    "ois",     "oissons", "oissez",                                       // impératif
    "u",       "oissant"};  // participes passé, présent

// recroître conjugates like accroître but keeps the circumflex of its
// participle: recrû.
constexpr TTerminaisons TermRecroitre = Avec(TermAccroitre, SlotParticipePasse, {"û"});

}  // namespace

FLORIMOT_MODELE(ModeleBattre) {
    return Troisieme(verbe, 4, TermBattre);
}

FLORIMOT_MODELE(ModeleMettre) {
    return Troisieme(verbe, 5, TermMettre);
}

FLORIMOT_MODELE(ModeleFoutre) {
    return Troisieme(verbe, 3, TermFoutre);
}

FLORIMOT_MODELE(ModeleFaire) {
    return Troisieme(verbe, 4, TermFaire);
}

// traire, braire, raire: no passé simple nor subjonctif imparfait, but the
// compound tenses are all there.
FLORIMOT_MODELE(ModeleTraire) {
    return Troisieme(verbe, 4, TermTraire);
}

FLORIMOT_MODELE(ModeleCre) {
    return Troisieme(verbe, 3, TermCre);
}

FLORIMOT_MODELE(ModelePlaire) {
    return Troisieme(verbe, 4, verbe.TerminePar("plaire") ? TermPlait : TermPlaire);
}

// naître takes être (je suis né, nous sommes nés): the template knows it.
FLORIMOT_MODELE(ModeleNaitre) {
    const TTerminaisons& T =
        verbe.Est("renaître") || verbe.Est("renaitre") ? TermRenaitre : TermNaitre;
    return Troisieme(verbe, 5, T);
}

FLORIMOT_MODELE(ModeleRepaitre) {
    return Troisieme(verbe, 5, TermAitre);
}

FLORIMOT_MODELE(ModelePaitre) {
    return Troisieme(verbe, 5, TermPaitre);
}

FLORIMOT_MODELE(ModeleAitre) {
    return Troisieme(verbe, 5, TermAitre);
}

FLORIMOT_MODELE(ModeleOitre) {
    const TTerminaisons& T = verbe.Est("croître") || verbe.Est("croitre")       ? TermCroitre
                             : verbe.Est("recroître") || verbe.Est("recroitre") ? TermRecroitre
                                                                                : TermAccroitre;
    return Troisieme(verbe, 5, T);
}

}  // namespace florimot
