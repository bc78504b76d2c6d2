// The caption of a verb's group, as both front ends show it above its grid.
#pragma once

#include <string>

#include "verbe.hpp"

namespace florimot {

// "Groupe : 1", or "Auxiliaire" for avoir and être themselves.
std::string LegendeGroupe(const TVerbe& verbe);

}  // namespace florimot
