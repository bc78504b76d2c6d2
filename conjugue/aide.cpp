#include "aide.hpp"

namespace florimot {

namespace {

constexpr std::string_view Aide =
    "Utilisation : conjugue [--tsv | --json] [OPTIONS] [--] [VERBE...]\n"
    "Conjugue chaque VERBE (un infinitif en UTF-8, ou un verbe pronominal entre\n"
    "guillemets : \"se lever\", \"s'asseoir\", \"s'en aller\") à tous les temps.\n"
    "Les majuscules sont lues en minuscules (PARLER est parler).\n"
    "Un verbe s'écrit en lettres, avec une apostrophe ou un trait d'union seulement\n"
    "entre deux lettres (entr'apercevoir, s'entre-nuire), 24 lettres au plus.\n"
    "Sans VERBE, lit un texte par ligne sur l'entrée standard (lignes vides ou\n"
    "blanches ignorées).\n"
    "\n"
    "  --feminin, --féminin   elle, elles ; les participes qui s'accordent prennent e, es\n"
    "  --negation, --négation ne … pas\n"
    "  --interrogation        questions (parles-tu ?) ; subjonctif, impératif et\n"
    "                         participe : « - »\n"
    "  --passif               voix passive (je suis aimé), pour un verbe qui a un\n"
    "                         complément d'objet direct\n"
    "  --rectifiee, --rectifiée  orthographe rectifiée de 1990 (il connait)\n"
    "  --variante             autre forme des verbes qui en ont deux (je paye,\n"
    "                         j'assieds, je puis)\n"
    "                         Les options se combinent ; sans forme, la ligne est « - ».\n"
    "  --temps T              un seul temps : un code de case (ImpSubj, PCInd…) ou un\n"
    "                         nom, mode-temps, l'indicatif pouvant être omis (présent,\n"
    "                         passé-composé, subjonctif-imparfait, impératif-présent,\n"
    "                         conditionnel-passé-1, participe-présent…)\n"
    "  --personne P           une seule personne : 1 à 6 ou le pronom (je, tu, il, elle,\n"
    "                         on, nous, vous, ils, elles) ; à l'impératif, tu, nous,\n"
    "                         vous. Avec --temps, la forme seule (conjugue --temps\n"
    "                         ImpSubj --personne 6 vouloir : qu'ils voulussent) ; avec\n"
    "                         --tsv ou --json, les seules lignes ou cases retenues\n"
    "  --analyse FORME...     retrouve le verbe, le temps et la personne d'une forme\n"
    "                         conjuguée (allions : aller, indicatif imparfait…) ou d'une\n"
    "                         ligne telle que conjugue l'écrit (\"je ne me lève pas\" : se\n"
    "                         lever, indicatif présent, je, négation) ; avec --tsv, une\n"
    "                         ligne par lecture : <forme>\\t<infinitif>\\t<case>\\t<personne>\n"
    "                         (PartPasse\\t0 pour un participe passé seul). Statut 1 si une\n"
    "                         forme n'est pas trouvée ; suggestions sur la sortie d'erreur\n"
    "                         (pour l'entrée standard, avec --suggestions seulement).\n"
    "                         Lit aussi infinitifs, participes, gérondifs (en parlant,\n"
    "                         s'être levé) et la subordonnée après que (il faut que je\n"
    "                         sache : savoir, subjonctif présent)\n"
    "  --toutes     avec --analyse, une ligne par texte, même sans lecture (--tsv :\n"
    "               <texte>\\t\\t\\t)\n"
    "  --suggestions  suggestions aussi pour les textes lus sur l'entrée standard\n"
    "  --tsv        98 lignes par texte, séparées par des tabulations :\n"
    "               <mot>\\tGroupe\\t0\\t<groupe>, puis <mot>\\t<case>\\t<personne>\\t<forme>\n"
    "               (un mot qui n'est pas un verbe garde ses 98 lignes, formes vides)\n"
    "  --complet    avec --tsv, ajoute après les 98 lignes infinitif, participe passé\n"
    "               (4 formes), participe passé composé et gérondif (InfPres, InfPasse,\n"
    "               PartPasse 1 à 4, PartPasseComp, GerPres, GerPasse)\n"
    "  --json       un objet JSON par ligne et par texte : mot, groupe, verbe, modele,\n"
    "               regle, options, cellules (chaque case et ses formes, tableau\n"
    "               complet), faits (ce que le verbe admet : impersonnel, passif…) ;\n"
    "               pour un mot qui\n"
    "               n'est pas un verbe : mot, verbe (false) et erreur ; avec --analyse :\n"
    "               forme, verbes (infinitif, connu, lectures : cellule, personne,\n"
    "               rectifiee et variante, vraies pour une forme de l'orthographe\n"
    "               rectifiée ou de l'autre forme seulement, options de la ligne)\n"
    "  -h, --help   affiche cette aide\n"
    "  -V, --version  affiche la version\n"
    "  --           la suite n'est faite que de verbes\n"
    "\n"
    "Sans --tsv ni --json, chaque verbe est une grille lisible. Dans un terminal, les\n"
    "temps sont côte à côte sur autant de colonnes que la largeur en permet (COLUMNS,\n"
    "sinon la largeur du terminal ; une seule sous 40), avec les titres en gras sauf si\n"
    "NO_COLOR est défini et non vide. Hors terminal, une seule colonne, sans gras. Un\n"
    "mot qui n'est pas un verbe n'a que son message sur la sortie d'erreur.\n"
    "\n"
    "Un mot donné en argument qui n'est pas un verbe est suivi, sur la sortie\n"
    "d'erreur, de ce que le dictionnaire en sait (« allions » : aller, …) ou de\n"
    "suggestions. Un verbe donné en argument que le dictionnaire ne connaît pas,\n"
    "mais proche d'un verbe qu'il connaît, est précédé sur la sortie d'erreur de\n"
    "« acceuillir : Vouliez-vous dire « accueillir » ? » ; il est conjugué quand même\n"
    "(en JSON : \"connu\": false et \"suggestions\").\n"
    "\n"
    "Statut de sortie : 0 si tout est conjugué, 1 si un mot n'est pas un verbe,\n"
    "2 si une ligne ou un argument n'est pas du texte UTF-8 valide (ou option inconnue,\n"
    "ou autre usage invalide), 3 si la sortie ne peut être écrite (arrêt à la première\n"
    "écriture manquée ; sans message si la sortie est un tube refermé, comme avec\n"
    "« conjugue … | head » : SIGPIPE est ignoré), 4 si l'entrée standard ne peut\n"
    "être lue.\n";

}  // namespace

std::string_view TexteAide() {
    return Aide;
}

std::string_view TexteVersion() {
    return "conjugue (Florimot) " FLORIMOT_VERSION "\n";
}

}  // namespace florimot
