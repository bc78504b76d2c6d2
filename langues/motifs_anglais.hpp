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
enum class Forme : unsigned char {
    Base,        // go (with a subject: go or goes)
    Passe,       // went
    Participe,   // gone
    Progressif,  // going
};

struct TMotif {
    bool sujet;  // after I, you, he… (else the text starts with the pattern)
    // The words between the subject and the verb, each with its
    // alternatives split by '|' ("have|has"); "" ends the list.
    std::array<std::string_view, 3> auxiliaires;
    Forme forme;
    std::array<std::string_view, 2> cellules;  // "" for the verb alone or none
    NoteAnglaise note = NoteAnglaise::Aucune;
    int personne = 0;  // without a subject: the person the pattern gives (let's: nous)
};

inline constexpr std::array<TMotif, 17> Motifs = {{
    {false, {"to"}, Forme::Base, {""}},
    {false, {}, Forme::Base, {""}},
    {false, {"let's"}, Forme::Base, {"PresImp"}, NoteAnglaise::Aucune, 4},
    {true, {}, Forme::Base, {"PresInd"}},
    {true, {"do|does"}, Forme::Base, {"PresInd"}},
    {true, {"am|is|are"}, Forme::Progressif, {"PresInd"}},
    {true, {}, Forme::Passe, {"PCInd", "PSInd"}, NoteAnglaise::PasseCompose_PasseSimple},
    {true, {"did"}, Forme::Base, {"PCInd", "PSInd"}, NoteAnglaise::PasseCompose_PasseSimple},
    {true, {"was|were"}, Forme::Progressif, {"ImpInd"}},
    {true, {"used", "to"}, Forme::Base, {"ImpInd"}},
    {true, {"have|has"}, Forme::Participe, {"PCInd"}},
    {true, {"had"}, Forme::Participe, {"PqpInd"}},
    {true, {"will|shall"}, Forme::Base, {"FSInd"}},
    {true, {"will|shall", "have"}, Forme::Participe, {"FAInd"}},
    {true, {"would"}, Forme::Base, {"PresCond"}},
    {true, {"would", "have"}, Forme::Participe, {"P1Cond"}},
    {true, {"am|is|are", "going", "to"}, Forme::Base, {"FSInd"}},
}};

struct TSujet {
    std::string_view mot;
    int personne;
    bool feminin;
    NoteAnglaise note;
};

inline constexpr std::array<TSujet, 8> Sujets = {{
    {"i", 1, false, NoteAnglaise::Aucune},
    {"you", 2, false, NoteAnglaise::TuOuVous},
    {"he", 3, false, NoteAnglaise::Aucune},
    {"she", 3, true, NoteAnglaise::Aucune},
    {"it", 3, false, NoteAnglaise::Aucune},
    {"one", 3, false, NoteAnglaise::Aucune},
    {"we", 4, false, NoteAnglaise::Aucune},
    {"they", 6, false, NoteAnglaise::Aucune},
}};

// Short forms, read out before the patterns: "'s" and "'d" stand for two
// words each, tried in turn.
struct TContraction {
    std::string_view fin;
    std::array<std::string_view, 2> mots;
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
    std::string_view forme;
    std::string_view verbe;
};
inline constexpr std::array<TNegation, 3> NegationsIrregulieres = {{
    {"won't", "will"},
    {"shan't", "shall"},
    {"can't", "can"},
}};

struct TIrregulier {
    std::string_view base, passe, participe;
};

// The past and past participle of the irregular verbs, '|' between two
// accepted forms.
std::span<const TIrregulier> Irreguliers();

}  // namespace florimot::anglais
