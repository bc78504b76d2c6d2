#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "conjugaison.hpp"
#include "faits.hpp"
#include "index.hpp"
#include "interne.hpp"
#include "lexique.hpp"

namespace {

using florimot::TAnalyse;
using florimot::TLecture;

// One lexicon for the whole run: loading it is the slow part.
florimot::TLexique& Lexique() {
    static florimot::TLexique lexique;
    return lexique;
}

#define EXIGE_DICTIONNAIRE()                                                              \
    if (!Lexique().Disponible())                                                          \
    GTEST_SKIP() << "dictionnaire français absent (paquet hunspell-fr-comprehensive) : " \
                 << Lexique().Raison()

// The analysis needs no dictionary at run time, only its verbs in the form
// index, generated from the dictionary's file when the program was built.
#define EXIGE_INDEX()                                                     \
    if (florimot::lexique::TIndexFormes::Programme().NombreVerbes() == 0) \
    GTEST_SKIP() << "index des formes vide : construit sans dictionnaire français"

florimot::TLignesGrille GrilleDe(const std::string& infinitif) {
    florimot::TVerbe v;
    v.DefinitVerbe(infinitif);
    return florimot::ConjugueGrille(v);
}

// Every reading re-conjugates to the form: through Confirme, and through
// ConjugueForme, whose line must end in the form after a pronoun or a blank.
void VerifieRelecture(const std::string& forme, const std::vector<TAnalyse>& analyses) {
    const std::string mot = florimot::lexique::Normalise(forme).value_or(forme);
    for (const TAnalyse& a : analyses) {
        ASSERT_FALSE(a.Lectures.empty()) << forme << " : " << a.Infinitif;
        florimot::TVerbe v;
        v.DefinitVerbe(a.Infinitif);
        for (const TLecture& l : a.Lectures) {
            EXPECT_TRUE(florimot::Confirme(a.Infinitif, mot, l))
                << forme << " : " << a.Infinitif << " " << l.Cellule << " " << l.Personne;
            if (l.Cellule == "PartPasse" || l.Inversion) continue;
            for (const florimot::TCellule& c : florimot::Grille)
                if (c.Nom == l.Cellule) {
                    const std::string ligne = florimot::ConjugueForme(
                        v, c.CodeTemps, c.DecalageMode, l.Personne, florimot::OptionsDeLecture(l));
                    EXPECT_TRUE(ligne == mot || ligne.ends_with(" " + mot) ||
                                ligne.ends_with("'" + mot) || ligne.ends_with("/" + mot) ||
                                ligne.starts_with(mot + "/"))
                        << forme << " : " << a.Infinitif << " " << l.Cellule << " → " << ligne;
                }
        }
    }
}

struct Attendu {
    std::string Infinitif;
    std::vector<TLecture> Lectures;
};

TLecture Rectifiee(std::string_view cellule, int personne) {
    return {.Cellule = cellule, .Personne = personne, .Options = {.Rectifiee = true}};
}

TLecture Autre(std::string_view cellule, int personne) {
    return {.Cellule = cellule, .Personne = personne, .Options = {.Variante = true}};
}

TEST(Analyse, FormesDeChaqueFamille) {
    EXIGE_INDEX();
    struct Cas {
        std::string Forme;
        std::vector<Attendu> Verbes;
    };
    const std::vector<Cas> cas = {
        {"allions",
         {{"aller", {{"ImpInd", 4}, {"PresSubj", 4}}},
          {"allier", {{"PresInd", 4}, {"PresImp", 2}}}}},
        {"vainquît", {{"vaincre", {{"ImpSubj", 3}}}}},
        // Both spellings and both series: a reading of one of them only says so.
        {"assieds",
         {{"asseoir", {Autre("PresInd", 1), Autre("PresInd", 2), Autre("PresImp", 1)}},
          {"assoir", {Autre("PresInd", 1), Autre("PresInd", 2), Autre("PresImp", 1)}}}},
        {"assiérai", {{"asseoir", {Autre("FSInd", 1)}}, {"assoir", {Autre("FSInd", 1)}}}},
        {"assoyions",
         {{"asseoir", {{"ImpInd", 4}, {"PresSubj", 4}}},
          {"assoir", {{"ImpInd", 4}, {"PresSubj", 4}}}}},
        {"paye",
         {{"payer",
           {Autre("PresInd", 1), Autre("PresInd", 3), Autre("PresSubj", 1), Autre("PresSubj", 3),
            Autre("PresImp", 1)}}}},
        {"puis", {{"pouvoir", {Autre("PresInd", 1)}}}},
        {"connait",
         {{"connaitre", {Rectifiee("PresInd", 3)}}, {"connaître", {Rectifiee("PresInd", 3)}}}},
        {"cèderai", {{"céder", {Rectifiee("FSInd", 1)}}}},
        {"amoncèle",
         {{"amonceler",
           {Rectifiee("PresInd", 1), Rectifiee("PresInd", 3), Rectifiee("PresSubj", 1),
            Rectifiee("PresSubj", 3), Rectifiee("PresImp", 1)}}}},
        {"absout", {{"absoudre", {{"PresInd", 3}, Rectifiee("PartPasse", 0)}}}},
        {"eussé", {{"avoir", {{"ImpSubj", 1, true}}}}},
        {"puissé", {{"pouvoir", {{"PresSubj", 1, true}}}}},
        {"suis",
         {{"être", {{"PresInd", 1}}},
          {"suivre", {{"PresInd", 1}, {"PresInd", 2}, {"PresImp", 1}}}}},
        {"été", {{"être", {{"PartPasse", 0}}}}},
        {"allés", {{"aller", {{"PartPasse", 0}}}}},
        // Agreed as the féminin and passif options show them.
        {"allée", {{"aller", {{"PartPasse", 0}}}}},
        {"dissoute", {{"dissoudre", {{"PartPasse", 0}}}}},
        {"prises",
         {{"prendre", {{"PartPasse", 0}}}, {"priser", {{"PresInd", 2}, {"PresSubj", 2}}}}},
        {"plu", {{"plaire", {{"PartPasse", 0}}}, {"pleuvoir", {{"PartPasse", 0}}}}},
        {"dit", {{"dire", {{"PresInd", 3}, {"PSInd", 3}, {"PartPasse", 0}}}}},
        {"finissons", {{"finir", {{"PresInd", 4}, {"PresImp", 2}}}}},
        {"prîmes", {{"prendre", {{"PSInd", 4}}}}},
        {"peignit", {{"peindre", {{"PSInd", 3}}}}},
        {"mouvons",
         {{"mouver", {{"PresInd", 4}, {"PresImp", 2}}},
          {"mouvoir", {{"PresInd", 4}, {"PresImp", 2}}}}},
        {"reçois", {{"recevoir", {{"PresInd", 1}, {"PresInd", 2}, {"PresImp", 1}}}}},
        {"enverraient", {{"envoyer", {{"PresCond", 6}}}}},
        {"naquit", {{"naître", {{"PSInd", 3}}}}},
        {"oyons", {{"ouïr", {{"PresInd", 4}, {"PresImp", 2}}}}},
        {"gît", {{"gésir", {{"PresInd", 3}}}}},
        {"seyant", {{"seoir", {{"PartPres", 0}}}}},
        {"sache", {{"savoir", {{"PresSubj", 1}, {"PresSubj", 3}, {"PresImp", 1}}}}},
        {"E\xCC\x81te\xCC\x81", {{"être", {{"PartPasse", 0}}}}},
        {"  Allions ",
         {{"aller", {{"ImpInd", 4}, {"PresSubj", 4}}},
          {"allier", {{"PresInd", 4}, {"PresImp", 2}}}}},
        // Known words that are no verb form, markers, and what is no word.
        {"maison", {}},
        {"parler", {{"parler", {{"InfPres", 0}}}}},
        {"usité", {}},
        {"-", {}},
        {"", {}},
        {"a b", {}},
        {"\xff\xfe", {}},
        {std::string(60, 'e'), {}},
    };
    for (const Cas& c : cas) {
        const std::vector<TAnalyse> analyses = Lexique().Analyse(c.Forme);
        ASSERT_EQ(analyses.size(), c.Verbes.size()) << c.Forme;
        for (std::size_t i = 0; i < analyses.size(); ++i) {
            EXPECT_EQ(analyses[i].Infinitif, c.Verbes[i].Infinitif) << c.Forme;
            EXPECT_TRUE(analyses[i].Connu) << c.Forme;
            EXPECT_EQ(analyses[i].Lectures, c.Verbes[i].Lectures) << c.Forme;
        }
        VerifieRelecture(c.Forme, analyses);
    }
}

TEST(Analyse, VerbesAbsentsDuDictionnaire) {
    EXIGE_INDEX();
    struct Cas {
        const char* Forme;
        Attendu Premier;
    };
    const Cas cas[] = {
        {"googlions", {"googler", {{"ImpInd", 4}, {"PresSubj", 4}}}},
        {"twittâmes", {"twitter", {{"PSInd", 4}}}},
        {"googlé", {"googler", {{"PartPasse", 0}}}},
        {"googlées", {"googler", {{"PartPasse", 0}}}},
        {"reblablatèrent", {"reblablater", {{"PSInd", 6}}}},
    };
    for (const Cas& c : cas) {
        const std::vector<TAnalyse> analyses = Lexique().Analyse(c.Forme);
        ASSERT_FALSE(analyses.empty()) << c.Forme;
        EXPECT_EQ(analyses[0].Infinitif, c.Premier.Infinitif) << c.Forme;
        EXPECT_FALSE(analyses[0].Connu) << c.Forme;
        EXPECT_EQ(analyses[0].Lectures, c.Premier.Lectures) << c.Forme;
        VerifieRelecture(c.Forme, analyses);
    }
}

// A participle is read agreed only where the verb's lines agree it: a direct
// object, être, or a pronominal use.
TEST(Analyse, ParticipesAccordes) {
#ifndef FLORIMOT_TABLE_FAITS
    GTEST_SKIP() << "built without the dictionary: no verb facts";
#endif
    const florimot::TLecture participe{"PartPasse", 0, false};
    const std::tuple<const char*, const char*, bool> cas[] = {
        {"exister", "existée", false}, {"dormir", "dormie", false},  {"sembler", "semblée", false},
        {"nuire", "nuies", false},     {"falloir", "fallue", false}, {"plaire", "plues", false},
        {"aimer", "aimées", true},     {"aller", "allée", true},     {"évanouir", "évanouie", true},
        {"moquer", "moquée", true},    {"dormir", "dormi", true},
    };
    for (const auto& [infinitif, forme, lu] : cas)
        EXPECT_EQ(florimot::Confirme(infinitif, forme, participe), lu) << forme;
}

// Lines as the grid writes them, under the options they show, and loosely
// typed (blanks, capitals, ’): each gives its verb, cell, person, options.
TEST(Analyse, LignesDeLaGrille) {
    constexpr florimot::TOptions F{.Feminin = true}, N{.Negation = true},
        NI{.Negation = true, .Interrogation = true}, I{.Interrogation = true}, P{.Passif = true};
    struct Cas {
        const char* Ligne;
        const char* Infinitif;
        std::vector<TLecture> Lectures;
    };
    const Cas cas[] = {
        {"j'aime", "aimer", {{"PresInd", 1}}},
        {"que tu finisses", "finir", {{"PresSubj", 2}, {"ImpSubj", 2}}},
        {"qu'il vienne", "venir", {{"PresSubj", 3}}},
        {"nous sommes allés", "aller", {{"PCInd", 4}}},
        {"elles sont venues", "venir", {{"PCInd", 6, false, F}}},
        {"ils se sont levés", "se lever", {{"PCInd", 6}}},
        {"je ne me lève pas", "se lever", {{"PresInd", 1, false, N}}},
        {"puis-je", "pouvoir", {{"PresInd", 1, false, I}}},
        {"puis-je ?", "pouvoir", {{"PresInd", 1, false, I}}},
        {"ne parle-t-il pas ?", "parler", {{"PresInd", 3, false, NI}}},
        {"levez-vous", "se lever", {{"PresImp", 3}}},
        {"lève-toi", "se lever", {{"PresImp", 1}}},
        {"va-t'en", "s'en aller", {{"PresImp", 1}}},
        {"j'ai été aimé", "aimer", {{"PCInd", 1, false, P}}},
        {"  Je   NE me lève  pas ", "se lever", {{"PresInd", 1, false, N}}},
        {"J’aime", "aimer", {{"PresInd", 1}}},
        {"eussé-je", "avoir", {{"ImpSubj", 1, true}}},
        // A verb no table knows, in a line.
        {"nous googlions", "googler", {{"ImpInd", 4}}},
    };
    for (const Cas& c : cas) {
        const std::vector<TAnalyse> analyses = florimot::AnalyseTexte(c.Ligne);
        ASSERT_EQ(analyses.size(), 1u) << c.Ligne;
        EXPECT_EQ(analyses[0].Infinitif, c.Infinitif) << c.Ligne;
        EXPECT_EQ(analyses[0].Lectures, c.Lectures) << c.Ligne;
        // Each reading is a line the grid shows under its options.
        florimot::TVerbe v;
        v.DefinitVerbe(c.Infinitif);
        for (const TLecture& l : analyses[0].Lectures)
            if (!l.Inversion) {
                const florimot::TLignesGrille g = florimot::ConjugueGrille(v, l.Options);
                const florimot::TCellule& cellule =
                    florimot::Grille[std::size_t(florimot::lexique::RangCellule(l.Cellule))];
                const std::string lue =
                    florimot::lexique::Canonique(
                        g[cellule.Premier + l.Personne - cellule.PremierePersonne])
                        .Texte;
                EXPECT_EQ(lue, florimot::lexique::Canonique(c.Ligne).Texte) << c.Ligne;
            }
    }
}

// Words and lines that are no form of any verb: forms a known verb does not
// have, inventions, punctuation, and texts no grid line could be.
TEST(Analyse, AucuneLecture) {
    // clang-format off
    const std::string textes[] = {
        "existée", "fallue",    "puis-jer", "crochissair", "puis-jer ?", "levez-voaître",
        "maison",  "-",         "'",        "--",          "?",          "?!",
        "- ' -",   "je",        "je ne pas", "aimé-jer",   "j'aimer",    "nous sommes venu",
        "je \xff aime", std::string(3 << 20, 'a'), std::string(5000, ' ') + "aime"};
    // clang-format on
    for (const std::string& t : textes)
        EXPECT_TRUE(florimot::AnalyseTexte(t).empty()) << t.substr(0, 40);
}

// A form no table knows gets its most likely verb only: the first group
// before the others, the shorter infinitive; never one with a hyphen.
TEST(Analyse, SeulementLeVerbeLePlusProbable) {
    const std::pair<const char*, std::vector<std::string>> cas[] = {
        {"crochissais", {"crochisser"}},
        {"cocoleraient", {"cocoler"}},
        {"jumboïsais", {"jumboïser"}},
        {"blachète", {"blachèter", "blachéter"}},
    };
    for (const auto& [forme, verbes] : cas) {
        std::vector<std::string> lus;
        for (const TAnalyse& a : florimot::AnalyseTexte(forme)) {
            EXPECT_FALSE(a.Connu) << forme;
            lus.push_back(a.Infinitif);
        }
        EXPECT_EQ(lus, verbes) << forme;
    }
}

// The index over a list of its own: what the generator writes, the reader
// reads back; a damaged table reads as an empty one.
TEST(Index, GenereEtRelu) {
    const std::filesystem::path dossier =
        std::filesystem::temp_directory_path() / ("florimot_index_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dossier);
    std::ofstream(dossier / "verbes.txt") << "parler\nfinir\nmaison\n";
    ASSERT_EQ(std::system((std::string(GENERE_INDEX) + " " + (dossier / "verbes.txt").string() +
                           " " + (dossier / "index.bin").string() + " > /dev/null")
                              .c_str()),
              0);
    std::ifstream fichier(dossier / "index.bin", std::ios::binary);
    std::vector<std::uint32_t> mots(std::filesystem::file_size(dossier / "index.bin") / 4);
    fichier.read(reinterpret_cast<char*>(mots.data()), std::streamsize(mots.size() * 4));
    std::filesystem::remove_all(dossier);
    using florimot::lexique::TIndexFormes;
    const TIndexFormes index(mots);
    EXPECT_EQ(index.NombreVerbes(), 2u);
    EXPECT_TRUE(index.Connu("finir"));
    EXPECT_FALSE(index.Connu("maison"));
    std::vector<std::pair<std::string_view, std::uint32_t>> lus;
    for (std::uint32_t l : index.Cherche("finissons"))
        lus.emplace_back(index.Infinitif(florimot::lexique::VerbeDe(l)),
                         florimot::lexique::CelluleDe(l));
    EXPECT_EQ(lus, (decltype(lus){{"finir", 0}, {"finir", 12}}));
    EXPECT_TRUE(index.Cherche("allions").empty());
    // A record read where a look-up lands: a slot pointing past the table, or
    // a reading naming a cell the grid lacks, reads as no form.
    const std::string finissons = "finissons";
    const auto texte = std::search(reinterpret_cast<const char*>(mots.data()),
                                   reinterpret_cast<const char*>(mots.data() + mots.size()),
                                   finissons.begin(), finissons.end());
    const std::size_t mot = std::size_t(texte - reinterpret_cast<const char*>(mots.data())) / 4;
    std::vector<std::uint32_t> cellule = mots, alveoles = mots;
    cellule[mot - 1] |= 31u << 3;  // its last reading, just before its text
    EXPECT_TRUE(TIndexFormes(cellule).Cherche("finissons").empty());
    for (std::size_t i = 7 + 3 * mots[2] + 1; i < 7 + 3 * mots[2] + 2 * mots[4]; i += 2)
        alveoles[i] = alveoles[i] != 0 ? 0xFFFFFFFF : 0;
    EXPECT_TRUE(TIndexFormes(alveoles).Cherche("finissons").empty());
    EXPECT_FALSE(TIndexFormes(mots).Cherche("finissons").empty());
    for (std::size_t taille : {std::size_t(3), mots.size() / 2, mots.size() - 1}) {
        const TIndexFormes abime{std::span<const std::uint32_t>(mots).first(taille)};
        EXPECT_EQ(abime.NombreVerbes(), 0u);
        EXPECT_TRUE(abime.Cherche("finissons").empty());
    }
}

// Connu asks a filter of the infinitives first: it must let every verb through.
TEST(Index, ChaqueVerbeEstConnu) {
    const florimot::lexique::TIndexFormes& index = florimot::lexique::TIndexFormes::Programme();
    ASSERT_GT(index.NombreVerbes(), 1000u);
    for (std::uint32_t i = 0; i < index.NombreVerbes(); ++i)
        EXPECT_TRUE(index.Connu(index.Infinitif(i))) << index.Infinitif(i);
}

// The guesses for unknown words: every form of a verb of each model, read
// from its letters alone, must bring the verb back among the candidates.
// These verbs are not the ones the guesses were built from.
TEST(InfinitifsPossibles, RetrouventChaqueModele) {
    const char* verbes[] = {
        "remplacer",   "arranger",  "abréger",   "renvoyer",   "balayer",    "appuyer",
        "rappeler",    "projeter",  "racheter",  "congeler",   "soulever",   "accélérer",
        "agréer",      "étudier",   "choisir",   "retenir",    "conquérir",  "revêtir",
        "consentir",   "ressortir", "découvrir", "souffrir",   "recueillir", "tressaillir",
        "endormir",    "parcourir", "desservir", "enfuir",     "apercevoir", "entreprendre",
        "éteindre",    "rejoindre", "découdre",  "dissoudre",  "corrompre",  "combattre",
        "soumettre",   "défaire",   "extraire",  "complaire",  "convaincre", "renaître",
        "reconnaître", "décroître", "exclure",   "poursuivre", "survivre",   "relire",
        "prédire",     "décrire",   "sourire",   "détruire",   "revoir",     "prévoir",
        "émouvoir",    "revaloir",  "rasseoir",  "déchoir",    "redevoir",   "repleuvoir",
        "enclore",     "reclure",
    };
    for (const char* verbe : verbes) {
        const florimot::TLignesGrille lignes = GrilleDe(verbe);
        florimot::TVerbe v;
        v.DefinitVerbe(verbe);
        std::vector<std::string> formes = florimot::lexique::ParticipesAccordes(v);
        for (std::size_t i = 0; i < lignes.size(); ++i)
            if (!florimot::EstMarqueur(lignes[i]))
                formes.emplace_back(lignes[i].substr(lignes[i].find_last_of(" '") + 1));
        for (const std::string& forme : formes) {
            const auto candidats = florimot::lexique::InfinitifsPossibles(forme);
            EXPECT_NE(std::find(candidats.begin(), candidats.end(), verbe), candidats.end())
                << verbe << " : " << forme;
            // The guess ranks them by their letters before making verbs of
            // them, and asks the index with the hash made with each.
            for (const florimot::lexique::TPossible& c : candidats) {
                EXPECT_EQ(c.Hache, florimot::Hache(c.Mot)) << c.Mot;
                florimot::TVerbe candidat;
                candidat.DefinitVerbe(c.Mot);
                if (candidat.MotVue() == c.Mot && candidat.DonneGroupe() != 0) {
                    EXPECT_EQ(florimot::lexique::RangDevine(c),
                              florimot::lexique::RangDevine(candidat))
                        << c.Mot;
                }
            }
        }
    }
}

TEST(Description, TextesFrancais) {
    const std::vector<TAnalyse> allions = {{"aller", true, {{"ImpInd", 4}, {"PresSubj", 4}}},
                                           {"allier", true, {{"PresInd", 4}, {"PresImp", 2}}}};
    const std::vector<TAnalyse> suis = {
        {"être", true, {{"PresInd", 1}}},
        {"suivre", true, {{"PresInd", 1}, {"PresInd", 2}, {"PresImp", 1}}}};
    struct Cas {
        std::string Forme;
        std::vector<TAnalyse> Analyse;
        std::string Attendu;
    };
    const Cas cas[] = {
        {"allions", allions,
         "« allions » : aller, indicatif imparfait et subjonctif présent, nous — allier, "
         "indicatif présent et impératif présent, nous"},
        {"suis", suis,
         "« suis » : être, indicatif présent, je — suivre, indicatif présent, je et tu ; "
         "impératif présent, tu"},
        {"été", {{"être", true, {{"PartPasse", 0}}}}, "« été » : participe passé d'être"},
        {"haï", {{"haïr", true, {{"PartPasse", 0}}}}, "« haï » : participe passé de haïr"},
        {"habité",
         {{"habiter", true, {{"PartPasse", 0}}}},
         "« habité » : participe passé d'habiter"},
        {"dit",
         {{"dire", true, {{"PresInd", 3}, {"PSInd", 3}, {"PartPasse", 0}}}},
         "« dit » : dire, indicatif présent et indicatif passé simple, il ; participe passé"},
        {"eussé",
         {{"avoir", true, {{"ImpSubj", 1, true}}}},
         "« eussé » : avoir, subjonctif imparfait, je (eussé-je)"},
        {"aurions",
         {{"avoir", true, {{"P1Cond", 4}}}},
         "« aurions » : avoir, conditionnel passé première forme, nous"},
        {"googlions",
         {{"googler", false, {{"ImpInd", 4}}}},
         "« googlions » : googler (absent du dictionnaire), indicatif imparfait, nous"},
        {"absout",
         {{"absoudre", true, {{"PresInd", 3}, Rectifiee("PartPasse", 0)}}},
         "« absout » : absoudre, indicatif présent, il ; participe passé (orthographe "
         "rectifiée)"},
        {"connait",
         {{"connaître", true, {Rectifiee("PresInd", 3)}}},
         "« connait » : connaître, indicatif présent, il (orthographe rectifiée)"},
        {"xyz", {}, "« xyz » : aucune forme verbale connue"},
    };
    for (const Cas& c : cas) EXPECT_EQ(florimot::DecritAnalyse(c.Forme, c.Analyse), c.Attendu);
}

// Only verbs the grid conjugates and forms it holds.
bool Conjugue(const std::string& infinitif) {
    const florimot::TLignesGrille lignes = GrilleDe(infinitif);
    for (std::size_t i = 0; i < lignes.size(); ++i)
        if (!lignes[i].empty() && !florimot::EstMarqueur(lignes[i])) return true;
    return false;
}

TEST(Suggestions, VerbesProchesSeulement) {
    EXIGE_DICTIONNAIRE();
    struct Cas {
        const char* Texte;
        const char* Premiere;  // nullptr: whatever comes, if anything
    };
    const Cas cas[] = {{"aqcuérir", "acquérir"}, {"prendes", "prends"}, {"conaitre", nullptr}};
    for (const Cas& c : cas) {
        const std::vector<std::string> s = Lexique().Suggestions(c.Texte);
        EXPECT_LE(s.size(), 6u);
        if (c.Premiere != nullptr) {
            ASSERT_FALSE(s.empty()) << c.Texte;
            EXPECT_EQ(s.front(), c.Premiere);
        }
        for (const std::string& mot : s)
            EXPECT_TRUE((Lexique().Faits(mot).Connu && Conjugue(mot)) ||
                        !Lexique().Analyse(mot).empty())
                << c.Texte << " → " << mot;
    }
    EXPECT_TRUE(Lexique().Suggestions("aqcuérir", 0).empty());
    EXPECT_TRUE(Lexique().Suggestions("\xff").empty());
}

TEST(Faits, CeQueSaitLeDictionnaire) {
    EXIGE_DICTIONNAIRE();
    struct Cas {
        const char* Infinitif;
        bool Connu, Pronominal, Impersonnel, Etre, Avoir;
        std::string Note;
    };
    const Cas cas[] = {
        {"évanouir", true, true, false, true, false, "essentiellement pronominal : s'évanouir"},
        {"s'évanouir", true, true, false, true, false, "essentiellement pronominal : s'évanouir"},
        {"se  Lever", true, false, false, false, true, ""},
        {"neiger", true, false, true, false, true, "verbe impersonnel : il neige"},
        {"pleuvoir", true, false, true, false, true, "impersonnel : il pleut"},
        // The header names both auxiliaries of monter and sortir.
        {"monter", true, false, false, true, true, ""},
        {"sortir", true, false, false, true, true, ""},
        {"apparaître", true, false, false, true, false, ""},
        {"tomber", true, false, false, true, false, "se conjugue avec être"},
        {"parler", true, false, false, false, true, ""},
        {"googler", false, false, false, false, false, std::string(florimot::NoteVerbeInconnu)},
    };
    for (const Cas& c : cas) {
        const florimot::TFaitsVerbe f = Lexique().Faits(c.Infinitif);
        EXPECT_EQ(f.Connu, c.Connu) << c.Infinitif;
        EXPECT_EQ(f.Pronominal, c.Pronominal) << c.Infinitif;
        EXPECT_EQ(f.Impersonnel, c.Impersonnel) << c.Infinitif;
        EXPECT_EQ(f.Etre, c.Etre) << c.Infinitif;
        EXPECT_EQ(f.Avoir, c.Avoir) << c.Infinitif;
        EXPECT_EQ(Lexique().Note(c.Infinitif), c.Note) << c.Infinitif;
    }
}

// No dictionary in the folder, or one that says nothing of verbs: no
// suggestion nor note, the reason says so; analysis works all the same.
// The dictionary's tags give a few verbs both auxiliaries, in one entry or
// two: each is in the engine's lists, but for those the grammars do not
// bear out.
TEST(Faits, DeuxAuxiliairesSelonLesEtiquettes) {
    EXIGE_DICTIONNAIRE();
#ifndef FLORIMOT_TABLE_FAITS
    GTEST_SKIP() << "built without the dictionary: no verb facts";
#endif
    // s'agenouiller and se pagnoter are pronominal, hence être; échampir (a
    // painter's word) takes an object and avoir; repartir is two verbs
    // (partir again: être; to reply: avoir); seoir has no compound tense.
    const std::set<std::string_view> sansAppui = {"agenouiller", "échampir", "pagnoter", "repartir",
                                                  "seoir"};
    std::size_t marques = 0;
    for (const std::string_view v : florimot::VerbesConnus()) {
        const florimot::TFaitsVerbe f = Lexique().Faits(v);
        if (!f.Etre || !f.Avoir || v.starts_with("s'") || v.starts_with("se ")) continue;
        ++marques;
        EXPECT_TRUE(florimot::AuxiliairesDe(v) != florimot::TDeuxAuxiliaires::Non ||
                    sansAppui.contains(v))
            << v;
    }
    EXPECT_GE(marques, 4u);
    // And no verb of the lists is one the tags give être alone but for the
    // verbs of state whose usual auxiliary is être.
    for (const auto sorte :
         {florimot::TDeuxAuxiliaires::Mouvement, florimot::TDeuxAuxiliaires::ActionEtat})
        for (const std::string_view v : florimot::VerbesDeuxAuxiliaires(sorte)) {
            const florimot::TFaitsVerbe f = Lexique().Faits(v);
            florimot::TVerbe verbe;
            verbe.DefinitVerbe(v);
            if (f.Connu && f.Etre && !f.Avoir) {
                EXPECT_TRUE(verbe.AvecEtre()) << v;
            }
        }
}

TEST(Chargement, SansDictionnaireUtilisable) {
    const std::filesystem::path vide =
        std::filesystem::temp_directory_path() / ("florimot_lexique_" + std::to_string(::getpid()));
    const std::filesystem::path sansMorphologie = vide / "nu";
    std::filesystem::create_directories(sansMorphologie);
    std::ofstream(sansMorphologie / "fr.aff") << "SET UTF-8\n";
    std::ofstream(sansMorphologie / "fr.dic") << "1\nparlons\n";
    for (const auto& dossier : {vide, sansMorphologie}) {
        florimot::TLexique lexique({dossier});
        EXPECT_FALSE(lexique.Disponible()) << dossier;
        EXPECT_TRUE(lexique.Pret());
        EXPECT_NE(lexique.Raison().find("indisponibles"), std::string::npos) << lexique.Raison();
        // Built without libhunspell, no folder is looked into: that is the reason.
        if (florimot::TLexique::AvecDictionnaire())
            EXPECT_NE(lexique.Raison().find(dossier.string()), std::string::npos)
                << lexique.Raison();
        else
            EXPECT_EQ(lexique.Raison(), florimot::RaisonSansDictionnaire);
        // The form index is the program's own: analysis needs no dictionary.
        EXPECT_EQ(lexique.Analyse("allions").size(), 2u);
        EXPECT_TRUE(lexique.Suggestions("aqcuérir").empty());
        EXPECT_FALSE(lexique.Faits("parler").Connu);
        EXPECT_EQ(lexique.Note("parler"), "");
    }
    std::filesystem::remove_all(vide);
}

// Files there but unreadable (a folder in the file's place; a folder closed,
// unless run as root): the reason names what and why, and libhunspell says
// nothing of its own.
TEST(Chargement, DictionnaireIlisible) {
    if (!florimot::TLexique::AvecDictionnaire()) GTEST_SKIP() << florimot::RaisonSansDictionnaire;
    namespace fs = std::filesystem;
    const fs::path dic = fs::temp_directory_path() /
                         ("florimot_illisible_" + std::to_string(::getpid())),
                   ferme = dic / "ferme";
    fs::create_directories(dic / "fr.dic");
    fs::create_directories(ferme);
    std::ofstream(dic / "fr.aff") << "SET UTF-8\n";
    fs::permissions(ferme, fs::perms::none);
    testing::internal::CaptureStderr();
    EXPECT_NE(florimot::TLexique({dic}).Raison().find(
                  (dic / "fr.dic").string() + " ne peut être lu (" + std::strerror(EISDIR) + ")"),
              std::string::npos);
    if (::access(ferme.c_str(), X_OK) != 0) {
        EXPECT_NE(
            florimot::TLexique({ferme}).Raison().find("le dossier " + ferme.string() +
                                                      " ne peut être lu (" + std::strerror(EACCES)),
            std::string::npos);
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    fs::permissions(ferme, fs::perms::owner_all);
    fs::remove_all(dic);
}

}  // namespace
