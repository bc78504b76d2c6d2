#include "legende.hpp"

namespace florimot {

std::string LegendeGroupe(const TVerbe& verbe) {
    // In a phrase (avoir besoin) avoir is a verb like any other.
    if ((verbe.Est("avoir") || verbe.Est("être")) && verbe.Complement().empty())
        return "Auxiliaire";
    return "Groupe : " + std::to_string(verbe.DonneGroupe());
}

std::string DeVerbe(std::string_view infinitif) {
    TVerbe verbe;
    verbe.DefinitVerbe(infinitif);
    return (ElideDevant(verbe, infinitif) ? "d'" : "de ") + std::string(infinitif);
}

}  // namespace florimot
