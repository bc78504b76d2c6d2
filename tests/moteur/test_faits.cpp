// The line builder under a verb's facts, given by hand: the engine knows no
// table, it is told.
#include <gtest/gtest.h>

#include <string>

#include "../faits_en_lettres.hpp"
#include "conjugaison.hpp"

namespace {

using essais::Faits;
using essais::Options;

TEST(Faits, Lignes) {
    struct Cas {
        const char *Texte, *Faits, *Options, *Cellule;
        int Personne;
        const char* Attendu;
    };
    const Cas cas[] = {
        // impersonal only: il alone, no impératif, no passive, il stays il
        {"neiger", "I-", "", "PresInd", 1, "-"},
        {"neiger", "I-", "", "PCInd", 3, "il a neigé"},
        {"neiger", "I-", "", "PresImp", 1, "-"},
        {"neiger", "I-", "p", "PresInd", 3, "-"},
        {"s'en falloir", "I-", "f", "PCInd", 3, "il s'en est fallu"},
        // third persons only
        {"s'ensuivre", "3P-", "", "PresInd", 1, "-"},
        {"s'ensuivre", "3P-", "f", "PCInd", 6, "elles se sont ensuivies"},
        {"advenir", "-", "f", "PCInd", 3, "il est advenu"},
        // the passive only with a direct object
        {"dormir", "-", "p", "PCInd", 1, "-"},
        // reciprocal: the plural alone
        {"s'entraider", "PR-", "", "PresInd", 3, "-"},
        {"s'entraider", "PR-", "", "PresImp", 2, "entraidons-nous"},
        // the reflexive pronoun an indirect object: no agreement
        {"se survivre", "D-", "f", "PCInd", 6, "elles se sont survécu"},
        // unknown: today's lines
        {"googler", "", "p", "PresInd", 1, "je suis googlé"},
    };
    for (const Cas& c : cas) {
        florimot::TVerbe v;
        v.DefinitVerbe(c.Texte);
        const florimot::TFaits f = Faits(c.Faits);
        const florimot::TOptions o = Options(c.Options);
        const florimot::TLignesGrille lignes = florimot::ConjugueGrille(v, o, f);
        for (const florimot::TCellule& cel : florimot::Grille) {
            if (cel.Nom != c.Cellule) continue;
            EXPECT_EQ(lignes[cel.Premier + c.Personne - cel.PremierePersonne], c.Attendu)
                << c.Texte << " [" << c.Faits << "|" << c.Options << "] " << c.Cellule;
            EXPECT_EQ(florimot::ConjugueForme(v, cel.CodeTemps, cel.DecalageMode, c.Personne, o, f),
                      c.Attendu);
        }
    }
}

}  // namespace
