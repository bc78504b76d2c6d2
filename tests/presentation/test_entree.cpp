// The entry's grammar on UTF-8 text, the cursor counted in characters.
#include <gtest/gtest.h>

#include "entree.hpp"

namespace {

TEST(Entree, FormeSaisie) {
    struct Cas {
        const char *Texte, *avantCurseur;
        std::u32string Attendu;
        std::size_t Curseur;
        bool Coupe;
    };
    const Cas cas[] = {
        {"PARLER", "PAR", U"parler", 3, false},
        {"se   lever", "se   ", U"se lever", 3, false},
        {"nous  sommes allés", "", U"nous sommes allés", 0, false},
        {"par ler", "par ", U"parler", 3, false},
        {"ce\u0301der", "ce\u0301", U"céder", 2, false},
        {"anticonstitutionner", "", U"anticonstitutio", 0, true},
        {"\U0001F600parler", "\U0001F600", U"\U0001F600parler", 1, false},
    };
    for (const Cas& c : cas) {
        const florimot::TSaisieGardee g = florimot::FormeSaisie(c.Texte, c.avantCurseur);
        EXPECT_EQ(g.Texte, c.Attendu) << c.Texte;
        EXPECT_EQ(g.Curseur, c.Curseur) << c.Texte;
        EXPECT_EQ(g.Coupe, c.Coupe) << c.Texte;
    }
}

}  // namespace
