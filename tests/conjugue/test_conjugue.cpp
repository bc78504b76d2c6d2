#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "../textes_hostiles.hpp"
#include "commande.hpp"
#include "conjugaison.hpp"
#include "processus.hpp"
#include "utf8.hpp"

namespace {

std::vector<std::string> Lignes(const std::string& texte) {
    std::vector<std::string> lignes;
    std::istringstream flux(texte);
    for (std::string l; std::getline(flux, l);) lignes.push_back(l);
    return lignes;
}

std::vector<std::string> Champs(const std::string& ligne) {
    std::vector<std::string> champs;
    std::size_t debut = 0;
    for (std::size_t tab; (tab = ligne.find('\t', debut)) != std::string::npos; debut = tab + 1)
        champs.push_back(ligne.substr(debut, tab - debut));
    champs.push_back(ligne.substr(debut));
    return champs;
}

}  // namespace

TEST(ConjugueTsv, QuatreVingtDixHuitLignesDansLOrdreDeLaGrille) {
    const Resultat r = Lance({"--tsv", "parler", "haïr"});
    ASSERT_EQ(r.Statut, 0) << r.Erreurs;
    EXPECT_EQ(r.Erreurs, "");
    const auto lignes = Lignes(r.Sortie);
    ASSERT_EQ(lignes.size(), 2u * 98);
    EXPECT_EQ(lignes[0], "parler\tGroupe\t0\tGroupe : 1");
    EXPECT_EQ(lignes[1], "parler\tPresInd\t1\tje parle");
    EXPECT_EQ(lignes[7], "parler\tPCInd\t1\tj'ai parlé");
    EXPECT_EQ(lignes[97], "parler\tPartPres\t0\tparlant");
    EXPECT_EQ(lignes[98], "haïr\tGroupe\t0\tGroupe : 2");
    EXPECT_EQ(lignes[99], "haïr\tPresInd\t1\tje hais");

    // Every request once, in the grid's order, with its person.
    std::size_t i = 1;
    for (const florimot::TCellule& c : florimot::Grille)
        for (int p = c.PremierePersonne; p <= c.DernierePersonne; ++p, ++i) {
            const auto champs = Champs(lignes[i]);
            ASSERT_EQ(champs.size(), 4u) << lignes[i];
            EXPECT_EQ(champs[1], c.Nom);
            EXPECT_EQ(champs[2], std::to_string(p));
        }
    EXPECT_TRUE(florimot::utf8::EstValide(r.Sortie));
}

TEST(ConjugueTsv, AuxiliairesEtNonVerbes) {
    const Resultat r = Lance({"--tsv", "avoir", "maison", "être"});
    EXPECT_EQ(r.Statut, florimot::SortieNonVerbe);
    EXPECT_EQ(r.Erreurs, "maison : Ceci n'est pas un Verbe\n");
    const auto lignes = Lignes(r.Sortie);
    ASSERT_EQ(lignes.size(), 3u * 98);
    EXPECT_EQ(lignes[0], "avoir\tGroupe\t0\tAuxiliaire");
    EXPECT_EQ(lignes[98], "maison\tGroupe\t0\tGroupe : 0");
    for (int i = 99; i < 196; ++i) {
        const auto champs = Champs(lignes[i]);
        ASSERT_EQ(champs.size(), 4u);
        EXPECT_EQ(champs[3], "") << lignes[i];
    }
    EXPECT_EQ(lignes[196], "être\tGroupe\t0\tAuxiliaire");
}

TEST(ConjugueLecture, EntreeStandardLigneParLigne) {
    const Resultat r = Lance({"--tsv"}, "parler\n\r\nfinir\r\n\nse lever\n  aimer");
    EXPECT_EQ(r.Statut, florimot::SortieSucces);
    EXPECT_EQ(r.Erreurs, "");
    const auto lignes = Lignes(r.Sortie);
    ASSERT_EQ(lignes.size(), 4u * 98);
    EXPECT_EQ(lignes[0], "parler\tGroupe\t0\tGroupe : 1");
    EXPECT_EQ(lignes[98], "finir\tGroupe\t0\tGroupe : 2");
    EXPECT_EQ(lignes[196], "se lever\tGroupe\t0\tGroupe : 1");
    EXPECT_EQ(lignes[197], "se lever\tPresInd\t1\tje me lève");
    EXPECT_EQ(lignes[294], "aimer\tGroupe\t0\tGroupe : 1");
}

