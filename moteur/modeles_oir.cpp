#include "modele.hpp"
#include "modeles.hpp"

namespace florimot {

// Not built yet: every form reads "-".
FLORIMOT_MODELE(ModeleCevoir) { (void)verbe; (void)CodeTemps; (void)DecalageMode; (void)Personne; return std::string(Absent); }
FLORIMOT_MODELE(ModeleOurvoir) { (void)verbe; (void)CodeTemps; (void)DecalageMode; (void)Personne; return std::string(Absent); }
FLORIMOT_MODELE(ModeleSavoir) { (void)verbe; (void)CodeTemps; (void)DecalageMode; (void)Personne; return std::string(Absent); }
FLORIMOT_MODELE(ModeleDevoir) { (void)verbe; (void)CodeTemps; (void)DecalageMode; (void)Personne; return std::string(Absent); }
FLORIMOT_MODELE(ModelePouvoir) { (void)verbe; (void)CodeTemps; (void)DecalageMode; (void)Personne; return std::string(Absent); }
FLORIMOT_MODELE(ModeleMouvoir) { (void)verbe; (void)CodeTemps; (void)DecalageMode; (void)Personne; return std::string(Absent); }
FLORIMOT_MODELE(ModeleValoir) { (void)verbe; (void)CodeTemps; (void)DecalageMode; (void)Personne; return std::string(Absent); }
FLORIMOT_MODELE(ModeleVouloir) { (void)verbe; (void)CodeTemps; (void)DecalageMode; (void)Personne; return std::string(Absent); }
FLORIMOT_MODELE(ModeleAsseoir) { (void)verbe; (void)CodeTemps; (void)DecalageMode; (void)Personne; return std::string(Absent); }
FLORIMOT_MODELE(ModeleSurseoir) { (void)verbe; (void)CodeTemps; (void)DecalageMode; (void)Personne; return std::string(Absent); }
FLORIMOT_MODELE(ModeleChoir) { (void)verbe; (void)CodeTemps; (void)DecalageMode; (void)Personne; return std::string(Absent); }
FLORIMOT_MODELE(ModeleVoir) { (void)verbe; (void)CodeTemps; (void)DecalageMode; (void)Personne; return std::string(Absent); }

}  // namespace florimot
