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

// Each option by its letter (DescriptionsOptions): "f" féminin, "n"
// négation, "i" interrogation, "p" passif, "r" rectifiée, "v" variante.
inline florimot::TOptions Options(std::string_view l) {
    florimot::TOptions o;
    for (const florimot::TDescriptionOption& d : florimot::DescriptionsOptions)
        florimot::Active(o, d, A(l, d.Lettre));
    return o;
}

}  // namespace essais
