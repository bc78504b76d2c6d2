// The verb record: the typed infinitive as the engine sees it.
//
// Text crosses this boundary as UTF-8, but every count here is in letters:
// "é" is one letter for Longueur, Droite, Gauche and LettreFin, so the ending
// tests read the same whether a word carries accents or not.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace florimot {

// Whether a verb takes either auxiliary, and why: a verb of movement (être
// alone, avoir with an object: je suis monté, j'ai monté les valises), or a
// verb of action and state (il a disparu, il est disparu).
enum class TDeuxAuxiliaires : std::uint8_t { Non, Mouvement, ActionEtat };
TDeuxAuxiliaires AuxiliairesDe(std::string_view infinitif);
// The infinitives of one kind, as the grammars list them.
std::span<const std::string_view> VerbesDeuxAuxiliaires(TDeuxAuxiliaires sorte);

// The pronoun a text starts with.
enum class TPronom : std::uint8_t { Aucun, Se, En, Y };  // "", "se", "s'en", "s'y"

// A verbal phrase: a verb and the complement that follows it ("faire
// attention", "se rendre compte"), or a pronominal verb that takes y or en.
struct TLocution {
    TPronom Pronom;
    std::string_view Verbe;       // the infinitive
    std::string_view Complement;  // "" for the verbs that only take y or en
    // The reflexive pronoun is an indirect object (se rendre compte de
    // quelque chose, en vouloir à quelqu'un): the participle never agrees.
    bool ReflechiIndirect;
};

// Whether `mot` ends in `s`, compared from the end, byte by byte: the
// ordered ending lists are read for every verb, and most endings differ
// from the word in their last three bytes, where a call to memcmp would
// cost more than the loop.
constexpr bool TerminePar(std::string_view mot, std::string_view s) {
    if (s.size() > mot.size()) return false;
    for (std::size_t i = 1; i <= s.size(); ++i)
        if (mot[mot.size() - i] != s[s.size() - i]) return false;
    return true;
}

class TText {
public:
    static constexpr std::uint8_t Capacite = 24;  // letters kept from a text

    TText() = default;

    // Copies the word that begins `texte` (blanks before it skipped): its first
    // character whatever it is, then up to the first blank or end of text.
    // Bytes that are not valid UTF-8 each become U+FFFD, and every control
    // character and line or paragraph separator reads as a blank, so that no
    // caller can smuggle a separator into a word. A word longer than Capacite
    // keeps its first Capacite letters and is TropLong: never taken for the
    // shorter word.
    void Affecte(std::string_view texte);
    bool TropLong() const { return TropLong_; }

    std::uint8_t Longueur() const { return Fin == 0 ? 0 : static_cast<std::uint8_t>(Fin - 1); }
    // k = 1 is the last letter; 0 once k reaches past the first letter.
    char32_t LettreFin(std::uint8_t k) const;

    // The word, its last n letters and its first n, as views into the record.
    std::string_view MotVue() const { return {Octets.data(), Fin == 0 ? 0u : Debut[Fin]}; }
    std::string_view DroiteVue(std::uint8_t n) const;
    std::string_view GaucheVue(std::uint8_t n) const;
    bool TerminePar(std::string_view s) const { return florimot::TerminePar(MotVue(), s); }
    bool Est(std::string_view s) const { return MotVue() == s; }
    bool CommencePar(std::string_view s) const { return MotVue().starts_with(s); }

private:
    // Letters 1..Longueur; position 0 stays 0 so LettreFin(Longueur + 1) reads 0.
    std::array<char32_t, Capacite + 1> Lettres{};
    std::uint8_t Fin = 0;
    // The same letters as UTF-8, and where letter i starts in it (Debut[Fin]
    // is the end), so stems and endings are plain byte ranges.
    std::array<char, Capacite * 4> Octets{};
    std::array<std::uint16_t, Capacite + 2> Debut{};
    bool TropLong_ = false;
};

class TVerbe : public TText {
public:
    TVerbe() = default;

