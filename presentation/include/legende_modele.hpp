// The caption of the model a verb follows, as the readable header says it.
#pragma once

#include <string>

#include "entete.hpp"

namespace florimot {

// "se conjugue comme placer", "modèle : famille de courir"; "" for a verb
// that is its own model.
std::string LegendeModele(const TEntete& entete);

}  // namespace florimot
