// A finished line taken apart for programs: the bare form, the subject
// pronoun, the auxiliary and the participle, without the pronouns, the
// negation, the question or a phrase's complement around them.
#pragma once

#include <string>
#include <string_view>

#include "conjugaison.hpp"

namespace florimot {

struct TParties {
    // False for a line that holds no form: "", or a marker ("-", "non usité",
    // "pas d'impératif"); every other field is then empty.
    bool Forme = false;
    std::string Nue;         // "aie parlé", "lève", "été aimée"
    std::string Pronom;      // the subject in full ("je" for j'), "" for none
    std::string Auxiliaire;  // "aie", "ai été"; "" for a simple form
    std::string Participe;   // "parlé", "aimée"; "" for a simple form
};

// `ligne` is the line of `cellule` for person `personne` (counted as the
// cell counts them) of `verbe`, as ConjugueGrille wrote it under `options`.
TParties PartiesDeLigne(const TVerbe& verbe, const TCellule& cellule, const TOptions& options,
                        std::string_view ligne);

// The auxiliary the verb's compound tenses take in the active voice: "être"
// (venir, se lever) or "avoir"; "" for a word that is not a verb.
std::string_view AuxiliaireDuVerbe(const TVerbe& verbe);

}  // namespace florimot
