#include "modele.hpp"
#include "modeles.hpp"

namespace florimot {

// Not built yet: every form reads "-".
FLORIMOT_MODELE(ModeleAillir) { (void)verbe; (void)CodeTemps; (void)DecalageMode; (void)Personne; return std::string(Absent); }
FLORIMOT_MODELE(ModeleOurir) { (void)verbe; (void)CodeTemps; (void)DecalageMode; (void)Personne; return std::string(Absent); }
FLORIMOT_MODELE(ModeleGesir) { (void)verbe; (void)CodeTemps; (void)DecalageMode; (void)Personne; return std::string(Absent); }
FLORIMOT_MODELE(ModeleOuir) { (void)verbe; (void)CodeTemps; (void)DecalageMode; (void)Personne; return std::string(Absent); }
FLORIMOT_MODELE(ModeleAller) { (void)verbe; (void)CodeTemps; (void)DecalageMode; (void)Personne; return std::string(Absent); }

}  // namespace florimot
