#include "diagnostics.hpp"
#include "ecrivains_internes.hpp"

namespace florimot {

namespace {

class TAnalyseLisible final : public TEcrivainAnalyse {
public:
    TAnalyseLisible(TTamponSortie& sortie, bool toutes)
        : TEcrivainAnalyse(sortie), toutes_(toutes) {}

    void Ecrit(std::string_view forme, const std::vector<TAnalyse>& analyse) override {
        if (!analyse.empty() || toutes_) {
            sortie_ += DecritAnalyse(forme, analyse);
            sortie_ += '\n';
        }
        for (const TDiagnostic& d : diagnostics_) {
            sortie_ += PhraseDiagnostic(d);
            sortie_ += '\n';
        }
    }

private:
    bool toutes_;
};

}  // namespace

std::unique_ptr<TEcrivainAnalyse> CreeAnalyseLisible(TTamponSortie& sortie, bool toutes) {
    return std::make_unique<TAnalyseLisible>(sortie, toutes);
}

}  // namespace florimot
