#include "filtre.hpp"

#include <algorithm>
#include <array>
#include <tuple>

#include "accords.hpp"
#include "mise_en_page.hpp"

namespace florimot {

namespace {

// The readable name of each cell of the whole table, in its order:
// mode-tense, the indicatif left out (it may also be written).
constexpr std::array<std::string_view, GrilleComplete.size()> Noms = {
    "présent",
    "passé-composé",
    "imparfait",
    "plus-que-parfait",
    "passé-simple",
    "passé-antérieur",
    "futur-simple",
    "futur-antérieur",
    "subjonctif-présent",
    "subjonctif-passé",
    "subjonctif-imparfait",
    "subjonctif-plus-que-parfait",
    "impératif-présent",
    "impératif-passé",
    "conditionnel-présent",
    "conditionnel-passé-1",
    "conditionnel-passé-2",
    "participe-présent",
    "infinitif-présent",
    "infinitif-passé",
    "participe-passé",
    "participe-passé-composé",
    "gérondif-présent",
    "gérondif-passé",
};

// The short names people use for a mode's or a tense's first cell.
constexpr std::pair<std::string_view, std::string_view> NomsUsuels[] = {
    {"futur", "FSInd"},       {"indicatif", "PresInd"},     {"subjonctif", "PresSubj"},
    {"impératif", "PresImp"}, {"conditionnel", "PresCond"}, {"conditionnel-passé", "P1Cond"},
    {"infinitif", "InfPres"}, {"participe", "PartPres"},    {"gérondif", "GerPres"},
};

constexpr std::array<std::string_view, 6> Pronoms = {"je", "tu", "il", "nous", "vous", "ils"};

// Lower case, é and è as e, blanks and "_" as "-": "Passé composé" is
// passe-compose.
std::string Plie(std::string_view s) {
    std::string plie;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const std::string_view reste = s.substr(i);
        if (reste.starts_with("é") || reste.starts_with("è") || reste.starts_with("É") ||
            reste.starts_with("È")) {
            plie += 'e';
            ++i;
        } else if (s[i] == ' ' || s[i] == '_') {
            plie += '-';
        } else {
            plie += (s[i] >= 'A' && s[i] <= 'Z') ? char(s[i] - 'A' + 'a') : s[i];
        }
    }
    return plie;
}

bool EstImperatif(const TCellule& c) {
    return c.Mode == "Impératif";
}

// The cell's row of the grid for person `p`, or -1: the impératif's rows are
// tu, nous, vous.
int Rang(const TCellule& c, int p) {
    if (EstImperatif(c)) {
        constexpr int rangs[] = {-1, -1, 0, -1, 1, 2, -1};
        return rangs[p];
    }
    // The participe passé's four forms are no persons.
    if (c.DecalageMode == ModeParticipe && c.CodeTemps == CodePartPasse) return -1;
    return p >= c.PremierePersonne && p <= c.DernierePersonne ? p - c.PremierePersonne : -1;
}

std::string Refus(std::string_view option, std::string_view inconnu, std::string_view valeur,
                  std::string_view possibles) {
    std::string m = "conjugue : ";
    m += option;
    if (valeur.empty()) {
        m += " : valeur manquante";
    } else {
        m += " : ";
        m += inconnu;
        m += " « ";
        m += valeur;
        m += " »";
    }
    m += " ; valeurs possibles :\n  ";
    m += possibles;
    m += '\n';
    return m;
}

// Readable, the kept lines alone, or one person's line of each tense under
// its caption.
class TEcrivainFiltreLisible final : public TEcrivain {
public:
    TEcrivainFiltreLisible(TTamponSortie& sortie, const TOptions& options, const TFiltre& filtre,
                           bool pourquoi)
        : TEcrivain(sortie, options),
          Lignes_(filtre.Lignes()),
          Personne_(filtre.Personne),
          Pourquoi_(pourquoi) {}

    void Ecrit(const TVerbe& verbe) override {
        Verbe_ = &verbe;
        Lisible(ConjugueGrille(verbe, Options_, Faits_));
    }
    // Its message on standard error is all.
    void NonVerbe(const TVerbe&) override {}

private:
    void Lisible(const TLignesGrille& lignes) {
        // One form per verb needs no separation; longer answers are set
        // apart by a blank line, as full grids are.
        if (Lignes_.size() > 1 && !Premier_) Sortie_ += '\n';
        Premier_ = false;
        if (Personne_ == 0 || Lignes_.size() == 1) {
            for (const std::size_t i : Lignes_) {
                Sortie_ += lignes[i];
                Pourquoi(i, lignes[i]);
                Sortie_ += '\n';
            }
            return;
        }
        // One person across the tenses: each line after its tense's caption.
        std::vector<std::tuple<std::string, std::string_view, std::size_t>> rangees;
        std::size_t largeur = 0;
        for (const std::size_t i : Lignes_) {
            const TCellule& c =
                *std::find_if(GrilleComplete.begin(), GrilleComplete.end(), [i](const TCellule& k) {
                    return i >= k.Premier && i < std::size_t(k.Premier + k.NombreLignes());
                });
            std::string legende = std::string(c.Mode) + ' ' + std::string(c.Temps);
            largeur = std::max(largeur, LargeurTexte(legende));
            rangees.emplace_back(std::move(legende), lignes[i], i);
        }
        for (const auto& [legende, forme, i] : rangees) {
            Sortie_ += legende;
            Sortie_.append(largeur - LargeurTexte(legende) + 2, ' ');
            Sortie_ += forme;
            Pourquoi(i, forme);
            Sortie_ += '\n';
        }
    }

