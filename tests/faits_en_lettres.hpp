// Verb facts and options written as letters, so that a table of cases reads
// on one line: "I-" is an impersonal verb without a passive, "fn" the
// féminin and the négation.
#pragma once

#include <string_view>

#include "conjugaison.hpp"

namespace essais {

inline bool A(std::string_view lettres, char c) {
    return lettres.find(c) != std::string_view::npos;
}

// "I" impersonal, "3" third persons only, "P" pronominal only, "R"
// reciprocal, "D" indirect reflexive, "-" no passive.
inline florimot::TFaits Faits(std::string_view l) {
    return {true, !A(l, '-'), A(l, 'I'), A(l, '3'), A(l, 'P'), A(l, 'R'), A(l, 'D')};
}

// "f" féminin, "n" négation, "i" interrogation, "p" passif.
inline florimot::TOptions Options(std::string_view l) {
    return {A(l, 'f'), A(l, 'n'), A(l, 'i'), A(l, 'p')};
}

}  // namespace essais
