// A text that is no line of any grid but close to one: what was written
// wrong and what the grid writes instead ("ils se sont parlés": ils se sont
// parlé, an agreement too many). Only a known verb's lines are proposed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "lexique.hpp"

namespace florimot {

enum class TFaute : std::uint8_t {
    AccordEnTrop,    // ils se sont parlés
    AccordManquant,  // elles se sont levé
    Auxiliaire,      // elle a venue
    Terminaison,     // je finissait
    Cedille,         // nous placons
    GeDevantAO,      // nous mangons
    Accent,          // il cede
    Consonne,        // j'apelle: a consonant single that is double, or the reverse
    Orthographe,     // any other letter
};

struct TDiagnostic {
    std::string Ecrit;      // the text as read
    std::string Correct;    // the line, or the form, the grid writes
    std::string Infinitif;  // with its pronoun: "se parler"
    // Where the grid writes it: its cells and persons, and the options of
    // the grid that holds it (féminin for "elle est venue").
    std::vector<TLecture> Lectures;
    TFaute Faute = TFaute::Orthographe;
    // Terminaison: the right ending ("ais"); Auxiliaire: the right
    // auxiliary ("être"); Accent: the right letter ("è"); Consonne: the
    // right letters ("pp"); "" otherwise.
    std::string Detail;
};

inline constexpr std::size_t DiagnosticsMax = 3;

// The lines (or, for one word, the forms) of known verbs nearest to
// `texte`, at most DiagnosticsMax, the nearest only; none when `texte` is
// itself a line or form of a known verb, or nothing is near enough.
std::vector<TDiagnostic> Diagnostique(std::string_view texte);

}  // namespace florimot
