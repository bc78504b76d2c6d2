#include <gtest/gtest.h>

#include <string>

#include "conjugaison.hpp"

namespace {

struct Cas {
    const char* texte;
    const char* options;  // f féminin, n négation, i interrogation, p passif
    const char* cellule;
    int personne;
    const char* attendu;
};

// Each line as the grid gives it and as it is asked alone.
const Cas Lignes[] = {
    {"se rendre compte", "", "PresInd", 1, "je me rends compte"},
    {"se rendre compte", "f", "PCInd", 3, "elle s'est rendu compte"},
    {"se rendre compte", "f", "PCInd", 6, "elles se sont rendu compte"},
    {"se rendre compte", "n", "PresInd", 1, "je ne me rends pas compte"},
    {"se rendre compte", "i", "PresInd", 2, "te rends-tu compte\u00A0?"},
    {"se rendre compte", "ni", "PCInd", 2, "ne t'es-tu pas rendu compte\u00A0?"},
    {"se rendre compte", "", "PresImp", 1, "rends-toi compte"},
    {"se rendre compte", "", "PresImp", 2, "rendons-nous compte"},
    {"se rendre compte", "n", "PresImp", 1, "ne te rends pas compte"},
    {"se rendre compte", "", "PartPres", 0, "se rendant compte"},
    {"se rendre compte", "p", "PresInd", 1, "-"},
    {"s'en rendre compte", "f", "PCInd", 3, "elle s'en est rendu compte"},
    {"se faire mal", "f", "PCInd", 3, "elle s'est fait mal"},
    {"s'en vouloir", "", "PresInd", 1, "je m'en veux"},
    {"s'en vouloir", "f", "PCInd", 3, "elle s'en est voulu"},
    {"s'en aller", "f", "PCInd", 3, "elle s'en est allée"},
    {"s'y prendre", "", "PresInd", 1, "je m'y prends"},
    {"s'y prendre", "f", "PCInd", 3, "elle s'y est prise"},
    {"s'y prendre", "n", "PresInd", 1, "je ne m'y prends pas"},
    {"s'y prendre", "i", "PresInd", 2, "t'y prends-tu\u00A0?"},
    {"s'y prendre", "", "PresImp", 1, "prends-t'y"},
    {"s'y prendre", "", "PresImp", 3, "prenez-vous-y"},
    {"s'y prendre", "n", "PresImp", 2, "ne nous y prenons pas"},
    {"s'y prendre", "", "PartPres", 0, "s'y prenant"},
    {"s'y connaître", "f", "PCInd", 6, "elles s'y sont connues"},
    {"s'y plaire", "f", "PCInd", 3, "elle s'y est plu"},
    {"faire attention", "", "PresInd", 1, "je fais attention"},
    {"faire attention", "n", "PCInd", 1, "je n'ai pas fait attention"},
    {"faire attention", "i", "PresInd", 2, "fais-tu attention\u00A0?"},
    {"faire attention", "", "PresImp", 1, "fais attention"},
    {"faire attention", "p", "PresInd", 1, "-"},
    {"faire attention", "fp", "PCInd", 3, "-"},
    {"avoir l'air", "", "PresInd", 3, "il a l'air"},
    {"avoir l'air", "fni", "PCInd", 3, "n'a-t-elle pas eu l'air\u00A0?"},
    {"avoir besoin", "", "PresSubj", 1, "que j'aie besoin"},
    {"avoir besoin", "", "PresImp", 1, "aie besoin"},
    {"avoir besoin", "", "PartPres", 0, "ayant besoin"},
    {"prendre froid", "", "P2Cond", 4, "nous eussions pris froid"},
    {"prendre froid", "fi", "PresCond", 3, "prendrait-elle froid\u00A0?"},
    // puis-je is the présent's own: the other tenses invert their form.
    {"pouvoir", "i", "PresInd", 1, "puis-je\u00A0?"},
    {"pouvoir", "i", "PresCond", 1, "pourrais-je\u00A0?"},
    {"pouvoir", "ni", "PresCond", 1, "ne pourrais-je pas\u00A0?"},
    {"pouvoir", "i", "FSInd", 1, "pourrai-je\u00A0?"},
    {"pouvoir", "pi", "PresInd", 1, "suis-je pu\u00A0?"},
    {"savoir", "i", "PresCond", 1, "saurais-je\u00A0?"},
};

florimot::TOptions Options(std::string_view lettres) {
    return {lettres.find('f') != lettres.npos, lettres.find('n') != lettres.npos,
            lettres.find('i') != lettres.npos, lettres.find('p') != lettres.npos};
}

}  // namespace

