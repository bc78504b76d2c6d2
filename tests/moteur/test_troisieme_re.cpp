#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "formes.hpp"

namespace {

using essais::Cas;
using essais::Forme;
using essais::Grille;
using essais::Verifie;

// Index of the first line of a cell in a grid.
int Debut(std::string_view nom) {
    for (const florimot::TCellule& c : florimot::Grille)
        if (c.Nom == nom) return c.Premier;
    ADD_FAILURE() << "no cell " << nom;
    return 0;
}

bool EstComposee(const florimot::TCellule& c) {
    return c.CodeTemps > 9;
}

}  // namespace

// Each verb reaches its model: one telling form per verb, so that a verb
// sent to a neighbouring model (rire for décrire, ndre for répondre) shows.
TEST(TroisiemeGroupeRe, ChaqueVerbeAtteintSonModele) {
    Verifie({
        {"apprendre", 0, 0, 4, "nous apprenons"},
        {"comprendre", 1, 24, 3, "qu'il comprît"},
        {"surprendre", 10, 0, 1, "j'ai surpris"},
        {"répandre", 1, 0, 6, "ils répandaient"},
        {"vendre", 0, 0, 3, "il vend"},
        {"descendre", 10, 0, 3, "il est descendu"},
        {"fendre", 10, 0, 3, "il a fendu"},
        {"perdre", 3, 0, 2, "tu perdras"},
        {"mordre", 0, 0, 3, "il mord"},
        {"craindre", 0, 0, 4, "nous craignons"},
        {"plaindre", 0, 24, 1, "que je plaigne"},
        {"joindre", 0, 0, 4, "nous joignons"},
        {"peindre", 0, 42, 1, "peins"},
        {"résoudre", 0, 0, 4, "nous résolvons"},
        {"découdre", 0, 0, 4, "nous décousons"},
        {"remoudre", 0, 0, 6, "ils remoulent"},
        {"abattre", 0, 0, 3, "il abat"},
        {"promettre", 0, 0, 1, "je promets"},
        {"satisfaire", 0, 0, 5, "vous satisfaites"},
        {"extraire", 0, 0, 4, "nous extrayons"},
        {"convaincre", 0, 0, 4, "nous convainquons"},
        {"déplaire", 2, 0, 1, "je déplus"},
        {"paraître", 0, 0, 4, "nous paraissons"},
        {"disparaître", 10, 0, 1, "j'ai disparu"},
        {"accroître", 0, 0, 4, "nous accroissons"},
        {"accroire", 0, 0, 4, "nous accroyons"},
        {"boire", 0, 0, 4, "nous buvons"},
        {"éclore", 0, 0, 3, "il éclôt"},
        {"exclure", 10, 0, 1, "j'ai exclu"},
        {"poursuivre", 0, 0, 1, "je poursuis"},
        {"survivre", 2, 0, 1, "je survécus"},
        {"élire", 2, 0, 3, "il élut"},
        {"maudire", 0, 0, 4, "nous maudissons"},
        {"décrire", 0, 0, 4, "nous décrivons"},
        {"récrire", 10, 0, 1, "j'ai récrit"},
        {"sourire", 0, 47, 0, "souriant"},
        {"conduire", 0, 0, 4, "nous conduisons"},
        {"construire", 10, 0, 1, "j'ai construit"},
        {"suffire", 0, 0, 4, "nous suffisons"},
        {"confire", 0, 0, 6, "ils confisent"},
    });
}

