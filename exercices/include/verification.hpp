// What a typed answer is: right, right but for its accents or capitals, or
// another line of the verb (which tense, which person), or none of its lines.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "exercices.hpp"

namespace florimot {

enum class TVerdict : unsigned char { Juste, JusteSaufAccents, Faux };

enum class TGenreAccent : unsigned char { Aucun, Aigu, Grave, Circonflexe, Trema, Cedille };

// A line of the verb's grid the typed answer is.
struct TLectureReponse {
    std::size_t TCellule = 0;  // index in GrilleComplete
    int Personne = 0;          // 1 to 6; 0 for the cells without persons
    bool operator==(const TLectureReponse&) const = default;
};

struct TVerdictReponse {
    TVerdict Verdict = TVerdict::Faux;
    std::string Tape;      // the answer as typed, blanks trimmed
    std::string Attendue;  // the accepted line it is compared with
    // The other accepted lines of a right answer: "je paye" beside "je paie".
    std::vector<std::string> Autres;
    // Where the typed answer and the right one part, when only their
    // accents or capitals do.
    bool Majuscules = false;
    TGenreAccent Manque = TGenreAccent::Aucun;  // the accent the right one has there
    TGenreAccent EnTrop = TGenreAccent::Aucun;  // the accent typed there instead
    // Which lines of the verb the typed answer is, apart from the one asked
    // for, when it is wrong: "finissait", the imparfait's third person.
    std::vector<TLectureReponse> Lectures;
};

// Checks `tape` against the answer `reponse` (an index in item.Reponses) of
// `item`, made under `options`. The pupil may type the whole line or only
// what fills the blank. `indulgent` counts an answer right but for accents
// or capitals as right (JusteSaufAccents), wrong otherwise.
TVerdictReponse DiagnostiqueReponse(const TItem& item, std::size_t reponse, std::string_view tape,
                                    const TOptions& options, bool indulgent);

}  // namespace florimot
