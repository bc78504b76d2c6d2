#include <array>
#include <string_view>

#include "faits.hpp"

namespace florimot {

namespace {

// The most frequent French verbs, most frequent first: the lemma frequencies
// of the Lexique 3 database (lexique.org, books and film subtitles), its
// first hundred and twenty verbs with a few a school grammar adds (finir,
// the model of the second group; acquérir, conclure).
constexpr std::string_view Courants[] = {
    "être",      "avoir",      "faire",     "dire",       "pouvoir",   "aller",      "voir",
    "savoir",    "vouloir",    "venir",     "falloir",    "devoir",    "croire",     "trouver",
    "donner",    "prendre",    "parler",    "aimer",      "passer",    "mettre",     "demander",
    "tenir",     "sembler",    "laisser",   "rester",     "penser",    "entendre",   "regarder",
    "répondre",  "rendre",     "connaître", "paraître",   "arriver",   "sentir",     "attendre",
    "vivre",     "chercher",   "sortir",    "comprendre", "porter",    "entrer",     "devenir",
    "revenir",   "écrire",     "appeler",   "tomber",     "reprendre", "commencer",  "suivre",
    "montrer",   "partir",     "mourir",    "ouvrir",     "perdre",    "jouer",      "lire",
    "recevoir",  "servir",     "permettre", "écouter",    "finir",     "courir",     "boire",
    "manger",    "dormir",     "payer",     "acheter",    "choisir",   "travailler", "apprendre",
    "asseoir",   "lever",      "oublier",   "apporter",   "continuer", "garder",     "rappeler",
    "retrouver", "tuer",       "marcher",   "changer",    "quitter",   "raconter",   "présenter",
    "souvenir",  "tirer",      "jeter",     "sourire",    "pleurer",   "rire",       "offrir",
    "envoyer",   "rencontrer", "aider",     "expliquer",  "monter",    "descendre",  "rentrer",
    "retourner", "décider",    "espérer",   "compter",    "exister",   "occuper",    "préparer",
    "essayer",   "arrêter",    "souffrir",  "battre",     "cacher",    "craindre",   "découvrir",
    "naître",    "plaire",     "conduire",  "construire", "produire",  "répéter",    "tourner",
    "voler",     "acquérir",   "conclure",  "résoudre",   "peindre",   "joindre",    "coudre",
    "moudre",    "vaincre",    "haïr",      "fuir",       "cueillir",  "bouillir",   "valoir",
    "pleuvoir",  "mouvoir"};

}  // namespace

std::span<const std::string_view> VerbesCourants() {
    return Courants;
}

}  // namespace florimot