// The verbs in -oir and -ir go first, the longer endings before the ones they contain.
TEST(TroisiemeGroupeRe, VerbesEnOirEtIrAtteignentLeurModele) {
    Verifie({
        {"apercevoir", 0, 0, 4, "nous apercevons"},
        {"pourvoir", 2, 0, 1, "je pourvus"},
        {"émouvoir", 0, 0, 1, "j'émeus"},
        {"revoir", 3, 0, 1, "je reverrai"},
        {"messeoir", 0, 0, 3, "il messied"},
        {"déchoir", 10, 0, 1, "j'ai déchu"},
        {"devenir", 10, 0, 1, "je suis devenu"},
        {"acquérir", 0, 0, 1, "j'acquiers"},
        {"revêtir", 0, 0, 1, "je revêts"},
        {"mentir", 0, 0, 1, "je mens"},
        {"couvrir", 10, 0, 1, "j'ai couvert"},
        {"souffrir", 10, 0, 1, "j'ai souffert"},
        {"tressaillir", 0, 0, 1, "je tressaille"},
        {"accueillir", 0, 0, 1, "j'accueille"},
        {"mourir", 10, 0, 1, "je suis mort"},
        {"ouïr", 0, 0, 4, "nous oyons"},
    });
}

// A word in -re that no rule knows has no form.
TEST(TroisiemeGroupeRe, VerbeInconnuToutTiret) {
    for (const char* mot : {"tistre", "comparoir"}) {
        const auto lignes = Grille(mot);
        for (std::size_t i = 0; i < lignes.size(); ++i)
            EXPECT_EQ(lignes[i], "-") << mot << " " << i;
    }
}

TEST(TroisiemeGroupeRe, VerbesEnDre) {
    Verifie({
        {"prendre", 0, 0, 6, "ils prennent"},
        {"prendre", 0, 0, 3, "il prend"},
        {"prendre", 2, 0, 4, "nous prîmes"},
        {"prendre", 3, 0, 1, "je prendrai"},
        {"prendre", 0, 24, 1, "que je prenne"},
        {"prendre", 0, 47, 0, "prenant"},
        {"prendre", 10, 0, 1, "j'ai pris"},
        {"prendre", 15, 36, 3, "il eût pris"},
        {"prendre", 15, 36, 4, "nous eussions pris"},
        {"rendre", 0, 0, 3, "il rend"},
        {"rendre", 0, 0, 1, "je rends"},
        {"rendre", 2, 0, 6, "ils rendirent"},
        {"rendre", 11, 0, 1, "j'avais rendu"},
        {"craindre", 0, 0, 3, "il craint"},
        {"craindre", 2, 0, 1, "je craignis"},
        {"craindre", 0, 36, 5, "vous craindriez"},
        {"craindre", 10, 0, 3, "il a craint"},
        {"résoudre", 0, 0, 3, "il résout"},
        {"résoudre", 2, 0, 1, "je résolus"},
        {"résoudre", 3, 0, 6, "ils résoudront"},
        {"coudre", 0, 0, 3, "il coud"},
        {"coudre", 0, 0, 4, "nous cousons"},
        {"coudre", 2, 0, 3, "il cousit"},
        {"coudre", 13, 0, 1, "j'aurai cousu"},
        {"moudre", 0, 0, 6, "ils moulent"},
        {"moudre", 2, 0, 6, "ils moulurent"},
        {"moudre", 1, 24, 3, "qu'il moulût"},
        {"moudre", 10, 0, 1, "j'ai moulu"},
    });
}

