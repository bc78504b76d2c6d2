// The JSON's "diagnostic" of --analyse: what a text was probably meant to be.
#pragma once

#include <string>
#include <vector>

#include "diagnostic.hpp"

namespace florimot {

// [{"ecrit":…,"correct":…,"infinitif":…,"lectures":[{"cellule":…,"personne":…,"options":{…}}],
// "faute":"accord-en-trop","detail":…,"phrase":"Vous avez écrit …"},…]
std::string TableauDiagnostic(const std::vector<TDiagnostic>& diagnostics);

}  // namespace florimot
