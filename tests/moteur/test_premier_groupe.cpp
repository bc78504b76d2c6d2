#include <gtest/gtest.h>

#include "conjugaison.hpp"

namespace {

struct Cas {
    const char* verbe;
    int code, mode, personne;
    const char* attendu;
};

std::string Forme(const char* mot, int code, int mode, int personne) {
    florimot::TVerbe v;
    v.DefinitVerbe(mot);
    return florimot::ConjugueForme(v, static_cast<std::uint8_t>(code),
                                   static_cast<std::uint8_t>(mode), personne);
}

void Verifie(std::initializer_list<Cas> cas) {
    for (const Cas& c : cas)
        EXPECT_EQ(Forme(c.verbe, c.code, c.mode, c.personne), c.attendu)
            << c.verbe << " (" << c.code << ", " << c.mode << ", " << c.personne << ")";
}

}  // namespace

TEST(PremierGroupe, ParlerDansLaGrille) {
    Verifie({
        {"parler", 0, 0, 1, "je parle"},
        {"parler", 0, 0, 6, "ils parlent"},
        {"parler", 1, 0, 4, "nous parlions"},
        {"parler", 2, 0, 6, "ils parlèrent"},
        {"parler", 3, 0, 2, "tu parleras"},
        {"parler", 0, 24, 5, "que vous parliez"},
        {"parler", 1, 24, 3, "qu'il parlât"},
        {"parler", 0, 36, 6, "ils parleraient"},
        {"parler", 0, 42, 2, "parlons"},
        {"parler", 0, 47, 0, "parlant"},
        {"parler", 10, 0, 1, "j'ai parlé"},
        {"parler", 12, 0, 3, "il eut parlé"},
        {"parler", 13, 0, 4, "nous aurons parlé"},
        {"parler", 11, 24, 6, "qu'ils eussent parlé"},
        {"parler", 10, 36, 2, "tu aurais parlé"},
        {"parler", 15, 36, 1, "j'eusse parlé"},
        {"parler", 15, 0, 1, "j'eusse parlé"},
        {"parler", 10, 42, 3, "ayez parlé"},
        {"parler", 0, 24, 1, "que je parle"},
        {"parler", 0, 24, 3, "qu'il parle"},
        {"aimer", 0, 0, 1, "j'aime"},
        {"aimer", 0, 24, 1, "que j'aime"},
    });
}

TEST(PremierGroupe, ModelesParTerminaison) {
    Verifie({
        {"placer", 0, 0, 4, "nous plaçons"},
        {"placer", 1, 0, 1, "je plaçais"},
        {"placer", 2, 0, 1, "je plaçai"},
        {"placer", 0, 47, 0, "plaçant"},
        {"placer", 10, 0, 1, "j'ai placé"},
        {"placer", 15, 36, 2, "tu eusses placé"},
        {"manger", 0, 0, 4, "nous mangeons"},
        {"manger", 2, 0, 4, "nous mangeâmes"},
        {"manger", 0, 47, 0, "mangeant"},
        {"manger", 10, 0, 1, "j'ai mangé"},
        {"protéger", 0, 0, 1, "je protège"},
        {"protéger", 0, 0, 4, "nous protégeons"},
        {"protéger", 3, 0, 1, "je protégerai"},
        {"protéger", 10, 0, 1, "j'ai protégé"},
        {"nettoyer", 0, 0, 1, "je nettoie"},
        {"nettoyer", 3, 0, 1, "je nettoierai"},
        {"nettoyer", 10, 0, 1, "j'ai nettoyé"},
        {"payer", 0, 0, 1, "je paie"},
        {"employer", 0, 0, 6, "ils emploient"},
        {"essuyer", 3, 0, 1, "j'essuierai"},
        {"envoyer", 0, 0, 1, "j'envoie"},
        {"envoyer", 3, 0, 1, "j'enverrai"},
        {"envoyer", 0, 36, 1, "j'enverrais"},
        {"renvoyer", 3, 0, 4, "nous renverrons"},
        {"envoyer", 0, 47, 0, "envoyant"},
        {"envoyer", 10, 0, 1, "j'ai envoyé"},
        // Only envoyer and renvoyer have enverrai; grasseyer keeps its y.
        {"convoyer", 3, 0, 1, "je convoierai"},
        {"fourvoyer", 0, 0, 1, "je fourvoie"},
        {"dévoyer", 0, 36, 3, "il dévoierait"},
        {"grasseyer", 0, 0, 1, "je grasseye"},
        {"faseyer", 3, 0, 3, "il faseyera"},
    });
}

