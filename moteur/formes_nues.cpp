#include "formes_nues.hpp"

#include <mutex>
#include <string>
#include <vector>

#include "copie.hpp"
#include "modeles.hpp"
#include "registre.hpp"
#include "utf8.hpp"

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

TFormes::TFormes(const TVerbe& verbe, TGraphie graphie)
    : Verbe_(&verbe), Etre_(verbe.AvecEtre(graphie.AutreAuxiliaire)) {
    Modele modele = ChoisitModele(verbe);
    const bool rectifiee = graphie.Rectifiee || InfinitifRectifie(verbe);
    if (modele != nullptr && (graphie.Rectifiee || graphie.Variante))
        modele = ModeleSelonGraphie(verbe, modele, rectifiee, graphie.Variante);
    Usuelle_ = !rectifiee && !graphie.Variante;
    Modele_ = modele;
    if (rectifiee)
        Remplit<true>(modele);
    else
        Remplit<false>(modele);
}

TFormes::TFormes(const TVerbe& verbe, Modele modele) : Verbe_(&verbe), Etre_(verbe.AvecEtre()) {
    Remplit<false>(modele);
}

bool TFormes::MemesFormes(const TFormes& autre) const {
    const std::size_t octets = Debut_[NombreSlots + 1];
    return Debut_ == autre.Debut_ && Marqueurs_ == autre.Marqueurs_ &&
           Composes_ == autre.Composes_ && ComposesComplets_ == autre.ComposesComplets_ &&
           ParticipePluriel_ == autre.ParticipePluriel_ && Etre_ == autre.Etre_ &&
           std::string_view(Octets_.data(), octets) ==
               std::string_view(autre.Octets_.data(), octets);
}

std::string_view FormeDeAuxiliaire(bool etre, int slot) {
    if (slot < 1 || slot > NombreSlots) return {};
    return (etre ? TableEtre : TableAvoir)[static_cast<std::size_t>(slot)];
}

bool TFormes::MemesSous(TGraphie graphie) const {
    if (!Usuelle_) return false;
    if (Modele_ == nullptr) return true;
    if (ModeleSelonGraphie(*Verbe_, Modele_, graphie.Rectifiee, graphie.Variante) != Modele_)
        return false;
    if (!graphie.Rectifiee) return true;
    const std::string_view octets(Octets_.data(), Debut_[NombreSlots + 1]);
    return octets.find("î") == std::string_view::npos && octets.find("û") == std::string_view::npos;
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
    Composes_ = plan.Composes;
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
    ComposesComplets_ = Composes_ == TComposes::Tous && !Manque(SlotParticipePasse) &&
                        (Marqueurs_ & Imperatif) == 0;
    ParticipePluriel_ = Participe().ends_with('s') || Participe().ends_with('x');
}

