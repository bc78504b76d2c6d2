// From a token to its lemma, for language pipelines: what --conllu and the
// Python module fill a tagged corpus with.
#pragma once

#include <string>
#include <string_view>

namespace florimot {

// The infinitive, without its reflexive pronoun ("lever" for "lève"), of
// the verb the analysis reads in `forme`: its first reading, or, when
// `traitsUd` gives Universal Dependencies features ("Mood=Ind|Tense=Imp",
// "_" or "" for none), the first reading whose features agree with them
// (every feature both name has the same value). "" when the analysis reads
// no verb in it.
std::string LemmeDeForme(std::string_view forme, std::string_view traitsUd = {});

}  // namespace florimot