TEST(TroisiemeGroupeRe, VerbesEnTreAireCreAitreOitre) {
    Verifie({
        {"battre", 0, 0, 3, "il bat"},
        {"battre", 0, 0, 4, "nous battons"},
        {"battre", 2, 0, 1, "je battis"},
        {"battre", 10, 0, 1, "j'ai battu"},
        {"mettre", 0, 0, 1, "je mets"},
        {"mettre", 2, 0, 3, "il mit"},
        {"mettre", 3, 0, 4, "nous mettrons"},
        {"mettre", 10, 0, 3, "il a mis"},
        {"faire", 0, 0, 5, "vous faites"},
        {"faire", 0, 0, 6, "ils font"},
        {"faire", 3, 0, 1, "je ferai"},
        {"faire", 0, 24, 1, "que je fasse"},
        {"faire", 2, 0, 4, "nous fîmes"},
        {"traire", 0, 0, 4, "nous trayons"},
        {"traire", 0, 0, 6, "ils traient"},
        {"traire", 1, 0, 1, "je trayais"},
        {"traire", 3, 0, 1, "je trairai"},
        {"traire", 2, 0, 1, "-"},
        {"traire", 2, 0, 6, "-"},
        {"traire", 1, 24, 3, "-"},
        {"traire", 10, 0, 1, "j'ai trait"},
        {"traire", 12, 0, 1, "j'eus trait"},
        {"traire", 11, 24, 3, "qu'il eût trait"},
        {"vaincre", 0, 0, 3, "il vainc"},
        {"vaincre", 0, 0, 4, "nous vainquons"},
        {"vaincre", 2, 0, 1, "je vainquis"},
        {"vaincre", 10, 0, 1, "j'ai vaincu"},
        {"plaire", 0, 0, 3, "il plaît"},
        {"plaire", 2, 0, 1, "je plus"},
        {"plaire", 10, 0, 3, "il a plu"},
        {"naître", 0, 0, 3, "il naît"},
        {"naître", 2, 0, 1, "je naquis"},
        {"paître", 0, 0, 3, "il paît"},
        {"paître", 1, 0, 1, "je paissais"},
        {"paître", 0, 42, 1, "pais"},
        {"paître", 2, 0, 1, "-"},
        {"paître", 1, 24, 3, "-"},
        {"repaître", 0, 0, 4, "nous repaissons"},
        {"repaître", 2, 0, 1, "je repus"},
        {"paraître", 0, 0, 6, "ils paraissent"},
        {"paraître", 2, 0, 1, "je parus"},
        {"paraître", 10, 0, 1, "j'ai paru"},
        {"croître", 0, 0, 1, "je croîs"},
        {"croître", 0, 0, 3, "il croît"},
        {"croître", 2, 0, 1, "je crûs"},
        {"croître", 2, 0, 6, "ils crûrent"},
        {"croître", 1, 24, 3, "qu'il crût"},
        {"croître", 3, 0, 1, "je croîtrai"},
        {"croître", 0, 42, 1, "croîs"},
        {"croître", 10, 0, 1, "j'ai crû"},
    });
}

TEST(TroisiemeGroupeRe, VerbesEnOireOreUreVre) {
    Verifie({
        {"croire", 0, 0, 4, "nous croyons"},
        {"croire", 0, 0, 6, "ils croient"},
        {"croire", 2, 0, 1, "je crus"},
        {"croire", 3, 0, 1, "je croirai"},
        {"croire", 0, 24, 4, "que nous croyions"},
        {"croire", 0, 36, 1, "je croirais"},
        {"croire", 0, 47, 0, "croyant"},
        {"croire", 10, 0, 1, "j'ai cru"},
        {"boire", 0, 0, 6, "ils boivent"},
        {"boire", 1, 0, 1, "je buvais"},
        {"boire", 0, 24, 1, "que je boive"},
        {"boire", 0, 24, 4, "que nous buvions"},
        {"boire", 10, 0, 1, "j'ai bu"},
        {"clore", 0, 0, 1, "je clos"},
        {"clore", 0, 0, 3, "il clôt"},
        {"clore", 0, 0, 4, "-"},
        {"clore", 0, 0, 6, "ils closent"},
        {"clore", 1, 0, 1, "-"},
        {"clore", 1, 0, 6, "-"},
        {"clore", 3, 0, 1, "je clorai"},
        {"clore", 0, 24, 4, "que nous closions"},
        {"clore", 0, 42, 1, "clos"},
        {"clore", 0, 42, 2, "-"},
        {"clore", 10, 0, 1, "j'ai clos"},
        {"clore", 11, 0, 4, "nous avions clos"},
        {"clore", 12, 0, 1, "j'eus clos"},
        {"conclure", 0, 0, 1, "je conclus"},
        {"conclure", 0, 0, 4, "nous concluons"},
        {"conclure", 3, 0, 1, "je conclurai"},
        {"conclure", 0, 42, 2, "concluons"},
        {"conclure", 0, 42, 3, "concluez"},
        {"conclure", 10, 0, 1, "j'ai conclu"},
        {"inclure", 10, 0, 1, "j'ai inclus"},
        {"inclure", 2, 0, 1, "j'inclus"},
        {"suivre", 0, 0, 1, "je suis"},
        {"suivre", 0, 0, 3, "il suit"},
        {"suivre", 0, 0, 4, "nous suivons"},
        {"suivre", 2, 0, 1, "je suivis"},
        {"suivre", 10, 0, 1, "j'ai suivi"},
        {"vivre", 0, 0, 1, "je vis"},
        {"vivre", 0, 0, 4, "nous vivons"},
        {"vivre", 2, 0, 1, "je vécus"},
        {"vivre", 1, 24, 3, "qu'il vécût"},
        {"vivre", 3, 0, 1, "je vivrai"},
        {"vivre", 10, 0, 1, "j'ai vécu"},
    });
}

