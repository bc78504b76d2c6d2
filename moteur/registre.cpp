#include "registre.hpp"

#include <algorithm>
#include <array>
#include <vector>

namespace florimot {

FLORIMOT_MODELE(ModeleAvoir) {
    return Plan({}, {}, TableAvoir);
}

FLORIMOT_MODELE(ModeleEtre) {
    return Plan({}, {}, TableEtre);
}

namespace {

// The lists the lexicon reads, each word once, in the registry's order.
std::vector<std::string_view> Reunit(std::string_view TModeleInscrit::*liste) {
    std::vector<std::string_view> mots;
    for (const TModeleInscrit& m : Registre)
        ChaqueMot(m.*liste, [&](std::string_view mot) {
            if (std::find(mots.begin(), mots.end(), mot) == mots.end()) mots.push_back(mot);
        });
    return mots;
}

}  // namespace

std::span<const std::string_view> VerbesExemples() {
    static const std::vector<std::string_view> verbes = Reunit(&TModeleInscrit::Exemples);
    return verbes;
}

std::span<const std::string_view> CoupesDesModeles() {
    static const std::vector<std::string_view> coupes = Reunit(&TModeleInscrit::Coupes);
    return coupes;
}

}  // namespace florimot
