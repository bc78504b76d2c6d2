// What a front end says of a wrong form the lexicon diagnosed: « Vous avez
// écrit … ; la forme correcte est … parce que … ».
#pragma once

#include <string>
#include <string_view>

#include "diagnostic.hpp"

namespace florimot {

// A stable name for scripts: "accord-en-trop", "auxiliaire"…
std::string_view CleFaute(TFaute faute);

// Why the right form is so: "se complément d'objet indirect (parler à
// quelqu'un) : pas d'accord", "g devient ge devant a et o", "indicatif
// imparfait, 1re personne du singulier : -ais".
std::string RaisonDiagnostic(const TDiagnostic& diagnostic);

// The whole sentence, the right form followed by where the grid writes it:
// « Vous avez écrit « ils se sont parlés » ; la forme correcte est « ils se
// sont parlé » (se parler, indicatif passé composé, ils) parce que … ».
std::string PhraseDiagnostic(const TDiagnostic& diagnostic);

}  // namespace florimot
