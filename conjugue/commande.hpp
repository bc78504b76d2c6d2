// The command-line front end, apart from the process itself so that tests
// and the fuzzer can drive it with any input.
#pragma once

#include <string>
#include <vector>

#include "flux.hpp"

namespace florimot {

// Exit statuses.
inline constexpr int SortieSucces = 0;
inline constexpr int SortieNonVerbe = 1;       // at least one word was not a verb
inline constexpr int SortieTexteInvalide = 2;  // bad UTF-8 or NUL in a line or argument; bad usage
inline constexpr int SortieEcriture = 3;  // standard output could not be written (or was closed)
inline constexpr int SortieLecture = 4;   // standard input could not be read

// How the readable output is laid out.
struct TPresentation {
    int Largeur = 0;  // MiseEnPage's: 0 for one column
    bool Gras = false;
};

// At a terminal: the width from COLUMNS when it is a whole number, else the
// terminal's own (`largeurTerminal`, 0 when unknown); bold unless NO_COLOR is
// set and not empty. Elsewhere, one column without bold. The two texts are the
// variables' values, null when unset.
TPresentation ChoisitPresentation(bool terminal, const char* colonnes, const char* sansCouleur,
                                  int largeurTerminal);

// Runs the whole command: `arguments` excludes the program name. Output and
// messages are gathered in large blocks; the first failed write to `sortie`
// ends the run (quietly for a closed pipe, EPIPE).
int ExecuteConjugue(const std::vector<std::string>& arguments, TEntree& entree, TSortie& sortie,
                    TSortie& erreurs, TPresentation presentation = {});

}  // namespace florimot
