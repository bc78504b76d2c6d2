// Every line of the grid, under every combination of the options, read back
// by the analysis to its verb, cell, person and options.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "conjugaison.hpp"
#include "faits.hpp"
#include "index.hpp"
#include "interne.hpp"
#include "lexique.hpp"
#include "registre.hpp"

namespace {

using namespace florimot;

// The cells whose lines are read back: the whole table but the past
// participle's cell, whose agreed forms the table still writes for verbs
// whose participle never agrees (dormie, accédée), which the analysis rightly
// refuses as forms.
constexpr std::string_view CellulesLues[] = {
    "PresInd",  "PCInd",    "ImpInd",  "PqpInd",   "PSInd",         "PAInd",   "FSInd",    "FAInd",
    "PresSubj", "PCSubj",   "ImpSubj", "PQPSubj",  "PresImp",       "PCImp",   "PresCond", "P1Cond",
    "P2Cond",   "PartPres", "InfPres", "InfPasse", "PartPasseComp", "GerPres", "GerPasse"};

// The sanitizer builds (FLORIMOT_ASSAINI, set by tests/CMakeLists.txt) read
// fewer verbs of the index, the registry's and the pronominal ones all the
// same, so that it stays within minutes.
#ifdef FLORIMOT_ASSAINI
constexpr std::uint32_t VerbesDeLIndex = 20;
constexpr std::size_t VerbesMin = 100;
#else
constexpr std::uint32_t VerbesDeLIndex = 200;
constexpr std::size_t VerbesMin = 300;
#endif

// Every model of the registry by its examples and the verbs its rules name,
// pronominal verbs and phrases, and verbs of the index at an even step.
std::vector<std::string> Echantillon() {
    const lexique::TIndexFormes& index = lexique::TIndexFormes::Programme();
    std::vector<std::string> verbes;
    const auto ajoute = [&](std::string_view v) {
        if (index.Connu(v) && std::find(verbes.begin(), verbes.end(), v) == verbes.end())
            verbes.emplace_back(v);
    };
    for (const TModeleInscrit& m : Registre) {
        ChaqueMot(m.Exemples, ajoute);
        ChaqueMot(m.Choix, [&](std::string_view mot) {
            if (mot.front() == '=') mot.remove_prefix(1);
            ajoute(mot);
        });
    }
    const std::uint32_t pas = std::max<std::uint32_t>(1, index.NombreVerbes() / VerbesDeLIndex);
    for (std::uint32_t i = 0; i < index.NombreVerbes(); i += pas) ajoute(index.Infinitif(i));
    for (std::string_view v :
         {"se lever", "s'asseoir", "se rasseoir", "s'en aller", "s'en vouloir", "s'évanouir",
          "se souvenir", "s'entraider", "se plaire", "se taire", "s'y prendre", "s'y faire",
          "se rendre compte", "se faire mal", "avoir besoin", "avoir l'air", "faire attention",
          "prendre soin", "tenir compte",
          // Both auxiliaries: each grid's lines read back to it.
          "monter", "sortir", "disparaître"})
        verbes.emplace_back(v);
    return verbes;
}

const TCellule& Nommee(std::string_view nom) {
    return *std::find_if(GrilleComplete.begin(), GrilleComplete.end(),
                         [&](const TCellule& c) { return c.Nom == nom; });
}

struct Source {
    const TCellule* Cellule;
    int Personne;
    TOptions Options;
};

TEST(AllerRetour, ChaqueLigneSeRelit) {
    if (lexique::TIndexFormes::Programme().NombreVerbes() == 0)
        GTEST_SKIP() << "index des formes vide : construit sans dictionnaire français";
    const std::vector<std::string> verbes = Echantillon();
    EXPECT_GE(verbes.size(), VerbesMin);
    std::vector<std::string> manques;
    std::size_t lues = 0;
    for (const std::string& texte : verbes) {
        TVerbe verbe;
        verbe.DefinitVerbe(texte);
        const TFaits faits = PrepareVerbe(verbe);
        ASSERT_NE(verbe.DonneGroupe(), 0) << texte;
        // A line both spellings of the infinitive share is the traditional
        // one's (nait: naître), as a form is.
        TVerbe traditionnel;
        traditionnel.DefinitVerbe(lexique::InfinitifTraditionnel(verbe.Intitule()));
        const TFaits faitsTraditionnel = PrepareVerbe(traditionnel);
        // Each line in the order first written, with every cell that writes it.
        std::vector<std::pair<std::string, std::vector<Source>>> lignes;
        std::unordered_map<std::string, std::size_t> rangs;
        for (const TOptions& graphie : Combinaisons<TPorteeOption::Graphie>())
            for (const TOptions& ligne : Combinaisons<TPorteeOption::Ligne>()) {
                const TOptions o = Reunies(ligne, graphie);
                const TLignesGrille grille = ConjugueGrille(verbe, o, faits);
                for (std::string_view nom : CellulesLues) {
                    const TCellule& c = Nommee(nom);
                    for (int p = c.PremierePersonne; p <= c.DernierePersonne; ++p) {
                        const std::string_view l =
                            grille[c.Premier + std::size_t(p) - c.PremierePersonne];
                        if (EstMarqueur(l)) continue;
                        const auto [r, neuve] = rangs.try_emplace(std::string(l), lignes.size());
                        if (neuve) lignes.push_back({std::string(l), {}});
                        lignes[r->second].second.push_back({&c, p, o});
                    }
                }
            }
        for (const auto& [ligne, sources] : lignes) {
            ++lues;
            const std::vector<TAnalyse> analyses = AnalyseTexte(ligne);
            for (const Source& s : sources) {
                // A reading of that cell and person whose grid holds the line.
                const auto tient = [&](const TAnalyse& a, const TLecture& l) {
                    if (l.Cellule != s.Cellule->Nom || l.Personne != s.Personne) return false;
                    if (a.Infinitif == verbe.Intitule())
                        return ConjugueForme(verbe, *s.Cellule, s.Personne, l.Options, faits) ==
                               ligne;
                    return a.Infinitif == traditionnel.Intitule() &&
                           ConjugueForme(traditionnel, *s.Cellule, s.Personne, l.Options,
                                         faitsTraditionnel) == ligne;
                };
                if (std::none_of(analyses.begin(), analyses.end(), [&](const TAnalyse& a) {
                        return std::any_of(a.Lectures.begin(), a.Lectures.end(),
                                           [&](const TLecture& l) { return tient(a, l); });
                    })) {
                    manques.push_back(texte + " | " + ligne + " | " + std::string(s.Cellule->Nom) +
                                      " " + std::to_string(s.Personne) + " | " +
                                      DecritOptions(s.Options));
                    break;
                }
            }
        }
    }
    EXPECT_GT(lues, verbes.size() * 97);
    std::string liste;
    for (std::size_t i = 0; i < manques.size() && i < 60; ++i) liste += manques[i] + '\n';
    EXPECT_TRUE(manques.empty()) << manques.size() << " lignes non relues, dont :\n" << liste;
}

}  // namespace
