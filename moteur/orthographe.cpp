// The two accepted spellings of French (the traditional one and the
// rectified one of 1990) and the second series of the verbs that have two
// accepted conjugations, as they touch the models.
//
// The rectified spelling, as far as conjugation goes:
// - no circumflex on i and u (il connait, il plait, je connaitrai), but the
//   passé simple's nous and vous and the subjonctif imparfait's il keep
//   theirs (nous vînmes, qu'il connût), and so do dû and croître's forms
//   that would read as croire's (je croîs, il crût, crû);
// - every verb in -eler and -eter takes è (j'amoncèle, il étiquète) but
//   appeler, jeter and their compounds;
// - the verbs of céder's kind take è in the futur and conditionnel too
//   (je cèderai, je protègerai, je rapiècerai);
// - the inverted first person takes è (aimè-je), written by the line;
// - absoudre and dissoudre's participle is absout, dissout (absoute);
// - surseoir is sursoir, so its futur is je sursoirai.
//
// Where the references part, the choice made here:
// - croître keeps its circumflex in every form croire shares letters with,
//   but not in its futur and conditionnel (je croitrai), which croire's
//   (je croirai) cannot be taken for; recroître is treated as accroître is
//   (recru), its participle being no form of croire;
// - the circumflex of dû stays; redû, mû and the other participles lose it
//   (redu, mu), having no word to be told from;
// - jeûner keeps its circumflex (je jeûne, not to be read as jeune), as the
//   noun does; mûrir loses it (je murirai), the adjective alone keeping it;
// - asseoir's ie series keeps j'assiérai: no mute e follows its é, which
//   the rule of céder is about.
//
// The second series (the "autre forme" option), for the verbs whose two
// conjugations every reference accepts: the verbs in -ayer keep their y
// (je paye, je payerai); asseoir, rasseoir and assoir take the ie/ey
// series (j'assieds, nous asseyons, j'assiérai); pouvoir says je puis. Verbs
// whose second conjugation the references give for part of their forms only,
// or as dated (faillir, choir's cherrai, ouïr), keep their one grid.
#include "modeles.hpp"

namespace florimot {

bool InfinitifRectifie(const TVerbe& verbe) {
    return verbe.TerminePar("aitre") || verbe.TerminePar("oitre");
}

Modele ModeleSelonGraphie(const TVerbe& verbe, Modele modele, bool rectifiee, bool variante) {
    if (variante) {
        if (modele == ModeleYer && verbe.TerminePar("ayer")) modele = ModeleEr;
        if (modele == ModeleAsseoir) modele = ModeleAsseoirIe;
        if (modele == ModeleAssoir && verbe.TerminePar("assoir")) modele = ModeleAssoirIe;
        if (modele == ModelePouvoir && verbe.Est("pouvoir")) modele = ModelePouvoirPuis;
    }
    if (rectifiee) {
        if (modele == ModeleAppeler && !verbe.TerminePar("appeler") && !verbe.TerminePar("jeter"))
            return ModeleLever;
        if (modele == ModeleCeder) return ModeleLever;
        if (modele == ModeleEger) return ModeleEgerRectifie;
        if (modele == ModeleCer) return ModeleCerRectifie;
        if (modele == ModeleSoudre) return ModeleSoudreRectifie;
        if (modele == ModeleSurseoir) return ModeleAsseoir;
    }
    return modele;
}

bool GardeCirconflexe(const TVerbe& verbe, int slot) {
    if (slot == Slot(2, ModeIndicatif, 4) || slot == Slot(2, ModeIndicatif, 5) ||
        slot == Slot(1, ModeSubjonctif, 3))
        return true;
    if (slot == SlotParticipePasse && verbe.Est("devoir")) return true;
    if (verbe.Est("croître") || verbe.Est("croitre"))
        return !(slot >= Slot(3, ModeIndicatif, 1) && slot <= Slot(3, ModeIndicatif, 6)) &&
               !(slot >= Slot(0, ModeConditionnel, 1) && slot <= Slot(0, ModeConditionnel, 6));
    return false;
}

bool RadicalGardeCirconflexe(const TVerbe& verbe) {
    return verbe.Est("jeûner");
}

}  // namespace florimot
