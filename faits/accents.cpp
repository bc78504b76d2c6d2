// A verb typed without its accents (etre, eclore, preferer) is found among
// the known ones by their letters with the accents taken off.
#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "faits.hpp"
#include "utf8.hpp"

namespace florimot {

namespace {

// The known verbs by their folded letters, built at the first call.
const std::vector<std::pair<std::string, std::string_view>>& VerbesPlies() {
    static const auto plies = [] {
        std::vector<std::pair<std::string, std::string_view>> v;
        for (const std::string_view verbe : VerbesConnus())
            v.emplace_back(utf8::SansAccents(verbe), verbe);
        std::sort(v.begin(), v.end());
        return v;
    }();
    return plies;
}

}  // namespace

std::vector<std::string> VerbesAccentues(const TVerbe& verbe) {
    std::vector<std::string> verbes;
    // A verb the table knows, or one whose infinitive is rectified
    // (connaitre), is written as it should be.
    const std::string_view mot = verbe.MotVue();
    if (verbe.TropLong() || mot.empty() || FaitsDuVerbe(verbe).Connu || InfinitifRectifie(verbe))
        return verbes;
    const std::string plie = utf8::SansAccents(mot);
    const auto& plies = VerbesPlies();
    for (auto i = std::lower_bound(plies.begin(), plies.end(), std::pair(plie, std::string_view()));
         i != plies.end() && i->first == plie; ++i) {
        if (i->second == mot) continue;
        // With the pronoun as typed, elided as the verb found wants it.
        TVerbe trouve;
        trouve.DefinitVerbe(!verbe.EstPronominal() ? std::string(i->second)
                            : verbe.AvecEn()       ? "s'en " + std::string(i->second)
                            : verbe.AvecY()        ? "s'y " + std::string(i->second)
                                                   : "se " + std::string(i->second));
        verbes.push_back(trouve.DonneGroupe() != 0 ? trouve.Intitule() : std::string(i->second));
    }
    return verbes;
}

}  // namespace florimot
