// conjugue --ecouter: the lines said aloud by espeak-ng's French voice.
#pragma once

#include <string>
#include <string_view>

namespace florimot {

// The program that speaks: FLORIMOT_PAROLE when set (a test gives one that
// writes down what it is told), else espeak-ng.
std::string ProgrammeParole();

// Whether that program can be found (a path, or a name on PATH).
bool ParoleDisponible();

// Says `texte` (made ready by PrepareParole) and waits for the voice to
// finish; 0, or the errno of a program that could not be started.
int Dit(std::string_view texte);

}  // namespace florimot
