// Arbitrary bytes through the lexicon: the dictionary's readings and the
// guesses from letters, each of which the engine's grid must confirm.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "interne.hpp"
#include "lexique.hpp"
#include "utf8.hpp"

namespace {

void Exige(bool condition) {
    if (!condition) std::abort();
}

// A reported infinitive is the verb the engine conjugates under that name.
void ExigeVerbe(const std::string& infinitif) {
    florimot::TVerbe v;
    v.DefinitVerbe(infinitif);
    Exige(v.DonneGroupe() != 0 && v.MotVue() == infinitif);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    static florimot::TLexique lexique;
    const std::string_view texte(reinterpret_cast<const char*>(donnees), taille);
    const auto mot = florimot::lexique::Normalise(texte);

    const std::vector<florimot::TAnalyse> analyses = lexique.Analyse(texte);
    Exige(mot || analyses.empty());
    for (const florimot::TAnalyse& a : analyses) {
        Exige(!a.lectures.empty());
        ExigeVerbe(a.infinitif);
        for (const florimot::TLecture& l : a.lectures)
            Exige(florimot::Confirme(a.infinitif, *mot, l));
    }
    Exige(florimot::utf8::EstValide(florimot::DecritAnalyse(mot ? *mot : "", analyses)));
    Exige(florimot::utf8::EstValide(lexique.Note(texte)) || !florimot::utf8::EstValide(texte));

    // The guesses alone, dictionary or not: a few of them, each confirmed.
    if (!mot) return 0;
    int vus = 0;
    for (const std::string& v : florimot::lexique::InfinitifsPossibles(*mot)) {
        florimot::TVerbe verbe;
        verbe.DefinitVerbe(v);
        if (verbe.DonneGroupe() == 0 || verbe.MotVue() != v) continue;
        const florimot::LignesGrille lignes = florimot::ConjugueGrille(verbe);
        for (const florimot::TLecture& l : florimot::LecturesDansGrille(lignes, *mot))
            Exige(florimot::GrilleConfirme(lignes, *mot, l));
        if (++vus == 8) break;
    }
    return 0;
}
