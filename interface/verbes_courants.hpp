// The verbs people look up most, for the completion to offer first.
#pragma once

#include <QString>

namespace florimot {

// The rank of `infinitif` (without its pronoun) among the most frequent
// French verbs, 0 for the most frequent; -1 for a verb not among them.
int RangCourant(const QString& infinitif);

// `texte` as completion compares it: lower case, without its accents
// (« Être » and « etre » alike).
QString Plie(const QString& texte);

}  // namespace florimot
