// A verb's table of bare forms: the 47 slots of its model built once (stem +
// ending, or a marker alone), with what its compound tenses need. Every
// finished line is read from it, so a whole grid asks its model once.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "conjugaison.hpp"
#include "verbe.hpp"

namespace florimot {

// A model's table has 47 slots, 1 to 47 (0 unused): 1-6 présent, 7-12
// imparfait, 13-18 passé simple, 19-24 futur, 25-30 subjonctif présent,
// 31-36 subjonctif imparfait, 37-42 conditionnel, 43-45 impératif,
// 46 participe passé, 47 participe présent.
inline constexpr int NombreSlots = 47;
inline constexpr std::uint8_t SlotParticipePasse = 46;
inline constexpr std::uint8_t SlotParticipePresent = 47;

// The plan a model draws for one verb, and which compound forms it has:
// the engine's own business.
struct TPlan;
enum class TComposes : std::uint8_t;

// One request's bare form, in pieces, so that a line can put its pronouns,
// its negation or its inversion between them.
struct TFormeNue {
    // When not empty, the form is this marker alone ("-", "non usité" …).
    std::string_view Marqueur;
    // The simple form, or the auxiliary of a compound form.
    std::string_view Verbe;
    // The past participle of a compound form; empty for a simple form.
    std::string_view Participe;
    // What the participle takes to agree ("s" for nous sommes venus).
    std::string_view Accord;

    bool EstVide() const { return Marqueur.empty() && Verbe.empty(); }
    bool EstCompose() const { return !Participe.empty(); }
};

constexpr bool EstPluriel(std::uint8_t DecalageMode, int Personne) {
    // The impératif numbers its persons tu, nous, vous as 1, 2, 3.
    return DecalageMode == ModeImperatif ? Personne >= 2 : Personne >= 4;
}

// The spelling and the series the forms are written in.
struct TGraphie {
    bool Rectifiee = false;  // the rectified spelling of 1990: il connait
    bool Variante = false;   // the other accepted series: je paye, j'assieds
    // The compound tenses take the verb's other auxiliary, if it has two.
    bool AutreAuxiliaire = false;
};

class TFormes {
public:
    explicit TFormes(const TVerbe& verbe, TGraphie graphie = {});

    const TVerbe& Verbe() const { return *Verbe_; }
    // A word that is not a verb has no form at all: every request is empty.
    bool EstVerbe() const { return Verbe_->DonneGroupe() != 0; }
    // Slot 1..47: stem + ending, or a marker alone.
    std::string_view Simple(int slot) const {
        return {Octets_.data() + Debut_[slot],
                static_cast<std::size_t>(Debut_[slot + 1] - Debut_[slot])};
    }
    std::string_view Participe() const { return Simple(SlotParticipePasse); }
    // Whether the slot holds a marker rather than a form.
    bool Manque(int slot) const { return Marqueurs_ >> slot & 1; }
    // Whether the verb's own compound tenses take être (je suis venu).
    bool AvecEtre() const { return Etre_; }
    // Whether the two tables hold the same forms in every slot, and the same
    // compound forms: a spelling or series that changes none of a verb's
    // forms then writes its grid's words as the usual one does.
    bool MemesFormes(const TFormes& autre) const;
    // For the usual table (plain spelling, usual series): whether `graphie`
    // surely writes the very same forms, told without building them: the
    // model stays and, for the rectified spelling, no form has î or û.
    bool MemesSous(TGraphie graphie) const;

    // What the participle of the verb's own compound forms takes to agree:
    // "s" for the être verbs in the plural, unless it ends in s or x (éclos).
    std::string_view Accord(std::uint8_t DecalageMode, int Personne) const {
        return Etre_ && !ParticipePluriel_ && EstPluriel(DecalageMode, Personne) ? "s" : "";
    }
    // The bare form of a request of the grid, with the verb's own auxiliary.
    TFormeNue Nue(std::uint8_t CodeTemps, std::uint8_t DecalageMode, int Personne) const;
    // The marker that stands for a compound form the verb lacks, or "".
    std::string_view ManqueCompose(std::uint8_t CodeTemps, std::uint8_t DecalageMode,
                                   int Personne) const {
        return ComposesComplets_ ? std::string_view() : Manquant(CodeTemps, DecalageMode, Personne);
    }

private:
    // The forms the verb would have under `modele`, whatever the dispatch
    // would choose: for the engine's own checks of its models.
    friend TFormes FormesDuModele(const TVerbe& verbe, TPlan (*modele)(const TVerbe&));
    TFormes(const TVerbe& verbe, TPlan (*modele)(const TVerbe&));

    std::string_view Manquant(std::uint8_t CodeTemps, std::uint8_t DecalageMode,
                              int Personne) const;
    // The plain spelling's table is built by the very loop it was before the
    // rectified spelling came: the grid most asked for pays nothing for it.
    template <bool Rectifiee>
    void Remplit(TPlan (*modele)(const TVerbe&));

    static constexpr std::size_t Capacite = NombreSlots * (4 * TText::Capacite + 24);
    const TVerbe* Verbe_;
    std::array<char, Capacite> Octets_;
    std::array<std::uint16_t, NombreSlots + 2> Debut_;
    std::uint64_t Marqueurs_ = 0;
    TComposes Composes_{};  // TComposes::Tous
    // The common case, decided once: every compound form exists.
    bool ComposesComplets_ = false;
    bool ParticipePluriel_ = false;
    bool Etre_ = false;
    // The usual table's model, which MemesSous asks the other spellings about.
    bool Usuelle_ = false;
    TPlan (*Modele_)(const TVerbe&) = nullptr;
};

// avoir's (or être's) simple form in slot 1..47, as every compound line
// writes it: "ai", "eussions", "étant".
std::string_view FormeDeAuxiliaire(bool etre, int slot);

// The participle agreed as every line writes it: venue, venus; absoute; dus.
std::string AccordeParticipe(std::string_view participe, bool feminin, bool pluriel);

// The verb that names the model conjugating this one, in that spelling and
// series ("placer" for every verb in -cer, "lever" for amonceler in the
// rectified spelling); "" for a word that is not a verb.
std::string_view TypeDuModele(const TVerbe& verbe, TGraphie graphie = {});

// The verb a header may say this one is conjugated like: one whose bare
// forms follow the same pattern of endings in every slot the verb has (the
// same letters changed, dropped and added around those each form keeps of
// its infinitive: cède and règle alike, lève and appelle not), and has a
// form wherever the verb has one. The verb of the verb's own model first,
// then the other models' verbs and their examples (acheter follows lever,
// feuilleter jeter); "" for a verb that is its own model, or one no verb
// fits (mourir).
std::string_view ConjugueCommeVerbe(const TVerbe& verbe, TGraphie graphie = {});

// What the lexicon guesses the verb of an unknown form from: verbs, one or
// more of every model, whose forms show every tail a model puts after the
// letters they share with their infinitive; and the endings their
// infinitives are cut at for that (the letters a model's forms may change).
// Any verb and any of its forms share some head followed by one of these
// endings, with a tail one of these verbs has. Avoir, être and aller are
// none of them: they are in every dictionary.
std::span<const std::string_view> VerbesExemples();
std::span<const std::string_view> CoupesDesModeles();

}  // namespace florimot
