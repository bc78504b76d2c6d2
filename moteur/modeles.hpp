// Every conjugation model and the dispatchers that choose among them. Each
// draws, once per verb, the plan its bare forms are built from.
#pragma once

#include "plan.hpp"

namespace florimot {

#define FLORIMOT_MODELE(nom) TPlan nom([[maybe_unused]] const TVerbe& verbe)

using Modele = TPlan (*)(const TVerbe&);

// The forms the verb would have under `modele`, whatever the dispatch would
// choose.
TFormes FormesDuModele(const TVerbe& verbe, Modele modele);

// Dispatchers: they pick the model from the verb's letters alone.
Modele ChoisitModelePremierGroupe(const TVerbe& verbe);
Modele ChoisitModeleTroisiemeGroupe(const TVerbe& verbe);
// Whether some model of the registry conjugates this word of the third
// group: one none does would have no form at all.
bool ModeleTroisiemeGroupe(const TVerbe& verbe);
FLORIMOT_MODELE(ConjugueDeuxiemeGroupe);

// The model of a verb in the spelling and series asked for: `modele` itself
// when they change nothing for it.
Modele ModeleSelonGraphie(const TVerbe& verbe, Modele modele, bool rectifiee, bool variante);
// Under the rectified spelling, whether the circumflex on i or u stays in
// the ending of that slot (nous vînmes, qu'il connût, dû, je croîs), and in
// the verb's stem (je jeûne).
bool GardeCirconflexe(const TVerbe& verbe, int slot);
bool RadicalGardeCirconflexe(const TVerbe& verbe);

// The defective verbs: what their model gives, less the forms they lack.
void AppliqueDefectifs(const TVerbe& verbe, TPlan& plan);

// The auxiliaries' own tables.
FLORIMOT_MODELE(ModeleAvoir);
FLORIMOT_MODELE(ModeleEtre);

FLORIMOT_MODELE(ModeleEr);
FLORIMOT_MODELE(ModeleAppeler);
FLORIMOT_MODELE(ModeleLever);
FLORIMOT_MODELE(ModeleCeder);
FLORIMOT_MODELE(ModeleCer);
FLORIMOT_MODELE(ModeleGer);
FLORIMOT_MODELE(ModeleYer);
FLORIMOT_MODELE(ModeleVoyer);
FLORIMOT_MODELE(ModeleEger);
// The rectified spelling's è in the futur and conditionnel: je cèderai,
// je protègerai, je rapiècerai.
FLORIMOT_MODELE(ModeleEgerRectifie);
FLORIMOT_MODELE(ModeleCerRectifie);

FLORIMOT_MODELE(ModeleHair);

// Verbs in -dre
FLORIMOT_MODELE(ModelePrendre);
FLORIMOT_MODELE(ModeleAndre);
FLORIMOT_MODELE(ModeleNdre);
FLORIMOT_MODELE(ModeleSoudre);
FLORIMOT_MODELE(ModeleSoudreRectifie);  // absout, dissout
FLORIMOT_MODELE(ModeleCoudre);
FLORIMOT_MODELE(ModeleMoudre);
FLORIMOT_MODELE(ModeleRompre);
// Verbs in -tre, -aire, -cre, -aître and -oître
FLORIMOT_MODELE(ModeleBattre);
FLORIMOT_MODELE(ModeleMettre);
FLORIMOT_MODELE(ModeleFoutre);
FLORIMOT_MODELE(ModeleFaire);
FLORIMOT_MODELE(ModeleTraire);
FLORIMOT_MODELE(ModeleCre);
FLORIMOT_MODELE(ModelePlaire);
FLORIMOT_MODELE(ModeleNaitre);
FLORIMOT_MODELE(ModeleRepaitre);
FLORIMOT_MODELE(ModelePaitre);
FLORIMOT_MODELE(ModeleAitre);
FLORIMOT_MODELE(ModeleOitre);
// Verbs in -oire, -ore, -ure and -vre
FLORIMOT_MODELE(ModeleCroire);
FLORIMOT_MODELE(ModeleBoire);
FLORIMOT_MODELE(ModeleClore);
FLORIMOT_MODELE(ModeleClure);
FLORIMOT_MODELE(ModeleSuivre);
FLORIMOT_MODELE(ModeleVivre);
// Verbs in -ire
FLORIMOT_MODELE(ModeleLire);
FLORIMOT_MODELE(ModeleDire);
FLORIMOT_MODELE(ModeleEcrire);
FLORIMOT_MODELE(ModeleRire);
FLORIMOT_MODELE(ModeleUire);
FLORIMOT_MODELE(ModeleIre);
// Regular verbs in -oir
FLORIMOT_MODELE(ModeleCevoir);
FLORIMOT_MODELE(ModeleOurvoir);
FLORIMOT_MODELE(ModeleSavoir);
FLORIMOT_MODELE(ModeleDevoir);
FLORIMOT_MODELE(ModelePouvoir);
FLORIMOT_MODELE(ModeleMouvoir);
FLORIMOT_MODELE(ModeleValoir);
FLORIMOT_MODELE(ModeleVouloir);
FLORIMOT_MODELE(ModeleAsseoir);
FLORIMOT_MODELE(ModeleAsseoirIe);
FLORIMOT_MODELE(ModeleAssoirIe);
FLORIMOT_MODELE(ModelePouvoirPuis);
FLORIMOT_MODELE(ModeleSurseoir);
FLORIMOT_MODELE(ModeleAssoir);
FLORIMOT_MODELE(ModeleChoir);
FLORIMOT_MODELE(ModeleVoir);
// Impersonal and defective verbs in -oir
FLORIMOT_MODELE(ModelePleuvoir);
FLORIMOT_MODELE(ModeleFalloir);
FLORIMOT_MODELE(ModeleSeoir);
FLORIMOT_MODELE(ModeleEchoir);
FLORIMOT_MODELE(ModeleApparoir);
// Regular verbs in -ir
FLORIMOT_MODELE(ModeleEnir);
FLORIMOT_MODELE(ModeleErir);
FLORIMOT_MODELE(ModeleVetir);
FLORIMOT_MODELE(ModeleTir);
FLORIMOT_MODELE(ModeleVrir);
FLORIMOT_MODELE(ModeleEillir);
FLORIMOT_MODELE(ModeleOuillir);
FLORIMOT_MODELE(ModeleOrmir);
FLORIMOT_MODELE(ModeleErvir);
FLORIMOT_MODELE(ModeleFuir);
// Verbs in -ir with their own rules, and whole verbs
FLORIMOT_MODELE(ModeleAillir);
FLORIMOT_MODELE(ModeleOurir);
FLORIMOT_MODELE(ModeleGesir);
FLORIMOT_MODELE(ModeleOuir);
FLORIMOT_MODELE(ModeleAller);

}  // namespace florimot
