#include <gtest/gtest.h>

#include "formes.hpp"
#include "formes_nues.hpp"
#include "modeles.hpp"

namespace {

using essais::Cas;
using essais::Verbe;
using essais::Verifie;

struct TCasModele {
    florimot::Modele Modele;
    const char* Verbe;
    int Code, mode, Personne;
    const char* Attendu;
};

// The bare form of one model, whatever the dispatch would choose.
void VerifieModeles(std::initializer_list<TCasModele> cas) {
    for (const TCasModele& c : cas)
        EXPECT_EQ(essais::TexteNu(florimot::FormesDuModele(Verbe(c.Verbe), c.Modele), c.Code,
                                  c.mode, c.Personne),
                  c.Attendu)
            << c.Verbe << " (" << c.Code << ", " << c.mode << ", " << c.Personne << ")";
}

}  // namespace

TEST(VerbesEnOir, ModelesReguliers) {
    Verifie({
        {"recevoir", 0, 0, 1, "je reçois"},
        {"recevoir", 0, 0, 4, "nous recevons"},
        {"recevoir", 0, 0, 6, "ils reçoivent"},
        {"recevoir", 2, 0, 3, "il reçut"},
        {"recevoir", 3, 0, 1, "je recevrai"},
        {"recevoir", 0, 24, 4, "que nous recevions"},
        {"recevoir", 0, 47, 0, "recevant"},
        {"recevoir", 10, 0, 1, "j'ai reçu"},
        {"apercevoir", 0, 0, 1, "j'aperçois"},
        {"pourvoir", 0, 0, 1, "je pourvois"},
        {"pourvoir", 2, 0, 1, "je pourvus"},
        {"pourvoir", 3, 0, 1, "je pourvoirai"},
        {"pourvoir", 0, 47, 0, "pourvoyant"},
        {"savoir", 0, 0, 6, "ils savent"},
        {"savoir", 0, 24, 1, "que je sache"},
        {"savoir", 0, 42, 2, "sachons"},
        {"savoir", 3, 0, 1, "je saurai"},
        {"savoir", 0, 47, 0, "sachant"},
        {"savoir", 10, 0, 1, "j'ai su"},
        {"savoir", 15, 36, 3, "il eût su"},
        {"savoir", 15, 36, 3, "il eût su"},
        {"devoir", 0, 0, 6, "ils doivent"},
        {"devoir", 0, 24, 4, "que nous devions"},
        {"devoir", 0, 36, 1, "je devrais"},
        {"devoir", 10, 0, 3, "il a dû"},
        {"pouvoir", 0, 0, 1, "je peux"},
        {"pouvoir", 0, 24, 1, "que je puisse"},
        {"pouvoir", 3, 0, 1, "je pourrai"},
        {"pouvoir", 0, 42, 1, "pas d'impératif"},
        {"pouvoir", 0, 42, 3, "pas d'impératif"},
        {"pouvoir", 10, 42, 1, "pas d'impératif"},
        {"pouvoir", 10, 42, 2, "pas d'impératif"},
        {"pouvoir", 10, 0, 1, "j'ai pu"},
        {"mouvoir", 0, 0, 1, "je meus"},
        {"mouvoir", 3, 0, 4, "nous mouvrons"},
        {"mouvoir", 10, 0, 1, "j'ai mû"},
        {"valoir", 0, 0, 1, "je vaux"},
        {"valoir", 0, 24, 3, "qu'il vaille"},
        {"valoir", 3, 0, 1, "je vaudrai"},
        {"valoir", 10, 0, 1, "j'ai valu"},
        {"prévaloir", 0, 0, 3, "il prévaut"},
        {"équivaloir", 0, 24, 1, "que j'équivaille"},
        {"vouloir", 0, 0, 1, "je veux"},
        {"vouloir", 0, 0, 6, "ils veulent"},
        {"vouloir", 0, 24, 1, "que je veuille"},
        {"vouloir", 3, 0, 1, "je voudrai"},
        {"vouloir", 2, 0, 4, "nous voulûmes"},
        {"asseoir", 0, 0, 1, "j'assois"},
        {"asseoir", 1, 0, 1, "j'assoyais"},
        {"asseoir", 0, 42, 1, "assois"},
        {"asseoir", 0, 42, 2, "assoyons"},
        {"asseoir", 0, 42, 3, "assoyez"},
        {"asseoir", 3, 0, 1, "j'assoirai"},
        {"asseoir", 0, 47, 0, "assoyant"},
        {"asseoir", 10, 0, 1, "j'ai assis"},
        {"surseoir", 0, 0, 1, "je sursois"},
        {"surseoir", 3, 0, 1, "je surseoirai"},
        {"surseoir", 2, 0, 1, "je sursis"},
        {"surseoir", 10, 0, 1, "j'ai sursis"},
        {"choir", 0, 0, 1, "je chois"},
        {"choir", 2, 0, 1, "je chus"},
        {"choir", 3, 0, 1, "je choirai"},
        {"choir", 10, 0, 1, "j'ai chu"},
        {"voir", 0, 0, 4, "nous voyons"},
        {"voir", 2, 0, 1, "je vis"},
        {"voir", 3, 0, 1, "je verrai"},
        {"voir", 0, 24, 4, "que nous voyions"},
        {"voir", 10, 0, 1, "j'ai vu"},
        {"revoir", 3, 0, 1, "je reverrai"},
        {"entrevoir", 0, 36, 1, "j'entreverrais"},
    });
}

