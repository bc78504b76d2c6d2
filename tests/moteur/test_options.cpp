#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "conjugaison.hpp"
#include "faits.hpp"

namespace {

using florimot::TOptions;

// "f" féminin, "n" négation, "i" interrogation, "p" passif, "r" orthographe
// rectifiée, "v" autre forme.
TOptions Options(std::string_view lettres) {
    TOptions o;
    o.Feminin = lettres.find('f') != std::string_view::npos;
    o.Negation = lettres.find('n') != std::string_view::npos;
    o.Interrogation = lettres.find('i') != std::string_view::npos;
    o.Passif = lettres.find('p') != std::string_view::npos;
    o.Rectifiee = lettres.find('r') != std::string_view::npos;
    o.Variante = lettres.find('v') != std::string_view::npos;
    return o;
}

struct Cas {
    const char* Texte;
    const char* Options;
    const char* Cellule;
    int Personne;
    const char* Attendu;
};

// The line of the grid, and the same line asked alone: both must agree.
// Built as the front ends build them, with the verb's facts.
void Verifie(std::initializer_list<Cas> cas) {
    for (const Cas& c : cas) {
        florimot::TVerbe v;
        v.DefinitVerbe(c.Texte);
        const florimot::TFaits f = florimot::PrepareVerbe(v);
        const TOptions o = Options(c.Options);
        const florimot::TLignesGrille lignes = florimot::ConjugueGrille(v, o, f);
        for (const florimot::TCellule& cel : florimot::GrilleComplete) {
            if (cel.Nom != c.Cellule) continue;
            EXPECT_EQ(lignes[cel.Premier + c.Personne - cel.PremierePersonne], c.Attendu)
                << c.Texte << " [" << c.Options << "] " << c.Cellule << " " << c.Personne;
            EXPECT_EQ(florimot::ConjugueForme(v, cel.CodeTemps, cel.DecalageMode, c.Personne, o, f),
                      c.Attendu);
        }
    }
}

}  // namespace

TEST(Options, Pronominaux) {
    Verifie({
        {"se lever", "", "PresInd", 1, "je me lève"},
        {"se lever", "", "PresInd", 4, "nous nous levons"},
        {"se lever", "", "PCInd", 4, "nous nous sommes levés"},
        {"se lever", "", "PCSubj", 1, "que je me sois levé"},
        {"se lever", "", "PresImp", 1, "lève-toi"},
        {"se lever", "", "PCImp", 1, "-"},
        {"se lever", "", "PartPres", 0, "se levant"},
        {"s'asseoir", "", "PresInd", 3, "il s'assoit"},
        {"s'asseoir", "", "PartPres", 0, "s'assoyant"},
        {"s'asseoir", "", "PresImp", 1, "assois-toi"},
        {"s'asseoir", "", "PresInd", 4, "nous nous assoyons"},
        {"se rasseoir", "", "ImpInd", 4, "nous nous rassoyions"},
        {"s'habituer", "", "PresInd", 1, "je m'habitue"},
        {"se hâter", "", "PresInd", 1, "je me hâte"},
        {"se souvenir", "", "PresSubj", 3, "qu'il se souvienne"},
        {"s'en aller", "", "PresInd", 1, "je m'en vais"},
        {"s'en aller", "", "PresInd", 4, "nous nous en allons"},
        {"s'en aller", "", "PCInd", 1, "je m'en suis allé"},
        {"s'en aller", "", "PresSubj", 1, "que je m'en aille"},
        {"s'en aller", "", "PresImp", 1, "va-t'en"},
        {"s'en aller", "", "PresImp", 2, "allons-nous-en"},
        {"s'en aller", "", "PartPres", 0, "s'en allant"},
        {"se parler", "", "PCInd", 6, "ils se sont parlé"},
        {"se plaire", "f", "PCInd", 6, "elles se sont plu"},
        {"se lever", "f", "PCInd", 6, "elles se sont levées"},
    });
}

