// Runs the conjugue executable as a real process, input and output in files.
#pragma once

#include <string>
#include <vector>

struct Resultat {
    int statut = -1;  // exit status, or -signal
    std::string sortie, erreurs;
};

Resultat Lance(const std::vector<std::string>& arguments, const std::string& entree = {});
