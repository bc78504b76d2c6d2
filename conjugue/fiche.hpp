// conjugue --exercices: a worksheet and its key, as text or as JSON.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "drapeaux.hpp"
#include "exercices.hpp"

namespace florimot {

class TSorties;
class TEntree;

// What the flags ask of a worksheet beyond the options and the verbs typed.
struct TDemandeFiche {
    bool Active = false;  // --exercices
    std::vector<std::size_t> Temps;
    std::vector<int> Personnes;
    int Nombre = 10;
    bool GraineDonnee = false;
    std::uint64_t Graine = 0;
    TGenreExercice Genre = TGenreExercice::Trou;
    std::vector<std::string> Comme;
    std::vector<int> Groupes;
    bool Courants = false;
};

// Reads the value of one of the worksheet's flags into `demande`; "" when
// understood, else the message for the user.
std::string LitValeurFiche(TActionDrapeau action, std::string_view valeur, TDemandeFiche& demande);

// Makes the worksheet of `demande` on `verbes` (none: those drawn, else the
// lines of `entree`) and writes it; returns the exit status.
int EcritFiche(const TDemandeFiche& demande, const TOptions& options, bool json,
               const std::vector<std::string_view>& verbes, TEntree& entree, TSorties& sorties);

}  // namespace florimot
