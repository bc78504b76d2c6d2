#include "conjugaison.hpp"

#include "modele.hpp"
#include "modeles.hpp"
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
        case 3: return ChoisitModeleTroisiemeGroupe(verbe);
        default: return PasUnVerbe;
    }
}

// Appends the finished line of a bare form: "que " or "qu'", the pronoun,
// the form; the markers, empty forms, the impératif and the participe alone.
void AjouteLigne(std::string& sortie, const TVerbe& verbe, std::string_view forme,
                 std::uint8_t DecalageMode, int Personne) {
    if (!forme.empty() && !EstMarqueur(forme) && DecalageMode != ModeImperatif &&
        DecalageMode != ModeParticipe) {
        if (DecalageMode == ModeSubjonctif)
            sortie += (Personne == 3 || Personne == 6) ? "qu'" : "que ";
        sortie += Personne == 1 ? (Elide(verbe, forme) ? "j'" : "je ") : Pronom(Personne);
    }
    sortie += forme;
}

}  // namespace

std::string ConjugueForme(const TVerbe& verbe, std::uint8_t CodeTemps, std::uint8_t DecalageMode,
                          int Personne) {
    const std::string forme = ChoisitModele(verbe)(verbe, CodeTemps, DecalageMode, Personne);
    std::string ligne;
    ligne.reserve(forme.size() + 9);  // "que nous "
    AjouteLigne(ligne, verbe, forme, DecalageMode, Personne);
    return ligne;
}

LignesGrille ConjugueGrille(const TVerbe& verbe) {
    LignesGrille lignes;
    lignes.Texte.reserve(2048);
    const Modele modele = ChoisitModele(verbe);
    std::size_t i = 0;
    for (const Cellule& c : Grille)
        for (int p = c.PremierePersonne; p <= c.DernierePersonne; ++p) {
            AjouteLigne(lignes.Texte, verbe, modele(verbe, c.CodeTemps, c.DecalageMode, p),
                        c.DecalageMode, p);
            lignes.Debut[++i] = static_cast<std::uint32_t>(lignes.Texte.size());
        }
    return lignes;
}

std::string LegendeGroupe(const TVerbe& verbe) {
    if (verbe.Est("avoir") || verbe.Est("être")) return "Auxiliaire";
    return "Groupe : " + std::to_string(verbe.DonneGroupe());
}

}  // namespace florimot
