// What the two halves of the lexicon share and the front ends need not see.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "lexique.hpp"

namespace florimot {
class TFormes;
}

namespace florimot::lexique {

// The name the past participle's readings carry (TLecture::cellule), and a
// cell of the whole grid by its name (nullptr for none).
inline constexpr std::string_view PartPasse = "PartPasse";
const TCellule* Cherche(std::string_view nom);

// Longest form worth looking up, in letters: the engine keeps 24 letters of
// an infinitive, and no ending adds more than a few.
inline constexpr std::size_t LettresMax = 40;

// A text as the grids' lines are compared: normalised as typed text,
// blanks run together and trimmed, the final question mark dropped.
struct TTexteLu {
    std::string Texte;
    bool Question = false;  // it ended in "?"
    bool Ligne = false;     // blanks, a hyphen, an apostrophe or "?": maybe a line
};
TTexteLu Canonique(std::string_view texte);

// The verbs whose grid, under some options, holds the line: "je ne me lève
// pas" is se lever, présent, je, négation. Fewest options first.
std::vector<TAnalyse> LitLigne(const TTexteLu& lu);
// LitLigne, and when the text is no line itself: on read as il or elle
// ("on est venus"), or the clause after its last que ("il faut que je
// sache"), each analysis saying which line it read (TAnalyse::ligne).
std::vector<TAnalyse> LitLigneOuSubordonnee(const TTexteLu& lu);

// The readings of a word in the form index; an inverted first person
// (eussé) only when the word itself is no form. `connu`: whether the word
// is in the index at all, a form or another word of the dictionary.
std::vector<TAnalyse> LecturesIndex(std::string_view mot, bool* connu = nullptr);

// The readings of a word no index knows, under its most likely infinitives
// (GardeLesPlusProbables); none when its letters point at a known verb.
std::vector<TAnalyse> Devine(std::string_view mot);
// Devine keeps the verbs it guessed while the text goes on; this forgets
// them, for a measure of a new verb's first form.
void OublieVerbesDevines();

// The table of tails the guesses read (a tail of a form → the endings of
// the infinitives that give it), from the engine's example verbs, as the
// form index keeps it: one line per tail, "tail<TAB>ending ending…".
std::string TexteDesQueues();
// That table as the form index assembled into the program holds it; ""
// where there is none (the generator itself), and it is then made anew.
std::string_view QueuesDeLIndex();

// The infinitives whose letters could give `forme`: every head of the form
// followed by every infinitive ending the engine's models key on. Deduped,
// never longer than the engine keeps; whether they are verbs is not checked.
// `forme` is valid UTF-8. Each comes with what a guess asks of all of them
// first, made with it: its letters and its hash (Hache).
struct TPossible {
    std::string Mot;
    std::size_t Lettres;
    std::uint32_t Hache;
    bool operator==(std::string_view mot) const { return Mot == mot; }
};
std::vector<TPossible> InfinitifsPossibles(std::string_view forme);

// The grid a form is read in: the verb's own facts applied (il neige has no
// je), its pronoun not written, so that a simple line is its subject and
// its verb alone.
TLignesGrille GrilleLue(const TVerbe& verbe, const TOptions& options = {});

// Whether a verb word of the grid is the form: the word itself, or one of
// the spellings a line offers side by side ("séant/seyant").
bool Tient(std::string_view mot, std::string_view forme);

// The verb word of each line of a verb's grid, read from the engine's bare
// forms, not from the printed lines: the simple form of a simple cell, the
// participle of a compound one with the agreement its line gives it (allés);
// "" where the grid shows a marker. The lines decide only whether there is a
// form: the verb's facts take some persons away (il neige has no je).
class TMotsGrille {
public:
    // The grid as the analysis reads it (GrilleLue) in that spelling and series.
    TMotsGrille(const TVerbe& verbe, const TOptions& graphie);
    // `lignes`: the verb's grid in `graphie`, facts applied or not.
    TMotsGrille(const TVerbe& verbe, TLignesGrille lignes, const TOptions& graphie);
    // The same from the verb's bare forms already built in that spelling and series.
    TMotsGrille(const TFormes& formes, const TOptions& graphie);
    ~TMotsGrille();
    TMotsGrille(const TMotsGrille&) = delete;
    TMotsGrille& operator=(const TMotsGrille&) = delete;

