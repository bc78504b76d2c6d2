// --tsv --traits: the TSV's lines as they are, each with a column a scheme
// after them; the group line has empty ones, so that every line has as many.
#include <algorithm>

#include "ecrivains_internes.hpp"
#include "legende.hpp"

namespace florimot {

namespace {

class TEcrivainTsvTraits final : public TEcrivain {
public:
    TEcrivainTsvTraits(TTamponSortie& sortie, const TOptions& options, bool complet,
                       std::optional<TSelection> selection, const TTraitsDemandes& traits)
        : TEcrivain(sortie, options),
          lignes_(complet ? NombreLignesComplet : NombreLignesGrille),
          selection_(std::move(selection)),
          schemas_(traits.Schemas()) {}

    void Ecrit(const TVerbe& verbe) override { Lignes(verbe, true); }
    void NonVerbe(const TVerbe& verbe) override { Lignes(verbe, false); }

private:
    void Lignes(const TVerbe& verbe, bool estVerbe) {
        const std::string mot = verbe.Intitule();
        sortie_ += mot;
        sortie_ += "\tGroupe\t0\t";
        sortie_ += LegendeGroupe(verbe);
        sortie_.append(schemas_.size(), '\t');
        sortie_ += '\n';
        const TLignesGrille lignes = ConjugueGrille(verbe, options_, faits_);
        for (const TCellule& c : GrilleComplete)
            for (int k = 0; k < c.NombreLignes(); ++k) {
                const std::size_t i = c.Premier + std::size_t(k);
                if (i >= lignes_ || !Garde(i)) continue;
                const int personne = c.PremierePersonne + k;
                sortie_ += mot;
                sortie_ += '\t';
                sortie_ += c.Nom;
                sortie_ += '\t';
                sortie_ += static_cast<char>('0' + personne);
                sortie_ += '\t';
                sortie_ += lignes[i];
                // A line with no form has no features.
                const bool forme = estVerbe && !lignes[i].empty() && !EstMarqueur(lignes[i]);
                for (const TSchemaTraits schema : schemas_) {
                    sortie_ += '\t';
                    if (forme) sortie_ += TraitsCase(schema, c, personne);
                }
                sortie_ += '\n';
            }
    }

    bool Garde(std::size_t i) const {
        if (!selection_) return true;
        const std::vector<std::size_t>& l = selection_->lignes;
        return std::find(l.begin(), l.end(), i) != l.end();
    }

    std::size_t lignes_;
    std::optional<TSelection> selection_;
    std::vector<TSchemaTraits> schemas_;
};

}  // namespace

std::unique_ptr<TEcrivain> CreeEcrivainTsvTraits(TTamponSortie& sortie, const TOptions& options,
                                                 bool complet, std::optional<TSelection> selection,
                                                 const TTraitsDemandes& traits) {
    return std::make_unique<TEcrivainTsvTraits>(sortie, options, complet, std::move(selection),
                                                traits);
}

}  // namespace florimot
