// The captions the front ends show above a grid: the group, and the readable
// header with what the verb's facts change.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "../faits_en_lettres.hpp"
#include "entete.hpp"
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
        const char *Texte, *Faits, *Options, *Attendu;
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
        v.DefinitVerbe(c.Texte);
        EXPECT_EQ(florimot::EnteteLisible(v, Options(c.Options), Faits(c.Faits)), c.Attendu);
    }
}

// The window's note: the facts, the dictionary's note without a fact it
// already says, then the other series.
TEST(Faits, Note) {
    struct Cas {
        const char *Texte, *Faits, *Options, *dictionnaire, *autre, *Attendu;
    };
    const Cas cas[] = {
        {"évanouir", "P", "", "essentiellement pronominal : s'évanouir", "",
         "essentiellement pronominal : s'évanouir"},
        {"neiger", "I", "p", "", "", "verbe impersonnel, pas de voix passive"},
        {"neiger", "I", "p", "verbe impersonnel : il neige", "",
         "pas de voix passive ; verbe impersonnel : il neige"},
        {"payer", "", "", "", "je paye", "autre forme : je paye"},
        {"entraider", "R", "", "se conjugue avec être", "",
         "essentiellement pronominal, pluriel seulement ; se conjugue avec être"},
        {"parler", "", "", "", "", ""},
    };
    for (const Cas& c : cas) {
        florimot::TVerbe v;
        v.DefinitVerbe(c.Texte);
        const auto entete = florimot::FaitEntete(v, Options(c.Options), Faits(c.Faits));
        EXPECT_EQ(florimot::NoteDuVerbe(entete, c.dictionnaire, c.autre), c.Attendu) << c.Texte;
    }
}

// The model by the name of its verb for JSON, by the one it follows for the
// header, which says nothing of a verb that is its own model.
TEST(Faits, Modele) {
    const std::tuple<const char*, const char*, const char*> cas[] = {
        {"parler", "parler", ""}, {"commencer", "placer", "placer"}, {"maison", "", ""}};
    for (const auto& [texte, type, modele] : cas) {
        florimot::TVerbe v;
        v.DefinitVerbe(texte);
        const auto entete = florimot::FaitEntete(v, {});
        EXPECT_EQ(entete.Type, type) << texte;
        EXPECT_EQ(entete.Modele, modele) << texte;
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
    for (const florimot::TCellule& c : florimot::GrilleComplete) {
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