TEST(PremierGroupe, ConsonneDoubleeOuAccentGrave) {
    Verifie({
        {"appeler", 0, 0, 1, "j'appelle"},
        {"appeler", 0, 0, 4, "nous appelons"},
        {"appeler", 0, 0, 6, "ils appellent"},
        {"appeler", 3, 0, 4, "nous appellerons"},
        {"appeler", 0, 36, 1, "j'appellerais"},
        {"appeler", 0, 24, 1, "que j'appelle"},
        {"appeler", 2, 0, 1, "j'appelai"},
        {"appeler", 10, 0, 1, "j'ai appelé"},
        {"appeler", 0, 47, 0, "appelant"},
        {"appeler", 0, 42, 1, "appelle"},
        {"jeter", 0, 0, 1, "je jette"},
        {"jeter", 3, 0, 1, "je jetterai"},
        {"jeter", 0, 0, 4, "nous jetons"},
        {"jeter", 0, 42, 1, "jette"},
        {"jeter", 0, 42, 2, "jetons"},
        {"rappeler", 0, 0, 3, "il rappelle"},
        {"épeler", 0, 0, 1, "j'épelle"},
        {"geler", 0, 0, 1, "je gèle"},
        {"geler", 3, 0, 1, "je gèlerai"},
        {"geler", 0, 0, 4, "nous gelons"},
        {"acheter", 0, 0, 1, "j'achète"},
        {"acheter", 3, 0, 1, "j'achèterai"},
        {"acheter", 0, 0, 4, "nous achetons"},
        {"racheter", 0, 0, 6, "ils rachètent"},
        {"aciseler", 0, 0, 1, "j'acisèle"},
        {"décongeler", 0, 0, 3, "il décongèle"},
        {"recongeler", 3, 0, 1, "je recongèlerai"},
        {"préacheter", 0, 0, 1, "je préachète"},
        {"lever", 0, 0, 1, "je lève"},
        {"lever", 0, 0, 4, "nous levons"},
        {"lever", 0, 0, 6, "ils lèvent"},
        {"lever", 3, 0, 1, "je lèverai"},
        {"lever", 0, 36, 1, "je lèverais"},
        {"lever", 1, 0, 1, "je levais"},
        {"lever", 13, 0, 6, "ils auront levé"},
        {"lever", 0, 42, 1, "lève"},
        {"semer", 0, 0, 3, "il sème"},
        {"peser", 0, 24, 6, "qu'ils pèsent"},
        {"céder", 0, 0, 1, "je cède"},
        {"céder", 0, 0, 4, "nous cédons"},
        {"céder", 0, 0, 6, "ils cèdent"},
        {"céder", 0, 24, 1, "que je cède"},
        {"céder", 0, 42, 1, "cède"},
        {"céder", 0, 42, 2, "cédons"},
        {"céder", 3, 0, 1, "je céderai"},
        {"céder", 0, 36, 1, "je céderais"},
        {"céder", 10, 0, 1, "j'ai cédé"},
        {"répéter", 0, 0, 1, "je répète"},
        {"créer", 0, 0, 1, "je crée"},
        {"entrer", 0, 0, 1, "j'entre"},
    });
}

TEST(PremierGroupe, GroupeDeConsonnesCommeUneSeule) {
    Verifie({
        {"régler", 0, 0, 1, "je règle"},
        {"régler", 0, 0, 4, "nous réglons"},
        {"régler", 3, 0, 1, "je réglerai"},
        {"célébrer", 0, 0, 1, "je célèbre"},
        {"sécher", 0, 0, 1, "je sèche"},
        {"régner", 0, 0, 3, "il règne"},
        {"léguer", 0, 0, 1, "je lègue"},
        {"intégrer", 0, 0, 1, "j'intègre"},
        {"pénétrer", 0, 0, 3, "il pénètre"},
        {"disséquer", 0, 0, 1, "je dissèque"},
        {"sevrer", 0, 0, 1, "je sèvre"},
        {"sevrer", 3, 0, 1, "je sèvrerai"},
        {"exécrer", 0, 0, 1, "j'exècre"},
        {"sevrer", 0, 0, 4, "nous sevrons"},
        {"dépecer", 0, 0, 1, "je dépèce"},
        {"dépecer", 0, 0, 4, "nous dépeçons"},
        {"dépecer", 3, 0, 1, "je dépècerai"},
        {"dépecer", 1, 0, 1, "je dépeçais"},
        {"rapiécer", 0, 0, 1, "je rapièce"},
        {"rapiécer", 0, 0, 4, "nous rapiéçons"},
        {"rapiécer", 3, 0, 1, "je rapiécerai"},
        // Not a single consonant, or not e/é before it.
        {"vexer", 0, 0, 1, "je vexe"},
        {"annexer", 0, 0, 1, "j'annexe"},
        {"indexer", 0, 0, 3, "il indexe"},
        {"quereller", 0, 0, 1, "je querelle"},
        {"ferrer", 0, 0, 1, "je ferre"},
        {"entrer", 0, 0, 3, "il entre"},
        {"er", 0, 0, 3, "il e"},
    });
}

TEST(PremierGroupe, Elision) {
    Verifie({
        {"ôter", 0, 0, 1, "j'ôte"},
        {"œuvrer", 0, 0, 1, "j'œuvre"},
        {"écouter", 0, 0, 1, "j'écoute"},
        {"user", 0, 0, 1, "j'use"},
        {"ôter", 0, 24, 1, "que j'ôte"},
        {"habiter", 0, 0, 1, "j'habite"},
        {"hésiter", 0, 0, 1, "j'hésite"},
        {"honorer", 0, 0, 1, "j'honore"},
        {"humilier", 0, 0, 1, "j'humilie"},
        {"héberger", 0, 0, 1, "j'héberge"},
        {"hériter", 0, 0, 1, "j'hérite"},
        {"habiller", 0, 0, 1, "j'habille"},
        {"habituer", 0, 0, 1, "j'habitue"},
        {"hydrater", 0, 0, 1, "j'hydrate"},
        {"habiter", 0, 24, 1, "que j'habite"},
        {"hurler", 0, 0, 1, "je hurle"},
        {"hacher", 0, 0, 1, "je hache"},
        {"heurter", 0, 0, 1, "je heurte"},
        {"hisser", 0, 0, 1, "je hisse"},
        {"hanter", 0, 0, 1, "je hante"},
        {"hâter", 0, 0, 1, "je hâte"},
        {"hausser", 0, 0, 1, "je hausse"},
        {"hurler", 0, 24, 1, "que je hurle"},
        {"hurler", 10, 0, 1, "j'ai hurlé"},
    });
}
