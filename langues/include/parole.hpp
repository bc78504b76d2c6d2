// A conjugated line made ready for a French voice: read as it is written,
// espeak-ng (the voice behind speech-dispatcher) spells some of it out.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace florimot {

// The text to speak for one line ("vas-y", "a-t-il ?", "qu'ils eussent
// été"): a final « y » after a hyphen would be spelled « i grec », no-break
// spaces and typographic apostrophes become plain ones, the markers of a form
// that does not exist ("-", "non usité") say nothing. "" when there is
// nothing to say.
std::string PrepareParole(std::string_view ligne);

// Several lines (a whole tense) as one text, a pause after each.
std::string PrepareParole(const std::vector<std::string>& lignes);

}  // namespace florimot
