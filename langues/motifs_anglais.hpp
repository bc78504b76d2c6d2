// English verb grammar, in one place: which French tense each English
// pattern of auxiliaries and verb form stands for, and the irregular verbs'
// past forms.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "anglais.hpp"

namespace florimot::anglais {

// The form the pattern's last word takes.
enum class TFormeAnglaise : unsigned char {
    Base,        // go (with a subject: go or goes)
    Passe,       // went
    Participe,   // gone
    Progressif,  // going
};

struct TMotif {
    bool Sujet;  // after I, you, he… (else the text starts with the pattern)
    // The words between the subject and the verb, each with its
    // alternatives split by '|' ("have|has"); "" ends the list.
    std::array<std::string_view, 3> Auxiliaires;
    TFormeAnglaise Forme;
    std::array<std::string_view, 2> Cellules;  // "" for the verb alone or none
    TNoteAnglaise Note = TNoteAnglaise::Aucune;
    int Personne = 0;  // without a subject: the person the pattern gives (let's: nous)
};

inline constexpr std::array<TMotif, 17> Motifs = {{
    {false, {"to"}, TFormeAnglaise::Base, {""}},
    {false, {}, TFormeAnglaise::Base, {""}},
    {false, {"let's"}, TFormeAnglaise::Base, {"PresImp"}, TNoteAnglaise::Aucune, 4},
    {true, {}, TFormeAnglaise::Base, {"PresInd"}},
    {true, {"do|does"}, TFormeAnglaise::Base, {"PresInd"}},
    {true, {"am|is|are"}, TFormeAnglaise::Progressif, {"PresInd"}},
    {true, {}, TFormeAnglaise::Passe, {"PCInd", "PSInd"}, TNoteAnglaise::PasseCompose_PasseSimple},
    {true,
     {"did"},
     TFormeAnglaise::Base,
     {"PCInd", "PSInd"},
     TNoteAnglaise::PasseCompose_PasseSimple},
    {true, {"was|were"}, TFormeAnglaise::Progressif, {"ImpInd"}},
    {true, {"used", "to"}, TFormeAnglaise::Base, {"ImpInd"}},
    {true, {"have|has"}, TFormeAnglaise::Participe, {"PCInd"}},
    {true, {"had"}, TFormeAnglaise::Participe, {"PqpInd"}},
    {true, {"will|shall"}, TFormeAnglaise::Base, {"FSInd"}},
    {true, {"will|shall", "have"}, TFormeAnglaise::Participe, {"FAInd"}},
    {true, {"would"}, TFormeAnglaise::Base, {"PresCond"}},
    {true, {"would", "have"}, TFormeAnglaise::Participe, {"P1Cond"}},
    {true, {"am|is|are", "going", "to"}, TFormeAnglaise::Base, {"FSInd"}},
}};

struct TSujet {
    std::string_view Mot;
    int Personne;
    bool Feminin;
    TNoteAnglaise Note;
};

inline constexpr std::array<TSujet, 8> Sujets = {{
    {"i", 1, false, TNoteAnglaise::Aucune},
    {"you", 2, false, TNoteAnglaise::TuOuVous},
    {"he", 3, false, TNoteAnglaise::Aucune},
    {"she", 3, true, TNoteAnglaise::Aucune},
    {"it", 3, false, TNoteAnglaise::Aucune},
    {"one", 3, false, TNoteAnglaise::Aucune},
    {"we", 4, false, TNoteAnglaise::Aucune},
    {"they", 6, false, TNoteAnglaise::Aucune},
}};

// Short forms, read out before the patterns: "'s" and "'d" stand for two
// words each, tried in turn.
struct TContraction {
    std::string_view Fin;
    std::array<std::string_view, 2> Mots;
};

inline constexpr std::array<TContraction, 6> Contractions = {{
    {"'m", {"am"}},
    {"'re", {"are"}},
    {"'ve", {"have"}},
    {"'ll", {"will"}},
    {"'s", {"is", "has"}},
    {"'d", {"would", "had"}},
}};

// Verbs whose negation is not the verb plus "n't".
struct TNegation {
    std::string_view Forme;
    std::string_view Verbe;
};
inline constexpr std::array<TNegation, 3> NegationsIrregulieres = {{
    {"won't", "will"},
    {"shan't", "shall"},
    {"can't", "can"},
}};

struct TIrregulier {
    std::string_view Base, Passe, Participe;
};

// The past and past participle of the irregular verbs, '|' between two
// accepted forms.
std::span<const TIrregulier> Irreguliers();

}  // namespace florimot::anglais
