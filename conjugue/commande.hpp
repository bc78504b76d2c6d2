// The command-line front end, apart from the process itself so that tests
// and the fuzzer can drive it with any input.
#pragma once

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace florimot {

// Exit statuses.
inline constexpr int SortieSucces = 0;
inline constexpr int SortieNonVerbe = 1;       // at least one word was not a verb
inline constexpr int SortieTexteInvalide = 2;  // bad UTF-8 or NUL in a line or argument; bad usage
inline constexpr int SortieEcriture = 3;       // standard output could not be written

// Splits a byte stream into lines ("\n", "\r\n"), whatever their length or
// content. A line longer than LongueurGardee is kept only as its first
// LongueurGardee bytes (a word is never longer than 24 letters), but its
// validity is judged on all of it.
class LecteurLignes {
public:
    static constexpr std::size_t LongueurGardee = 4096;

    struct Ligne {
        std::size_t numero;      // 1-based
        std::string_view texte;  // without its line end; cut to LongueurGardee
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
};

// Runs the whole command: `arguments` excludes the program name.
int ExecuteConjugue(const std::vector<std::string>& arguments, std::istream& entree,
                    std::ostream& sortie, std::ostream& erreurs);

}  // namespace florimot
