#include "modele.hpp"
#include "modeles.hpp"

namespace florimot {

std::string ConjugueTroisiemeGroupe(const TVerbe&, std::uint8_t, std::uint8_t, int) {
    return std::string(Absent);
}

}  // namespace florimot
