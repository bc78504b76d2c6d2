// The lexicon: from a form or a line met in a text back to its verb, tense
// and person; suggestions for a misspelt verb; what the dictionary knows of
// a verb.
//
// Analysis reads a form index generated at build time from the engine's own
// grids of every known verb (index.hpp), so a reading is never one the
// displayed conjugation does not contain, and needs no dictionary at run
// time. The dictionary (hunspell, French, with morphology) serves the
// suggestions and the notes. The engine knows nothing of this layer, and
// Florimot works without the dictionary.
//
// Threads: the dictionary loads on a thread of its own, started by the
// constructor; the first call that needs it (Suggestions, Faits, Note)
// waits for the end of loading, nothing before. After that, one TLexique serves one thread at a
// time (its grid cache is not locked): give each thread its own object, or serialise.
//
//     florimot::TLexique lexique;  // returns at once
//     ...
//     if (!lexique.Disponible()) montre(lexique.Raison());
//     const auto analyse = lexique.Analyse(texte);
//     if (!analyse.empty()) montre(florimot::DecritAnalyse(texte, analyse));
//     else for (const std::string& s : lexique.Suggestions(texte)) propose(s);
//     montre(lexique.Note(infinitif));  // "" when there is nothing to say
//
// The same face in every build: where Florimot was built without
// libhunspell, Disponible() is false, Raison() says so (RaisonSansDictionnaire),
// Suggestions, Faits and Note are empty, and analysis works all the same.
#pragma once

#include <cstddef>
#include <filesystem>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "conjugaison.hpp"

namespace florimot {

// One reading of a form: a cell of Grille and a person of that cell. A past
// participle is found as the compound lines show it ("allés"), or agreed as
// the féminin and passif options show it ("allée", "prises").
struct TLecture {
    std::string_view Cellule;  // Grille[i].Nom, or "PartPasse" for the past participle
    int Personne = 0;          // as in the grid: 1..6, 1..3 for the impératif, 0 for participles
    // The form is the first person's final e turned é or è before an inverted
    // je ("eussé-je", "aimè-je"); the grid holds it with its plain e.
    bool Inversion = false;
    // The options of the grid that holds it: those a whole line shows ("je
    // ne me lève pas": négation), none of them for a bare form; and the
    // spelling options where the form is written so only in the rectified
    // spelling of 1990 ("connait", "cèderai") or belongs only to the other
    // series of a verb that has two ("paye", "assieds", "je paye").
    TOptions Options{};

    bool operator==(const TLecture&) const = default;
};

// The readings of one verb, in grid order (the past participle last).
struct TAnalyse {
    std::string Infinitif;  // with its pronoun when a line shows it: "se lever"
    bool Connu = false;     // a known verb, not one guessed from the letters
    std::vector<TLecture> Lectures;
    // The line of the grid read, when the text is not that line itself:
    // "que je sache" of "il faut que je sache", "il est venu" of "on est
    // venus"; and the clause after que as the text wrote it.
    std::string Ligne{};
    std::string Subordonnee{};
};

// What the dictionary says of an infinitive, all its verb entries together.
struct TFaitsVerbe {
    bool Connu = false;
    bool Pronominal = false;   // only used with se: s'évanouir
    bool Impersonnel = false;  // il neige
    bool Etre = false;         // its compound tenses may take être
    bool Avoir = false;        // its compound tenses may take avoir (both: monter)
};

inline constexpr std::string_view NoteVerbeInconnu =
    "absent du dictionnaire : formes déduites des lettres";

// Raison() in a build without libhunspell: only what needs the dictionary is
// missing, the analysis of forms is not.
inline constexpr std::string_view RaisonSansDictionnaire =
    "Suggestions et notes du dictionnaire indisponibles : Florimot a été construit sans "
    "libhunspell.";

class TLexique {
public:
    // Whether this build reads a dictionary at all (libhunspell); when not,
    // no TLexique is ever Disponible().
    static bool AvecDictionnaire();
    // /usr/share/hunspell, then /usr/share/myspell/dicts.
    static std::vector<std::filesystem::path> DossiersStandard();

