// From a text back to its verbs without the dictionary: a line as the grid
// writes it, else a form looked up in the index, else the most likely verb
// its letters allow.
#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

#include "conjugaison.hpp"
#include "formes_nues.hpp"
#include "index.hpp"
#include "interne.hpp"
#include "saisie.hpp"
#include "utf8.hpp"

namespace florimot {

namespace lexique {

namespace {

// A line of the grid is a few words; anything much longer is a paste that
// no grid holds, and is not worth splitting.
constexpr std::size_t OctetsMax = 256;

bool Inverse(const TCellule& c) {
    return !EstCompose(c) && (c.DecalageMode == ModeIndicatif || c.DecalageMode == ModeSubjonctif ||
                              c.DecalageMode == ModeConditionnel);
}

// The readings of the index grouped by verb, in the index's order: the
// word before an inverted je (puis of puis-je) only when it is no form
// without it; `inversion`: readings of the plain first person whose e the
// word turns é or è (eussé for eusse).
void AjouteIndex(std::span<const std::uint32_t> lectures, bool inversion,
                 std::vector<TAnalyse>& analyses) {
    const TIndexFormes& index = TIndexFormes::Programme();
    const bool simple = std::any_of(lectures.begin(), lectures.end(),
                                    [](std::uint32_t l) { return !InversionDe(l); });
    // The readings come grouped by verb: one allocation for the verbs too.
    std::size_t verbes = 0;
    for (std::size_t i = 0; i < lectures.size(); ++i)
        verbes += i == 0 || VerbeDe(lectures[i]) != VerbeDe(lectures[i - 1]);
    analyses.reserve(analyses.size() + verbes);
    std::uint32_t dernier = ~std::uint32_t{0};  // no verb: VerbeDe has 21 bits
    for (std::size_t i = 0; i < lectures.size(); ++i) {
        const std::uint32_t l = lectures[i];
        const std::uint32_t cellule = CelluleDe(l);
        if (simple && InversionDe(l) && !inversion) continue;
        TLecture lecture{GrilleComplete[cellule].Nom,
                         static_cast<int>(PersonneDe(l)),
                         inversion || InversionDe(l),
                         {.Rectifiee = RectifieeDe(l), .Variante = VarianteDe(l)}};
        if (inversion && (InversionDe(l) || cellule == CelluleParticipePasse ||
                          lecture.Personne != 1 || !Inverse(GrilleComplete[cellule])))
            continue;
        // The verb's readings follow one another: its infinitive is read
        // once, where they start.
        if (VerbeDe(l) == dernier) {
            analyses.back().Lectures.push_back(lecture);
            continue;
        }
        dernier = VerbeDe(l);
        const std::string_view infinitif = index.Infinitif(dernier);
        if (analyses.empty() || analyses.back().Infinitif != infinitif) {
            // One allocation for the verb's readings: a batch makes millions.
            TAnalyse& analyse = analyses.emplace_back();
            analyse.Infinitif = infinitif;
            analyse.Connu = true;
            analyse.Lectures.reserve(static_cast<std::size_t>(
                std::count_if(lectures.begin() + static_cast<std::ptrdiff_t>(i), lectures.end(),
                              [&](std::uint32_t m) { return VerbeDe(m) == VerbeDe(l); })));
        }
        analyses.back().Lectures.push_back(lecture);
    }
}

// The first person's e turned é or è before an inverted je (eussé-je,
// aimé-je, aimè-je).
void AjouteInversees(std::string_view mot, std::vector<TAnalyse>& analyses) {
    for (std::string_view fin : {"é", "è"})
        if (mot.size() > fin.size() && mot.ends_with(fin)) {
            std::string simple(mot.substr(0, mot.size() - fin.size()));
            simple += 'e';
            AjouteIndex(TIndexFormes::Programme().Cherche(simple), true, analyses);
        }
}

// Whether one spelling's bare forms may hold the word: a slot that is the
// word, or (`accord`) a participle it may be an agreement of (absous,
// absoute). Most of a miss's candidates hold it nowhere, and are not worth
// the grids their readings take. `barres`: whether a slot offers two
// spellings side by side (séant/seyant); without, a slot is the word or not.
bool TientSimple(const TFormes& formes, std::string_view mot, bool barres) {
    for (int slot = 1; slot <= NombreSlots; ++slot)
        if (barres ? Tient(formes.Simple(slot), mot) : formes.Simple(slot) == mot) return true;
    return false;
}
bool PeutEtreAccord(const TFormes& formes, std::string_view mot) {
    std::string_view participe = formes.Participe();
    while (!participe.empty()) {
        const std::size_t barre = participe.find('/');
        const std::string_view p = participe.substr(0, barre);
        const std::size_t tronc = p.size() > 2 ? p.size() - 2 : 0;
        // An agreement adds e, s or es, or changes the last letters
        // (absous, absoutes): never more than that, and it ends in the e
        // of the feminine or the s of the plural unless it is the
        // participle itself. An infinitive (parler, beside parlé) is then
        // never taken for one, and costs no grid.
        if (mot.size() >= tronc && mot.size() <= p.size() + 3 &&
            mot.substr(0, tronc) == p.substr(0, tronc) &&
            (mot == p || mot.ends_with('e') || mot.ends_with('s')))
            return true;
        if (barre == std::string_view::npos) break;
        participe.remove_prefix(barre + 1);
    }
    return false;
}

// Whether the word is one of the four agreements of a participle of the
// verb: every agreed participle a line writes is one, so the grids that
// list them (a dozen, with every option that agrees) are built only then.
bool AccordDe(const TFormes& formes, std::string_view mot) {
    std::string_view participe = formes.Participe();
    while (!participe.empty()) {
        const std::size_t barre = participe.find('/');
        const std::string_view p = participe.substr(0, barre);
        for (const bool feminin : {false, true})
            for (const bool pluriel : {false, true})
                if (AccordeParticipe(p, feminin, pluriel) == mot) return true;
        if (barre == std::string_view::npos) break;
        participe.remove_prefix(barre + 1);
    }
    return false;
}

}  // namespace

bool DejaNormal(std::string_view mot) {
    if (mot.empty()) return false;
    std::size_t lettres = 0;
    for (std::size_t i = 0; i < mot.size(); ++i) {
        if (++lettres > LettresMax) return false;
        const auto c = static_cast<unsigned char>(mot[i]);
        if (c >= 'a' && c <= 'z') continue;
        // à … ÿ (U+00E0 … U+00FF but ÷) and œ, as two bytes.
        if (i + 1 < mot.size()) {
            const auto d = static_cast<unsigned char>(mot[i + 1]);
            if ((c == 0xC3 && d >= 0xA0 && d <= 0xBF && d != 0xB7) || (c == 0xC5 && d == 0x93)) {
                ++i;
                continue;
            }
        }
        return false;
    }
    return true;
}

std::vector<TAnalyse> LecturesIndex(std::string_view mot, bool* connu) {
    const TIndexFormes& index = TIndexFormes::Programme();
    std::vector<TAnalyse> analyses;
    AjouteIndex(index.Cherche(mot, connu), false, analyses);
    if (analyses.size() == 1) return analyses;
    if (!analyses.empty()) {
        // A form both spellings share (naquit) is the traditional
        // infinitive's alone: naitre would only repeat naître. It takes two
        // verbs, and most forms have one.
        std::vector<std::string> repetes;
        for (const TAnalyse& b : analyses)
            if (std::none_of(b.Lectures.begin(), b.Lectures.end(),
                             [](const TLecture& l) { return l.Options.Rectifiee; }))
                for (const TAnalyse& a : analyses)
                    if (InfinitifTraditionnel(a.Infinitif) == b.Infinitif)
                        repetes.push_back(a.Infinitif);
        std::erase_if(analyses, [&](const TAnalyse& a) {
            return std::find(repetes.begin(), repetes.end(), a.Infinitif) != repetes.end();
        });
        return analyses;
    }
    AjouteInversees(mot, analyses);
    return analyses;
}

namespace {

// What a guess needs of one infinitive its letters suggest, built when first
// asked and kept while the text goes on: running text gives a new verb in
// several forms (conkédé, conkédaient, conkéda), and its grids are most of
// a guess's cost.
struct TVerbeDevine {
    explicit TVerbeDevine(std::string_view infinitif) { Verbe.DefinitVerbe(infinitif); }
    TVerbe Verbe;
    std::optional<TRangDevine> RangDevine_;  // none: not worth a grid
    std::array<std::unique_ptr<TFormes>, 4> Formes_;
    std::array<std::unique_ptr<TMotsGrille>, 4> Grilles_;
    std::optional<std::vector<std::string>> Accordes_;
    std::array<std::optional<bool>, 4> Memes_;
    std::array<bool, 4> Barres_{};  // a slot offers two spellings (séant/seyant)

