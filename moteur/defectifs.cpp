#include <cstdint>
#include <string_view>

#include "modeles.hpp"

namespace florimot {

namespace {

// Sets of slots, to say in a few words which forms a defective verb keeps.

constexpr std::uint64_t Bit(int slot) {
    return std::uint64_t{1} << slot;
}

constexpr std::uint64_t Slots(int premier, int dernier) {
    std::uint64_t m = 0;
    for (int slot = premier; slot <= dernier; ++slot) m |= Bit(slot);
    return m;
}

// The six persons of one simple tense.
constexpr std::uint64_t Temps(std::uint8_t CodeTemps, std::uint8_t DecalageMode) {
    return Slots(Slot(CodeTemps, DecalageMode, 1), Slot(CodeTemps, DecalageMode, 6));
}

constexpr std::uint64_t Tout = Slots(1, NombreSlots);
// The infinitive has no slot: a verb that keeps it alone keeps nothing else.
constexpr std::uint64_t InfinitifSeul = 0;
constexpr std::uint64_t Present = Temps(0, ModeIndicatif);
constexpr std::uint64_t Imparfait = Temps(1, ModeIndicatif);
constexpr std::uint64_t ParticipePasse = Bit(SlotParticipePasse);
constexpr std::uint64_t ParticipePresent = Bit(SlotParticipePresent);
// What the compound tenses are built on: a verb that keeps only them keeps
// its past participle and no simple form.
constexpr std::uint64_t ComposesSeuls = ParticipePasse;

// il and ils in every tense that has persons: the slots before the
// impératif, six to a tense.
constexpr std::uint64_t TroisiemesPersonnes = [] {
    std::uint64_t m = 0;
    for (int slot = 1; slot < Slot(0, ModeImperatif, 1); ++slot)
        if ((slot - 1) % 6 == 2 || (slot - 1) % 6 == 5) m |= Bit(slot);
    return m;
}();

constexpr std::uint64_t IlAuPresent = Bit(Slot(0, ModeIndicatif, 3));

struct TDefectif {
    std::string_view Verbe;
    // The slots it keeps from its model; every other one reads "-".
    std::uint64_t Garde;
    TComposes Composes;
};

// Whole verbs, not endings: acquérir and requérir have every form quérir lacks.
constexpr TDefectif Defectifs[] = {
    {"ester", InfinitifSeul, TComposes::Aucun},
    {"quérir", InfinitifSeul, TComposes::Aucun},
    {"ravoir", InfinitifSeul, TComposes::Aucun},
    {"férir", InfinitifSeul, TComposes::Aucun},
    {"forclore", InfinitifSeul, TComposes::Aucun},
    {"endêver", InfinitifSeul, TComposes::Aucun},
    {"attraire", InfinitifSeul, TComposes::Aucun},
    {"occire", ComposesSeuls, TComposes::Tous},
    {"douer", ComposesSeuls, TComposes::Tous},
    {"sourdre", (Present | Imparfait) & TroisiemesPersonnes, TComposes::Aucun},
    {"advenir", TroisiemesPersonnes | ParticipePasse | ParticipePresent, TComposes::SelonSimples},
    {"apparoir", IlAuPresent, TComposes::Aucun},
    {"chaloir", IlAuPresent, TComposes::Aucun},
    {"choir", Tout & ~Imparfait & ~ParticipePresent, TComposes::Tous},
    {"déchoir", Tout & ~ParticipePresent, TComposes::Tous},
};

}  // namespace

void AppliqueDefectifs(const TVerbe& verbe, TPlan& plan) {
    for (const TDefectif& d : Defectifs)
        if (verbe.Est(d.Verbe)) {
            plan.Manquants |= Tout & ~d.Garde;
            plan.Composes = d.Composes;
            return;
        }
}

}  // namespace florimot
