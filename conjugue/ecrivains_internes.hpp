// Each writer's maker, one file a writer; CreeEcrivain and its siblings choose among them.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <utility>

#include "ecrivains.hpp"

namespace florimot {

// The facts' JSON keys, in their order, with their values: both formats
// write the same object.
inline std::array<std::pair<std::string_view, bool>, 8> FaitsJson(const TFaits& faits) {
    return {{
        {"connu", faits.Connu},
        {"passif", faits.Passif},
        {"impersonnel", faits.Impersonnel},
        {"troisiemes_personnes", faits.TroisiemesPersonnes},
        {"pronominal", faits.Pronominal},
        {"reciproque", faits.Reciproque},
        {"reflechi_indirect", faits.ReflechiIndirect},
        {"peut_etre_pronominal", faits.PeutEtrePronominal},
    }};
}

// JSON's first format is frozen as it was: its options are the first six
// rows of the table, those it had, whatever rows come after.
inline constexpr std::size_t OptionsFormat1 = 6;
inline constexpr std::span<const TDescriptionOption> DescriptionsOptionsFormat1 =
    std::span(DescriptionsOptions).first<OptionsFormat1>();

std::unique_ptr<TEcrivain> CreeEcrivainTsv(TTamponSortie& sortie, const TOptions& options,
                                           bool complet, std::optional<TSelection> selection);
std::unique_ptr<TEcrivain> CreeEcrivainLisible(TTamponSortie& sortie, const TOptions& options,
                                               int largeur, bool gras, bool pourquoi);
std::unique_ptr<TEcrivain> CreeEcrivainJson(TTamponSortie& sortie, const TOptions& options,
                                            std::optional<TSelection> selection);
std::unique_ptr<TEcrivain> CreeEcrivainJson2(TTamponSortie& sortie, const TOptions& options,
                                             std::optional<TSelection> selection,
                                             const TTraitsDemandes& traits);
std::unique_ptr<TEcrivain> CreeEcrivainTsvTraits(TTamponSortie& sortie, const TOptions& options,
                                                 bool complet, std::optional<TSelection> selection,
                                                 const TTraitsDemandes& traits);
std::unique_ptr<TEcrivainAnalyse> CreeAnalyseTsv(TTamponSortie& sortie, bool toutes,
                                                 const TTraitsDemandes& traits);
std::unique_ptr<TEcrivainAnalyse> CreeAnalyseJson(TTamponSortie& sortie);
std::unique_ptr<TEcrivainAnalyse> CreeAnalyseJson2(TTamponSortie& sortie,
                                                   const TTraitsDemandes& traits);
std::unique_ptr<TEcrivainAnalyse> CreeAnalyseLisible(TTamponSortie& sortie, bool toutes);

}  // namespace florimot
