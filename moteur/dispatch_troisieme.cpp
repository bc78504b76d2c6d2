#include <string_view>

#include "modeles.hpp"
#include "plan.hpp"
#include "registre.hpp"

namespace florimot {

namespace {

// A word in -re or -oir that no ending of the registry chooses has no form at all.
constexpr TTerminaisons TermInconnu = [] {
    TTerminaisons t;
    t.fill(Absent);
    return t;
}();

TPlan Inconnu(const TVerbe&) {
    return Plan({}, {}, TermInconnu);
}

}  // namespace

bool ModeleTroisiemeGroupe(const TVerbe& verbe) {
    return ChoisitDansRegistre<0>(verbe) != nullptr || ChoisitDansRegistre<3>(verbe) != nullptr;
}

Modele ChoisitModeleTroisiemeGroupe(const TVerbe& verbe) {
    if (const Modele modele = ChoisitDansRegistre<3>(verbe)) return modele;
    return Inconnu;
}

}  // namespace florimot
