#include "ecrivains_internes.hpp"
#include "entete.hpp"
#include "mise_en_page.hpp"

namespace florimot {

namespace {

// A non-verb has no grid to show: its message on standard error is all.
class TEcrivainLisible final : public TEcrivain {
public:
    TEcrivainLisible(TTamponSortie& sortie, const TOptions& options, int largeur, bool gras)
        : TEcrivain(sortie, options), largeur_(largeur), gras_(gras) {}

    void Ecrit(const TVerbe& verbe) override {
        if (premier_)
            premier_ = false;
        else
            sortie_ += '\n';
        sortie_ += MiseEnPage(EnteteLisible(verbe, options_, faits_),
                              ConjugueGrille(verbe, options_, faits_), largeur_, gras_);
    }
    void NonVerbe(const TVerbe&) override {}

private:
    int largeur_;
    bool gras_;
    bool premier_ = true;
};

}  // namespace

std::unique_ptr<TEcrivain> CreeEcrivainLisible(TTamponSortie& sortie, const TOptions& options,
                                               int largeur, bool gras) {
    return std::make_unique<TEcrivainLisible>(sortie, options, largeur, gras);
}

}  // namespace florimot
