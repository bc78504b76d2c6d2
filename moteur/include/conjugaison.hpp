// The engine's entry points: one finished line, or the whole grid.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "options.hpp"
#include "verbe.hpp"

namespace florimot {

// What a verb lacks is said by a marker, which always stands alone: never
// glued to a stem, never given a pronoun.
inline constexpr std::string_view Absent = "-";
inline constexpr std::string_view NonUsite = "non usité";
inline constexpr std::string_view PasDImperatif = "pas d'impératif";

constexpr bool EstMarqueur(std::string_view s) {
    return s == Absent || s == NonUsite || s == PasDImperatif;
}

// The modes of a request, as the offset of their first slot in a model's
// table of endings: ConjugueForme's DecalageMode.
inline constexpr std::uint8_t ModeIndicatif = 0;
inline constexpr std::uint8_t ModeSubjonctif = 24;
inline constexpr std::uint8_t ModeConditionnel = 36;
inline constexpr std::uint8_t ModeImperatif = 42;
inline constexpr std::uint8_t ModeParticipe = 47;

// The tenses of a mode: the simple ones count from 0 (présent, imparfait,
// passé simple, futur), each compound one is its simple tense's code plus
// 10, and the conditionnel passé 2e forme is 15.
inline constexpr std::uint8_t PremierCodeCompose = 10;

constexpr bool EstCompose(std::uint8_t CodeTemps) {
    return CodeTemps >= PremierCodeCompose;
}

// The options in force, as a caption: "féminin, négation"; "" for none.
std::string DecritOptions(const TOptions& options);
// The same for one verb: the auxiliary named as it takes it ("auxiliaire
// avoir" for monter), and left out for a verb that has one only.
std::string DecritOptions(const TOptions& options, const TVerbe& verbe);

// The options that give the verb the auxiliary asked for (`etre`): the
// other one on when the verb takes both and that is not its usual one.
TOptions AvecAuxiliaire(TOptions options, const TVerbe& verbe, bool etre);

// What a verb allows beyond what its letters say, known from a table the
// engine does not hold: the caller passes it with the options. The default is
// a word nobody knows, conjugated as its letters say (every person, a passive,
// the participle agreeing in the pronominal voice).
struct TFaits {
    bool Connu = false;                // the table knows the verb
    bool Passif = true;                // it takes a direct object, hence a passive
    bool Impersonnel = false;          // il alone: il neige, il faut, il s'agit
    bool TroisiemesPersonnes = false;  // il and ils alone: il s'ensuit, ils s'ensuivent
    bool Pronominal = false;           // never without its pronoun: s'évanouir
    bool Reciproque = false;           // in the plural alone: nous nous entraidons
    bool ReflechiIndirect = false;     // se is an indirect object: ils se sont plu
    bool PeutEtrePronominal = false;   // has a pronominal use besides: se lever
    bool ParticipeInvariable = false;  // the participle never agrees: pu, suffi, nui

    bool operator==(const TFaits&) const = default;
};

// Whether a verb has no passive voice, its lines under Passif all "-": it
// takes no direct object (pronominal, conjugated with être, impersonal,
// without participle, the auxiliaries, a phrase) or the facts say so. False
// for a word that is not a verb: there is no voice to speak of.
// Under AutreAuxiliaire, a verb of movement takes avoir and has one.
bool SansVoixPassive(const TVerbe& verbe, const TFaits& faits, const TOptions& options = {});

// The first line where the verb's other series differs from the one the
// options show ("je paye" for payer, "je paie" under Variante); "" for a
// verb with one series only.
std::string AutreForme(const TVerbe& verbe, const TOptions& options = {});

// One finished line: the form with its pronouns ("je ", "j'", "que ", "qu'",
// "je me "), the markers "-", "non usité" and "pas d'impératif" alone, "" for
// a word that is not a verb or a request outside the grid.
std::string ConjugueForme(const TVerbe& verbe, std::uint8_t CodeTemps, std::uint8_t DecalageMode,
                          int Personne, const TOptions& options = {}, const TFaits& faits = {});

struct TCellule;

// The same line named by its cell: the person counts from the cell's
// PremierePersonne to its DernierePersonne.
std::string ConjugueForme(const TVerbe& verbe, const TCellule& cellule, int Personne,
                          const TOptions& options = {}, const TFaits& faits = {});

// One cell of the conjugation grid: a list of the window, a block of the
// command line's output.
struct TCellule {
    std::string_view Nom;    // component name, "PresInd"
    std::string_view Mode;   // group caption, "Indicatif"
    std::string_view Temps;  // tense caption, "Présent" ("" for the participle)
    std::uint8_t CodeTemps;
    std::uint8_t DecalageMode;
    std::uint8_t PremierePersonne;
    std::uint8_t DernierePersonne;
    std::uint8_t Premier;  // index of its first line in a grid

