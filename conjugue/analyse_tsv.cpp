#include "ecrivains_internes.hpp"

namespace florimot {

namespace {

class TAnalyseTsv final : public TEcrivainAnalyse {
public:
    TAnalyseTsv(TTamponSortie& sortie, bool toutes) : TEcrivainAnalyse(sortie), toutes_(toutes) {}

    void Ecrit(std::string_view forme, const std::vector<TAnalyse>& analyse) override {
        if (analyse.empty() && toutes_) {
            sortie_ += forme;
            sortie_ += "\t\t\t\n";
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
                sortie_ += '\n';
            }
    }

private:
    bool toutes_;
};

}  // namespace

std::unique_ptr<TEcrivainAnalyse> CreeAnalyseTsv(TTamponSortie& sortie, bool toutes) {
    return std::make_unique<TAnalyseTsv>(sortie, toutes);
}

}  // namespace florimot
