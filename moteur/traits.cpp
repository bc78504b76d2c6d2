#include "traits.hpp"

#include <array>

namespace florimot {

namespace {

// One row a cell: its tags without person, number and gender, in each
// scheme. UD gives a compound form the features of its auxiliary, the
// word that is conjugated.
struct TLigneTraits {
    std::string_view TCellule;
    std::string_view UniMorph;  // "V;IND;PRS"
    std::string_view Mood;      // UD's Mood, "" for none
    std::string_view Tense;     // UD's Tense, "" for none
    std::string_view VerbForm;  // UD's VerbForm
};

constexpr std::array<TLigneTraits, GrilleComplete.size()> Table = {{
    {"PresInd", "V;IND;PRS", "Ind", "Pres", "Fin"},
    {"PCInd", "V;IND;PRS;PRF", "Ind", "Pres", "Fin"},
    {"ImpInd", "V;IND;PST;IPFV", "Ind", "Imp", "Fin"},
    {"PqpInd", "V;IND;PST;IPFV;PRF", "Ind", "Imp", "Fin"},
    {"PSInd", "V;IND;PST;PFV", "Ind", "Past", "Fin"},
    {"PAInd", "V;IND;PST;PFV;PRF", "Ind", "Past", "Fin"},
    {"FSInd", "V;IND;FUT", "Ind", "Fut", "Fin"},
    {"FAInd", "V;IND;FUT;PRF", "Ind", "Fut", "Fin"},
    {"PresSubj", "V;SBJV;PRS", "Sub", "Pres", "Fin"},
    {"PCSubj", "V;SBJV;PRS;PRF", "Sub", "Pres", "Fin"},
    {"ImpSubj", "V;SBJV;PST;IPFV", "Sub", "Imp", "Fin"},
    {"PQPSubj", "V;SBJV;PST;IPFV;PRF", "Sub", "Imp", "Fin"},
    {"PresImp", "V;IMP", "Imp", "Pres", "Fin"},
    {"PCImp", "V;IMP;PRF", "Imp", "Pres", "Fin"},
    {"PresCond", "V;COND", "Cnd", "Pres", "Fin"},
    {"P1Cond", "V;COND;PRF", "Cnd", "Pres", "Fin"},
    // The same tense as P1Cond in UniMorph; in UD its auxiliary is the
    // subjonctif imparfait's: eût parlé.
    {"P2Cond", "V;COND;PRF", "Sub", "Imp", "Fin"},
    {"PartPres", "V.PTCP;PRS", "", "Pres", "Part"},
    {"InfPres", "V;NFIN", "", "", "Inf"},
    {"InfPasse", "V;NFIN;PRF", "", "", "Inf"},
    {"PartPasse", "V.PTCP;PST", "", "Past", "Part"},
    // ayant parlé: its auxiliary is a participe présent.
    {"PartPasseComp", "V.PTCP;PRF", "", "Pres", "Part"},
    // UD's French treebanks take en parlant's parlant for a participle.
    {"GerPres", "V.CVB;PRS", "", "Pres", "Part"},
    {"GerPasse", "V.CVB;PRF", "", "Pres", "Part"},
}};

static_assert([] {
    for (std::size_t i = 0; i < Table.size(); ++i)
        if (Table[i].TCellule != GrilleComplete[i].Nom) return false;
    return true;
}());

// The person and number of a finite line: the impératif's three are tu,
// nous, vous.
std::pair<char, bool> PersonneNombre(const TCellule& c, int personne) {
    if (c.DecalageMode == ModeImperatif) {
        constexpr std::pair<char, bool> imperatif[] = {{'2', false}, {'1', true}, {'2', true}};
        return imperatif[personne - 1];
    }
    return {static_cast<char>('0' + (personne - 1) % 3 + 1), personne > 3};
}

}  // namespace

std::string_view NomSchema(TSchemaTraits schema) {
    return schema == TSchemaTraits::UniMorph ? "unimorph" : "ud";
}

std::string TraitsCase(TSchemaTraits schema, const TCellule& c, int personne) {
    const TLigneTraits& t = Table[std::size_t(&c - GrilleComplete.data())];
    if (personne < c.PremierePersonne || personne > c.DernierePersonne) {
        // A participe passé read alone: its agreement unknown.
        if (!(c.CodeTemps == CodePartPasse && c.DecalageMode == ModeParticipe && personne == 0))
            return {};
    }
    const bool fini = t.VerbForm == "Fin";
    const bool accorde =
        c.CodeTemps == CodePartPasse && c.DecalageMode == ModeParticipe && personne > 0;
    std::string texte;
    if (schema == TSchemaTraits::UniMorph) {
        texte = t.UniMorph;
        if (fini) {
            const auto [p, pluriel] = PersonneNombre(c, personne);
            texte += ';';
            texte += p;
            texte += pluriel ? ";PL" : ";SG";
        } else if (accorde) {
            texte += personne % 2 == 0 ? ";FEM" : ";MASC";
            texte += personne >= 3 ? ";PL" : ";SG";
        }
        return texte;
    }
    // UD's features in its order: by name.
    const auto ajoute = [&texte](std::string_view nom, std::string_view valeur) {
        if (valeur.empty()) return;
        if (!texte.empty()) texte += '|';
        texte += nom;
        texte += '=';
        texte += valeur;
    };
    if (accorde) ajoute("Gender", personne % 2 == 0 ? "Fem" : "Masc");
    ajoute("Mood", t.Mood);
    if (fini) {
        const auto [p, pluriel] = PersonneNombre(c, personne);
        ajoute("Number", pluriel ? "Plur" : "Sing");
        ajoute("Person", std::string_view(&p, 1));
    } else if (accorde) {
        ajoute("Number", personne >= 3 ? "Plur" : "Sing");
    }
    ajoute("Tense", t.Tense);
    ajoute("VerbForm", t.VerbForm);
    return texte;
}

std::string TraitsCase(TSchemaTraits schema, std::string_view cellule, int personne) {
    for (const TCellule& c : GrilleComplete)
        if (c.Nom == cellule) return TraitsCase(schema, c, personne);
    return {};
}

}  // namespace florimot