    constexpr int NombreLignes() const { return DernierePersonne - PremierePersonne + 1; }
};

constexpr bool EstCompose(const TCellule& c) {
    return EstCompose(c.CodeTemps);
}

// The modes that have no person: the infinitive and the gérondif. The
// participle is ModeParticipe; its simple past (CodeTemps 1) holds the four
// agreed forms as persons 1 to 4: masculine and feminine singular, then plural.
inline constexpr std::uint8_t ModeInfinitif = 48;
inline constexpr std::uint8_t ModeGerondif = 49;
inline constexpr std::uint8_t CodePartPasse = 1;

// The lines of the 18 cells everything has long read (the TSV's 97 forms),
// and of the whole table with the infinitive, participles and gérondif.
inline constexpr int NombreLignesGrille = 97;
inline constexpr int NombreLignesComplet = 106;

// The whole table, in the order the lists are filled: its first 18 cells are
// Grille, then the forms without person a conjugation book adds.
inline constexpr std::array<TCellule, 24> GrilleComplete = {{
    {"PresInd", "Indicatif", "Présent", 0, 0, 1, 6, 0},
    {"PCInd", "Indicatif", "Passé Composé", 10, 0, 1, 6, 6},
    {"ImpInd", "Indicatif", "Imparfait", 1, 0, 1, 6, 12},
    {"PqpInd", "Indicatif", "Plus-que-Parfait", 11, 0, 1, 6, 18},
    {"PSInd", "Indicatif", "Passé Simple", 2, 0, 1, 6, 24},
    {"PAInd", "Indicatif", "Passé Antérieur", 12, 0, 1, 6, 30},
    {"FSInd", "Indicatif", "Futur Simple", 3, 0, 1, 6, 36},
    {"FAInd", "Indicatif", "Futur Antérieur", 13, 0, 1, 6, 42},
    {"PresSubj", "Subjonctif", "Présent", 0, 24, 1, 6, 48},
    {"PCSubj", "Subjonctif", "Passé", 10, 24, 1, 6, 54},
    {"ImpSubj", "Subjonctif", "Imparfait", 1, 24, 1, 6, 60},
    {"PQPSubj", "Subjonctif", "Plus-que-Parfait", 11, 24, 1, 6, 66},
    {"PresImp", "Impératif", "Présent", 0, 42, 1, 3, 72},
    {"PCImp", "Impératif", "Passé", 10, 42, 1, 3, 75},
    {"PresCond", "Conditionnel", "Présent", 0, 36, 1, 6, 78},
    {"P1Cond", "Conditionnel", "Passé 1° Forme", 10, 36, 1, 6, 84},
    {"P2Cond", "Conditionnel", "Passé 2° Forme", 15, 36, 1, 6, 90},
    {"PartPres", "Participe Présent", "", 0, 47, 0, 0, 96},
    {"InfPres", "Infinitif", "Présent", 0, ModeInfinitif, 0, 0, 97},
    {"InfPasse", "Infinitif", "Passé", 10, ModeInfinitif, 0, 0, 98},
    {"PartPasse", "Participe", "Passé", CodePartPasse, 47, 1, 4, 99},
    {"PartPasseComp", "Participe", "Passé Composé", 10, 47, 0, 0, 103},
    {"GerPres", "Gérondif", "Présent", 0, ModeGerondif, 0, 0, 104},
    {"GerPasse", "Gérondif", "Passé", 10, ModeGerondif, 0, 0, 105},
}};

// The cell named `nom` ("PresInd"), found while compiling: a name no cell
// has reads past the table and does not compile.
consteval const TCellule& CelluleNommee(std::string_view nom) {
    std::size_t i = 0;
    while (GrilleComplete[i].Nom != nom) ++i;
    return GrilleComplete[i];
}

namespace detail {
template <std::size_t N, std::size_t M>
constexpr std::array<TCellule, N> Debut(const std::array<TCellule, M>& cellules) {
    std::array<TCellule, N> debut{};
    for (std::size_t i = 0; i < N; ++i) debut[i] = cellules[i];
    return debut;
}
}  // namespace detail

// The 18 cells of the conjugated tenses and the participe présent: what the
// TSV writes, and what the analysis of a form reads.
inline constexpr std::array<TCellule, 18> Grille = detail::Debut<18>(GrilleComplete);

// The finished lines of one verb, cell after cell in the order of
// GrilleComplete, kept end to end in one buffer: a grid costs one
// allocation, not 106. size() counts the lines of Grille only, the ones
// readers of the 18 cells walk through; the others follow them.
class TFormes;

class TLignesGrille {
public:
    std::string_view operator[](std::size_t i) const {
        return std::string_view(Texte).substr(Debut[i], Debut[i + 1] - Debut[i]);
    }
    static constexpr std::size_t size() { return NombreLignesGrille; }
    static constexpr std::size_t Complet() { return NombreLignesComplet; }
    bool operator==(const TLignesGrille&) const = default;

private:
    friend TLignesGrille ConjugueGrille(const TFormes& formes, const TOptions& options,
                                        const TFaits& faits);
    std::string Texte;
    std::array<std::uint32_t, NombreLignesComplet + 1> Debut{};
};

TLignesGrille ConjugueGrille(const TVerbe& verbe, const TOptions& options = {},
                             const TFaits& faits = {});
// The same from the verb's bare forms, built in the spelling, series and
// auxiliary of `options`: a caller that has them does not build them again.
TLignesGrille ConjugueGrille(const TFormes& formes, const TOptions& options, const TFaits& faits);

// Whether the grid holds no form at all: a word that is not a verb, or one
// every line of which is a marker ("entre", which no model knows).
bool AucuneForme(const TLignesGrille& lignes);

// AutreForme for the grid already built under these options and facts
// (`ici`): only the other series' grid is built, with the same facts, so
// that the line named is one the verb's grid has.
std::string AutreForme(const TVerbe& verbe, const TOptions& options, const TFaits& faits,
                       const TLignesGrille& ici);

// The bytes a front end wraps each line of a grid in, so that the lines are
// written once, straight into its own output: Debut then Prefixe[i] before
// line i (cell after cell in the order of GrilleComplete, person after
// person, as in TLignesGrille), Fin after every line. The engine copies them
// as they are. Debut is what changes from one verb to the next (TSV's word),
// so that the prefixes can be made once for all verbs.
struct TCadreGrille {
    std::string_view Debut;
    std::array<std::string_view, NombreLignesComplet> Prefixe{};
    std::string_view Fin;
    // The lines written: Grille's (the TSV's 97), or the whole table's.
    std::size_t Lignes = NombreLignesGrille;

    // The most bytes a grid takes in this frame.
    std::size_t TailleMax() const;
};

// Writes the grid of `verbe` in `cadre` from `tampon`, which holds at least
// cadre.TailleMax() bytes; returns the end of what was written. A word that
// is not a verb gets its frame around empty lines.
char* ConjugueGrille(const TVerbe& verbe, const TOptions& options, const TFaits& faits,
                     const TCadreGrille& cadre, char* tampon);

// The verb whose conjugation this one follows, as conjugation books name it
// ("placer" for commencer): one whose bare forms follow the same pattern of
// endings in every cell (ConjugueCommeVerbe); "" for a verb that is its own
// model, one no model's verb fits, or no verb.
std::string_view ModeleDuVerbe(const TVerbe& verbe, const TOptions& options = {});
// For a verb no model's verb fits, the family its model belongs to
// ("courir" for mourir), to be shown as such rather than as "comme"; ""
// otherwise.
std::string_view FamilleDuVerbe(const TVerbe& verbe, const TOptions& options = {});

}  // namespace florimot
