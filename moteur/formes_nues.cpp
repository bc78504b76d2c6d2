#include "formes_nues.hpp"

#include "copie.hpp"
#include "modeles.hpp"
#include "registre.hpp"

namespace florimot {

namespace {

// Which model knows the verb: the choice depends on the word alone.
Modele ChoisitModele(const TVerbe& verbe) {
    if (const Modele modele = ChoisitDansRegistre<0>(verbe)) return modele;
    switch (verbe.DonneGroupe()) {
        case 1: return ChoisitModelePremierGroupe(verbe);
        case 2: {
            const Modele modele = ChoisitDansRegistre<2>(verbe);
            return modele != nullptr ? modele : ConjugueDeuxiemeGroupe;
        }
        case 3: return ChoisitModeleTroisiemeGroupe(verbe);
        default: return nullptr;
    }
}

}  // namespace

std::string_view TypeDuModele(const TVerbe& verbe, TGraphie graphie) {
    Modele modele = ChoisitModele(verbe);
    if (modele != nullptr && (graphie.Rectifiee || graphie.Variante))
        modele = ModeleSelonGraphie(verbe, modele, graphie.Rectifiee || InfinitifRectifie(verbe),
                                    graphie.Variante);
    for (const TModeleInscrit& m : Registre)
        if (m.Plan == modele) return m.Type;
    return {};
}

namespace {

// î and û are two bytes each in UTF-8, the same first byte and then these.
constexpr char Prefixe = '\xC3', ICirconflexe = '\xAE', UCirconflexe = '\xBB';

// `s` without the circumflex on i and u, written at `p`; returns its end.
char* SansCirconflexe(char* p, std::string_view s) {
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == Prefixe && i + 1 < s.size() &&
            (s[i + 1] == ICirconflexe || s[i + 1] == UCirconflexe)) {
            *p++ = s[i + 1] == ICirconflexe ? 'i' : 'u';
            ++i;
        } else {
            *p++ = s[i];
        }
    }
    return p;
}

}  // namespace

TFormes::TFormes(const TVerbe& verbe, TGraphie graphie) : Verbe_(&verbe), Etre_(verbe.AvecEtre()) {
    Modele modele = ChoisitModele(verbe);
    const bool rectifiee = graphie.Rectifiee || InfinitifRectifie(verbe);
    if (modele != nullptr && (graphie.Rectifiee || graphie.Variante))
        modele = ModeleSelonGraphie(verbe, modele, rectifiee, graphie.Variante);
    if (rectifiee)
        Remplit<true>(modele);
    else
        Remplit<false>(modele);
}

TFormes::TFormes(const TVerbe& verbe, Modele modele) : Verbe_(&verbe), Etre_(verbe.AvecEtre()) {
    Remplit<false>(modele);
}

TFormes FormesDuModele(const TVerbe& verbe, Modele modele) {
    return TFormes(verbe, modele);
}

template <bool Rectifiee>
void TFormes::Remplit(Modele modele) {
    const TVerbe& verbe = *Verbe_;
    std::size_t n = 0;
    const bool radicalRectifie = Rectifiee && !RadicalGardeCirconflexe(verbe);
    int slot = 0;
    const auto copie = [&](std::string_view s) {
        CopieCourte(Octets_.data() + n, s.data(), s.size());
        n += s.size();
    };
    // Under the rectified spelling, a stem or an ending is written without
    // its circumflex unless that slot keeps it.
    const auto copieRadical = [&](std::string_view s) {
        if (Rectifiee && radicalRectifie)
            n = static_cast<std::size_t>(SansCirconflexe(Octets_.data() + n, s) - Octets_.data());
        else
            copie(s);
    };
    const auto copieFin = [&](std::string_view s) {
        if (Rectifiee && !GardeCirconflexe(verbe, slot))
            n = static_cast<std::size_t>(SansCirconflexe(Octets_.data() + n, s) - Octets_.data());
        else
            copie(s);
    };
    Debut_[0] = Debut_[1] = 0;
    if (modele == nullptr) {
        Debut_.fill(0);
        return;
    }
    TPlan plan = modele(verbe);
    AppliqueDefectifs(verbe, plan);
    Composes_ = plan.composes;
    const TTerminaisons& T = *plan.T;
    const std::string_view S2 = plan.Radical2();
    for (slot = 1; slot <= NombreSlots; ++slot) {
        const std::string_view fin = (plan.Manquants >> slot & 1) ? Absent : T[slot];
        if (EstMarqueur(fin))
            Marqueurs_ |= std::uint64_t{1} << slot;
        else if (slot == SlotParticipePasse)
            copieRadical(plan.P);
        else
            copieRadical((plan.Variantes >> slot & 1) ? S2 : plan.S);
        copieFin(fin);
        Debut_[slot + 1] = static_cast<std::uint16_t>(n);
    }
    constexpr std::uint64_t Imperatif = std::uint64_t{0b111} << Slot(0, ModeImperatif, 1);
    ComposesComplets_ =
        Composes_ == Composes::Tous && !Manque(SlotParticipePasse) && (Marqueurs_ & Imperatif) == 0;
    ParticipePluriel_ = Participe().ends_with('s') || Participe().ends_with('x');
}

std::string_view TFormes::Manquant(std::uint8_t CodeTemps, std::uint8_t DecalageMode,
                                   int Personne) const {
    if (Manque(SlotParticipePasse)) return Participe();
    if (Composes_ == Composes::Aucun) return Absent;
    // A verb without this person of the impératif has no impératif passé
    // for it either.
    if (DecalageMode == ModeImperatif) {
        const int present = Slot(0, ModeImperatif, Personne);
        if (Manque(present)) return Simple(present);
    }
    if (Composes_ == Composes::SelonSimples) {
        const int slot = CodeTemps == 15 ? Slot(1, ModeSubjonctif, Personne)
                                         : Slot(CodeTemps, DecalageMode, Personne);
        if (Manque(slot)) return Absent;
    }
    return {};
}

TFormeNue TFormes::Nue(std::uint8_t CodeTemps, std::uint8_t DecalageMode, int Personne) const {
    if (!EstVerbe()) return {};
    if (!EstCompose(CodeTemps)) {
        const int slot = Slot(CodeTemps, DecalageMode, Personne);
        if (Manque(slot)) return {Simple(slot), {}, {}, {}};
        return {{}, Simple(slot), {}, {}};
    }
    const std::string_view manque = ManqueCompose(CodeTemps, DecalageMode, Personne);
    if (!manque.empty()) return {manque, {}, {}, {}};
    return {{},
            AuxiliaireCompose(Etre_, CodeTemps, DecalageMode, Personne),
            Participe(),
            Accord(DecalageMode, Personne)};
}

}  // namespace florimot
