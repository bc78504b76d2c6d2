// What a front end selects once the lexicon has read a text: the lines of
// the grid a reading stands for, the options to show them under; and whether
// a text being typed starts as a written line does.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "conjugaison.hpp"
#include "lexique.hpp"

namespace florimot {

// A line of the grid: its cell's index in GrilleComplete and its row in that cell.
struct TLigneChoisie {
    std::size_t Cellule = 0;
    int Ligne = 0;

    bool operator==(const TLigneChoisie&) const = default;
};

// The options a verb found behind a text is shown under: those in force, or
// with `ligneLue` every option the line read shows; a bare form of one
// spelling or series only (paye, connait) turns that one on, so its line
// shows.
TOptions OptionsPourMontrer(const TAnalyse& analyse, const TOptions& enVigueur, bool ligneLue);

// The lines of `verbe`'s grid under `enVigueur` that `analyse` (the readings
// of that verb) stands for, in grid order for each reading. A simple tense's
// reading names its person; a past participle is wherever a compound line
// shows `forme` with the options in force, or failing that as an agreement
// would ("allée" with féminin). A line the options leave without a form is
// never chosen.
std::vector<TLigneChoisie> LignesDeLecture(const TVerbe& verbe, const TFaits& faits,
                                           const TOptions& enVigueur, std::string_view forme,
                                           const TAnalyse& analyse);
// The same, `lignes` being the grid under `enVigueur` already built.
std::vector<TLigneChoisie> LignesDeLecture(const TVerbe& verbe, const TFaits& faits,
                                           const TOptions& enVigueur, std::string_view forme,
                                           const TAnalyse& analyse, const TLignesGrille& lignes);

// Whether `texte`, normalised, starts as a line of the grid is written: with
// a subject pronoun, que or ne ("nous", "j'ai", "qu'il", "ne"). An entry
// keeps the blanks of such a text, which AnalyseTexte reads whole.
bool CommenceCommeUneLigne(std::string_view texte);

}  // namespace florimot