TEST(Locutions, Lignes) {
    for (const Cas& c : Lignes) {
        florimot::TVerbe v;
        v.DefinitVerbe(c.texte);
        const florimot::TOptions o = Options(c.options);
        const florimot::LignesGrille grille = florimot::ConjugueGrille(v, o);
        for (const florimot::Cellule& cel : florimot::Grille) {
            if (cel.Nom != c.cellule) continue;
            const std::string_view ligne = grille[cel.Premier + c.personne - cel.PremierePersonne];
            EXPECT_EQ(ligne, c.attendu) << c.texte << " [" << c.options << "] " << c.cellule;
            EXPECT_EQ(florimot::ConjugueForme(v, cel.CodeTemps, cel.DecalageMode, c.personne, o),
                      ligne);
        }
    }
}

// The echo is the whole text, as people write it; the letters are the verb's.
TEST(Locutions, Intitule) {
    const std::pair<const char*, const char*> cas[] = {
        {"se rendre compte", "se rendre compte"}, {"  SE  RENDRE   COMPTE ", "se rendre compte"},
        {"s'y prendre", "s'y prendre"},           {"se y prendre", "s'y prendre"},
        {"avoir l’air", "avoir l'air"},           {"faire attention", "faire attention"},
    };
    for (const auto& [texte, intitule] : cas) {
        florimot::TVerbe v;
        v.DefinitVerbe(texte);
        EXPECT_EQ(v.Intitule(), intitule);
        EXPECT_NE(v.DonneGroupe(), 0) << texte;
    }
}

// What is not a verb and a known complement is no verb, echoed whole: never
// the verb alone.
TEST(Locutions, TextesRefuses) {
    const std::pair<const char*, const char*> cas[] = {
        {"se rendre comte", "se rendre comte"},
        {"se rendre compte bien", "se rendre compte bien"},
        {"parler foo", "parler foo"},
        {"finir\ttout", "finir tout"},
        {"se faire attention", "se faire attention"},
        {"rendre toi", "rendre toi"},
        {"s'y parler", "s'y parler"},
        {"s'y", "s'y"},
        {"se y", "s'y"},
        {"avoir l'", "avoir l'"},
        {"faire attention attention", "faire attention attention"},
        // Echoed up to 48 letters.
        {"tu parleras ou tu parlerais ou tu aurais parlé et vous",
         "tu parleras ou tu parlerais ou tu aurais parlé e"},
    };
    for (const auto& [texte, intitule] : cas) {
        florimot::TVerbe v;
        v.DefinitVerbe(texte);
        EXPECT_EQ(v.Intitule(), intitule);
        EXPECT_EQ(v.DonneGroupe(), 0) << texte;
        EXPECT_EQ(florimot::ConjugueGrille(v)[0], "") << texte;
    }
}

// An entry keeps a blank only where a text the engine reads may go on.
TEST(Locutions, BlancPermisApres) {
    const std::pair<const char*, bool> cas[] = {
        {"se", true},           {"s'en", true},
        {"s'y", true},          {"faire", true},
        {"se rendre", true},    {"s'en rendre", true},
        {"avoir", true},        {"ai", false},
        {"parler", false},      {"se lever", false},
        {"faire ", false},      {"", false},
        {"s'y prendre", false}, {"faire attention", false},
    };
    for (const auto& [texte, permis] : cas)
        EXPECT_EQ(florimot::BlancPermisApres(texte), permis) << texte;
}
