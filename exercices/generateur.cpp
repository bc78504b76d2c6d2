#include <algorithm>
#include <random>
#include <set>

#include "exercices.hpp"
#include "faits.hpp"
#include "interne.hpp"

namespace florimot {

using namespace detail;

namespace {

// The seed's draws, the same on every machine: the engine of the standard
// is fixed to the bit, its distributions are not, so none is used.
class TTirage {
public:
    explicit TTirage(std::uint64_t graine) : Moteur_(graine) {}
    std::size_t Sous(std::size_t n) { return n == 0 ? 0 : static_cast<std::size_t>(Moteur_() % n); }
    template <class T>
    void Melange(std::vector<T>& v) {
        for (std::size_t i = v.size(); i > 1; --i) std::swap(v[i - 1], v[Sous(i)]);
    }

private:
    std::mt19937_64 Moteur_;
};

bool EstForme(std::string_view ligne) {
    return !ligne.empty() && !EstMarqueur(ligne);
}

// The answer to one line of a cell; no Lignes where the verb has none.
TReponse Reponse(const TGrilles& g, const TCellule& c, std::size_t rang, bool feminin) {
    TReponse r;
    r.Personne = PersonneDuRang(c, rang);
    r.Rang = rang;
    const std::string_view premiere = g.Grilles.front()[c.Premier + rang];
    if (!EstForme(premiere)) return r;
    r.Amorce = Amorce(premiere, r.Personne, feminin);
    for (const TLignesGrille& lignes : g.Grilles) {
        const std::string_view l = lignes[c.Premier + rang];
        if (!EstForme(l) || std::find(r.Lignes.begin(), r.Lignes.end(), l) != r.Lignes.end())
            continue;
        r.Lignes.emplace_back(l);
        r.Formes.push_back(SansAmorce(l, r.Amorce));
    }
    return r;
}

std::vector<std::size_t> TempsChoisis(const TChoixFiche& choix) {
    std::vector<std::size_t> temps;
    for (std::size_t t : choix.Temps)
        if (t < Grille.size() && std::find(temps.begin(), temps.end(), t) == temps.end())
            temps.push_back(t);
    if (temps.empty())
        for (std::size_t t = 0; t < Grille.size(); ++t) temps.push_back(t);
    return temps;
}

bool PersonneChoisie(const TChoixFiche& choix, int personne) {
    return choix.Personnes.empty() || personne == 0 ||
           std::find(choix.Personnes.begin(), choix.Personnes.end(), personne) !=
               choix.Personnes.end();
}

}  // namespace

TFiche GenereFiche(const TChoixFiche& choix) {
    TFiche fiche;
    fiche.Choix = choix;
    TTirage tirage(choix.Graine);

    // Each verb once, in the order given; then shuffled by the seed.
    std::vector<std::string> verbes;
    std::set<std::string> vus;
    for (const std::string& texte : choix.Verbes) {
        if (texte.empty()) continue;
        TVerbe v;
        v.DefinitVerbe(texte);
        if (v.DonneGroupe() == 0) {
            fiche.Refuses.push_back(texte);
            continue;
        }
        if (vus.insert(v.Intitule()).second) verbes.push_back(texte);
    }
    tirage.Melange(verbes);
    const std::vector<std::size_t> temps = TempsChoisis(choix);
    const std::size_t voulus = static_cast<std::size_t>(std::clamp(choix.Nombre, 0, 500));

    // Round after round, each verb gives one item it has not given yet, so
    // that as many verbs as there are items each appear once.
    struct TCandidats {
        TGrilles Grilles;
        std::vector<TItem> Restants;  // not drawn yet
        bool Lus = false;
    };
    std::vector<TCandidats> candidats(verbes.size());
    bool encore = true;
    while (fiche.Items.size() < voulus && encore) {
        encore = false;
        for (std::size_t i = 0; i < verbes.size() && fiche.Items.size() < voulus; ++i) {
            TCandidats& c = candidats[i];
            if (!c.Lus) {
                c.Lus = true;
                c.Grilles = Grilles(verbes[i], choix.Options);
                for (std::size_t t : temps) {
                    const TCellule& cellule = Grille[t];
                    TItem modele;
                    modele.Verbe = c.Grilles.Intitule;
                    modele.TCellule = t;
                    if (EstCompose(cellule)) modele.Auxiliaire = c.Grilles.Etre ? "être" : "avoir";
                    std::vector<TReponse> reponses;
                    for (int rang = 0; rang < cellule.NombreLignes(); ++rang) {
                        TReponse r = Reponse(c.Grilles, cellule, static_cast<std::size_t>(rang),
                                             choix.Options.Feminin);
                        if (!r.Lignes.empty() && PersonneChoisie(choix, r.Personne))
                            reponses.push_back(std::move(r));
                    }
                    if (reponses.empty()) continue;
                    if (choix.Genre == TGenreExercice::TempsEntier) {
                        modele.Reponses = std::move(reponses);
                        c.Restants.push_back(std::move(modele));
                    } else {
                        for (TReponse& r : reponses) {
                            TItem item = modele;
                            item.Reponses = {std::move(r)};
                            c.Restants.push_back(std::move(item));
                        }
                    }
                }
            }
            if (c.Restants.empty()) continue;
            const std::size_t k = tirage.Sous(c.Restants.size());
            fiche.Items.push_back(std::move(c.Restants[k]));
            c.Restants.erase(c.Restants.begin() + static_cast<std::ptrdiff_t>(k));
            encore = true;
        }
    }
    return fiche;
}

}  // namespace florimot
