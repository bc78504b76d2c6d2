// A dictionary in dictd's format: a sorted index of headwords and the
// articles, gzip-compressed (dictzip is gzip with an extra field, so zlib
// reads it whole).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace florimot {

class TDictd {
public:
    // `base` without its extension: "/usr/share/dictd/freedict-fra-eng" for
    // .index and .dict.dz (or an uncompressed .dict). Nothing when either
    // file is missing, unreadable or damaged.
    static std::optional<TDictd> Ouvre(const std::string& base);

    // Every article filed under `mot` (lower case as in the index), in order.
    std::vector<std::string_view> Articles(std::string_view mot) const;

    // Each headword with its articles' text, for a search that goes from
    // the meaning back to the word.
    template <class F>
    void PourChaqueArticle(F&& f) const {
        for (const auto& [mot, place] : Index_)
            f(std::string_view(mot), std::string_view(Texte_).substr(place.first, place.second));
    }

    // The description the dictionary gives of itself ("00databaseshort").
    std::string Titre() const;

private:
    std::string Texte_;
    std::unordered_multimap<std::string, std::pair<std::size_t, std::size_t>> Index_;
};

// The folder the FreeDict dictionaries are read from: FLORIMOT_DICTD when set
// (empty: none, so that a run can be made without them), else
// /usr/share/dictd.
std::string DossierDictd();

// The French–English and English–French dictionaries, opened once on first
// use from DossierDictd(); null when not installed.
const TDictd* DictionnaireFrancaisAnglais();
const TDictd* DictionnaireAnglaisFrancais();

}  // namespace florimot
