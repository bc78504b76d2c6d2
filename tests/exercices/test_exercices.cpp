// The item generator over the whole facts table, and what the checker says
// of answers (tests/donnees/reponses.tsv).
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "exercices.hpp"
#include "faits.hpp"
#include "textes_fiche.hpp"
#include "verification.hpp"

namespace florimot {
namespace {

TChoixFiche Choix(std::vector<std::string> verbes, std::uint64_t graine) {
    TChoixFiche c;
    c.Verbes = std::move(verbes);
    c.Graine = graine;
    c.Nombre = 30;
    return c;
}

std::string Texte(const TFiche& f) {
    return TexteFiche(f);
}

TEST(Fiche, UneGraineRefaitLaMemeFiche) {
    const std::vector<std::string> verbes = {"finir",  "payer",    "aller",     "se lever",
                                             "neiger", "acquérir", "s'asseoir", "connaître"};
    for (std::uint64_t graine : {0ull, 1ull, 42ull, 18446744073709551615ull}) {
        const std::string une = Texte(GenereFiche(Choix(verbes, graine)));
        EXPECT_EQ(une, Texte(GenereFiche(Choix(verbes, graine)))) << graine;
        EXPECT_NE(une, Texte(GenereFiche(Choix(verbes, graine + 1)))) << graine;
    }
    // As many verbs as items: each verb once before any twice.
    const TFiche f = GenereFiche(Choix(verbes, 3));
    ASSERT_EQ(f.Items.size(), 30u);
    for (std::size_t i = 0; i < verbes.size(); ++i)
        for (std::size_t k = 0; k < i; ++k) EXPECT_NE(f.Items[i].Verbe, f.Items[k].Verbe);
}

// What the facts allow, said here from the facts alone: no « tu neiges »,
// no passive of dormir, no « je m'entraide ».
bool PersonneAdmise(const TFaits& faits, int personne) {
    if (personne == 0) return true;
    if (faits.Impersonnel) return personne == 3;
    if (faits.TroisiemesPersonnes) return personne == 3 || personne == 6;
    if (faits.Reciproque) return personne >= 4;
    return true;
}

TEST(Fiche, AucunItemQueLeVerbeNAdmetPas) {
    const auto connus = VerbesConnus();
#ifdef FLORIMOT_TABLE_FAITS
    ASSERT_GT(connus.size(), 1000u);
#endif
    TOptions passif, tout;
    passif.Passif = true;
    tout.Feminin = tout.Negation = tout.Interrogation = tout.Rectifiee = true;
    std::size_t items = 0;
    for (std::string_view infinitif : connus) {
        TVerbe verbe;
        verbe.DefinitVerbe(infinitif);
        const TFaits faits = PrepareVerbe(verbe);
        for (const TOptions& options : {TOptions{}, passif, tout}) {
            TChoixFiche choix = Choix({std::string(infinitif)}, items);
            choix.Options = options;
            choix.Nombre = 500;  // every line the verb has
            choix.Genre = TGenreExercice::TempsEntier;
            const TFiche fiche = GenereFiche(choix);
            if (options.Passif && SansVoixPassive(verbe, faits)) {
                EXPECT_TRUE(fiche.Items.empty()) << infinitif << " au passif";
            }
            for (const TItem& item : fiche.Items) {
                ++items;
                for (const TReponse& r : item.Reponses) {
                    EXPECT_TRUE(PersonneAdmise(faits, r.Personne))
                        << infinitif << ' ' << Grille[item.TCellule].Nom << ' ' << r.Personne;
                    ASSERT_FALSE(r.Lignes.empty());
                    EXPECT_EQ(r.Lignes.front(),
                              ConjugueForme(
                                  verbe, Grille[item.TCellule],
                                  Grille[item.TCellule].PremierePersonne + static_cast<int>(r.Rang),
                                  options, faits));
                    for (const std::string& l : r.Lignes)
                        EXPECT_FALSE(EstMarqueur(l)) << infinitif << ' ' << l;
                }
            }
        }
    }
#ifdef FLORIMOT_TABLE_FAITS
    EXPECT_GT(items, connus.size());
#endif
}

// verbe, options (their letters), cell, person, typed, i (lenient) or s,
// then what the panel says.
TEST(Diagnostic, Table) {
    std::ifstream f(FLORIMOT_DONNEES "/reponses.tsv");
    int cas = 0;
    for (std::string ligne; std::getline(f, ligne);) {
        if (ligne.empty() || ligne[0] == '#') continue;
        std::vector<std::string> champs;
        std::istringstream flux(ligne);
        for (std::string c; std::getline(flux, c, '\t');) champs.push_back(c);
        ASSERT_EQ(champs.size(), 7u) << ligne;
        TChoixFiche choix = Choix({champs[0]}, 1);
        for (const TDescriptionOption& d : DescriptionsOptions)
            Active(choix.Options, d, champs[1].find(d.Lettre) != std::string::npos);
        for (std::size_t t = 0; t < Grille.size(); ++t)
            if (Grille[t].Nom == champs[2]) choix.Temps = {t};
        choix.Personnes = {std::stoi(champs[3])};
        choix.Nombre = 1;
        const TFiche fiche = GenereFiche(choix);
        ASSERT_EQ(fiche.Items.size(), 1u) << ligne;
        const TVerdictReponse d =
            DiagnostiqueReponse(fiche.Items[0], 0, champs[4], choix.Options, champs[5] == "i");
        EXPECT_EQ(DecritDiagnostic(fiche.Items[0], d), champs[6]) << ligne;
        ++cas;
    }
    EXPECT_GT(cas, 5);
}

}  // namespace
}  // namespace florimot
