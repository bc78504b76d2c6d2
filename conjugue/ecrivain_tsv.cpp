#include <algorithm>
#include <array>

#include "ecrivains_internes.hpp"
#include "legende.hpp"

namespace florimot {

namespace {

constexpr std::string_view EnteteTsv = "\tGroupe\t0\t";

// "\tPresInd\t1\t" for each line of the whole table, in its order.
const std::array<std::string, NombreLignesComplet>& Champs() {
    static const std::array<std::string, NombreLignesComplet> champs = [] {
        std::array<std::string, NombreLignesComplet> c;
        for (const TCellule& cel : GrilleComplete)
            for (int p = cel.PremierePersonne; p <= cel.DernierePersonne; ++p) {
                std::string& champ = c[cel.Premier + p - cel.PremierePersonne];
                champ = '\t';
                champ += cel.Nom;
                champ += '\t';
                champ += static_cast<char>('0' + p);
                champ += '\t';
            }
        return c;
    }();
    return champs;
}

// Read by other programs: not one byte of it may change. A non-verb keeps its
// 98 lines (empty forms), since scripts count 98 lines per text. `complet`
// adds the cells without person after them, for readers that ask for them.
class TEcrivainTsv final : public TEcrivain {
public:
    TEcrivainTsv(TTamponSortie& sortie, const TOptions& options, bool complet,
                 std::optional<TSelection> selection = std::nullopt)
        : TEcrivain(sortie, options), Selection_(std::move(selection)) {
        const std::array<std::string, NombreLignesComplet>& champs = Champs();
        std::copy(champs.begin(), champs.end(), Cadre_.Prefixe.begin());
        Cadre_.Fin = "\n";
        Cadre_.Lignes = complet ? NombreLignesComplet : NombreLignesGrille;
        TailleSansMot_ = Cadre_.TailleMax();
    }

    void Ecrit(const TVerbe& verbe) override {
        const std::string mot = verbe.Intitule();
        Sortie_ += mot;
        Sortie_ += EnteteTsv;
        Sortie_ += LegendeGroupe(verbe);
        Sortie_ += '\n';
        if (Selection_) return EcritSelection(verbe, mot);
        // "parler" + "\tPresInd\t1\t" + the line the engine writes in place.
        Cadre_.Debut = mot;
        const std::size_t taille = TailleSansMot_ + Cadre_.Lignes * mot.size();
        Sortie_.Valide(ConjugueGrille(verbe, Options_, Faits_, Cadre_, Sortie_.Reserve(taille)));
    }
    void NonVerbe(const TVerbe& verbe) override { Ecrit(verbe); }

private:
    // The same lines, a few of them: the engine's grid, then only those.
    void EcritSelection(const TVerbe& verbe, std::string_view mot) {
        const TLignesGrille lignes = ConjugueGrille(verbe, Options_, Faits_);
        const std::array<std::string, NombreLignesComplet>& champs = Champs();
        for (const std::size_t i : Selection_->Lignes) {
            Sortie_ += mot;
            Sortie_ += champs[i];
            Sortie_ += lignes[i];
            Sortie_ += '\n';
        }
    }

    TCadreGrille Cadre_;
    std::size_t TailleSansMot_;  // TailleMax without Debut, which counts once per line
    std::optional<TSelection> Selection_;
};

}  // namespace

std::unique_ptr<TEcrivain> CreeEcrivainTsv(TTamponSortie& sortie, const TOptions& options,
                                           bool complet, std::optional<TSelection> selection) {
    return std::make_unique<TEcrivainTsv>(sortie, options, complet, std::move(selection));
}

}  // namespace florimot
