#include "legende_modele.hpp"

#include "legende.hpp"

namespace florimot {

std::string LegendeModele(const TEntete& entete) {
    if (!entete.Modele.empty()) return "se conjugue comme " + std::string(entete.Modele);
    if (!entete.Famille.empty()) return "modèle : famille " + DeVerbe(entete.Famille);
    return {};
}

}  // namespace florimot