    // The text normalised as typed text is (NormaliseSaisie), its pronoun
    // read ("se lever", "s'asseoir", "s'en aller", "s'y prendre"), then
    // Affecte on the infinitive and ClasseGroupe. A word not written as a
    // verb is (EstMotDeVerbe), a second pronoun ("se s'lever") or a word too
    // long is no verb. Whatever follows the infinitive must be the
    // complement of a known phrase ("faire attention"); a text that is not,
    // or "s'y" before a verb that does not take it, is no verb (group 0),
    // never cut to its first word.
    void DefinitVerbe(std::string_view texte);
    // "se lever": its compound tenses take être, its lines a reflexive pronoun.
    bool EstPronominal() const { return Pronominal; }
    // For a verb that never goes without its pronoun (évanouir typed alone
    // is s'évanouir): the verb takes it, as if typed with it.
    void AjoutePronom() {
        if (NumGroupe != 0) Pronominal = true;
    }
    // Whether no model conjugates the word (etre, typed without its
    // accent): every cell but its infinitive would be "-". Only a verb known
    // to have no other form (courre) is one all the same.
    bool SansModele() const;
    // For such a word: no verb at all.
    void OteVerbe();
    // "s'en aller": the pronoun "en" follows the reflexive one.
    bool AvecEn() const { return En; }
    // "s'y prendre": the pronoun "y" follows the reflexive one.
    bool AvecY() const { return Y; }
    // What follows the verb in every line ("compte" for se rendre compte),
    // or "".
    std::string_view Complement() const { return Locution ? Locution->Complement : ""; }
    // The participle of its compound lines never agrees: the reflexive
    // pronoun is an indirect object (elle s'est rendu compte).
    bool ReflechiIndirect() const { return Locution && Locution->ReflechiIndirect; }
    // The text as people write it: "se lever", "s'asseoir", "s'en aller",
    // "se rendre compte", or the infinitive alone; a text refused as no verb
    // is echoed whole (up to EchoMax letters); a word too long, as its first
    // Capacite letters and "…".
    std::string Intitule() const;
    static constexpr std::size_t EchoMax = 2 * Capacite;
    // 0 not a verb, 1, 2 or 3.
    std::uint8_t DonneGroupe() const { return NumGroupe; }
    // Whether its compound tenses take être (je suis venu) rather than avoir.
    bool AvecEtre() const { return Etre; }
    // Whether its compound tenses may take the other auxiliary too; never
    // for a pronominal verb or a phrase, which keep theirs.
    TDeuxAuxiliaires Auxiliaires() const {
        return Pronominal || Locution != nullptr ? TDeuxAuxiliaires::Non : Sorte;
    }
    // The auxiliary its compound tenses take, its other one when `autre`
    // and it has both.
    bool AvecEtre(bool autre) const {
        return Etre != (autre && Auxiliaires() != TDeuxAuxiliaires::Non);
    }

private:
    void ClasseGroupe();
    std::uint8_t NumGroupe = 0;
    bool Pronominal = false;
    bool En = false;
    bool Y = false;
    const TLocution* Locution = nullptr;
    // The text as read, for a text refused for what follows its first word.
    std::string Refuse;
    // Decided once with the group: every compound form asks for it.
    bool Etre = false;
    TDeuxAuxiliaires Sorte = TDeuxAuxiliaires::Non;
};

// The group ClasseGroupe gives a verb whose word is `mot` (0: none), from
// its letters alone: a guess ranks a form's possible infinitives by it
// before any of them is made a verb.
std::uint8_t GroupeDuMot(std::string_view mot);

// Whether the infinitive is itself written in the rectified spelling of 1990
// (connaitre, croitre): its forms then are too, whatever was asked.
bool InfinitifRectifie(const TVerbe& verbe);

// Whether je, me, te, se, ne and que elide before `mot`, a word of this verb's
// lines: before a vowel, and before the mute h of the verbs known to have one
// (j'habite, but je hais).
bool ElideDevant(const TVerbe& verbe, std::string_view mot);

// Whether a blank typed after `texte` may lead to a text DefinitVerbe reads:
// after the pronoun ("se", "s'en", "s'y") or the verb of a phrase that takes a
// complement ("faire", "se rendre"). An entry keeps such blanks only.
bool BlancPermisApres(std::string_view texte);

// Where the verb's own letters begin in a normalised text (NormaliseSaisie)
// that starts with its pronoun: after "se ", "s'", "s' ", "s'en " or "s'y "
// and the blanks that follow; 0 for a text without one. What follows may
// still be empty: an entry being typed has its pronoun before its verb.
// `pronom`, when given, receives the pronoun read.
std::size_t DebutDuVerbe(std::string_view texte, TPronom* pronom = nullptr);

}  // namespace florimot
