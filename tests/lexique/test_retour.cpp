// The rows of tests/donnees/analyse_retour.tsv: each text's readings, as
// AnalyseTexte gives them, and its description when the row has one.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "lexique.hpp"

namespace {

// The line options a reading shows, by their letters in the options table.
std::string Options(const florimot::TOptions& o) {
    std::string s;
    for (const florimot::TDescriptionOption& d : florimot::DescriptionsOptions)
        if (d.Portee == florimot::TPorteeOption::Ligne && florimot::EstActive(o, d)) s += d.Lettre;
    return s;
}

std::string Lectures(const std::vector<florimot::TAnalyse>& analyses) {
    std::string r;
    for (const florimot::TAnalyse& a : analyses)
        for (const florimot::TLecture& l : a.Lectures) {
            if (!r.empty()) r += " ; ";
            r += a.Infinitif + ' ' + std::string(l.Cellule) + ' ' + std::to_string(l.Personne);
            if (const std::string o = Options(l.Options); !o.empty()) r += ' ' + o;
        }
    return r;
}

TEST(Retour, Donnees) {
    std::ifstream fichier(FLORIMOT_DONNEES "/analyse_retour.tsv");
    ASSERT_TRUE(fichier) << "analyse_retour.tsv";
    std::string ligne;
    int rangees = 0;
    while (std::getline(fichier, ligne)) {
        if (ligne.empty() || ligne[0] == '#') continue;
        std::istringstream champs(ligne);
        std::string texte, lectures, description;
        std::getline(champs, texte, '\t');
        std::getline(champs, lectures, '\t');
        std::getline(champs, description, '\t');
        const auto analyses = florimot::AnalyseTexte(texte);
        EXPECT_EQ(Lectures(analyses), lectures) << texte;
        if (!description.empty()) {
            EXPECT_EQ(florimot::DecritAnalyse(texte, analyses), description) << texte;
        }
        ++rangees;
    }
    EXPECT_GT(rangees, 30);
}

}  // namespace