// Forms that the reference tables got wrong.
TEST(VerbesEnOir, FormesCorrigees) {
    Verifie({
        {"mouvoir", 0, 24, 4, "que nous mouvions"},
        {"mouvoir", 0, 24, 5, "que vous mouviez"},
        {"mouvoir", 0, 24, 1, "que je meuve"},
        {"émouvoir", 0, 24, 4, "que nous émouvions"},
        {"promouvoir", 0, 24, 5, "que vous promouviez"},
        {"émouvoir", 10, 0, 1, "j'ai ému"},
        {"promouvoir", 11, 0, 3, "il avait promu"},
        {"vouloir", 0, 42, 1, "veuille"},
        {"vouloir", 0, 42, 2, "veuillons"},
        {"vouloir", 0, 42, 3, "veuillez"},
        {"prévoir", 3, 0, 1, "je prévoirai"},
        {"prévoir", 3, 0, 6, "ils prévoiront"},
        {"prévoir", 0, 36, 1, "je prévoirais"},
        {"prévoir", 0, 36, 4, "nous prévoirions"},
        {"prévoir", 2, 0, 1, "je prévis"},
        {"prévoir", 0, 0, 4, "nous prévoyons"},
        {"prévoir", 10, 0, 1, "j'ai prévu"},
        {"prévaloir", 0, 24, 1, "que je prévale"},
        {"prévaloir", 0, 24, 3, "qu'il prévale"},
        {"prévaloir", 0, 24, 4, "que nous prévalions"},
        {"prévaloir", 0, 24, 6, "qu'ils prévalent"},
        {"déchoir", 0, 0, 1, "je déchois"},
        {"déchoir", 0, 0, 3, "il déchoit"},
        {"déchoir", 0, 0, 4, "nous déchoyons"},
        {"déchoir", 2, 0, 1, "je déchus"},
        {"déchoir", 10, 0, 1, "j'ai déchu"},
        {"déchoir", 3, 0, 5, "vous déchoirez"},
        {"messeoir", 0, 47, 0, "messéant"},
    });
}

