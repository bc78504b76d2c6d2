// The command-line front end, apart from the process itself so that tests
// and the fuzzer can drive it with any input.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "flux.hpp"

namespace florimot {

// Exit statuses.
inline constexpr int SortieSucces = 0;
inline constexpr int SortieNonVerbe = 1;       // at least one word was not a verb
inline constexpr int SortieTexteInvalide = 2;  // bad UTF-8 or NUL in a line or argument; bad usage
inline constexpr int SortieEcriture = 3;  // standard output could not be written (or was closed)
inline constexpr int SortieLecture = 4;   // standard input could not be read

// Splits a byte stream into lines ("\n", "\r\n"), whatever their length or
// content. Blanks before a line's word are skipped, as the engine skips them in
// an argument; from the word on, a line is kept only as its first
// LongueurGardee bytes (a word is never longer than 24 letters), but its
// validity is judged on all of it. A line of nothing but blanks, control and
// invisible characters is skipped like an empty one.
class LecteurLignes {
public:
    static constexpr std::size_t LongueurGardee = 4096;

    struct Ligne {
        std::size_t numero;      // 1-based
        std::string_view texte;  // from its word on, without its line end; cut to LongueurGardee
        bool valide;             // UTF-8 without NUL, over the whole line
    };
    using Rappel = std::function<void(const Ligne&)>;

    explicit LecteurLignes(Rappel rappel) : rappel_(std::move(rappel)) {}
    void Ajoute(std::string_view octets);
    void Termine();  // flushes a last line without "\n"

private:
    void Verifie(bool fin);
    void Emet();

    Rappel rappel_;
    std::string ligne_;      // kept part of the current line
    std::string enAttente_;  // bytes not yet judged (an incomplete sequence)
    std::size_t numero_ = 0;
    bool valide_ = true;
    bool commencee_ = false;
    bool coupee_ = false;  // bytes were dropped past LongueurGardee
};

// How the readable output is laid out.
struct Presentation {
    int largeur = 0;  // MiseEnPage's: 0 for one column
    bool gras = false;
};

// At a terminal: the width from COLUMNS when it is a whole number, else the
// terminal's own (`largeurTerminal`, 0 when unknown); bold unless NO_COLOR is
// set and not empty. Elsewhere, one column without bold. The two texts are the
// variables' values, null when unset.
Presentation ChoisitPresentation(bool terminal, const char* colonnes, const char* sansCouleur,
                                 int largeurTerminal);

// Runs the whole command: `arguments` excludes the program name. Output and
// messages are gathered in large blocks; the first failed write to `sortie`
// ends the run (quietly for a closed pipe, EPIPE).
int ExecuteConjugue(const std::vector<std::string>& arguments, TEntree& entree, TSortie& sortie,
                    TSortie& erreurs, Presentation presentation = {});

}  // namespace florimot
