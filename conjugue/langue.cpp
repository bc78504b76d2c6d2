#include "langue.hpp"

#include <algorithm>
#include <array>
#include <atomic>
#include <utility>

namespace florimot {

namespace {

std::atomic<TLangue> langue_{TLangue::Francais};

bool Renseigne(const char* v) {
    return v != nullptr && *v != '\0';
}

// French and English, each message's fixed parts; the words a message quotes
// lie between them and are kept. Longer parts first, so that a part that
// holds a shorter one is read whole.
constexpr std::array<std::pair<std::string_view, std::string_view>, 30> Catalogue = {{
    {" : texte UTF-8 invalide ou caractère NUL, ignoré",
     ": invalid UTF-8 text or NUL character, ignored"},
    {"conjugue : lecture de l'entrée standard impossible : ",
     "conjugue: cannot read standard input: "},
    {"conjugue : impossible d'écrire la sortie : ", "conjugue: cannot write the output: "},
    {"conjugue : --tsv et --json s'excluent (conjugue --help)",
     "conjugue: --tsv and --json exclude each other (conjugue --help)"},
    {"conjugue : --toutes ne s'emploie qu'avec --analyse",
     "conjugue: --toutes goes with --analyse only"},
    {"conjugue : --temps et --personne ne s'emploient pas avec --analyse",
     "conjugue: --temps and --personne do not go with --analyse"},
    {"conjugue : l'impératif n'a que tu, nous et vous (--personne 2, 4 ou 5)",
     "conjugue: the impératif has only tu, nous and vous (--personne 2, 4 or 5)"},
    {"conjugue : le participe présent n'a pas de personne (--personne ne s'y applique pas)",
     "conjugue: the participe présent has no person (--personne does not apply)"},
    {"conjugue : option inconnue « ", "conjugue: unknown option “"},
    {" » (conjugue --help)", "” (conjugue --help)"},
    {"conjugue : espeak-ng n'est pas installé : --ecouter ne peut rien dire (paquet espeak-ng)",
     "conjugue: espeak-ng is not installed: --ecouter cannot speak (package espeak-ng)"},
    {"conjugue : les dictionnaires FreeDict ne sont pas installés : --anglais ne trouve rien "
     "(paquets dict-freedict-eng-fra, dict-freedict-fra-eng)",
     "conjugue: the FreeDict dictionaries are not installed: --anglais finds nothing (packages "
     "dict-freedict-eng-fra, dict-freedict-fra-eng)"},
    {" » : aucun verbe français pour ce texte anglais", "”: no French verb for this English text"},
    {" » : aucune forme verbale connue", "”: no known verb form"},
    {" : mot inconnu, peut-être anglais (conjugue --anglais)",
     ": unknown word, maybe English (conjugue --anglais)"},
    {" : Ceci n'est pas un Verbe", ": not a verb"},
    {" : trop long : 24 lettres au plus", ": too long: 24 letters at most"},
    {" : Vouliez-vous dire « ", ": did you mean “"},
    {" » ou « ", "” or “"},
    {" » ?", "”?"},
    {"suggestions : ", "suggestions: "},
    {"conjugue : ligne ", "conjugue: line "},
    {" : temps inconnu « ", ": unknown tense “"},
    {" : personne inconnue « ", ": unknown person “"},
    {" ; valeurs possibles :", "; possible values:"},
    {" : valeur manquante", ": missing value"},
    {"conjugue : ", "conjugue: "},
    {"« ", "“"},
    {" »", "”"},
    {" : ", ": "},
}};

}  // namespace

TLangue LangueDesMessages(const char* language, const char* lcAll, const char* lcMessages,
                          const char* lang) {
    const char* locale = Renseigne(lcAll) ? lcAll : Renseigne(lcMessages) ? lcMessages : lang;
    const std::string_view l = Renseigne(locale) ? locale : "";
    std::string_view choisie = l;
    // gettext reads LANGUAGE only for a locale other than C.
    if (Renseigne(language) && !l.empty() && l != "C" && l != "POSIX" && l.substr(0, 2) != "C.") {
        const std::string_view liste = language;
        choisie = liste.substr(0, liste.find(':'));
    }
    return choisie.substr(0, 2) == "en" && (choisie.size() == 2 || choisie[2] == '_' ||
                                            choisie[2] == '.' || choisie[2] == '@')
               ? TLangue::Anglais
               : TLangue::Francais;
}

void DefinitLangue(TLangue langue) {
    langue_ = langue;
}

TLangue LangueChoisie() {
    return langue_;
}

std::string Traduit(std::string_view messages) {
    if (langue_ == TLangue::Francais) return std::string(messages);
    std::string texte;
    texte.reserve(messages.size());
    for (std::size_t i = 0; i < messages.size();) {
        bool lu = false;
        for (const auto& [fr, en] : Catalogue)
            if (messages.substr(i, fr.size()) == fr) {
                texte += en;
                i += fr.size();
                lu = true;
                break;
            }
        if (!lu) texte += messages[i++];
    }
    return texte;
}

}  // namespace florimot
