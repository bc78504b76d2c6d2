// Arbitrary bytes through the lexicon, as forms and as lines: the index's
// readings, the lines' and the guesses from letters, each of which the
// engine's grid must confirm.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "diagnostic.hpp"
#include "faits.hpp"
#include "interne.hpp"
#include "lexique.hpp"
#include "utf8.hpp"

namespace {

void Exige(bool condition) {
    if (!condition) std::abort();
}

// A reported infinitive is the verb the engine conjugates under that name
// ("se lever" as a pronominal verb).
florimot::TVerbe ExigeVerbe(const std::string& infinitif) {
    florimot::TVerbe v;
    v.DefinitVerbe(infinitif);
    Exige(v.DonneGroupe() != 0 && v.Intitule() == infinitif);
    return v;
}

// A line's reading: the grid under its options shows the text there.
bool LigneConfirmee(const florimot::TVerbe& v, const florimot::TLecture& l,
                    const std::string& texte) {
    const int rang = florimot::lexique::RangCellule(l.Cellule);
    if (rang >= static_cast<int>(florimot::GrilleComplete.size())) return false;
    const florimot::TCellule& c = florimot::GrilleComplete[static_cast<std::size_t>(rang)];
    if (l.Personne < c.PremierePersonne || l.Personne > c.DernierePersonne) return false;
    // With the verb's facts, as the lines were read: ils se sont plu, elle
    // s'est arrogé (an indirect se, no agreement).
    const florimot::TLignesGrille g =
        florimot::ConjugueGrille(v, l.Options, florimot::FaitsDuVerbe(v));
    return florimot::lexique::Canonique(g[c.Premier + l.Personne - c.PremierePersonne]).Texte ==
           texte;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    static florimot::TLexique lexique;
    const std::string_view texte(reinterpret_cast<const char*>(donnees), taille);
    // The word as the analysis reads it: blanks run together, a final "?"
    // dropped.
    const std::string lu = florimot::utf8::EstValide(texte)
                               ? florimot::lexique::Canonique(texte).Texte
                               : std::string();
    const auto mot = florimot::lexique::Normalise(lu);

    const std::vector<florimot::TAnalyse> analyses = lexique.Analyse(texte);
    for (const florimot::TAnalyse& a : analyses) {
        Exige(!a.Lectures.empty());
        const florimot::TVerbe v = ExigeVerbe(a.Infinitif);
        const std::string infinitif(v.MotVue());
        for (const florimot::TLecture& l : a.Lectures) {
            // A bare form (eussé, or eussé-je written whole), else a line.
            std::string forme = mot ? *mot : lu;
            if (l.Inversion && forme.ends_with("-je")) forme.resize(forme.size() - 3);
            // A bare form shows no line option; its spelling may be one. A
            // clause after que, or on read as il: the line it was read as.
            const bool nue =
                florimot::Restreint(l.Options, florimot::TPorteeOption::Ligne).Aucune();
            Exige((nue && !v.EstPronominal() && florimot::Confirme(infinitif, forme, l)) ||
                  LigneConfirmee(v, l, a.Ligne.empty() ? lu : a.Ligne));
        }
    }
    Exige(florimot::utf8::EstValide(florimot::DecritAnalyse(mot ? *mot : "", analyses)));
    // A wrong text's diagnosis: three lines at most, none of them the text.
    const std::vector<florimot::TDiagnostic> diagnostics = florimot::Diagnostique(texte);
    Exige(diagnostics.size() <= florimot::DiagnosticsMax);
    for (const florimot::TDiagnostic& d : diagnostics)
        Exige(d.Correct != d.Ecrit && florimot::utf8::EstValide(d.Correct) && !d.Lectures.empty());
    Exige(florimot::utf8::EstValide(lexique.Note(texte)) || !florimot::utf8::EstValide(texte));

    // The guesses alone, dictionary or not: a few of them, each confirmed.
    if (!mot) return 0;
    int vus = 0;
    for (const florimot::lexique::TPossible& possible :
         florimot::lexique::InfinitifsPossibles(*mot)) {
        const std::string& v = possible.Mot;
        florimot::TVerbe verbe;
        verbe.DefinitVerbe(v);
        if (verbe.DonneGroupe() == 0 || verbe.MotVue() != v) continue;
        const florimot::lexique::TMotsGrille mots(verbe, florimot::ConjugueGrille(verbe), {});
        for (const florimot::TLecture& l : florimot::lexique::LecturesDansGrille(mots, *mot))
            Exige(florimot::lexique::GrilleConfirme(mots, *mot, l));
        if (++vus == 8) break;
    }
    return 0;
}
