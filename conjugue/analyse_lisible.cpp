#include "diagnostics.hpp"
#include "ecrivains_internes.hpp"

namespace florimot {

namespace {

class TAnalyseLisible final : public TEcrivainAnalyse {
public:
    TAnalyseLisible(TTamponSortie& sortie, bool toutes)
        : TEcrivainAnalyse(sortie), Toutes_(toutes) {}

    bool DitDiagnostic() const override { return true; }

    void Ecrit(std::string_view forme, const std::vector<TAnalyse>& analyse) override {
        if (!analyse.empty() || Toutes_) {
            Sortie_ += DecritAnalyse(forme, analyse);
            Sortie_ += '\n';
        }
        for (const TDiagnostic& d : Diagnostics_) {
            Sortie_ += PhraseDiagnostic(d);
            Sortie_ += '\n';
        }
    }

private:
    bool Toutes_;
};

}  // namespace

std::unique_ptr<TEcrivainAnalyse> CreeAnalyseLisible(TTamponSortie& sortie, bool toutes) {
    return std::make_unique<TAnalyseLisible>(sortie, toutes);
}

}  // namespace florimot