TEST(VerbesEnOir, ImpersonnelsEtDefectifs) {
    Verifie({
        {"pleuvoir", 0, 0, 3, "il pleut"},
        {"pleuvoir", 0, 0, 1, "-"},
        {"pleuvoir", 0, 0, 4, "-"},
        {"pleuvoir", 0, 0, 6, "ils pleuvent"},
        {"pleuvoir", 1, 0, 3, "il pleuvait"},
        {"pleuvoir", 2, 0, 3, "il plut"},
        {"pleuvoir", 3, 0, 3, "il pleuvra"},
        {"pleuvoir", 0, 24, 3, "qu'il pleuve"},
        {"pleuvoir", 1, 24, 3, "qu'il plût"},
        {"pleuvoir", 0, 36, 3, "il pleuvrait"},
        {"pleuvoir", 10, 0, 3, "il a plu"},
        {"pleuvoir", 10, 0, 4, "-"},
        {"pleuvoir", 0, 42, 1, "-"},
        {"pleuvoir", 10, 42, 2, "-"},
        {"pleuvoir", 0, 47, 0, "pleuvant"},
        {"pleuvoir", 15, 36, 3, "il eût plu"},
        {"pleuvoir", 15, 36, 6, "ils eussent plu"},
        {"falloir", 0, 0, 3, "il faut"},
        {"falloir", 0, 24, 3, "qu'il faille"},
        {"falloir", 3, 0, 3, "il faudra"},
        {"falloir", 11, 0, 3, "il avait fallu"},
        {"falloir", 11, 0, 1, "-"},
        {"falloir", 0, 47, 0, "-"},
        {"seoir", 0, 0, 3, "il sied"},
        {"seoir", 0, 0, 6, "ils siéent"},
        {"seoir", 0, 0, 1, "-"},
        {"seoir", 1, 0, 3, "il seyait"},
        {"seoir", 2, 0, 3, "-"},
        {"seoir", 3, 0, 6, "ils siéront"},
        {"seoir", 1, 24, 3, "-"},
        {"seoir", 10, 0, 3, "-"},
        {"seoir", 15, 36, 3, "-"},
        {"seoir", 0, 47, 0, "séant/seyant"},
        {"messeoir", 0, 0, 3, "il messied"},
        {"échoir", 0, 0, 3, "il échoit"},
        {"échoir", 0, 0, 6, "ils échoient"},
        {"échoir", 0, 0, 1, "-"},
        {"échoir", 1, 0, 3, "il échoyait"},
        {"échoir", 2, 0, 6, "ils échurent"},
        {"échoir", 3, 0, 3, "il échoira"},
        {"échoir", 0, 42, 1, "-"},
        {"échoir", 10, 42, 3, "-"},
        {"échoir", 0, 47, 0, "échéant"},
        // échoir takes être, like the other verbs that do in the window.
        {"échoir", 10, 0, 3, "il est échu"},
        {"échoir", 10, 0, 1, "-"},
        {"échoir", 11, 0, 6, "ils étaient échus"},
        {"échoir", 15, 36, 6, "ils fussent échus"},
        {"échoir", 15, 36, 1, "-"},
    });
}

