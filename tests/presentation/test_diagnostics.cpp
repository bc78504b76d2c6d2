#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "diagnostics.hpp"

// The table of wrong texts and their diagnosis, and of texts that must not
// have one (tests/donnees/diagnostics.tsv).
TEST(Diagnostics, Table) {
#ifndef FLORIMOT_TABLE_FAITS
    GTEST_SKIP() << "sans table des verbes connus";
#endif
    std::ifstream f(std::string(FLORIMOT_DONNEES) + "/diagnostics.tsv");
    int lignes = 0;
    for (std::string ligne; std::getline(f, ligne);) {
        if (ligne.empty() || ligne[0] == '#') continue;
        ++lignes;
        std::istringstream champs(ligne);
        std::string texte, faute, correct;
        std::getline(champs, texte, '\t');
        std::getline(champs, faute, '\t');
        std::getline(champs, correct, '\t');
        const std::vector<florimot::TDiagnostic> d = florimot::Diagnostique(texte);
        EXPECT_LE(d.size(), florimot::DiagnosticsMax) << texte;
        if (faute.empty()) {
            EXPECT_TRUE(d.empty()) << texte << " : " << florimot::PhraseDiagnostic(d.front());
            continue;
        }
        ASSERT_FALSE(d.empty()) << texte;
        EXPECT_EQ(d.front().Correct, correct) << texte;
        EXPECT_EQ(florimot::CleFaute(d.front().Faute), faute)
            << florimot::PhraseDiagnostic(d.front());
    }
    EXPECT_GT(lignes, 0);
}
