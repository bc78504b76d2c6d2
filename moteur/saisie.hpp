// What a person types, made into what the engine reads: one normaliser for
// every front end, so that the window's entry and the command line agree.
#pragma once

#include <string>
#include <string_view>

namespace florimot {

// The text with its accents composed (e + U+0301 is é), in lower case
// (PARLER is parler, Été is été), ’ and ʼ read as ', and every blank, control
// character and line or paragraph separator read as one blank. Bytes that are
// not UTF-8 become U+FFFD.
std::string NormaliseSaisie(std::string_view texte);

// Whether c ends a word: a blank, a control character, or a line or paragraph
// separator of any kind.
constexpr bool EstSeparateur(char32_t c) {
    return c <= 0x20 || (c >= 0x7F && c <= 0xA0) || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) ||
           c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

}  // namespace florimot
