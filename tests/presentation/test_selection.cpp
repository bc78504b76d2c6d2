// The lines a front end selects for what the lexicon read, and the texts an
// entry keeps as written lines.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "lexique.hpp"
#include "selection.hpp"

namespace {

using florimot::TOptions;

// The cell's name and the row, for readable failures.
std::vector<std::pair<std::string, int>> Noms(const std::vector<florimot::TLigneChoisie>& lignes) {
    std::vector<std::pair<std::string, int>> noms;
    for (const auto& [cellule, ligne] : lignes)
        noms.emplace_back(std::string(florimot::Grille[cellule].Nom), ligne);
    return noms;
}

TEST(Selection, LignesDeLecture) {
#ifndef FLORIMOT_TABLE_FAITS
    GTEST_SKIP() << "table des faits vide : les formes sont devinées";
#endif
    struct Cas {
        const char* Texte;
        TOptions Options;
        std::size_t Nombre;
        std::vector<std::pair<std::string, int>> Premieres;
    };
    const TOptions interrogation{.Interrogation = true};
    const Cas cas[] = {
        {"allions", {}, 2, {{"ImpInd", 3}, {"PresSubj", 3}}},
        // The subjonctif asks nothing: its line is a marker, never chosen.
        {"allions", interrogation, 1, {{"ImpInd", 3}}},
        // Agreed as the féminin shows it: the singular persons of the eight
        // compound tenses and the impératif passé.
        {"allée", {}, 25, {{"PCInd", 0}, {"PCInd", 1}}},
        {"je ne me lève pas", {.Negation = true}, 1, {{"PresInd", 0}}},
        {"nous sommes allés", {}, 1, {{"PCInd", 3}}},
    };
    for (const Cas& c : cas) {
        const std::vector<florimot::TAnalyse> analyse = florimot::AnalyseTexte(c.Texte);
        ASSERT_FALSE(analyse.empty()) << c.Texte;
        florimot::TVerbe verbe;
        verbe.DefinitVerbe(analyse.front().Infinitif);
        const auto lignes = Noms(florimot::LignesDeLecture(verbe, {.Connu = true, .Passif = false},
                                                           c.Options, c.Texte, analyse.front()));
        EXPECT_EQ(lignes.size(), c.Nombre) << c.Texte;
        for (std::size_t i = 0; i < c.Premieres.size() && i < lignes.size(); ++i)
            EXPECT_EQ(lignes[i], c.Premieres[i]) << c.Texte;
    }
}

TEST(Selection, OptionsPourMontrer) {
    const auto lue = [](const char* texte) { return florimot::AnalyseTexte(texte).front(); };
    const TOptions feminin{.Feminin = true};
    // A line brings what it shows, and only with `ligneLue`; a spelling or a
    // series is turned on either way.
    EXPECT_EQ(florimot::OptionsPourMontrer(lue("je ne me lève pas"), feminin, true),
              TOptions{.Negation = true});
    EXPECT_EQ(florimot::OptionsPourMontrer(lue("je ne me lève pas"), feminin, false), feminin);
    EXPECT_EQ(florimot::OptionsPourMontrer(lue("paye"), feminin, false),
              (TOptions{.Feminin = true, .Variante = true}));
}

TEST(Selection, CommenceCommeUneLigne) {
    for (const char* ligne :
         {"je", "nous", "elles", "j'ai", "qu'il", "que", "ne", "n'aimez", "ils se", "nous sommes"})
        EXPECT_TRUE(florimot::CommenceCommeUneLigne(ligne)) << ligne;
    for (const char* verbe : {"", "se", "s'en", "faire", "nousx", "jeter", "quêter", "nettoyer"})
        EXPECT_FALSE(florimot::CommenceCommeUneLigne(verbe)) << verbe;
}

}  // namespace
