// One tense, one person or one form on demand; the likely verb behind a
// misspelt one.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "commande.hpp"
#include "conjugaison.hpp"
#include "filtre.hpp"
#include "json_lu.hpp"
#include "processus.hpp"

namespace {

struct Cas {
    std::vector<std::string> Arguments;
    int Statut;
    std::string Sortie;   // whole, or a part of it when `partiel`
    std::string Erreurs;  // a part of standard error ("" for none at all)
    bool Partiel = false;
};

void Verifie(const Cas& c) {
    const Resultat r = Lance(c.Arguments);
    std::string nom;
    for (const std::string& a : c.Arguments) nom += a + ' ';
    EXPECT_EQ(r.Statut, c.Statut) << nom;
    if (c.Partiel)
        EXPECT_NE(r.Sortie.find(c.Sortie), std::string::npos) << nom << r.Sortie;
    else
        EXPECT_EQ(r.Sortie, c.Sortie) << nom;
    if (c.Erreurs.empty())
        EXPECT_EQ(r.Erreurs, "") << nom;
    else
        EXPECT_NE(r.Erreurs.find(c.Erreurs), std::string::npos) << nom << r.Erreurs;
}

}  // namespace

TEST(ConjugueFiltre, TempsEtPersonne) {
    const Cas cas[] = {
        {{"--temps", "ImpSubj", "--personne", "6", "vouloir"}, 0, "qu'ils voulussent\n", ""},
        {{"--temps=subjonctif-imparfait", "--personne=ils", "vouloir", "finir"},
         0,
         "qu'ils voulussent\nqu'ils finissent\n",
         ""},
        {{"--personne", "elle", "--temps", "Passé composé", "--feminin", "--negation", "venir"},
         0,
         "elle n'est pas venue\n",
         ""},
        {{"--temps", "impératif-présent", "--personne", "vous", "s'en aller"},
         0,
         "allez-vous-en\n",
         ""},
        {{"--temps", "INDICATIF-PRESENT", "--personne", "1", "être"}, 0, "je suis\n", ""},
        {{"--temps", "futur-simple", "être"},
         0,
         "je serai\ntu seras\nil sera\nnous serons\nvous serez\nils seront\n",
         ""},
        {{"--personne", "je", "avoir"}, 0, "Indicatif Présent            j'ai\n", "", true},
        {{"--tsv", "--temps", "P2Cond", "--personne", "1", "aimer"},
         0,
         "aimer\tGroupe\t0\tGroupe : 1\naimer\tP2Cond\t1\tj'eusse aimé\n",
         ""},
        {{"--json", "--format", "1", "--temps", "PCImp", "--personne", "tu", "partir"},
         0,
         "false},\"personne\":2,\"cellules\":{\"PCImp\":[\"sois parti\"]}}\n",
         "",
         true},
        {{"--temps", "ImpSubj", "--personne", "6", "maison"}, 1, "", "maison : Ceci n'est pas"},
        // Usage errors list what is valid.
        {{"--temps", "subjonctif-futur", "aller"}, 2, "", "ImpSubj (subjonctif-imparfait)"},
        {{"--personne", "7", "aller"}, 2, "", "1 à 6, je, tu, il"},
        {{"aller", "--temps"}, 2, "", "--temps : valeur manquante"},
        {{"--temps", "PresImp", "--personne", "je", "aller"}, 2, "", "n'a que tu, nous et vous"},
        {{"--temps", "PartPres", "--personne", "3", "aller"}, 2, "", "pas de personne"},
        {{"--analyse", "--temps", "PresInd", "allions"}, 2, "", "--analyse"},
    };
    for (const Cas& c : cas) Verifie(c);
}

// The facts a kept form was built with are the full object's, for a known
// verb as for an unknown one.
TEST(ConjugueFiltre, JsonGardeLesFaits) {
    const auto faits = [](const std::string& objet) {
        const std::size_t debut = objet.find("\"faits\":");
        return debut == std::string::npos ? std::string()
                                          : objet.substr(debut, objet.find('}', debut) - debut);
    };
    for (const char* verbe : {"parler", "neiger", "s'évanouir", "zigouiller"}) {
        const Resultat complet = Lance({"--json", verbe});
        const Resultat filtre = Lance({"--json", "--temps", "PresInd", "--personne", "3", verbe});
        EXPECT_FALSE(faits(complet.Sortie).empty()) << verbe;
        EXPECT_EQ(faits(filtre.Sortie), faits(complet.Sortie)) << verbe;
    }
}

