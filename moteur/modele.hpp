// What every conjugation model shares: the 47-slot ending table, the slot
// arithmetic, the compound tenses and the choice of auxiliary.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "verbe.hpp"

namespace florimot {

// Slots 1..47 (0 unused): 1-6 présent, 7-12 imparfait, 13-18 passé simple,
// 19-24 futur, 25-30 subjonctif présent, 31-36 subjonctif imparfait,
// 37-42 conditionnel, 43-45 impératif, 46 participe passé, 47 participe présent.
using TTerminaisons = std::array<std::string_view, 48>;

inline constexpr std::string_view Absent = "-";
inline constexpr std::string_view NonUsite = "non usité";
inline constexpr std::string_view SeparateurAuxiliaire = " ";

inline constexpr std::uint8_t ModeIndicatif = 0;
inline constexpr std::uint8_t ModeSubjonctif = 24;
inline constexpr std::uint8_t ModeConditionnel = 36;
inline constexpr std::uint8_t ModeImperatif = 42;
inline constexpr std::uint8_t ModeParticipe = 47;

inline constexpr std::uint8_t SlotParticipePasse = 46;

// A table that differs from another in a few slots: the endings
// [premier, premier + fins.size()) of t replaced by fins.
constexpr TTerminaisons Avec(TTerminaisons t, int premier,
                             std::initializer_list<std::string_view> fins) {
    for (std::string_view fin : fins) t[premier++] = fin;
    return t;
}

constexpr bool EstMarqueur(std::string_view s) {
    return s == Absent || s == NonUsite;
}

constexpr int Slot(std::uint8_t CodeTemps, std::uint8_t DecalageMode, int Personne) {
    return DecalageMode + Personne + 6 * (CodeTemps % 10);
}

constexpr bool EstCompose(std::uint8_t CodeTemps) {
    return CodeTemps > 9;
}

// Auxiliary, blank and participle for a compound CodeTemps (10-13, 15), with
// the verb's own auxiliary and agreement. A marker as participle stands alone:
// a verb without a past participle has no compound tenses.
std::string FormeComposee(const TVerbe& verbe, std::uint8_t CodeTemps, std::uint8_t DecalageMode,
                          int Personne, std::string_view participe);

// stem + ending, or the marker alone when the table holds one in that slot.
std::string FormeSimple(std::string_view radical, std::string_view terminaison);

// The whole template for one request: simple forms are S + T[slot]; compound
// forms are built on P + T[46].
std::string AppliqueModele(const TVerbe& verbe, std::string_view S, std::string_view P,
                           const TTerminaisons& T, std::uint8_t CodeTemps,
                           std::uint8_t DecalageMode, int Personne);

// The third group's usual template: the participle is built on the same
// stem S = the infinitive less its last N letters.
std::string AppliqueTroisieme(const TVerbe& verbe, std::uint8_t N, const TTerminaisons& T,
                              std::uint8_t CodeTemps, std::uint8_t DecalageMode, int Personne);

// Gauche(Longueur - n) without a copy; the dispatch tests guarantee n fits.
inline std::string_view Radical(const TVerbe& verbe, std::uint8_t n) {
    return verbe.GaucheVue(static_cast<std::uint8_t>(verbe.Longueur() - n));
}

// The participle stem of groups 1 and 2: the infinitive less its last 2 letters.
inline std::string_view RadicalParticipe(const TVerbe& verbe) {
    return Radical(verbe, 2);
}

// One simple form of avoir or être, straight from its table.
std::string_view FormeAuxiliaire(bool etre, std::uint8_t CodeTemps, std::uint8_t DecalageMode,
                                 int Personne);

// The avoir/être forms, kind 0 avoir, 1 être (any other kind gives "").
std::string ConjugueAuxiliaire(const TVerbe& verbe, std::uint8_t kind, std::uint8_t CodeTemps,
                               std::uint8_t DecalageMode, int Personne);

}  // namespace florimot