    static std::size_t Rang(const TOptions& graphie) {
        return (graphie.Rectifiee ? 2u : 0u) + (graphie.Variante ? 1u : 0u);
    }
    const TFormes& Formes(const TOptions& graphie) {
        std::unique_ptr<TFormes>& f = Formes_[Rang(graphie)];
        if (!f) {
            f = std::make_unique<TFormes>(Verbe, TGraphie{graphie.Rectifiee, graphie.Variante});
            for (int slot = 1; slot <= NombreSlots; ++slot)
                if (f->Simple(slot).find('/') != std::string_view::npos)
                    Barres_[Rang(graphie)] = true;
        }
        return *f;
    }
    // Whether those forms hold the word in a slot, asked of every form of
    // the verb a text gives.
    bool TientSimple(const TOptions& graphie, std::string_view mot) {
        return lexique::TientSimple(Formes(graphie), mot, Barres_[Rang(graphie)]);
    }
    const TMotsGrille& Grille(const TOptions& graphie) {
        std::unique_ptr<TMotsGrille>& g = Grilles_[Rang(graphie)];
        if (!g) g = std::make_unique<TMotsGrille>(Formes(graphie), graphie);
        return *g;
    }
    // TFormes::MemesSous of the usual forms, asked again for each form of the
    // verb a text gives.
    bool MemesSous(const TOptions& graphie) {
        std::optional<bool>& m = Memes_[Rang(graphie)];
        if (!m) m = Formes({}).MemesSous({graphie.Rectifiee, graphie.Variante});
        return *m;
    }
    const std::vector<std::string>& Accordes() {
        if (!Accordes_) Accordes_ = ParticipesAccordes(Verbe);
        return *Accordes_;
    }
};

// Per thread, as the window reads from more than one; emptied when full,
// which bounds its memory without bookkeeping. Only the verbs a guess
// reads are kept, each with its grids: a few dozen cover the new verbs of
// a page, and more only spread the guesses over memory no cache holds (256
// of them took 2,000 misses from 500 page faults to 1,350).
std::unordered_map<std::string, std::unique_ptr<TVerbeDevine>>& VerbesDevines() {
    thread_local std::unordered_map<std::string, std::unique_ptr<TVerbeDevine>> verbes;
    return verbes;
}

TVerbeDevine& VerbeDevine(std::string_view infinitif) {
    constexpr std::size_t Capacite = 32;
    auto& verbes = VerbesDevines();
    if (const auto it = verbes.find(std::string(infinitif)); it != verbes.end()) return *it->second;
    if (verbes.size() >= Capacite) verbes.clear();
    auto v = std::make_unique<TVerbeDevine>(infinitif);
    // An infinitive with a hyphen or an apostrophe is a known verb
    // (s'entr'apercevoir) or none. Every verb of fewer than four letters is
    // known (ir, ouïr): "jer" behind "je" is none.
    if (infinitif.find_first_of("-'") == std::string_view::npos && v->Verbe.MotVue() == infinitif &&
        v->Verbe.Longueur() >= 4 && v->Verbe.DonneGroupe() != 0)
        v->RangDevine_ = RangDevine(v->Verbe);
    return *verbes.emplace(std::string(infinitif), std::move(v)).first->second;
}

}  // namespace

void OublieVerbesDevines() {
    VerbesDevines().clear();
}

std::vector<TAnalyse> Devine(std::string_view mot) {
    const TIndexFormes& index = TIndexFormes::Programme();
    std::vector<TAnalyse> devinees;
    const std::vector<TPossible> possibles = InfinitifsPossibles(mot);
    // The letters point at a verb the index knows, whose grid does not hold
    // the form (existée, fallue): it is no form at all.
    if (std::any_of(possibles.begin(), possibles.end(),
                    [&](const TPossible& v) { return index.Connu(v.Mot, v.Hache); }))
        return {};
    // The infinitives likeliest first, ranked by their letters: past the
    // rank of the first one read in the usual spelling, none can be kept,
    // and they are not even made verbs (most of a miss's cost was making
    // verbs of the dozen infinitives its letters suggest, to rank them).
    std::vector<std::pair<TRangDevine, std::string_view>> candidats;
    for (const TPossible& v : possibles)
        if (const TRangDevine rang = RangDevine(v); rang.first != 0)
            candidats.emplace_back(rang, v.Mot);
    std::stable_sort(candidats.begin(), candidats.end(),
                     [](const auto& x, const auto& y) { return x.first < y.first; });
    // A verb read in the usual spelling is likelier than one read only in
    // the rectified spelling or the other series (blachète: blachèter, not
    // the rectified blacheter).
    const auto usuelle = [](const TAnalyse& a) {
        return std::any_of(a.Lectures.begin(), a.Lectures.end(), [](const TLecture& l) {
            return Restreint(l.Options, TPorteeOption::Graphie).Aucune();
        });
    };
    std::optional<TRangDevine> rangUsuel;
    for (const auto& [rang, v] : candidats) {
        if (rangUsuel && rang != *rangUsuel) break;
        TVerbeDevine& devine = VerbeDevine(v);
        // Not worth a grid; a verb that is has the rank its letters gave.
        if (!devine.RangDevine_) continue;
        std::vector<TLecture> l = LecturesDesGraphies(devine.Verbe, [&](const TOptions& graphie) {
            // A spelling or series that changes none of the verb's forms (most
            // verbs: the rectified spelling only touches î, û and a few
            // stems) reads nothing the usual one has not: neither its forms
            // nor its grid, most of a guess's cost, are built.
            const bool autre = !graphie.Aucune() && !InfinitifRectifie(devine.Verbe);
            if (autre && devine.MemesSous(graphie)) return std::vector<TLecture>{};
            const TFormes& formes = devine.Formes(graphie);
            if (!devine.TientSimple(graphie, mot) && !PeutEtreAccord(formes, mot))
                return std::vector<TLecture>{};
            if (autre && formes.MemesFormes(devine.Formes({}))) return std::vector<TLecture>{};
            return LecturesDansGrille(devine.Grille(graphie), mot);
        });
        if ((l.empty() || l.back().Cellule != "PartPasse") &&
            PeutEtreAccord(devine.Formes({}), mot) && AccordDe(devine.Formes({}), mot)) {
            if (ParticipeAccorde(devine.Accordes(), mot)) l.push_back({"PartPasse", 0, false});
        }
        if (l.empty()) continue;
        devinees.push_back({std::string(v), false, std::move(l)});
        if (!rangUsuel && usuelle(devinees.back())) rangUsuel = rang;
    }
    if (rangUsuel) std::erase_if(devinees, [&](const TAnalyse& a) { return !usuelle(a); });
    GardeLesPlusProbables(devinees);
    return devinees;
}

}  // namespace lexique

std::vector<TAnalyse> AnalyseTexte(std::string_view texte) {
    if (lexique::DejaNormal(texte)) {
        bool connu = false;
        std::vector<TAnalyse> analyses = lexique::LecturesIndex(texte, &connu);
        if (analyses.empty() && !connu) analyses = lexique::Devine(texte);
        return analyses;
    }
    if (texte.size() > lexique::OctetsMax || !utf8::EstValide(texte)) return {};
    const lexique::TTexteLu lu = lexique::Canonique(texte);
    if (lu.Texte.empty()) return {};
    if (lu.Ligne) {
        std::vector<TAnalyse> analyses = lexique::LitLigneOuSubordonnee(lu);
        if (!analyses.empty() || lu.Texte.find(' ') != std::string::npos) return analyses;
        // eussé-je, dussé-je: literary questions of the subjonctif, which
        // the grid writes without their je.
        if (std::string_view t = lu.Texte; t.ends_with("-je") && !lu.Question) {
            t.remove_suffix(3);
            for (TAnalyse& a : lexique::LecturesIndex(t)) {
                std::erase_if(a.Lectures, [](const TLecture& l) { return !l.Inversion; });
                if (!a.Lectures.empty()) analyses.push_back(std::move(a));
            }
            // "aimé" is a participle too: its inverted first person is
            // looked for all the same.
            if (analyses.empty()) lexique::AjouteInversees(t, analyses);
            return analyses;
        }
    }
    const std::optional<std::string> mot = lexique::Normalise(lu.Texte);
    if (!mot) return {};
    bool connu = false;
    std::vector<TAnalyse> analyses = lexique::LecturesIndex(*mot, &connu);
    if (analyses.empty() && !connu) analyses = lexique::Devine(*mot);
    return analyses;
}

}  // namespace florimot
