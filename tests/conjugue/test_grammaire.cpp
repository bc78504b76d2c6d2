// The tables of tests/donnees/grammaire/: each row is a text, conjugue's
// options (blank-separated) and a line its output must hold whole (the rest
// of the row, tabs and all), or must not hold when the line starts with "!".
// Rows of one text and options share one run.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "processus.hpp"

namespace {

struct TCas {
    std::string texte, options;
    bool operator<(const TCas& b) const { return std::tie(texte, options) < std::tie(b.texte, b.options); }
};

void VerifieTable(const std::filesystem::path& chemin) {
    std::ifstream fichier(chemin);
    ASSERT_TRUE(fichier) << chemin;
    std::map<TCas, std::vector<std::string>> attendus;
    for (std::string ligne; std::getline(fichier, ligne);) {
        if (ligne.empty() || ligne.front() == '#') continue;
        const std::size_t a = ligne.find('\t'), b = ligne.find('\t', a + 1);
        ASSERT_NE(b, std::string::npos) << chemin << " : " << ligne;
        attendus[{ligne.substr(0, a), ligne.substr(a + 1, b - a - 1)}].push_back(
            ligne.substr(b + 1));
    }
    ASSERT_FALSE(attendus.empty()) << chemin;
    for (const auto& [cas, lignes] : attendus) {
        std::vector<std::string> arguments;
        std::istringstream options(cas.options);
        for (std::string o; options >> o;) arguments.push_back(o);
        arguments.push_back(cas.texte);
        const Resultat r = Lance(arguments);
        std::vector<std::string> sortie;
        std::istringstream flux(r.sortie);
        for (std::string l; std::getline(flux, l);) sortie.push_back(l);
        for (const std::string& l : lignes)
            EXPECT_EQ(std::find(sortie.begin(), sortie.end(), l.substr(l.starts_with('!'))) ==
                          sortie.end(),
                      l.starts_with('!'))
                << chemin.filename() << " : " << cas.texte << " " << cas.options << "\n  attendu : "
                << l << "\n  sortie :\n"
                << r.sortie << r.erreurs;
    }
}

}  // namespace

TEST(Grammaire, Tables) {
    int tables = 0;
    for (const auto& f : std::filesystem::directory_iterator(DONNEES_GRAMMAIRE))
        if (f.path().extension() == ".tsv") {
            SCOPED_TRACE(f.path().filename().string());
            VerifieTable(f.path());
            ++tables;
        }
    EXPECT_GT(tables, 0);
}
