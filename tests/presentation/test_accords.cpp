#include <gtest/gtest.h>

#include <string>

#include "accords.hpp"
#include "faits.hpp"

namespace {

// The participle of a line: its last word, or the word before a phrase's
// complement.
std::string Participe(std::string_view ligne, const florimot::TVerbe& v) {
    if (!v.Complement().empty()) ligne.remove_suffix(v.Complement().size() + 1);
    return std::string(ligne.substr(ligne.rfind(' ') + 1));
}

}  // namespace

// The reason never contradicts the line: where it says the participle
// agrees with the subject, elles's line agrees it; where it says it does
// not, it does not. Every known verb, and its pronominal use.
TEST(Accords, CommeLesLignes) {
#ifndef FLORIMOT_TABLE_FAITS
    GTEST_SKIP() << "sans table des verbes connus";
#endif
    using florimot::TCodeAccord;
    constexpr const florimot::TCellule& pc = florimot::CelluleNommee("PCInd");
    int vus = 0;
    for (const std::string_view infinitif : florimot::VerbesConnus())
        for (const std::string& texte : {std::string(infinitif), "se " + std::string(infinitif)})
            for (const bool passif : {false, true}) {
                florimot::TVerbe v;
                v.DefinitVerbe(texte);
                if (v.DonneGroupe() == 0) continue;
                const florimot::TFaits faits = florimot::PrepareVerbe(v);
                if (texte != infinitif && !faits.PeutEtrePronominal && !faits.Pronominal) continue;
                const florimot::TOptions options{.Feminin = true, .Passif = passif};
                const std::string ligne = florimot::ConjugueForme(v, pc, 6, options, faits);
                const TCodeAccord code = florimot::AccordDeLigne(v, options, faits, pc, ligne);
                if (code == TCodeAccord::Aucun) continue;
                ++vus;
                const std::string p = Participe(ligne, v);
                const bool accorde = code == TCodeAccord::Etre || code == TCodeAccord::Passif ||
                                     code == TCodeAccord::PronominalDirect ||
                                     code == TCodeAccord::PronominalEssentiel;
                // A participle in -s or -x takes only the e (elles se sont assises).
                EXPECT_EQ(p.ends_with("es"), accorde)
                    << ligne << " : " << florimot::PhraseAccord(code, v);
            }
    EXPECT_GT(vus, 1000);
}
