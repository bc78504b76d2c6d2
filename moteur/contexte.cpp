#include "contexte.hpp"

#include <span>

#include "plan.hpp"

namespace florimot {

namespace {

// The verbs whose first person of the présent asks by inversion (puis-je,
// sais-je); every other asks with "est-ce que je".
constexpr std::string_view InversionJe[] = {
    "avoir", "être", "dire", "devoir", "pouvoir", "savoir", "faire", "aller", "vouloir", "voir",
};

bool Dans(const TVerbe& verbe, std::span<const std::string_view> liste) {
    for (std::string_view v : liste)
        if (verbe.Est(v)) return true;
    return false;
}

}  // namespace

std::uint8_t PersonnesPermises(const TFaits& faits) {
    std::uint8_t permises = ToutesPersonnes;
    if (faits.Impersonnel) permises &= 1 << 3;
    if (faits.TroisiemesPersonnes) permises &= 1 << 3 | 1 << 6;
    if (faits.Reciproque) permises &= 1 << 4 | 1 << 5 | 1 << 6;
    return permises;
}

bool IlImpersonnel(const TFormes& f, const TFaits& faits) {
    return faits.Impersonnel || faits.TroisiemesPersonnes ||
           (EstMarqueur(f.Simple(Slot(0, ModeIndicatif, 1))) &&
            !EstMarqueur(f.Simple(Slot(0, ModeIndicatif, 3))));
}

bool SansPassif(const TFormes& f, const TFaits& faits) {
    const TVerbe& verbe = f.Verbe();
    return !faits.Passif || verbe.EstPronominal() || f.AvecEtre() || IlImpersonnel(f, faits) ||
           EstMarqueur(f.Participe()) || verbe.Est("être") || verbe.Est("avoir") ||
           !verbe.Complement().empty();
}

void TContexte::Complete(const TFaits& faits) {
    const TFormes& f = formes;
    const TOptions& o = options;
    simple = false;
    impersonnel = IlImpersonnel(f, faits);
    passif = o.Passif;
    sansPassif = passif && SansPassif(f, faits);
    accordPronominal = !faits.ReflechiIndirect && !verbe.ReflechiIndirect();
    inversionJe = Dans(verbe, InversionJe);
}

}  // namespace florimot
