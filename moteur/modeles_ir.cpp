#include "modeles.hpp"
#include "plan.hpp"

namespace florimot {

namespace {

// clang-format off
constexpr TTerminaisons TermEnir = {
    "",
    "iens", "iens", "ient", "enons", "enez", "iennent",  // présent
    "enais", "enais", "enait", "enions", "eniez", "enaient",  // imparfait
    "ins", "ins", "int", "înmes", "întes", "inrent",  // passé simple
    "iendrai", "iendras", "iendra", "iendrons", "iendrez", "iendront",  // futur
    "ienne", "iennes", "ienne", "enions", "eniez", "iennent",  // subj. présent
    "insse", "insses", "înt", "inssions", "inssiez", "inssent",  // subj. imparfait
    "iendrais", "iendrais", "iendrait", "iendrions", "iendriez", "iendraient",  // conditionnel
    "iens", "enons", "enez",  // impératif
    "enu", "enant"};  // participes passé, présent

constexpr TTerminaisons TermErir = {
    "",
    "iers", "iers", "iert", "érons", "érez", "ièrent",  // présent
    "érais", "érais", "érait", "érions", "ériez", "éraient",  // imparfait
    "is", "is", "it", "îmes", "îtes", "irent",  // passé simple
    "errai", "erras", "erra", "errons", "errez", "erront",  // futur
    "ière", "ières", "ière", "érions", "ériez", "ièrent",  // subj. présent
    "isse", "isses", "ît", "issions", "issiez", "issent",  // subj. imparfait
    "errais", "errais", "errait", "errions", "erriez", "erraient",  // conditionnel
    "iers", "érons", "érez",  // impératif
    "is", "érant"};  // participes passé, présent

// Its participle ends in "u" (vêtu), unlike sentir or partir.
constexpr TTerminaisons TermVetir = {
    "",
    "vêts", "vêts", "vêt", "vêtons", "vêtez", "vêtent",  // présent
    "vêtais", "vêtais", "vêtait", "vêtions", "vêtiez", "vêtaient",  // imparfait
    "vêtis", "vêtis", "vêtit", "vêtîmes", "vêtîtes", "vêtirent",  // passé simple
    "vêtirai", "vêtiras", "vêtira", "vêtirons", "vêtirez", "vêtiront",  // futur
    "vête", "vêtes", "vête", "vêtions", "vêtiez", "vêtent",  // subj. présent
    "vêtisse", "vêtisses", "vêtît", "vêtissions", "vêtissiez", "vêtissent",  // subj. imparfait
    "vêtirais", "vêtirais", "vêtirait", "vêtirions", "vêtiriez", "vêtiraient",  // conditionnel
    "vêts", "vêtons", "vêtez",  // impératif
    "vêtu", "vêtant"};  // participes passé, présent

constexpr TTerminaisons TermTir = {
    "",
    "s", "s", "t", "tons", "tez", "tent",  // présent
    "tais", "tais", "tait", "tions", "tiez", "taient",  // imparfait
    "tis", "tis", "tit", "tîmes", "tîtes", "tirent",  // passé simple
    "tirai", "tiras", "tira", "tirons", "tirez", "tiront",  // futur
    "te", "tes", "te", "tions", "tiez", "tent",  // subj. présent
    "tisse", "tisses", "tît", "tissions", "tissiez", "tissent",  // subj. imparfait
    "tirais", "tirais", "tirait", "tirions", "tiriez", "tiraient",  // conditionnel
    "s", "tons", "tez",  // impératif
    "ti", "tant"};  // participes passé, présent

constexpr TTerminaisons TermVrir = {
    "",
    "e", "es", "e", "ons", "ez", "ent",  // présent
    "ais", "ais", "ait", "ions", "iez", "aient",  // imparfait
    "is", "is", "it", "îmes", "îtes", "irent",  // passé simple
    "irai", "iras", "ira", "irons", "irez", "iront",  // futur
    "e", "es", "e", "ions", "iez", "ent",  // subj. présent
    "isse", "isses", "ît", "issions", "issiez", "issent",  // subj. imparfait
    "irais", "irais", "irait", "irions", "iriez", "iraient",  // conditionnel
    "e", "ons", "ez",  // impératif
    "ert", "ant"};  // participes passé, présent

constexpr TTerminaisons TermEillir = {
    "",
    "e", "es", "e", "ons", "ez", "ent",  // présent
    "ais", "ais", "ait", "ions", "iez", "aient",  // imparfait
    "is", "is", "it", "îmes", "îtes", "irent",  // passé simple
    "erai", "eras", "era", "erons", "erez", "eront",  // futur
    "e", "es", "e", "ions", "iez", "ent",  // subj. présent
    "isse", "isses", "ît", "issions", "issiez", "issent",  // subj. imparfait
    "erais", "erais", "erait", "erions", "eriez", "eraient",  // conditionnel
    "e", "ons", "ez",  // impératif
    "i", "ant"};  // participes passé, présent

// The impératif follows the présent: bous, like dors and sers.
constexpr TTerminaisons TermOuillir = {
    "",
    "s", "s", "t", "illons", "illez", "illent",  // présent
    "illais", "illais", "illait", "illions", "illiez", "illaient",  // imparfait
    "illis", "illis", "illit", "illîmes", "illîtes", "illirent",  // passé simple
    "illirai", "illiras", "illira", "illirons", "illirez", "illiront",  // futur
    "ille", "illes", "ille", "illions", "illiez", "illent",  // subj. présent
    "illisse", "illisses", "illît", "illissions", "illissiez", "illissent",  // subj. imparfait
    "illirais", "illirais", "illirait", "illirions", "illiriez", "illiraient",  // conditionnel
    "s", "illons", "illez",  // impératif
    "illi", "illant"};  // participes passé, présent

constexpr TTerminaisons TermOrmir = {
    "",
    "s", "s", "t", "mons", "mez", "ment",  // présent
    "mais", "mais", "mait", "mions", "miez", "maient",  // imparfait
    "mis", "mis", "mit", "mîmes", "mîtes", "mirent",  // passé simple
    "mirai", "miras", "mira", "mirons", "mirez", "miront",  // futur
    "me", "mes", "me", "mions", "miez", "ment",  // subj. présent
    "misse", "misses", "mît", "missions", "missiez", "missent",  // subj. imparfait
    "mirais", "mirais", "mirait", "mirions", "miriez", "miraient",  // conditionnel
    "s", "mons", "mez",  // impératif
    "mi", "mant"};  // participes passé, présent

constexpr TTerminaisons TermErvir = {
    "",
    "s", "s", "t", "vons", "vez", "vent",  // présent
    "vais", "vais", "vait", "vions", "viez", "vaient",  // imparfait
    "vis", "vis", "vit", "vîmes", "vîtes", "virent",  // passé simple
    "virai", "viras", "vira", "virons", "virez", "viront",  // futur
    "ve", "ves", "ve", "vions", "viez", "vent",  // subj. présent
    "visse", "visses", "vît", "vissions", "vissiez", "vissent",  // subj. imparfait
    "virais", "virais", "virait", "virions", "viriez", "viraient",  // conditionnel
    "s", "vons", "vez",  // impératif
    "vi", "vant"};  // participes passé, présent

constexpr TTerminaisons TermFuir = {
    "",
    "is", "is", "it", "yons", "yez", "ient",  // présent
    "yais", "yais", "yait", "yions", "yiez", "yaient",  // imparfait
    "is", "is", "it", "îmes", "îtes", "irent",  // passé simple
    "irai", "iras", "ira", "irons", "irez", "iront",  // futur
    "ie", "ies", "ie", "yions", "yiez", "ient",  // subj. présent
    "isse", "isses", "ît", "issions", "issiez", "issent",  // subj. imparfait
    "irais", "irais", "irait", "irions", "iriez", "iraient",  // conditionnel
    "is", "yons", "yez",  // impératif
    "i", "yant"};  // participes passé, présent
// clang-format on

}  // namespace

FLORIMOT_MODELE(ModeleEnir) {
    return Troisieme(verbe, 4, TermEnir);
}

FLORIMOT_MODELE(ModeleErir) {
    return Troisieme(verbe, 4, TermErir);
}

// The endings carry "vêt" whole, so the stem is what stands before it (re-, dé-).
FLORIMOT_MODELE(ModeleVetir) {
    return Troisieme(verbe, 5, TermVetir);
}

FLORIMOT_MODELE(ModeleTir) {
    return Troisieme(verbe, 3, TermTir);
}

// The participle drops the "r" the simple forms keep: ouvr-e, ouv-ert.
FLORIMOT_MODELE(ModeleVrir) {
    return Plan(Radical(verbe, 2), Radical(verbe, 3), TermVrir);
}

FLORIMOT_MODELE(ModeleEillir) {
    return Troisieme(verbe, 2, TermEillir);
}

FLORIMOT_MODELE(ModeleOuillir) {
    return Troisieme(verbe, 5, TermOuillir);
}

FLORIMOT_MODELE(ModeleOrmir) {
    return Troisieme(verbe, 3, TermOrmir);
}

FLORIMOT_MODELE(ModeleErvir) {
    return Troisieme(verbe, 3, TermErvir);
}

FLORIMOT_MODELE(ModeleFuir) {
    return Troisieme(verbe, 2, TermFuir);
}

}  // namespace florimot
