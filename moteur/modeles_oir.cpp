#include "modeles.hpp"
#include "plan.hpp"
#include "terminaisons.hpp"

namespace florimot {

namespace {

// clang-format off
constexpr TTerminaisons TermCevoir = {
    "",
    "çois", "çois", "çoit", "cevons", "cevez", "çoivent",  // présent
    "cevais", "cevais", "cevait", "cevions", "ceviez", "cevaient",  // imparfait
    "çus", "çus", "çut", "çûmes", "çûtes", "çurent",  // passé simple
    "cevrai", "cevras", "cevra", "cevrons", "cevrez", "cevront",  // futur
    "çoive", "çoives", "çoive", "cevions", "ceviez", "çoivent",  // subj. présent
    "çusse", "çusses", "çût", "çussions", "çussiez", "çussent",  // subj. imparfait
    "cevrais", "cevrais", "cevrait", "cevrions", "cevriez", "cevraient",  // conditionnel
    "çois", "cevons", "cevez",  // impératif
    "çu", "cevant"};  // participes passé, présent

constexpr TTerminaisons TermSavoir = {
    "",
    "ais", "ais", "ait", "avons", "avez", "avent",  // présent
    "avais", "avais", "avait", "avions", "aviez", "avaient",  // imparfait
    "us", "us", "ut", "ûmes", "ûtes", "urent",  // passé simple
    "aurai", "auras", "aura", "aurons", "aurez", "auront",  // futur
    "ache", "aches", "ache", "achions", "achiez", "achent",  // subj. présent
    "usse", "usses", "ût", "ussions", "ussiez", "ussent",  // subj. imparfait
    "aurais", "aurais", "aurait", "aurions", "auriez", "auraient",  // conditionnel
    "ache", "achons", "achez",  // impératif
    "u", "achant"};  // participes passé, présent

constexpr TTerminaisons TermDevoir = {
    "",
    "ois", "ois", "oit", "evons", "evez", "oivent",  // présent
    "evais", "evais", "evait", "evions", "eviez", "evaient",  // imparfait
    "us", "us", "ut", "ûmes", "ûtes", "urent",  // passé simple
    "evrai", "evras", "evra", "evrons", "evrez", "evront",  // futur
    "oive", "oives", "oive", "evions", "eviez", "oivent",  // subj. présent
    "usse", "usses", "ût", "ussions", "ussiez", "ussent",  // subj. imparfait
    "evrais", "evrais", "evrait", "evrions", "evriez", "evraient",  // conditionnel
    "ois", "evons", "evez",  // impératif
    "û", "evant"};  // participes passé, présent

constexpr TTerminaisons TermPouvoir = {
    "",
    "eux", "eux", "eut", "ouvons", "ouvez", "euvent",  // présent
    "ouvais", "ouvais", "ouvait", "ouvions", "ouviez", "ouvaient",  // imparfait
    "us", "us", "ut", "ûmes", "ûtes", "urent",  // passé simple
    "ourrai", "ourras", "ourra", "ourrons", "ourrez", "ourront",  // futur
    "uisse", "uisses", "uisse", "uissions", "uissiez", "uissent",  // subj. présent
    "usse", "usses", "ût", "ussions", "ussiez", "ussent",  // subj. imparfait
    "ourrais", "ourrais", "ourrait", "ourrions", "ourriez", "ourraient",  // conditionnel
    PasDImperatif, PasDImperatif, PasDImperatif,  // impératif
    "u", "ouvant"};  // participes passé, présent

// Nous and vous keep the stem of the infinitive: que nous mouvions.
constexpr TTerminaisons TermMouvoir = {
    "",
    "eus", "eus", "eut", "ouvons", "ouvez", "euvent",  // présent
    "ouvais", "ouvais", "ouvait", "ouvions", "ouviez", "ouvaient",  // imparfait
    "us", "us", "ut", "ûmes", "ûtes", "urent",  // passé simple
    "ouvrai", "ouvras", "ouvra", "ouvrons", "ouvrez", "ouvront",  // futur
    "euve", "euves", "euve", "ouvions", "ouviez", "euvent",  // subj. présent
    "usse", "usses", "ût", "ussions", "ussiez", "ussent",  // subj. imparfait
    "ouvrais", "ouvrais", "ouvrait", "ouvrions", "ouvriez", "ouvraient",  // conditionnel
    "eus", "ouvons", "ouvez",  // impératif
    "û", "ouvant"};  // participes passé, présent

constexpr TTerminaisons TermValoir = {
    "",
    "aux", "aux", "aut", "alons", "alez", "alent",  // présent
    "alais", "alais", "alait", "alions", "aliez", "alaient",  // imparfait
    "alus", "alus", "alut", "alûmes", "alûtes", "alurent",  // passé simple
    "audrai", "audras", "audra", "audrons", "audrez", "audront",  // futur
    "aille", "ailles", "aille", "alions", "aliez", "aillent",  // subj. présent
    "alusse", "alusses", "alût", "alussions", "alussiez", "alussent",  // subj. imparfait
    "audrais", "audrais", "audrait", "audrions", "audriez", "audraient",  // conditionnel
    "aux", "alons", "alez",  // impératif
    "alu", "alant"};  // participes passé, présent

// The impératif is built on the subjonctif throughout: veuille, veuillons, veuillez.
constexpr TTerminaisons TermVouloir = {
    "",
    "eux", "eux", "eut", "oulons", "oulez", "eulent",  // présent
    "oulais", "oulais", "oulait", "oulions", "ouliez", "oulaient",  // imparfait
    "oulus", "oulus", "oulut", "oulûmes", "oulûtes", "oulurent",  // passé simple
    "oudrai", "oudras", "oudra", "oudrons", "oudrez", "oudront",  // futur
    "euille", "euilles", "euille", "oulions", "ouliez", "euillent",  // subj. présent
    "oulusse", "oulusses", "oulût", "oulussions", "oulussiez", "oulussent",  // subj. imparfait
    "oudrais", "oudrais", "oudrait", "oudrions", "oudriez", "oudraient",  // conditionnel
    "euille", "euillons", "euillez",  // impératif
    "oulu", "oulant"};  // participes passé, présent

// asseoir's second series, the ie/ey one: j'assieds, nous asseyons,
// j'assiérai. Its first series is assoir's oi one (TermAssoir).
constexpr TTerminaisons TermAsseoirIe = {
    "",
    "ieds", "ieds", "ied", "eyons", "eyez", "eyent",  // présent
    "eyais", "eyais", "eyait", "eyions", "eyiez", "eyaient",  // imparfait
    "is", "is", "it", "îmes", "îtes", "irent",  // passé simple
    "iérai", "iéras", "iéra", "iérons", "iérez", "iéront",  // futur
    "eye", "eyes", "eye", "eyions", "eyiez", "eyent",  // subj. présent
    "isse", "isses", "ît", "issions", "issiez", "issent",  // subj. imparfait
    "iérais", "iérais", "iérait", "iérions", "iériez", "iéraient",  // conditionnel
    "ieds", "eyons", "eyez",  // impératif
    "is", "eyant"};  // participes passé, présent

constexpr TTerminaisons TermSurseoir = {
    "",
    "ois", "ois", "oit", "oyons", "oyez", "oient",  // présent
    "oyais", "oyais", "oyait", "oyions", "oyiez", "oyaient",  // imparfait
    "is", "is", "it", "îmes", "îtes", "irent",  // passé simple
    "eoirai", "eoiras", "eoira", "eoirons", "eoirez", "eoiront",  // futur
    "oie", "oies", "oie", "oyions", "oyiez", "oient",  // subj. présent
    "isse", "isses", "ît", "issions", "issiez", "issent",  // subj. imparfait
    "eoirais", "eoirais", "eoirait", "eoirions", "eoiriez", "eoiraient",  // conditionnel
    "ois", "oyons", "oyez",  // impératif
    "is", "oyant"};  // participes passé, présent

constexpr TTerminaisons TermVoir = {
    "",
    "ois", "ois", "oit", "oyons", "oyez", "oient",  // présent
    "oyais", "oyais", "oyait", "oyions", "oyiez", "oyaient",  // imparfait
    "is", "is", "it", "îmes", "îtes", "irent",  // passé simple
    "errai", "erras", "erra", "errons", "errez", "erront",  // futur
    "oie", "oies", "oie", "oyions", "oyiez", "oient",  // subj. présent
    "isse", "isses", "ît", "issions", "issiez", "issent",  // subj. imparfait
    "errais", "errais", "errait", "errions", "erriez", "erraient",  // conditionnel
    "ois", "oyons", "oyez",  // impératif
    "u", "oyant"};  // participes passé, présent
// clang-format on

// The circumflex of "mû" only keeps it apart from the Greek letter; its
// compounds have none to tell apart: ému, promu.
constexpr TTerminaisons TermEmouvoir = Avec(TermMouvoir, SlotParticipePasse, {"u"});

// assoir, rassoir and sursoir, the spellings without e: "oi" or "oy"
// throughout, the futur on the infinitive (j'assoirai, je sursoirai).
constexpr TTerminaisons TermAssoir =
    Avec(Avec(TermSurseoir, SlotFutur, {"oirai", "oiras", "oira", "oirons", "oirez", "oiront"}),
         SlotConditionnel, {"oirais", "oirais", "oirait", "oirions", "oiriez", "oiraient"});

// pouvoir's older first person, still written: je puis.
constexpr TTerminaisons TermPouvoirPuis = Avec(TermPouvoir, SlotPresent, {"uis"});

// prévaloir keeps its stem in the subjonctif présent: que je prévale.
constexpr TTerminaisons TermPrevaloir =
    Avec(Avec(TermValoir, SlotSubjPresent, {"ale", "ales", "ale"}),
         Slot(CodePresent, ModeSubjonctif, 6), {"alent"});

// prévoir builds its futur and conditionnel on the infinitive, like
// pourvoir: prévoirai, where revoir and entrevoir say reverrai.
constexpr TTerminaisons TermPrevoir = [] {
    TTerminaisons t = TermVoir;
    for (int p = 1; p <= 6; ++p) {
        t[Slot(3, ModeIndicatif, p)] = TermOi[Slot(3, ModeIndicatif, p)];
        t[Slot(0, ModeConditionnel, p)] = TermOi[Slot(0, ModeConditionnel, p)];
    }
    return t;
}();

}  // namespace

FLORIMOT_MODELE(ModeleCevoir) {
    return Troisieme(verbe, 6, TermCevoir);
}

// pourvoir keeps the "oi" of its infinitive where voir has "err": pourvoirai.
FLORIMOT_MODELE(ModeleOurvoir) {
    return Troisieme(verbe, 3, TermOi);
}

FLORIMOT_MODELE(ModeleSavoir) {
    return Troisieme(verbe, 5, TermSavoir);
}

FLORIMOT_MODELE(ModeleDevoir) {
    return Troisieme(verbe, 5, TermDevoir);
}

// pouvoir has no impératif, so no impératif passé either ("aie pu" is no
// French): the template gives the passé the présent's marker.
FLORIMOT_MODELE(ModelePouvoir) {
    return Troisieme(verbe, 6, TermPouvoir);
}

FLORIMOT_MODELE(ModeleMouvoir) {
    return Troisieme(verbe, 6, verbe.Est("mouvoir") ? TermMouvoir : TermEmouvoir);
}

FLORIMOT_MODELE(ModeleValoir) {
    return Troisieme(verbe, 5, verbe.TerminePar("prévaloir") ? TermPrevaloir : TermValoir);
}

FLORIMOT_MODELE(ModeleVouloir) {
    return Troisieme(verbe, 6, TermVouloir);
}

FLORIMOT_MODELE(ModelePouvoirPuis) {
    return Troisieme(verbe, 6, TermPouvoirPuis);
}

// asseoir, rasseoir: the oi series throughout, as assoir is (j'assois,
// j'assoyais, assois-toi); the ie/ey series is the other one.
FLORIMOT_MODELE(ModeleAsseoir) {
    return Troisieme(verbe, 4, TermAssoir);
}

FLORIMOT_MODELE(ModeleAsseoirIe) {
    return Troisieme(verbe, 4, TermAsseoirIe);
}

FLORIMOT_MODELE(ModeleAssoirIe) {
    return Troisieme(verbe, 3, TermAsseoirIe);
}

FLORIMOT_MODELE(ModeleSurseoir) {
    return Troisieme(verbe, 4, TermSurseoir);
}

FLORIMOT_MODELE(ModeleAssoir) {
    return Troisieme(verbe, 3, TermAssoir);
}

FLORIMOT_MODELE(ModeleChoir) {
    return Troisieme(verbe, 3, TermOi);
}

FLORIMOT_MODELE(ModeleVoir) {
    const TTerminaisons& T = verbe.TerminePar("prévoir") ? TermPrevoir : TermVoir;
    return Troisieme(verbe, 3, T);
}

}  // namespace florimot
