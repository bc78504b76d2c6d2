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
        : TEcrivain(sortie, options), selection_(std::move(selection)) {
        const std::array<std::string, NombreLignesComplet>& champs = Champs();
        std::copy(champs.begin(), champs.end(), cadre_.Prefixe.begin());
        cadre_.Fin = "\n";
        cadre_.Lignes = complet ? NombreLignesComplet : NombreLignesGrille;
        tailleSansMot_ = cadre_.TailleMax();
    }

    void Ecrit(const TVerbe& verbe) override {
        const std::string mot = verbe.Intitule();
        sortie_ += mot;
        sortie_ += EnteteTsv;
        sortie_ += LegendeGroupe(verbe);
        sortie_ += '\n';
        if (selection_) return EcritSelection(verbe, mot);
        // "parler" + "\tPresInd\t1\t" + the line the engine writes in place.
        cadre_.Debut = mot;
        const std::size_t taille = tailleSansMot_ + cadre_.Lignes * mot.size();
        sortie_.Valide(ConjugueGrille(verbe, options_, faits_, cadre_, sortie_.Reserve(taille)));
    }
    void NonVerbe(const TVerbe& verbe) override { Ecrit(verbe); }

private:
    // The same lines, a few of them: the engine's grid, then only those.
    void EcritSelection(const TVerbe& verbe, std::string_view mot) {
        const TLignesGrille lignes = ConjugueGrille(verbe, options_, faits_);
        const std::array<std::string, NombreLignesComplet>& champs = Champs();
        for (const std::size_t i : selection_->lignes) {
            sortie_ += mot;
            sortie_ += champs[i];
            sortie_ += lignes[i];
            sortie_ += '\n';
        }
    }

    TCadreGrille cadre_;
    std::size_t tailleSansMot_;  // TailleMax without Debut, which counts once per line
    std::optional<TSelection> selection_;
};

}  // namespace

std::unique_ptr<TEcrivain> CreeEcrivainTsv(TTamponSortie& sortie, const TOptions& options,
                                           bool complet, std::optional<TSelection> selection) {
    return std::make_unique<TEcrivainTsv>(sortie, options, complet, std::move(selection));
}

}  // namespace florimot
