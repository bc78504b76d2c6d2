// --json against --tsv for the same words, and what a non-verb prints.
#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

#include "commande.hpp"
#include "conjugaison.hpp"
#include "json_lu.hpp"
#include "processus.hpp"

namespace {

std::vector<std::string> Coupe(const std::string& texte, char separateur) {
    std::vector<std::string> morceaux;
    std::size_t debut = 0;
    for (std::size_t fin; (fin = texte.find(separateur, debut)) != std::string::npos;
         debut = fin + 1)
        morceaux.push_back(texte.substr(debut, fin - debut));
    if (separateur != '\n' || debut < texte.size()) morceaux.push_back(texte.substr(debut));
    return morceaux;
}

const florimot::TCellule& CelluleNommee(const std::string& nom) {
    for (const florimot::TCellule& c : florimot::GrilleComplete)
        if (c.Nom == nom) return c;
    throw std::out_of_range(nom);
}

}  // namespace

TEST(ConjugueJson, MemesFormesQueLeTsv) {
    const std::vector<std::string> mots =
        {
            "parler",    "céder",    "finir",    "haïr",         "prendre",
            "aller",     "bruire",   "avoir",    "être",         "maison",
            "s'asseoir", "pleuvoir", "résoudre", "ab\"c\\parler"};  // not a verb: its name escaped
    std::vector<std::string> json = {"--json", "--format", "1"}, tsv = {"--tsv", "--complet"};
    json.insert(json.end(), mots.begin(), mots.end());
    tsv.insert(tsv.end(), mots.begin(), mots.end());
    const Resultat rj = Lance(json), rt = Lance(tsv);
    EXPECT_EQ(rj.Statut, rt.Statut);
    EXPECT_EQ(rj.Erreurs, rt.Erreurs);

    std::map<std::string, rapidjson::Document> objets;
    for (const std::string& ligne : Coupe(rj.Sortie, '\n')) {
        rapidjson::Document objet = essais::LitJson(ligne);  // throws on a bad line
        const std::string mot = essais::Texte(objet["mot"]);
        objets[mot] = std::move(objet);
    }
    ASSERT_EQ(objets.size(), mots.size());

    std::size_t comparees = 0;
    for (const std::string& ligne : Coupe(rt.Sortie, '\n')) {
        const auto champs = Coupe(ligne, '\t');
        ASSERT_EQ(champs.size(), 4u) << ligne;
        const rapidjson::Document& objet = objets.at(champs[0]);
        if (!objet["verbe"].GetBool()) {
            EXPECT_EQ(essais::Texte(objet["erreur"]), "Ceci n'est pas un Verbe");
            EXPECT_FALSE(objet.HasMember("cellules"));
            if (champs[1] != "Groupe") {
                EXPECT_EQ(champs[3], "");
            }
        } else if (champs[1] == "Groupe") {
            EXPECT_EQ(essais::Texte(objet["groupe"]), champs[3]);
        } else {
            const florimot::TCellule& c = CelluleNommee(champs[1]);
            ASSERT_TRUE(objet["cellules"].HasMember(champs[1].c_str())) << ligne;
            const rapidjson::Value& formes = objet["cellules"][champs[1].c_str()];
            ASSERT_EQ(formes.Size(), rapidjson::SizeType(c.NombreLignes()));
            EXPECT_EQ(essais::Texte(
                          formes[rapidjson::SizeType(std::stoul(champs[2]) - c.PremierePersonne)]),
                      champs[3])
                << ligne;
            ++comparees;
        }
    }
    EXPECT_EQ(comparees, (mots.size() - 2) * florimot::NombreLignesComplet);

    // Keys in the grid's order, options stated.
    const std::string parler = Coupe(rj.Sortie, '\n')[0];
    EXPECT_EQ(
        parler.rfind(
            "{\"mot\":\"parler\",\"groupe\":\"Groupe : 1\",\"verbe\":true,\"modele\":\"parler\","
            "\"regle\":\"\",\"options\":{\"feminin\":false,\"negation\":false,"
            "\"interrogation\":false,\"passif\":false,\"rectifiee\":false,"
            "\"variante\":false},"
            "\"cellules\":{\"PresInd\":[\"je parle\",",
            0),
        0u);
    EXPECT_NE(parler.find("\"PartPres\":[\"parlant\"],\"InfPres\":[\"parler\"],"),
              std::string::npos);
    // What the verb allows comes after the forms, so the keys before keep their order.
    EXPECT_NE(parler.find("\"GerPasse\":[\"en ayant parlé\"]},\"faits\":{\"connu\":"),
              std::string::npos);
}

TEST(ConjugueJson, NonVerbeEtUsage) {
    struct Cas {
        std::vector<std::string> Arguments;
        int Statut;
        std::string Sortie, Erreurs;
    };
    const Cas cas[] = {
        {{"--json", "--format", "1", "maison"},
         florimot::SortieNonVerbe,
         "{\"mot\":\"maison\",\"verbe\":false,\"erreur\":\"Ceci n'est pas un Verbe\"}\n",
         "maison : Ceci n'est pas un Verbe\n"},
        // Readable: the message alone, never an empty grid.
        {{"maison"}, florimot::SortieNonVerbe, "", "maison : Ceci n'est pas un Verbe\n"},
        {{"--tsv", "--json", "parler"},
         florimot::SortieTexteInvalide,
         "",
         "conjugue : --tsv et --json s'excluent (conjugue --help)\n"},
        {{"--auxiliaire", "venir", "monter"},
         florimot::SortieTexteInvalide,
         "",
         "conjugue : auxiliaire « venir » inconnu : être ou avoir (conjugue --help)\n"},
    };
    for (const Cas& c : cas) {
        const Resultat r = Lance(c.Arguments);
        EXPECT_EQ(r.Statut, c.Statut) << c.Arguments[0];
        EXPECT_EQ(r.Sortie, c.Sortie);
        EXPECT_EQ(r.Erreurs, c.Erreurs);
    }
    // Between two grids, one blank line; none for the non-verb between them.
    const Resultat r = Lance({"parler", "maison", "finir"});
    EXPECT_NE(r.Sortie.find("\n    en ayant parlé\n\nfinir — Groupe : 2 — -iss-"),
              std::string::npos);
}
