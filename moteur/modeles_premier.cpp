#include "modele.hpp"
#include "modeles.hpp"
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

// Verbs in -eler and -eter that take è instead of doubling their consonant.
constexpr std::string_view ListeCelerAcheter[] = {
    "celer",   "déceler",  "receler",    "ciseler",    "démanteler", "écarteler", "encasteler",
    "geler",   "dégeler",  "congeler",   "surgeler",   "marteler",   "modeler",   "peler",
    "acheter", "racheter", "bégueter",   "corseter",   "crocheter",  "fileter",   "fureter",
    "haleter", "aciseler", "décongeler", "recongeler", "préacheter",
};

// Present forms whose stem vowel is stressed: indicatif and subjonctif
// présent je, tu, il, ils, and the impératif tu.
bool GroupePresent(std::uint8_t CodeTemps, std::uint8_t DecalageMode, int Personne) {
    if (CodeTemps != 0 || Personne == 4 || Personne == 5) return false;
    if (DecalageMode == ModeIndicatif || DecalageMode == ModeSubjonctif) return true;
    return DecalageMode == ModeImperatif && Personne == 1;
}

// The whole futur and conditionnel présent.
bool GroupeFutur(std::uint8_t CodeTemps, std::uint8_t DecalageMode) {
    return (CodeTemps == 3 && DecalageMode == ModeIndicatif) ||
           (CodeTemps == 0 && DecalageMode == ModeConditionnel);
}

// `stem` with its vowel before the last `consonnes` letters turned into è:
// lev -> lèv, régl -> règl, dépe(c) -> dépè(c).
std::string AvecAccentGrave(std::string_view stem, std::string_view consonnes,
                            std::string_view terminaison) {
    // The vowel is e (1 byte) or é (2 bytes) just before the consonants.
    const std::string_view avant = stem.substr(0, stem.size() - consonnes.size());
    const std::size_t voyelle = avant.ends_with("é") ? 2 : 1;
    std::string forme(avant.substr(0, avant.size() - voyelle));
    forme += "è";
    forme += consonnes;
    forme += terminaison;
    return forme;
}

std::string Regulier(const TVerbe& verbe, const TTerminaisons& T, std::uint8_t N,
                     std::uint8_t CodeTemps, std::uint8_t DecalageMode, int Personne) {
    return AppliqueModele(verbe, Radical(verbe, N), RadicalParticipe(verbe), T, CodeTemps,
                          DecalageMode, Personne);
}

// e or é + consonants + "er": è where the stem vowel is stressed, in the
// present and, when `futurAussi`, in the futur and conditionnel too.
std::string AccentSurVoyelle(const TVerbe& verbe, bool futurAussi, std::uint8_t CodeTemps,
                             std::uint8_t DecalageMode, int Personne) {
    const int n = ConsonnesAvantEr(verbe);
    if (n > 0 && (GroupePresent(CodeTemps, DecalageMode, Personne) ||
                  (futurAussi && GroupeFutur(CodeTemps, DecalageMode)))) {
        std::string_view consonnes = verbe.DroiteVue(static_cast<std::uint8_t>(n + 2));
        consonnes.remove_suffix(2);  // the final "er"
        return AvecAccentGrave(Radical(verbe, 2), consonnes,
                               TermEr[Slot(CodeTemps, DecalageMode, Personne)]);
    }
    return Regulier(verbe, TermEr, 2, CodeTemps, DecalageMode, Personne);
}

}  // namespace

std::string ModeleEr(const TVerbe& verbe, std::uint8_t CodeTemps, std::uint8_t DecalageMode,
                     int Personne) {
    return Regulier(verbe, TermEr, 2, CodeTemps, DecalageMode, Personne);
}

std::string ModeleAppeler(const TVerbe& verbe, std::uint8_t CodeTemps, std::uint8_t DecalageMode,
                          int Personne) {
    for (std::string_view v : ListeCelerAcheter)
        if (verbe.Est(v)) return ModeleLever(verbe, CodeTemps, DecalageMode, Personne);
    if (GroupePresent(CodeTemps, DecalageMode, Personne) || GroupeFutur(CodeTemps, DecalageMode)) {
        const std::string_view S = Radical(verbe, 2);
        std::string forme(S);
        forme += S.back();  // the l or t, doubled: appelle, jette
        forme += TermEr[Slot(CodeTemps, DecalageMode, Personne)];
        return forme;
    }
    return Regulier(verbe, TermEr, 2, CodeTemps, DecalageMode, Personne);
}

std::string ModeleLever(const TVerbe& verbe, std::uint8_t CodeTemps, std::uint8_t DecalageMode,
                        int Personne) {
    return AccentSurVoyelle(verbe, true, CodeTemps, DecalageMode, Personne);
}

std::string ModeleCeder(const TVerbe& verbe, std::uint8_t CodeTemps, std::uint8_t DecalageMode,
                        int Personne) {
    return AccentSurVoyelle(verbe, false, CodeTemps, DecalageMode, Personne);
}

std::string ModeleCer(const TVerbe& verbe, std::uint8_t CodeTemps, std::uint8_t DecalageMode,
                      int Personne) {
    // dépecer, rapiécer: the vowel before the c changes like lever's or
    // céder's; the c/ç of the ending is untouched.
    const char32_t voyelle = verbe.LettreFin(4);
    if ((voyelle == U'e' || voyelle == U'é') &&
        (GroupePresent(CodeTemps, DecalageMode, Personne) ||
         (voyelle == U'e' && GroupeFutur(CodeTemps, DecalageMode))))
        return AvecAccentGrave(Radical(verbe, 3), "",
                               TermCer[Slot(CodeTemps, DecalageMode, Personne)]);
    return Regulier(verbe, TermCer, 3, CodeTemps, DecalageMode, Personne);
}

std::string ModeleGer(const TVerbe& verbe, std::uint8_t CodeTemps, std::uint8_t DecalageMode,
                      int Personne) {
    return Regulier(verbe, TermGer, 3, CodeTemps, DecalageMode, Personne);
}

std::string ModeleYer(const TVerbe& verbe, std::uint8_t CodeTemps, std::uint8_t DecalageMode,
                      int Personne) {
    return Regulier(verbe, TermYer, 3, CodeTemps, DecalageMode, Personne);
}

std::string ModeleVoyer(const TVerbe& verbe, std::uint8_t CodeTemps, std::uint8_t DecalageMode,
                        int Personne) {
    return Regulier(verbe, TermVoyer, 5, CodeTemps, DecalageMode, Personne);
}

std::string ModeleEger(const TVerbe& verbe, std::uint8_t CodeTemps, std::uint8_t DecalageMode,
                       int Personne) {
    return Regulier(verbe, TermEger, 4, CodeTemps, DecalageMode, Personne);
}

}  // namespace florimot