// What is kept is the full output's, byte for byte, for every tense and
// person and under any options: its TSV lines, its JSON forms and keys.
TEST(ConjugueFiltre, CommeDansLaSortieComplete) {
    const auto lance = [](std::vector<std::string> arguments,
                          const std::vector<std::string>& plus) {
        arguments.insert(arguments.end(), plus.begin(), plus.end());
        florimot::TEntreeMemoire entree("parler\nneiger\ns'en aller\nmaison\nse lever\n");
        florimot::TSortieMemoire sortie, erreurs;
        const int statut = florimot::ExecuteConjugue(arguments, entree, sortie, erreurs);
        std::vector<std::string> lignes;
        std::istringstream flux(sortie.Texte());
        for (std::string l; std::getline(flux, l);) lignes.push_back(l);
        return std::make_pair(statut, lignes);
    };
    const std::vector<std::string> optionsPossibles[] = {
        {}, {"--feminin", "--negation", "--interrogation"}, {"--passif", "--rectifiee"}};
    for (const std::vector<std::string>& options : optionsPossibles) {
        const auto tsv = lance({"--tsv"}, options).second;
        const auto json = lance({"--json", "--format", "1"}, options).second;
        ASSERT_EQ(tsv.size(), 5 * (florimot::NombreLignesGrille + 1));
        ASSERT_EQ(json.size(), 5u);
        for (std::size_t t = 0; t < florimot::Grille.size(); ++t)
            for (int p = 0; p <= 6; ++p) {
                const florimot::TFiltre filtre{int(t), p};
                if (filtre.Lignes().empty()) continue;  // refused
                std::vector<std::string> arguments = {"--temps",
                                                      std::string(florimot::Grille[t].Nom)};
                if (p > 0) arguments.insert(arguments.end(), {"--personne", std::to_string(p)});
                const std::string nom = arguments[1] + ' ' + std::to_string(p);

                std::vector<std::string> attendu;
                for (std::size_t v = 0; v < 5; ++v) {
                    const std::size_t debut = v * (florimot::NombreLignesGrille + 1);
                    attendu.push_back(tsv[debut]);
                    for (const std::size_t i : filtre.Lignes())
                        attendu.push_back(tsv[debut + 1 + i]);
                }
                arguments.insert(arguments.begin(), "--tsv");
                EXPECT_EQ(lance(arguments, options).second, attendu) << nom;

                attendu.clear();
                for (const std::string& ligne : json) {
                    const rapidjson::Document complet = essais::LitJson(ligne);
                    rapidjson::Document objet(rapidjson::kObjectType);
                    auto& a = objet.GetAllocator();
                    const auto pose = [&](std::string_view cle, rapidjson::Value valeur) {
                        objet.AddMember(
                            rapidjson::Value(cle.data(), rapidjson::SizeType(cle.size()), a),
                            valeur, a);
                    };
                    for (const auto& m : complet.GetObject())
                        if (m.name != "cellules")
                            pose(essais::Texte(m.name), rapidjson::Value(m.value, a));
                    if (complet.HasMember("cellules")) {
                        if (p > 0) pose("personne", rapidjson::Value(p));
                        rapidjson::Value cellules(rapidjson::kObjectType);
                        for (const florimot::TCellule& c : florimot::Grille)
                            for (const std::size_t i : filtre.Lignes()) {
                                if (i < c.Premier || i >= std::size_t(c.Premier + c.NombreLignes()))
                                    continue;
                                const rapidjson::Value cle(c.Nom.data(),
                                                           rapidjson::SizeType(c.Nom.size()));
                                if (!cellules.HasMember(cle))
                                    cellules.AddMember(rapidjson::Value(cle, a),
                                                       rapidjson::Value(rapidjson::kArrayType), a);
                                cellules[cle].PushBack(
                                    rapidjson::Value(complet["cellules"][cle]
                                                            [rapidjson::SizeType(i - c.Premier)],
                                                     a),
                                    a);
                            }
                        pose("cellules", std::move(cellules));
                    }
                    attendu.push_back(essais::EcritJson(objet));
                }
                arguments[0] = "--json";
                arguments.insert(arguments.begin() + 1, {"--format", "1"});
                EXPECT_EQ(lance(arguments, options).second, attendu) << nom;
            }
    }
}

// Only for a text given as an argument, on standard error before its grid;
// the verb is still conjugated and the status unchanged.
TEST(ConjugueFiltre, VerbeInconnuProche) {
    if (!DictionnaireDisponible()) GTEST_SKIP() << "conjugue sans dictionnaire (libhunspell)";
    if (!std::filesystem::exists("/usr/share/hunspell/fr.dic"))
        GTEST_SKIP() << "dictionnaire français absent (hunspell-fr-comprehensive)";
    const Cas cas[] = {
        {{"acceuillir"},
         0,
         "acceuillir — Groupe : 2 — se conjugue comme finir — -iss- devant les terminaisons "
         "du pluriel : nous finissons\n",
         "acceuillir : Vouliez-vous dire « accueillir » ?\n",
         true},
        {{"--temps", "PresInd", "--personne", "1", "boullir"},
         0,
         "je boullis\n",
         "boullir : Vouliez-vous dire « bouillir » ?\n"},
        {{"--json", "--format", "1", "googler"},
         0,
         "\"modele\":\"parler\",\"regle\":\"\",\"connu\":false,\"suggestions\":[],",
         "googler : mot inconnu, peut-être anglais (conjugue --anglais)\n",
         true},
        {{"--json", "--format", "1", "ammener"},
         0,
         "\"modele\":\"lever\",\"regle\":\"e devient è devant une syllabe muette : je lève, nous "
         "levons\",\"connu\":false,\"suggestions\":[\"amener\",\"emmener\"],\"options",
         "ammener : Vouliez-vous dire « amener » ou « emmener » ?\n",
         true},
        {{"--json", "--format", "1", "parler"},
         0,
         "\"modele\":\"parler\",\"regle\":\"\",\"options\"",
         "",
         true},
    };
    for (const Cas& c : cas) Verifie(c);
    // A batch on standard input does not load the dictionary: nothing said.
    const Resultat r = Lance({"--tsv"}, "acceuillir\n");
    EXPECT_EQ(r.Statut, 0);
    EXPECT_EQ(r.Erreurs, "");
}
