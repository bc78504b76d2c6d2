#include "mise_en_page.hpp"

#include <algorithm>
#include <vector>

namespace florimot {

namespace {

constexpr std::string_view DebutGras = "\x1b[1m";
constexpr std::string_view FinGras = "\x1b[0m";

struct TLigneBloc {
    std::size_t Retrait;
    std::string_view Texte;
    bool Legende;
};

// One cell as its lines: the tense caption, then the forms under it.
std::vector<TLigneBloc> LignesBloc(const TCellule& c, const TLignesGrille& lignes) {
    std::vector<TLigneBloc> bloc;
    const bool avecTemps = !c.Temps.empty();
    if (avecTemps) bloc.push_back({2, c.Temps, true});
    for (int i = 0; i < c.NombreLignes(); ++i)
        bloc.push_back({avecTemps ? 4u : 2u, lignes[c.Premier + i], false});
    return bloc;
}

std::size_t LargeurBloc(const std::vector<TLigneBloc>& bloc) {
    std::size_t largeur = 0;
    for (const TLigneBloc& l : bloc) largeur = std::max(largeur, l.Retrait + LargeurTexte(l.Texte));
    return largeur;
}

struct TMode {
    std::string_view Nom;
    std::size_t Premier;  // index of its first cell in GrilleComplete
    std::size_t Nombre;
};

std::vector<TMode> Modes() {
    std::vector<TMode> modes;
    for (std::size_t i = 0; i < GrilleComplete.size(); ++i) {
        if (modes.empty() || modes.back().Nom != GrilleComplete[i].Mode)
            modes.push_back({GrilleComplete[i].Mode, i, 0});
        ++modes.back().Nombre;
    }
    return modes;
}

// Column j holds the cells whose rank in their mode is j modulo the count, in
// every mode, so that columns line up from one mode to the next.
std::vector<std::size_t> LargeursColonnes(const std::vector<TMode>& modes,
                                          const std::vector<std::size_t>& largeursBlocs,
                                          std::size_t colonnes) {
    std::vector<std::size_t> largeurs(colonnes, 0);
    for (const TMode& m : modes)
        for (std::size_t k = 0; k < m.Nombre; ++k)
            largeurs[k % colonnes] = std::max(largeurs[k % colonnes], largeursBlocs[m.Premier + k]);
    return largeurs;
}

void AjouteLegende(std::string& sortie, std::string_view texte, bool gras) {
    if (gras) sortie += DebutGras;
    sortie += texte;
    if (gras) sortie += FinGras;
}

// One tense under another, the usual case off a terminal: nothing to
// measure, every line at its indent.
std::string UneColonne(std::string_view entete, const TLignesGrille& lignes, bool gras) {
    std::string sortie;
    sortie.reserve(entete.size() + 4096);
    sortie += entete;
    sortie += '\n';
    std::string_view mode;
    for (const TCellule& c : GrilleComplete) {
        if (c.Mode != mode) {
            mode = c.Mode;
            sortie += '\n';
            AjouteLegende(sortie, mode, gras);
            sortie += '\n';
        }
        const bool avecTemps = !c.Temps.empty();
        if (avecTemps) {
            sortie += "  ";
            AjouteLegende(sortie, c.Temps, gras);
            sortie += '\n';
        }
        for (int i = 0; i < c.NombreLignes(); ++i) {
            sortie += avecTemps ? std::string_view("    ") : std::string_view("  ");
            sortie += lignes[c.Premier + i];
            sortie += '\n';
        }
    }
    return sortie;
}

}  // namespace

std::size_t LargeurTexte(std::string_view texte) {
    return static_cast<std::size_t>(std::count_if(texte.begin(), texte.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string MiseEnPage(std::string_view entete, const TLignesGrille& lignes, int largeur,
                       bool gras) {
    if (largeur < LargeurMinimaleColonnes) return UneColonne(entete, lignes, gras);
    std::vector<std::vector<TLigneBloc>> blocs;
    std::vector<std::size_t> largeursBlocs;
    for (const TCellule& c : GrilleComplete) {
        blocs.push_back(LignesBloc(c, lignes));
        largeursBlocs.push_back(LargeurBloc(blocs.back()));
    }
    const std::vector<TMode> modes = Modes();

    std::size_t colonnes = 1;
    std::size_t plusLong = 1;
    for (const TMode& m : modes) plusLong = std::max(plusLong, m.Nombre);
    // An even count keeps each simple tense beside its compound one, as the
    // window shows them.
    for (std::size_t n = plusLong; n > 1; --n) {
        if (n % 2 != 0) continue;
        const std::vector<std::size_t> l = LargeursColonnes(modes, largeursBlocs, n);
        std::size_t total = 0;
        for (std::size_t x : l) total += x;
        if (total <= static_cast<std::size_t>(largeur)) {
            colonnes = n;
            break;
        }
    }
    const std::vector<std::size_t> largeurs = LargeursColonnes(modes, largeursBlocs, colonnes);

    std::string sortie;
    sortie += entete;
    sortie += '\n';
    for (const TMode& m : modes) {
        sortie += '\n';
        AjouteLegende(sortie, m.Nom, gras);
        sortie += '\n';
        for (std::size_t rang = 0; rang < m.Nombre; rang += colonnes) {
            // Side by side, a blank line tells one row of tenses from the next.
            if (rang > 0 && colonnes > 1) sortie += '\n';
            const std::size_t fin = std::min(m.Nombre, rang + colonnes);
            std::size_t hauteur = 0;
            for (std::size_t k = rang; k < fin; ++k)
                hauteur = std::max(hauteur, blocs[m.Premier + k].size());
            for (std::size_t i = 0; i < hauteur; ++i) {
                std::size_t occupe = 0, debutColonne = 0;
                for (std::size_t k = rang; k < fin; ++k) {
                    const std::vector<TLigneBloc>& bloc = blocs[m.Premier + k];
                    if (i < bloc.size()) {
                        const TLigneBloc& l = bloc[i];
                        // Blanks only before something: no line ends with one.
                        sortie.append(debutColonne + l.Retrait - occupe, ' ');
                        if (l.Legende)
                            AjouteLegende(sortie, l.Texte, gras);
                        else
                            sortie += l.Texte;
                        occupe = debutColonne + l.Retrait + LargeurTexte(l.Texte);
                    }
                    debutColonne += largeurs[k - rang];
                }
                sortie += '\n';
            }
        }
    }
    return sortie;
}

}  // namespace florimot
