// Texts as people paste them or careless scripts send them, and what each
// must give. The command line's tests and the window's entry read the same
// table: one rule for both.
#pragma once

#include <string_view>

namespace hostiles {

enum class Issue { Verbe, NonVerbe, TropLong };

struct Cas {
    std::string_view texte;
    Issue issue;
    std::string_view lu;  // the text the engine reads, as its output names it
    bool fenetre;         // fits the window's entry (15 letters, no blank inside)
};

inline constexpr Cas Textes[] = {
    {"xxxxxxxxxxxxxxxxxxxxxxerzzzz", Issue::TropLong, "xxxxxxxxxxxxxxxxxxxxxxer…", false},
    {"ANTIconstitutionnellementer", Issue::TropLong, "anticonstitutionnellemen…", false},
    {"xxxxxxxxxxxxxxxxxxxxxxer", Issue::Verbe, "xxxxxxxxxxxxxxxxxxxxxxer", false},
    {"-parler", Issue::NonVerbe, "-parler", true},
    {"parler-", Issue::NonVerbe, "parler-", true},
    {"'parler", Issue::NonVerbe, "'parler", true},
    {"par--ler", Issue::NonVerbe, "par--ler", true},
    {"s''asseoir", Issue::NonVerbe, "se 'asseoir", true},
    {"se s'lever", Issue::NonVerbe, "se s'lever", true},
    {"123er", Issue::NonVerbe, "123er", true},
    {"!!er", Issue::NonVerbe, "!!er", true},
    {"€er", Issue::NonVerbe, "€er", true},
    {"中er", Issue::NonVerbe, "中er", true},
    {"er", Issue::NonVerbe, "er", true},
    {"aimer\U0001F600", Issue::NonVerbe, "aimer\U0001F600", true},
    {"<b>aimer</b>", Issue::NonVerbe, "<b>aimer</b>", true},
    {"\x1b[31mparler", Issue::NonVerbe, "[31mparler", true},
    {"entr'apercevoir", Issue::Verbe, "entr'apercevoir", true},
    {"s'entre-nuire", Issue::Verbe, "s'entre-nuire", true},
    {"S\u2019asseoir", Issue::Verbe, "s'asseoir", true},
    {"\uFEFFparler", Issue::Verbe, "parler", true},
    {"par\u00ADler", Issue::Verbe, "parler", true},
    {"se\u200Blever", Issue::Verbe, "selever", true},
    {"a\u200Cimer", Issue::Verbe, "aimer", true},
    {"a\u200Dimer", Issue::Verbe, "aimer", true},
    {"fi\u2060nir", Issue::Verbe, "finir", true},
    {"finir\u180E", Issue::Verbe, "finir", true},
    {"CE\u0301DER", Issue::Verbe, "céder", true},
};

}  // namespace hostiles