    // --pourquoi: after a line with a past participle, why it agrees or not.
    void Pourquoi(std::size_t i, std::string_view ligne) {
        if (!Pourquoi_) return;
        const TCellule& c = *std::find_if(Grille.begin(), Grille.end(), [i](const TCellule& k) {
            return i >= k.Premier && i < std::size_t(k.Premier + k.NombreLignes());
        });
        const TCodeAccord code = AccordDeLigne(*Verbe_, Options_, Faits_, c, ligne);
        if (code == TCodeAccord::Aucun) return;
        Sortie_ += " — ";
        Sortie_ += PhraseAccord(code, *Verbe_);
    }

    std::vector<std::size_t> Lignes_;
    int Personne_;
    bool Pourquoi_;
    const TVerbe* Verbe_ = nullptr;
    bool Premier_ = true;
};

}  // namespace

std::vector<std::size_t> TFiltre::Lignes() const {
    std::vector<std::size_t> lignes;
    for (std::size_t i = 0; i < GrilleComplete.size(); ++i) {
        const TCellule& c = GrilleComplete[i];
        if (Cellule >= 0 && std::size_t(Cellule) != i) continue;
        for (int k = 0; k < c.NombreLignes(); ++k)
            if (Personne == 0 || Rang(c, Personne) == k) lignes.push_back(c.Premier + k);
    }
    return lignes;
}

std::string LitTemps(std::string_view valeur, TFiltre& filtre) {
    const std::string plie = Plie(valeur);
    std::string possibles;
    for (std::size_t i = 0; i < GrilleComplete.size(); ++i) {
        const std::string nom(Noms[i]);
        if (plie == Plie(GrilleComplete[i].Nom) || plie == Plie(nom) ||
            (i < 8 && plie == Plie("indicatif-" + nom))) {
            filtre.Cellule = int(i);
            return {};
        }
        if (i > 0) possibles += ", ";
        possibles += std::string(GrilleComplete[i].Nom) + " (" + nom + ")";
    }
    for (const auto& [usuel, code] : NomsUsuels)
        if (plie == Plie(usuel)) return LitTemps(code, filtre);
    possibles +=
        " ; et futur, indicatif, subjonctif, impératif, conditionnel, infinitif, "
        "participe, gérondif";
    return Refus("--temps", "temps inconnu", valeur, possibles);
}

std::string LitPersonne(std::string_view valeur, TFiltre& filtre) {
    const std::string plie = Plie(valeur);
    for (int p = 1; p <= 6; ++p) {
        const bool feminin =
            (p == 3 && (plie == "elle" || plie == "on")) || (p == 6 && plie == "elles");
        if (plie == std::to_string(p) || plie == Pronoms[p - 1] || feminin) {
            filtre.Personne = p;
            filtre.Feminin = plie == "elle" || plie == "elles";
            return {};
        }
    }
    return Refus("--personne", "personne inconnue", valeur,
                 "1 à 6, je, tu, il, elle, on, nous, vous, ils, elles");
}

std::string VerifieFiltre(const TFiltre& filtre) {
    if (!filtre.Actif() || !filtre.Lignes().empty()) return {};
    const std::size_t i = std::size_t(filtre.Cellule);
    if (EstImperatif(GrilleComplete[i]))
        return "conjugue : l'impératif n'a que tu, nous et vous (--personne 2, 4 ou 5)\n";
    std::string nom(Noms[i]);
    std::replace(nom.begin(), nom.end(), '-', ' ');
    const std::string article = nom.starts_with('i') ? "l'" : "le ";
    return "conjugue : " + article + nom +
           " n'a pas de personne (--personne ne s'y applique pas)\n";
}

std::unique_ptr<TEcrivain> CreeEcrivainFiltre(TFormatSortie format, TTamponSortie& sortie,
                                              const TOptions& options, const TFiltre& filtre,
                                              int formatJson, const TTraitsDemandes& traits,
                                              bool pourquoi) {
    if (format == TFormatSortie::Lisible)
        return std::make_unique<TEcrivainFiltreLisible>(sortie, options, filtre, pourquoi);
    return CreeEcrivainSelection(format, sortie, options, {filtre.Lignes(), filtre.Personne},
                                 formatJson, traits);
}

}  // namespace florimot
