#include "ecrivains_internes.hpp"

namespace florimot {

namespace {

class TAnalyseTsv final : public TEcrivainAnalyse {
public:
    TAnalyseTsv(TTamponSortie& sortie, bool toutes, const TTraitsDemandes& traits)
        : TEcrivainAnalyse(sortie), Toutes_(toutes), Schemas_(traits.Schemas()) {}

    void Ecrit(std::string_view forme, const std::vector<TAnalyse>& analyse) override {
        if (analyse.empty() && Toutes_) {
            Sortie_ += forme;
            Sortie_ += "\t\t\t";
            Sortie_.append(Schemas_.size(), '\t');
            Sortie_ += '\n';
        }
        for (const TAnalyse& a : analyse)
            for (const TLecture& l : a.Lectures) {
                Sortie_ += forme;
                Sortie_ += '\t';
                Sortie_ += a.Infinitif;
                Sortie_ += '\t';
                Sortie_ += l.Cellule;
                Sortie_ += '\t';
                Sortie_ += static_cast<char>('0' + l.Personne);
                // --traits: a column a scheme, after those scripts read.
                for (const TSchemaTraits schema : Schemas_) {
                    Sortie_ += '\t';
                    Sortie_ += TraitsCase(schema, l.Cellule, l.Personne);
                }
                Sortie_ += '\n';
            }
    }

private:
    bool Toutes_;
    std::vector<TSchemaTraits> Schemas_;
};

}  // namespace

std::unique_ptr<TEcrivainAnalyse> CreeAnalyseTsv(TTamponSortie& sortie, bool toutes,
                                                 const TTraitsDemandes& traits) {
    return std::make_unique<TAnalyseTsv>(sortie, toutes, traits);
}

}  // namespace florimot