TEST(TroisiemeGroupeRe, VerbesEnIre) {
    Verifie({
        {"lire", 0, 0, 1, "je lis"},
        {"lire", 0, 0, 4, "nous lisons"},
        {"lire", 2, 0, 1, "je lus"},
        {"lire", 3, 0, 1, "je lirai"},
        {"lire", 1, 24, 3, "qu'il lût"},
        {"lire", 10, 0, 1, "j'ai lu"},
        {"dire", 0, 0, 4, "nous disons"},
        {"dire", 0, 0, 5, "vous dites"},
        {"dire", 0, 0, 6, "ils disent"},
        {"dire", 0, 42, 3, "dites"},
        {"dire", 2, 0, 1, "je dis"},
        {"dire", 3, 0, 1, "je dirai"},
        {"dire", 10, 0, 1, "j'ai dit"},
        {"redire", 0, 0, 5, "vous redites"},
        {"redire", 0, 42, 3, "redites"},
        {"maudire", 0, 0, 6, "ils maudissent"},
        {"maudire", 1, 0, 1, "je maudissais"},
        {"maudire", 1, 0, 6, "ils maudissaient"},
        {"maudire", 0, 42, 2, "maudissons"},
        {"maudire", 0, 42, 3, "maudissez"},
        {"maudire", 0, 24, 1, "que je maudisse"},
        {"maudire", 2, 0, 1, "je maudis"},
        {"maudire", 0, 47, 0, "maudissant"},
        {"maudire", 10, 0, 1, "j'ai maudit"},
        {"écrire", 0, 0, 4, "nous écrivons"},
        {"écrire", 2, 0, 1, "j'écrivis"},
        {"écrire", 3, 0, 1, "j'écrirai"},
        {"écrire", 1, 24, 3, "qu'il écrivît"},
        {"écrire", 10, 0, 1, "j'ai écrit"},
        {"rire", 0, 0, 4, "nous rions"},
        {"rire", 0, 0, 6, "ils rient"},
        {"rire", 1, 0, 4, "nous riions"},
        {"rire", 2, 0, 1, "je ris"},
        {"rire", 0, 47, 0, "riant"},
        {"rire", 10, 0, 1, "j'ai ri"},
        {"conduire", 2, 0, 1, "je conduisis"},
        {"conduire", 1, 24, 3, "qu'il conduisît"},
        {"conduire", 3, 0, 1, "je conduirai"},
        {"conduire", 10, 0, 1, "j'ai conduit"},
        {"luire", 0, 0, 4, "nous luisons"},
        {"luire", 2, 0, 1, "je luis"},
        {"luire", 2, 0, 3, "il luit"},
        {"luire", 1, 24, 3, "qu'il luît"},
        {"luire", 10, 0, 1, "j'ai lui"},
        {"reluire", 10, 0, 1, "j'ai relui"},
        {"suffire", 2, 0, 1, "je suffis"},
        {"suffire", 10, 0, 1, "j'ai suffi"},
        {"circoncire", 10, 0, 1, "j'ai circoncis"},
        {"circoncire", 0, 0, 4, "nous circoncisons"},
        {"confire", 10, 0, 1, "j'ai confit"},
    });
}

