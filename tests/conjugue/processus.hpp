// Runs the conjugue executable as a real process, input and output in files.
#pragma once

#include <string>
#include <vector>

struct Resultat {
    int Statut = -1;  // exit status, or -signal
    std::string Sortie, Erreurs;
};

// A whole file's bytes, "" for one that cannot be read.
std::string Lit(const std::string& chemin);

Resultat Lance(const std::vector<std::string>& arguments, const std::string& entree = {});

// Runs `script` with bash, the program's path in $CONJUGUE; the status is the
// script's, its standard output and error are kept.
Resultat LanceScript(const std::string& script);

// Runs conjugue at a pseudo-terminal `colonnes` wide, with the environment
// variables `variables` ("NOM=valeur") set and COLUMNS and NO_COLOR otherwise
// unset. What the terminal shows is in `sortie` ("\r\n" read as "\n").
Resultat LanceTerminal(const std::vector<std::string>& arguments,
                       const std::vector<std::string>& variables, unsigned short colonnes);

// Whether the lexicon conjugue links has its dictionary: built with
// libhunspell and the dictionary found. Suggestions need it; analysis not.
bool DictionnaireDisponible();
