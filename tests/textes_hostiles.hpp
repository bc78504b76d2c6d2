// Texts as people paste them, and what each gives: the text read, or why it
// is no verb; for the command line and the window's entry (`fenetre`) alike.
#pragma once

#include <string_view>

namespace hostiles {

enum class TIssue { Verbe, NonVerbe, TropLong };
struct Cas {
    std::string_view Texte;
    TIssue Issue;
    std::string_view Lu;
    bool Fenetre = true;
};
using enum TIssue;
// clang-format off
inline constexpr Cas Textes[] = {
    {"xxxxxxxxxxxxxxxxxxxxxxerzzzz", TropLong, "xxxxxxxxxxxxxxxxxxxxxxer…", false},
    {"ANTIconstitutionnellementer", TropLong, "anticonstitutionnellemen…", false},
    {"xxxxxxxxxxxxxxxxxxxxxxer", Verbe, "xxxxxxxxxxxxxxxxxxxxxxer", false},
    {"-parler", NonVerbe, "-parler"}, {"parler-", NonVerbe, "parler-"}, {"par--ler", NonVerbe, "par--ler"},
    {"s''asseoir", NonVerbe, "se 'asseoir"}, {"se s'lever", NonVerbe, "se s'lever"}, {"er", NonVerbe, "er"},
    {"123er", NonVerbe, "123er"}, {"€er", NonVerbe, "€er"}, {"中er", NonVerbe, "中er"},
    {"aimer\U0001F600", NonVerbe, "aimer\U0001F600"}, {"\x1b[31mparler", NonVerbe, "[31mparler"},
    {"entr'apercevoir", Verbe, "entr'apercevoir"}, {"s'entre-nuire", Verbe, "s'entre-nuire"},
    {"S\u2019asseoir", Verbe, "s'asseoir"}, {"\uFEFFpar\u00ADler", Verbe, "parler"},
    {"se\u200Blever", Verbe, "selever"}, {"a\u200Cim\u200Der", Verbe, "aimer"},
    {"fi\u2060nir\u180E", Verbe, "finir"}, {"CE\u0301DER", Verbe, "céder"},
};
// clang-format on

}  // namespace hostiles
