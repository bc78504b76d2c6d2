// The order in which the analysis names verbs, in one place: the known
// verbs' order is fixed when the index is generated, the guesses' when a
// form no table knows is read.
#include <algorithm>

#include "interne.hpp"
#include "utf8.hpp"

namespace florimot::lexique {

namespace {

// Letters folded to their base for sorting: é sorts with e, not after z.
std::string Plie(std::string_view s) {
    std::string r;
    while (!s.empty()) {
        const utf8::TDecodage d = utf8::Decode(s);
        const std::u32string_view a = U"àâäéèêëîïôöùûüç", b = U"aaaeeeeiioouuuc";
        if (const auto k = a.find(d.Point); k != std::u32string_view::npos)
            utf8::Encode(b[k], r);
        else if (d.Point == U'œ')
            r += "oe";
        else
            r.append(s.substr(0, d.Taille));
        s.remove_prefix(d.Taille);
    }
    return r;
}

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

bool AvantConnu(std::string_view a, std::string_view b) {
    if (RangAuxiliaire(a) != RangAuxiliaire(b)) return RangAuxiliaire(a) < RangAuxiliaire(b);
    const std::string pa = Plie(a), pb = Plie(b);
    return pa != pb ? pa < pb : a < b;
}

void GardeLesPlusProbables(std::vector<TAnalyse>& devinees) {
    if (devinees.empty()) return;
    std::vector<TRangDevine> rangs;
    for (const TAnalyse& a : devinees) {
        TVerbe v;
        v.DefinitVerbe(a.Infinitif);
        rangs.push_back(RangDevine(v));
    }
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
