// The captions the front ends show above a grid: the group, and the readable
// header with what the verb's facts change.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "../faits_en_lettres.hpp"
#include "legende.hpp"
#include "mise_en_page.hpp"
#include "pages.hpp"

namespace {

using essais::Faits;
using essais::Options;

// The header says what the facts change; a verb the table does not know
// keeps today's header.
TEST(Faits, Entete) {
    struct Cas {
        const char *texte, *faits, *options, *attendu;
    };
    const Cas cas[] = {
        {"neiger", "I-", "",
         "neiger — Groupe : 1 — se conjugue comme manger — g prend un e devant a et o : "
         "nous mangeons — verbe impersonnel"},
        {"dormir", "-", "p",
         "dormir — Groupe : 3 — perd la consonne du radical au singulier du présent : je "
         "dors, nous dormons — voix passive — pas de voix passive"},
        {"dormir", "-", "",
         "dormir — Groupe : 3 — perd la consonne du radical au singulier du présent : je "
         "dors, nous dormons"},
    };
    for (const Cas& c : cas) {
        florimot::TVerbe v;
        v.DefinitVerbe(c.texte);
        EXPECT_EQ(florimot::EnteteLisible(v, Options(c.options), Faits(c.faits)), c.attendu);
    }
}

TEST(Grille, LegendeGroupe) {
    const std::pair<const char*, const char*> cas[] = {
        {"avoir", "Auxiliaire"},  {"être", "Auxiliaire"},  {"ravoir", "Groupe : 3"},
        {"parler", "Groupe : 1"}, {"finir", "Groupe : 2"}, {"maison", "Groupe : 0"},
    };
    for (const auto& [mot, legende] : cas) {
        florimot::TVerbe v;
        v.DefinitVerbe(mot);
        EXPECT_EQ(florimot::LegendeGroupe(v), legende);
    }
}

// Each page holds cells that follow one another, the first page the 12 cells
// of the indicatif and the subjonctif.
TEST(Pages, CellulesEnSuite) {
    int page = 1, premiere = 0;
    for (const florimot::Cellule& c : florimot::GrilleComplete) {
        const int p = florimot::PageDeCellule(c);
        EXPECT_TRUE(p == page || p == page + 1) << c.Nom;
        page = p;
        premiere += p == 1;
    }
    EXPECT_EQ(page, 3);
    EXPECT_EQ(premiere, 12);
    EXPECT_EQ(florimot::PageDeCellule("Rien"), 0);
}

}  // namespace
