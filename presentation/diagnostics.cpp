#include "diagnostics.hpp"

#include <array>

#include "accords.hpp"
#include "faits.hpp"
#include "regles.hpp"

namespace florimot {

namespace {

struct TTexteFaute {
    TFaute Faute;
    std::string_view Cle;
};

constexpr std::array<TTexteFaute, 9> Cles = {{
    {TFaute::AccordEnTrop, "accord-en-trop"},
    {TFaute::AccordManquant, "accord-manquant"},
    {TFaute::Auxiliaire, "auxiliaire"},
    {TFaute::Terminaison, "terminaison"},
    {TFaute::Cedille, "cedille"},
    {TFaute::GeDevantAO, "ge-devant-a-o"},
    {TFaute::Accent, "accent"},
    {TFaute::Consonne, "consonne"},
    {TFaute::Orthographe, "orthographe"},
}};

// "indicatif imparfait, 1re personne du singulier".
std::string TempsEtPersonne(const TLecture& l) {
    const TCellule* cellule = nullptr;
    for (const TCellule& c : GrilleComplete)
        if (c.Nom == l.Cellule) cellule = &c;
    if (cellule == nullptr) return {};
    std::string r = LegendeCellule(*cellule);
    static constexpr std::array<std::string_view, 6> Personnes = {
        "1re personne du singulier", "2e personne du singulier", "3e personne du singulier",
        "1re personne du pluriel",   "2e personne du pluriel",   "3e personne du pluriel"};
    int p = l.Personne;
    // The impératif's persons are tu, nous and vous.
    if (cellule->DecalageMode == ModeImperatif && p >= 1 && p <= 3) p = p == 1 ? 2 : p + 2;
    if (p >= 1 && p <= 6) r += ", " + std::string(Personnes[p - 1]);
    return r;
}

}  // namespace

std::string_view CleFaute(TFaute faute) {
    for (const TTexteFaute& t : Cles)
        if (t.Faute == faute) return t.Cle;
    return {};
}

std::string RaisonDiagnostic(const TDiagnostic& d) {
    TVerbe verbe;
    verbe.DefinitVerbe(d.Infinitif);
    const TFaits faits = PrepareVerbe(verbe);
    const TLecture premiere = d.Lectures.empty() ? TLecture{} : d.Lectures.front();
    switch (d.Faute) {
        case TFaute::AccordEnTrop:
        case TFaute::AccordManquant: {
            std::string r = d.Faute == TFaute::AccordEnTrop ? "accord en trop" : "accord manquant";
            for (const TCellule& c : GrilleComplete)
                if (c.Nom == premiere.Cellule) {
                    const TCodeAccord code =
                        AccordDeLigne(verbe, premiere.Options, faits, c, d.Correct);
                    if (code != TCodeAccord::Aucun) r += " ; " + PhraseAccord(code, verbe);
                }
            return r;
        }
        case TFaute::Auxiliaire:
            return verbe.EstPronominal() ? "un verbe pronominal se conjugue avec l'auxiliaire être"
                                         : "« " + std::string(verbe.MotVue()) +
                                               " » se conjugue avec l'auxiliaire " + d.Detail;
        case TFaute::Terminaison: return TempsEtPersonne(premiere) + " : -" + d.Detail;
        case TFaute::Cedille: return "c prend une cédille devant a et o";
        case TFaute::GeDevantAO: return "g devient ge devant a et o";
        case TFaute::Accent: {
            // The model's rule, when it is the one that puts the accent.
            const std::string_view regle = RegleDuModele(verbe);
            if (!regle.empty() && regle.find("devient " + d.Detail) != std::string_view::npos)
                return std::string(regle);
            return "accent : « " + d.Detail + " »";
        }
        case TFaute::Consonne:
            return "« " + std::string(verbe.MotVue()) + " » s'écrit avec " +
                   (d.Detail.size() == 1 ? "un seul « " : "« ") + d.Detail + " »";
        case TFaute::Orthographe: break;
    }
    return "le verbe est « " + std::string(verbe.MotVue()) + " »";
}

std::string PhraseDiagnostic(const TDiagnostic& d) {
    std::string r =
        "Vous avez écrit « " + d.Ecrit + " » ; la forme correcte est « " + d.Correct + " »";
    // Where the grid writes it, as the analysis says it of a right form.
    const std::string lieu = DecritAnalyse(d.Correct, {TAnalyse{d.Infinitif, true, d.Lectures}});
    constexpr std::string_view Apres = " » : ";
    if (const std::size_t deux = lieu.find(Apres); deux != std::string::npos)
        r += " (" + lieu.substr(deux + Apres.size()) + ")";
    return r + " parce que " + RaisonDiagnostic(d);
}

}  // namespace florimot
