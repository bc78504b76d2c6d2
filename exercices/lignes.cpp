#include <algorithm>

#include "faits.hpp"
#include "interne.hpp"

namespace florimot::detail {

bool EstImperatif(const TCellule& c) {
    return c.DecalageMode == ModeImperatif;
}

// The person (1 to 6) of a cell's line, from the cell's first.
int PersonneDuRang(const TCellule& c, std::size_t rang) {
    if (c.DecalageMode == ModeParticipe && c.CodeTemps == CodePartPasse) return 0;
    if (EstImperatif(c)) {
        constexpr int personnes[] = {2, 4, 5};
        return personnes[rang];
    }
    return c.PremierePersonne == 0 ? 0 : static_cast<int>(rang) + c.PremierePersonne;
}

// The subject a line of person p starts with, if it does: "que je", "j'",
// "qu'elles".
std::string Amorce(std::string_view ligne, int personne, bool feminin) {
    if (personne < 1 || personne > 6) return {};
    static constexpr std::string_view Masculins[] = {"je", "tu", "il", "nous", "vous", "ils"};
    static constexpr std::string_view Feminins[] = {"je", "tu", "elle", "nous", "vous", "elles"};
    std::string_view reste = ligne;
    std::size_t pris = 0;
    for (std::string_view que : {std::string_view("que "), std::string_view("qu'")})
        if (reste.starts_with(que)) {
            pris = que.size();
            reste.remove_prefix(que.size());
            break;
        }
    // An impersonal verb keeps il under the feminine: both are tried.
    for (const std::string_view* pronoms : {feminin ? Feminins : Masculins, Masculins}) {
        const std::string_view pronom = pronoms[personne - 1];
        if (reste.starts_with(pronom) && reste.size() > pronom.size() &&
            reste[pronom.size()] == ' ')
            return std::string(ligne.substr(0, pris + pronom.size()));
    }
    if (personne == 1 && reste.starts_with("j'")) return std::string(ligne.substr(0, pris + 2));
    return {};
}

std::string SansAmorce(std::string_view ligne, std::string_view amorce) {
    if (amorce.empty() || !ligne.starts_with(amorce)) return std::string(ligne);
    ligne.remove_prefix(amorce.size());
    if (ligne.starts_with(' ')) ligne.remove_prefix(1);
    return std::string(ligne);
}

TGrilles Grilles(std::string_view texte, const TOptions& options) {
    TGrilles g;
    TVerbe verbe;
    verbe.DefinitVerbe(texte);
    const TFaits faits = PrepareVerbe(verbe);
    if (verbe.DonneGroupe() == 0) return g;
    g.Intitule = verbe.Intitule();
    g.Etre = verbe.AvecEtre() || verbe.EstPronominal() || options.Passif;
    std::vector<TOptions> admises = {options};
    const auto ajoute = [&](TOptions o) {
        if (std::find(admises.begin(), admises.end(), o) == admises.end()) admises.push_back(o);
    };
    // Both series are right whichever the options show; the rectified
    // spelling is a choice the traditional one stays right beside.
    TOptions autre = options;
    autre.Variante = !options.Variante;
    ajoute(autre);
    if (options.Rectifiee) {
        for (TOptions o : std::vector<TOptions>(admises)) {
            o.Rectifiee = false;
            ajoute(o);
        }
    }
    for (const TOptions& o : admises) g.Grilles.push_back(ConjugueGrille(verbe, o, faits));
    return g;
}

}  // namespace florimot::detail
