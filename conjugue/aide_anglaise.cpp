// conjugue --help in English: the same text as the French, for a run under
// an English locale.
#include <array>
#include <utility>

#include "drapeaux.hpp"

namespace florimot {

namespace {

// Each flag's lines, by its first name.
constexpr std::array<std::pair<std::string_view, std::string_view>, 19> Aides = {{
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
     "j'assieds, je puis)\n"
     "The options combine; a line without a form is « - ».\n"},
    {"--temps",
     "one tense: a cell code (ImpSubj, PCInd…) or a name,\n"
     "mode-tense, the indicatif may be left out (présent,\n"
     "passé-composé, subjonctif-imparfait, impératif-présent,\n"
     "conditionnel-passé-1, participe-présent…)\n"},
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
     "table), faits (what the verb allows: impersonal, passive…); for a\n"
     "word that is not a verb: mot, verbe (false) and erreur; with\n"
     "--analyse: forme, verbes (infinitive, connu, readings: cellule,\n"
     "personne, rectifiee and variante, true for a form of the rectified\n"
     "spelling or the other series only, the line's options)\n"},
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
