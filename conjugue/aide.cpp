#include "aide.hpp"

#include <string>

#include "drapeaux.hpp"
#include "florimot_version.hpp"

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
    static const std::string aide = std::string(Debut) + AideDesDrapeaux() + std::string(Fin);
    return aide;
}

std::string_view TexteVersion() {
    return "conjugue (Florimot) " FLORIMOT_VERSION "\n";
}

}  // namespace florimot
