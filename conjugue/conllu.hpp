// --conllu: a CoNLL-U file copied through, its verbs' lemmas filled.
#pragma once

#include <string>
#include <string_view>

#include "tampon.hpp"

namespace florimot {

// Takes the file in blocks of any size and appends it to `sortie` line by
// line, as it was but for the LEMMA "_" of each word tagged VERB or AUX
// that the analysis reads (LemmeDeForme, with the word's FEATS). Comments,
// blank lines, multi-word tokens ("1-2"), empty nodes ("1.1"), lines that
// are not ten fields, and lines that are not UTF-8, pass untouched. Only one
// line is held at a time, and a line longer than any word's is passed
// through as it comes: memory stays flat whatever the file.
class TLemmatiseurConllu {
public:
    explicit TLemmatiseurConllu(TTamponSortie& sortie) : Sortie_(sortie) {}

    void Ajoute(std::string_view octets);
    // After the last block: the last line, even without its line end.
    void Termine();

private:
    void Ligne(std::string_view ligne);  // with its line end, if it has one

    static constexpr std::size_t LigneMax = 1 << 16;
    TTamponSortie& Sortie_;
    std::string Ligne_;
    bool Traverse_ = false;  // within a line too long to be read: copied as it comes
};

}  // namespace florimot
