// The engine's entry points: one line, or a whole grid, written by the line
// builder into one buffer.
#include "conjugaison.hpp"

#include <algorithm>

#include "contexte.hpp"
#include "ecriture.hpp"
#include "formes_nues.hpp"
#include "ligne.hpp"

namespace florimot {

namespace {

// The cell of a request of the grid; null for any other, which has no line.
const TCellule* CelluleDe(std::uint8_t CodeTemps, std::uint8_t DecalageMode, int Personne) {
    for (const TCellule& c : GrilleComplete)
        if (c.CodeTemps == CodeTemps && c.DecalageMode == DecalageMode)
            return Personne >= c.PremierePersonne && Personne <= c.DernierePersonne ? &c : nullptr;
    return nullptr;
}

// The first `n` lines of the whole table one after another (Grille's lines
// come first), `avant(i)` and `apres(i)` around line i.
template <class Avant, class Apres>
void EcritLignes(TEcriture& e, const TFormes& formes, const TContexte& contexte, std::size_t n,
                 Avant avant, Apres apres) {
    std::size_t i = 0;
    const bool simple = contexte.Simple && formes.EstVerbe();
    for (const TCellule& c : GrilleComplete) {
        if (i >= n) break;
        for (int p = c.PremierePersonne; p <= c.DernierePersonne; ++p, ++i) {
            avant(i);
            if (simple && !EstNominale(c))
                LigneSimple(e, formes, c.CodeTemps, c.DecalageMode, p, i);
            else
                Ligne(e, contexte, c, p);
            apres(i);
        }
    }
}

}  // namespace

std::string ConjugueForme(const TVerbe& verbe, std::uint8_t CodeTemps, std::uint8_t DecalageMode,
                          int Personne, const TOptions& options, const TFaits& faits) {
    const TCellule* cellule = CelluleDe(CodeTemps, DecalageMode, Personne);
    if (cellule == nullptr) return {};
    return ConjugueForme(verbe, *cellule, Personne, options, faits);
}

std::string ConjugueForme(const TVerbe& verbe, const TCellule& cellule, int Personne,
                          const TOptions& options, const TFaits& faits) {
    if (Personne < cellule.PremierePersonne || Personne > cellule.DernierePersonne) return {};
    const TFormes formes(verbe, {options.Rectifiee, options.Variante, options.AutreAuxiliaire});
    const TContexte contexte(formes, options, faits);
    char tampon[LigneMax];
    TEcriture e(tampon);
    Ligne(e, contexte, cellule, Personne);
    return std::string(tampon, e.Position());
}

TLignesGrille ConjugueGrille(const TVerbe& verbe, const TOptions& options, const TFaits& faits) {
    return ConjugueGrille(
        TFormes(verbe, {options.Rectifiee, options.Variante, options.AutreAuxiliaire}), options,
        faits);
}

TLignesGrille ConjugueGrille(const TFormes& formes, const TOptions& options, const TFaits& faits) {
    TLignesGrille lignes;
    const TContexte contexte(formes, options, faits);
    char tampon[NombreLignesComplet * LigneMax];
    TEcriture e(tampon);
    EcritLignes(
        e, formes, contexte, NombreLignesComplet, [](std::size_t) {},
        [&](std::size_t i) {
            lignes.Debut[i + 1] = static_cast<std::uint32_t>(e.Position() - tampon);
        });
    lignes.Texte.assign(tampon, e.Position());
    return lignes;
}

std::size_t TCadreGrille::TailleMax() const {
    std::size_t taille = Lignes * (Debut.size() + LigneMax + Fin.size());
    for (std::size_t i = 0; i < Lignes; ++i) taille += Prefixe[i].size();
    return taille;
}

char* ConjugueGrille(const TVerbe& verbe, const TOptions& options, const TFaits& faits,
                     const TCadreGrille& cadre, char* tampon) {
    const TFormes formes(verbe, {options.Rectifiee, options.Variante, options.AutreAuxiliaire});
    const TContexte contexte(formes, options, faits);
    TEcriture e(tampon);
    EcritLignes(
        e, formes, contexte, std::min<std::size_t>(cadre.Lignes, NombreLignesComplet),
        [&](std::size_t i) {
            e << cadre.Debut;
            e << cadre.Prefixe[i];
        },
        [&](std::size_t) { e << cadre.Fin; });
    return e.Position();
}

}  // namespace florimot
