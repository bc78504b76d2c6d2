#include "aide.hpp"

#include <string>

#include "drapeaux.hpp"
#include "florimot_version.hpp"
#include "langue.hpp"

namespace florimot {

namespace {

constexpr std::string_view Debut =
    "Utilisation : conjugue [--tsv | --json] [OPTIONS] [--] [VERBE...]\n"
    "Conjugue chaque VERBE (un infinitif en UTF-8, ou un verbe pronominal entre\n"
    "guillemets : \"se lever\", \"s'asseoir\", \"s'en aller\") à tous les temps.\n"
    "Les majuscules sont lues en minuscules (PARLER est parler).\n"
    "Un verbe s'écrit en lettres, avec une apostrophe ou un trait d'union seulement\n"
    "entre deux lettres (entr'apercevoir, s'entre-nuire), 24 lettres au plus.\n"
    "Sans VERBE, lit un texte par ligne sur l'entrée standard (lignes vides ou\n"
    "blanches ignorées).\n"
    "\n";

constexpr std::string_view Fin =
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
    "(en JSON : \"connu\": false et \"suggestions\"). Un mot inconnu qui se lit comme\n"
    "de l'anglais est signalé comme tel. Avec le dictionnaire français-anglais de\n"
    "FreeDict, l'en-tête est suivi du sens anglais du verbe.\n"
    "\n"
    "Les messages et cette aide suivent la langue de l'environnement (LANGUAGE,\n"
    "LC_ALL, LC_MESSAGES, LANG) : l'anglais sous en_*, le français sinon. La sortie\n"
    "(grilles, TSV, JSON) est la même dans toutes.\n"
    "\n"
    "Statut de sortie : 0 si tout est conjugué, 1 si un mot n'est pas un verbe,\n"
    "2 si une ligne ou un argument n'est pas du texte UTF-8 valide (ou option inconnue,\n"
    "ou autre usage invalide), 3 si la sortie ne peut être écrite (arrêt à la première\n"
    "écriture manquée ; sans message si la sortie est un tube refermé, comme avec\n"
    "« conjugue … | head » : SIGPIPE est ignoré), 4 si l'entrée standard ne peut\n"
    "être lue.\n";

constexpr std::string_view DebutAnglais =
    "Usage: conjugue [--tsv | --json] [OPTIONS] [--] [VERB...]\n"
    "Conjugates each VERB (an infinitive in UTF-8, or a pronominal verb in\n"
    "quotes: \"se lever\", \"s'asseoir\", \"s'en aller\") in every tense.\n"
    "Capitals are read as lower case (PARLER is parler).\n"
    "A verb is written in letters, with an apostrophe or a hyphen only between\n"
    "two letters (entr'apercevoir, s'entre-nuire), 24 letters at most.\n"
    "Without a VERB, reads one text a line on standard input (empty or blank\n"
    "lines are ignored).\n"
    "\n";

constexpr std::string_view FinAnglais =
    "\n"
    "Without --tsv or --json, each verb is a readable grid, in French, under a\n"
    "header (and, when FreeDict's French-English dictionary is installed, its\n"
    "English meanings). At a terminal the tenses stand side by side on as many\n"
    "columns as the width allows (COLUMNS, else the terminal's width; one below\n"
    "40), the captions in bold unless NO_COLOR is set and not empty. Elsewhere,\n"
    "one column, no bold. A word that is not a verb has only its message on\n"
    "standard error.\n"
    "\n"
    "A word given as an argument that is not a verb is followed, on standard\n"
    "error, by what the dictionary knows of it (« allions »: aller, …) or by\n"
    "suggestions. A verb given as an argument that the dictionary does not know,\n"
    "but close to one it knows, is preceded on standard error by\n"
    "\"acceuillir: did you mean “accueillir”?\"; it is conjugated all the same\n"
    "(in JSON: \"connu\": false and \"suggestions\"). An unknown word that\n"
    "reads as English is said to be so.\n"
    "\n"
    "Messages and this help follow the locale (LANGUAGE, LC_ALL, LC_MESSAGES,\n"
    "LANG): English under en_*, French otherwise. The output (grids, TSV, JSON)\n"
    "is the same in every locale.\n"
    "\n"
    "Exit status: 0 when everything is conjugated, 1 when a word is not a verb,\n"
    "2 when a line or argument is not valid UTF-8 text (or an unknown option, or\n"
    "other bad usage), 3 when the output cannot be written (stopping at the first\n"
    "failed write; without a message when the output is a closed pipe, as with\n"
    "\"conjugue … | head\": SIGPIPE is ignored), 4 when standard input cannot be\n"
    "read.\n";

}  // namespace

std::string_view TexteAide() {
    static const std::string aide = std::string(Debut) + AideDesDrapeaux() + std::string(Fin);
    static const std::string anglaise =
        std::string(DebutAnglais) + AideDesDrapeaux(true) + std::string(FinAnglais);
    return LangueChoisie() == TLangue::Anglais ? anglaise : aide;
}

std::string_view TexteVersion() {
    return "conjugue (Florimot) " FLORIMOT_VERSION "\n";
}

}  // namespace florimot
