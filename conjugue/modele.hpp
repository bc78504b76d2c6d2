// --modele: for each verb, its model and the other known verbs that follow it.
#pragma once

#include <memory>

#include "traitements.hpp"

namespace florimot {

// Readable, "conquérir : 8 verbes se conjuguent comme acquérir (ordre
// alphabétique) : …", a line a verb; `json`, an object a line. A text that
// is no verb is reported as when conjugating, status 1.
std::unique_ptr<TTraitement> CreeTraitementModele(bool json, TSorties& sorties,
                                                  TLexiqueDiffere& lexique);

}  // namespace florimot
