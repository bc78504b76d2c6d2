#include "conjugaison.hpp"

#include "modele.hpp"
#include "modeles.hpp"
#include "premier_groupe.hpp"
#include "utf8.hpp"

namespace florimot {

namespace {

// Whole forms of the two auxiliaries, slot for slot like a model's endings.
constexpr TTerminaisons FormesAvoir = {
    "",        "ai",     "as",       "a",       "avons",   "avez",   "ont",    "avais",
    "avais",   "avait",  "avions",   "aviez",   "avaient", "eus",    "eus",    "eut",
    "eûmes",   "eûtes",  "eurent",   "aurai",   "auras",   "aura",   "aurons", "aurez",
    "auront",  "aie",    "aies",     "ait",     "ayons",   "ayez",   "aient",  "eusse",
    "eusses",  "eût",    "eussions", "eussiez", "eussent", "aurais", "aurais", "aurait",
    "aurions", "auriez", "auraient", "aie",     "ayons",   "ayez",   "eu",     "ayant"};
constexpr TTerminaisons FormesEtre = {
    "",        "suis",   "es",       "est",     "sommes",  "êtes",   "sont",   "étais",
    "étais",   "était",  "étions",   "étiez",   "étaient", "fus",    "fus",    "fut",
    "fûmes",   "fûtes",  "furent",   "serai",   "seras",   "sera",   "serons", "serez",
    "seront",  "sois",   "sois",     "soit",    "soyons",  "soyez",  "soient", "fusse",
    "fusses",  "fût",    "fussions", "fussiez", "fussent", "serais", "serais", "serait",
    "serions", "seriez", "seraient", "sois",    "soyons",  "soyez",  "été",    "étant"};

// Letters before which "je" becomes "j'".
bool EstVoyelle(char32_t c) {
    switch (c) {
        case U'a':
        case U'â':
        case U'à':
        case U'ä':
        case U'e':
        case U'é':
        case U'è':
        case U'ê':
        case U'ë':
        case U'i':
        case U'î':
        case U'ï':
        case U'o':
        case U'ô':
        case U'ö':
        case U'u':
        case U'û':
        case U'ù':
        case U'ü':
        case U'y':
        case U'ÿ':
        case U'œ':
        case U'æ': return true;
        default: return false;
    }
}

// Beginnings of the verbs whose h is mute (j'habite); every other h is
// aspirated (je hais, je hurle). Longest first is not needed: any match wins.
constexpr std::string_view HMuet[] = {
    "habil",       "habit",       "hallucin", "harmonis",  "hébét",    "héberg",  "hébraïs",
    "hélitreuill", "hellénis",    "herboris", "hérit",     "hésit",    "hibern",  "histori",
    "hivern",      "homogénéis",  "homologu", "honor",     "horodat",  "horrifi", "hospitalis",
    "huil",        "humanis",     "humect",   "humidifi",  "humili",   "hybrid",  "hydr",
    "hyperbolis",  "hypertrophi", "hypnotis", "hypothéqu", "hystéris",
};

bool Elide(const TVerbe& verbe, std::string_view forme) {
    const char32_t premiere = utf8::Decode(forme).point;
    if (EstVoyelle(premiere)) return true;
    if (premiere != U'h') return false;
    for (std::string_view debut : HMuet)
        if (verbe.CommencePar(debut)) return true;
    return false;
}

std::string_view Pronom(int Personne) {
    switch (Personne) {
        case 2: return "tu ";
        case 3: return "il ";
        case 4: return "nous ";
        case 5: return "vous ";
        case 6: return "ils ";
        default: return "";
    }
}

std::string Avoir(const TVerbe& verbe, std::uint8_t CodeTemps, std::uint8_t DecalageMode,
                  int Personne) {
    return ConjugueAuxiliaire(verbe, 0, CodeTemps, DecalageMode, Personne);
}

std::string Etre(const TVerbe& verbe, std::uint8_t CodeTemps, std::uint8_t DecalageMode,
                 int Personne) {
    return ConjugueAuxiliaire(verbe, 1, CodeTemps, DecalageMode, Personne);
}

std::string PasUnVerbe(const TVerbe&, std::uint8_t, std::uint8_t, int) {
    return {};
}

// Which routine knows the verb. The choice depends on the word alone, so a
// whole grid makes it once instead of 97 times.
Modele ChoisitModele(const TVerbe& verbe) {
    if (verbe.Est("avoir")) return Avoir;
    if (verbe.Est("être")) return Etre;
    switch (verbe.DonneGroupe()) {
        case 1: return ChoisitModelePremierGroupe(verbe);
        case 2: return verbe.Est("haïr") ? ModeleHair : ConjugueDeuxiemeGroupe;
        case 3: return ConjugueTroisiemeGroupe;
        default: return PasUnVerbe;
    }
}

// Pronoun, elision and "que" around a bare form.
std::string Finit(const TVerbe& verbe, std::string forme, std::uint8_t DecalageMode, int Personne) {
    if (forme.empty() || EstMarqueur(forme) || DecalageMode == ModeImperatif ||
        DecalageMode == ModeParticipe)
        return forme;
    // The pronoun goes in front of the form in place: most finished lines
    // still fit the string's own buffer.
    std::string_view pronom =
        Personne == 1 ? (Elide(verbe, forme) ? "j'" : "je ") : Pronom(Personne);
    std::string_view que;
    if (DecalageMode == ModeSubjonctif) que = (Personne == 3 || Personne == 6) ? "qu'" : "que ";
    forme.insert(0, pronom);
    forme.insert(0, que);
    return forme;
}

}  // namespace

std::string ConjugueAuxiliaire(const TVerbe& verbe, std::uint8_t kind, std::uint8_t CodeTemps,
                               std::uint8_t DecalageMode, int Personne) {
    if (kind > 1) return {};
    if (CodeTemps == 15) {
        std::string forme = ConjugueAuxiliaire(verbe, 0, 1, ModeSubjonctif, Personne);
        forme += SeparateurAuxiliaire;
        forme += kind == 0 ? FormesAvoir[SlotParticipePasse] : FormesEtre[SlotParticipePasse];
        return forme;
    }
    if (EstCompose(CodeTemps)) {
        std::string forme = ConjugueAuxiliaire(verbe, 0, CodeTemps % 10, DecalageMode, Personne);
        forme += SeparateurAuxiliaire;
        forme += kind == 0 ? FormesAvoir[SlotParticipePasse] : FormesEtre[SlotParticipePasse];
        return forme;
    }
    const TTerminaisons& T = kind == 0 ? FormesAvoir : FormesEtre;
    return std::string(T[Slot(CodeTemps, DecalageMode, Personne)]);
}

std::string ConjugueForme(const TVerbe& verbe, std::uint8_t CodeTemps, std::uint8_t DecalageMode,
                          int Personne) {
    return Finit(verbe, ChoisitModele(verbe)(verbe, CodeTemps, DecalageMode, Personne),
                 DecalageMode, Personne);
}

LignesGrille ConjugueGrille(const TVerbe& verbe) {
    LignesGrille lignes;
    const Modele modele = ChoisitModele(verbe);
    for (const Cellule& c : Grille)
        for (int p = c.PremierePersonne; p <= c.DernierePersonne; ++p)
            lignes[c.Premier + p - c.PremierePersonne] =
                Finit(verbe, modele(verbe, c.CodeTemps, c.DecalageMode, p), c.DecalageMode, p);
    return lignes;
}

std::string LegendeGroupe(const TVerbe& verbe) {
    if (verbe.Est("avoir") || verbe.Est("être")) return "Auxiliaire";
    return "Groupe : " + std::to_string(verbe.DonneGroupe());
}

}  // namespace florimot
