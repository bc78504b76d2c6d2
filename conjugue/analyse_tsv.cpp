#include "ecrivains_internes.hpp"

namespace florimot {

namespace {

class TAnalyseTsv final : public TEcrivainAnalyse {
public:
    TAnalyseTsv(TTamponSortie& sortie, bool toutes, const TTraitsDemandes& traits)
        : TEcrivainAnalyse(sortie), toutes_(toutes), schemas_(traits.Schemas()) {}

    void Ecrit(std::string_view forme, const std::vector<TAnalyse>& analyse) override {
        if (analyse.empty() && toutes_) {
            sortie_ += forme;
            sortie_ += "\t\t\t";
            sortie_.append(schemas_.size(), '\t');
            sortie_ += '\n';
        }
        for (const TAnalyse& a : analyse)
            for (const TLecture& l : a.lectures) {
                sortie_ += forme;
                sortie_ += '\t';
                sortie_ += a.infinitif;
                sortie_ += '\t';
                sortie_ += l.cellule;
                sortie_ += '\t';
                sortie_ += static_cast<char>('0' + l.personne);
                // --traits: a column a scheme, after those scripts read.
                for (const TSchemaTraits schema : schemas_) {
                    sortie_ += '\t';
                    sortie_ += TraitsCase(schema, l.cellule, l.personne);
                }
                sortie_ += '\n';
            }
    }

private:
    bool toutes_;
    std::vector<TSchemaTraits> schemas_;
};

}  // namespace

std::unique_ptr<TEcrivainAnalyse> CreeAnalyseTsv(TTamponSortie& sortie, bool toutes,
                                                 const TTraitsDemandes& traits) {
    return std::make_unique<TAnalyseTsv>(sortie, toutes, traits);
}

}  // namespace florimot
