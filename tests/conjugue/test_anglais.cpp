// conjugue for a learner whose language is English: messages and help in
// the locale's language, the English meanings, the English search, the
// lines spoken.
#include <gtest/gtest.h>

#include <filesystem>

#include "drapeaux.hpp"
#include "json_lu.hpp"
#include "langue.hpp"
#include "processus.hpp"

namespace {

using florimot::TLangue;

bool FreeDictInstalle() {
    return std::filesystem::exists("/usr/share/dictd/freedict-fra-eng.index") &&
           std::filesystem::exists("/usr/share/dictd/freedict-eng-fra.index");
}

TEST(ConjugueLangue, CommeGettext) {
    struct Cas {
        const char *language, *lcAll, *lcMessages, *lang;
        TLangue Langue;
    } const cas[] = {
        {nullptr, nullptr, nullptr, nullptr, TLangue::Francais},
        {nullptr, nullptr, nullptr, "en_GB.UTF-8", TLangue::Anglais},
        {nullptr, nullptr, nullptr, "fr_FR.UTF-8", TLangue::Francais},
        {nullptr, nullptr, "en_US.UTF-8", "fr_FR.UTF-8", TLangue::Anglais},
        {nullptr, "fr_FR.UTF-8", "en_US.UTF-8", "en_US.UTF-8", TLangue::Francais},
        {"en:fr", nullptr, nullptr, "fr_FR.UTF-8", TLangue::Anglais},
        {"en", nullptr, nullptr, "C.UTF-8", TLangue::Francais},  // LANGUAGE needs a locale
        {nullptr, nullptr, nullptr, "english", TLangue::Francais},
        {nullptr, "", "", "en", TLangue::Anglais},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(florimot::LangueDesMessages(c.language, c.lcAll, c.lcMessages, c.lang), c.Langue)
            << (c.lang ? c.lang : "-") << ' ' << (c.language ? c.language : "-");
}

// A flag another change adds must come with its English help.
TEST(ConjugueLangue, ChaqueDrapeauASonAideAnglaise) {
    for (const florimot::TDrapeau& d : florimot::Drapeaux)
        EXPECT_FALSE(florimot::AideAnglaise(d).empty()) << d.Noms[0];
}

TEST(ConjugueLangue, AideEtMessagesSuiventLaLocale) {
    Resultat r = LanceScript("LANG=en_GB.UTF-8 \"$CONJUGUE\" --help");
    EXPECT_EQ(r.Statut, 0);
    EXPECT_EQ(r.Sortie.rfind("Usage: conjugue", 0), 0u) << r.Sortie;
    r = LanceScript("LANG=fr_FR.UTF-8 \"$CONJUGUE\" --help");
    EXPECT_EQ(r.Sortie.rfind("Utilisation : conjugue", 0), 0u) << r.Sortie;
    r = LanceScript("LANG=en_GB.UTF-8 \"$CONJUGUE\" --inconnue");
    EXPECT_EQ(r.Statut, 2);
    EXPECT_EQ(r.Erreurs, "conjugue: unknown option “--inconnue” (conjugue --help)\n");
    r = LanceScript("LC_MESSAGES=en_US.UTF-8 \"$CONJUGUE\" parler xyz 'se s'\"'\"'lever'");
    EXPECT_EQ(r.Statut, 1);
    EXPECT_EQ(r.Erreurs, "xyz: not a verb\nse s'lever: not a verb\n");
    // The output is the same in every locale.
    const Resultat fr = LanceScript("\"$CONJUGUE\" --json --negation parler");
    const Resultat en = LanceScript("LANG=en_GB.UTF-8 \"$CONJUGUE\" --json --negation parler");
    EXPECT_EQ(fr.Sortie, en.Sortie);
}

TEST(ConjugueEcoute, DitLesLignesRetenues) {
    const std::filesystem::path dit =
        std::filesystem::temp_directory_path() / ("florimot-dit-" + std::to_string(getpid()));
    // A voice that writes down what it is told, one call a line.
    Resultat r = LanceScript("export FLORIMOT_PAROLE=\"" + dit.string() +
                             ".sh\"; printf '%s\\n' "
                             "'#!/bin/sh' 'printf \"%s|\" \"$@\" >> \"" +
                             dit.string() + "\"; echo >> \"" + dit.string() +
                             "\"' > \"$FLORIMOT_PAROLE\"; "
                             "chmod +x \"$FLORIMOT_PAROLE\"; \"$CONJUGUE\" --ecouter --temps "
                             "impératif-présent aller; \"$CONJUGUE\" --écouter --interrogation "
                             "--temps PCInd --personne 3 avoir");
    EXPECT_EQ(r.Statut, 0) << r.Erreurs;
    EXPECT_EQ(r.Sortie, "va\nallons\nallez\na-t-il eu\u00a0?\n");
    EXPECT_EQ(Lit(dit.string()), "-v|fr|--|va. allons. allez.|\n-v|fr|--|a-t-il eu ?|\n");
    std::filesystem::remove(dit);
    std::filesystem::remove(dit.string() + ".sh");
    r = LanceScript("FLORIMOT_PAROLE=/nulle/part/espeak-ng \"$CONJUGUE\" --ecouter parler");
    EXPECT_EQ(r.Statut, 2);
    EXPECT_EQ(r.Sortie, "");
    EXPECT_NE(r.Erreurs.find("--ecouter ne peut rien dire"), std::string::npos) << r.Erreurs;
}

TEST(ConjugueAnglais, SansDictionnaireRienNeChange) {
    const Resultat r = Lance({"--anglais", "I went"});
    EXPECT_EQ(r.Statut, 1);
    EXPECT_EQ(r.Sortie, "");
    EXPECT_NE(r.Erreurs.find("FreeDict"), std::string::npos) << r.Erreurs;
    EXPECT_EQ(Lance({"parler"}).Sortie.find("anglais"), std::string::npos);
}

TEST(ConjugueAnglais, AvecFreeDict) {
    if (!FreeDictInstalle())
        GTEST_SKIP() << "dict-freedict-fra-eng or dict-freedict-eng-fra is not installed";
    const std::string avec = "FLORIMOT_DICTD=/usr/share/dictd \"$CONJUGUE\" ";
    Resultat r = LanceScript(avec + "parler");
    EXPECT_NE(r.Sortie.find("parler — Groupe : 1\nen anglais : to speak, to talk\n"),
              std::string::npos)
        << r.Sortie;
    r = LanceScript(avec + "--json accueillir");
    const rapidjson::Document d = essais::LitJson(r.Sortie);
    ASSERT_TRUE(d["anglais"].IsArray());
    EXPECT_STREQ(d["anglais"][1].GetString(), "to receive");
    r = LanceScript(avec + "--json --anglais 'I went' --anglais 'she has eaten'");
    EXPECT_EQ(r.Statut, 0) << r.Erreurs;
    const std::size_t fin = r.Sortie.find('\n');
    const rapidjson::Document went = essais::LitJson(r.Sortie.substr(0, fin));
    EXPECT_EQ(
        essais::EcritJson(went["choix"][0]),
        R"({"verbe":"aller","cellule":"PCInd","personne":1,"forme":"je suis allé","note":"passe_compose_ou_passe_simple"})");
    EXPECT_STREQ(went["choix"][1]["forme"].GetString(), "j'allai");
    const rapidjson::Document mange = essais::LitJson(r.Sortie.substr(fin + 1));
    EXPECT_STREQ(mange["choix"][0]["forme"].GetString(), "elle a mangé");
    r = LanceScript(avec + "--anglais 'we will see' --anglais xyzzy");
    EXPECT_EQ(r.Statut, 1);
    EXPECT_EQ(r.Sortie.rfind("we will see\n  voir — Indicatif Futur Simple : nous verrons\n", 0),
              0u)
        << r.Sortie;
    EXPECT_EQ(r.Erreurs, "« xyzzy » : aucun verbe français pour ce texte anglais\n");
}

}  // namespace
