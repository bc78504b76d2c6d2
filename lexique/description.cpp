// The French descriptions of an analysis and of the dictionary's facts.
#include <algorithm>
#include <array>

#include "conjugaison.hpp"
#include "faits.hpp"
#include "interne.hpp"
#include "lexique.hpp"

namespace florimot {

namespace {

using lexique::Cherche;
using lexique::PartPasse;

std::string Minuscules(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return r;
}

std::string Legende(std::string_view cellule) {
    if (cellule == PartPasse) return "participe passé";
    const TCellule* c = Cherche(cellule);
    if (c == nullptr) return std::string(cellule);
    std::string temps = Minuscules(c->Temps);
    if (const auto i = temps.find("1° forme"); i != std::string::npos)
        temps.replace(i, std::string_view("1° forme").size(), "première forme");
    if (const auto i = temps.find("2° forme"); i != std::string::npos)
        temps.replace(i, std::string_view("2° forme").size(), "deuxième forme");
    std::string legende = Minuscules(c->Mode);
    if (!temps.empty()) legende += ' ' + temps;
    return legende;
}

// `on`: the text's subject is on, and `pluriel` its participle agreed so
// ("on est venus").
// The options of a reading of `infinitif`, as its header names them
// (« auxiliaire avoir » for monter).
std::string OptionsDe(const TOptions& options, std::string_view infinitif) {
    TVerbe verbe;
    verbe.DefinitVerbe(infinitif);
    return DecritOptions(options, verbe);
}

std::string NomPersonne(const TLecture& l, std::string_view forme, std::string_view infinitif,
                        bool on = false, bool pluriel = false) {
    static constexpr std::array<std::string_view, 6> Pronoms = {"je",   "tu",   "il",
                                                                "nous", "vous", "ils"};
    static constexpr std::array<std::string_view, 3> Imperatif = {"tu", "nous", "vous"};
    if (l.Personne < 1 || l.Personne > 6) return {};
    const TCellule* c = Cherche(l.Cellule);
    std::string nom(c != nullptr && c->DecalageMode == ModeImperatif && l.Personne <= 3
                        ? Imperatif[l.Personne - 1]
                        : Pronoms[l.Personne - 1]);
    if (l.Options.Feminin && nom.starts_with("il")) nom.replace(0, 2, "elle");
    if (on && l.Personne == 3) {
        nom = "on";
        if (l.Options.Feminin || pluriel)
            nom += l.Options.Feminin
                       ? (pluriel ? " (accord au féminin pluriel)" : " (accord au féminin)")
                       : " (accord au pluriel)";
        TOptions autres = Restreint(l.Options, TPorteeOption::Ligne);
        autres.Feminin = false;
        if (!autres.Aucune()) nom += " (" + OptionsDe(autres, infinitif) + ")";
        return nom;
    }
    if (l.Inversion) nom += " (" + std::string(forme) + (forme.ends_with("-je") ? ")" : "-je)");
    // The options a line shows, as the window's caption writes them; its
    // spelling is said apart (Graphie).
    if (const TOptions ligne = Restreint(l.Options, TPorteeOption::Ligne); !ligne.Aucune())
        nom += " (" + OptionsDe(ligne, infinitif) + ")";
    return nom;
}

// "a", "a et b", "a, b et c".
std::string Enumere(const std::vector<std::string>& mots) {
    std::string r;
    for (std::size_t i = 0; i < mots.size(); ++i) {
        if (i > 0) r += i + 1 == mots.size() ? " et " : ", ";
        r += mots[i];
    }
    return r;
}

// "d'être", "s'évanouir", but "de haïr", "se hâter": the engine knows
// which h is mute.
bool Elide(std::string_view infinitif) {
    TVerbe v;
    v.DefinitVerbe(infinitif);
    return ElideDevant(v, infinitif);
}

// What a reading of one spelling or series only is marked with: "" for the
// usual grid's.
std::string_view Graphie(const TLecture& l) {
    if (l.Options.Rectifiee && l.Options.Variante) return " (orthographe rectifiée, autre forme)";
    if (l.Options.Rectifiee) return " (orthographe rectifiée)";
    if (l.Options.Variante) return " (autre forme)";
    return {};
}

// Whether the text, or the clause it was read as, has on for subject, and
// whether its participle shows the plural the grid's il does not.
std::pair<bool, bool> SujetOn(std::string_view forme, const TAnalyse& a) {
    std::string_view texte = a.Subordonnee.empty() ? forme : std::string_view(a.Subordonnee);
    if (texte.starts_with("qu'")) texte.remove_prefix(3);
    if (texte.starts_with("que ")) texte.remove_prefix(4);
    if (!texte.starts_with("on ") || a.Ligne.empty()) return {false, false};
    return {true, texte.back() == 's' && a.Ligne.back() != 's'};
}

std::string DecritVerbe(std::string_view forme, const TAnalyse& a) {
    const auto [on, pluriel] = SujetOn(forme, a);
    std::string nom = a.Infinitif;
    if (!a.Connu) nom += " (absent du dictionnaire)";
    // Cells that share the same persons go together, in grid order.
    // A cell's readings of another spelling or series stand apart.
    struct TGroupe {
        std::vector<std::string> Cellules;
        std::vector<std::string> Personnes;
        std::string_view Graphie;
    };
    std::vector<TGroupe> groupes;
    std::vector<std::string> sansPersonne;  // the participles
    std::vector<std::pair<std::string_view, std::string_view>> vues;
    for (const TLecture& l : a.Lectures) {
        if (l.Personne == 0 || lexique::RangCellule(l.Cellule) >= int(Grille.size())) {
            // The participle's cell names its agreement in its persons.
            static constexpr std::string_view Accords[] = {"", " masculin singulier",
                                                           " féminin singulier",
                                                           " masculin pluriel", " féminin pluriel"};
            std::string s = Legende(l.Cellule);
            if (l.Cellule == PartPasse && l.Personne >= 1 && l.Personne <= 4)
                s += Accords[l.Personne];
            // Its spelling is said apart (Graphie).
            if (const TOptions ligne = Restreint(l.Options, TPorteeOption::Ligne); !ligne.Aucune())
                s += " (" + OptionsDe(ligne, a.Infinitif) + ")";
            sansPersonne.push_back(s + std::string(Graphie(l)));
            continue;
        }
        const std::pair<std::string_view, std::string_view> cle(l.Cellule, Graphie(l));
        if (std::find(vues.begin(), vues.end(), cle) != vues.end()) continue;
        vues.push_back(cle);
        std::vector<std::string> personnes;
        for (const TLecture& m : a.Lectures)
            if (m.Cellule == l.Cellule && Graphie(m) == cle.second)
                personnes.push_back(NomPersonne(m, forme, a.Infinitif, on, pluriel));
        auto g = std::find_if(groupes.begin(), groupes.end(), [&](const TGroupe& x) {
            return x.Personnes == personnes && x.Graphie == cle.second;
        });
        if (g == groupes.end()) {
            groupes.push_back({{}, personnes, cle.second});
            g = groupes.end() - 1;
        }
        g->Cellules.push_back(Legende(l.Cellule));
    }
    if (groupes.empty()) return Enumere(sansPersonne) + (Elide(a.Infinitif) ? " d'" : " de ") + nom;
    std::string r = nom;
    for (std::size_t i = 0; i < groupes.size(); ++i) {
        r += i == 0 ? ", " : " ; ";
        r += Enumere(groupes[i].Cellules) + ", " + Enumere(groupes[i].Personnes);
        r += groupes[i].Graphie;
    }
    for (const std::string& s : sansPersonne) r += " ; " + s;
    return r;
}

}  // namespace

std::string DecritAnalyse(std::string_view forme, const std::vector<TAnalyse>& analyse) {
    const std::optional<std::string> mot = lexique::Normalise(forme);
    if (mot) forme = *mot;
    std::string r = "« " + std::string(forme) + " » : ";
    std::vector<std::string> verbes;
    for (const TAnalyse& a : analyse)
        if (!a.Lectures.empty()) verbes.push_back(DecritVerbe(forme, a));
    if (verbes.empty()) return r + "aucune forme verbale connue";
    for (std::size_t i = 0; i < verbes.size(); ++i) r += (i > 0 ? " — " : "") + verbes[i];
    if (!analyse.empty() && !analyse.front().Subordonnee.empty())
        r += " (subordonnée : " + analyse.front().Subordonnee + ")";
    return r;
}

std::string NoteVerbe(std::string_view infinitif, const TFaitsVerbe& faits) {
    if (!faits.Connu) return std::string(NoteVerbeInconnu);
    std::vector<std::string> parties;
    if (faits.Pronominal)
        parties.push_back("essentiellement pronominal : " +
                          std::string(Elide(infinitif) ? "s'" : "se ") + std::string(infinitif));
    if (faits.Impersonnel) {
        TVerbe v;
        v.DefinitVerbe(infinitif);
        const std::string il = v.DonneGroupe() != 0 ? ConjugueForme(v, CelluleNommee("PresInd"), 3,
                                                                    {}, FaitsDuVerbe(v))
                                                    : "";
        // Said as the facts' note says it of a verb that is nothing else.
        const std::string nom = FaitsDuVerbe(v).Impersonnel ? "verbe impersonnel" : "impersonnel";
        parties.push_back(il.starts_with("il ") ? nom + " : " + il : nom);
    }
    // A pronominal verb takes être whatever it is; say so only of the others.
    // "aussi" names the auxiliary the grid does not show.
    // The header names both auxiliaries of the verbs that take them.
    if (!faits.Pronominal && faits.Etre && AuxiliairesDe(infinitif) == TDeuxAuxiliaires::Non) {
        TVerbe v;
        v.DefinitVerbe(infinitif);
        if (!faits.Avoir)
            parties.push_back("se conjugue avec être");
        else
            parties.push_back(v.AvecEtre() ? "se conjugue aussi avec avoir"
                                           : "se conjugue aussi avec être");
    }
    std::string r;
    for (std::size_t i = 0; i < parties.size(); ++i) r += (i > 0 ? " ; " : "") + parties[i];
    return r;
}

}  // namespace florimot
