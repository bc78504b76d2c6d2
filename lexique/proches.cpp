#include "proches.hpp"

#include <algorithm>
#include <utility>

#include "utf8.hpp"

namespace florimot {

namespace {

// The letters without their accents: a wrong or missing accent does not
// count as a slip (acquerir is acquérir).
constexpr std::pair<std::u32string_view, char32_t> Plis[] = {
    {U"àâä", U'a'}, {U"éèêë", U'e'}, {U"îï", U'i'}, {U"ôö", U'o'}, {U"ùûü", U'u'}, {U"ç", U'c'}};

std::u32string Lettres(std::string_view mot) {
    std::u32string lettres;
    while (!mot.empty()) {
        const utf8::TDecodage d = utf8::Decode(mot);
        mot.remove_prefix(d.Taille);
        char32_t c = d.Point;
        for (const auto& [accentuees, lettre] : Plis)
            if (accentuees.find(c) != std::u32string_view::npos) c = lettre;
        lettres += c;
    }
    return lettres;
}

// The pronoun in front of a pronominal text ("se ", "s'", "s'en "), kept
// apart so that only the verb is looked up.
std::string_view Pronom(std::string_view texte) {
    for (const std::string_view p : {"s'en ", "se ", "s' ", "s'"})
        if (texte.substr(0, p.size()) == p) return texte.substr(0, p.size());
    return {};
}

bool CommenceParVoyelle(std::string_view mot) {
    const std::u32string l = Lettres(mot);
    return !l.empty() && std::u32string_view(U"aeiouyh").find(l[0]) != std::u32string_view::npos;
}

}  // namespace

std::size_t DistanceEdition(std::string_view a, std::string_view b) {
    // Restricted Damerau-Levenshtein: two letters swapped count once.
    const std::u32string x = Lettres(a), y = Lettres(b);
    std::vector<std::vector<std::size_t>> d(x.size() + 1, std::vector<std::size_t>(y.size() + 1));
    for (std::size_t i = 0; i <= x.size(); ++i) d[i][0] = i;
    for (std::size_t j = 0; j <= y.size(); ++j) d[0][j] = j;
    for (std::size_t i = 1; i <= x.size(); ++i)
        for (std::size_t j = 1; j <= y.size(); ++j) {
            const std::size_t cout = x[i - 1] == y[j - 1] ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cout});
            if (i > 1 && j > 1 && x[i - 1] == y[j - 2] && x[i - 2] == y[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    return d[x.size()][y.size()];
}

std::vector<std::string> VerbesProches(TLexique& lexique, std::string_view infinitif,
                                       std::size_t maximum) {
    std::vector<std::string> proches;
    if (!lexique.Disponible() || lexique.Faits(infinitif).Connu) return proches;
    const std::string_view pronom = Pronom(infinitif);
    const std::string_view verbe = infinitif.substr(pronom.size());
    // Two slips at most, one in a short word: beyond that the dictionary's
    // guesses are other words altogether (googler is not gondoler).
    const std::size_t limite = Lettres(verbe).size() <= 5 ? 1 : 2;
    for (const std::string& s : lexique.Suggestions(verbe, 8)) {
        // Forms of other verbs are no answer to "which verb did you mean".
        if (!lexique.Faits(s).Connu || DistanceEdition(verbe, s) > limite) continue;
        std::string mot;
        if (!pronom.empty())
            mot = pronom.size() > 3 ? std::string(pronom) : CommenceParVoyelle(s) ? "s'" : "se ";
        mot += s;
        if (std::find(proches.begin(), proches.end(), mot) == proches.end()) proches.push_back(mot);
        if (proches.size() == maximum) break;
    }
    return proches;
}

std::string PhraseVerbesProches(const std::vector<std::string>& verbes) {
    if (verbes.empty()) return {};
    std::string phrase = "Vouliez-vous dire ";
    for (std::size_t i = 0; i < verbes.size(); ++i) {
        if (i > 0) phrase += i + 1 == verbes.size() ? " ou " : ", ";
        phrase += "« " + verbes[i] + " »";
    }
    return phrase + " ?";
}

}  // namespace florimot
