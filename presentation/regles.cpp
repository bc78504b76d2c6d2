#include "regles.hpp"

#include <cstdint>

#include "formes_nues.hpp"

namespace florimot {

namespace {

struct TRegle {
    std::string_view Modele;  // the verb it is written for
    std::string_view Texte;
    // For a model with two series (asseoir), the series the rule speaks of;
    // any when unset.
    enum class TSerie : std::uint8_t { Toutes, Usuelle, Autre } Quand = TSerie::Toutes;
};

// Each example is the model's own form: the rule reads the same for every
// verb of the family, and the example shows it once.
constexpr TRegle Regles[] = {
    {"placer", "c prend une cédille devant a et o : nous plaçons"},
    {"manger", "g prend un e devant a et o : nous mangeons"},
    {"appeler", "l doublé devant un e muet : j'appelle, nous appelons"},
    {"jeter", "t doublé devant un e muet : je jette, nous jetons"},
    {"céder", "é devient è devant une syllabe muette : je cède, nous cédons"},
    {"lever", "e devient è devant une syllabe muette : je lève, nous levons"},
    {"protéger",
     "é devient è devant une syllabe muette, g prend un e devant a et o : "
     "je protège, nous protégeons"},
    {"nettoyer",
     "-yer : y devient i devant un e muet (au choix en -ayer) : je nettoie, je paie "
     "ou je paye"},
    {"envoyer", "y devient i devant un e muet, futur en enverr- : j'envoie, j'enverrai"},
    {"finir", "-iss- devant les terminaisons du pluriel : nous finissons"},
    {"haïr", "tréma partout, sauf au singulier du présent : je hais, nous haïssons"},
    {"aller", "trois radicaux : je vais, nous allons, j'irai"},
    {"venir",
     "-ien- quand la terminaison est muette, passé simple en -in- : je viens, "
     "nous venons, je vins"},
    {"acquérir",
     "-ier- quand la terminaison est muette, futur en -err- : j'acquiers, "
     "j'acquerrai, acquis"},
    {"sentir", "perd la consonne du radical au singulier du présent : je sens, nous sentons"},
    {"dormir", "perd la consonne du radical au singulier du présent : je dors, nous dormons"},
    {"servir", "perd la consonne du radical au singulier du présent : je sers, nous servons"},
    {"ouvrir", "présent comme un verbe en -er, participe en -ert : j'ouvre, ouvert"},
    {"cueillir", "présent et futur comme un verbe en -er : je cueille, je cueillerai"},
    {"courir", "futur en -rr- : je courrai"},
    {"fuir", "i devient y devant une voyelle prononcée : nous fuyons"},
    {"bouillir", "perd -ill- au singulier du présent : je bous, nous bouillons"},
    {"vêtir", "garde le t au singulier : je vêts, vêtu"},
    {"assaillir", "présent comme un verbe en -er : j'assaille"},
    {"recevoir", "c prend une cédille devant o et u : je reçois, reçu"},
    {"devoir", "participe dû, avec accent au masculin singulier seul : dû, due"},
    {"mouvoir", "-eu- quand la terminaison est muette : je meus, nous mouvons, mû"},
    {"pouvoir", "je peux (puis-je ?), futur en -rr- : je pourrai"},
    {"vouloir", "-eu- quand la terminaison est muette, futur en -dr- : je veux, je voudrai"},
    {"valoir", "x au singulier du présent, futur en -dr- : je vaux, je vaudrai"},
    {"savoir", "je sais, futur saur-, subjonctif sach- : je saurai, que je sache"},
    {"voir", "i devient y devant une voyelle prononcée, futur verr- : nous voyons, je verrai"},
    {"asseoir",
     "oi devant une consonne ou un e muet, oy devant une voyelle : j'assois, nous assoyons",
     TRegle::TSerie::Usuelle},
    {"asseoir",
     "-ied- au singulier du présent, -ey- devant une voyelle : j'assieds, "
     "nous asseyons",
     TRegle::TSerie::Autre},
    {"prendre", "perd le d au pluriel, n doublé devant un e muet : nous prenons, ils prennent"},
    {"peindre",
     "-indre perd le d, gn devant une voyelle : je peins, nous peignons, "
     "je crains, nous craignons"},
    {"mettre", "un seul t au singulier du présent, passé simple en -is : je mets, je mis"},
    {"battre", "un seul t au singulier du présent : je bats, nous battons"},
    {"rompre", "garde le p partout : il rompt"},
    {"absoudre", "-soudre : d perdu, -olv- devant une voyelle : j'absous, nous absolvons"},
    {"coudre", "d devient s devant une voyelle : je couds, nous cousons"},
    {"moudre", "d devient l devant une voyelle : je mouds, nous moulons"},
    {"faire", "nous faisons, vous faites, ils font ; futur fer- : je ferai"},
    {"traire", "i devient y devant une voyelle prononcée, pas de passé simple : nous trayons"},
    {"vaincre", "c devient qu devant une voyelle, sauf u : il vainc, nous vainquons"},
    {"plaire", "î devant t : il plaît"},
    {"paraître", "î devant t : il paraît, il connaît"},
    {"naître", "î devant t, passé simple naqu- : il naît, je naquis, né"},
    {"accroître", "î devant t : il accroît"},
    {"croire", "i devient y devant une voyelle prononcée : nous croyons"},
    {"boire", "-uv- au pluriel : nous buvons, ils boivent, bu"},
    {"conclure", "présent en -us, -ut : je conclus, il conclut"},
    {"suivre", "perd le v au singulier du présent : je suis, nous suivons"},
    {"vivre", "perd le v au singulier du présent, passé simple véc- : je vis, je vécus"},
    {"lire", "s devant une voyelle : nous lisons, lu"},
    {"dire", "s devant une voyelle, vous dites : nous disons, dit"},
    {"écrire", "v devant une voyelle : nous écrivons, écrit"},
    {"rire", "deux i à l'imparfait : nous riions, ri"},
    {"conduire", "s devant une voyelle, participe en -it : nous conduisons, conduit"},
    {"suffire", "s devant une voyelle, participe en -i : nous suffisons, suffi"},
};

}  // namespace

std::string_view RegleDuModele(const TVerbe& verbe, const TOptions& options) {
    // A rule is written for one verb: it holds for that verb and the verbs
    // that follow its pattern of endings (ModeleDuVerbe), and only for them.
    std::string_view modele = ModeleDuVerbe(verbe, options);
    if (modele.empty()) modele = verbe.MotVue();
    const TRegle::TSerie serie = options.Variante ? TRegle::TSerie::Autre : TRegle::TSerie::Usuelle;
    for (const TRegle& r : Regles)
        if (r.Modele == modele && (r.Quand == TRegle::TSerie::Toutes || r.Quand == serie))
            return r.Texte;
    return {};
}

}  // namespace florimot
