#include "textes_fiche.hpp"

#include <algorithm>
#include <array>

namespace florimot {

namespace {

constexpr std::array<std::string_view, 3> NomsGenres = {"trou", "phrase", "temps"};
constexpr std::array<std::string_view, 3> LegendesGenres = {
    "Forme à compléter : (finir, passé simple) Nous ____________ .",
    "Phrase à compléter : Hier, nous ____________ (finir).",
    "Temps entier à remplir",
};

// Each cell of GrilleComplete as a sentence names it.
constexpr std::array<std::string_view, GrilleComplete.size()> NomsTemps = {
    "présent",
    "passé composé",
    "imparfait",
    "plus-que-parfait",
    "passé simple",
    "passé antérieur",
    "futur simple",
    "futur antérieur",
    "subjonctif présent",
    "subjonctif passé",
    "subjonctif imparfait",
    "subjonctif plus-que-parfait",
    "impératif présent",
    "impératif passé",
    "conditionnel présent",
    "conditionnel passé 1re forme",
    "conditionnel passé 2e forme",
    "participe présent",
    "infinitif présent",
    "infinitif passé",
    "participe passé",
    "participe passé composé",
    "gérondif présent",
    "gérondif passé",
};

// How a sentence opens and closes around a blank of each tense of Grille.
struct TCadre {
    std::string_view Avant, Apres;
};
constexpr std::array<TCadre, Grille.size()> Cadres = {{
    {"Aujourd'hui, ", "."},
    {"Hier, ", "."},
    {"Autrefois, ", "."},
    {"La veille, ", "."},
    {"Ce jour-là, ", "."},
    {"Quand ", ", tout changea."},
    {"Demain, ", "."},
    {"D'ici ce soir, ", "."},
    {"Il faut ", "."},
    {"Il est possible ", "."},
    {"Il fallait ", "."},
    {"Il eût fallu ", "."},
    {"", " !"},
    {"", " avant midi !"},
    {"Sans cela, ", "."},
    {"Sans cela, ", "."},
    {"Sans cela, ", "."},
    {"Les élèves, ", ", sortirent."},
}};

constexpr std::array<std::string_view, 7> Pronoms = {"", "je", "tu", "il", "nous", "vous", "ils"};

bool CommenceParVoyelle(std::string_view s) {
    for (std::string_view v : {"a", "e", "i", "o", "u", "é", "h"})
        if (s.starts_with(v)) return true;
    return false;
}

// "le passé simple", "l'imparfait"; "au passé simple", "à l'imparfait".
std::string AvecArticle(std::size_t cellule, bool a) {
    const std::string nom = NomDuTemps(cellule);
    if (CommenceParVoyelle(nom)) return (a ? "à l'" : "l'") + nom;
    return (a ? "au " : "le ") + nom;
}

std::string Majuscule(std::string s) {
    if (!s.empty() && s[0] >= 'a' && s[0] <= 'z')
        s[0] = static_cast<char>(s[0] - 'a' + 'A');
    else if (s.starts_with("é"))
        s.replace(0, 2, "É");
    else if (s.starts_with("à"))
        s.replace(0, 2, "À");
    return s;
}

bool EstQuestion(const TReponse& r) {
    return !r.Lignes.empty() && r.Lignes.front().ends_with("?");
}

// The blank of one person: "nous ____________", "J'____________", or the blank
// and its person when the line does not start with its subject.
std::string Trou(const TReponse& r, bool premier) {
    std::string s;
    if (!r.Amorce.empty()) {
        s = premier ? Majuscule(r.Amorce) : r.Amorce;
        if (!s.ends_with('\'')) s += ' ';
    }
    s += Blanc;
    return s;
}

std::string Personne(const TReponse& r) {
    return r.Amorce.empty() && r.Personne > 0 ? std::string(Pronoms[r.Personne]) : std::string();
}

std::string Alternatives(const TReponse& r) {
    std::string s;
    for (const std::string& l : r.Lignes) {
        if (!s.empty()) s += " / ";
        s += l;
    }
    return s;
}

std::string_view Accent(TGenreAccent a) {
    switch (a) {
        case TGenreAccent::Aigu: return "l'accent aigu";
        case TGenreAccent::Grave: return "l'accent grave";
        case TGenreAccent::Circonflexe: return "l'accent circonflexe";
        case TGenreAccent::Trema: return "le tréma";
        case TGenreAccent::Cedille: return "la cédille";
        case TGenreAccent::Aucun: break;
    }
    return "";
}

// What parts a typed answer from the right one when only accents or
// capitals do.
std::string Ecart(const TVerdictReponse& d) {
    if (d.Manque != TGenreAccent::Aucun && d.EnTrop != TGenreAccent::Aucun)
        return "il faut " + std::string(Accent(d.Manque)) + ", pas " +
               std::string(Accent(d.EnTrop));
    if (d.Manque != TGenreAccent::Aucun) return "il manque " + std::string(Accent(d.Manque));
    if (d.EnTrop != TGenreAccent::Aucun) return std::string(Accent(d.EnTrop)) + " est de trop";
    return "attention aux majuscules";
}

}  // namespace

std::string_view NomGenre(TGenreExercice genre) {
    return NomsGenres[static_cast<std::size_t>(genre)];
}

std::string_view LegendeGenre(TGenreExercice genre) {
    return LegendesGenres[static_cast<std::size_t>(genre)];
}

std::optional<TGenreExercice> GenreNomme(std::string_view nom) {
    for (std::size_t i = 0; i < NomsGenres.size(); ++i)
        if (NomsGenres[i] == nom) return static_cast<TGenreExercice>(i);
    return std::nullopt;
}

std::string NomDuTemps(std::size_t cellule) {
    return cellule < NomsTemps.size() ? std::string(NomsTemps[cellule]) : std::string();
}

std::string DecritPersonne(int personne) {
    if (personne < 1 || personne > 6) return {};
    const int rang = (personne - 1) % 3 + 1;
    return std::to_string(rang) + (rang == 1 ? "re" : "e") + " personne du " +
           (personne <= 3 ? "singulier" : "pluriel");
}

std::vector<std::string> Enonce(const TItem& item, TGenreExercice genre) {
    const std::string tete = "(" + item.Verbe + ", " + NomDuTemps(item.TCellule);
    if (genre == TGenreExercice::TempsEntier || item.Reponses.size() != 1) {
        std::vector<std::string> lignes = {tete + ")"};
        for (const TReponse& r : item.Reponses) {
            std::string l = "    " + Trou(r, false);
            if (const std::string p = Personne(r); !p.empty()) l += " (" + p + ")";
            lignes.push_back(std::move(l));
        }
        return lignes;
    }
    const TReponse& r = item.Reponses.front();
    const std::string personne = Personne(r);
    if (genre == TGenreExercice::Phrase && item.TCellule < Cadres.size()) {
        const TCadre& cadre = Cadres[item.TCellule];
        std::string s(cadre.Avant);
        s += Trou(r, s.empty());
        s += " (" + item.Verbe + (personne.empty() ? "" : ", " + personne) + ")";
        s += EstQuestion(r) ? std::string_view(" ?") : cadre.Apres;
        return {s};
    }
    std::string s = tete + (personne.empty() ? "" : ", " + personne) + ") " + Trou(r, true);
    s += EstQuestion(r) ? " ?" : item.TCellule == 12 || item.TCellule == 13 ? " !" : " .";
    return {s};
}

std::string Corrige(const TItem& item) {
    std::string s;
    for (const TReponse& r : item.Reponses) {
        if (!s.empty()) s += " ; ";
        s += Alternatives(r);
    }
    if (item.Auxiliaire == "être") s += " (auxiliaire être)";
    return s;
}

std::string TitreFiche() {
    return "Fiche d'exercices";
}

std::string TitreCorrige() {
    return "Corrigé";
}

std::string SousTitre(const TFiche& fiche) {
    std::string s = "graine " + std::to_string(fiche.Choix.Graine);
    if (const std::string o = DecritOptions(fiche.Choix.Options); !o.empty()) s += " — " + o;
    return s;
}

std::string LigneNomDate() {
    return "Nom : ____________________    Date : ____________";
}

std::string TexteFiche(const TFiche& fiche) {
    std::string s = TitreFiche() + " — " + SousTitre(fiche) + "\n\n";
    s += LigneNomDate() + "\n\n";
    for (std::size_t i = 0; i < fiche.Items.size(); ++i) {
        const std::vector<std::string> lignes = Enonce(fiche.Items[i], fiche.Choix.Genre);
        for (std::size_t k = 0; k < lignes.size(); ++k)
            s += (k == 0 ? std::to_string(i + 1) + ". " : std::string()) + lignes[k] + '\n';
    }
    s += "\f" + TitreCorrige() + " — " + SousTitre(fiche) + "\n\n";
    for (std::size_t i = 0; i < fiche.Items.size(); ++i)
        s += std::to_string(i + 1) + ". " + Corrige(fiche.Items[i]) + '\n';
    return s;
}

std::string DecritDiagnostic(const TItem& item, const TVerdictReponse& d) {
    switch (d.Verdict) {
        case TVerdict::Juste: {
            std::string s = "Juste !";
            for (std::size_t i = 0; i < d.Autres.size(); ++i)
                s += (i == 0 ? " On écrit aussi : " : " / ") + d.Autres[i];
            return s;
        }
        case TVerdict::JusteSaufAccents: return "Juste, mais " + Ecart(d) + " : " + d.Attendue;
        case TVerdict::Faux: break;
    }
    const std::string juste = AvecArticle(item.TCellule, true) + ", " + d.Attendue;
    if (d.Manque != TGenreAccent::Aucun || d.EnTrop != TGenreAccent::Aucun || d.Majuscules)
        return Ecart(d) + " : " + d.Attendue;
    if (d.Tape.empty()) return "Pas de réponse ; " + juste;
    if (d.Lectures.empty())
        return "« " + d.Tape + " » n'est pas une forme de " + item.Verbe + " ; " + juste;
    // The readings, a tense after the other, each with its persons; the
    // tense asked for first, where the pupil took the wrong person.
    std::vector<TLectureReponse> lues = d.Lectures;
    std::stable_partition(lues.begin(), lues.end(),
                          [&](const TLectureReponse& l) { return l.TCellule == item.TCellule; });
    std::string s = d.Tape + " : c'est ";
    std::size_t vus = 0;
    for (std::size_t i = 0; i < lues.size() && vus < 2; ++i) {
        const std::size_t cellule = lues[i].TCellule;
        bool deja = false;
        for (std::size_t k = 0; k < i; ++k) deja = deja || lues[k].TCellule == cellule;
        if (deja) continue;
        if (vus++ > 0) s += ", ou ";
        s += AvecArticle(cellule, false);
        std::string personnes;
        for (std::size_t k = i; k < lues.size(); ++k) {
            if (lues[k].TCellule != cellule || lues[k].Personne == 0) continue;
            if (!personnes.empty()) personnes += " ou ";
            personnes += DecritPersonne(lues[k].Personne);
        }
        if (!personnes.empty()) s += ", " + personnes;
    }
    return s + " ; " + juste;
}

std::string TexteScore(int justes, int faites) {
    return "Score : " + std::to_string(justes) + " sur " + std::to_string(faites);
}

std::string TitreManques() {
    return "Items manqués et leurs réponses";
}

std::string LigneManquee(const TItem& item, std::string_view tape) {
    std::string s;
    for (const std::string& l : Enonce(item, TGenreExercice::Trou)) s += (s.empty() ? "" : " ") + l;
    s += tape.empty() ? std::string(" — sans réponse") : " — écrit : « " + std::string(tape) + " »";
    return s + " — réponse : " + Corrige(item);
}

}  // namespace florimot
