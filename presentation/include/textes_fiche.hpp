// The words of a worksheet, of its answer key and of a practice session's
// remarks, shared by the command line and the window.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exercices.hpp"
#include "verification.hpp"

namespace florimot {

// The kinds of item by the names the command line and the settings use:
// "trou", "phrase", "temps"; and as the window's list says them.
std::string_view NomGenre(TGenreExercice genre);
std::string_view LegendeGenre(TGenreExercice genre);
std::optional<TGenreExercice> GenreNomme(std::string_view nom);

// A tense as a sentence names it: "passé simple", "subjonctif présent";
// `cellule` is an index in GrilleComplete (Grille's first).
std::string NomDuTemps(std::size_t cellule);
// "3e personne du singulier"; "" for 0.
std::string DecritPersonne(int personne);

// The blank the sheet leaves.
inline constexpr std::string_view Blanc = "____________";

// What the sheet prints for an item, without its number: one line, or the
// tense's heading and a line a person.
std::vector<std::string> Enonce(const TItem& item, TGenreExercice genre);
// The key's answer: "je paie / je paye", a tense's lines separated by « ; »,
// and the auxiliary of a compound tense built on être.
std::string Corrige(const TItem& item);

// The headings: "Fiche d'exercices", "Corrigé", then "graine 42" and the
// options in force, which make the sheet again.
std::string TitreFiche();
std::string TitreCorrige();
std::string SousTitre(const TFiche& fiche);
// Where the pupil writes a name and the date, under the sheet's heading.
std::string LigneNomDate();

// The whole sheet as text, then a form feed and its key: what `conjugue
// --exercices` writes.
std::string TexteFiche(const TFiche& fiche);

// What a practice session says of an answer: « Juste ! », « il manque
// l'accent circonflexe : nous finîmes », « finissait : c'est l'imparfait,
// 3e personne du singulier ; au passé simple, nous finîmes ».
std::string DecritDiagnostic(const TItem& item, const TVerdictReponse& diagnostic);

// The practice panel's words: the score and the list of items missed.
std::string TexteScore(int justes, int faites);
std::string TitreManques();
// An item missed, what was typed and the right answer.
std::string LigneManquee(const TItem& item, std::string_view tape);

}  // namespace florimot
