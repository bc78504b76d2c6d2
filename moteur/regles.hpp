// Why a verb's forms change: one short rule per model family, as a learner's
// book states it beside the model's name. Both front ends show it.
#pragma once

#include <string_view>

#include "verbe.hpp"

namespace florimot {

// The rule of the verb's model with an example ("c prend une cédille devant
// a et o : nous plaçons"); "" for a verb whose model changes nothing but its
// endings (parler, rendre), or no verb.
std::string_view RegleDuModele(const TVerbe& verbe);

}  // namespace florimot
