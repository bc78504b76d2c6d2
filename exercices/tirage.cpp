#include <algorithm>
#include <array>
#include <span>

#include "exercices.hpp"
#include "faits.hpp"

namespace florimot {

std::vector<std::string> CentVerbesCourants() {
    const std::span<const std::string_view> courants = VerbesCourants();
    const std::size_t n = std::min<std::size_t>(courants.size(), 100);
    return {courants.begin(), courants.begin() + static_cast<std::ptrdiff_t>(n)};
}

std::vector<std::string> VerbesDuGroupe(int groupe) {
    std::vector<std::string> verbes;
    for (std::string_view infinitif : VerbesConnus()) {
        TVerbe v;
        v.DefinitVerbe(infinitif);
        if (v.DonneGroupe() == groupe) verbes.emplace_back(infinitif);
    }
    return verbes;
}

std::vector<std::string> VerbesComme(std::string_view modele) {
    std::vector<std::string> verbes;
    TVerbe lui;
    lui.DefinitVerbe(modele);
    if (lui.DonneGroupe() == 0) return verbes;
    const std::string nom = lui.Intitule();
    for (std::string_view infinitif : VerbesConnus()) {
        TVerbe v;
        v.DefinitVerbe(infinitif);
        if (v.DonneGroupe() == 0) continue;
        if (v.Intitule() == nom || ModeleDuVerbe(v) == nom || FamilleDuVerbe(v) == nom)
            verbes.emplace_back(infinitif);
    }
    return verbes;
}

}  // namespace florimot
