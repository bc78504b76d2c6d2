#include "conjugaison.hpp"

#include "modele.hpp"
#include "modeles.hpp"
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
constexpr std::u32string_view Voyelles = U"aâàäeéèêëiîïoôöuûùüyÿœæ";

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
    if (Voyelles.find(premiere) != std::u32string_view::npos) return true;
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

std::string FormeNue(const TVerbe& verbe, std::uint8_t CodeTemps, std::uint8_t DecalageMode,
                     int Personne) {
    if (verbe.Est("avoir")) return ConjugueAuxiliaire(verbe, 0, CodeTemps, DecalageMode, Personne);
    if (verbe.Est("être")) return ConjugueAuxiliaire(verbe, 1, CodeTemps, DecalageMode, Personne);
    switch (verbe.DonneGroupe()) {
        case 1: return ConjuguePremierGroupe(verbe, CodeTemps, DecalageMode, Personne);
        case 2:
            if (verbe.Est("haïr")) return ModeleHair(verbe, CodeTemps, DecalageMode, Personne);
            return ConjugueDeuxiemeGroupe(verbe, CodeTemps, DecalageMode, Personne);
        case 3: return ConjugueTroisiemeGroupe(verbe, CodeTemps, DecalageMode, Personne);
        default: return {};
    }
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
    std::string forme = FormeNue(verbe, CodeTemps, DecalageMode, Personne);
    if (forme.empty() || EstMarqueur(forme) || DecalageMode == ModeImperatif ||
        DecalageMode == ModeParticipe)
        return forme;
    std::string ligne;
    ligne.reserve(forme.size() + 9);
    if (DecalageMode == ModeSubjonctif) ligne += (Personne == 3 || Personne == 6) ? "qu'" : "que ";
    if (Personne == 1)
        ligne += Elide(verbe, forme) ? "j'" : "je ";
    else
        ligne += Pronom(Personne);
    ligne += forme;
    return ligne;
}

LignesGrille ConjugueGrille(const TVerbe& verbe) {
    LignesGrille lignes;
    for (const Cellule& c : Grille)
        for (int p = c.PremierePersonne; p <= c.DernierePersonne; ++p)
            lignes[c.Premier + p - c.PremierePersonne] =
                ConjugueForme(verbe, c.CodeTemps, c.DecalageMode, p);
    return lignes;
}

std::string LegendeGroupe(const TVerbe& verbe) {
    if (verbe.Est("avoir") || verbe.Est("être")) return "Auxiliaire";
    return "Groupe : " + std::to_string(verbe.DonneGroupe());
}

}  // namespace florimot
