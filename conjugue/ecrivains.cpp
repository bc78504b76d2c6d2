#include "ecrivains_internes.hpp"

namespace florimot {

std::unique_ptr<TEcrivain> CreeEcrivain(TFormatSortie format, TTamponSortie& sortie,
                                        const TOptions& options, int largeur, bool gras,
                                        bool complet, int formatJson, const TTraitsDemandes& traits,
                                        bool pourquoi) {
    switch (format) {
        case TFormatSortie::Tsv:
            if (!traits.Aucun())
                return CreeEcrivainTsvTraits(sortie, options, complet, std::nullopt, traits);
            return CreeEcrivainTsv(sortie, options, complet, std::nullopt);
        case TFormatSortie::Json:
            if (formatJson >= 2) return CreeEcrivainJson2(sortie, options, std::nullopt, traits);
            return CreeEcrivainJson(sortie, options, std::nullopt);
        case TFormatSortie::Lisible: break;
    }
    return CreeEcrivainLisible(sortie, options, largeur, gras, pourquoi);
}

std::unique_ptr<TEcrivain> CreeEcrivainSelection(TFormatSortie format, TTamponSortie& sortie,
                                                 const TOptions& options, TSelection selection,
                                                 int formatJson, const TTraitsDemandes& traits) {
    if (format == TFormatSortie::Json) {
        if (formatJson >= 2)
            return CreeEcrivainJson2(sortie, options, std::move(selection), traits);
        return CreeEcrivainJson(sortie, options, std::move(selection));
    }
    if (!traits.Aucun())
        return CreeEcrivainTsvTraits(sortie, options, false, std::move(selection), traits);
    return CreeEcrivainTsv(sortie, options, false, std::move(selection));
}

std::unique_ptr<TEcrivainAnalyse> CreeEcrivainAnalyse(TFormatSortie format, TTamponSortie& sortie,
                                                      bool toutes, int formatJson,
                                                      const TTraitsDemandes& traits) {
    switch (format) {
        case TFormatSortie::Tsv: return CreeAnalyseTsv(sortie, toutes, traits);
        case TFormatSortie::Json:
            if (formatJson >= 2) return CreeAnalyseJson2(sortie, traits);
            return CreeAnalyseJson(sortie);
        case TFormatSortie::Lisible: break;
    }
    return CreeAnalyseLisible(sortie, toutes);
}

}  // namespace florimot
