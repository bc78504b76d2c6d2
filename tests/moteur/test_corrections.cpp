#include <gtest/gtest.h>

#include <cstdint>

#include "formes.hpp"

namespace {

using essais::Grille;
using essais::Verbe;
using essais::Verifie;

}  // namespace

// Forms once wrong, each with the line it must read; a few neighbours that
// must not have moved with them stand beside (inquiéter, asseoir, taire).
TEST(Corrections, Formes) {
    Verifie({
        // -eler with è, like geler
        {"harceler", 0, 0, 1, "je harcèle"},
        {"harceler", 3, 0, 1, "je harcèlerai"},
        {"regeler", 0, 0, 3, "il regèle"},
        {"remodeler", 0, 0, 1, "je remodèle"},
        // an e after i never changes; an é still does
        {"briefer", 0, 0, 1, "je briefe"},
        {"briefer", 3, 0, 1, "je brieferai"},
        {"débriefer", 0, 0, 6, "ils débriefent"},
        {"speeder", 0, 0, 1, "je speede"},
        {"tweeter", 0, 0, 1, "je tweete"},
        {"tweeter", 3, 0, 1, "je tweeterai"},
        {"remarteler", 0, 0, 1, "je remartèle"},
        {"interviewer", 0, 0, 1, "j'interviewe"},
        {"inquiéter", 0, 0, 1, "j'inquiète"},
        // -gger keeps a hard g
        {"jogger", 0, 0, 4, "nous joggons"},
        {"jogger", 1, 0, 1, "je joggais"},
        {"jogger", 0, 47, 0, "joggant"},
        // mute h
        {"hameçonner", 0, 0, 1, "j'hameçonne"},
        {"herbager", 0, 0, 1, "j'herbage"},
        {"herber", 0, 0, 1, "j'herbe"},
        {"homogénéifier", 0, 0, 1, "j'homogénéifie"},
        {"hormoner", 0, 0, 1, "j'hormone"},
        {"horripiler", 0, 0, 1, "j'horripile"},
        {"hypostasier", 0, 0, 1, "j'hypostasie"},
        // amuïr, second group with its tréma
        {"amuïr", 0, 0, 1, "j'amuïs"},
        {"amuïr", 0, 0, 3, "il amuït"},
        {"amuïr", 0, 0, 4, "nous amuïssons"},
        {"amuïr", 1, 0, 1, "j'amuïssais"},
        {"amuïr", 0, 47, 0, "amuïssant"},
        {"amuïr", 10, 0, 1, "j'ai amuï"},
        // assoir, rassoir, sursoir: "oi" throughout
        {"assoir", 0, 0, 1, "j'assois"},
        {"assoir", 0, 0, 4, "nous assoyons"},
        {"assoir", 1, 0, 1, "j'assoyais"},
        {"assoir", 2, 0, 1, "j'assis"},
        {"assoir", 3, 0, 1, "j'assoirai"},
        {"assoir", 0, 24, 1, "que j'assoie"},
        {"assoir", 0, 42, 1, "assois"},
        {"assoir", 0, 47, 0, "assoyant"},
        {"assoir", 10, 0, 1, "j'ai assis"},
        {"rassoir", 0, 0, 1, "je rassois"},
        {"sursoir", 0, 0, 1, "je sursois"},
        {"sursoir", 3, 0, 1, "je sursoirai"},
        {"sursoir", 10, 0, 1, "j'ai sursis"},
        {"asseoir", 1, 0, 1, "j'assoyais"},
        {"surseoir", 3, 0, 1, "je surseoirai"},
        // foutre, contrefoutre
        {"foutre", 0, 0, 1, "je fous"},
        {"foutre", 0, 0, 3, "il fout"},
        {"foutre", 0, 0, 4, "nous foutons"},
        {"foutre", 1, 0, 1, "je foutais"},
        {"foutre", 3, 0, 1, "je foutrai"},
        {"foutre", 0, 24, 1, "que je foute"},
        {"foutre", 0, 42, 1, "fous"},
        {"foutre", 0, 47, 0, "foutant"},
        {"foutre", 10, 0, 1, "j'ai foutu"},
        {"foutre", 2, 0, 1, "-"},
        {"foutre", 1, 24, 3, "-"},
        {"contrefoutre", 0, 0, 1, "je contrefous"},
        {"contrefoutre", 2, 0, 3, "-"},
        // il plaît, but il tait
        {"plaire", 0, 0, 3, "il plaît"},
        {"déplaire", 0, 0, 3, "il déplaît"},
        {"complaire", 0, 0, 3, "il complaît"},
        {"taire", 0, 0, 3, "il tait"},
        // défaillir, modern
        {"défaillir", 0, 0, 1, "je défaille"},
        {"défaillir", 0, 0, 2, "tu défailles"},
        {"défaillir", 0, 0, 3, "il défaille"},
        {"défaillir", 3, 0, 1, "je défaillirai"},
        {"défaillir", 0, 42, 1, "défaille"},
        // faillir has no impératif
        {"faillir", 0, 42, 1, "-"},
        {"faillir", 0, 42, 3, "-"},
        {"faillir", 10, 42, 1, "-"},
        // a marker alone, never after a stem
        {"repouvoir", 0, 42, 1, "pas d'impératif"},
        {"repouvoir", 10, 42, 2, "pas d'impératif"},
        // pleuvoir, figurative plural
        {"pleuvoir", 0, 0, 6, "ils pleuvent"},
        {"pleuvoir", 1, 0, 6, "ils pleuvaient"},
        {"pleuvoir", 2, 0, 6, "ils plurent"},
        {"pleuvoir", 3, 0, 6, "ils pleuvront"},
        {"pleuvoir", 0, 24, 6, "qu'ils pleuvent"},
        {"pleuvoir", 10, 0, 6, "ils ont plu"},
        {"pleuvoir", 0, 0, 1, "-"},
        // compound tenses only
        {"occire", 10, 0, 1, "j'ai occis"},
        {"occire", 0, 0, 1, "-"},
        {"occire", 0, 47, 0, "-"},
        {"douer", 10, 0, 1, "j'ai doué"},
        {"douer", 0, 0, 3, "-"},
        {"douer", 3, 0, 1, "-"},
        // sourdre: il and ils of the présent and the imparfait
        {"sourdre", 0, 0, 3, "il sourd"},
        {"sourdre", 0, 0, 6, "ils sourdent"},
        {"sourdre", 1, 0, 3, "il sourdait"},
        {"sourdre", 1, 0, 6, "ils sourdaient"},
        {"sourdre", 0, 0, 1, "-"},
        {"sourdre", 3, 0, 3, "-"},
        {"sourdre", 10, 0, 3, "-"},
        {"sourdre", 0, 47, 0, "-"},
        // advenir: the third persons
        {"advenir", 0, 0, 3, "il advient"},
        {"advenir", 0, 0, 6, "ils adviennent"},
        {"advenir", 10, 0, 3, "il est advenu"},
        {"advenir", 10, 0, 6, "ils sont advenus"},
        {"advenir", 0, 24, 3, "qu'il advienne"},
        {"advenir", 0, 0, 1, "-"},
        {"advenir", 10, 0, 1, "-"},
        {"advenir", 0, 42, 1, "-"},
        // apparoir, chaloir: one form each
        {"apparoir", 0, 0, 3, "il appert"},
        {"apparoir", 0, 0, 6, "-"},
        {"apparoir", 1, 0, 3, "-"},
        {"chaloir", 0, 0, 3, "il chaut"},
        {"chaloir", 3, 0, 3, "-"},
        {"chaloir", 10, 0, 3, "-"},
        // choir: no imparfait, no participe présent; déchoir: no participe présent
        {"choir", 0, 0, 1, "je chois"},
        {"choir", 1, 0, 3, "-"},
        {"choir", 11, 0, 1, "j'avais chu"},
        {"choir", 0, 47, 0, "-"},
        {"déchoir", 1, 0, 1, "je déchoyais"},
        {"déchoir", 0, 47, 0, "-"},
    });
}

// Verbs of which only the infinitive is used: still verbs of their group,
// with every line "-".
TEST(Corrections, InfinitifSeul) {
    const struct {
        const char* Verbe;
        std::uint8_t Groupe;
    } cas[] = {{"ester", 1},    {"quérir", 3},  {"ravoir", 3},  {"férir", 3},
               {"forclore", 3}, {"endêver", 1}, {"attraire", 3}};
    for (const auto& c : cas) {
        EXPECT_EQ(Verbe(c.Verbe).DonneGroupe(), c.Groupe) << c.Verbe;
        const florimot::TLignesGrille lignes = Grille(c.Verbe);
        for (std::size_t i = 0; i < lignes.size(); ++i)
            EXPECT_EQ(lignes[i], "-") << c.Verbe << " " << i;
    }
}
