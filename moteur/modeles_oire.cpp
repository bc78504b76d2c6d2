#include "modele.hpp"
#include "modeles.hpp"

namespace florimot {

// Not built yet: every form reads "-".
FLORIMOT_MODELE(ModeleCroire) { (void)verbe; (void)CodeTemps; (void)DecalageMode; (void)Personne; return std::string(Absent); }
FLORIMOT_MODELE(ModeleBoire) { (void)verbe; (void)CodeTemps; (void)DecalageMode; (void)Personne; return std::string(Absent); }
FLORIMOT_MODELE(ModeleClore) { (void)verbe; (void)CodeTemps; (void)DecalageMode; (void)Personne; return std::string(Absent); }
FLORIMOT_MODELE(ModeleClure) { (void)verbe; (void)CodeTemps; (void)DecalageMode; (void)Personne; return std::string(Absent); }
FLORIMOT_MODELE(ModeleSuivre) { (void)verbe; (void)CodeTemps; (void)DecalageMode; (void)Personne; return std::string(Absent); }
FLORIMOT_MODELE(ModeleVivre) { (void)verbe; (void)CodeTemps; (void)DecalageMode; (void)Personne; return std::string(Absent); }

}  // namespace florimot
