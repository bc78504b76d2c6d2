#include "ecrivains_internes.hpp"

namespace florimot {

std::unique_ptr<TEcrivain> CreeEcrivain(FormatSortie format, TTamponSortie& sortie,
                                        const TOptions& options, int largeur, bool gras,
                                        bool complet, bool pourquoi) {
    switch (format) {
        case FormatSortie::Tsv: return CreeEcrivainTsv(sortie, options, complet, std::nullopt);
        case FormatSortie::Json: return CreeEcrivainJson(sortie, options, std::nullopt);
        case FormatSortie::Lisible: break;
    }
    return CreeEcrivainLisible(sortie, options, largeur, gras, pourquoi);
}

std::unique_ptr<TEcrivain> CreeEcrivainSelection(FormatSortie format, TTamponSortie& sortie,
                                                 const TOptions& options, TSelection selection) {
    if (format == FormatSortie::Json)
        return CreeEcrivainJson(sortie, options, std::move(selection));
    return CreeEcrivainTsv(sortie, options, false, std::move(selection));
}

std::unique_ptr<TEcrivainAnalyse> CreeEcrivainAnalyse(FormatSortie format, TTamponSortie& sortie,
                                                      bool toutes) {
    switch (format) {
        case FormatSortie::Tsv: return CreeAnalyseTsv(sortie, toutes);
        case FormatSortie::Json: return CreeAnalyseJson(sortie);
        case FormatSortie::Lisible: break;
    }
    return CreeAnalyseLisible(sortie, toutes);
}

}  // namespace florimot
