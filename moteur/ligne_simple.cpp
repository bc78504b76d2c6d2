#include <array>
#include <string>

#include "ligne.hpp"
#include "plan.hpp"

namespace florimot {

namespace {

// The pronouns of the plain lines, with "que" in the subjonctif [1]; index 0
// is the elided je.
constexpr std::string_view PronomsSimples[2][7] = {
    {"j'", "je ", "tu ", "il ", "nous ", "vous ", "ils "},
    {"que j'", "que je ", "que tu ", "qu'il ", "que nous ", "que vous ", "qu'ils "}};

// What stands before the participle in each compound line of the plain grid,
// with avoir [0] and with être [1]: "j'ai ", "que nous soyons ". Cut once from
// the lines Ligne composes for a verb of each auxiliary, so that a compound
// line is composed in one place: the auxiliary's forms never change, nor
// their elision, and the plain grid copies what is cut.
// Kept end to end in one block, so that reading one is a single load.
class TPrefixes {
public:
    TPrefixes() {
        for (int etre = 0; etre < 2; ++etre) {
            TVerbe verbe;
            verbe.DefinitVerbe(etre == 1 ? "venir" : "parler");
            const TFormes f(verbe);
            TContexte x(f, {}, {});
            x.Complete({});
            for (const TCellule& c : Grille)
                for (int p = c.PremierePersonne; p <= c.DernierePersonne; ++p) {
                    const std::size_t i = c.Premier + p - c.PremierePersonne;
                    Debut_[etre][i] = static_cast<std::uint16_t>(Texte_.size());
                    if (EstCompose(c)) {
                        char tampon[LigneMax];
                        TEcriture e(tampon);
                        Ligne(e, x, c, p);
                        const std::string_view ligne(tampon, e.Position());
                        const std::size_t participe =
                            f.Participe().size() + f.Accord(c.DecalageMode, p).size();
                        Texte_ += ligne.substr(0, ligne.size() - participe);
                    }
                    Fin_[etre][i] = static_cast<std::uint16_t>(Texte_.size());
                }
        }
    }
    std::string_view operator()(bool etre, std::size_t i) const {
        return std::string_view(Texte_).substr(Debut_[etre][i], Fin_[etre][i] - Debut_[etre][i]);
    }

private:
    std::string Texte_;
    std::array<std::array<std::uint16_t, NombreLignesGrille>, 2> Debut_{}, Fin_{};
};

const TPrefixes& PrefixesComposes() {
    static const TPrefixes prefixes;
    return prefixes;
}

}  // namespace

void LigneSimple(TEcriture& e, const TFormes& f, std::uint8_t CodeTemps, std::uint8_t DecalageMode,
                 int Personne, std::size_t indice) {
    if (EstCompose(CodeTemps)) {
        const std::string_view manque = f.ManqueCompose(CodeTemps, DecalageMode, Personne);
        if (!manque.empty()) {
            e << manque;
            return;
        }
        e << PrefixesComposes()(f.AvecEtre(), indice);
        e << f.Participe();
        e << f.Accord(DecalageMode, Personne);
        return;
    }
    const int slot = Slot(CodeTemps, DecalageMode, Personne);
    const std::string_view verbe = f.Simple(slot);
    if (f.Manque(slot)) {
        e << verbe;
        return;
    }
    if (DecalageMode != ModeImperatif && DecalageMode != ModeParticipe) {
        const int i = Personne == 1 && ElideDevant(f.Verbe(), verbe) ? 0 : Personne;
        e << PronomsSimples[DecalageMode == ModeSubjonctif][i];
    }
    e << verbe;
}

}  // namespace florimot
