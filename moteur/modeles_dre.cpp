#include "modeles.hpp"
#include "plan.hpp"

namespace florimot {

namespace {

constexpr TTerminaisons TermPrendre = {
    "",        "ends",    "ends",    "end",      "enons",   "enez",      "ennent",  // présent
    "enais",   "enais",   "enait",   "enions",   "eniez",   "enaient",              // imparfait
    "is",      "is",      "it",      "îmes",     "îtes",    "irent",                // passé simple
    "endrai",  "endras",  "endra",   "endrons",  "endrez",  "endront",              // futur
    "enne",    "ennes",   "enne",    "enions",   "eniez",   "ennent",     // subj. présent
    "isse",    "isses",   "ît",      "issions",  "issiez",  "issent",     // subj. imparfait
    "endrais", "endrais", "endrait", "endrions", "endriez", "endraient",  // conditionnel
    "ends",    "enons",   "enez",                                         // impératif
    "is",      "enant"};  // participes passé, présent

constexpr TTerminaisons TermAndre = {
    "",     "s",     "s",    "",        "ons",    "ez",     "ent",  // présent
    "ais",  "ais",   "ait",  "ions",    "iez",    "aient",          // imparfait
    "is",   "is",    "it",   "îmes",    "îtes",   "irent",          // passé simple
    "rai",  "ras",   "ra",   "rons",    "rez",    "ront",           // futur
    "e",    "es",    "e",    "ions",    "iez",    "ent",            // subj. présent
    "isse", "isses", "ît",   "issions", "issiez", "issent",         // subj. imparfait
    "rais", "rais",  "rait", "rions",   "riez",   "raient",         // conditionnel
    "s",    "ons",   "ez",                                          // impératif
    "u",    "ant"};                                                 // participes passé, présent

constexpr TTerminaisons TermNdre = {
    "",       "ns",      "ns",     "nt",        "gnons",    "gnez",     "gnent",  // présent
    "gnais",  "gnais",   "gnait",  "gnions",    "gniez",    "gnaient",            // imparfait
    "gnis",   "gnis",    "gnit",   "gnîmes",    "gnîtes",   "gnirent",            // passé simple
    "ndrai",  "ndras",   "ndra",   "ndrons",    "ndrez",    "ndront",             // futur
    "gne",    "gnes",    "gne",    "gnions",    "gniez",    "gnent",              // subj. présent
    "gnisse", "gnisses", "gnît",   "gnissions", "gnissiez", "gnissent",           // subj. imparfait
    "ndrais", "ndrais",  "ndrait", "ndrions",   "ndriez",   "ndraient",           // conditionnel
    "ns",     "gnons",   "gnez",                                                  // impératif
    "nt",     "gnant"};  // participes passé, présent

constexpr TTerminaisons TermSoudre = {
    "",       "us",     "us",     "ut",       "lvons",   "lvez",     "lvent",  // présent
    "lvais",  "lvais",  "lvait",  "lvions",   "lviez",   "lvaient",            // imparfait
    "lus",    "lus",    "lut",    "lûmes",    "lûtes",   "lurent",             // passé simple
    "udrai",  "udras",  "udra",   "udrons",   "udrez",   "udront",             // futur
    "lve",    "lves",   "lve",    "lvions",   "lviez",   "lvent",              // subj. présent
    "lusse",  "lusses", "lût",    "lussions", "lussiez", "lussent",            // subj. imparfait
    "udrais", "udrais", "udrait", "udrions",  "udriez",  "udraient",           // conditionnel
    "us",     "lvons",  "lvez",                                                // impératif
    "us",     "lvant"};  // participes passé, présent

constexpr TTerminaisons TermCoudre = {
    "",      "ds",     "ds",    "d",        "sons",    "sez",     "sent",  // présent
    "sais",  "sais",   "sait",  "sions",    "siez",    "saient",           // imparfait
    "sis",   "sis",    "sit",   "sîmes",    "sîtes",   "sirent",           // passé simple
    "drai",  "dras",   "dra",   "drons",    "drez",    "dront",            // futur
    "se",    "ses",    "se",    "sions",    "siez",    "sent",             // subj. présent
    "sisse", "sisses", "sît",   "sissions", "sissiez", "sissent",          // subj. imparfait
    "drais", "drais",  "drait", "drions",   "driez",   "draient",          // conditionnel
    "ds",    "sons",   "sez",                                              // impératif
    "su",    "sant"};  // participes passé, présent

constexpr TTerminaisons TermMoudre = {
    "",      "ds",     "ds",    "d",        "lons",    "lez",     "lent",  // présent
    "lais",  "lais",   "lait",  "lions",    "liez",    "laient",           // imparfait
    "lus",   "lus",    "lut",   "lûmes",    "lûtes",   "lurent",           // passé simple
    "drai",  "dras",   "dra",   "drons",    "drez",    "dront",            // futur
    "le",    "les",    "le",    "lions",    "liez",    "lent",             // subj. présent
    "lusse", "lusses", "lût",   "lussions", "lussiez", "lussent",          // subj. imparfait
    "drais", "drais",  "drait", "drions",   "driez",   "draient",          // conditionnel
    "ds",    "lons",   "lez",                                              // impératif
    "lu",    "lant"};  // participes passé, présent

// résoudre alone has the participle résolu; absoudre and dissoudre keep absous, dissous.
constexpr TTerminaisons TermResoudre = Avec(TermSoudre, SlotParticipePasse, {"lu"});

// The rectified spelling writes the masculine as the feminine is: absout
// like absoute.
constexpr TTerminaisons TermSoudreRectifie = Avec(TermSoudre, SlotParticipePasse, {"ut"});

// rompre is rendre but for its t: il rompt.
constexpr TTerminaisons TermRompre = Avec(TermAndre, Slot(CodePresent, ModeIndicatif, 3), {"t"});

}  // namespace

FLORIMOT_MODELE(ModelePrendre) {
    return Troisieme(verbe, 5, TermPrendre);
}

FLORIMOT_MODELE(ModeleAndre) {
    return Troisieme(verbe, 2, TermAndre);
}

FLORIMOT_MODELE(ModeleNdre) {
    return Troisieme(verbe, 4, TermNdre);
}

FLORIMOT_MODELE(ModeleSoudre) {
    const TTerminaisons& T = verbe.Est("résoudre") ? TermResoudre : TermSoudre;
    return Troisieme(verbe, 4, T);
}

FLORIMOT_MODELE(ModeleSoudreRectifie) {
    if (verbe.Est("résoudre")) return ModeleSoudre(verbe);
    return Troisieme(verbe, 4, TermSoudreRectifie);
}

FLORIMOT_MODELE(ModeleCoudre) {
    return Troisieme(verbe, 3, TermCoudre);
}

FLORIMOT_MODELE(ModeleMoudre) {
    return Troisieme(verbe, 3, TermMoudre);
}

FLORIMOT_MODELE(ModeleRompre) {
    return Troisieme(verbe, 2, TermRompre);
}

}  // namespace florimot
