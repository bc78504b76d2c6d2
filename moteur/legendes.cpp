// What is said beside a conjugation: the options in force, the other series,
// whether there is a passive, the model verb and its family.
#include <string>
#include <utility>

#include "conjugaison.hpp"
#include "contexte.hpp"
#include "formes_nues.hpp"

namespace florimot {

namespace {

// A caption's items, ", " between them: "féminin, négation".
class TListe {
public:
    void operator()(bool oui, std::string_view nom) {
        if (!oui) return;
        if (!Texte.empty()) Texte += ", ";
        Texte += nom;
    }
    std::string Texte;
};

}  // namespace

std::string DecritOptions(const TOptions& options) {
    TListe ajoute;
    for (const TDescriptionOption& d : DescriptionsOptions)
        ajoute(EstActive(options, d), d.Legende);
    return std::move(ajoute.Texte);
}

std::string DecritOptions(const TOptions& options, const TVerbe& verbe) {
    TListe ajoute;
    for (const TDescriptionOption& d : DescriptionsOptions) {
        if (d.Champ != &TOptions::AutreAuxiliaire) {
            ajoute(EstActive(options, d), d.Legende);
            continue;
        }
        if (verbe.Auxiliaires() != TDeuxAuxiliaires::Non)
            ajoute(EstActive(options, d),
                   verbe.AvecEtre(true) ? "auxiliaire être" : "auxiliaire avoir");
    }
    return std::move(ajoute.Texte);
}

TOptions AvecAuxiliaire(TOptions options, const TVerbe& verbe, bool etre) {
    options.AutreAuxiliaire =
        verbe.Auxiliaires() != TDeuxAuxiliaires::Non && verbe.AvecEtre() != etre;
    return options;
}

bool SansVoixPassive(const TVerbe& verbe, const TFaits& faits, const TOptions& options) {
    return verbe.DonneGroupe() != 0 &&
           EstSansPassif(TFormes(verbe, {false, false, options.AutreAuxiliaire}), faits);
}

std::string AutreForme(const TVerbe& verbe, const TOptions& options) {
    return AutreForme(verbe, options, {}, ConjugueGrille(verbe, options));
}

std::string AutreForme(const TVerbe& verbe, const TOptions& options, const TFaits& faits,
                       const TLignesGrille& ici) {
    TOptions autre = options;
    autre.Variante = !options.Variante;
    const TLignesGrille la = ConjugueGrille(verbe, autre, faits);
    for (std::size_t i = 0; i < TLignesGrille::size(); ++i)
        if (ici[i] != la[i]) return std::string(la[i]);
    return {};
}

bool AucuneForme(const TLignesGrille& lignes) {
    for (std::size_t i = 0; i < TLignesGrille::size(); ++i)
        if (!lignes[i].empty() && !EstMarqueur(lignes[i])) return false;
    return true;
}

std::string_view ModeleDuVerbe(const TVerbe& verbe, const TOptions& options) {
    return ConjugueCommeVerbe(verbe, {options.Rectifiee, options.Variante});
}

std::string_view FamilleDuVerbe(const TVerbe& verbe, const TOptions& options) {
    const std::string_view type = TypeDuModele(verbe, {options.Rectifiee, options.Variante});
    if (type == verbe.MotVue() || !ModeleDuVerbe(verbe, options).empty()) return {};
    return type;
}

}  // namespace florimot
