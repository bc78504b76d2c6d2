// The tables of tests/donnees/grammaire/: a row is the texts to conjugate
// (comma-separated), conjugue's options (blank-separated), then the lines
// its output must hold, its tabs read as blanks; "!" before a line: must not.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "processus.hpp"

namespace {

// The pieces between separators; empty ones too when `vides`.
std::vector<std::string> Coupe(const std::string& texte, char separateur, bool vides = false) {
    std::vector<std::string> morceaux;
    std::istringstream flux(texte);
    for (std::string m; std::getline(flux, m, separateur);)
        if (vides || !m.empty()) morceaux.push_back(m);
    return morceaux;
}

}  // namespace

TEST(Grammaire, Tables) {
    int lignes = 0;
    for (const auto& table : std::filesystem::directory_iterator(DONNEES_GRAMMAIRE)) {
        std::ifstream f(table.path());
        for (std::string ligne; std::getline(f, ligne);) {
            if (ligne.empty() || ligne.front() == '#') continue;
            const std::vector<std::string> champs = Coupe(ligne, '\t', true);
            ASSERT_GE(champs.size(), 3u) << table.path().filename() << " : " << ligne;
            std::vector<std::string> arguments = Coupe(champs.size() > 1 ? champs[1] : "", ' ');
            for (const std::string& t : Coupe(champs[0], ',')) arguments.push_back(t);
            std::string sortie = Lance(arguments).sortie;
            std::replace(sortie.begin(), sortie.end(), '\t', ' ');
            const std::vector<std::string> lues = Coupe(sortie, '\n');
            for (std::size_t i = 2; i < champs.size(); ++i, ++lignes) {
                const bool absente = champs[i].starts_with('!');
                const std::string attendue = champs[i].substr(absente ? 1 : 0);
                EXPECT_EQ(std::find(lues.begin(), lues.end(), attendue) == lues.end(), absente)
                    << table.path().filename() << " : " << champs[0] << "\n  " << champs[i] << "\n"
                    << sortie;
            }
        }
    }
    EXPECT_GT(lignes, 0);
}
