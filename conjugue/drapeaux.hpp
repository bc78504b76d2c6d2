// conjugue's flags, said once: what LitArguments reads, what --help prints,
// and what the manual page and the README must each name.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "options.hpp"

namespace florimot {

enum class TActionDrapeau : unsigned char {
    Option,      // sets its row of DescriptionsOptions
    Auxiliaire,  // être or avoir: sets its row for the verbs that take both
    Temps,
    Personne,
    Analyse,
    Toutes,
    Suggestions,
    Tsv,
    Complet,
    Json,
    Format,
    Traits,
    Conllu,
    Pourquoi,
    Modele,
    Anglais,  // --anglais TEXT: the French verbs an English text asks for
    Ecouter,  // --ecouter: each verb's lines spoken too
    Aide,
    AideTemps,
    Version,
    FinOptions,  // "--": the rest are texts
    // A worksheet and its key (conjugue/fiche.hpp) and what it is drawn from.
    Exercices,
    Nombre,
    Graine,
    Genre,
    Comme,
    Groupe,
    Courants,
};

struct TDrapeau {
    TActionDrapeau Action;
    std::array<std::string_view, 2> Noms;  // "-h", "--help"; "" for none
    // What follows it in --help ("T", "FORME..."); a value is read only for
    // the flags that take one (Temps, Personne, Format, Traits).
    std::string_view Argument;
    std::string_view Aide;  // its lines in --help, '\n' after each
    std::size_t Colonne;    // where --help starts those lines
    const TDescriptionOption* Option = nullptr;

