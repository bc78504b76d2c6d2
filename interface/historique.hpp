// Back and forth among the verbs conjugated in a run, each with the options
// and the page it was left with.
#pragma once

#include <QString>
#include <cstddef>
#include <vector>

#include "conjugaison.hpp"

namespace florimot {

class THistorique {
public:
    struct TEtape {
        QString Texte;
        TOptions Options;
        int Page;
    };

    // `texte` shown becomes the last step, the steps after the current one
    // forgotten, or the current one takes `options` if it is the same text;
    // `page`: the page the current step is left on.
    void Memorise(const QString& texte, const TOptions& options, int page);
    // The step at `position`, the current one being left on `page`; null
    // when there is none.
    const TEtape* VaA(std::size_t position, int page);

    std::size_t Position() const { return Position_; }
    bool APrecedent() const { return Position_ > 0; }
    bool ASuivant() const { return Position_ + 1 < Etapes_.size(); }

private:
    std::vector<TEtape> Etapes_;
    std::size_t Position_ = 0;
};

}  // namespace florimot