    // Starts loading the French dictionary of the first folder that has one
    // (fr.aff and fr.dic, or fr_FR.aff and fr_FR.dic) and returns at once.
    TLexique();
    explicit TLexique(std::vector<std::filesystem::path> dossiers);
    ~TLexique();
    TLexique(const TLexique&) = delete;
    TLexique& operator=(const TLexique&) = delete;

    // Whether loading has ended; never waits.
    bool Pret() const;
    // Wait for loading. Raison() is "" when the dictionary is available, else
    // a French sentence saying why the suggestions and notes are not (the
    // analysis needs no dictionary).
    bool Disponible() const;
    const std::string& Raison() const;

    // AnalyseTexte: it needs no dictionary, and never waits for it.
    std::vector<TAnalyse> Analyse(std::string_view forme);

    // At most `maximum` verbs or verb forms close to a misspelt `texte`,
    // the dictionary's best first: infinitives the engine conjugates, and
    // forms Analyse reads. Takes a tenth of a second or more: call it when
    // Analyse found nothing, not on every key.
    std::vector<std::string> Suggestions(std::string_view texte, std::size_t maximum = 6);

    // The infinitive as the engine reads it: "s'évanouir" and "se lever"
    // are évanouir and lever.
    TFaitsVerbe Faits(std::string_view infinitif);
    // A short French note on the verb for the front ends: "" when there is
    // nothing to say, NoteVerbeInconnu for a verb the dictionary lacks.
    std::string Note(std::string_view infinitif);

private:
    struct TDonnees;
    std::unique_ptr<TDonnees> Donnees_;
    mutable std::future<void> Chargement_;
    void Attend() const;
};

// The verbs whose grid holds `texte`: a form ("allions"; blanks around it
// and capitals forgiven), or a whole line as the grid writes it under any
// options ("je ne me lève pas", "va-t'en", "puis-je ?"; blanks run
// together, capitals, ’ for '). Known verbs come from the form index, in
// its order; a word no known verb has is read under the infinitives its
// letters most likely come from (googlions: googler). Empty for no verb
// form, for text that is not valid UTF-8, and for a text longer than any
// line. An infinitive is no reading (no line of the grid shows it).
std::vector<TAnalyse> AnalyseTexte(std::string_view texte);

// The spelling options of a reading, the others left off: the options of the
// grid a bare form is read from.
TOptions OptionsDeLecture(const TLecture& lecture);

// The check every reported reading passes, from the infinitive: its grid in
// the reading's spelling and series holds `forme` in that cell and person; a
// past participle may also be agreed as the féminin and passif options show
// it ("allée", "prises").
bool Confirme(std::string_view infinitif, std::string_view forme, const TLecture& lecture);

// "« allions » : aller, indicatif imparfait et subjonctif présent, nous —
// allier, indicatif présent et impératif présent, nous"; "« été » : participe
// passé d'être"; "« eussé » : avoir, subjonctif imparfait, je (eussé-je)";
// a guessed verb is followed by "(absent du dictionnaire)", a reading of one
// spelling or series only by "(orthographe rectifiée)" or "(autre forme)";
// "« xyz » : aucune forme verbale connue" for no reading.
std::string DecritAnalyse(std::string_view forme, const std::vector<TAnalyse>& analyse);

// The note of Note() built from facts already at hand.
std::string NoteVerbe(std::string_view infinitif, const TFaitsVerbe& faits);

namespace lexique {

// The word as the grids spell it: the engine's NormaliseSaisie (accents
// composed, lower case, ’ read as '), blanks around it dropped. Nothing for
// text that is not valid UTF-8, that is empty, that holds more than one word,
// or that is longer than the 40 letters no verb form reaches.
std::optional<std::string> Normalise(std::string_view texte);

// Whether a word is already as the grids spell it: lower-case letters,
// accented ones included, and nothing the normaliser would change. Most
// words of a batch are, and skip it.
bool DejaNormal(std::string_view mot);

// Where a reading's cell stands in the whole table (GrilleComplete): the
// cells without person after the conjugated tenses.
int RangCellule(std::string_view cellule);

}  // namespace lexique

}  // namespace florimot