// Forms that must be right although a plain reading of the endings gives
// another: each line below was once wrong.
TEST(TroisiemeGroupeRe, VerbesEnOndreCommeRendre) {
    for (const char* v :
         {"répondre", "correspondre", "fondre", "confondre", "pondre", "tondre", "morfondre"}) {
        // The stem is the infinitive less "re"; none of them elides "je".
        const std::string s = std::string(v).substr(0, std::string(v).size() - 2);
        EXPECT_EQ(Forme(v, 0, 0, 1), "je " + s + "s") << v;
        EXPECT_EQ(Forme(v, 0, 0, 3), "il " + s) << v;
        EXPECT_EQ(Forme(v, 0, 0, 4), "nous " + s + "ons") << v;
        EXPECT_EQ(Forme(v, 10, 0, 1), "j'ai " + s + "u") << v;
    }
    Verifie({
        {"répondre", 0, 0, 1, "je réponds"},
        {"répondre", 0, 0, 3, "il répond"},
        {"répondre", 0, 0, 4, "nous répondons"},
        {"répondre", 2, 0, 1, "je répondis"},
        {"répondre", 0, 24, 1, "que je réponde"},
        {"répondre", 0, 47, 0, "répondant"},
        {"répondre", 10, 0, 1, "j'ai répondu"},
        // -aindre, -eindre and -oindre keep their gn.
        {"rejoindre", 10, 0, 1, "j'ai rejoint"},
        {"éteindre", 0, 0, 4, "nous éteignons"},
    });
}