// A phrase is one text, whole in <mot>; a text the engine cannot read is
// refused whole, not cut to its verb.
TEST(ConjugueLecture, Locutions) {
    const Resultat r = Lance({"--tsv"}, "  se rendre  compte\nse rendre comte\n");
    EXPECT_EQ(r.Statut, florimot::SortieNonVerbe);
    EXPECT_EQ(r.Erreurs, "se rendre comte : Ceci n'est pas un Verbe\n");
    const auto lignes = Lignes(r.Sortie);
    ASSERT_EQ(lignes.size(), 2u * 98);
    EXPECT_EQ(lignes[7], "se rendre compte\tPCInd\t1\tje me suis rendu compte");
    EXPECT_EQ(lignes[98], "se rendre comte\tGroupe\t0\tGroupe : 0");
    EXPECT_EQ(Lance({"--json", "--format", "1", "faire attention"})
                  .Sortie.rfind("{\"mot\":\"faire attention\",", 0),
              0u);
}

TEST(ConjugueLecture, TexteInvalideSignaleEtSaute) {
    struct Cas {
        std::string Entree;
        std::string Message;
        std::size_t Verbes;
    };
    const Cas cas[] = {
        {"parler\n\xff\xfe\nfinir\n", "ligne 2", 2},
        {"parl\xc3\n", "ligne 1", 0},
        {std::string("a\0b\nfinir\n", 10), "ligne 1", 1},
        {"finir\n\xed\xa0\x80r\n", "ligne 2", 1},  // a surrogate
        {"finir\n\xc0\xaf\n", "ligne 2", 1},       // an overlong "/"
    };
    for (const Cas& c : cas) {
        const Resultat r = Lance({"--tsv"}, c.Entree);
        EXPECT_EQ(r.Statut, florimot::SortieTexteInvalide) << c.Message;
        EXPECT_NE(r.Erreurs.find(c.Message), std::string::npos) << r.Erreurs;
        EXPECT_EQ(Lignes(r.Sortie).size(), 98 * c.Verbes);
        EXPECT_TRUE(florimot::utf8::EstValide(r.Sortie));
    }
    const Resultat arg = Lance({"--tsv", "parler", "\xe9t\xe9"});
    EXPECT_EQ(arg.Statut, florimot::SortieTexteInvalide);
    EXPECT_NE(arg.Erreurs.find("argument 2"), std::string::npos);
    EXPECT_EQ(Lignes(arg.Sortie).size(), 98u);
}

TEST(ConjugueLecture, EntreesHostiles) {
    struct Cas {
        std::vector<std::string> Arguments;
        std::string Entree;
        int Statut;
    };
    const Cas cas[] = {
        {{""}, "", florimot::SortieNonVerbe},
        {{"   "}, "", florimot::SortieNonVerbe},
        {{std::string(10000, 'a') + "er"}, "", florimot::SortieNonVerbe},
        {{"--tsv"}, std::string(3'000'000, 'x') + "\nparler\n", florimot::SortieNonVerbe},
        {{"--tsv"}, std::string(1 << 20, '\xff'), florimot::SortieTexteInvalide},
        {{"--tsv"}, "", florimot::SortieSucces},
        {{"--tsv", "--", "-er"}, "", florimot::SortieNonVerbe},
        {{"--inconnu"}, "", florimot::SortieTexteInvalide},
    };
    for (const Cas& c : cas) {
        const Resultat r = Lance(c.Arguments, c.Entree);
        EXPECT_EQ(r.Statut, c.Statut) << (c.Arguments.empty() ? "" : c.Arguments[0].substr(0, 20));
        EXPECT_TRUE(florimot::utf8::EstValide(r.Sortie));
    }
}

