#include <gtest/gtest.h>

#include <tuple>

#include "verbe.hpp"

using florimot::TVerbe;

TEST(Verbe, AffecteGardeLePremierMot) {
    struct Cas {
        std::string Texte, Mot;
        int Longueur;
    };
    const Cas cas[] = {
        {"parler         ", "parler", 6},
        {"               ", " ", 1},
        {"se lever", "lever", 5},
        {"abcdefghijklmnopqrstuvwxyzabcd", "abcdefghijklmnopqrstuvwx", 24},
        {"céder", "céder", 5},
        {"éééééééééééééééééééééééééééé", "éééééééééééééééééééééééé", 24},
        {"", "", 0},
        {"par\tler", "par", 3},
        {"\tparler", "parler", 6},
        {"   finir  ", "finir", 5},
        {" \t \r\n", " ", 1},
        {"a\xff"
         "b",
         "a\xEF\xBF\xBD"
         "b",
         3},
    };
    for (const Cas& c : cas) {
        TVerbe v;
        v.DefinitVerbe(c.Texte);
        EXPECT_EQ(v.MotVue(), c.Mot) << c.Texte;
        EXPECT_EQ(v.Longueur(), c.Longueur) << c.Texte;
    }
}

TEST(Verbe, DroiteGaucheLettreFinComptentEnLettres) {
    TVerbe v;
    v.DefinitVerbe("appeler");
    EXPECT_EQ(v.DroiteVue(4), "eler");
    EXPECT_EQ(v.GaucheVue(5), "appel");
    EXPECT_EQ(v.LettreFin(1), U'r');
    EXPECT_EQ(v.LettreFin(3), U'l');
    EXPECT_EQ(v.LettreFin(7), U'a');
    EXPECT_EQ(v.LettreFin(8), 0);
    EXPECT_EQ(v.LettreFin(9), 0);
    EXPECT_EQ(v.GaucheVue(0), "");
    EXPECT_EQ(v.DroiteVue(0), "");
    EXPECT_EQ(v.DroiteVue(30), "appeler");

    TVerbe er;
    er.DefinitVerbe("er");
    EXPECT_EQ(er.DroiteVue(3), "er");
    EXPECT_FALSE(er.TerminePar("ier"));

    TVerbe ceder;
    ceder.DefinitVerbe("céder");
    EXPECT_EQ(ceder.LettreFin(4), U'é');
    EXPECT_EQ(ceder.DroiteVue(4), "éder");
    EXPECT_EQ(ceder.GaucheVue(2), "cé");
}

TEST(Verbe, ClasseGroupe) {
    struct Cas {
        const char* Mot;
        int Groupe;
    };
    const Cas cas[] = {
        {"parler", 1},
        {"finir", 2},
        {"haïr", 2},
        {"prendre", 3},
        {"voir", 3},
        {"avoir", 3},
        {"être", 3},
        {"aller", 3},
        {"gésir", 3},
        {"ouïr", 3},
        {"offrir", 3},
        {"souffrir", 3},
        {"mésoffrir", 2},
        {"maison", 0},
        {" ", 0},
        {"er", 0},
        {"ir", 0},
        {"re", 0},
        {"obtenir", 3},
        {"acquérir", 3},
        {"consentir", 3},
        {"couvrir", 3},
        {"accueillir", 3},
        {"courir", 3},
        {"endormir", 3},
        {"enfuir", 3},
        {"entrehaïr", 0},
        {"mer", 1},
        {"", 0},
        // finir-type despite their endings
        {"répartir", 2},
        {"impartir", 2},
        {"assortir", 2},
        {"désassortir", 2},
        {"réassortir", 2},
        {"rassortir", 2},
        {"asservir", 2},
        // mentir-type despite the general -ir rule
        {"mentir", 3},
        {"démentir", 3},
        {"repentir", 3},
        {"partir", 3},
        {"servir", 3},
    };
    for (const Cas& c : cas) {
        TVerbe v;
        v.DefinitVerbe(c.Mot);
        EXPECT_EQ(v.DonneGroupe(), c.Groupe) << c.Mot;
    }
}

// What people type reaches the engine as one text, whatever the front end.
TEST(Verbe, SaisieNormaliseeEtPronominale) {
    struct Cas {
        std::string Texte, Intitule;
        int Groupe;
    };
    const Cas cas[] = {
        {"PARLER", "parler", 1},
        {"Été", "été", 0},
        {"ÊTRE", "être", 3},
        {"Haïr", "haïr", 2},
        {"ce\u0301der", "céder", 1},
        {"CE\u0301DER", "céder", 1},
        {"par\u2028ler", "par ler", 0},
        {"par\u2029ler", "par ler", 0},
        {"par\u0085ler", "par ler", 0},
        {"se lever", "se lever", 1},
        {"Se  Lever", "se lever", 1},
        {"s'asseoir", "s'asseoir", 3},
        {"s\u2019asseoir", "s'asseoir", 3},
        {"se asseoir", "s'asseoir", 3},
        {"se habituer", "s'habituer", 1},
        {"se hâter", "se hâter", 1},
        {"s'en aller", "s'en aller", 3},
        {"s'enivrer", "s'enivrer", 1},
        {"se", "se", 0},
        {"s'en", "s'en", 0},
    };
    for (const Cas& c : cas) {
        TVerbe v;
        v.DefinitVerbe(c.Texte);
        EXPECT_EQ(v.Intitule(), c.Intitule) << c.Texte;
        EXPECT_EQ(v.DonneGroupe(), c.Groupe) << c.Texte;
    }
}

// A 24-letter word has no letter before its first: nothing is read past it.
TEST(Verbe, LettreFinHorsDuMot) {
    TVerbe v;
    v.DefinitVerbe("abcdefghijklmnopqrstuvwx");
    EXPECT_EQ(v.LettreFin(0), 0U);
    EXPECT_EQ(v.LettreFin(1), U'x');
    EXPECT_EQ(v.LettreFin(25), 0U);
}

// Where the verb begins after its pronoun, even before it is typed: the
// window counts the letters of the verb alone.
TEST(Verbe, DebutDuVerbe) {
    using florimot::TPronom;
    const std::tuple<const char*, std::size_t, TPronom> cas[] = {
        {"lever", 0, TPronom::Aucun},   {"se lever", 3, TPronom::Se},
        {"se  lever", 4, TPronom::Se},  {"s'asseoir", 2, TPronom::Se},
        {"s' ", 3, TPronom::Se},        {"s'en aller", 5, TPronom::En},
        {"s'y prendre", 4, TPronom::Y}, {"s'enivrer", 2, TPronom::Se},
        {"se ", 3, TPronom::Se},        {"s'en ", 5, TPronom::En},
        {"se", 0, TPronom::Aucun},      {"sel", 0, TPronom::Aucun},
    };
    for (const auto& [texte, debut, pronom] : cas) {
        TPronom lu = TPronom::Aucun;
        EXPECT_EQ(florimot::DebutDuVerbe(texte, &lu), debut) << texte;
        EXPECT_EQ(lu, pronom) << texte;
    }
}
