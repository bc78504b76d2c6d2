// Exercises drawn from the verbs' own lines: a worksheet's items and their
// answer key, the same for a practice session. A seed makes the same items
// again. No item asks for a line the verb does not have.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "conjugaison.hpp"

namespace florimot {

// What an item asks for.
enum class TGenreExercice : unsigned char {
    Trou,        // (finir, passé simple) Nous ______ .
    Phrase,      // a sentence with the verb in brackets: Hier, nous ______ (finir).
    TempsEntier  // every person of one tense
};

struct TChoixFiche {
    std::vector<std::string> Verbes;  // as typed, pronoun and all
    // Indices in Grille; none for every tense.
    std::vector<std::size_t> Temps;
    // 1 (je) to 6 (ils); none for every person. The impératif's are 2, 4, 5.
    std::vector<int> Personnes;
    TOptions Options;
    TGenreExercice Genre = TGenreExercice::Trou;
    int Nombre = 10;
    std::uint64_t Graine = 1;

    bool operator==(const TChoixFiche&) const = default;
};

// One person's blank and what fills it.
struct TReponse {
    int Personne = 0;      // 1 to 6 as in TFiltre; 0 for the participe présent
    std::size_t Rang = 0;  // its line in the cell, from the cell's first
    // What the sheet prints before the blank: "nous", "que je", "j'"; "" when
    // the line starts with the verb (the impératif, a question).
    std::string Amorce;
    // The accepted lines, the one the options show first, each once:
    // "je paie", "je paye".
    std::vector<std::string> Lignes;
    // The same lines without the Amorce: what fills the blank.
    std::vector<std::string> Formes;
};

struct TItem {
    std::string Verbe;               // as people write it: "se lever"
    std::size_t TCellule = 0;        // index in Grille
    std::vector<TReponse> Reponses;  // one, or a whole tense's persons
    // The auxiliary of a compound tense, "avoir" or "être"; "" for a simple one.
    std::string_view Auxiliaire;
};

struct TFiche {
    TChoixFiche Choix;
    std::vector<TItem> Items;
    // The texts of Choix.Verbes that are not verbs, as typed.
    std::vector<std::string> Refuses;
};

// The items of a worksheet: as many as asked for where the verbs and tenses
// have that many distinct ones, else every one they have. The same choices
// give the same items.
TFiche GenereFiche(const TChoixFiche& choix);

// Drawing verbs. Each list is in the facts table's order, empty without the
// dictionary; a model or group no known verb has gives none.
// The verbs conjugated like `modele` ("acquérir"), the model itself included.
std::vector<std::string> VerbesComme(std::string_view modele);
// The known verbs of group 1, 2 or 3.
std::vector<std::string> VerbesDuGroupe(int groupe);
// The hundred most common verbs of the facts' list (VerbesCourants), most
// common first.
std::vector<std::string> CentVerbesCourants();

}  // namespace florimot