TEST(VerbesEnIr, ModelesReguliers) {
    Verifie({
        {"venir", 0, 0, 1, "je viens"},
        {"venir", 0, 0, 6, "ils viennent"},
        {"venir", 2, 0, 1, "je vins"},
        {"venir", 2, 0, 4, "nous vînmes"},
        {"venir", 3, 0, 1, "je viendrai"},
        {"venir", 0, 24, 4, "que nous venions"},
        {"venir", 1, 24, 3, "qu'il vînt"},
        {"venir", 0, 47, 0, "venant"},
        {"tenir", 0, 0, 3, "il tient"},
        {"tenir", 10, 0, 1, "j'ai tenu"},
        {"acquérir", 0, 0, 1, "j'acquiers"},
        {"acquérir", 0, 0, 6, "ils acquièrent"},
        {"acquérir", 3, 0, 1, "j'acquerrai"},
        {"acquérir", 2, 0, 1, "j'acquis"},
        {"acquérir", 0, 24, 1, "que j'acquière"},
        {"acquérir", 0, 47, 0, "acquérant"},
        {"acquérir", 10, 0, 1, "j'ai acquis"},
        {"vêtir", 0, 0, 3, "il vêt"},
        {"vêtir", 2, 0, 1, "je vêtis"},
        {"vêtir", 3, 0, 1, "je vêtirai"},
        {"revêtir", 0, 0, 1, "je revêts"},
        {"sentir", 0, 0, 1, "je sens"},
        {"sentir", 0, 0, 3, "il sent"},
        {"sentir", 0, 0, 4, "nous sentons"},
        {"sentir", 2, 0, 1, "je sentis"},
        {"sentir", 3, 0, 1, "je sentirai"},
        {"sentir", 0, 24, 1, "que je sente"},
        {"sentir", 0, 47, 0, "sentant"},
        {"sentir", 10, 0, 1, "j'ai senti"},
        {"partir", 0, 0, 1, "je pars"},
        {"ouvrir", 0, 0, 1, "j'ouvre"},
        {"ouvrir", 2, 0, 1, "j'ouvris"},
        {"ouvrir", 3, 0, 1, "j'ouvrirai"},
        {"ouvrir", 0, 47, 0, "ouvrant"},
        {"ouvrir", 10, 0, 1, "j'ai ouvert"},
        {"offrir", 10, 0, 3, "il a offert"},
        {"souffrir", 11, 0, 1, "j'avais souffert"},
        {"souffrir", 15, 36, 3, "il eût souffert"},
        {"couvrir", 12, 0, 6, "ils eurent couvert"},
        {"cueillir", 0, 0, 1, "je cueille"},
        {"cueillir", 3, 0, 1, "je cueillerai"},
        {"cueillir", 2, 0, 1, "je cueillis"},
        {"cueillir", 10, 0, 1, "j'ai cueilli"},
        {"accueillir", 0, 36, 4, "nous accueillerions"},
        {"bouillir", 0, 0, 1, "je bous"},
        {"bouillir", 0, 0, 3, "il bout"},
        {"bouillir", 0, 0, 4, "nous bouillons"},
        {"bouillir", 3, 0, 5, "vous bouillirez"},
        {"bouillir", 0, 24, 5, "que vous bouilliez"},
        {"bouillir", 10, 0, 1, "j'ai bouilli"},
        {"dormir", 0, 0, 1, "je dors"},
        {"dormir", 0, 0, 4, "nous dormons"},
        {"dormir", 2, 0, 3, "il dormit"},
        {"dormir", 0, 36, 2, "tu dormirais"},
        {"dormir", 10, 0, 1, "j'ai dormi"},
        {"servir", 0, 0, 1, "je sers"},
        {"servir", 0, 0, 4, "nous servons"},
        {"servir", 3, 0, 1, "je servirai"},
        {"servir", 10, 0, 1, "j'ai servi"},
        {"fuir", 0, 0, 1, "je fuis"},
        {"fuir", 0, 0, 4, "nous fuyons"},
        {"fuir", 0, 0, 6, "ils fuient"},
        {"fuir", 0, 24, 4, "que nous fuyions"},
        {"fuir", 0, 47, 0, "fuyant"},
        {"fuir", 10, 0, 1, "j'ai fui"},
    });
}

TEST(VerbesEnIr, FormesCorrigees) {
    Verifie({
        {"vêtir", 10, 0, 1, "j'ai vêtu"},
        {"revêtir", 11, 0, 3, "il avait revêtu"},
        {"dévêtir", 15, 36, 1, "j'eusse dévêtu"},
        {"bouillir", 0, 42, 1, "bous"},
        {"bouillir", 0, 42, 2, "bouillons"},
        {"mentir", 0, 0, 1, "je mens"},
        {"mentir", 0, 0, 4, "nous mentons"},
        {"mentir", 10, 0, 1, "j'ai menti"},
        {"démentir", 0, 0, 3, "il dément"},
        {"repentir", 0, 0, 1, "je repens"},
    });
}

// The verbs that take être agree in number with the plural persons,
// impératif passé included.
TEST(VerbesEnIr, AuxiliaireEtre) {
    Verifie({
        {"venir", 10, 0, 1, "je suis venu"},
        {"venir", 10, 0, 4, "nous sommes venus"},
        {"venir", 11, 24, 6, "qu'ils fussent venus"},
        {"venir", 10, 42, 1, "sois venu"},
        {"venir", 10, 42, 2, "soyons venus"},
        {"devenir", 13, 0, 5, "vous serez devenus"},
        {"partir", 10, 0, 1, "je suis parti"},
        {"partir", 15, 36, 4, "nous fussions partis"},
        {"sortir", 10, 0, 1, "je suis sorti"},
        {"sortir", 12, 0, 6, "ils furent sortis"},
        {"aller", 10, 0, 1, "je suis allé"},
        {"aller", 10, 0, 4, "nous sommes allés"},
        {"aller", 10, 42, 2, "soyons allés"},
        {"aller", 10, 42, 3, "soyez allés"},
        {"aller", 15, 36, 3, "il fût allé"},
        // Verbs of the same models that keep avoir.
        {"tenir", 10, 0, 4, "nous avons tenu"},
        {"sentir", 10, 0, 4, "nous avons senti"},
        {"courir", 10, 0, 4, "nous avons couru"},
    });
}

