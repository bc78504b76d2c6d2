// The verbs conjugated with either auxiliary, by the lists of the grammars
// (Bescherelle, La conjugaison pour tous, « verbes qui se conjuguent avec
// être et avoir »; Grevisse, Le Bon Usage, « verbes intransitifs qui
// prennent tantôt avoir, tantôt être »). The dictionary's tags mark a few of
// them (tests/lexique checks these against the tags); the grammars are the
// authority.
#include <algorithm>
#include <iterator>

#include "verbe.hpp"

namespace florimot {

namespace {

// Verbs of movement: être when intransitive (je suis monté), avoir when they
// take an object (j'ai monté les valises), so only the avoir grid has a
// passive. Their default grid is their everyday intransitive use.
constexpr std::string_view Mouvement[] = {
    "monter", "descendre", "sortir",      "rentrer",   "retourner",
    "passer", "remonter",  "redescendre", "ressortir", "repasser",
};

// Verbs that take avoir for the action and être for the state it leaves (il
// a disparu hier, il est disparu depuis longtemps): the default stays the
// one they had, the option gives the other.
constexpr std::string_view ActionEtat[] = {
    "accourir",  "apparaître", "apparaitre",  "disparaître", "disparaitre", "vieillir",
    "grandir",   "rajeunir",   "embellir",    "enlaidir",    "grossir",     "maigrir",
    "déménager", "divorcer",   "ressusciter", "empirer",     "expirer",
};

bool Dans(std::span<const std::string_view> liste, std::string_view mot) {
    return std::find(liste.begin(), liste.end(), mot) != liste.end();
}

}  // namespace

TDeuxAuxiliaires AuxiliairesDe(std::string_view infinitif) {
    if (Dans(Mouvement, infinitif)) return TDeuxAuxiliaires::Mouvement;
    if (Dans(ActionEtat, infinitif)) return TDeuxAuxiliaires::ActionEtat;
    return TDeuxAuxiliaires::Non;
}

std::span<const std::string_view> VerbesDeuxAuxiliaires(TDeuxAuxiliaires sorte) {
    switch (sorte) {
        case TDeuxAuxiliaires::Mouvement: return Mouvement;
        case TDeuxAuxiliaires::ActionEtat: return ActionEtat;
        case TDeuxAuxiliaires::Non: break;
    }
    return {};
}

}  // namespace florimot
