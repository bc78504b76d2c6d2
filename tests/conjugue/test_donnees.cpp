// Cases kept as data (tests/donnees/*.tsv and the tables of
// tests/donnees/grammaire/), read by this one driver of conjugue; and the
// flags of conjugue, each said in its manual page and the README.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "drapeaux.hpp"
#include "processus.hpp"

namespace {

// The rows of a data file but comments, grouped by their first two fields
// (text, options) in the order they come: a group is one run of conjugue,
// with the rest of each row ("" for none).
struct TGroupe {
    std::string Texte, Options;
    std::vector<std::string> Suites;
};

std::vector<TGroupe> Groupes(const std::string& fichier) {
    std::vector<TGroupe> groupes;
    std::istringstream flux(Lit(std::string(FLORIMOT_DONNEES) + "/" + fichier));
    for (std::string ligne; std::getline(flux, ligne);) {
        if (ligne.empty() || ligne[0] == '#') continue;
        const std::size_t t1 = ligne.find('\t'), t2 = ligne.find('\t', t1 + 1);
        const std::string texte = ligne.substr(0, t1),
                          options = ligne.substr(t1 + 1, t2 - std::min(t2, t1 + 1)),
                          suite = t2 == std::string::npos ? "" : ligne.substr(t2 + 1);
        if (groupes.empty() || groupes.back().Texte != texte || groupes.back().Options != options)
            groupes.push_back({texte, options, {}});
        if (!suite.empty()) groupes.back().Suites.push_back(suite);
    }
    return groupes;
}

// The pieces between separators; empty ones too when `vides`.
std::vector<std::string> Coupe(const std::string& texte, char separateur, bool vides = false) {
    std::vector<std::string> morceaux;
    std::istringstream flux(texte);
    for (std::string m; std::getline(flux, m, separateur);)
        if (vides || !m.empty()) morceaux.push_back(m);
    return morceaux;
}

std::vector<std::string> Arguments(const TGroupe& g, std::vector<std::string> arguments) {
    std::istringstream options(g.Options);
    for (std::string o; options >> o;) arguments.push_back(o);
    arguments.insert(arguments.end(), {"--", g.Texte});
    return arguments;
}

TEST(Donnees, AnalyseTsv) {
    const std::vector<TGroupe> groupes = Groupes("analyse.tsv");
    ASSERT_FALSE(groupes.empty());
    for (const TGroupe& g : groupes) {
        const Resultat r = Lance(Arguments(g, {"--analyse", "--tsv"}));
        std::string attendu;
        for (const std::string& suite : g.Suites) attendu += suite + '\n';
        EXPECT_EQ(r.Sortie, attendu) << g.Texte << " [" << g.Options << "]";
        EXPECT_EQ(r.Statut, g.Suites.empty() ? 1 : 0) << g.Texte << " [" << g.Options << "]";
    }
}

TEST(Donnees, GrilleTsv) {
    const std::vector<TGroupe> groupes = Groupes("grille.tsv");
    ASSERT_FALSE(groupes.empty());
    for (const TGroupe& g : groupes) {
        const Resultat r = Lance(Arguments(g, {"--tsv"}));
        EXPECT_EQ(r.Statut, 0) << g.Texte;
        for (const std::string& suite : g.Suites)
            EXPECT_NE(r.Sortie.find(g.Texte + '\t' + suite + '\n'), std::string::npos)
                << g.Texte << " [" << g.Options << "] " << suite;
    }
}

// A row of a grammar table is the texts to conjugate (comma-separated),
// conjugue's options (blank-separated), then the lines its output must hold,
// its tabs read as blanks; "!" before a line: must not; "2>" before it: a
// line of standard error; "$" and a number: the exit status.
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
            const Resultat r = Lance(arguments);
            std::string sortie = r.Sortie;
            std::replace(sortie.begin(), sortie.end(), '\t', ' ');
            const std::vector<std::string> lues = Coupe(sortie, '\n'),
                                           erreurs = Coupe(r.Erreurs, '\n');
            for (std::size_t i = 2; i < champs.size(); ++i, ++lignes) {
                if (champs[i].starts_with('$')) {
                    EXPECT_EQ(std::to_string(r.Statut), champs[i].substr(1)) << champs[0];
                    continue;
                }
                const bool absente = champs[i].starts_with('!');
                std::string attendue = champs[i].substr(absente ? 1 : 0);
                const bool erreur = attendue.starts_with("2>");
                if (erreur) attendue.erase(0, 2);
                const std::vector<std::string>& lues_ = erreur ? erreurs : lues;
                EXPECT_EQ(std::find(lues_.begin(), lues_.end(), attendue) == lues_.end(), absente)
                    << table.path().filename() << " : " << champs[0] << "\n  " << champs[i] << "\n"
                    << sortie;
            }
        }
    }
    EXPECT_GT(lignes, 0);
}

// Whether `texte` names the flag as a word of its own: not "-h" in "--help".
bool NommeDans(const std::string& texte, std::string_view nom) {
    const auto lettre = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-' || (c & 0x80) != 0;
    };
    for (std::size_t i = texte.find(nom); i != std::string::npos; i = texte.find(nom, i + 1)) {
        const std::size_t fin = i + nom.size();
        if ((i == 0 || !lettre(texte[i - 1])) && (fin == texte.size() || !lettre(texte[fin])))
            return true;
    }
    return false;
}

// Every flag --help lists is documented where users look for it.
TEST(Drapeaux, DansLeManuelEtLeReadme) {
    std::string manuel = Lit(std::string(FLORIMOT_SOURCES) + "/man/conjugue.1");
    for (std::size_t i; (i = manuel.find("\\-")) != std::string::npos;) manuel.erase(i, 1);
    std::string anglais = Lit(std::string(FLORIMOT_SOURCES) + "/man/en/conjugue.1");
    for (std::size_t i; (i = anglais.find("\\-")) != std::string::npos;) anglais.erase(i, 1);
    ASSERT_FALSE(anglais.empty());
    const std::string readme = Lit(std::string(FLORIMOT_SOURCES) + "/README.md");
    ASSERT_FALSE(manuel.empty() || readme.empty());
    for (const florimot::TDrapeau& d : florimot::Drapeaux)
        for (std::string_view nom : d.Noms) {
            if (nom.empty()) continue;
            EXPECT_TRUE(NommeDans(manuel, nom)) << nom << " absent de man/conjugue.1";
            EXPECT_TRUE(NommeDans(anglais, nom)) << nom << " absent de man/en/conjugue.1";
            EXPECT_TRUE(NommeDans(readme, nom)) << nom << " absent du README";
        }
}

}  // namespace
