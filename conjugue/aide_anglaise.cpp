// conjugue --help in English: the same text as the French, for a run under
// an English locale.
#include <array>
#include <utility>

#include "drapeaux.hpp"

namespace florimot {

namespace {

// Each flag's lines, by its first name.
constexpr std::array<std::pair<std::string_view, std::string_view>, 33> Aides = {{
    {"--feminin", "elle, elles; the participles that agree take e, es\n"},
    {"--negation", "ne … pas\n"},
    {"--interrogation",
     "questions (parles-tu ?); subjonctif, impératif and\n"
     "participe: « - »\n"},
    {"--passif",
     "passive voice (je suis aimé), for a verb that takes a\n"
     "direct object\n"},
    {"--rectifiee", "the rectified spelling of 1990 (il connait)\n"},
    {"--variante",
     "the other series of the verbs that have two (je paye,\n"
     "j'assieds, je puis)\n"},
    {"--auxiliaire",
     "être or avoir, for the verbs that take either (monter,\n"
     "sortir, passer…: être without a complement, avoir with a\n"
     "direct object, and then a passive voice; disparaître,\n"
     "vieillir…: avoir for the action, être for the state); the\n"
     "other verbs keep their own\n"
     "The options combine; a line without a form is « - ».\n"},
    {"--temps",
     "one tense: a cell code (ImpSubj, PCInd…) or a name,\n"
     "mode-tense, the indicatif may be left out (présent,\n"
     "passé-composé, subjonctif-imparfait, impératif-présent,\n"
     "conditionnel-passé-1, participe-présent…), the cells\n"
     "with no person (InfPres, PartPasse, GerPres…) and the\n"
     "usual names (futur, impératif, infinitif, participe\n"
     "passé, gérondif)\n"},
    {"--personne",
     "one person: 1 to 6 or the pronoun (je, tu, il, elle, on,\n"
     "nous, vous, ils, elles); in the impératif, tu, nous,\n"
     "vous. With --temps, the form alone (conjugue --temps\n"
     "ImpSubj --personne 6 vouloir: qu'ils voulussent); with\n"
     "--tsv or --json, only the lines or cells kept\n"},
    {"--analyse",
     "finds the verb, tense and person of a conjugated form\n"
     "(allions: aller, indicatif imparfait…) or of a line as\n"
     "conjugue writes it (\"je ne me lève pas\": se lever,\n"
     "indicatif présent, je, négation); with --tsv, one line\n"
     "per reading: <form>\\t<infinitive>\\t<cell>\\t<person>\n"
     "(PartPasse\\t0 for a past participle alone). Status 1 when\n"
     "a form is not found; suggestions on standard error (for\n"
     "standard input, with --suggestions only). Also reads\n"
     "infinitives, participles, gérondifs (en parlant, s'être\n"
     "levé) and the clause after que (il faut que je sache:\n"
     "savoir, subjonctif présent)\n"},
    {"--toutes",
     "with --analyse, one line per text, even with no reading (--tsv:\n"
     "<text>\\t\\t\\t)\n"},
    {"--suggestions", "suggestions for the texts read on standard input too\n"},
    {"--tsv",
     "98 tab-separated lines per text:\n"
     "<word>\\tGroupe\\t0\\t<group>, then <word>\\t<cell>\\t<person>\\t<form>\n"
     "(a word that is not a verb keeps its 98 lines, forms empty)\n"},
    {"--complet",
     "with --tsv, adds after the 98 lines the infinitive, past participle\n"
     "(4 forms), compound participle and gérondif (InfPres, InfPasse,\n"
     "PartPasse 1 to 4, PartPasseComp, GerPres, GerPasse)\n"},
    {"--json",
     "one JSON object per line and per text: mot, groupe, verbe, modele,\n"
     "regle, anglais (the English meanings, when the dictionary is\n"
     "installed), options, cellules (each cell and its forms, the whole\n"
     "table), faits (what the verb allows: impersonal, passive…);\n"
     "accord (lignes: for each line of a past participle the code of\n"
     "the reason it agrees or not, null without a form; phrases: each\n"
     "code's sentence); for a word that is not a verb: mot, verbe\n"
     "(false) and erreur; with\n"
     "--analyse: forme, verbes (infinitive, connu, readings: cellule,\n"
     "personne, rectifiee and variante, true for a form of the rectified\n"
     "spelling or the other series only, the line's options)\n"},
    {"--format",
     "with --json, 2 (the default): \"format\": 2 first, a\n"
     "fixed key order, groupe as a number, each line and its\n"
     "parts (forme, pronom, auxiliaire, participe; null\n"
     "without a form), connu and suggestions always (schema:\n"
     "share/florimot/schema/); 1: the earlier keys, in their\n"
     "order, for this version still\n"},
    {"--traits",
     "adds the features of each line or reading: unimorph\n"
     "(V;IND;PRS;1;SG), ud (Mood=Ind|Number=Sing|…) or\n"
     "unimorph,ud; --tsv: one more column per scheme,\n"
     "--json: keys unimorph, ud\n"},
    {"--conllu",
     "reads a CoNLL-U file on standard input and fills the « _ » LEMMA\n"
     "of the VERB and AUX words the analysis reads (the reading whose\n"
     "features agree with FEATS, else the first); the rest is copied\n"
     "as it is\n"},
    {"--pourquoi",
     "after each conjugation, why the past participle agrees or\n"
     "not (auxiliary, reflexive pronoun, passive voice…), tense by\n"
     "tense; with --temps or --personne, after each line\n"},
    {"--modele",
     "each verb's model and the other known verbs that\n"
     "follow it: how many and the first 30, in\n"
     "alphabetical order (--json: mot, modele, famille,\n"
     "nombre, verbes, phrase)\n"},
    {"--exercices",
     "a worksheet on the VERBs, then its key after a page break (--json:\n"
     "the items, their answers and the seed); the tenses and persons by\n"
     "--temps and --personne, which can be repeated, the options by\n"
     "their own flags. The verbs can also be drawn (--comme, --groupe,\n"
     "--courants) or read on standard input, one per line\n"},
    {"--nombre", "with --exercices, the number of items (10)\n"},
    {"--graine",
     "with --exercices, the seed of the draw (an integer):\n"
     "the same seed makes the same worksheet again; without\n"
     "it, a random seed, printed on the worksheet\n"},
    {"--genre",
     "with --exercices, the kind of item: trou (a form to\n"
     "fill in, the default), phrase (a sentence to fill in),\n"
     "temps (a whole tense)\n"},
    {"--comme",
     "with --exercices, the verbs conjugated like VERBE\n"
     "(acquérir)\n"},
    {"--groupe", "with --exercices, the verbs of group N (1, 2, 3)\n"},
    {"--courants", "with --exercices, the hundred most common verbs\n"},
    {"--anglais",
     "the French verbs of an English text, with the tense and\n"
     "person it says (\"to go\", \"I went\": aller, passé composé\n"
     "or passé simple; \"she has eaten\": manger, passé\n"
     "composé); with --json, one object: anglais, choix (verbe,\n"
     "cellule, personne, forme, note). FreeDict's English-French\n"
     "and French-English dictionaries (FLORIMOT_DICTD: their\n"
     "folder, empty for none)\n"},
    {"--ecouter",
     "also speaks each verb's lines aloud, through espeak-ng\n"
     "(those --temps and --personne keep)\n"},
    {"-h", "prints this help\n"},
    {"--aide-temps",
     "what each tense is for, with an example; what each option\n"
     "does; what « - » and « non usité » mean\n"},
    {"-V", "prints the version\n"},
    {"--", "only verbs follow\n"},
}};

}  // namespace

std::string_view AideAnglaise(const TDrapeau& drapeau) {
    for (const auto& [nom, aide] : Aides)
        if (nom == drapeau.Noms[0]) return aide;
    return {};
}

}  // namespace florimot
