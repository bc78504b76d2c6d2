#include "modele.hpp"
#include "modeles.hpp"

namespace florimot {

// Not built yet: every form reads "-".
FLORIMOT_MODELE(ModelePleuvoir) { (void)verbe; (void)CodeTemps; (void)DecalageMode; (void)Personne; return std::string(Absent); }
FLORIMOT_MODELE(ModeleFalloir) { (void)verbe; (void)CodeTemps; (void)DecalageMode; (void)Personne; return std::string(Absent); }
FLORIMOT_MODELE(ModeleSeoir) { (void)verbe; (void)CodeTemps; (void)DecalageMode; (void)Personne; return std::string(Absent); }
FLORIMOT_MODELE(ModeleEchoir) { (void)verbe; (void)CodeTemps; (void)DecalageMode; (void)Personne; return std::string(Absent); }

}  // namespace florimot
