// The shapes of conjugue's output, one writer each, all fed the same way.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "conjugaison.hpp"
#include "diagnostic.hpp"
#include "lexique.hpp"
#include "tampon.hpp"
#include "traits.hpp"
#include "verbe.hpp"

namespace florimot {

// --traits: the feature schemes the machine-read outputs add to each line,
// always in this order.
struct TTraitsDemandes {
    bool Unimorph = false;
    bool Ud = false;

    bool Aucun() const { return !Unimorph && !Ud; }
    std::vector<TSchemaTraits> Schemas() const {
        std::vector<TSchemaTraits> s;
        if (Unimorph) s.push_back(TSchemaTraits::UniMorph);
        if (Ud) s.push_back(TSchemaTraits::Ud);
        return s;
    }
};

// JSON's "format": 2 unless --format 1 asks for the keys of before.
inline constexpr int FormatJsonActuel = 2;

// A writer conjugates each verb itself, in the way that suits its shape,
// and appends it to `sortie` (standard output's buffer); the caller writes it
// out and reports a non-verb on standard error itself.
class TEcrivain {
public:
    TEcrivain(TTamponSortie& sortie, const TOptions& options)
        : Sortie_(sortie), Options_(options) {}
    virtual ~TEcrivain() = default;

    // The facts the next verb's lines are to be built with.
    void DefinitFaits(const TFaits& faits) { Faits_ = faits; }
    virtual void Ecrit(const TVerbe& verbe) = 0;
    virtual void NonVerbe(const TVerbe& verbe) = 0;
    // After the last text.
    virtual void Fin() {}

    // For the next verb: the dictionary lacks it, and these are the verbs
    // close to it (JSON says so); std::nullopt when it knows the verb or was
    // not asked.
    void DefinitInconnu(std::optional<std::vector<std::string>> proches) {
        Inconnu_ = std::move(proches);
    }
    // For the next text: whether a verb the dictionary or the facts know
    // (JSON's second format says it in every mode), and whether suggestions
    // were sought for it (else its "suggestions" are null).
    void DefinitConnu(bool connu, bool recherche) {
        Connu_ = connu;
        Recherche_ = recherche;
    }
    const std::vector<std::string>* Inconnu() const { return Inconnu_ ? &*Inconnu_ : nullptr; }

protected:
    TTamponSortie& Sortie_;
    const TOptions& Options_;
    std::optional<std::vector<std::string>> Inconnu_;
    TFaits Faits_;
    bool Connu_ = false;
    bool Recherche_ = false;
};

// What standard error says after a word that is not a verb, and JSON with it.
inline constexpr std::string_view MessageNonVerbe = "Ceci n'est pas un Verbe";
// The same for a word longer than the engine reads (TText::Capacite).
inline constexpr std::string_view MessageTropLong = "trop long : 24 lettres au plus";
static_assert(TText::Capacite == 24, "MessageTropLong gives the limit");

enum class TFormatSortie { Lisible, Tsv, Json };

// `largeur` and `gras` are MiseEnPage's, for the readable output only;
// `complet` gives the TSV the cells after the 98 lines; `pourquoi` the
// readable output, after each grid, why its participles agree or not.
std::unique_ptr<TEcrivain> CreeEcrivain(TFormatSortie format, TTamponSortie& sortie,
                                        const TOptions& options, int largeur, bool gras,
                                        bool complet = false, int formatJson = 1,
                                        const TTraitsDemandes& traits = {}, bool pourquoi = false);

// Some lines of each grid rather than all of them (--temps, --personne).
struct TSelection {
    std::vector<std::size_t> Lignes;  // indices in Grille's lines, in the grid's order
    int Personne = 0;                 // the one person kept; 0 when every person is
};

// The TSV or JSON writer (`format` is not Lisible) cut down to `selection`:
// the TSV's group line, then its kept lines unchanged; the JSON object with
// its cells after its facts, only the kept lines of each cell and only the
// cells with one, and "personne" before them when one person is kept.
std::unique_ptr<TEcrivain> CreeEcrivainSelection(TFormatSortie format, TTamponSortie& sortie,
                                                 const TOptions& options, TSelection selection,
                                                 int formatJson = 1,
                                                 const TTraitsDemandes& traits = {});

// --analyse: the readings of each text, appended to `sortie`.
class TEcrivainAnalyse {
public:
    explicit TEcrivainAnalyse(TTamponSortie& sortie) : Sortie_(sortie) {}
    virtual ~TEcrivainAnalyse() = default;

    // `forme` as normalised; `analyse` may be empty (a readable output then
    // writes nothing: the caller says so on standard error).
    virtual void Ecrit(std::string_view forme, const std::vector<TAnalyse>& analyse) = 0;
    // For the next text: what it was probably meant to be (none for a text
    // read, or nothing near). Readable, a sentence each; JSON, "diagnostic".
    void DefinitDiagnostic(std::vector<TDiagnostic> diagnostics) {
        Diagnostics_ = std::move(diagnostics);
    }
    // Whether it writes them at all: a diagnosis costs hundreds of look-ups,
    // which a batch read as TSV must not pay for nothing.
    virtual bool DitDiagnostic() const { return false; }

    // For the next text: the verbs it may be a misspelling of, std::nullopt
    // when none were sought (JSON's second format says so).
    void DefinitSuggestions(std::optional<std::vector<std::string>> suggestions) {
        Suggestions_ = std::move(suggestions);
    }

protected:
    TTamponSortie& Sortie_;
    std::optional<std::vector<std::string>> Suggestions_;
    std::vector<TDiagnostic> Diagnostics_;
};

// TSV: one line per reading, <text>\t<infinitive>\t<cell>\t<person>. JSON:
// one object per text, its verbs and their readings with the options the
// line shows. Readable: DecritAnalyse's sentence. `toutes`: a text with no
// reading has its line too, so that the output pairs with the input: in
// TSV the text and three empty fields, readable "aucune forme verbale
// connue" (JSON has an object for every text already).
std::unique_ptr<TEcrivainAnalyse> CreeEcrivainAnalyse(TFormatSortie format, TTamponSortie& sortie,
                                                      bool toutes = false, int formatJson = 1,
                                                      const TTraitsDemandes& traits = {});

}  // namespace florimot
