#include <gtest/gtest.h>

#include <string>

#include "conjugaison.hpp"

namespace {

struct Cas {
    const char* Texte;
    const char* Options;  // f féminin, n négation, i interrogation, p passif
    const char* Cellule;
    int Personne;
    const char* Attendu;
};

const Cas Lignes[] = {
    {"se rendre compte", "", "PresInd", 1, "je me rends compte"},
    {"se rendre compte", "f", "PCInd", 6, "elles se sont rendu compte"},
    {"se rendre compte", "ni", "PCInd", 2, "ne t'es-tu pas rendu compte\u00A0?"},
    {"se rendre compte", "n", "PresImp", 1, "ne te rends pas compte"},
    {"se rendre compte", "", "PartPres", 0, "se rendant compte"},
    {"s'en vouloir", "f", "PCInd", 3, "elle s'en est voulu"},
    {"s'y prendre", "f", "PCInd", 3, "elle s'y est prise"},
    {"s'y prendre", "i", "PresInd", 2, "t'y prends-tu\u00A0?"},
    {"s'y prendre", "", "PresImp", 1, "prends-t'y"},
    {"s'y prendre", "n", "PresImp", 2, "ne nous y prenons pas"},
    {"faire attention", "n", "PCInd", 1, "je n'ai pas fait attention"},
    {"faire attention", "i", "PresInd", 2, "fais-tu attention\u00A0?"},
    {"faire attention", "fp", "PCInd", 3, "-"},
    {"avoir l'air", "fni", "PCInd", 3, "n'a-t-elle pas eu l'air\u00A0?"},
    // puis-je is the présent's own: the other tenses invert their form.
    {"pouvoir", "i", "PresInd", 1, "puis-je\u00A0?"},
    {"pouvoir", "ni", "PresCond", 1, "ne pourrais-je pas\u00A0?"},
    {"pouvoir", "pi", "PresInd", 1, "suis-je pu\u00A0?"},
};

}  // namespace

// Each line as the grid gives it and as it is asked alone.
TEST(Locutions, Lignes) {
    for (const Cas& c : Lignes) {
        florimot::TVerbe v;
        v.DefinitVerbe(c.Texte);
        const std::string_view o = c.Options;
        const florimot::TOptions options{o.find('f') != o.npos, o.find('n') != o.npos,
                                         o.find('i') != o.npos, o.find('p') != o.npos};
        const florimot::TLignesGrille grille = florimot::ConjugueGrille(v, options);
        for (const florimot::TCellule& cel : florimot::Grille) {
            if (cel.Nom != c.Cellule) continue;
            const std::string_view ligne = grille[cel.Premier + c.Personne - cel.PremierePersonne];
            EXPECT_EQ(ligne, c.Attendu) << c.Texte << " [" << o << "] " << c.Cellule;
            EXPECT_EQ(ligne, florimot::ConjugueForme(v, cel.CodeTemps, cel.DecalageMode, c.Personne,
                                                     options));
        }
    }
}

// The echo is the whole text as people write it; what is not a verb and a
// known complement is no verb, echoed whole, never the verb alone.
TEST(Locutions, IntituleEtRefus) {
    const std::tuple<const char*, const char*, bool> cas[] = {
        {"  SE  RENDRE   COMPTE ", "se rendre compte", true},
        {"se y prendre", "s'y prendre", true},
        {"avoir l’air", "avoir l'air", true},
        {"se rendre comte", "se rendre comte", false},
        {"finir\ttout", "finir tout", false},
        {"s'y parler", "s'y parler", false},
        {"tu parleras ou tu parlerais ou tu aurais parlé et vous",
         "tu parleras ou tu parlerais ou tu aurais parlé e", false},  // 48 letters
    };
    for (const auto& [texte, intitule, verbe] : cas) {
        florimot::TVerbe v;
        v.DefinitVerbe(texte);
        EXPECT_EQ(v.Intitule(), intitule);
        EXPECT_EQ(v.DonneGroupe() != 0, verbe) << texte;
        EXPECT_EQ(florimot::ConjugueGrille(v)[0].empty(), !verbe) << texte;
    }
}
