// Reading the form index (index.hpp): a check of its layout once, then
// look-ups that copy nothing.
#include "index.hpp"

#include <algorithm>

#include "conjugaison.hpp"
#include "interne.hpp"

// Assembled from the generated file by index_formes.S.
extern "C" const std::uint32_t florimot_index_formes[];
extern "C" const std::uint32_t florimot_index_formes_fin[];

namespace florimot::lexique {

namespace {

constexpr std::size_t TailleEntete = 8;
static_assert(GrilleComplete[CelluleParticipePasse].Nom == "PartPasse");

// Whether [debut, debut + n) lies within [0, borne).
constexpr bool Dans(std::uint64_t debut, std::uint64_t n, std::uint64_t borne) {
    return debut <= borne && n <= borne - debut;
}

}  // namespace

const TIndexFormes& TIndexFormes::Programme() {
    static const TIndexFormes index(std::span<const std::uint32_t>(
        florimot_index_formes,
        static_cast<std::size_t>(florimot_index_formes_fin - florimot_index_formes)));
    return index;
}

TIndexFormes::TIndexFormes(std::span<const std::uint32_t> mots) {
    if (mots.size() < TailleEntete || mots[0] != IndexMagie || mots[1] != IndexVersion) return;
    const std::uint64_t verbes = mots[2], formes = mots[3], alveoles = mots[4], fiches = mots[5],
                        octets = mots[6], queues = mots[7];
    const std::uint64_t taille =
        TailleEntete + 3 * verbes + 2 * alveoles + fiches + (octets + 3) / 4 + (queues + 3) / 4;
    // A damaged table reads as an empty one rather than out of bounds.
    if (taille > mots.size() || alveoles == 0 || (alveoles & (alveoles - 1)) != 0 ||
        alveoles <= formes)
        return;
    Verbe_ = mots.data() + TailleEntete;
    ordre_ = Verbe_ + 2 * verbes;
    alveole_ = ordre_ + verbes;
    fiche_ = alveole_ + 2 * alveoles;
    Texte_ = reinterpret_cast<const char*>(fiche_ + fiches);
    // The verbs are checked now, the forms where a look-up lands (Cherche):
    // walking all 12 MB here would read in every page of the table at
    // start-up, for a first answer that needs a few of them.
    for (std::uint64_t i = 0; i < verbes; ++i)
        if (!Dans(Verbe_[2 * i], Verbe_[2 * i + 1], octets) || ordre_[i] >= verbes) return;
    Queues_ = std::string_view(Texte_ + (octets + 3) / 4 * 4, queues);
    Mots_ = mots;
    Verbes_ = static_cast<std::uint32_t>(verbes);
    Formes_ = static_cast<std::uint32_t>(formes);
    alveoles_ = static_cast<std::uint32_t>(alveoles);
    fiches_ = static_cast<std::uint32_t>(fiches);
    Octets_ = static_cast<std::uint32_t>(octets);
}

std::span<const std::uint32_t> TIndexFormes::Cherche(std::string_view forme, bool* connu) const {
    if (connu != nullptr) *connu = false;
    if (alveoles_ == 0 || forme.size() > 0xFF) return {};
    const std::uint32_t masque = alveoles_ - 1;
    const std::uint32_t h = Hache(forme);
    // A sound table always has an empty slot to end a probe on; a damaged
    // one is not walked round more than once.
    std::uint32_t i = h & masque;
    for (std::uint32_t n = 0; n < alveoles_; ++n, i = (i + 1) & masque) {
        const std::uint32_t debut = alveole_[2 * i + 1];
        if (debut == 0) return {};
        if (alveole_[2 * i] != h) continue;
        if (debut > fiches_) return {};
        const std::uint32_t entete = fiche_[debut - 1];
        const std::uint32_t lectures = entete >> 8, octets = entete & 0xFF;
        if (!Dans(debut, std::uint64_t{lectures} + (octets + 3) / 4, fiches_)) return {};
        const std::uint32_t* fiche = fiche_ + debut;
        if (std::string_view(reinterpret_cast<const char*>(fiche + lectures), octets) != forme)
            continue;
        const std::span<const std::uint32_t> trouvees(fiche, lectures);
        for (std::uint32_t l : trouvees)
            if (VerbeDe(l) >= Verbes_ || CelluleDe(l) >= GrilleComplete.size() || PersonneDe(l) > 6)
                return {};
        if (connu != nullptr) *connu = true;
        return trouvees;
    }
    return {};
}

std::string_view TIndexFormes::Infinitif(std::uint32_t verbe) const {
    return verbe < Verbes_ ? Texte(Verbe_ + 2 * verbe) : std::string_view();
}

bool TIndexFormes::Connu(std::string_view infinitif, std::uint32_t hache) const {
    // At least 16 bits a verb: one word in thirty or so that is none gets
    // past it to the search.
    std::call_once(FiltreFait_, [this] {
        std::size_t bits = 64;
        while (bits < 16 * std::size_t{Verbes_}) bits *= 2;
        Filtre_.assign(bits / 64, 0);
        for (std::uint32_t v = 0; v < Verbes_; ++v) {
            const std::size_t h = Hache(Infinitif(v)) & (bits - 1);
            Filtre_[h / 64] |= std::uint64_t{1} << (h % 64);
        }
    });
    const std::size_t h = hache & (Filtre_.size() * 64 - 1);
    if ((Filtre_[h / 64] >> (h % 64) & 1) == 0) return false;
    const std::uint32_t* fin = ordre_ + Verbes_;
    const std::uint32_t* i =
        std::lower_bound(ordre_, fin, infinitif,
                         [&](std::uint32_t v, std::string_view s) { return Infinitif(v) < s; });
    return i != fin && Infinitif(*i) == infinitif;
}

std::string_view QueuesDeLIndex() {
    return TIndexFormes::Programme().Queues();
}

}  // namespace florimot::lexique