TEST(ConjugueAffichage, GrilleLisible) {
    const Resultat r = Lance({"parler", "avoir"});
    ASSERT_EQ(r.Statut, 0);
    const std::string& s = r.Sortie;
    EXPECT_EQ(s.rfind("parler — Groupe : 1\n", 0), 0u);
    for (const char* attendu :
         {"\nIndicatif\n  Présent\n    je parle\n    tu parles\n",
          "  Passé Composé\n    j'ai parlé\n",
          "\nImpératif\n  Présent\n    parle\n    parlons\n    parlez\n  Passé\n",
          "\nParticipe Présent\n  parlant\n"})
        EXPECT_NE(s.find(attendu), std::string::npos) << attendu;
    EXPECT_NE(s.find("\navoir — Auxiliaire\n"), std::string::npos);
}

TEST(ConjugueOptions, AideEtVersion) {
    const Resultat aide = Lance({"--help"});
    EXPECT_EQ(aide.Statut, 0);
    EXPECT_NE(aide.Sortie.find("Utilisation : conjugue"), std::string::npos);
    for (const char* mention : {"--json", "COLUMNS", "NO_COLOR", "head", "4 si"})
        EXPECT_NE(aide.Sortie.find(mention), std::string::npos) << mention;
    const Resultat version = Lance({"--version"});
    EXPECT_EQ(version.Statut, 0);
    EXPECT_EQ(version.Sortie.rfind("conjugue (Florimot) ", 0), 0u);
}

TEST(ConjugueEnProcessus, MemeResultatQueLaCommande) {
    florimot::TEntreeMemoire entree("lever\n");
    florimot::TSortieMemoire sortie, erreurs;
    EXPECT_EQ(florimot::ExecuteConjugue({"--tsv"}, entree, sortie, erreurs), 0);
    EXPECT_EQ(sortie.Texte(), Lance({"--tsv", "lever"}).Sortie);
}

// The options reach every output, in either spelling, and the header says
// which are in force and which model the verb follows.
TEST(ConjugueOptions, FormesCommeOnLesEcrit) {
    struct Cas {
        std::vector<std::string> Arguments;
        std::size_t Ligne;
        std::string Attendu;
    };
    const Cas cas[] = {
        {{"--tsv", "--negation", "se lever"}, 1, "se lever\tPresInd\t1\tje ne me lève pas"},
        {{"--tsv", "--négation", "--féminin", "venir"}, 9, "venir\tPCInd\t3\telle n'est pas venue"},
        {{"--tsv", "--interrogation", "PARLER"}, 3, "parler\tPresInd\t3\tparle-t-il\u00a0?"},
        {{"--tsv", "--passif", "--feminin", "aimer"}, 3, "aimer\tPresInd\t3\telle est aimée"},
        {{"--tsv", "s'en aller"}, 73, "s'en aller\tPresImp\t1\tva-t'en"},
        {{"--negation", "commencer"},
         0,
         "commencer — Groupe : 1 — se conjugue comme placer — c prend une cédille devant a et o "
         ": nous plaçons — négation"},
        {{"--tsv", "--rectifiée", "connaître"}, 3, "connaître	PresInd	3	il connait"},
        {{"--tsv", "--variante", "payer"}, 1, "payer	PresInd	1	je paye"},
        {{"--rectifiee", "--variante", "asseoir"},
         0,
         "asseoir — Groupe : 3 — -ied- au singulier du présent, -ey- devant une voyelle : "
         "j'assieds, nous asseyons — orthographe rectifiée, autre forme"},
        {{"asseoir"},
         0,
         "asseoir — Groupe : 3 — oi devant une consonne ou un e muet, oy devant une voyelle : "
         "j'assois, nous assoyons"},
    };
    for (const Cas& c : cas) {
        const Resultat r = Lance(c.Arguments);
        EXPECT_EQ(r.Statut, florimot::SortieSucces) << c.Attendu;
        const auto lignes = Lignes(r.Sortie);
        ASSERT_GT(lignes.size(), c.Ligne);
        EXPECT_EQ(lignes[c.Ligne], c.Attendu);
    }
}

