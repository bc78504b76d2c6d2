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
          Lignes_(complet ? NombreLignesComplet : NombreLignesGrille),
          Selection_(std::move(selection)),
          Schemas_(traits.Schemas()) {}

    void Ecrit(const TVerbe& verbe) override { Lignes(verbe, true); }
    void NonVerbe(const TVerbe& verbe) override { Lignes(verbe, false); }

private:
    void Lignes(const TVerbe& verbe, bool estVerbe) {
        const std::string mot = verbe.Intitule();
        Sortie_ += mot;
        Sortie_ += "\tGroupe\t0\t";
        Sortie_ += LegendeGroupe(verbe);
        Sortie_.append(Schemas_.size(), '\t');
        Sortie_ += '\n';
        const TLignesGrille lignes = ConjugueGrille(verbe, Options_, Faits_);
        for (const TCellule& c : GrilleComplete)
            for (int k = 0; k < c.NombreLignes(); ++k) {
                const std::size_t i = c.Premier + std::size_t(k);
                if (i >= Lignes_ || !Garde(i)) continue;
                const int personne = c.PremierePersonne + k;
                Sortie_ += mot;
                Sortie_ += '\t';
                Sortie_ += c.Nom;
                Sortie_ += '\t';
                Sortie_ += static_cast<char>('0' + personne);
                Sortie_ += '\t';
                Sortie_ += lignes[i];
                // A line with no form has no features.
                const bool forme = estVerbe && !lignes[i].empty() && !EstMarqueur(lignes[i]);
                for (const TSchemaTraits schema : Schemas_) {
                    Sortie_ += '\t';
                    if (forme) Sortie_ += TraitsCase(schema, c, personne);
                }
                Sortie_ += '\n';
            }
    }

    bool Garde(std::size_t i) const {
        if (!Selection_) return true;
        const std::vector<std::size_t>& l = Selection_->Lignes;
        return std::find(l.begin(), l.end(), i) != l.end();
    }

    std::size_t Lignes_;
    std::optional<TSelection> Selection_;
    std::vector<TSchemaTraits> Schemas_;
};

}  // namespace

std::unique_ptr<TEcrivain> CreeEcrivainTsvTraits(TTamponSortie& sortie, const TOptions& options,
                                                 bool complet, std::optional<TSelection> selection,
                                                 const TTraitsDemandes& traits) {
    return std::make_unique<TEcrivainTsvTraits>(sortie, options, complet, std::move(selection),
                                                traits);
}

}  // namespace florimot
