#include "historique.hpp"

namespace florimot {

void THistorique::Memorise(const QString& texte, const TOptions& options, int page) {
    if (!Etapes_.empty() && Etapes_[Position_].Texte == texte) {
        Etapes_[Position_].Options = options;
        return;
    }
    if (!Etapes_.empty()) {
        Etapes_[Position_].Page = page;
        Etapes_.resize(Position_ + 1);
    }
    Etapes_.push_back({texte, options, page});
    Position_ = Etapes_.size() - 1;
}

const THistorique::TEtape* THistorique::VaA(std::size_t position, int page) {
    if (position >= Etapes_.size()) return nullptr;
    Etapes_[Position_].Page = page;
    Position_ = position;
    return &Etapes_[position];
}

}  // namespace florimot
