#include <algorithm>
#include <array>

#include "exercices.hpp"
#include "faits.hpp"

namespace florimot {

namespace {

// The verbs a beginner meets first, roughly in the order of their use in
// written and spoken French.
constexpr std::array<std::string_view, 100> Courants = {
    "être",     "avoir",    "faire",     "dire",       "pouvoir",    "aller",     "voir",
    "savoir",   "vouloir",  "venir",     "falloir",    "devoir",     "croire",    "trouver",
    "donner",   "prendre",  "parler",    "aimer",      "passer",     "mettre",    "demander",
    "tenir",    "sembler",  "laisser",   "rester",     "penser",     "entendre",  "regarder",
    "répondre", "rendre",   "connaître", "paraître",   "arriver",    "sentir",    "attendre",
    "vivre",    "chercher", "sortir",    "comprendre", "porter",     "entrer",    "devenir",
    "revenir",  "écrire",   "appeler",   "tomber",     "reprendre",  "commencer", "suivre",
    "montrer",  "partir",   "mourir",    "ouvrir",     "lire",       "jouer",     "recevoir",
    "perdre",   "finir",    "manger",    "boire",      "dormir",     "courir",    "choisir",
    "payer",    "envoyer",  "acheter",   "lever",      "jeter",      "préférer",  "essayer",
    "servir",   "offrir",   "apprendre", "conduire",   "construire", "peindre",   "craindre",
    "rire",     "plaire",   "battre",    "naître",     "s'asseoir",  "valoir",    "pleuvoir",
    "mentir",   "réussir",  "grandir",   "obéir",      "travailler", "marcher",   "habiter",
    "étudier",  "oublier",  "placer",    "nager",      "rejoindre",  "neiger",    "apercevoir",
    "acquérir", "résoudre",
};

}  // namespace

std::vector<std::string> VerbesCourants() {
    return {Courants.begin(), Courants.end()};
}

std::vector<std::string> VerbesDuGroupe(int groupe) {
    std::vector<std::string> verbes;
    for (std::string_view infinitif : VerbesConnus()) {
        TVerbe v;
        v.DefinitVerbe(infinitif);
        if (v.DonneGroupe() == groupe) verbes.emplace_back(infinitif);
    }
    return verbes;
}

std::vector<std::string> VerbesComme(std::string_view modele) {
    std::vector<std::string> verbes;
    TVerbe lui;
    lui.DefinitVerbe(modele);
    if (lui.DonneGroupe() == 0) return verbes;
    const std::string nom = lui.Intitule();
    for (std::string_view infinitif : VerbesConnus()) {
        TVerbe v;
        v.DefinitVerbe(infinitif);
        if (v.DonneGroupe() == 0) continue;
        if (v.Intitule() == nom || ModeleDuVerbe(v) == nom || FamilleDuVerbe(v) == nom)
            verbes.emplace_back(infinitif);
    }
    return verbes;
}

}  // namespace florimot
