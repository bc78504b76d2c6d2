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
bool EstIlImpersonnel(const TFormes& f, const TFaits& faits);

// Only a verb with a direct object turns passive: not a pronominal verb, not
// one conjugated with être, not an impersonal one, not a verb without
// participle, not the auxiliaries, not a phrase (its complement is the
// verb's object).
bool EstSansPassif(const TFormes& f, const TFaits& faits);

// What every line of one verb under one set of options shares.
struct TContexte {
    TContexte(const TFormes& f, const TOptions& o, const TFaits& faits)
        : Formes(f),
          Verbe(f.Verbe()),
          Options(o),
          Pronominal(Verbe.EstPronominal()),
          Personnes(PersonnesPermises(faits)),
          ParticipeInvariable(faits.ParticipeInvariable),
          IlImpersonnel(faits.Impersonnel) {
        Complement = Verbe.Complement();
        // The spelling, the series and the auxiliary are the bare forms'
        // business.
        TOptions ligne = o;
        ligne.Rectifiee = ligne.Variante = ligne.AutreAuxiliaire = false;
        Simple =
            ligne.Aucune() && !Pronominal && Personnes == ToutesPersonnes && Complement.empty();
        if (Simple) return;  // the plain line needs none of the rest
        Complete(faits);
    }

    // What every line but the plain one needs; a plain context made general
    // writes its lines the long way.
    void Complete(const TFaits& faits);

    const TFormes& Formes;
    const TVerbe& Verbe;
    TOptions Options;
    bool Pronominal;
    std::uint8_t Personnes;
    bool ParticipeInvariable;     // pu, suffi: never agrees
    bool IlImpersonnel;           // impersonal by its facts (il s'agit): never feminine
    std::string_view Complement;  // of a phrase: after everything else
    bool Impersonnel = false;
    bool Passif = false;
    bool SansPassif = false;
    bool AccordPronominal = true;
    bool InversionJe = false;
    bool Simple;  // no option, no pronoun, every person: the plain line
};

}  // namespace florimot
