#include <gtest/gtest.h>

#include "conjugaison.hpp"
#include "faits.hpp"
#include "formes_nues.hpp"
#include "utf8.hpp"

// A second reading of "the same endings", apart from the engine's: each
// form as the count of the infinitive's letters it drops from the end and
// what it adds after the rest, e's accents and the cedilla set aside (je
// cède, je règle), and î, û for an infinitive in the rectified spelling.
static std::u32string Fin(std::string_view infinitif, std::string_view forme, bool r) {
    std::u32string l[2];
    for (int k = 0; k < 2; ++k)
        for (std::string_view s = k ? forme : infinitif; !s.empty();) {
            const auto d = florimot::utf8::Decode(s);
            const std::u32string_view de = U"éèêçîû", vers = U"eeeciu";
            const std::size_t i = de.find(d.Point);
            l[k] += i == de.npos || (i > 3 && !r) ? d.Point : vers[i];
            s.remove_prefix(d.Taille);
        }
    std::size_t p = 0;
    while (p < l[0].size() && p < l[1].size() && l[0][p] == l[1][p]) ++p;
    return char32_t(l[0].size() - p) + l[1].substr(p);
}

// Every verb of the facts table: the verb its header says it is conjugated
// like has its endings in every slot the verb has.
TEST(ModelesAnnonces, ChaqueVerbeDeLaTable) {
    if (florimot::VerbesConnus().empty()) GTEST_SKIP() << "built without the dictionary";
    int comme = 0;
    for (const std::string_view infinitif : florimot::VerbesConnus()) {
        florimot::TVerbe verbe, modele;
        verbe.DefinitVerbe(infinitif);
        const std::string_view nom = florimot::ModeleDuVerbe(verbe);
        if (nom.empty()) continue;
        ++comme;
        modele.DefinitVerbe(nom);
        const bool r = florimot::InfinitifRectifie(verbe);
        const florimot::TFormes f(verbe), g(modele, {.Rectifiee = r});
        for (int slot = 1; slot <= florimot::NombreSlots; ++slot) {
            if (f.Manque(slot)) continue;
            EXPECT_EQ(Fin(infinitif, f.Simple(slot), r), Fin(nom, g.Simple(slot), r))
                << infinitif << " comme " << nom << " : " << f.Simple(slot);
        }
    }
    EXPECT_GT(comme, 5000);
}

// The guesser skips a spelling or series whose forms the usual table says
// are its own: that must never skip one that writes something else.
TEST(ModelesAnnonces, MemesSousNeSautePasUneAutreForme) {
    if (florimot::VerbesConnus().empty()) GTEST_SKIP() << "built without the dictionary";
    int memes = 0, autres = 0;
    for (const std::string_view infinitif : florimot::VerbesConnus()) {
        florimot::TVerbe verbe;
        verbe.DefinitVerbe(infinitif);
        const florimot::TFormes usuelle(verbe);
        for (const florimot::TGraphie g :
             {florimot::TGraphie{true, false}, {false, true}, {true, true}}) {
            if (!usuelle.MemesSous(g)) {
                ++autres;
                continue;
            }
            ++memes;
            EXPECT_TRUE(florimot::TFormes(verbe, g).MemesFormes(usuelle))
                << infinitif << (g.Rectifiee ? " rectifiée" : "")
                << (g.Variante ? " variante" : "");
        }
    }
    EXPECT_GT(memes, 10000);
    EXPECT_GT(autres, 1000);  // connaître, payer, céder … are not skipped
}