TEST(VerbesEnIr, ModelesPropres) {
    Verifie({
        {"assaillir", 0, 0, 1, "j'assaille"},
        {"assaillir", 0, 0, 4, "nous assaillons"},
        {"assaillir", 1, 0, 5, "vous assailliez"},
        {"assaillir", 2, 0, 1, "j'assaillis"},
        {"assaillir", 3, 0, 5, "vous assaillirez"},
        {"assaillir", 0, 24, 5, "que vous assailliez"},
        {"assaillir", 10, 0, 1, "j'ai assailli"},
        {"tressaillir", 0, 0, 3, "il tressaille"},
        {"faillir", 0, 0, 1, "je faux"},
        {"faillir", 0, 0, 3, "il faut"},
        {"faillir", 0, 0, 4, "nous faillons"},
        {"faillir", 0, 42, 1, "-"},
        {"faillir", 0, 24, 1, "que je faille"},
        {"faillir", 3, 0, 1, "je faillirai"},
        {"faillir", 10, 0, 1, "j'ai failli"},
        {"défaillir", 0, 0, 1, "je défaille"},
        {"défaillir", 0, 0, 3, "il défaille"},
        {"défaillir", 0, 42, 1, "défaille"},
        {"défaillir", 3, 0, 1, "je défaillirai"},
        {"défaillir", 3, 0, 6, "ils défailliront"},
        {"défaillir", 2, 0, 6, "ils défaillirent"},
        {"défaillir", 0, 36, 1, "je défaillirais"},
        {"gésir", 0, 0, 1, "je gis"},
        {"gésir", 0, 0, 3, "il gît"},
        {"gésir", 0, 0, 6, "ils gisent"},
        {"gésir", 1, 0, 4, "nous gisions"},
        {"gésir", 2, 0, 1, "non usité"},
        {"gésir", 3, 0, 6, "non usité"},
        {"gésir", 0, 24, 1, "non usité"},
        {"gésir", 0, 36, 2, "non usité"},
        {"gésir", 0, 42, 1, "non usité"},
        {"gésir", 10, 0, 1, "non usité"},
        {"gésir", 15, 36, 3, "non usité"},
        {"gésir", 0, 47, 0, "gisant"},
        {"ouïr", 0, 0, 1, "j'ois"},
        {"ouïr", 0, 0, 4, "nous oyons"},
        {"ouïr", 1, 0, 1, "j'oyais"},
        {"ouïr", 2, 0, 1, "j'ouïs"},
        {"ouïr", 3, 0, 1, "j'ouïrai"},
        {"ouïr", 0, 24, 1, "que j'oie"},
        {"ouïr", 1, 24, 3, "qu'il ouït"},
        {"ouïr", 0, 47, 0, "oyant"},
        {"ouïr", 10, 0, 1, "j'ai ouï"},
        {"aller", 0, 0, 1, "je vais"},
        {"aller", 0, 0, 3, "il va"},
        {"aller", 0, 0, 6, "ils vont"},
        {"aller", 1, 0, 1, "j'allais"},
        {"aller", 2, 0, 6, "ils allèrent"},
        {"aller", 3, 0, 1, "j'irai"},
        {"aller", 0, 24, 1, "que j'aille"},
        {"aller", 1, 24, 3, "qu'il allât"},
        {"aller", 0, 36, 1, "j'irais"},
        {"aller", 0, 42, 1, "va"},
        {"aller", 0, 47, 0, "allant"},
    });
}

