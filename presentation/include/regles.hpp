// Why a verb's forms change: one short rule per model family, as a learner's
// book states it beside the model's name. Both front ends show it.
#pragma once

#include <string_view>

#include "conjugaison.hpp"
#include "verbe.hpp"

namespace florimot {

// The rule of the verb's model with an example ("c prend une cédille devant
// a et o : nous plaçons"): only for a verb that follows the pattern of
// endings of the verb the rule is written for (ModeleDuVerbe), so never
// for mourir or prévoir; "" for a verb whose model changes nothing but its
// endings (parler, rendre), or no verb. The spelling options may change the
// model (amonceler follows lever in the rectified spelling), so the rule too.
std::string_view RegleDuModele(const TVerbe& verbe, const TOptions& options = {});

}  // namespace florimot
