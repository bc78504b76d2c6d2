#include <gtest/gtest.h>

#include <string>

#include "conjugaison.hpp"
#include "faits.hpp"
#include "formes_nues.hpp"
#include "utf8.hpp"

namespace {

// A second reading of "the same pattern of endings", made apart from the
// engine's: each form as the letters of the infinitive it drops from the end
// and those it adds after what it keeps, the e's accents and the cedilla set
// aside (je cède and je règle keep c, r and drop "éder", "égler" alike once
// the consonants between are kept too), and the circumflexes for a verb
// written in the rectified spelling (connaitre, beside paraître).
std::u32string Plie(const std::string& s, bool circonflexes) {
    std::u32string l;
    for (std::size_t i = 0; i < s.size();) {
        const florimot::utf8::Decodage d = florimot::utf8::Decode(std::string_view(s).substr(i));
        char32_t c = d.point;
        if (c == U'é' || c == U'è' || c == U'ê') c = U'e';
        if (c == U'ç') c = U'c';
        if (circonflexes && c == U'î') c = U'i';
        if (circonflexes && c == U'û') c = U'u';
        l += c;
        i += d.taille;
    }
    return l;
}

std::u32string Fin(const std::u32string& infinitif, const std::u32string& forme) {
    std::size_t p = 0;
    while (p < infinitif.size() && p < forme.size() && infinitif[p] == forme[p]) ++p;
    return std::u32string(1, static_cast<char32_t>(infinitif.size() - p)) + forme.substr(p);
}

}  // namespace

// Every verb the facts table knows: the verb its header says it is
// conjugated like has its endings in every slot the verb has.
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
        const auto plie = [&](std::string_view s) { return Plie(std::string(s), r); };
        const std::u32string iv = plie(infinitif), im = plie(nom);
        for (int slot = 1; slot <= florimot::NombreSlots; ++slot) {
            if (f.Manque(slot)) continue;
            ASSERT_FALSE(g.Manque(slot)) << infinitif << " comme " << nom << ", " << slot;
            EXPECT_EQ(Fin(iv, plie(f.Simple(slot))), Fin(im, plie(g.Simple(slot))))
                << infinitif << " comme " << nom << " : " << f.Simple(slot) << ", "
                << g.Simple(slot);
        }
    }
    EXPECT_GT(comme, 5000);
}
