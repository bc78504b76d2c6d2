// What every line of one verb under one set of options shares, and the
// facts about persons and voice it is made of.
#pragma once

#include <cstdint>
#include <string_view>

#include "conjugaison.hpp"
#include "formes_nues.hpp"

namespace florimot {

// The persons a verb's facts leave it, one bit per person of the personal
// moods (bit 1 je … bit 6 ils); the impératif's tu, nous, vous are bits 2, 4, 5.
constexpr std::uint8_t ToutesPersonnes = 0b1111110;

std::uint8_t PersonnesPermises(const TFaits& faits);

inline bool PersonnePermise(std::uint8_t permises, std::uint8_t DecalageMode, int Personne) {
    if (DecalageMode == ModeParticipe) return true;
    if (DecalageMode == ModeImperatif) Personne = Personne == 1 ? 2 : Personne + 2;
    return (permises >> Personne & 1) != 0;
}

// The subject of the third person singular is the impersonal il: the verb
// has no je while it has il (advenir, échoir), or its facts say so.
bool IlImpersonnel(const TFormes& f, const TFaits& faits);

// Only a verb with a direct object turns passive: not a pronominal verb, not
// one conjugated with être, not an impersonal one, not a verb without
// participle, not the auxiliaries, not a phrase (its complement is the
// verb's object).
bool SansPassif(const TFormes& f, const TFaits& faits);

// What every line of one verb under one set of options shares.
struct TContexte {
    TContexte(const TFormes& f, const TOptions& o, const TFaits& faits)
        : formes(f),
          verbe(f.Verbe()),
          options(o),
          pronominal(verbe.EstPronominal()),
          personnes(PersonnesPermises(faits)),
          participeInvariable(faits.ParticipeInvariable),
          ilImpersonnel(faits.Impersonnel) {
        complement = verbe.Complement();
        // The spelling, the series and the auxiliary are the bare forms'
        // business.
        TOptions ligne = o;
        ligne.Rectifiee = ligne.Variante = ligne.AutreAuxiliaire = false;
        simple =
            ligne.Aucune() && !pronominal && personnes == ToutesPersonnes && complement.empty();
        if (simple) return;  // the plain line needs none of the rest
        Complete(faits);
    }

    // What every line but the plain one needs; a plain context made general
    // writes its lines the long way.
    void Complete(const TFaits& faits);

    const TFormes& formes;
    const TVerbe& verbe;
    TOptions options;
    bool pronominal;
    std::uint8_t personnes;
    bool participeInvariable;     // pu, suffi: never agrees
    bool ilImpersonnel;           // impersonal by its facts (il s'agit): never feminine
    std::string_view complement;  // of a phrase: after everything else
    bool impersonnel = false;
    bool passif = false;
    bool sansPassif = false;
    bool accordPronominal = true;
    bool inversionJe = false;
    bool simple;  // no option, no pronoun, every person: the plain line
};

}  // namespace florimot
