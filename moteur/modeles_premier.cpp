#include "modeles.hpp"
#include "plan.hpp"
#include "premier_groupe.hpp"

namespace florimot {

namespace {

constexpr TTerminaisons TermEr = {
    "",      "e",     "es",    "e",       "ons",    "ez",      "ent",  // présent
    "ais",   "ais",   "ait",   "ions",    "iez",    "aient",           // imparfait
    "ai",    "as",    "a",     "âmes",    "âtes",   "èrent",           // passé simple
    "erai",  "eras",  "era",   "erons",   "erez",   "eront",           // futur
    "e",     "es",    "e",     "ions",    "iez",    "ent",             // subj. présent
    "asse",  "asses", "ât",    "assions", "assiez", "assent",          // subj. imparfait
    "erais", "erais", "erait", "erions",  "eriez",  "eraient",         // conditionnel
    "e",     "ons",   "ez",                                            // impératif
    "é",     "ant"};  // participes passé, présent

constexpr TTerminaisons TermCer = {
    "",       "ce",     "ces",    "ce",       "çons",    "cez",      "cent",  // présent
    "çais",   "çais",   "çait",   "cions",    "ciez",    "çaient",            // imparfait
    "çai",    "ças",    "ça",     "çâmes",    "çâtes",   "cèrent",            // passé simple
    "cerai",  "ceras",  "cera",   "cerons",   "cerez",   "ceront",            // futur
    "ce",     "ces",    "ce",     "cions",    "ciez",    "cent",              // subj. présent
    "çasse",  "çasses", "çât",    "çassions", "çassiez", "çassent",           // subj. imparfait
    "cerais", "cerais", "cerait", "cerions",  "ceriez",  "ceraient",          // conditionnel
    "ce",     "çons",   "cez",                                                // impératif
    "é",      "çant"};  // participes passé, présent

constexpr TTerminaisons TermGer = {
    "",       "ge",      "ges",    "ge",        "geons",    "gez",      "gent",  // présent
    "geais",  "geais",   "geait",  "gions",     "giez",     "geaient",           // imparfait
    "geai",   "geas",    "gea",    "geâmes",    "geâtes",   "gèrent",            // passé simple
    "gerai",  "geras",   "gera",   "gerons",    "gerez",    "geront",            // futur
    "ge",     "ges",     "ge",     "gions",     "giez",     "gent",              // subj. présent
    "geasse", "geasses", "geât",   "geassions", "geassiez", "geassent",          // subj. imparfait
    "gerais", "gerais",  "gerait", "gerions",   "geriez",   "geraient",          // conditionnel
    "ge",     "geons",   "gez",                                                  // impératif
    "é",      "geant"};  // participes passé, présent

constexpr TTerminaisons TermYer = {
    "",       "ie",     "ies",    "ie",       "yons",    "yez",      "ient",  // présent
    "yais",   "yais",   "yait",   "yions",    "yiez",    "yaient",            // imparfait
    "yai",    "yas",    "ya",     "yâmes",    "yâtes",   "yèrent",            // passé simple
    "ierai",  "ieras",  "iera",   "ierons",   "ierez",   "ieront",            // futur
    "ie",     "ies",    "ie",     "yions",    "yiez",    "ient",              // subj. présent
    "yasse",  "yasses", "yât",    "yassions", "yassiez", "yassent",           // subj. imparfait
    "ierais", "ierais", "ierait", "ierions",  "ieriez",  "ieraient",          // conditionnel
    "ie",     "yons",   "yez",                                                // impératif
    "é",      "yant"};  // participes passé, présent

constexpr TTerminaisons TermVoyer = {
    "",        "voie",     "voies",   "voie",       "voyons",    "voyez",     "voient",  // présent
    "voyais",  "voyais",   "voyait",  "voyions",    "voyiez",    "voyaient",   // imparfait
    "voyai",   "voyas",    "voya",    "voyâmes",    "voyâtes",   "voyèrent",   // passé simple
    "verrai",  "verras",   "verra",   "verrons",    "verrez",    "verront",    // futur
    "voie",    "voies",    "voie",    "voyions",    "voyiez",    "voient",     // subj. présent
    "voyasse", "voyasses", "voyât",   "voyassions", "voyassiez", "voyassent",  // subj. imparfait
    "verrais", "verrais",  "verrait", "verrions",   "verriez",   "verraient",  // conditionnel
    "voie",    "voyons",   "voyez",                                            // impératif
    "é",       "voyant"};  // participes passé, présent

constexpr TTerminaisons TermEger = {
    "",        "ège",      "èges",    "ège",        "égeons",    "égez",      "ègent",  // présent
    "égeais",  "égeais",   "égeait",  "égions",     "égiez",     "égeaient",            // imparfait
    "égeai",   "égeas",    "égea",    "égeâmes",    "égeâtes",   "égèrent",    // passé simple
    "égerai",  "égeras",   "égera",   "égerons",    "égerez",    "égeront",    // futur
    "ège",     "èges",     "ège",     "égions",     "égiez",     "ègent",      // subj. présent
    "égeasse", "égeasses", "égeât",   "égeassions", "égeassiez", "égeassent",  // subj. imparfait
    "égerais", "égerais",  "égerait", "égerions",   "égeriez",   "égeraient",  // conditionnel
    "ège",     "égeons",   "égez",                                             // impératif
    "é",       "égeant"};  // participes passé, présent

constexpr TTerminaisons TermEgerRectifie =
    Avec(Avec(TermEger, SlotFutur, {"ègerai", "ègeras", "ègera", "ègerons", "ègerez", "ègeront"}),
         SlotConditionnel, {"ègerais", "ègerais", "ègerait", "ègerions", "ègeriez", "ègeraient"});

// Verbs in -eler and -eter that take è instead of doubling their consonant.
constexpr std::string_view ListeCelerAcheter[] = {
    "celer",      "déceler",    "receler",  "ciseler",  "démanteler", "écarteler",
    "encasteler", "geler",      "dégeler",  "congeler", "surgeler",   "marteler",
    "modeler",    "peler",      "acheter",  "racheter", "bégueter",   "corseter",
    "crocheter",  "fileter",    "fureter",  "haleter",  "aciseler",   "décongeler",
    "recongeler", "préacheter", "harceler", "regeler",  "remodeler",  "remarteler",
};

// Slots whose stem vowel is stressed: indicatif and subjonctif présent je,
// tu, il, ils, and the impératif tu.
constexpr std::uint64_t SlotsPresent = [] {
    std::uint64_t m = 0;
    for (int p : {1, 2, 3, 6}) {
        m |= std::uint64_t{1} << Slot(0, ModeIndicatif, p);
        m |= std::uint64_t{1} << Slot(0, ModeSubjonctif, p);
    }
    return m | std::uint64_t{1} << Slot(0, ModeImperatif, 1);
}();

// The whole futur and conditionnel présent.
constexpr std::uint64_t SlotsFutur = [] {
    std::uint64_t m = 0;
    for (int p = 1; p <= 6; ++p) {
        m |= std::uint64_t{1} << Slot(3, ModeIndicatif, p);
        m |= std::uint64_t{1} << Slot(0, ModeConditionnel, p);
    }
    return m;
}();

void Ajoute(TPlan& plan, std::string_view s) {
    for (char c : s) plan.S2[plan.TailleS2++] = c;
}

// The plan with its changed stem: `stem` with its vowel before the last
// `consonnes` bytes turned into è (lev -> lèv, régl -> règl, dépe(c) -> dépè(c)),
// taken in the slots of `slots`.
TPlan AvecAccentGrave(TPlan plan, std::string_view stem, std::string_view consonnes,
                      std::uint64_t slots) {
    // The vowel is e (1 byte) or é (2 bytes) just before the consonants.
    const std::string_view avant = stem.substr(0, stem.size() - consonnes.size());
    const std::size_t voyelle = avant.ends_with("é") ? 2 : 1;
    Ajoute(plan, avant.substr(0, avant.size() - voyelle));
    Ajoute(plan, "è");
    Ajoute(plan, consonnes);
    plan.Variantes = slots;
    return plan;
}

TPlan Regulier(const TVerbe& verbe, const TTerminaisons& T, std::uint8_t N) {
    return Plan(Radical(verbe, N), RadicalParticipe(verbe), T);
}

// e or é + consonants + "er": è where the stem vowel is stressed, in the
// present and, when `futurAussi`, in the futur and conditionnel too.
TPlan AccentSurVoyelle(const TVerbe& verbe, bool futurAussi) {
    const TPlan plan = Regulier(verbe, TermEr, 2);
    const int n = ConsonnesAvantEr(verbe);
    if (n == 0) return plan;
    std::string_view consonnes = verbe.DroiteVue(static_cast<std::uint8_t>(n + 2));
    consonnes.remove_suffix(2);  // the final "er"
    return AvecAccentGrave(plan, plan.S, consonnes,
                           futurAussi ? SlotsPresent | SlotsFutur : SlotsPresent);
}

}  // namespace

FLORIMOT_MODELE(ModeleEr) {
    return Regulier(verbe, TermEr, 2);
}

FLORIMOT_MODELE(ModeleAppeler) {
    for (std::string_view v : ListeCelerAcheter)
        if (verbe.Est(v)) return ModeleLever(verbe);
    // An e after another vowel is no mute e: tweeter keeps its t (je tweete).
    if (ConsonnesAvantEr(verbe) == 0) return ModeleEr(verbe);
    TPlan plan = Regulier(verbe, TermEr, 2);
    Ajoute(plan, plan.S);
    Ajoute(plan, plan.S.substr(plan.S.size() - 1));  // the l or t, doubled: appelle, jette
    plan.Variantes = SlotsPresent | SlotsFutur;
    return plan;
}

FLORIMOT_MODELE(ModeleLever) {
    return AccentSurVoyelle(verbe, true);
}

FLORIMOT_MODELE(ModeleCeder) {
    return AccentSurVoyelle(verbe, false);
}

// dépecer, rapiécer: the vowel before the c changes like lever's or
// céder's; the c/ç of the ending is untouched.
TPlan Cer(const TVerbe& verbe, bool rectifiee) {
    const TPlan plan = Regulier(verbe, TermCer, 3);
    const char32_t voyelle = verbe.LettreFin(4);
    if (voyelle != U'e' && voyelle != U'é') return plan;
    return AvecAccentGrave(plan, plan.S, "",
                           voyelle == U'e' || rectifiee ? SlotsPresent | SlotsFutur : SlotsPresent);
}

FLORIMOT_MODELE(ModeleCer) {
    return Cer(verbe, false);
}

FLORIMOT_MODELE(ModeleCerRectifie) {
    return Cer(verbe, true);
}

FLORIMOT_MODELE(ModeleGer) {
    return Regulier(verbe, TermGer, 3);
}

FLORIMOT_MODELE(ModeleYer) {
    return Regulier(verbe, TermYer, 3);
}

FLORIMOT_MODELE(ModeleVoyer) {
    return Regulier(verbe, TermVoyer, 5);
}

FLORIMOT_MODELE(ModeleEger) {
    return Regulier(verbe, TermEger, 4);
}

FLORIMOT_MODELE(ModeleEgerRectifie) {
    return Regulier(verbe, TermEgerRectifie, 4);
}

}  // namespace florimot
