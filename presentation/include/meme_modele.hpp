// The verbs of the same model, as a conjugation book's index lists them:
// for a verb, the other known verbs (the facts table's) that follow its
// model, or its model's family where no model's verb fits.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "verbe.hpp"

namespace florimot {

struct TMemeModele {
    // The verb they follow ("acquérir"), or, for a family, its verb
    // ("courir" for mourir, `famille` then true).
    std::string Modele;
    bool Famille = false;
    // Every known verb of it but the model itself, in alphabetical order
    // (accents folded: é with e), the verb asked for included.
    std::vector<std::string> Verbes;
};

// How many of them the front ends show at first.
inline constexpr std::size_t VerbesModeleMontres = 30;

// Empty `modele` for no verb. The first call reads every known verb's
// model, a few tenths of a second; the next ones are a look-up.
TMemeModele MemeModele(const TVerbe& verbe);

// "8 verbes se conjuguent comme acquérir (ordre alphabétique) : conquérir,
// enquérir, …"; for a family, "… suivent le modèle de la famille de
// courir …"; `montres` verbs at most, then "…". `sauf`: a verb left out of
// the list (the one shown), still counted.
std::string PhraseMemeModele(const TMemeModele& liste, std::string_view sauf = {},
                             std::size_t montres = VerbesModeleMontres);

// What a list of them shows above the verbs: "6515 verbes se conjuguent
// comme parler ; les 30 premiers, par ordre alphabétique :".
std::string TitreMemeModele(const TMemeModele& liste, std::size_t montres = VerbesModeleMontres);

}  // namespace florimot
