// The order in which the analysis names verbs, in one place: the known
// verbs' order is fixed when the index is generated, the guesses' when a
// form no table knows is read.
#include <algorithm>

#include "interne.hpp"
#include "utf8.hpp"

namespace florimot::lexique {

namespace {

int RangAuxiliaire(std::string_view infinitif) {
    return infinitif == "être" || infinitif == "avoir" ? 0 : 1;
}

}  // namespace

// The first group, which takes every new verb, before the second, the second
// before the third; then the shorter infinitive, which reads more of the
// form as an ending (twittâmes is rather twitter's than twittâmer's,
// cocoleraient cocoler's than cocolerer's).
TRangDevine RangDevine(const TVerbe& verbe) {
    return {verbe.DonneGroupe(), verbe.Longueur()};
}

TRangDevine RangDevine(std::string_view infinitif) {
    return {GroupeDuMot(infinitif), utf8::Caracteres(infinitif)};
}

TRangDevine RangDevine(const TPossible& infinitif) {
    return {GroupeDuMot(infinitif.Mot), infinitif.Lettres};
}

bool AvantConnu(std::string_view a, std::string_view b) {
    if (RangAuxiliaire(a) != RangAuxiliaire(b)) return RangAuxiliaire(a) < RangAuxiliaire(b);
    // é sorts with e, not after z.
    const std::string pa = utf8::SansAccents(a), pb = utf8::SansAccents(b);
    return pa != pb ? pa < pb : a < b;
}

void GardeLesPlusProbables(std::vector<TAnalyse>& devinees) {
    if (devinees.empty()) return;
    std::vector<TRangDevine> rangs;
    for (const TAnalyse& a : devinees) rangs.push_back(RangDevine(a.Infinitif));
    const auto meilleur = *std::min_element(rangs.begin(), rangs.end());
    std::vector<TAnalyse> gardees;
    for (std::size_t i = 0; i < devinees.size(); ++i)
        if (rangs[i] == meilleur) gardees.push_back(std::move(devinees[i]));
    std::sort(gardees.begin(), gardees.end(), [](const TAnalyse& a, const TAnalyse& b) {
        return AvantConnu(a.Infinitif, b.Infinitif);
    });
    devinees = std::move(gardees);
}

}  // namespace florimot::lexique
