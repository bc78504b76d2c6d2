// The grammar of the verb's entry: what a typed or pasted text keeps before
// it is conjugated or looked up. The window's entry applies it at each key.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace florimot {

// Letters of each word the entry holds.
inline constexpr int LettresEntree = 15;

struct TSaisieGardee {
    std::u32string Texte;
    std::size_t Curseur = 0;  // characters of Texte before the cursor
    bool Coupe = false;       // letters past the limit were dropped
};

// What the entry keeps of `texte` (UTF-8): the engine's normalised text
// (composed, lower case, ’ read as ', invisible characters dropped) without
// its blanks but those the engine reads: after the pronoun of a pronominal
// verb ("se lever", "s'en aller", "s'y prendre") and after the verb of a
// phrase ("faire attention", "se rendre compte"), and between the words of a
// text that starts as a written line does ("nous sommes allés", "qu'il
// vienne", "ne parle-t-il pas ?"); at most LettresEntree characters of the
// verb itself, the pronoun and an apostrophe or hyphen after a letter not
// counted, and as many in its complement or in each word of a line. Digits
// and symbols are kept: the conjugation then says the text is no verb, as
// the command line does, instead of conjugating what is left once they are
// dropped. `avantCurseur` is the part of `texte` before the cursor.
TSaisieGardee FormeSaisie(std::string_view texte, std::string_view avantCurseur = {});

}  // namespace florimot
