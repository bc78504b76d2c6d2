// English around a French verb: its meaning, and the French verbs and tenses
// an English text asks for. The words come from the FreeDict dictionaries
// (dictd.hpp); what is written here is English grammar only.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "dictd.hpp"

namespace florimot {

// The English meanings of a French verb ("to accept", "to receive" for
// accueillir), in the dictionary's order, each once; a pronominal verb not
// filed as such takes its verb's ("se lever": lever). Nothing when the
// dictionary lacks the verb or files it as no verb.
std::vector<std::string> GlossesAnglaises(const TDictd& francaisAnglais,
                                          std::string_view infinitif);
// The same from the installed dictionary; nothing without it.
std::vector<std::string> GlossesAnglaises(std::string_view infinitif);

// What English leaves open in a choice.
enum class TNoteAnglaise : unsigned char {
    Aucune,
    // "went": the passé composé or the passé simple, English has one past.
    PasseCompose_PasseSimple,
    // "you": tu or vous.
    TuOuVous,
};

// One French reading of an English text.
struct TChoixAnglais {
    std::string Infinitif;     // "aller", "se déplacer"
    std::string Anglais;       // the English verb it was found from, "go"
    std::string_view Cellule;  // the grid's cell code, "PCInd"; "" for the verb alone
    int Personne = 0;          // 1 to 6 (1 to 3 in the impératif); 0 for none
    bool Feminin = false;      // "she", "her"
    bool Negation = false;     // "not", "n't"
    TNoteAnglaise Note = TNoteAnglaise::Aucune;
};

// The French verbs and tenses `texte` ("to go", "I went", "she has eaten",
// "we will see", "welcome") may stand for: each French verb the dictionaries
// give for the English verb, with each tense the pattern allows (the
// passé composé, then the passé simple, for "went"). Nothing for a text that
// is no English verb phrase, or when neither dictionary gives a French verb.
std::vector<TChoixAnglais> RechercheAnglaise(const TDictd* anglaisFrancais,
                                             const TDictd* francaisAnglais, std::string_view texte);
// The same with the installed dictionaries.
std::vector<TChoixAnglais> RechercheAnglaise(std::string_view texte);

// Whether `texte` starts as an English verb phrase does: "i", "you", "she",
// "they"…, "to" or "let's" followed by a blank. No French text starts so.
bool CommenceCommeDeLAnglais(std::string_view texte);

// Whether a word the French dictionary does not know reads as English:
// letter groups no French verb has ("th", "sh", "ck", "oo", "w"…), or
// `anglais` (a spelling check, may be null) accepting it or its stem before
// a French ending ("checker": check).
bool PeutEtreAnglais(std::string_view mot, bool (*anglais)(std::string_view) = nullptr);

// Whether English spells `mot` so, by Debian's en_US hunspell dictionary
// (FLORIMOT_HUNSPELL_EN: another, without .aff and .dic; empty for none).
// False without one.
bool MotAnglais(std::string_view mot);

}  // namespace florimot
