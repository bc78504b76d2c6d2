// What a person types, made into what the engine reads: one normaliser for
// every front end, so that the window's entry and the command line agree.
#pragma once

#include <string>
#include <string_view>

namespace florimot {

// The text with its accents composed (e + U+0301 is é), in lower case
// (PARLER is parler, Été is été), ’ and ʼ read as ', every blank, control
// character and line or paragraph separator read as one blank, and the
// characters that show nothing (EstInvisible) dropped. Bytes that are not
// UTF-8 become U+FFFD.
std::string NormaliseSaisie(std::string_view texte);

// Whether `mot`, a word of normalised text, is written as a verb is: letters
// (EstLettre), with an apostrophe or a hyphen only between two letters
// (entr'apercevoir, entre-nuire). A digit, a symbol or a stray mark glued to
// the letters makes the text no verb rather than part of its forms.
bool EstMotDeVerbe(std::string_view mot);

// The letters a French verb is written with: the Latin alphabet and its
// accented letters. Other scripts' letters make no French verb.
constexpr bool EstLettre(char32_t c) {
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') ||
           (c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7) || (c >= 0x1E00 && c <= 0x1EFF);
}

// The characters Unicode asks to show nothing when not supported (zero-width
// space and joiners, soft hyphen, byte-order mark, direction marks, variation
// selectors …): pasted from a page, they would end up inside the forms.
constexpr bool EstInvisible(char32_t c) {
    return c == 0xAD || c == 0x34F || c == 0x61C || c == 0x115F || c == 0x1160 || c == 0x17B4 ||
           c == 0x17B5 || (c >= 0x180B && c <= 0x180F) || (c >= 0x200B && c <= 0x200F) ||
           (c >= 0x202A && c <= 0x202E) || (c >= 0x2060 && c <= 0x206F) || c == 0x3164 ||
           (c >= 0xFE00 && c <= 0xFE0F) || c == 0xFEFF || c == 0xFFA0 ||
           (c >= 0xFFF0 && c <= 0xFFF8) || (c >= 0x1BCA0 && c <= 0x1BCA3) ||
           (c >= 0x1D173 && c <= 0x1D17A) || (c >= 0xE0000 && c <= 0xE0FFF);
}

// Whether `texte` holds nothing but blanks, control characters and
// invisible characters: a line of them is no text at all.
bool EstTexteBlanc(std::string_view texte);

// Whether c ends a word: a blank, a control character, or a line or paragraph
// separator of any kind.
constexpr bool EstSeparateur(char32_t c) {
    return c <= 0x20 || (c >= 0x7F && c <= 0xA0) || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) ||
           c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

}  // namespace florimot
