#include "verbes_courants.hpp"

#include <QHash>
#include <iterator>
#include <string_view>

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

const QHash<QString, int>& Rangs() {
    static const QHash<QString, int> rangs = [] {
        QHash<QString, int> r;
        for (std::size_t i = 0; i < std::size(Courants); ++i) {
            const QString v = QString::fromUtf8(Courants[i].data(), qsizetype(Courants[i].size()));
            if (!r.contains(v)) r.insert(v, int(i));
        }
        return r;
    }();
    return rangs;
}

}  // namespace

int RangCourant(const QString& infinitif) {
    return Rangs().value(infinitif, -1);
}

QString Plie(const QString& texte) {
    QString plie;
    plie.reserve(texte.size());
    for (const QChar c : texte.normalized(QString::NormalizationForm_D))
        if (!c.isMark()) plie += c.toLower();
    return plie;
}

}  // namespace florimot
