#include "faits.hpp"

#include <array>
#include <cstdint>
#include <vector>

#include "table.hpp"

namespace florimot {

namespace {

// How the verb is typed, for a correction that holds for one use only:
// "se pouvoir" is impersonal, "pouvoir" is not.
enum class TEmploi : std::uint8_t { Tout, Pronominal, AvecEn };

enum TMarqueCorrection : std::uint8_t {
    Impersonnel = 1,           // il alone
    TroisiemesPersonnes = 2,   // il and ils alone
    Passif = 4,                // a passive without a direct object
    ReflechiIndirect = 8,      // se is an indirect object: the participle never agrees
    ParticipeInvariable = 16,  // the participle never agrees, hence no passive
};

struct TCorrection {
    std::string_view Infinitif;
    TEmploi Emploi;
    std::uint8_t Correction;
};

// Where the dictionary's tags say too little or too much. Sources: the
// Bescherelle (La conjugaison pour tous, the impersonal and pronominal verbs
// and the agreement of the participle) and Grevisse (Le Bon Usage, the
// impersonal verbs, the passive, the participle of pronominal verbs).
// - Impersonal only: the tags mark a verb that can be impersonal, pleuvoir
//   (also personal) as well as neiger; these have nothing but il.
// - Third persons only: s'ensuivre (il s'ensuit, ils s'ensuivent).
// - obéir, désobéir and pardonner take a passive with no direct object left
//   in today's use (vous serez obéi).
// - The reflexive pronoun is an indirect object, so the participle never
//   agrees: the verbs taking "à quelqu'un" (ils se sont plu, parlé, nui),
//   and those the tables write with a direct object that follows (elles se
//   sont demandé, elle s'est arrogé), and s'écrire (elles se sont écrit),
//   checked against the grammars' whole list of verbs whose reflexive
//   pronoun is an indirect object.
// - The participle never agrees: the verbs that never take a direct object
//   nor être (Bescherelle: « pu, suffi, nui, lui, ri, souri, plu :
//   invariables »; Grevisse, the participle of intransitive verbs): pouvoir,
//   a modal, as well, so it has no passive. The one list of them.
// In alphabetical order, for the reader.
constexpr TCorrection Corrections[] = {
    {"agir", TEmploi::Pronominal, Impersonnel},  // il s'agit
    {"arroger", TEmploi::Pronominal, ReflechiIndirect},
    {"brouillasser", TEmploi::Tout, Impersonnel},
    {"bruiner", TEmploi::Tout, Impersonnel},
    {"bruire", TEmploi::Tout, ParticipeInvariable},
    {"brumasser", TEmploi::Tout, Impersonnel},
    {"brumer", TEmploi::Tout, Impersonnel},
    {"coexister", TEmploi::Tout, ParticipeInvariable},
    {"complaire", TEmploi::Pronominal, ReflechiIndirect},
    {"complaire", TEmploi::Tout, ParticipeInvariable},
    {"convenir", TEmploi::Pronominal, ReflechiIndirect},
    {"crachiner", TEmploi::Tout, Impersonnel},
    {"demander", TEmploi::Pronominal, ReflechiIndirect},
    {"déplaire", TEmploi::Pronominal, ReflechiIndirect},
    {"déplaire", TEmploi::Tout, ParticipeInvariable},
    {"désobéir", TEmploi::Tout, Passif},
    {"dire", TEmploi::Pronominal, ReflechiIndirect},
    {"dracher", TEmploi::Tout, Impersonnel},
    {"écrire", TEmploi::Pronominal, ReflechiIndirect},
    {"ensuivre", TEmploi::Tout, TroisiemesPersonnes},
    {"entre-nuire", TEmploi::Pronominal, ReflechiIndirect},
    {"entre-nuire", TEmploi::Tout, ParticipeInvariable},
    {"exister", TEmploi::Tout, ParticipeInvariable},
    {"falloir", TEmploi::Tout, Impersonnel},
    {"gouttiner", TEmploi::Tout, Impersonnel},
    {"grêler", TEmploi::Tout, Impersonnel},
    {"luire", TEmploi::Tout, ParticipeInvariable},
    {"mentir", TEmploi::Pronominal, ReflechiIndirect},
    {"mentir", TEmploi::Tout, ParticipeInvariable},
    {"neigeoter", TEmploi::Tout, Impersonnel},
    {"neiger", TEmploi::Tout, Impersonnel},
    {"nuire", TEmploi::Pronominal, ReflechiIndirect},
    {"nuire", TEmploi::Tout, ParticipeInvariable},
    {"obéir", TEmploi::Tout, Passif},
    {"pardonner", TEmploi::Tout, Passif},
    {"parler", TEmploi::Pronominal, ReflechiIndirect},
    {"permettre", TEmploi::Pronominal, ReflechiIndirect},
    {"plaire", TEmploi::Pronominal, ReflechiIndirect},
    {"plaire", TEmploi::Tout, ParticipeInvariable},
    {"pleuvasser", TEmploi::Tout, Impersonnel},
    {"pleuviner", TEmploi::Tout, Impersonnel},
    {"pleuvioter", TEmploi::Tout, Impersonnel},
    {"pleuvoter", TEmploi::Tout, Impersonnel},
    {"pluviner", TEmploi::Tout, Impersonnel},
    {"pouvoir", TEmploi::Pronominal, Impersonnel},  // il se peut
    {"pouvoir", TEmploi::Tout, ParticipeInvariable},
    {"procurer", TEmploi::Pronominal, ReflechiIndirect},
    {"promettre", TEmploi::Pronominal, ReflechiIndirect},
    {"reluire", TEmploi::Tout, ParticipeInvariable},
    {"reneiger", TEmploi::Tout, Impersonnel},
    {"répondre", TEmploi::Pronominal, ReflechiIndirect},
    {"ressembler", TEmploi::Pronominal, ReflechiIndirect},
    {"ressembler", TEmploi::Tout, ParticipeInvariable},
    {"rire", TEmploi::Pronominal, ReflechiIndirect},
    {"rire", TEmploi::Tout, ParticipeInvariable},
    {"sembler", TEmploi::Tout, ParticipeInvariable},
    {"sourire", TEmploi::Pronominal, ReflechiIndirect},
    {"sourire", TEmploi::Tout, ParticipeInvariable},
    {"succéder", TEmploi::Pronominal, ReflechiIndirect},
    {"succéder", TEmploi::Tout, ParticipeInvariable},
    {"suffire", TEmploi::Pronominal, ReflechiIndirect},
    {"suffire", TEmploi::Tout, ParticipeInvariable},
    {"survivre", TEmploi::Pronominal, ReflechiIndirect},
    {"survivre", TEmploi::Tout, ParticipeInvariable},
    {"téléphoner", TEmploi::Pronominal, ReflechiIndirect},
    {"venter", TEmploi::Tout, Impersonnel},
    {"verglacer", TEmploi::Tout, Impersonnel},
    {"vouloir", TEmploi::AvecEn, ReflechiIndirect},  // ils s'en sont voulu
};

// Their infinitives' hashes, and a filter of 1,024 bits over them: the
// verbs not in the list, nearly all, cost one bit test.
constexpr auto HachesCorrections = [] {
    std::array<std::uint32_t, std::size(Corrections)> h{};
    for (std::size_t i = 0; i < h.size(); ++i) h[i] = faits::Hache(Corrections[i].Infinitif);
    return h;
}();

constexpr std::size_t BitFiltre(std::uint32_t hache) {
    return hache >> 22;
}

constexpr auto FiltreCorrections = [] {
    std::array<std::uint64_t, 16> filtre{};
    for (const std::uint32_t h : HachesCorrections)
        filtre[BitFiltre(h) / 64] |= std::uint64_t{1} << BitFiltre(h) % 64;
    return filtre;
}();

bool Concerne(TEmploi emploi, bool pronominal, bool en) {
    switch (emploi) {
        case TEmploi::Tout: return true;
        case TEmploi::Pronominal: return pronominal && !en;
        case TEmploi::AvecEn: return pronominal && en;
    }
    return false;
}

// The infinitive's entry in the table: its marks, or -1 if absent.
int Marques(std::string_view infinitif, std::uint32_t hache) {
    const std::span<const std::uint32_t> alveoles = faits::Alveoles;
    if (alveoles.empty()) return -1;
    const std::size_t masque = alveoles.size() - 1;
    for (std::size_t a = hache & masque;; a = (a + 1) & masque) {
        const std::uint32_t debut = alveoles[a];
        if (debut == 0) return -1;
        const char* entree = faits::Entrees.data() + debut - 1;
        const auto longueur = static_cast<unsigned char>(entree[0]);
        if (std::string_view(entree + 2, longueur) == infinitif)
            return static_cast<unsigned char>(entree[1]);
    }
}

TFaits Faits(std::string_view infinitif, bool pronominal, bool en) {
    TFaits faits;
    const std::uint32_t hache = faits::Hache(infinitif);
    if (const int m = Marques(infinitif, hache); m >= 0) {
        faits.Connu = true;
        faits.Passif = (m & faits::MarqueTransitif) != 0;
        faits.Pronominal = (m & faits::MarquePronominal) != 0;
        faits.Reciproque = (m & faits::MarqueReciproque) != 0;
        faits.PeutEtrePronominal = (m & faits::MarquePeutPronominal) != 0;
    }
    // A verb that never goes without its pronoun is read with it.
    pronominal = pronominal || faits.Pronominal;
    const bool corrige =
        (FiltreCorrections[BitFiltre(hache) / 64] >> BitFiltre(hache) % 64 & 1) != 0;
    for (std::size_t k = 0; corrige && k < HachesCorrections.size(); ++k) {
        const TCorrection* i = &Corrections[k];
        if (HachesCorrections[k] != hache || i->Infinitif != infinitif ||
            !Concerne(i->Emploi, pronominal, en))
            continue;
        // The agreement of the participle was the engine's own knowledge
        // before the table: it holds without it. The rest corrects the
        // table's tags, and a build without the table keeps the letters' word.
        if (i->Correction & ReflechiIndirect) faits.ReflechiIndirect = true;
        if (i->Correction & ParticipeInvariable) faits.ParticipeInvariable = true;
        if (!faits.Connu) continue;
        if (i->Correction & Impersonnel) faits.Impersonnel = true;
        if (i->Correction & TroisiemesPersonnes) faits.TroisiemesPersonnes = true;
        if (i->Correction & Passif) faits.Passif = true;
    }
    // Il neige has no object, a participle that never agrees no passive.
    if (faits.Impersonnel || faits.ParticipeInvariable) faits.Passif = false;
    return faits;
}

}  // namespace

std::span<const std::string_view> VerbesConnus() {
    // Built at the first call: only the window's completion asks for it.
    static const std::vector<std::string_view> verbes = [] {
        std::vector<std::string_view> v;
        const std::span<const char> e = faits::Entrees;
        for (std::size_t i = 0; i < e.size(); i += 2 + static_cast<unsigned char>(e[i]))
            v.emplace_back(e.data() + i + 2, static_cast<unsigned char>(e[i]));
        return v;
    }();
    return verbes;
}

TFaits FaitsDuVerbe(const TVerbe& verbe) {
    if (verbe.DonneGroupe() == 0) return {};
    return Faits(verbe.MotVue(), verbe.EstPronominal(), verbe.AvecEn());
}

TFaits FaitsDuVerbe(std::string_view infinitif) {
    TVerbe verbe;
    verbe.DefinitVerbe(infinitif);
    return FaitsDuVerbe(verbe);
}

TFaits PrepareVerbe(TVerbe& verbe) {
    const TFaits faits = FaitsDuVerbe(verbe);
    if (faits.Pronominal && !verbe.EstPronominal()) verbe.AjoutePronom();
    if (!faits.Connu && verbe.SansModele()) verbe.OteVerbe();
    return faits;
}

}  // namespace florimot
