#include <gtest/gtest.h>

#include <string>

#include "regles.hpp"

// Each family's rule reaches the verbs it conjugates; a verb that only
// changes its endings has none.
TEST(Regles, UneRegleParFamille) {
    const std::pair<const char*, const char*> cas[] = {
        {"commencer", "c prend une cédille"},
        {"nager", "g prend un e"},
        {"jeter", "-eler, -eter"},
        {"acheter", "-eler, -eter"},
        {"posséder", "é devient è"},
        {"semer", "e devient è"},
        {"essuyer", "-yer"},
        {"payer", "-yer"},
        {"choisir", "-iss-"},
        {"tenir", "-ien-"},
        {"apprendre", "perd le d"},
        {"craindre", "-indre"},
        {"permettre", "un seul t"},
        {"combattre", "un seul t"},
        {"connaître", "î devant t"},
        {"parler", ""},
        {"rendre", ""},
        {"maison", ""},
    };
    for (const auto& [mot, debut] : cas) {
        florimot::TVerbe v;
        v.DefinitVerbe(mot);
        const std::string regle(florimot::RegleDuModele(v));
        EXPECT_EQ(regle.substr(0, std::string(debut).size()), debut) << mot;
        EXPECT_EQ(regle.empty(), *debut == '\0') << mot;
        // Every rule gives its example after a colon.
        if (!regle.empty()) {
            EXPECT_NE(regle.find(" : "), std::string::npos) << mot;
        }
    }
}
