// The verb facts: what each verb allows (a passive, every person, its
// pronoun or none), from a table generated at build time from the French
// hunspell dictionary and compiled in, corrected by a curated list. The
// engine takes them as an input to its line builder, like the options:
//
//     florimot::TVerbe verbe;
//     verbe.DefinitVerbe(texte);
//     const florimot::TFaits faits = florimot::PrepareVerbe(verbe);  // évanouir: s'évanouir
//     const auto lignes = florimot::ConjugueGrille(verbe, options, faits);
//
// In a build without the dictionary the table is empty: every verb is
// conjugated as its letters say.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "conjugaison.hpp"
#include "verbe.hpp"

namespace florimot {

// The infinitives the table knows, in byte order; empty without the dictionary.
std::span<const std::string_view> VerbesConnus();

// What the verb allows as typed: "se pouvoir" (il se peut) is not "pouvoir".
TFaits FaitsDuVerbe(const TVerbe& verbe);
// The same from an infinitive, with its pronoun if any ("s'agir", "neiger").
TFaits FaitsDuVerbe(std::string_view infinitif);

// What every front end does to a typed verb before conjugating it: a verb
// that never goes without its pronoun takes it (évanouir is s'évanouir, and
// says so in its title), and a word no model conjugates and the table does
// not know (etre) is no verb; returns its facts.
TFaits PrepareVerbe(TVerbe& verbe);

// The known verbs a verb the table does not know is once its accents are
// restored: "etre" gives être, "pecher" pécher and pêcher; none for a known
// verb or a rectified infinitive (connaitre).
std::vector<std::string> VerbesAccentues(const TVerbe& verbe);

// The French verbs people use and look up most, most frequent first
// (infinitives without their pronoun): what completion offers first and
// what a worksheet of common verbs draws from.
std::span<const std::string_view> VerbesCourants();

}  // namespace florimot
