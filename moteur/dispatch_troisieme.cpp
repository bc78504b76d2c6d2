#include <string_view>

#include "modele.hpp"
#include "modeles.hpp"

namespace florimot {

namespace {

struct Regle {
    std::string_view texte;
    bool motEntier;  // the whole verb, not its ending
    Modele modele;
};

constexpr Regle Fin(std::string_view texte, Modele modele) {
    return {texte, false, modele};
}

constexpr Regle Mot(std::string_view texte, Modele modele) {
    return {texte, true, modele};
}

// First rule that holds wins, so an ending stands before every shorter ending
// it contains ("prendre" before "endre", "crire" before "rire"). The verbs in
// -oir come first, then those in -ir; both sets of endings carry their "oir"
// or "ir", so no separate test on it is needed.
constexpr Regle Regles[] = {
    // -oir
    Fin("cevoir", ModeleCevoir),
    Fin("ourvoir", ModeleOurvoir),
    Fin("savoir", ModeleSavoir),
    Fin("devoir", ModeleDevoir),
    Fin("pouvoir", ModelePouvoir),
    Fin("mouvoir", ModeleMouvoir),
    Fin("pleuvoir", ModelePleuvoir),
    Fin("falloir", ModeleFalloir),
    Fin("valoir", ModeleValoir),
    // chaloir is valoir's kin (il chaut, like il vaut), of which only that
    // form is left.
    Mot("chaloir", ModeleValoir),
    Mot("apparoir", ModeleApparoir),
    Fin("vouloir", ModeleVouloir),
    Fin("asseoir", ModeleAsseoir),
    Fin("surseoir", ModeleSurseoir),
    Fin("assoir", ModeleAssoir),
    Fin("sursoir", ModeleAssoir),
    Fin("seoir", ModeleSeoir),
    Fin("échoir", ModeleEchoir),
    Fin("choir", ModeleChoir),
    Fin("voir", ModeleVoir),
    // -ir
    Fin("enir", ModeleEnir),
    Fin("érir", ModeleErir),
    Fin("vêtir", ModeleVetir),
    Fin("tir", ModeleTir),
    Fin("vrir", ModeleVrir),
    Fin("frir", ModeleVrir),
    Fin("aillir", ModeleAillir),
    Fin("eillir", ModeleEillir),
    Fin("ouillir", ModeleOuillir),
    Fin("ormir", ModeleOrmir),
    Fin("ourir", ModeleOurir),
    Fin("ervir", ModeleErvir),
    Fin("fuir", ModeleFuir),
    Fin("gésir", ModeleGesir),
    // Whole verbs of their own
    Mot("ouïr", ModeleOuir),
    Mot("aller", ModeleAller),
    // -dre: répondre and the other verbs in -ondre go like rendre; only
    // -aindre, -eindre and -oindre take gn.
    Fin("prendre", ModelePrendre),
    Fin("andre", ModeleAndre),
    Fin("endre", ModeleAndre),
    Fin("ondre", ModeleAndre),
    Fin("ndre", ModeleNdre),
    Fin("soudre", ModeleSoudre),
    Fin("coudre", ModeleCoudre),
    Fin("moudre", ModeleMoudre),
    Fin("dre", ModeleAndre),
    Fin("rompre", ModeleRompre),
    // -tre, -aire, -cre
    Fin("battre", ModeleBattre),
    Fin("mettre", ModeleMettre),
    Fin("foutre", ModeleFoutre),
    Fin("faire", ModeleFaire),
    // traire, braire, raire: je brais, nous rayons.
    Fin("raire", ModeleTraire),
    Fin("cre", ModeleCre),
    Fin("plaire", ModelePlaire),
    Fin("taire", ModelePlaire),  // je tus, j'ai tu
    // -aître, -oître: connaître and its kin go like paraître, not like naître.
    Mot("naître", ModeleNaitre),
    Mot("renaître", ModeleNaitre),
    Fin("repaître", ModeleRepaitre),
    Fin("paître", ModelePaitre),
    Fin("aître", ModeleAitre),
    Fin("oître", ModeleOitre),
    // The same infinitives in the rectified spelling: connaitre, croitre.
    Mot("naitre", ModeleNaitre),
    Mot("renaitre", ModeleNaitre),
    Fin("repaitre", ModeleRepaitre),
    Fin("paitre", ModelePaitre),
    Fin("aitre", ModeleAitre),
    Fin("oitre", ModeleOitre),
    // -oire, -ore, -ure, -vre
    Fin("croire", ModeleCroire),
    Fin("boire", ModeleBoire),
    Fin("clore", ModeleClore),
    Fin("clure", ModeleClure),
    Fin("suivre", ModeleSuivre),
    Fin("vivre", ModeleVivre),
    // -ire: inscrire and the other verbs in -crire go like écrire; frire is
    // a defective verb of ModeleIre, not a kin of rire.
    Fin("lire", ModeleLire),
    Fin("dire", ModeleDire),
    Fin("crire", ModeleEcrire),
    Fin("frire", ModeleIre),
    Fin("rire", ModeleRire),
    Fin("uire", ModeleUire),
    Fin("ire", ModeleIre),
};

// A word in -re or -oir that no rule knows has no form at all.
constexpr TTerminaisons TermInconnu = [] {
    TTerminaisons t;
    t.fill(Absent);
    return t;
}();

TPlan Inconnu(const TVerbe&) {
    return Plan({}, {}, TermInconnu);
}

}  // namespace

Modele ChoisitModeleTroisiemeGroupe(const TVerbe& verbe) {
    for (const Regle& r : Regles)
        if (r.motEntier ? verbe.Est(r.texte) : verbe.TerminePar(r.texte)) return r.modele;
    return Inconnu;
}

}  // namespace florimot
