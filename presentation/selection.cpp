#include "selection.hpp"

#include <algorithm>
#include <iterator>

#include "lexique.hpp"

namespace florimot {

namespace {

// Whether `ligne` holds `mot` as a word of its own ("nous sommes allés ?"),
// blanks being plain or no-break.
bool TientLeMot(std::string_view ligne, std::string_view mot) {
    constexpr std::string_view Insecable = "\u00a0";
    while (!ligne.empty()) {
        const std::size_t blanc = std::min(ligne.find(' '), ligne.find(Insecable));
        if (ligne.substr(0, blanc) == mot) return true;
        if (blanc == std::string_view::npos) break;
        ligne.remove_prefix(blanc + (ligne[blanc] == ' ' ? 1 : Insecable.size()));
    }
    return false;
}

}  // namespace

TOptions OptionsPourMontrer(const TAnalyse& analyse, const TOptions& enVigueur, bool ligneLue) {
    TOptions lue;
    if (!analyse.Lectures.empty()) {
        const TLecture& premiere = analyse.Lectures.front();
        lue = premiere.Options;
    }
    TOptions options = ligneLue ? lue : enVigueur;
    options.Rectifiee = enVigueur.Rectifiee || lue.Rectifiee;
    options.Variante = enVigueur.Variante || lue.Variante;
    return options;
}

std::vector<TLigneChoisie> LignesDeLecture(const TVerbe& verbe, const TFaits& faits,
                                           const TOptions& enVigueur, std::string_view forme,
                                           const TAnalyse& analyse) {
    return LignesDeLecture(verbe, faits, enVigueur, forme, analyse,
                           ConjugueGrille(verbe, enVigueur, faits));
}

std::vector<TLigneChoisie> LignesDeLecture(const TVerbe& verbe, const TFaits& faits,
                                           const TOptions& enVigueur, std::string_view forme,
                                           const TAnalyse& analyse, const TLignesGrille& lignes) {
    std::vector<TLigneChoisie> choisies;
    for (const TLecture& l : analyse.Lectures) {
        // A bare past participle (person 0) is wherever a compound line
        // shows it; any other reading names its line of the whole table.
        if (const auto rang = std::size_t(lexique::RangCellule(l.Cellule));
            rang < GrilleComplete.size() && (l.Cellule != "PartPasse" || l.Personne != 0)) {
            const TCellule& c = GrilleComplete[rang];
            const int ligne = l.Personne - c.PremierePersonne;
            if (ligne >= 0 && ligne < c.NombreLignes()) choisies.push_back({rang, ligne});
            continue;
        }
        const auto accord = [&](bool feminin, bool passif) {
            TOptions o = enVigueur;
            o.Feminin = feminin;
            o.Passif = passif;
            return o;
        };
        const TOptions accords[] = {enVigueur, accord(true, false), accord(false, true),
                                    accord(true, true)};
        for (const TOptions& o : accords) {
            const TLignesGrille g = o == enVigueur ? lignes : ConjugueGrille(verbe, o, faits);
            const std::size_t avant = choisies.size();
            for (std::size_t i = 0; i < Grille.size(); ++i)
                if (EstCompose(Grille[i]))
                    for (int k = 0; k < Grille[i].NombreLignes(); ++k)
                        if (TientLeMot(g[Grille[i].Premier + std::size_t(k)], forme))
                            choisies.push_back({i, k});
            if (choisies.size() > avant) break;
        }
    }
    std::erase_if(choisies, [&](const TLigneChoisie& c) {
        return EstMarqueur(lignes[GrilleComplete[c.Cellule].Premier + std::size_t(c.Ligne)]);
    });
    return choisies;
}

bool CommenceCommeUneLigne(std::string_view texte) {
    // "en": the gérondif (en se levant).
    constexpr std::string_view Mots[] = {"je",   "tu",  "il",    "elle", "on", "nous",
                                         "vous", "ils", "elles", "que",  "ne", "en"};
    constexpr std::string_view Elisions[] = {"j'", "qu'", "n'"};
    const std::string_view premier = texte.substr(0, texte.find(' '));
    return std::find(std::begin(Mots), std::end(Mots), premier) != std::end(Mots) ||
           std::any_of(std::begin(Elisions), std::end(Elisions),
                       [&](std::string_view e) { return premier.starts_with(e); });
}

}  // namespace florimot
