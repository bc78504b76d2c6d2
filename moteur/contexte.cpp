#include "contexte.hpp"

#include <span>

#include "plan.hpp"

namespace florimot {

namespace {

// The verbs whose first person of the présent asks by inversion (puis-je,
// sais-je); every other asks with "est-ce que je".
constexpr std::string_view VerbesInversionJe[] = {
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

bool EstIlImpersonnel(const TFormes& f, const TFaits& faits) {
    return faits.Impersonnel || faits.TroisiemesPersonnes ||
           (EstMarqueur(f.Simple(Slot(0, ModeIndicatif, 1))) &&
            !EstMarqueur(f.Simple(Slot(0, ModeIndicatif, 3))));
}

bool EstSansPassif(const TFormes& f, const TFaits& faits) {
    const TVerbe& verbe = f.Verbe();
    return !faits.Passif || verbe.EstPronominal() || f.AvecEtre() || EstIlImpersonnel(f, faits) ||
           EstMarqueur(f.Participe()) || verbe.Est("être") || verbe.Est("avoir") ||
           !verbe.Complement().empty();
}

void TContexte::Complete(const TFaits& faits) {
    const TFormes& f = Formes;
    const TOptions& o = Options;
    Simple = false;
    Impersonnel = EstIlImpersonnel(f, faits);
    Passif = o.Passif;
    SansPassif = Passif && EstSansPassif(f, faits);
    AccordPronominal = !faits.ReflechiIndirect && !Verbe.ReflechiIndirect();
    InversionJe = Dans(Verbe, VerbesInversionJe);
}

}  // namespace florimot
