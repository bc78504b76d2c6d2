#include "accords.hpp"
#include "anglais_texte.hpp"
#include "ecrivains_internes.hpp"
#include "entete.hpp"
#include "mise_en_page.hpp"

namespace florimot {

namespace {

// A non-verb has no grid to show: its message on standard error is all.
class TEcrivainLisible final : public TEcrivain {
public:
    TEcrivainLisible(TTamponSortie& sortie, const TOptions& options, int largeur, bool gras,
                     bool pourquoi)
        : TEcrivain(sortie, options), largeur_(largeur), gras_(gras), pourquoi_(pourquoi) {}

    void Ecrit(const TVerbe& verbe) override {
        if (premier_)
            premier_ = false;
        else
            sortie_ += '\n';
        const TLignesGrille lignes = ConjugueGrille(verbe, options_, faits_);
        std::string entete = EnteteLisible(verbe, options_, faits_);
        if (const std::string g = LigneGlosses(GlossesAnglaises(verbe.Intitule())); !g.empty())
            entete.append("\n").append(g);
        sortie_ += MiseEnPage(entete, lignes, largeur_, gras_);
        if (pourquoi_) sortie_ += PourquoiLisible(verbe, options_, faits_, lignes);
    }
    void NonVerbe(const TVerbe&) override {}

private:
    int largeur_;
    bool gras_;
    bool pourquoi_;
    bool premier_ = true;
};

}  // namespace

std::unique_ptr<TEcrivain> CreeEcrivainLisible(TTamponSortie& sortie, const TOptions& options,
                                               int largeur, bool gras, bool pourquoi) {
    return std::make_unique<TEcrivainLisible>(sortie, options, largeur, gras, pourquoi);
}

}  // namespace florimot