TEST(Options, FemininNegationInterrogation) {
    Verifie({
        {"venir", "f", "PCInd", 3, "elle est venue"},
        {"venir", "f", "PCInd", 4, "nous sommes venues"},
        {"naître", "f", "PCInd", 1, "je suis née"},
        {"éclore", "f", "PCInd", 6, "elles sont écloses"},
        {"mourir", "f", "PCInd", 3, "elle est morte"},
        {"parler", "f", "PCInd", 3, "elle a parlé"},
        {"parler", "f", "PresSubj", 6, "qu'elles parlent"},
        {"falloir", "f", "PresInd", 3, "il faut"},
        {"parler", "n", "PresInd", 1, "je ne parle pas"},
        {"aimer", "n", "PresInd", 1, "je n'aime pas"},
        {"parler", "n", "PCInd", 1, "je n'ai pas parlé"},
        {"parler", "n", "PresSubj", 1, "que je ne parle pas"},
        {"parler", "n", "PresImp", 1, "ne parle pas"},
        {"parler", "n", "PartPres", 0, "ne parlant pas"},
        {"se lever", "n", "PCInd", 1, "je ne me suis pas levé"},
        {"se lever", "n", "PresImp", 1, "ne te lève pas"},
        {"se lever", "n", "PresImp", 2, "ne nous levons pas"},
        {"s'en aller", "n", "PresImp", 3, "ne vous en allez pas"},
        {"s'en aller", "n", "PresImp", 1, "ne t'en va pas"},
        {"parler", "i", "PresInd", 2, "parles-tu\u00a0?"},
        {"parler", "i", "PresInd", 3, "parle-t-il\u00a0?"},
        {"parler", "i", "PresInd", 6, "parlent-ils\u00a0?"},
        {"aller", "i", "PresInd", 3, "va-t-il\u00a0?"},
        {"parler", "i", "FSInd", 3, "parlera-t-il\u00a0?"},
        {"parler", "i", "PCInd", 3, "a-t-il parlé\u00a0?"},
        {"venir", "i", "PresInd", 3, "vient-il\u00a0?"},
        {"prendre", "i", "PresInd", 3, "prend-il\u00a0?"},
        {"vaincre", "i", "PresInd", 3, "vainc-il\u00a0?"},
        {"parler", "i", "PCInd", 1, "ai-je parlé\u00a0?"},
        {"venir", "i", "PCInd", 1, "suis-je venu\u00a0?"},
        {"se lever", "i", "PCInd", 2, "t'es-tu levé\u00a0?"},
        {"se lever", "i", "PCInd", 3, "s'est-il levé\u00a0?"},
        {"pouvoir", "i", "PresInd", 1, "puis-je\u00a0?"},
        {"pouvoir", "i", "PresCond", 1, "pourrais-je\u00a0?"},
        {"être", "i", "PresInd", 1, "suis-je\u00a0?"},
        {"parler", "i", "PresInd", 1, "est-ce que je parle\u00a0?"},
        {"aimer", "i", "PresInd", 1, "est-ce que j'aime\u00a0?"},
        {"se lever", "i", "PresInd", 1, "est-ce que je me lève\u00a0?"},
        {"parler", "i", "ImpInd", 1, "parlais-je\u00a0?"},
        {"parler", "i", "P2Cond", 1, "eussé-je parlé\u00a0?"},
        {"venir", "i", "P2Cond", 1, "fussé-je venu\u00a0?"},
        {"parler", "i", "PresSubj", 1, "-"},
        {"parler", "i", "PresImp", 1, "-"},
        {"parler", "i", "PartPres", 0, "-"},
        {"parler", "in", "PresInd", 2, "ne parles-tu pas\u00a0?"},
        {"parler", "in", "PCInd", 1, "n'ai-je pas parlé\u00a0?"},
        {"se lever", "in", "PresInd", 3, "ne se lève-t-il pas\u00a0?"},
        {"se lever", "in", "PCInd", 1, "ne me suis-je pas levé\u00a0?"},
        {"parler", "in", "PresInd", 1, "est-ce que je ne parle pas\u00a0?"},
        {"finir", "if", "PresInd", 3, "finit-elle\u00a0?"},
    });
}