TEST(TroisiemeGroupeRe, Corrections) {
    Verifie({
        // résoudre: résolu, but absous and dissous.
        {"résoudre", 10, 0, 1, "j'ai résolu"},
        {"résoudre", 15, 36, 4, "nous eussions résolu"},
        {"absoudre", 10, 0, 1, "j'ai absous"},
        {"dissoudre", 13, 0, 3, "il aura dissous"},
        // connaître and its kin go like paraître.
        {"connaître", 2, 0, 1, "je connus"},
        {"connaître", 1, 24, 3, "qu'il connût"},
        {"connaître", 10, 0, 1, "j'ai connu"},
        {"reconnaître", 10, 0, 4, "nous avons reconnu"},
        {"méconnaître", 2, 0, 6, "ils méconnurent"},
        {"connaître", 0, 0, 3, "il connaît"},
        // accroître and the other verbs in -oître lose croître's circumflexes.
        {"accroître", 0, 0, 1, "j'accrois"},
        {"accroître", 0, 0, 2, "tu accrois"},
        {"accroître", 0, 0, 3, "il accroît"},
        {"accroître", 2, 0, 1, "j'accrus"},
        {"accroître", 2, 0, 6, "ils accrurent"},
        {"accroître", 1, 24, 1, "que j'accrusse"},
        {"accroître", 1, 24, 3, "qu'il accrût"},
        {"accroître", 3, 0, 1, "j'accroîtrai"},
        {"accroître", 0, 42, 1, "accrois"},
        {"accroître", 10, 0, 1, "j'ai accru"},
        {"décroître", 0, 0, 1, "je décrois"},
        {"décroître", 10, 0, 1, "j'ai décru"},
        {"recroître", 0, 0, 1, "je recrois"},
        {"recroître", 10, 0, 1, "j'ai recrû"},
        // repaître: avoir and an impératif nous; paître: the impératif only.
        {"repaître", 10, 0, 1, "j'ai repu"},
        {"repaître", 15, 36, 6, "ils eussent repu"},
        {"repaître", 0, 42, 2, "repaissons"},
        {"paître", 0, 42, 2, "paissons"},
        {"paître", 10, 0, 1, "-"},
        {"paître", 15, 36, 1, "-"},
        {"paître", 10, 42, 1, "-"},
        // taire goes like plaire.
        {"taire", 0, 0, 1, "je tais"},
        {"taire", 0, 0, 3, "il tait"},
        {"taire", 0, 0, 4, "nous taisons"},
        {"taire", 2, 0, 1, "je tus"},
        {"taire", 1, 24, 1, "que je tusse"},
        {"taire", 10, 0, 1, "j'ai tu"},
        // braire and raire go like traire.
        {"braire", 0, 0, 1, "je brais"},
        {"braire", 0, 0, 6, "ils braient"},
        {"braire", 2, 0, 3, "-"},
        {"raire", 0, 0, 1, "je rais"},
        {"raire", 0, 0, 4, "nous rayons"},
        {"raire", 2, 0, 1, "-"},
        // renaître has no participle; naître keeps être and agreement.
        {"renaître", 0, 0, 1, "je renais"},
        {"renaître", 2, 0, 1, "je renaquis"},
        {"renaître", 10, 0, 1, "-"},
        {"renaître", 15, 36, 4, "-"},
        {"renaître", 10, 42, 2, "-"},
        {"naître", 10, 0, 1, "je suis né"},
        {"naître", 10, 0, 4, "nous sommes nés"},
        {"naître", 10, 0, 6, "ils sont nés"},
        {"naître", 15, 36, 4, "nous fussions nés"},
        {"naître", 10, 42, 1, "sois né"},
        {"naître", 10, 42, 2, "soyons nés"},
        // Participles in s: occlus and reclus like inclus, occis like circoncis.
        {"occlure", 10, 0, 1, "j'ai occlus"},
        {"reclure", 10, 0, 1, "j'ai reclus"},
        {"occire", 10, 0, 1, "j'ai occis"},
        // nuire keeps its passé simple in -isis, with the participle nui.
        {"nuire", 2, 0, 1, "je nuisis"},
        {"nuire", 2, 0, 4, "nous nuisîmes"},
        {"nuire", 1, 24, 3, "qu'il nuisît"},
        {"nuire", 10, 0, 1, "j'ai nui"},
        // The verbs in -crire go like écrire.
        {"inscrire", 0, 0, 4, "nous inscrivons"},
        {"inscrire", 10, 0, 1, "j'ai inscrit"},
        {"prescrire", 2, 0, 1, "je prescrivis"},
        {"proscrire", 0, 24, 1, "que je proscrive"},
        {"souscrire", 0, 47, 0, "souscrivant"},
        {"transcrire", 10, 0, 3, "il a transcrit"},
        {"circonscrire", 0, 0, 6, "ils circonscrivent"},
        // "ites" is for dire and redire alone.
        {"contredire", 0, 0, 5, "vous contredisez"},
        {"contredire", 0, 42, 3, "contredisez"},
        {"dédire", 0, 0, 5, "vous dédisez"},
        {"interdire", 0, 0, 5, "vous interdisez"},
        {"interdire", 0, 42, 3, "interdisez"},
        {"médire", 0, 0, 5, "vous médisez"},
        {"prédire", 0, 0, 5, "vous prédisez"},
        {"prédire", 0, 42, 3, "prédisez"},
        {"contredire", 10, 0, 1, "j'ai contredit"},
        // frire is defective.
        {"frire", 0, 0, 1, "je fris"},
        {"frire", 0, 0, 2, "tu fris"},
        {"frire", 0, 0, 3, "il frit"},
        {"frire", 0, 0, 4, "-"},
        {"frire", 1, 0, 1, "-"},
        {"frire", 2, 0, 1, "-"},
        {"frire", 3, 0, 1, "je frirai"},
        {"frire", 3, 0, 6, "ils friront"},
        {"frire", 0, 36, 1, "je frirais"},
        {"frire", 0, 24, 1, "-"},
        {"frire", 1, 24, 3, "-"},
        {"frire", 0, 42, 1, "fris"},
        {"frire", 0, 42, 2, "-"},
        {"frire", 0, 47, 0, "-"},
        {"frire", 10, 0, 1, "j'ai frit"},
        {"frire", 12, 0, 4, "nous eûmes frit"},
        // rompre, corrompre, interrompre.
        {"rompre", 0, 0, 1, "je romps"},
        {"rompre", 0, 0, 3, "il rompt"},
        {"rompre", 0, 0, 4, "nous rompons"},
        {"rompre", 2, 0, 1, "je rompis"},
        {"rompre", 3, 0, 1, "je romprai"},
        {"rompre", 0, 24, 1, "que je rompe"},
        {"rompre", 0, 47, 0, "rompant"},
        {"rompre", 10, 0, 1, "j'ai rompu"},
        {"corrompre", 0, 0, 3, "il corrompt"},
        {"interrompre", 0, 0, 1, "j'interromps"},
        {"interrompre", 10, 0, 1, "j'ai interrompu"},
        // être and agreement for the third-group verbs on the être list.
        {"éclore", 10, 0, 6, "ils sont éclos"},
        {"éclore", 10, 0, 1, "je suis éclos"},
        {"apparaître", 10, 0, 1, "je suis apparu"},
        {"apparaître", 11, 0, 4, "nous étions apparus"},
        {"apparaître", 15, 36, 6, "ils fussent apparus"},
        {"paraître", 10, 0, 4, "nous avons paru"},
    });
}

