// Shared by the first-group dispatch and its models.
#pragma once

#include "verbe.hpp"

namespace florimot {

// How many consonants stand between the stem vowel and the final "er" when
// they act as one: 1 for a single consonant (lev-er), 2 for ch, gn, gu, qu
// or a consonant followed by l or r (règl-er, sèvr-er); 0 otherwise.
// An x is not a single consonant: vexer keeps its e. 0 too when the vowel
// before them never changes (the e of briefer).
int ConsonnesAvantEr(const TVerbe& verbe);

// The letter before those consonants (0 if there are none).
char32_t VoyelleAvantConsonnes(const TVerbe& verbe);

}  // namespace florimot