TEST(Options, Passif) {
    Verifie({
        {"aimer", "p", "PresInd", 1, "je suis aimé"},
        {"aimer", "p", "PCInd", 1, "j'ai été aimé"},
        {"aimer", "p", "PSInd", 1, "je fus aimé"},
        {"aimer", "p", "PresSubj", 1, "que je sois aimé"},
        {"aimer", "p", "PresImp", 1, "sois aimé"},
        {"aimer", "pf", "PresInd", 3, "elle est aimée"},
        {"aimer", "pf", "PresInd", 4, "nous sommes aimées"},
        {"absoudre", "pf", "PresInd", 3, "elle est absoute"},
        {"dissoudre", "pf", "PresInd", 6, "elles sont dissoutes"},
        {"prendre", "pni", "PCInd", 3, "n'a-t-il pas été pris\u00a0?"},
        {"venir", "p", "PresInd", 1, "-"},
        {"se lever", "p", "PresInd", 1, "-"},
        {"falloir", "p", "PresInd", 3, "-"},
        {"pleuvoir", "p", "PresInd", 3, "-"},
        {"ester", "p", "PresInd", 1, "-"},
    });
}

TEST(Options, ModeleDuVerbe) {
    const std::pair<const char*, const char*> cas[] = {
        {"commencer", "placer"},    {"placer", ""}, {"choisir", "finir"}, {"attendre", "rendre"},
        {"apercevoir", "recevoir"}, {"maison", ""}, {"se lever", ""},     {"s'asseoir", ""},
        {"se souvenir", "venir"},
    };
    for (const auto& [texte, modele] : cas) {
        florimot::TVerbe v;
        v.DefinitVerbe(texte);
        EXPECT_EQ(florimot::ModeleDuVerbe(v), modele) << texte;
    }
}

// The rectified spelling, rule by rule: the circumflex on i and u, and where
// it stays; è for every -eler and -eter verb but appeler and jeter; è in the
// futur of céder's kind; absout; sursoir.
TEST(Options, Rectifiee) {
    Verifie({
        {"connaître", "r", "PresInd", 3, "il connait"},
        {"connaître", "r", "FSInd", 1, "je connaitrai"},
        {"connaître", "r", "PSInd", 4, "nous connûmes"},
        {"connaître", "r", "ImpSubj", 3, "qu'il connût"},
        {"gésir", "r", "PresInd", 3, "il git"},
        {"traîner", "r", "PSInd", 4, "nous trainâmes"},
        {"croître", "r", "PresInd", 1, "je croîs"},
        {"croître", "r", "PCInd", 1, "j'ai crû"},
        {"croître", "r", "FSInd", 1, "je croitrai"},
        {"devoir", "r", "PCInd", 1, "j'ai dû"},
        {"mouvoir", "r", "PCInd", 1, "j'ai mu"},
        {"jeûner", "r", "PresInd", 1, "je jeûne"},
        {"amonceler", "r", "PresInd", 1, "j'amoncèle"},
        {"étiqueter", "r", "PresInd", 3, "il étiquète"},
        {"appeler", "r", "PresInd", 1, "j'appelle"},
        {"rejeter", "r", "FSInd", 1, "je rejetterai"},
        {"céder", "r", "FSInd", 1, "je cèderai"},
        {"protéger", "r", "FSInd", 1, "je protègerai"},
        {"absoudre", "r", "PCInd", 1, "j'ai absout"},
        {"surseoir", "r", "FSInd", 1, "je sursoirai"},
        // Without the option, today's line.
        {"connaître", "", "PresInd", 3, "il connaît"},
    });
}

