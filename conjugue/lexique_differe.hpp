// The lexicon as the command line uses it: loaded only when a text needs it.
#pragma once

#include <memory>
#include <string>

#include "lexique.hpp"

namespace florimot {

// Conjugating a batch read on standard input never waits for the
// dictionary: it is loaded at the first text that asks for a suggestion or
// a verb's entry. Analysis needs no dictionary (AnalyseTexte), so it never
// goes through here.
class TLexiqueDiffere {
public:
    // `messages`: standard error's buffer. `signale`: whether a missing
    // dictionary is reported there (once); conjugating works exactly as
    // without one, so only --analyse says it.
    TLexiqueDiffere(std::string& messages, bool signale) : Messages_(messages), Signale_(signale) {}

    // The loaded lexicon, or nullptr when its dictionary is unavailable.
    TLexique* Lexique();

private:
    std::string& Messages_;
    bool Signale_;
    bool Dit_ = false;
    std::unique_ptr<TLexique> Lexique_;
};

}  // namespace florimot