std::string_view TFormes::Manquant(std::uint8_t CodeTemps, std::uint8_t DecalageMode,
                                   int Personne) const {
    if (Manque(SlotParticipePasse)) return Participe();
    if (Composes_ == TComposes::Aucun) return Absent;
    // A verb without this person of the impératif has no impératif passé
    // for it either.
    if (DecalageMode == ModeImperatif) {
        const int present = Slot(0, ModeImperatif, Personne);
        if (Manque(present)) return Simple(present);
    }
    if (Composes_ == TComposes::SelonSimples) {
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

namespace {

std::u32string Lettres(std::string_view s) {
    std::u32string lettres;
    while (!s.empty()) {
        const utf8::TDecodage d = utf8::Decode(s);
        lettres += d.Point;
        s.remove_prefix(d.Taille);
    }
    return lettres;
}

// How a form is made from its infinitive, whatever the letters they share:
// each run of letters both keep in order (a longest common subsequence) is
// one mark, between them the letters dropped and added. céder and régler
// read alike (cède, règle), lever and appeler do not (lève, appelle).
std::u32string Motif(const std::u32string& infinitif, const std::u32string& forme) {
    std::size_t p = 0;
    while (p < infinitif.size() && p < forme.size() && infinitif[p] == forme[p]) ++p;
    const std::u32string_view a = std::u32string_view(infinitif).substr(p);
    const std::u32string_view b = std::u32string_view(forme).substr(p);
    const std::size_t n = a.size(), m = b.size();
    // L[i][j]: the longest common subsequence of a[i..] and b[j..].
    std::vector<std::uint8_t> L((n + 1) * (m + 1), 0);
    const auto l = [&](std::size_t i, std::size_t j) -> std::uint8_t& {
        return L[i * (m + 1) + j];
    };
    for (std::size_t i = n; i-- > 0;)
        for (std::size_t j = m; j-- > 0;)
            l(i, j) = a[i] == b[j] ? static_cast<std::uint8_t>(l(i + 1, j + 1) + 1)
                                   : std::max(l(i + 1, j), l(i, j + 1));
    std::u32string motif = p > 0 ? U"\u00B7" : U"";
    std::size_t i = 0, j = 0;
    while (i < n || j < m) {
        if (i < n && j < m && a[i] == b[j]) {
            if (motif.empty() || motif.back() != U'\u00B7') motif += U'\u00B7';
            ++i, ++j;
        } else if (i < n && (j == m || l(i + 1, j) >= l(i, j + 1))) {
            motif += U'-';
            motif += a[i++];
        } else {
            motif += U'+';
            motif += b[j++];
        }
    }
    return motif;
}

// The patterns of a verb's 47 bare forms; empty for a slot it lacks.
// Circumflexes set aside: a verb written in the rectified spelling
// (connaitre) against its model's verb (paraître).
std::u32string SansCirconflexes(std::u32string l) {
    for (char32_t& c : l)
        if (c == U'î' || c == U'û') c = c == U'î' ? U'i' : U'u';
    return l;
}

std::vector<std::u32string> Motifs(const TVerbe& verbe, TGraphie graphie, bool plie) {
    const TFormes formes(verbe, graphie);
    const auto lettres = [&](std::string_view s) {
        return plie ? SansCirconflexes(Lettres(s)) : Lettres(s);
    };
    const std::u32string infinitif = lettres(verbe.MotVue());
    std::vector<std::u32string> motifs(NombreSlots + 1);
    for (int slot = 1; slot <= NombreSlots && formes.EstVerbe(); ++slot)
        if (!formes.Manque(slot))
            motifs[static_cast<std::size_t>(slot)] = Motif(infinitif, lettres(formes.Simple(slot)));
    return motifs;
}

bool MemesMotifs(const std::vector<std::u32string>& verbe,
                 const std::vector<std::u32string>& modele) {
    for (std::size_t slot = 1; slot < verbe.size(); ++slot)
        if (!verbe[slot].empty() && verbe[slot] != modele[slot]) return false;
    return true;
}

struct TModeleVu {
    std::string_view Verbe;
    std::vector<std::u32string> Motifs;
    std::vector<std::string> Formes;  // "" for a slot it lacks
};

std::vector<std::string> FormesNues(const TVerbe& verbe, TGraphie graphie) {
    const TFormes formes(verbe, graphie);
    std::vector<std::string> f(NombreSlots + 1);
    for (int slot = 1; slot <= NombreSlots && formes.EstVerbe(); ++slot)
        if (!formes.Manque(slot)) f[static_cast<std::size_t>(slot)] = formes.Simple(slot);
    return f;
}

// The common case, without a pattern: the verb's forms are the model's with
// the head of the model's infinitive replaced by the verb's (commencer,
// placer: comm-ençons, pl-açons), both heads not empty. Then the patterns
// are the same, since what follows the heads is.
bool MemeTete(const TVerbe& verbe, const TFormes& formes, const TModeleVu& modele) {
    const std::string_view v = verbe.MotVue(), m = modele.Verbe;
    std::size_t k = 0;
    while (k < v.size() && k < m.size() && v[v.size() - 1 - k] == m[m.size() - 1 - k]) ++k;
    const std::string_view tv = v.substr(0, v.size() - k), tm = m.substr(0, m.size() - k);
    if (tv.empty() || tm.empty()) return false;
    for (int slot = 1; slot <= NombreSlots; ++slot) {
        if (formes.Manque(slot)) continue;
        const std::string_view f = formes.Simple(slot);
        const std::string& g = modele.Formes[static_cast<std::size_t>(slot)];
        if (!f.starts_with(tv) || !std::string_view(g).starts_with(tm) ||
            f.substr(tv.size()) != std::string_view(g).substr(tm.size()))
            return false;
    }
    return true;
}

// The verbs a header may name, with their patterns: each model's own verb,
// then the verbs the registry gives as its examples (jeter beside
// appeler); once per spelling, series and circumflexes set aside or not.
const std::vector<TModeleVu>& ModelesVus(TGraphie graphie, bool plie) {
    static std::array<std::once_flag, 8> faits;
    static std::array<std::vector<TModeleVu>, 8> vus;
    const std::size_t g =
        (graphie.Rectifiee ? 1u : 0u) | (graphie.Variante ? 2u : 0u) | (plie ? 4u : 0u);
    std::call_once(faits[g], [&] {
        std::vector<TModeleVu>& v = vus[g];
        const auto ajoute = [&](std::string_view nom) {
            for (const TModeleVu& d : v)
                if (d.Verbe == nom) return;
            TVerbe verbe;
            verbe.DefinitVerbe(nom);
            v.push_back({nom, Motifs(verbe, graphie, plie), FormesNues(verbe, graphie)});
        };
        // avoir and être are no one's model.
        for (const TModeleInscrit& m : Registre)
            if (m.Groupe != 0) ajoute(m.Type);
        for (const TModeleInscrit& m : Registre)
            if (m.Groupe != 0) ChaqueMot(m.Exemples, ajoute);
    });
    return vus[g];
}

}  // namespace

std::string_view ConjugueCommeVerbe(const TVerbe& verbe, TGraphie graphie) {
    const std::string_view type = TypeDuModele(verbe, graphie);
    if (type.empty() || type == verbe.MotVue()) return {};
    // connaitre is written in the rectified spelling whatever was asked.
    const bool plie = InfinitifRectifie(verbe);
    if (plie) graphie.Rectifiee = true;
    const std::vector<TModeleVu>& modeles = ModelesVus(graphie, plie);
    const TModeleVu* propre = nullptr;
    for (const TModeleVu& m : modeles)
        if (m.Verbe == type) propre = &m;
    if (propre != nullptr && MemeTete(verbe, TFormes(verbe, graphie), *propre)) return type;
    const std::vector<std::u32string> motifs = Motifs(verbe, graphie, plie);
    if (propre != nullptr && MemesMotifs(motifs, propre->Motifs)) return type;
    for (const TModeleVu& m : modeles)
        if (m.Verbe != type && m.Verbe != verbe.MotVue() && MemesMotifs(motifs, m.Motifs))
            return m.Verbe;
    return {};
}

}  // namespace florimot
