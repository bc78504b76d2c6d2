#include "modele.hpp"
#include "modeles.hpp"

namespace florimot {

// Not built yet: every form reads "-".
FLORIMOT_MODELE(ModeleEnir) { (void)verbe; (void)CodeTemps; (void)DecalageMode; (void)Personne; return std::string(Absent); }
FLORIMOT_MODELE(ModeleErir) { (void)verbe; (void)CodeTemps; (void)DecalageMode; (void)Personne; return std::string(Absent); }
FLORIMOT_MODELE(ModeleVetir) { (void)verbe; (void)CodeTemps; (void)DecalageMode; (void)Personne; return std::string(Absent); }
FLORIMOT_MODELE(ModeleTir) { (void)verbe; (void)CodeTemps; (void)DecalageMode; (void)Personne; return std::string(Absent); }
FLORIMOT_MODELE(ModeleVrir) { (void)verbe; (void)CodeTemps; (void)DecalageMode; (void)Personne; return std::string(Absent); }
FLORIMOT_MODELE(ModeleEillir) { (void)verbe; (void)CodeTemps; (void)DecalageMode; (void)Personne; return std::string(Absent); }
FLORIMOT_MODELE(ModeleOuillir) { (void)verbe; (void)CodeTemps; (void)DecalageMode; (void)Personne; return std::string(Absent); }
FLORIMOT_MODELE(ModeleOrmir) { (void)verbe; (void)CodeTemps; (void)DecalageMode; (void)Personne; return std::string(Absent); }
FLORIMOT_MODELE(ModeleErvir) { (void)verbe; (void)CodeTemps; (void)DecalageMode; (void)Personne; return std::string(Absent); }
FLORIMOT_MODELE(ModeleFuir) { (void)verbe; (void)CodeTemps; (void)DecalageMode; (void)Personne; return std::string(Absent); }

}  // namespace florimot