    constexpr bool PrendValeur() const {
        return Action == TActionDrapeau::Temps || Action == TActionDrapeau::Personne ||
               Action == TActionDrapeau::Format || Action == TActionDrapeau::Traits ||
               Action == TActionDrapeau::Auxiliaire || Action == TActionDrapeau::Nombre ||
               Action == TActionDrapeau::Graine || Action == TActionDrapeau::Genre ||
               Action == TActionDrapeau::Comme || Action == TActionDrapeau::Groupe ||
               Action == TActionDrapeau::Anglais;
    }
};

namespace detail {
constexpr TDrapeau DrapeauOption(std::size_t i, std::string_view aide) {
    return {TActionDrapeau::Option, DescriptionsOptions[i].Drapeaux, {}, aide, 25,
            &DescriptionsOptions[i]};
}
}  // namespace detail

// In the order of --help.
inline constexpr std::array<TDrapeau, 33> Drapeaux = {{
    detail::DrapeauOption(0, "elle, elles ; les participes qui s'accordent prennent e, es\n"),
    detail::DrapeauOption(1, "ne … pas\n"),
    detail::DrapeauOption(2,
                          "questions (parles-tu ?) ; subjonctif, impératif et\n"
                          "participe : « - »\n"),
    detail::DrapeauOption(3,
                          "voix passive (je suis aimé), pour un verbe qui a un\n"
                          "complément d'objet direct\n"),
    detail::DrapeauOption(4, "orthographe rectifiée de 1990 (il connait)\n"),
    detail::DrapeauOption(5,
                          "autre forme des verbes qui en ont deux (je paye,\n"
                          "j'assieds, je puis)\n"),
    {TActionDrapeau::Auxiliaire, DescriptionsOptions[6].Drapeaux, "A",
     "être ou avoir, pour les verbes qui prennent l'un ou l'autre\n"
     "(monter, sortir, passer… : être sans complément, avoir avec\n"
     "un complément d'objet, et alors une voix passive ; disparaître,\n"
     "vieillir… : avoir pour l'action, être pour l'état) ; les\n"
     "autres verbes gardent le leur\n"
     "Les options se combinent ; sans forme, la ligne est « - ».\n",
     25, &DescriptionsOptions[6]},
    {TActionDrapeau::Temps,
     {"--temps", ""},
     "T",
     "un seul temps : un code de case (ImpSubj, PCInd…) ou un\n"
     "nom, mode-temps, l'indicatif pouvant être omis (présent,\n"
     "passé-composé, subjonctif-imparfait, impératif-présent,\n"
     "conditionnel-passé-1, participe-présent…), les cases sans\n"
     "personne (InfPres, PartPasse, GerPres…) et les noms usuels\n"
     "(futur, impératif, infinitif, participe passé, gérondif)\n",
     25},
    {TActionDrapeau::Personne,
     {"--personne", ""},
     "P",
     "une seule personne : 1 à 6 ou le pronom (je, tu, il, elle,\n"
     "on, nous, vous, ils, elles ; elle, elles : au féminin) ;\n"
     "à l'impératif, tu, nous, vous. Avec --temps, la forme\n"
     "seule (conjugue --temps ImpSubj --personne 6 vouloir :\n"
     "qu'ils voulussent) ; avec\n"
     "--tsv ou --json, les seules lignes ou cases retenues\n",
     25},
    {TActionDrapeau::Analyse,
     {"--analyse", ""},
     "FORME...",
     "retrouve le verbe, le temps et la personne d'une forme\n"
     "conjuguée (allions : aller, indicatif imparfait…) ou d'une\n"
     "ligne telle que conjugue l'écrit (\"je ne me lève pas\" : se\n"
     "lever, indicatif présent, je, négation) ; avec --tsv, une\n"
     "ligne par lecture : <forme>\\t<infinitif>\\t<case>\\t<personne>\n"
     "(PartPasse\\t0 pour un participe passé seul). Statut 1 si une\n"
     "forme n'est pas trouvée ; suggestions sur la sortie d'erreur\n"
     "(pour l'entrée standard, avec --suggestions seulement).\n"
     "Lit aussi infinitifs, participes, gérondifs (en parlant,\n"
     "s'être levé) et la subordonnée après que (il faut que je\n"
     "sache : savoir, subjonctif présent)\n",
     25},
    {TActionDrapeau::Toutes,
     {"--toutes", ""},
     {},
     "avec --analyse, une ligne par texte, même sans lecture (--tsv :\n"
     "<texte>\\t\\t\\t)\n",
     15},
    {TActionDrapeau::Suggestions,
     {"--suggestions", ""},
     {},
     "suggestions aussi pour les textes lus sur l'entrée standard\n",
     15},
    {TActionDrapeau::Tsv,
     {"--tsv", ""},
     {},
     "98 lignes par texte, séparées par des tabulations :\n"
     "<mot>\\tGroupe\\t0\\t<groupe>, puis <mot>\\t<case>\\t<personne>\\t<forme>\n"
     "(un mot qui n'est pas un verbe garde ses 98 lignes, formes vides)\n",
     15},
    {TActionDrapeau::Complet,
     {"--complet", ""},
     {},
     "avec --tsv, ajoute après les 98 lignes infinitif, participe passé\n"
     "(4 formes), participe passé composé et gérondif (InfPres, InfPasse,\n"
     "PartPasse 1 à 4, PartPasseComp, GerPres, GerPasse)\n",
     15},
    {TActionDrapeau::Json,
     {"--json", ""},
     {},
     "un objet JSON par ligne et par texte : mot, groupe, verbe, modele,\n"
     "regle, options, cellules (chaque case et ses formes, tableau\n"
     "complet), faits (ce que le verbe admet : impersonnel, passif…) ;\n"
     "accord (lignes : pour chaque ligne d'un participe passé le code\n"
     "de la raison de son accord, null sans forme ; phrases : la\n"
     "phrase de chaque code) ; pour un mot qui\n"
     "n'est pas un verbe : mot, verbe (false) et erreur ; avec --analyse :\n"
     "forme, verbes (infinitif, connu, lectures : cellule, personne,\n"
     "rectifiee et variante, vraies pour une forme de l'orthographe\n"
     "rectifiée ou de l'autre forme seulement, options de la ligne)\n",
     15},
    {TActionDrapeau::Format,
     {"--format", ""},
     "N",
     "avec --json, 2 (par défaut) : \"format\": 2 en tête, ordre des clés\n"
     "fixe, groupe en nombre, chaque ligne et ses parties (forme, pronom,\n"
     "auxiliaire, participe ; null sans forme), connu et suggestions\n"
     "toujours (schéma : share/florimot/schema/) ; 1 : les clés\n"
     "d'avant, dans leur ordre, pour cette version encore\n",
     25},
    {TActionDrapeau::Traits,
     {"--traits", ""},
     "S",
     "ajoute les traits de chaque ligne ou lecture : unimorph\n"
     "(V;IND;PRS;1;SG), ud (Mood=Ind|Number=Sing|…) ou unimorph,ud ;\n"
     "--tsv : une colonne de plus par schéma, --json : clés unimorph, ud\n",
     25},
    {TActionDrapeau::Conllu,
     {"--conllu", ""},
     {},
     "lit un fichier CoNLL-U sur l'entrée standard et remplit le LEMMA « _ »\n"
     "des mots VERB et AUX que l'analyse lit (la lecture dont les traits\n"
     "s'accordent avec FEATS, sinon la première) ; le reste est recopié\n"
     "tel quel\n",
     15},
    {TActionDrapeau::Pourquoi,
     {"--pourquoi", ""},
     {},
     "après chaque conjugaison, pourquoi le participe passé s'accorde\n"
     "ou non (auxiliaire, pronom réfléchi, voix passive…), temps par\n"
     "temps ; avec --temps ou --personne, après chaque ligne\n",
     15},
    {TActionDrapeau::Modele,
     {"--modele", "--modèle"},
     {},
     "le modèle de chaque verbe et les autres verbes\n"
     "connus qui le suivent : leur nombre et les 30\n"
     "premiers, par ordre alphabétique (--json : mot,\n"
     "modele, famille, nombre, verbes, phrase)\n",
     25},
    {TActionDrapeau::Exercices,
     {"--exercices", ""},
     {},
     "une fiche d'exercices sur les VERBE, puis son corrigé après un saut\n"
     "de page (--json : les items, leurs réponses et la graine) ; les temps\n"
     "et personnes par --temps et --personne, répétables, les options par\n"
     "les leurs. Les verbes peuvent aussi être tirés (--comme, --groupe,\n"
     "--courants) ou lus sur l'entrée standard, un par ligne\n",
     15},
    {TActionDrapeau::Nombre,
     {"--nombre", ""},
     "N",
     "avec --exercices, le nombre d'items (10)\n",
     25},
    {TActionDrapeau::Graine,
     {"--graine", ""},
     "G",
     "avec --exercices, la graine du tirage (un entier) :\n"
     "la même graine refait la même fiche ; sans elle, une\n"
     "graine au hasard, imprimée sur la fiche\n",
     25},
    {TActionDrapeau::Genre,
     {"--genre", ""},
     "G",
     "avec --exercices, le genre d'item : trou (forme à\n"
     "compléter, par défaut), phrase (phrase à compléter),\n"
     "temps (temps entier)\n",
     25},
    {TActionDrapeau::Comme,
     {"--comme", ""},
     "VERBE",
     "avec --exercices, les verbes conjugués comme VERBE\n"
     "(acquérir)\n",
     25},
    {TActionDrapeau::Groupe,
     {"--groupe", ""},
     "N",
     "avec --exercices, les verbes du groupe N (1, 2, 3)\n",
     25},
    {TActionDrapeau::Courants,
     {"--courants", ""},
     {},
     "avec --exercices, les cent verbes les plus courants\n",
     15},
    {TActionDrapeau::Anglais,
     {"--anglais", ""},
     "TEXTE",
     "les verbes français d'un texte anglais, avec le temps et\n"
     "la personne qu'il dit (\"to go\", \"I went\" : aller, passé\n"
     "composé ou passé simple ; \"she has eaten\" : manger,\n"
     "passé composé) ; avec --json, un objet : anglais, choix\n"
     "(verbe, cellule, personne, forme, note). Dictionnaires\n"
     "FreeDict anglais-français et français-anglais\n"
     "(FLORIMOT_DICTD : leur dossier, vide pour aucun)\n",
     25},
    {TActionDrapeau::Ecouter,
     {"--ecouter", "--écouter"},
     {},
     "dit aussi les lignes de chaque verbe, à voix haute, par\n"
     "espeak-ng (celles que --temps et --personne retiennent)\n",
     25},
    {TActionDrapeau::Aide, {"-h", "--help"}, {}, "affiche cette aide\n", 15},
    {TActionDrapeau::AideTemps,
     {"--aide-temps", ""},
     {},
     "à quoi sert chaque temps, avec un exemple ; ce que fait chaque\n"
     "option ; ce que veulent dire « - » et « non usité »\n",
     15},
    {TActionDrapeau::Version, {"-V", "--version"}, {}, "affiche la version\n", 15},
    {TActionDrapeau::FinOptions, {"--", ""}, {}, "la suite n'est faite que de verbes\n", 15},
}};

// Every option of the table has its flag here.
static_assert([] {
    for (const TDescriptionOption& d : DescriptionsOptions) {
        bool vu = false;
        for (const TDrapeau& f : Drapeaux) vu = vu || f.Option == &d;
        if (!vu) return false;
    }
    return true;
}());

// The row that names `nom`; nullptr for none.
const TDrapeau* DrapeauNomme(std::string_view nom);

// The flags' part of --help, one entry after another, in French or in
// English.
std::string AideDesDrapeaux(bool anglais = false);

// A flag's lines of help in English, named by its first name; "" for a
// flag the English help lacks.
std::string_view AideAnglaise(const TDrapeau& drapeau);

}  // namespace florimot
