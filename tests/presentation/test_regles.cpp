#include <gtest/gtest.h>

#include <string>

#include "regles.hpp"

// Each family's rule reaches the verbs it conjugates, with its example after
// a colon; a verb that only changes its endings has none.
TEST(Regles, UneRegleParFamille) {
    const std::pair<const char*, const char*> cas[] = {
        {"commencer", "c prend"}, {"nager", "g prend"},   {"jeter", "t doublé"},
        {"acheter", "e dev"},     {"posséder", "é dev"},  {"semer", "e dev"},
        {"payer", "-yer"},        {"choisir", "-iss-"},   {"tenir", "-ien-"},
        {"apprendre", "perd"},    {"craindre", "-indre"}, {"permettre", "un seul t"},
        {"combattre", "un seul"}, {"connaître", "î dev"}, {"parler", ""},
        {"rendre", ""},           {"maison", ""},
    };
    for (const auto& [mot, debut] : cas) {
        florimot::TVerbe v;
        v.DefinitVerbe(mot);
        const std::string regle(florimot::RegleDuModele(v));
        EXPECT_TRUE(regle.starts_with(debut)) << mot;
        EXPECT_EQ(regle.find(" : ") == std::string::npos, *debut == '\0') << mot;
    }
}
