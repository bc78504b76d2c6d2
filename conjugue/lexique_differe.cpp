#include "lexique_differe.hpp"

namespace florimot {

TLexique* TLexiqueDiffere::Lexique() {
    if (!lexique_) lexique_ = std::make_unique<TLexique>();
    if (lexique_->Disponible()) return lexique_.get();
    // Said once, not at every word.
    if (signale_ && !dit_) {
        dit_ = true;
        messages_ += "conjugue : ";
        messages_ += lexique_->Raison();
        messages_ += '\n';
    }
    return nullptr;
}

}  // namespace florimot
