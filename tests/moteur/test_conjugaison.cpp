#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "formes.hpp"
#include "formes_nues.hpp"
#include "registre.hpp"

using essais::Verifie;

TEST(Auxiliaires, FormesNuesEtComposees) {
    struct Cas {
        const char* Verbe;
        int Code, Mode, Personne;
        const char* Attendu;
    };
    const Cas cas[] = {
        {"avoir", 0, 0, 3, "a"},
        {"avoir", 0, 47, 0, "ayant"},
        {"être", 0, 47, 0, "étant"},
        {"être", 3, 0, 5, "serez"},
        {"être", 0, 36, 5, "seriez"},
        {"être", 12, 0, 4, "eûmes été"},
        {"être", 15, 36, 6, "eussent été"},
        {"avoir", 10, 42, 2, "ayons eu"},
        {"être", 11, 24, 3, "eût été"},
        {"avoir", 15, 36, 1, "eusse eu"},
        {"être", 10, 42, 1, "aie été"},
        {"maison", 0, 0, 1, ""},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(
            essais::TexteNu(florimot::TFormes(essais::Verbe(c.Verbe)), c.Code, c.Mode, c.Personne),
            c.Attendu);
}

TEST(ConjugueForme, PronomsEtMarqueurs) {
    Verifie({
        {"avoir", 0, 0, 3, "il a"},
        {"avoir", 15, 36, 1, "j'eusse eu"},
        {"être", 0, 0, 1, "je suis"},
        {"être", 10, 0, 1, "j'ai été"},
        {"être", 12, 0, 4, "nous eûmes été"},
        {"être", 15, 36, 6, "ils eussent été"},
        {"être", 11, 24, 3, "qu'il eût été"},
        {"avoir", 10, 42, 2, "ayons eu"},
        {"être", 0, 42, 1, "sois"},
        {"avoir", 0, 24, 1, "que j'aie"},
        {"maison", 0, 0, 1, ""},
        {"maison", 0, 47, 0, ""},
        {"maison", 15, 36, 3, ""},
        {"haïr", 0, 0, 1, "je hais"},
    });
}

TEST(ConjugueForme, VerbesAvecEtreAccordentAuPluriel) {
    Verifie({
        {"arriver", 10, 0, 1, "je suis arrivé"},
        {"arriver", 10, 0, 4, "nous sommes arrivés"},
        {"arriver", 11, 0, 6, "ils étaient arrivés"},
        {"arriver", 15, 36, 1, "je fusse arrivé"},
        {"arriver", 15, 36, 5, "vous fussiez arrivés"},
        {"arriver", 10, 24, 3, "qu'il soit arrivé"},
        {"arriver", 10, 42, 1, "sois arrivé"},
        {"arriver", 10, 42, 2, "soyons arrivés"},
        {"arriver", 10, 42, 3, "soyez arrivés"},
        {"tomber", 13, 0, 6, "ils seront tombés"},
        {"rester", 10, 36, 4, "nous serions restés"},
        {"entrer", 12, 0, 1, "je fus entré"},
        {"décéder", 10, 0, 3, "il est décédé"},
        // Only the whole verbs of the list: these keep avoir; a verb of
        // movement takes être without an object.
        {"monter", 10, 0, 1, "je suis monté"},
        {"démonter", 10, 0, 1, "j'ai démonté"},
        {"ressembler", 10, 0, 4, "nous avons ressemblé"},
    });
}

TEST(Grille, LignesDansLOrdreDesCases) {
    int attendu = 0;
    for (const florimot::TCellule& c : florimot::GrilleComplete) {
        EXPECT_EQ(c.Premier, attendu) << c.Nom;
        attendu += c.NombreLignes();
        if (&c == &florimot::GrilleComplete[florimot::Grille.size() - 1]) {
            EXPECT_EQ(attendu, florimot::NombreLignesGrille);
        }
    }
    EXPECT_EQ(attendu, florimot::NombreLignesComplet);

    florimot::TVerbe v;
    v.DefinitVerbe("parler");
    const florimot::TLignesGrille g = florimot::ConjugueGrille(v);
    for (const florimot::TCellule& c : florimot::GrilleComplete)
        for (int p = c.PremierePersonne; p <= c.DernierePersonne; ++p)
            EXPECT_EQ(g[c.Premier + p - c.PremierePersonne],
                      florimot::ConjugueForme(v, c.CodeTemps, c.DecalageMode, p));
    EXPECT_EQ(g[96], "parlant");
    EXPECT_EQ(g[72], "parle");
}

// Each line between the caller's bytes, as the plain grid has it, and never
// past the room the frame asks for: the longest word the engine keeps, with
// every option, makes the longest lines.
TEST(Grille, CadreAutourDesLignes) {
    struct Cas {
        const char* Texte;
        florimot::TOptions Options;
        florimot::TFaits Faits = {};
    };
    const Cas cas[] = {
        {"parler", {}},
        {"neiger", {true, true, false, false}, {.Connu = true, .Impersonnel = true}},
        {"s'en aller", {}},
        {"s'asseoir", {true, false, true, false}},
        {"pleuvoir", {true, true, true, true}},
        {"maison", {}},
        {"ab\"c\\parler", {}},
        {"désenchevêtrementséparer", {true, true, true, true}},
    };
    florimot::TCadreGrille cadre;
    std::vector<std::string> prefixes;
    for (std::size_t i = 0; i < florimot::NombreLignesGrille; ++i)
        prefixes.push_back(std::to_string(i) + "|");
    std::copy(prefixes.begin(), prefixes.end(), cadre.Prefixe.begin());
    cadre.Fin = "\u00B6\n";
    for (const Cas& c : cas) {
        florimot::TVerbe v;
        v.DefinitVerbe(c.Texte);
        cadre.Debut = c.Texte;
        const florimot::TLignesGrille lignes = florimot::ConjugueGrille(v, c.Options, c.Faits);
        std::string attendu;
        for (std::size_t i = 0; i < florimot::NombreLignesGrille; ++i)
            attendu += std::string(cadre.Debut) + prefixes[i] + std::string(lignes[i]) + "\u00B6\n";
        std::string tampon(cadre.TailleMax() + 1, '#');
        char* fin = florimot::ConjugueGrille(v, c.Options, c.Faits, cadre, tampon.data());
        EXPECT_EQ(std::string_view(tampon.data(), fin), attendu) << c.Texte;
        EXPECT_EQ(tampon.back(), '#') << c.Texte;
    }
}

TEST(DeuxiemeGroupe, FinirEtHair) {
    Verifie({
        {"finir", 0, 0, 1, "je finis"},         {"finir", 0, 0, 4, "nous finissons"},
        {"finir", 1, 0, 6, "ils finissaient"},  {"finir", 2, 0, 4, "nous finîmes"},
        {"finir", 3, 0, 1, "je finirai"},       {"finir", 0, 24, 3, "qu'il finisse"},
        {"finir", 1, 24, 3, "qu'il finît"},     {"finir", 0, 36, 5, "vous finiriez"},
        {"finir", 0, 42, 1, "finis"},           {"finir", 0, 42, 2, "finissons"},
        {"finir", 0, 42, 3, "finissez"},        {"finir", 0, 47, 0, "finissant"},
        {"finir", 10, 0, 1, "j'ai fini"},       {"finir", 15, 36, 6, "ils eussent fini"},
        {"finir", 2, 0, 1, "je finis"},         {"haïr", 0, 0, 1, "je hais"},
        {"haïr", 0, 0, 4, "nous haïssons"},     {"haïr", 2, 0, 4, "nous haïmes"},
        {"haïr", 1, 24, 3, "qu'il haït"},       {"haïr", 0, 42, 1, "hais"},
        {"haïr", 0, 42, 2, "haïssons"},         {"haïr", 10, 0, 3, "il a haï"},
        {"répartir", 0, 0, 1, "je répartis"},   {"asservir", 0, 0, 4, "nous asservissons"},
        {"assortir", 0, 47, 0, "assortissant"},
    });
}

// A request outside the grid has no line, whatever its codes: nothing is read
// past a table.
TEST(ConjugueForme, HorsDeLaGrille) {
    Verifie({
        {"parler", 3, 24, 6, ""},
        {"parler", 15, 0, 1, ""},
        {"parler", 0, 0, 7, ""},
        {"parler", 0, 42, 4, ""},
        {"parler", 0, 47, 1, ""},
        {"parler", 255, 255, -1, ""},
        {"parler", 15, 36, 1, "j'eusse parlé"},
    });
}

// A line named by its cell is the line of its codes; a person the cell does
// not have has none. A grid without any form is a word the engine leaves empty.
TEST(ConjugueForme, ParCellule) {
    using florimot::CelluleNommee;
    const florimot::TVerbe parler = essais::Verbe("parler");
    for (const florimot::TCellule& c : florimot::GrilleComplete)
        for (int p = c.PremierePersonne; p <= c.DernierePersonne; ++p)
            EXPECT_EQ(florimot::ConjugueForme(parler, c, p),
                      florimot::ConjugueForme(parler, c.CodeTemps, c.DecalageMode, p))
                << c.Nom << ' ' << p;
    EXPECT_EQ(florimot::ConjugueForme(parler, CelluleNommee("PresImp"), 4), "");
    EXPECT_EQ(florimot::ConjugueForme(parler, CelluleNommee("PresInd"), 0), "");
    EXPECT_TRUE(florimot::EstCompose(CelluleNommee("P2Cond")));
    EXPECT_FALSE(florimot::EstCompose(CelluleNommee("PartPasse")));
    for (const char* mot : {"maison", "entre", "s'en"})
        EXPECT_TRUE(florimot::AucuneForme(essais::Grille(mot))) << mot;
    for (const char* mot : {"parler", "falloir", "clore"})
        EXPECT_FALSE(florimot::AucuneForme(essais::Grille(mot))) << mot;
}

// Each model's own verb is conjugated by it, whatever the order of the
// registry: the longest ending that fits chooses. The lexicon's example verbs
// are verbs.
TEST(Registre, ChaqueTypeSuitSonModele) {
    for (const florimot::TModeleInscrit& m : florimot::Registre)
        EXPECT_EQ(florimot::TypeDuModele(essais::Verbe(std::string(m.Type).c_str())), m.Type);
    EXPECT_FALSE(florimot::CoupesDesModeles().empty());
    for (std::string_view v : florimot::VerbesExemples())
        EXPECT_NE(essais::Verbe(std::string(v).c_str()).DonneGroupe(), 0) << v;
}