// Rectified infinitives are conjugated in that spelling, option or not.
TEST(Options, InfinitifsRectifies) {
    Verifie({
        {"connaitre", "", "PresInd", 3, "il connait"},
        {"naitre", "", "PCInd", 1, "je suis né"},
        {"croitre", "", "PresInd", 3, "il croît"},
        {"croitre", "", "FSInd", 1, "je croitrai"},
        {"apparaitre", "", "PCInd", 6, "ils sont apparus"},
        {"paitre", "", "PSInd", 1, "-"},
    });
}

// The other series: the -ayer verbs keep their y; asseoir takes ie/ey;
// pouvoir says je puis; a verb with one series keeps its grid.
TEST(Options, Variante) {
    Verifie({
        {"payer", "", "PresInd", 1, "je paie"},
        {"payer", "v", "PresInd", 1, "je paye"},
        {"payer", "v", "FSInd", 1, "je payerai"},
        {"essayer", "v", "PresImp", 1, "essaye"},
        {"asseoir", "v", "PresInd", 1, "j'assieds"},
        {"asseoir", "v", "PresInd", 4, "nous asseyons"},
        {"asseoir", "v", "ImpInd", 1, "j'asseyais"},
        {"asseoir", "v", "FSInd", 1, "j'assiérai"},
        {"asseoir", "v", "PartPres", 0, "asseyant"},
        {"s'asseoir", "v", "PresImp", 1, "assieds-toi"},
        {"assoir", "v", "PresInd", 1, "j'assieds"},
        {"surseoir", "v", "PresInd", 1, "je sursois"},
        {"pouvoir", "v", "PresInd", 1, "je puis"},
        {"parler", "v", "PresInd", 1, "je parle"},
    });
}

TEST(Options, AutreForme) {
    const std::tuple<const char*, const char*, const char*> cas[] = {
        {"payer", "", "je paye"},   {"payer", "v", "je paie"}, {"s'asseoir", "", "je m'assieds"},
        {"pouvoir", "", "je puis"}, {"parler", "", ""},        {"maison", "", ""},
    };
    for (const auto& [texte, options, attendu] : cas) {
        florimot::TVerbe v;
        v.DefinitVerbe(texte);
        EXPECT_EQ(florimot::AutreForme(v, Options(options)), attendu) << texte;
    }
}

// The forms without person, under every option; each is asked alone too.
TEST(Options, InfinitifParticipesGerondif) {
    Verifie({
        {"parler", "", "InfPasse", 0, "avoir parlé"},
        {"parler", "f", "PartPasse", 4, "parlées"},
        {"parler", "", "PartPasseComp", 0, "ayant parlé"},
        {"parler", "", "GerPasse", 0, "en ayant parlé"},
        {"parler", "n", "InfPres", 0, "ne pas parler"},
        {"parler", "n", "PartPasseComp", 0, "n'ayant pas parlé"},
        {"parler", "i", "GerPasse", 0, "-"},
        {"se lever", "n", "InfPasse", 0, "ne pas s'être levé"},
        {"se lever", "fn", "PartPasseComp", 0, "ne s'étant pas levée"},
        {"se lever", "n", "GerPres", 0, "en ne se levant pas"},
        {"se lever", "p", "InfPres", 0, "-"},
        {"s'en aller", "", "GerPasse", 0, "en s'en étant allé"},
        {"se parler", "", "PartPasse", 2, "-"},
        {"venir", "f", "InfPasse", 0, "être venue"},
        {"aimer", "p", "PartPasse", 1, "été aimé"},
        {"aimer", "pf", "PartPasseComp", 0, "ayant été aimée"},
        {"aimer", "pn", "GerPres", 0, "en n'étant pas aimé"},
        {"devoir", "", "PartPasse", 3, "dus"},
        {"absoudre", "", "PartPasse", 4, "absoutes"},
        {"falloir", "", "PartPasse", 2, "-"},
        {"falloir", "", "InfPasse", 0, "avoir fallu"},
        {"être", "", "PartPasse", 4, "-"},
        {"gésir", "", "InfPasse", 0, "non usité"},
    });
}
