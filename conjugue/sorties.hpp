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
    int Erreur;
};

// Standard output and standard error, each gathered in a large block: a
// batch of thousands of texts pays a few writes, not one per line or per
// non-verb. Standard error is written right after standard output, so that on
// a shared terminal a message comes no earlier than the output before it.
class TSorties {
public:
    TSorties(TSortie& sortie, TSortie& erreurs) : Sortie_(sortie), Erreurs_(erreurs) {
        Texte.Prevoit(Seuil + (1 << 14));
    }

    TTamponSortie Texte;   // for standard output
    std::string Messages;  // for standard error

    void Libere() {
        if (Texte.size() >= Seuil || Messages.size() >= Seuil) Vide();
    }
    // Throws TEchecSortie when standard output fails: nothing more is done
    // after the first failed write.
    void Vide() {
        if (!Texte.empty()) {
            const int erreur = Sortie_.Ecrit(Texte);
            Texte.clear();
            if (erreur != 0) {
                VideMessages();
                throw TEchecSortie{erreur};
            }
        }
        VideMessages();
    }
    // A failing standard error has nowhere to be reported: it is let be.
    void VideMessages() {
        if (!Messages.empty()) Erreurs_.Ecrit(Traduit(Messages));
        Messages.clear();
    }

private:
    static constexpr std::size_t Seuil = 1 << 17;
    TSortie& Sortie_;
    TSortie& Erreurs_;
};

}  // namespace florimot