    std::string Mot(const TCellule& cellule, int personne) const;
    // The bare forms its words are read from.
    const TFormes& Formes() const { return *Formes_; }
    // Whether that word is `forme` (not empty), as lexique::Tient says.
    // Inline for the simple lines, which a guess asks of every line.
    bool Tient(const TCellule& cellule, int personne, std::string_view forme) const {
        if (EstCompose(cellule) || cellule.DecalageMode == ModeInfinitif ||
            cellule.Premier >= NombreLignesGrille)
            return TientAutre(cellule, personne, forme);
        const std::string_view mot =
            Simples_[cellule.Premier + personne - cellule.PremierePersonne];
        return !mot.empty() && (Barres_ ? lexique::Tient(mot, forme) : mot == forme);
    }

private:
    TLignesGrille Lignes_;
    std::unique_ptr<TFormes> Formes_;
    // The simple words of Grille's lines, read once: a guess scans a grid
    // for one form several times (conkédé, conkédaient…), and reading each
    // word again from the bare forms was most of the scan. Empty where the
    // line has no form; Barres_ when one offers two spellings (séant/seyant).
    std::array<std::string_view, NombreLignesGrille> Simples_{};
    bool Barres_ = false;
    void LitSimples();
    bool TientAutre(const TCellule& cellule, int personne, std::string_view forme) const;
};

// The readings of `forme` in one verb's grid.
std::vector<TLecture> LecturesDansGrille(const TMotsGrille& mots, std::string_view forme);

// Whether that reading of the grid holds `forme`.
bool GrilleConfirme(const TMotsGrille& mots, std::string_view forme, const TLecture& lecture);

// The past participles the grids with the féminin and passif options show
// ("allée", "prises"), beyond the default grid's; in the spelling and
// series of `graphie`.
std::vector<std::string> ParticipesAccordes(const TVerbe& verbe, const TOptions& graphie = {});
bool ParticipeAccorde(const std::vector<std::string>& participes, std::string_view forme);

// The spellings and series a form is looked for in, the usual grid first;
// and the readings of a form in every one of them, each with the first that
// holds it, in grid order. `lit` reads one grid.
inline constexpr auto Graphies = Combinaisons<TPorteeOption::Graphie>();
template <class Lecteur>
std::vector<TLecture> LecturesDesGraphies(const TVerbe& verbe, Lecteur lit);

// The traditional spelling of a rectified infinitive (connaître for
// connaitre); "" for any other word.
std::string InfinitifTraditionnel(std::string_view infinitif);

// Every form the verb's grid holds, and the agreed participles, each with
// its reading; a participle comes once per compound line (the index keeps
// one). What the form index is made of.
// `graphie` chooses the spelling and the series of the grids read.
void FormesDuVerbe(const TVerbe& verbe, const TOptions& graphie,
                   const std::function<void(std::string_view, const TLecture&)>& rappel);

// The order of known verbs: être and avoir first, then alphabetical with
// accents folded (é with e).
bool AvantConnu(std::string_view a, std::string_view b);

// How likely a verb guessed from a form's letters is, lower first.
using TRangDevine = std::pair<int, std::size_t>;
TRangDevine RangDevine(const TVerbe& verbe);
// The same from a word's letters, before it is made a verb: the verb's own
// rank wherever DefinitVerbe keeps the word as it is (MotVue() == infinitif).
// `infinitif` is valid UTF-8, as every word the analysis reads.
TRangDevine RangDevine(std::string_view infinitif);
TRangDevine RangDevine(const TPossible& infinitif);

// Of the verbs guessed from a form's letters, only the most likely: the
// first group before the second, the second before the third, then the
// shorter infinitive. Several remain only when the letters cannot tell them
// apart (blachète: blachèter, blachéter).
void GardeLesPlusProbables(std::vector<TAnalyse>& devinees);

template <class Lecteur>
std::vector<TLecture> LecturesDesGraphies(const TVerbe& verbe, Lecteur lit) {
    std::vector<TLecture> lectures;
    // A rectified infinitive (connaitre) has its forms in that spelling only.
    const bool infinitifRectifie = InfinitifRectifie(verbe);
    for (const TOptions& g : Graphies) {
        if (infinitifRectifie && !g.Rectifiee) continue;
        for (TLecture l : lit(g)) {
            const auto meme = [&](const TLecture& m) {
                return m.Cellule == l.Cellule && m.Personne == l.Personne &&
                       m.Inversion == l.Inversion;
            };
            if (std::find_if(lectures.begin(), lectures.end(), meme) != lectures.end()) continue;
            l.Options = Reunies(Restreint(l.Options, TPorteeOption::Ligne), g);
            lectures.push_back(l);
        }
    }
    std::stable_sort(lectures.begin(), lectures.end(), [](const TLecture& a, const TLecture& b) {
        const int ra = RangCellule(a.Cellule), rb = RangCellule(b.Cellule);
        return ra != rb ? ra < rb : a.Personne < b.Personne;
    });
    return lectures;
}

}  // namespace florimot::lexique