// From a form back to its verbs, on the French dictionary the test command
// installs.
TEST(ConjugueAnalyse, FormesEtSuggestions) {
    if (!DictionnaireDisponible()) GTEST_SKIP() << "conjugue sans dictionnaire (libhunspell)";
    if (!std::filesystem::exists("/usr/share/hunspell/fr.dic"))
        GTEST_SKIP() << "dictionnaire français absent (hunspell-fr-comprehensive)";
    struct Cas {
        std::vector<std::string> Arguments;
        int Statut;
        std::string Sortie, Erreurs;
    };
    const Cas cas[] = {
        {{"--analyse", "--tsv", "allions", "été"},
         0,
         "allions\taller\tImpInd\t4\nallions\taller\tPresSubj\t4\nallions\tallier\tPresInd\t4\n"
         "allions\tallier\tPresImp\t2\nété\têtre\tPartPasse\t0\n",
         ""},
        {{"--analyse", "vainquît"}, 0, "« vainquît » : vaincre, subjonctif imparfait, il\n", ""},
        {{"--analyse", "--tsv", "cèderai", "puis"},
         0,
         "cèderai\tcéder\tFSInd\t1\npuis\tpouvoir\tPresInd\t1\n",
         ""},
        {{"--analyse", "--json", "--format", "1", "puis"},
         0,
         "{\"forme\":\"puis\",\"verbes\":[{\"infinitif\":\"pouvoir\",\"connu\":true,"
         "\"lectures\":[{\"cellule\":\"PresInd\",\"personne\":1,\"rectifiee\":false,"
         "\"variante\":true,\"options\":{\"feminin\":false,\"negation\":false,"
         "\"interrogation\":false,\"passif\":false,\"rectifiee\":false,"
         "\"variante\":true}}]}]}\n",
         ""},
        // A word the dictionary lacks: its most likely infinitive only.
        {{"--analyse", "--tsv", "twittâmes"},
         0,
         "twittâmes\ttwitter\tPSInd\t4\n",
         "  suggestions : twistâmes, splittâmes\n"},
        // Lines as written: the TSV keeps its four fields, the readable
        // output names the options the line shows.
        {{"--analyse", "--tsv", "Je ne me  lève pas", "va-t’en"},
         0,
         "je ne me lève pas\tse lever\tPresInd\t1\nva-t'en\ts'en aller\tPresImp\t1\n",
         ""},
        {{"--analyse", "elles sont venues"},
         0,
         "« elles sont venues » : venir, indicatif passé composé, elles (féminin)\n",
         ""},
        {{"--analyse", "--json", "--format", "1", "puis-je ?"},
         0,
         "{\"forme\":\"puis-je ?\",\"verbes\":[{\"infinitif\":\"pouvoir\",\"connu\":true,"
         "\"lectures\":[{\"cellule\":\"PresInd\",\"personne\":1,\"rectifiee\":false,"
         "\"variante\":false,\"options\":{\"feminin\":false,\"negation\":false,"
         "\"interrogation\":true,\"passif\":false,\"rectifiee\":false,"
         "\"variante\":false}}]}]}\n",
         ""},
        {{"--analyse", "--tsv", "--", "--", "?!"},
         1,
         "",
         "« -- » : aucune forme verbale connue\n« ?! » : aucune forme verbale connue\n"},
        {{"--analyse", "aqcuerir"},
         1,
         "",
         "« aqcuerir » : aucune forme verbale connue\n  suggestions : aguerrir\n"},
        {{"allions"},
         1,
         "",
         "allions : Ceci n'est pas un Verbe\n  « allions » : aller, indicatif imparfait et "
         "subjonctif "
         "présent, nous — allier, indicatif présent et impératif présent, nous\n"},
    };
    for (const Cas& c : cas) {
        const Resultat r = Lance(c.Arguments);
        EXPECT_EQ(r.Statut, c.Statut) << c.Arguments.back();
        EXPECT_EQ(r.Sortie, c.Sortie);
        // libhunspell looks for its last suggestions under a time limit: on a
        // loaded machine the list may stop early, never change its order.
        const std::string_view suggestions = "  suggestions : ";
        if (c.Erreurs.starts_with(suggestions) && r.Erreurs.starts_with(suggestions) &&
            r.Erreurs.ends_with('\n'))
            EXPECT_TRUE(c.Erreurs.starts_with(r.Erreurs.substr(0, r.Erreurs.size() - 1)))
                << r.Erreurs;
        else
            EXPECT_EQ(r.Erreurs, c.Erreurs);
    }
}

