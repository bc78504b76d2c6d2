// The verb facts: the table generated from the dictionary, corrected by the
// curated list, and what the front ends do to a typed verb with them.
#include <gtest/gtest.h>

#include <algorithm>

#include "faits.hpp"

namespace {

#ifdef FLORIMOT_TABLE_FAITS
#define EXIGE_TABLE() (void)0
#else
#define EXIGE_TABLE() GTEST_SKIP() << "built without the dictionary: the table is empty"
#endif

TEST(Table, TrieeSansDoublon) {
    EXIGE_TABLE();
    const auto verbes = florimot::VerbesConnus();
    EXPECT_GT(verbes.size(), 8000u);
    EXPECT_TRUE(std::adjacent_find(verbes.begin(), verbes.end(), std::greater_equal<>()) ==
                verbes.end());
    for (std::string_view v : {"parler", "évanouir", "entre-nuire", "être"})
        EXPECT_TRUE(std::binary_search(verbes.begin(), verbes.end(), v)) << v;
}

// A verb that never goes without its pronoun is conjugated with it, and its
// title shows it.
TEST(Faits, PronomAjoute) {
    EXIGE_TABLE();
    const std::pair<const char*, const char*> cas[] = {
        {"évanouir", "s'évanouir"}, {"méfier", "se méfier"}, {"entraider", "s'entraider"},
        {"se méfier", "se méfier"}, {"parler", "parler"},    {"googler", "googler"},
    };
    for (const auto& [texte, intitule] : cas) {
        florimot::TVerbe v;
        v.DefinitVerbe(texte);
        florimot::PrepareVerbe(v);
        EXPECT_EQ(v.Intitule(), intitule) << texte;
    }
}

// The participle's agreement was the engine's knowledge before the table:
// it holds in a build without the dictionary too, where nothing else does.
TEST(Faits, AccordSansTable) {
    for (const char* texte : {"se parler", "se plaire", "se succéder", "s'en vouloir"})
        EXPECT_TRUE(florimot::FaitsDuVerbe(texte).ReflechiIndirect) << texte;
    for (const char* texte : {"se lever", "parler"})
        EXPECT_FALSE(florimot::FaitsDuVerbe(texte).ReflechiIndirect) << texte;
}

}  // namespace

namespace {

// The lines a careful reader found wrong, as every front end now builds them.
TEST(Faits, LignesDesVerbesConnus) {
    EXIGE_TABLE();
    struct Cas {
        const char *Texte, *Options, *Cellule;
        int Personne;
        const char* Attendu;
    };
    const Cas cas[] = {
        {"neiger", "", "PresInd", 1, "-"},
        {"s'agir", "", "PresImp", 1, "-"},
        {"se pouvoir", "", "PresInd", 1, "-"},
        {"s'ensuivre", "", "PresInd", 1, "-"},
        {"pleuvoir", "", "PresInd", 6, "ils pleuvent"},
        {"advenir", "f", "PCInd", 3, "il est advenu"},
        {"s'en falloir", "f", "PCInd", 3, "il s'en est fallu"},
        {"échoir", "f", "PCInd", 3, "il est échu"},
        {"dormir", "p", "PCInd", 1, "-"},
        {"plaire", "p", "PresInd", 4, "-"},
        {"obéir", "p", "PresInd", 2, "tu es obéi"},
        {"se survivre", "", "PCInd", 6, "ils se sont survécu"},
        {"se convenir", "", "PCInd", 6, "ils se sont convenu"},
        {"s'en vouloir", "", "PCInd", 6, "ils s'en sont voulu"},
        {"se demander", "f", "PCInd", 6, "elles se sont demandé"},
        {"se procurer", "f", "PCInd", 6, "elles se sont procuré"},
        {"s'arroger", "f", "PCInd", 3, "elle s'est arrogé"},
        {"s'entraider", "", "PresImp", 1, "-"},
        {"entraider", "", "PresInd", 1, "-"},
        {"évanouir", "", "PresInd", 1, "je m'évanouis"},
        {"agir", "", "PresInd", 1, "j'agis"},
        {"googler", "p", "PresInd", 1, "je suis googlé"},
    };
    for (const Cas& c : cas) {
        florimot::TVerbe v;
        v.DefinitVerbe(c.Texte);
        const florimot::TFaits f = florimot::PrepareVerbe(v);
        const std::string_view o = c.Options;
        const florimot::TOptions options{o.find('f') != o.npos, o.find('n') != o.npos, false,
                                         o.find('p') != o.npos};
        const florimot::TLignesGrille lignes = florimot::ConjugueGrille(v, options, f);
        for (const florimot::TCellule& cel : florimot::Grille) {
            if (cel.Nom != c.Cellule) continue;
            EXPECT_EQ(lignes[cel.Premier + c.Personne - cel.PremierePersonne], c.Attendu)
                << c.Texte << " [" << c.Options << "] " << c.Cellule << " " << c.Personne;
        }
    }
}

}  // namespace
