// The caption of a verb's group, as both front ends show it above its grid.
#pragma once

#include <string>
#include <string_view>

#include "verbe.hpp"

namespace florimot {

// "Groupe : 1", or "Auxiliaire" for avoir and être themselves.
std::string LegendeGroupe(const TVerbe& verbe);

// "de courir", "d'assaillir": a verb named after "de", elided as French
// elides it (de haïr).
std::string DeVerbe(std::string_view infinitif);

}  // namespace florimot
