#include "conjugaison.hpp"

#include "formes_nues.hpp"
#include "utf8.hpp"

namespace florimot {

namespace {

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

// Appends the finished line of one request: "que " or "qu'", the pronoun,
// the form; the markers alone; nothing for a word that is not a verb; the
// impératif and the participe without pronoun.
void AjouteLigne(std::string& sortie, const TFormes& formes, std::uint8_t CodeTemps,
                 std::uint8_t DecalageMode, int Personne) {
    const TFormeNue f = formes.Nue(CodeTemps, DecalageMode, Personne);
    if (!f.Marqueur.empty()) {
        sortie += f.Marqueur;
        return;
    }
    if (f.Verbe.empty()) return;
    if (DecalageMode != ModeImperatif && DecalageMode != ModeParticipe) {
        if (DecalageMode == ModeSubjonctif)
            sortie += (Personne == 3 || Personne == 6) ? "qu'" : "que ";
        sortie += Personne == 1 ? (Elide(formes.Verbe(), f.Verbe) ? "j'" : "je ") : Pronom(Personne);
    }
    sortie += f.Verbe;
    if (!f.EstCompose()) return;
    sortie += SeparateurAuxiliaire;
    sortie += f.Participe;
    sortie += f.Accord;
}

// Whether a request is one of the grid's: any other has no line.
bool DansLaGrille(std::uint8_t CodeTemps, std::uint8_t DecalageMode, int Personne) {
    for (const Cellule& c : Grille)
        if (c.CodeTemps == CodeTemps && c.DecalageMode == DecalageMode)
            return Personne >= c.PremierePersonne && Personne <= c.DernierePersonne;
    return false;
}

}  // namespace

std::string ConjugueForme(const TVerbe& verbe, std::uint8_t CodeTemps, std::uint8_t DecalageMode,
                          int Personne) {
    std::string ligne;
    if (!DansLaGrille(CodeTemps, DecalageMode, Personne)) return ligne;
    const TFormes formes(verbe);
    AjouteLigne(ligne, formes, CodeTemps, DecalageMode, Personne);
    return ligne;
}

LignesGrille ConjugueGrille(const TVerbe& verbe) {
    LignesGrille lignes;
    lignes.Texte.reserve(2048);
    const TFormes formes(verbe);
    std::size_t i = 0;
    for (const Cellule& c : Grille)
        for (int p = c.PremierePersonne; p <= c.DernierePersonne; ++p) {
            AjouteLigne(lignes.Texte, formes, c.CodeTemps, c.DecalageMode, p);
            lignes.Debut[++i] = static_cast<std::uint32_t>(lignes.Texte.size());
        }
    return lignes;
}

std::string LegendeGroupe(const TVerbe& verbe) {
    if (verbe.Est("avoir") || verbe.Est("être")) return "Auxiliaire";
    return "Groupe : " + std::to_string(verbe.DonneGroupe());
}

}  // namespace florimot
