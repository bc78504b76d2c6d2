// conjugue --exercices as a script uses it: the seed printed makes the same
// sheet again, JSON holds every answer, bad values are refused.
#include <gtest/gtest.h>

#include <regex>

#include "json_lu.hpp"
#include "processus.hpp"

namespace {

TEST(Exercices, LaGraineImprimeeRefaitLaFiche) {
    const Resultat r = Lance({"--exercices", "--courants", "--nombre", "15"});
    ASSERT_EQ(r.Statut, 0) << r.Erreurs;
    std::smatch m;
    ASSERT_TRUE(std::regex_search(r.Sortie, m, std::regex("^Fiche d'exercices — graine (\\d+)\n")));
    EXPECT_EQ(Lance({"--exercices", "--courants", "--nombre", "15", "--graine", m[1]}).Sortie,
              r.Sortie);
    // The key on a page of its own, with the same seed.
    EXPECT_NE(r.Sortie.find("\fCorrigé — graine " + m[1].str() + "\n"), std::string::npos);
}

TEST(Exercices, JsonEtEntreeStandard) {
    const Resultat r =
        Lance({"--exercices", "--json", "--graine", "9", "--nombre", "4"}, "payer\n\n  finir  \n");
    ASSERT_EQ(r.Statut, 0) << r.Erreurs;
    const rapidjson::Document d = essais::LitJson(r.Sortie);
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
        EXPECT_EQ(r.Statut, 2) << a[1] << ' ' << a[2];
        EXPECT_TRUE(r.Sortie.empty());
        EXPECT_FALSE(r.Erreurs.empty());
    }
    const Resultat r = Lance({"--exercices", "--passif", "dormir", "finr"});
    EXPECT_EQ(r.Statut, 1);
    EXPECT_NE(r.Erreurs.find("« finr » n'est pas un verbe"), std::string::npos) << r.Erreurs;
    EXPECT_NE(r.Erreurs.find("aucun item"), std::string::npos) << r.Erreurs;
}

}  // namespace
