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
        : TEcrivain(sortie, options), Largeur_(largeur), Gras_(gras), Pourquoi_(pourquoi) {}

    void Ecrit(const TVerbe& verbe) override {
        if (Premier_)
            Premier_ = false;
        else
            Sortie_ += '\n';
        const TLignesGrille lignes = ConjugueGrille(verbe, Options_, Faits_);
        std::string entete = EnteteLisible(verbe, Options_, Faits_);
        if (const std::string g = LigneGlosses(GlossesAnglaises(verbe.Intitule())); !g.empty())
            entete.append("\n").append(g);
        Sortie_ += MiseEnPage(entete, lignes, Largeur_, Gras_);
        if (Pourquoi_) Sortie_ += PourquoiLisible(verbe, Options_, Faits_, lignes);
    }
    void NonVerbe(const TVerbe&) override {}

private:
    int Largeur_;
    bool Gras_;
    bool Pourquoi_;
    bool Premier_ = true;
};

}  // namespace

std::unique_ptr<TEcrivain> CreeEcrivainLisible(TTamponSortie& sortie, const TOptions& options,
                                               int largeur, bool gras, bool pourquoi) {
    return std::make_unique<TEcrivainLisible>(sortie, options, largeur, gras, pourquoi);
}

}  // namespace florimot
