// Why a line's past participle agrees or not, said line by line beside the
// grid: from what the lines are built with (the auxiliary, the reflexive
// pronoun's role, the phrase's complement, the verb's facts, the voice).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "conjugaison.hpp"
#include "verbe.hpp"

namespace florimot {

enum class TCodeAccord : std::uint8_t {
    Aucun,                // no past participle in the line
    Etre,                 // elles sont venues
    Avoir,                // elles ont parlé
    AvoirObjet,           // elles ont écrit (la lettre qu'elle a écrite)
    PronominalDirect,     // elles se sont levées
    PronominalEssentiel,  // elles se sont évanouies
    PronominalIndirect,   // elles se sont parlé
    PronominalObjet,      // elle s'est rendu compte
    Invariable,           // ils ont pu
    Impersonnel,          // il s'est agi
    Passif,               // elles sont aimées
};

// The reason for the lines of `cellule` that hold a form; Aucun for a cell
// without a past participle (a simple tense of the active voice).
TCodeAccord AccordDeCellule(const TVerbe& verbe, const TOptions& options, const TFaits& faits,
                            const TCellule& cellule);
// The same for one line of that cell: Aucun for a marker ("-").
TCodeAccord AccordDeLigne(const TVerbe& verbe, const TOptions& options, const TFaits& faits,
                          const TCellule& cellule, std::string_view ligne);

// A stable name for scripts ("etre", "pronominal-indirect"); "" for Aucun.
std::string_view CleAccord(TCodeAccord code);
// The sentence a reader is given ("auxiliaire être : le participe s'accorde
// avec le sujet"), with the verb's own words where it names them; "" for Aucun.
std::string PhraseAccord(TCodeAccord code, const TVerbe& verbe);

// "indicatif passé composé", "conditionnel passé 1re forme", "participe passé".
std::string LegendeCellule(const TCellule& cellule);

// The readable block the command line prints after a grid: a caption, then
// for each reason the cells whose lines it explains ("  indicatif passé
// composé, …, gérondif passé : auxiliaire avoir : …"), in the grid's order;
// "" for a grid with no past participle.
std::string PourquoiLisible(const TVerbe& verbe, const TOptions& options, const TFaits& faits,
                            const TLignesGrille& lignes);

}  // namespace florimot
