// Standard output and standard error as conjugue fills them: in large blocks.
#pragma once

#include <cstddef>
#include <string>

#include "flux.hpp"
#include "langue.hpp"
#include "tampon.hpp"

namespace florimot {

// Thrown by TSorties::Vide when standard output fails, with its errno.
struct TEchecSortie {
    int erreur;
};

// Standard output and standard error, each gathered in a large block: a
// batch of thousands of texts pays a few writes, not one per line or per
// non-verb. Standard error is written right after standard output, so that on
// a shared terminal a message comes no earlier than the output before it.
class TSorties {
public:
    TSorties(TSortie& sortie, TSortie& erreurs) : sortie_(sortie), erreurs_(erreurs) {
        texte.Prevoit(Seuil + (1 << 14));
    }

    TTamponSortie texte;   // for standard output
    std::string messages;  // for standard error

    void Libere() {
        if (texte.size() >= Seuil || messages.size() >= Seuil) Vide();
    }
    // Throws EchecSortie when standard output fails: nothing more is done
    // after the first failed write.
    void Vide() {
        if (!texte.empty()) {
            const int erreur = sortie_.Ecrit(texte);
            texte.clear();
            if (erreur != 0) {
                VideMessages();
                throw TEchecSortie{erreur};
            }
        }
        VideMessages();
    }
    // A failing standard error has nowhere to be reported: it is let be.
    void VideMessages() {
        if (!messages.empty()) erreurs_.Ecrit(Traduit(messages));
        messages.clear();
    }

private:
    static constexpr std::size_t Seuil = 1 << 17;
    TSortie& sortie_;
    TSortie& erreurs_;
};

}  // namespace florimot