// --toutes pairs the output with the input; a batch suggests nothing unless
// --suggestions asks for it.
TEST(ConjugueAnalyse, ToutesEtSuggestionsDuLot) {
    const Resultat toutes =
        Lance({"--analyse", "--tsv", "--toutes"}, "parler\nxyzzy\n\nen parlant\n");
    EXPECT_EQ(toutes.Sortie,
              "parler\tparler\tInfPres\t0\nxyzzy\t\t\t\nen parlant\tparler\tGerPres\t0\n");
    EXPECT_EQ(toutes.Statut, 1);
    EXPECT_EQ(Lance({"--analyse", "--tsv"}, "xyzzy\n").Sortie, "");
    EXPECT_EQ(Lance({"--toutes", "parler"}).Erreurs,
              "conjugue : --toutes ne s'emploie qu'avec --analyse\n");
    EXPECT_EQ(Lance({"--analyse"}, "aqcuerir\n").Erreurs,
              "« aqcuerir » : aucune forme verbale connue\n");
    if (!DictionnaireDisponible() || !std::filesystem::exists("/usr/share/hunspell/fr.dic")) return;
    EXPECT_TRUE(
        Lance({"--analyse", "--suggestions"}, "aqcuerir\n")
            .Erreurs.starts_with("« aqcuerir » : aucune forme verbale connue\n  suggestions : "));
}

// The hostile texts on standard input, after a byte-order mark and each
// followed by a line of blanks, controls or invisible characters, which are
// skipped: the verb each reads, or the message that says why it is none.
TEST(ConjugueLecture, TextesHostiles) {
    const char* blanches[] = {" \t", "\xc2\xa0\a\x7f\r", "\xe3\x80\x80\xe2\x80\x8a",
                              "\xef\xbb\xbf"};
    std::string entree = "\xef\xbb\xbf", attendu;
    for (std::size_t i = 0; i < std::size(hostiles::Textes); ++i) {
        const hostiles::Cas& c = hostiles::Textes[i];
        entree += std::string(c.Texte) + "\n" + blanches[i % std::size(blanches)] + "\n";
        if (c.Issue != hostiles::Verbe)
            attendu += std::string(c.Lu) + (c.Issue == hostiles::TropLong
                                                ? " : trop long : 24 lettres au plus\n"
                                                : " : Ceci n'est pas un Verbe\n");
    }
    const Resultat r = Lance({"--tsv"}, entree);
    EXPECT_EQ(r.Statut, florimot::SortieNonVerbe);
    EXPECT_EQ(r.Erreurs, attendu);
    const auto lignes = Lignes(r.Sortie);
    ASSERT_EQ(lignes.size(), 98 * std::size(hostiles::Textes));
    for (std::size_t i = 0; i < std::size(hostiles::Textes); ++i) {
        EXPECT_EQ(Champs(lignes[98 * i])[0], hostiles::Textes[i].Lu);
        EXPECT_EQ(lignes[98 * i].ends_with(" 0"), hostiles::Textes[i].Issue != hostiles::Verbe);
    }
}
