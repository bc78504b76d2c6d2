// The shapes of conjugue's output, one writer each, all fed the same way.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "conjugaison.hpp"
#include "verbe.hpp"

namespace florimot {

// How the forms were asked for: stated in every header, so that a reader of
// the output never has to guess.
struct OptionsConjugaison {
    bool feminin = false;
    bool negation = false;
    bool interrogation = false;
    bool passif = false;
};

// A writer appends to `sortie` (standard output's buffer); the caller writes
// it out and reports a non-verb on standard error itself.
class TEcrivain {
public:
    TEcrivain(std::string& sortie, const OptionsConjugaison& options)
        : sortie_(sortie), options_(options) {}
    virtual ~TEcrivain() = default;

    virtual void Ecrit(const TVerbe& verbe, const LignesGrille& lignes) = 0;
    virtual void NonVerbe(const TVerbe& verbe, const LignesGrille& lignes) = 0;
    // After the last text.
    virtual void Fin() {}

protected:
    std::string& sortie_;
    const OptionsConjugaison& options_;
};

// What standard error says after a word that is not a verb, and JSON with it.
inline constexpr std::string_view MessageNonVerbe = "Ceci n'est pas un Verbe";

enum class FormatSortie { Lisible, Tsv, Json };

// `largeur` and `gras` are MiseEnPage's, for the readable output only.
std::unique_ptr<TEcrivain> CreeEcrivain(FormatSortie format, std::string& sortie,
                                        const OptionsConjugaison& options, int largeur, bool gras);

// The readable header: "parler — Groupe : 1". The TSV header line is frozen
// (other programs read it); the readable and JSON ones take new items.
std::string EnteteLisible(const TVerbe& verbe, const OptionsConjugaison& options);

}  // namespace florimot
