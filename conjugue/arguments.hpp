// conjugue's command line, read once into what the run is to do.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "conjugaison.hpp"
#include "ecrivains.hpp"
#include "fiche.hpp"
#include "filtre.hpp"

namespace florimot {

struct TArguments {
    enum class TDemande {
        Conjuguer,  // or analyse: the texts, else standard input
        Aide,       // -h, --help: nothing else is read after it
        AideTemps,  // --aide-temps: likewise
        Version,    // -V, --version: likewise
        Refus,      // bad usage: `refus` says why
    };
    TDemande Demande = TDemande::Conjuguer;
    std::string Refus;  // the whole message for standard error, with its line end

    TFormatSortie Format = TFormatSortie::Lisible;
    TOptions Options;
    // --auxiliaire: the auxiliary asked for (true: être), for the verbs that
    // take both; each verb's options say it (AvecAuxiliaire).
    std::optional<bool> AuxiliaireEtre;
    TFiltre Filtre;
    bool Analyse = false;
    bool Complet = false;
    // --toutes: with --analyse, a line for every text, read or not.
    bool Toutes = false;
    // --suggestions: suggestions for misses on standard input too (they are
    // given for the texts of the command line already).
    bool Suggestions = false;
    // --format: JSON's keys of this version (2) or of the one before (1).
    int FormatJson = FormatJsonActuel;
    // --traits: the feature schemes added to each line.
    TTraitsDemandes Traits;
    // --conllu: standard input is a CoNLL-U file whose verbs' lemmas are filled.
    bool Conllu = false;
    // --pourquoi: the readable output says why each participle agrees.
    bool Pourquoi = false;
    // --modele: the texts' models and the other verbs that follow them.
    bool Modele = false;
    // --exercices and what it draws from; every --temps and --personne too.
    TDemandeFiche Fiche;
    // --anglais TEXT, each time given: English texts to find French verbs for.
    std::vector<std::string_view> Anglais;
    // --ecouter: each verb's lines said aloud as well.
    bool Ecouter = false;
    // The texts to conjugate or analyse, as given (views into the
    // arguments); not yet checked for UTF-8. None: read standard input.
    std::vector<std::string_view> Textes;
};

// `arguments` excludes the program name and must outlive the result.
TArguments LitArguments(const std::vector<std::string>& arguments);

// Valid UTF-8 without NUL: what a text or an option's value must be.
bool EstTexteAcceptable(std::string_view s);

}  // namespace florimot