TEST(VerbesEnIr, CourirEtMourir) {
    Verifie({
        {"courir", 0, 0, 1, "je cours"},
        {"courir", 0, 0, 3, "il court"},
        {"courir", 0, 0, 6, "ils courent"},
        {"courir", 2, 0, 1, "je courus"},
        {"courir", 2, 0, 4, "nous courûmes"},
        {"courir", 3, 0, 1, "je courrai"},
        {"courir", 0, 36, 2, "tu courrais"},
        {"courir", 1, 24, 1, "que je courusse"},
        {"courir", 1, 24, 3, "qu'il courût"},
        {"courir", 0, 47, 0, "courant"},
        {"courir", 10, 0, 1, "j'ai couru"},
        {"accourir", 3, 0, 4, "nous accourrons"},
        {"concourir", 2, 0, 6, "ils concoururent"},
        {"discourir", 0, 36, 1, "je discourrais"},
        {"encourir", 1, 24, 4, "que nous encourussions"},
        {"parcourir", 3, 0, 1, "je parcourrai"},
        {"recourir", 2, 0, 3, "il recourut"},
        {"secourir", 10, 0, 1, "j'ai secouru"},
        {"mourir", 0, 0, 1, "je meurs"},
        {"mourir", 0, 0, 3, "il meurt"},
        {"mourir", 0, 0, 4, "nous mourons"},
        {"mourir", 0, 0, 6, "ils meurent"},
        {"mourir", 0, 24, 1, "que je meure"},
        {"mourir", 0, 24, 6, "qu'ils meurent"},
        {"mourir", 2, 0, 1, "je mourus"},
        {"mourir", 3, 0, 1, "je mourrai"},
        {"mourir", 0, 36, 1, "je mourrais"},
        {"mourir", 1, 24, 1, "que je mourusse"},
        {"mourir", 0, 47, 0, "mourant"},
        {"mourir", 10, 0, 1, "je suis mort"},
        {"mourir", 10, 0, 4, "nous sommes morts"},
        {"mourir", 11, 0, 6, "ils étaient morts"},
        {"mourir", 15, 36, 5, "vous fussiez morts"},
        {"mourir", 10, 42, 1, "sois mort"},
        {"mourir", 10, 42, 2, "soyons morts"},
        {"mourir", 10, 42, 3, "soyez morts"},
    });
}

// The models stand on their own, without pronoun, whoever calls them.
TEST(VerbesEnOirEtIr, ModelesAppelesDirectement) {
    using namespace florimot;
    VerifieModeles({
        {ModeleVoir, "voir", 0, 0, 1, "vois"},
        {ModeleVoir, "prévoir", 3, 0, 2, "prévoiras"},
        {ModeleVoir, "voir", 10, 0, 4, "avons vu"},
        {ModeleMouvoir, "émouvoir", 0, 24, 4, "émouvions"},
        {ModeleMouvoir, "mouvoir", 12, 0, 1, "eus mû"},
        {ModeleEchoir, "échoir", 0, 0, 3, "échoit"},
        {ModeleEchoir, "échoir", 0, 0, 2, "-"},
        {ModeleEchoir, "déchoir", 0, 0, 2, "déchois"},
        {ModeleSeoir, "seoir", 13, 0, 3, "-"},
        {ModeleVrir, "ouvrir", 0, 0, 4, "ouvrons"},
        {ModeleVrir, "souffrir", 13, 0, 2, "auras souffert"},
        {ModeleOurir, "mourir", 12, 0, 4, "fûmes morts"},
        {ModeleOurir, "courir", 2, 0, 6, "coururent"},
        {ModeleGesir, "gésir", 0, 0, 3, "gît"},
        {ModeleGesir, "gésir", 1, 24, 3, "non usité"},
        {ModeleAller, "aller", 0, 0, 6, "vont"},
        {ModeleAller, "aller", 10, 0, 1, "suis allé"},
    });
}

// Every line of these grids is filled: no verb of these models leaves a cell
// empty, and only the defective ones show a marker.
TEST(VerbesEnOirEtIr, GrillesCompletes) {
    for (const char* mot :
         {"recevoir",  "pourvoir", "savoir",   "devoir",   "pouvoir", "mouvoir", "émouvoir",
          "valoir",    "vouloir",  "asseoir",  "surseoir", "voir",    "prévoir", "venir",
          "tenir",     "acquérir", "vêtir",    "sentir",   "partir",  "mentir",  "ouvrir",
          "offrir",    "cueillir", "bouillir", "dormir",   "servir",  "fuir",    "assaillir",
          "défaillir", "courir",   "mourir",   "ouïr",     "aller"}) {
        const florimot::TLignesGrille lignes = florimot::ConjugueGrille(Verbe(mot));
        for (std::size_t i = 0; i < lignes.size(); ++i) {
            EXPECT_FALSE(lignes[i].empty()) << mot << " ligne " << i;
            EXPECT_NE(lignes[i], "-") << mot << " ligne " << i;
            EXPECT_NE(lignes[i], "non usité") << mot << " ligne " << i;
        }
    }
}