// The defective verbs lack exactly their own forms; every other verb of
// these families has a form in every cell.
TEST(TroisiemeGroupeRe, GrillesCompletes) {
    for (const char* v :
         {"prendre",   "rendre",   "répondre",   "craindre",  "résoudre", "coudre",
          "moudre",    "battre",   "mettre",     "faire",     "vaincre",  "plaire",
          "taire",     "naître",   "repaître",   "connaître", "paraître", "croître",
          "accroître", "croire",   "boire",      "conclure",  "suivre",   "vivre",
          "lire",      "dire",     "contredire", "maudire",   "écrire",   "inscrire",
          "rire",      "conduire", "nuire",      "luire",     "suffire",  "rompre"}) {
        const auto lignes = Grille(v);
        for (std::size_t i = 0; i < lignes.size(); ++i)
            EXPECT_TRUE(!lignes[i].empty() && lignes[i] != "-") << v << " line " << i;
    }
    // paître and renaître: every compound cell is "-", no simple one is
    // (paître's passé simple and subjonctif imparfait aside).
    for (const char* v : {"paître", "renaître"}) {
        const auto lignes = Grille(v);
        for (const florimot::TCellule& c : florimot::Grille) {
            const bool manque = EstComposee(c) || (std::string_view(v) == "paître" &&
                                                   (c.Nom == "PSInd" || c.Nom == "ImpSubj"));
            for (int i = c.Premier; i < c.Premier + c.NombreLignes(); ++i)
                EXPECT_EQ(lignes[i] == "-", manque) << v << " " << c.Nom << " " << lignes[i];
        }
    }
    // traire keeps every compound tense, the passé antérieur included.
    const auto traire = Grille("traire");
    for (int i = Debut("PAInd"); i < Debut("PAInd") + 6; ++i) EXPECT_NE(traire[i], "-");
}

// bruire: the "bruiss-" stem, and none of the forms it lacks.
TEST(TroisiemeGroupeRe, BruireDefectif) {
    Verifie({
        {"bruire", 0, 0, 3, "il bruit"},
        {"bruire", 0, 0, 4, "nous bruissons"},
        {"bruire", 0, 0, 6, "ils bruissent"},
        {"bruire", 1, 0, 3, "il bruissait"},
        {"bruire", 3, 0, 3, "il bruira"},
        {"bruire", 0, 24, 3, "qu'il bruisse"},
        {"bruire", 0, 36, 6, "ils bruiraient"},
        {"bruire", 0, 47, 0, "bruissant"},
        {"bruire", 10, 0, 3, "il a bruit"},
        {"bruire", 2, 0, 3, "-"},
        {"bruire", 1, 24, 3, "-"},
        {"bruire", 0, 42, 1, "-"},
        {"bruire", 10, 42, 2, "-"},
        // frire has the impératif "fris" alone
        {"frire", 10, 42, 1, "aie frit"},
        {"frire", 10, 42, 2, "-"},
        // conduire keeps its own endings
        {"conduire", 0, 0, 4, "nous conduisons"},
    });
}
