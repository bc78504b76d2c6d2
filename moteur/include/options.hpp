// The options of a conjugation, and the one table every front end reads them
// from: the command line's flags, the JSON keys, the captions, the window's
// menu and its settings. An option is added by adding its field and its row.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace florimot {

// How a line is written beyond its plain form. They combine freely; where
// grammar gives no form, the line is "-".
struct TOptions {
    bool Feminin = false;        // elle, elles; the participles that agree take e, es
    bool Negation = false;       // ne … pas
    bool Interrogation = false;  // parles-tu ?; only the indicatif and the conditionnel ask
    bool Passif = false;         // je suis aimé
    bool Rectifiee = false;      // the rectified spelling of 1990: il connait, je cèderai
    bool Variante = false;       // the other accepted series: je paye, j'assieds, je puis
    // The other auxiliary of a verb that takes both: j'ai monté (les valises),
    // il est disparu; no change for any other verb.
    bool AutreAuxiliaire = false;

    bool operator==(const TOptions&) const = default;
    bool Aucune() const { return *this == TOptions{}; }
};

// What an option changes: the words around the verb (a line option), or
// the verb's own letters (a spelling option, which the form index and the
// bare forms know of).
enum class TPorteeOption : unsigned char { Ligne, Graphie };

struct TDescriptionOption {
    bool TOptions::*Champ;
    TPorteeOption Portee;
    std::string_view Nom;                      // "Feminin"; the window's menu item is "Feminin1"
    std::array<std::string_view, 2> Drapeaux;  // "--feminin", "--féminin"; "" for none
    std::string_view CleJson;                  // "feminin"
    std::string_view Legende;                  // "féminin", as a caption lists it
    std::string_view Menu;                     // "&Féminin", the window's item
    std::string_view Touche;                   // "F5", its shortcut
    std::string_view Reglage;                  // "options/feminin", the window's settings key
    char Lettre;                               // 'f', in tables of cases
};

// One row an option; the window's items and the flags come in this order.
// clang-format off
inline constexpr std::array<TDescriptionOption, 7> DescriptionsOptions = {{
    {&TOptions::Feminin, TPorteeOption::Ligne, "Feminin", {"--feminin", "--féminin"}, "feminin",
     "féminin", "&Féminin", "F5", "options/feminin", 'f'},
    {&TOptions::Negation, TPorteeOption::Ligne, "Negation", {"--negation", "--négation"},
     "negation", "négation", "&Négation", "F6", "options/negation", 'n'},
    {&TOptions::Interrogation, TPorteeOption::Ligne, "Interrogation", {"--interrogation", ""},
     "interrogation", "interrogation", "&Interrogation", "F7", "options/interrogation", 'i'},
    {&TOptions::Passif, TPorteeOption::Ligne, "Passif", {"--passif", ""}, "passif",
     "voix passive", "&Voix passive", "F8", "options/passif", 'p'},
    {&TOptions::Rectifiee, TPorteeOption::Graphie, "Rectifiee", {"--rectifiee", "--rectifiée"},
     "rectifiee", "orthographe rectifiée", "&Orthographe rectifiée (1990)", "F9",
     "options/rectifiee", 'r'},
    {&TOptions::Variante, TPorteeOption::Graphie, "Variante", {"--variante", ""}, "variante",
     "autre forme", "&Autre forme", "F10", "options/variante", 'v'},
    {&TOptions::AutreAuxiliaire, TPorteeOption::Ligne, "AutreAuxiliaire", {"--auxiliaire", ""},
     "autre_auxiliaire", "autre auxiliaire", "A&utre auxiliaire", "F11", "options/auxiliaire",
     'a'},
}};
// clang-format on

inline constexpr std::size_t NombreOptions = DescriptionsOptions.size();

// An option's value is read and set through these, so that an option with
// more than two values changes them, not their callers.
constexpr bool EstActive(const TOptions& options, const TDescriptionOption& d) {
    return options.*d.Champ;
}
constexpr void Active(TOptions& options, const TDescriptionOption& d, bool oui = true) {
    options.*d.Champ = oui;
}

// The options of one reach only: `Graphie` keeps the spelling and the
// series, `Ligne` the rest.
constexpr TOptions Restreint(const TOptions& options, TPorteeOption portee) {
    TOptions r;
    for (const TDescriptionOption& d : DescriptionsOptions)
        if (d.Portee == portee) Active(r, d, EstActive(options, d));
    return r;
}

// The options set in either.
constexpr TOptions Reunies(const TOptions& a, const TOptions& b) {
    TOptions r;
    for (const TDescriptionOption& d : DescriptionsOptions)
        Active(r, d, EstActive(a, d) || EstActive(b, d));
    return r;
}

// The row whose command-line flag is `drapeau`; nullptr for none.
constexpr const TDescriptionOption* OptionDuDrapeau(std::string_view drapeau) {
    for (const TDescriptionOption& d : DescriptionsOptions)
        for (std::string_view f : d.Drapeaux)
            if (!f.empty() && f == drapeau) return &d;
    return nullptr;
}

// Every combination of the options of `portee`, the others left off, fewest
// options first, and in the order of the table among as many.
template <TPorteeOption portee>
constexpr auto Combinaisons() {
    constexpr std::size_t n = [] {
        std::size_t k = 0;
        for (const TDescriptionOption& d : DescriptionsOptions) k += d.Portee == portee;
        return k;
    }();
    std::array<TOptions, std::size_t{1} << n> toutes{};
    std::size_t rempli = 0;
    for (std::size_t actives = 0; actives <= n; ++actives)
        for (std::size_t bits = 0; bits < toutes.size(); ++bits) {
            std::size_t compte = 0, i = 0;
            TOptions o;
            for (const TDescriptionOption& d : DescriptionsOptions) {
                if (d.Portee != portee) continue;
                const bool oui = (bits >> i++ & 1) != 0;
                compte += oui;
                Active(o, d, oui);
            }
            if (compte == actives) toutes[rempli++] = o;
        }
    return toutes;
}

}  // namespace florimot
