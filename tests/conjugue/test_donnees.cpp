// Cases kept as data (tests/donnees/*.tsv), one driver a front end; and the
// flags of conjugue, each said in its manual page and the README.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "drapeaux.hpp"
#include "processus.hpp"

namespace {

std::string Lit(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    std::ostringstream texte;
    texte << f.rdbuf();
    return texte.str();
}

std::vector<std::string> Champs(const std::string& ligne) {
    std::vector<std::string> champs;
    std::size_t debut = 0;
    for (std::size_t tab; (tab = ligne.find('\t', debut)) != std::string::npos; debut = tab + 1)
        champs.push_back(ligne.substr(debut, tab - debut));
    champs.push_back(ligne.substr(debut));
    return champs;
}

std::vector<std::string> Mots(const std::string& texte) {
    std::vector<std::string> mots;
    std::istringstream flux(texte);
    for (std::string mot; flux >> mot;) mots.push_back(mot);
    return mots;
}

// The rows of a data file, comments and blank lines left out, grouped by
// their first two fields (text, options) in the order they come: each group
// is one run of conjugue, with the rest of each of its rows.
struct Groupe {
    std::string texte, options;
    std::vector<std::vector<std::string>> suites;
};

std::vector<Groupe> Groupes(const std::string& fichier) {
    std::vector<Groupe> groupes;
    std::istringstream flux(Lit(std::string(FLORIMOT_DONNEES) + "/" + fichier));
    for (std::string ligne; std::getline(flux, ligne);) {
        if (ligne.empty() || ligne[0] == '#') continue;
        std::vector<std::string> champs = Champs(ligne);
        champs.resize(std::max<std::size_t>(champs.size(), 2));
        if (groupes.empty() || groupes.back().texte != champs[0] ||
            groupes.back().options != champs[1])
            groupes.push_back({champs[0], champs[1], {}});
        champs.erase(champs.begin(), champs.begin() + 2);
        if (!champs.empty() && !(champs.size() == 1 && champs[0].empty()))
            groupes.back().suites.push_back(std::move(champs));
    }
    return groupes;
}

std::string Joint(const std::vector<std::string>& champs) {
    std::string r;
    for (const std::string& c : champs) r += (r.empty() ? "" : "\t") + c;
    return r;
}

std::vector<std::string> Arguments(const Groupe& g, std::vector<std::string> debut) {
    for (std::string& o : Mots(g.options)) debut.push_back(std::move(o));
    debut.push_back("--");
    debut.push_back(g.texte);
    return debut;
}

TEST(Donnees, AnalyseTsv) {
    const std::vector<Groupe> groupes = Groupes("analyse.tsv");
    ASSERT_FALSE(groupes.empty());
    for (const Groupe& g : groupes) {
        const Resultat r = Lance(Arguments(g, {"--analyse", "--tsv"}));
        std::string attendu;
        for (const auto& suite : g.suites) attendu += Joint(suite) + '\n';
        EXPECT_EQ(r.sortie, attendu) << g.texte << " [" << g.options << "]";
        EXPECT_EQ(r.statut, g.suites.empty() ? 1 : 0) << g.texte << " [" << g.options << "]";
    }
}

TEST(Donnees, GrilleTsv) {
    const std::vector<Groupe> groupes = Groupes("grille.tsv");
    ASSERT_FALSE(groupes.empty());
    for (const Groupe& g : groupes) {
        const Resultat r = Lance(Arguments(g, {"--tsv"}));
        EXPECT_EQ(r.statut, 0) << g.texte;
        for (const auto& suite : g.suites)
            EXPECT_NE(r.sortie.find(g.texte + '\t' + Joint(suite) + '\n'), std::string::npos)
                << g.texte << " [" << g.options << "] " << Joint(suite);
    }
}

// Whether `texte` names the flag as a word of its own: not "-h" in "--help".
bool NommeDans(const std::string& texte, std::string_view nom) {
    const auto lettre = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-' ||
               (static_cast<unsigned char>(c) & 0x80) != 0;
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
    const std::string readme = Lit(std::string(FLORIMOT_SOURCES) + "/README.md");
    ASSERT_FALSE(manuel.empty());
    ASSERT_FALSE(readme.empty());
    for (const florimot::TDrapeau& d : florimot::Drapeaux)
        for (std::string_view nom : d.Noms) {
            if (nom.empty()) continue;
            EXPECT_TRUE(NommeDans(manuel, nom)) << nom << " absent de man/conjugue.1";
            EXPECT_TRUE(NommeDans(readme, nom)) << nom << " absent du README";
        }
}

}  // namespace
