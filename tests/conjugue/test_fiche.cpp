// conjugue --exercices as a script uses it: the seed printed makes the same
// sheet again, JSON holds every answer, bad values are refused.
#include <gtest/gtest.h>

#include <regex>

#include "json_lu.hpp"
#include "processus.hpp"

namespace {

TEST(Exercices, LaGraineImprimeeRefaitLaFiche) {
    const Resultat r = Lance({"--exercices", "--courants", "--nombre", "15"});
    ASSERT_EQ(r.statut, 0) << r.erreurs;
    std::smatch m;
    ASSERT_TRUE(std::regex_search(r.sortie, m, std::regex("^Fiche d'exercices — graine (\\d+)\n")));
    EXPECT_EQ(Lance({"--exercices", "--courants", "--nombre", "15", "--graine", m[1]}).sortie,
              r.sortie);
    // The key on a page of its own, with the same seed.
    EXPECT_NE(r.sortie.find("\fCorrigé — graine " + m[1].str() + "\n"), std::string::npos);
}

TEST(Exercices, JsonEtEntreeStandard) {
    const Resultat r =
        Lance({"--exercices", "--json", "--graine", "9", "--nombre", "4"}, "payer\n\n  finir  \n");
    ASSERT_EQ(r.statut, 0) << r.erreurs;
    const rapidjson::Document d = essais::LitJson(r.sortie);
    EXPECT_EQ(d["graine"].GetUint64(), 9u);
    ASSERT_EQ(d["items"].Size(), 4u);
    int payer = 0;
    for (const auto& item : d["items"].GetArray()) {
        payer += std::string(item["verbe"].GetString()) == "payer";
        ASSERT_EQ(item["reponses"].Size(), 1u);
        const auto& reponse = item["reponses"][0];
        ASSERT_GE(reponse["lignes"].Size(), 1u);
        EXPECT_EQ(reponse["lignes"].Size(), reponse["formes"].Size());
        // The blank and its subject make the line.
        const std::string amorce = reponse["amorce"].GetString(),
                          forme = reponse["formes"][0].GetString(),
                          ligne = reponse["lignes"][0].GetString();
        EXPECT_TRUE(ligne == forme || ligne == amorce + " " + forme || ligne == amorce + forme)
            << ligne;
    }
    EXPECT_EQ(payer, 2);  // each verb once before any twice
}

TEST(Exercices, ValeursRefusees) {
    for (const std::vector<std::string>& a : std::vector<std::vector<std::string>>{
             {"--exercices", "--nombre", "0", "finir"},
             {"--exercices", "--graine", "-3", "finir"},
             {"--exercices", "--genre", "qcm", "finir"},
             {"--exercices", "--groupe", "4"},
             {"--exercices", "--comme", "123"},
             {"--exercices", "--tsv", "finir"},
             {"--nombre", "3", "finir"},
         }) {
        const Resultat r = Lance(a);
        EXPECT_EQ(r.statut, 2) << a[1] << ' ' << a[2];
        EXPECT_TRUE(r.sortie.empty());
        EXPECT_FALSE(r.erreurs.empty());
    }
    const Resultat r = Lance({"--exercices", "--passif", "dormir", "finr"});
    EXPECT_EQ(r.statut, 1);
    EXPECT_NE(r.erreurs.find("« finr » n'est pas un verbe"), std::string::npos) << r.erreurs;
    EXPECT_NE(r.erreurs.find("aucun item"), std::string::npos) << r.erreurs;
}

}  // namespace
