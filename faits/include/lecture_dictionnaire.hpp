// What the build-time generators (faits/genere_table.cpp and
// lexique/generateur/genere_index.cpp) read, checked before either uses it:
// a damaged dictionary would otherwise build a program without its verb
// facts or its indexed verbs, and nothing would show it but wrong grids.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace florimot::faits {

// A hunspell dictionary holds many more verbs than this (about 8,400 for
// Debian's French one); a file with fewer is a damaged or wrong one.
inline constexpr std::size_t VerbesMinimum = 5000;

struct TDictionnaireLu {
    std::vector<std::string> Lignes;  // every line after the count, as read
    bool Hunspell = false;            // false: a list of infinitives
};

// Reads `chemin` whole and checks it: a plain file of UTF-8 text with no
// control character but tabs. A hunspell dictionary (its first line the
// number of its entries) must have every entry well formed (a word, then
// fields "xx:value" one space apart), every verb tag as the generators read
// it ("po:v", the group 0 to 3, eight of a-z and _), the verbs' words
// without capitals, quotes or backslashes, and VerbesMinimum verbs at
// least. Any other file is taken, when `liste` allows, as a list of
// infinitives one a line, one at least. On a fault, false and `erreur`
// naming the file, the line and the problem, in French.
bool LitDictionnaire(const std::string& chemin, bool liste, TDictionnaireLu& lu,
                     std::string& erreur);

}  // namespace florimot::faits
