// conjugue's command line, read once into what the run is to do.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "conjugaison.hpp"
#include "ecrivains.hpp"
#include "filtre.hpp"

namespace florimot {

struct TArguments {
    enum class Demande {
        Conjuguer,  // or analyse: the texts, else standard input
        Aide,       // -h, --help: nothing else is read after it
        Version,    // -V, --version: likewise
        Refus,      // bad usage: `refus` says why
    };
    Demande demande = Demande::Conjuguer;
    std::string refus;  // the whole message for standard error, with its line end

    FormatSortie format = FormatSortie::Lisible;
    TOptions options;
    TFiltre filtre;
    bool analyse = false;
    bool complet = false;
    // --toutes: with --analyse, a line for every text, read or not.
    bool toutes = false;
    // --suggestions: suggestions for misses on standard input too (they are
    // given for the texts of the command line already).
    bool suggestions = false;
    // --anglais TEXT, each time given: English texts to find French verbs for.
    std::vector<std::string_view> anglais;
    // --ecouter: each verb's lines said aloud as well.
    bool ecouter = false;
    // The texts to conjugate or analyse, as given (views into the
    // arguments); not yet checked for UTF-8. None: read standard input.
    std::vector<std::string_view> textes;
};

// `arguments` excludes the program name and must outlive the result.
TArguments LitArguments(const std::vector<std::string>& arguments);

// Valid UTF-8 without NUL: what a text or an option's value must be.
bool EstTexteAcceptable(std::string_view s);

}  // namespace florimot
