#include "lexique_differe.hpp"

namespace florimot {

TLexique* TLexiqueDiffere::Lexique() {
    if (!Lexique_) Lexique_ = std::make_unique<TLexique>();
    if (Lexique_->Disponible()) return Lexique_.get();
    // Said once, not at every word.
    if (Signale_ && !Dit_) {
        Dit_ = true;
        Messages_ += "conjugue : ";
        Messages_ += Lexique_->Raison();
        Messages_ += '\n';
    }
    return nullptr;
}

}  // namespace florimot
