// Reading a line as the grid writes it ("je ne me lève pas", "va-t'en",
// "puis-je ?"): its words name the candidate verbs, and each candidate's
// grids under the options the line may show must hold the line itself.
#include <algorithm>
#include <array>
#include <functional>

#include "conjugaison.hpp"
#include "faits.hpp"
#include "index.hpp"
#include "interne.hpp"
#include "saisie.hpp"

namespace florimot::lexique {

namespace {

// Past this, a text is no line of a grid ("ne nous en serions-nous pas
// allées" has nine pieces).
constexpr std::size_t PiecesMax = 16;

// Pronouns and particles: never the verb of a line, not worth a guess.
constexpr std::string_view Outils[] = {
    "je", "j",   "tu", "il", "elle", "on", "nous", "vous", "ils", "elles", "me", "m",   "te",
    "t",  "toi", "se", "s",  "en",   "y",  "ne",   "n",    "pas", "que",   "qu", "est", "ce"};

bool EstOutil(std::string_view mot) {
    return std::find(std::begin(Outils), std::end(Outils), mot) != std::end(Outils);
}

// The pieces of a line between blanks, hyphens, apostrophes and slashes.
std::vector<std::string_view> Pieces(std::string_view texte) {
    std::vector<std::string_view> pieces;
    while (!texte.empty()) {
        const std::size_t fin = texte.find_first_of(" -'/");
        if (fin != 0) pieces.push_back(texte.substr(0, fin));
        if (fin == std::string_view::npos) break;
        texte.remove_prefix(fin + 1);
    }
    return pieces;
}

// Whether a grid line reads as the text: the line itself, or one of the
// spellings a one-word line offers side by side ("séant/seyant").
bool Correspond(std::string_view ligne, std::string_view texte) {
    const TTexteLu lue = Canonique(ligne);
    return lue.Texte == texte ||
           (lue.Texte.find(' ') == std::string::npos && Tient(lue.Texte, texte));
}

// Text as the grids write it, lower case with composed accents, is its own
// normal form but for its blanks, which `pose` runs together: the lines a
// candidate's grids are compared by need no decoding. False, part of it
// posed, at the first byte that would need it.
template <class Pose>
bool PoseSansNormaliser(std::string_view texte, Pose pose) {
    const auto octet = [&](std::size_t i) {
        return i < texte.size() ? static_cast<unsigned char>(texte[i]) : 0u;
    };
    for (std::size_t i = 0; i < texte.size(); ++i) {
        const unsigned c = octet(i), d = octet(i + 1);
        if ((c >= 'a' && c <= 'z') || c == '-' || c == '\'' || c == '?' || c == ' ' || c == '/') {
            pose(static_cast<char>(c));
        } else if ((c == 0xC3 && d >= 0xA0 && d <= 0xBF && d != 0xB7) || (c == 0xC5 && d == 0x93)) {
            // à … ÿ but ÷, and œ: already small letters.
            pose(texte[i]);
            pose(texte[++i]);
        } else if (c == 0xC2 && d == 0xA0) {
            pose(' ');  // the no-break space, a blank as any other
            ++i;
        } else if (c == 0xE2 && d == 0x80 && octet(i + 2) == 0xAF) {
            pose(' ');  // the narrow one before a question mark
            i += 2;
        } else {
            return false;
        }
    }
    return true;
}

struct TCandidat {
    std::string Infinitif;
    bool Connu;
};

// Whether the grids of `graphie` are worth reading: the usual one always,
// another where the line calls for each of its options.
bool AVoir(const TOptions& appelees, const TOptions& graphie) {
    for (const TDescriptionOption& d : DescriptionsOptions)
        if (EstActive(graphie, d) && !EstActive(appelees, d)) return false;
    return true;
}

}  // namespace

TTexteLu Canonique(std::string_view texte) {
    TTexteLu lu;
    lu.Texte.reserve(texte.size());
    const auto pose = [&](char c) {
        if (c == ' ' && (lu.Texte.empty() || lu.Texte.back() == ' ')) return;
        lu.Texte += c;
    };
    if (!PoseSansNormaliser(texte, pose)) {
        lu.Texte.clear();
        for (char c : NormaliseSaisie(texte)) pose(c);
    }
    // The question mark the grid writes after a no-break space, or none.
    while (!lu.Texte.empty() && (lu.Texte.back() == ' ' || lu.Texte.back() == '?')) {
        lu.Question = lu.Question || lu.Texte.back() == '?';
        lu.Texte.pop_back();
    }
    // The slash of the spellings a line offers side by side (séant/seyant).
    lu.Ligne = lu.Question || lu.Texte.find_first_of(" -'/") != std::string::npos;
    return lu;
}

std::vector<TAnalyse> LitLigne(const TTexteLu& lu) {
    const std::vector<std::string_view> pieces = Pieces(lu.Texte);
    if (pieces.empty() || pieces.size() > PiecesMax) return {};
    const auto a = [&](std::string_view mot) {
        return std::find(pieces.begin(), pieces.end(), mot) != pieces.end();
    };

    // The verbs the pieces may be forms of: the index's, else the guesses'.
    std::vector<TCandidat> candidats;
    // The spelling options some piece is written in only (paye: variante,
    // the auxiliary's eussè-je: rectifiée): the grids worth reading beside
    // the usual one, for every candidate.
    TOptions graphies;
    if (lu.Texte.find("è-je") != std::string::npos) graphies.Rectifiee = true;
    const auto ajoute = [&](const std::vector<TAnalyse>& analyses) {
        for (const TAnalyse& x : analyses) {
            if (std::none_of(candidats.begin(), candidats.end(),
                             [&](const TCandidat& y) { return y.Infinitif == x.Infinitif; }))
                candidats.push_back({x.Infinitif, x.Connu});
            for (const TLecture& l : x.Lectures)
                graphies = Reunies(graphies, Restreint(l.Options, TPorteeOption::Graphie));
        }
    };
    std::vector<std::string_view> inconnues;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const std::string_view p = pieces[i];
        bool connu = false;
        ajoute(LecturesIndex(p, &connu));
        if (!connu && !EstOutil(p)) inconnues.push_back(p);
        // A verb with a hyphen of its own (sous-utiliser, co-encadrer).
        if (i + 1 < pieces.size() && p.data() + p.size() + 1 == pieces[i + 1].data() &&
            p.data()[p.size()] == '-') {
            const std::string_view double_(p.data(), p.size() + 1 + pieces[i + 1].size());
            ajoute(LecturesIndex(double_));
        }
    }
    if (candidats.empty())
        for (std::string_view p : inconnues) ajoute(Devine(p));

    // The options the line may show, fewest first, so that a line the
    // plain grid holds is not said to be under an option that leaves it as
    // it is (j'ai parlé under féminin).
    std::vector<TOptions> combinaisons;
    for (const TOptions& o : Combinaisons<TPorteeOption::Ligne>()) {
        if (o.Negation != a("pas")) continue;
        // A question typed without its mark is still one; a hyphen is
        // needed for it (puis-je, est-ce que).
        if (o.Interrogation ? !lu.Question && lu.Texte.find('-') == std::string::npos : lu.Question)
            continue;
        combinaisons.push_back(o);
    }

    std::vector<std::string> pronoms = {""};
    if (a("me") || a("m") || a("te") || a("t") || a("toi") || a("se") || a("s") || a("nous") ||
        a("vous")) {
        pronoms.push_back("se ");
        if (a("en")) pronoms.push_back("s'en ");
        if (a("y")) pronoms.push_back("s'y ");
    }
    // A phrase's complement ends each of its lines (je me rends compte,
    // as-tu l'air ?): the last piece, with its article where it has one.
    std::vector<std::string> suites = {""};
    if (pieces.size() > 1 && !EstOutil(pieces.back())) {
        suites.push_back(" " + std::string(pieces.back()));
        if (pieces[pieces.size() - 2] == "l") suites.push_back(" l'" + std::string(pieces.back()));
    }

    // The grids write their lines in lower case with composed accents, as
    // the text was normalised: a line that reads as the text holds its
    // longest piece as it is. Lines without it are not worth normalising.
    const std::string_view cle = *std::max_element(
        pieces.begin(), pieces.end(), [](auto x, auto y) { return x.size() < y.size(); });

    std::vector<TAnalyse> analyses;
    for (const TCandidat& c : candidats)
        for (const std::string& pronom : pronoms)
            for (const std::string& suite : suites) {
                TVerbe verbe;
                verbe.DefinitVerbe(pronom + c.Infinitif + suite);
                // No such phrase: not worth its facts.
                if (verbe.DonneGroupe() == 0) continue;
                // As the front ends conjugate it: évanouir is s'évanouir.
                const TFaits faits = PrepareVerbe(verbe);
                if (verbe.DonneGroupe() == 0 || verbe.MotVue() != c.Infinitif ||
                    verbe.EstPronominal() != !pronom.empty())
                    continue;
                TAnalyse analyse{verbe.Intitule(), c.Connu, {}};
                const auto lit = [&](const TOptions& o) {
                    // Only a verb that takes both auxiliaries has a grid of
                    // the other.
                    if (o.AutreAuxiliaire && verbe.Auxiliaires() == TDeuxAuxiliaires::Non) return;
                    const TLignesGrille lignes = ConjugueGrille(verbe, o, faits);
                    // The whole table: "en parlant", "s'être levé", "été aimé" too.
                    for (const TCellule& cellule : GrilleComplete)
                        for (int p = cellule.PremierePersonne; p <= cellule.DernierePersonne; ++p) {
                            const std::string_view ligne =
                                lignes[cellule.Premier + p - cellule.PremierePersonne];
                            if (ligne.find(cle) == std::string_view::npos || EstMarqueur(ligne) ||
                                !Correspond(ligne, lu.Texte))
                                continue;
                            const bool vue =
                                std::any_of(analyse.Lectures.begin(), analyse.Lectures.end(),
                                            [&](const TLecture& l) {
                                                return l.Cellule == cellule.Nom && l.Personne == p;
                                            });
                            if (!vue) analyse.Lectures.push_back({cellule.Nom, p, false, o});
                        }
                };
                // The usual spelling first: a line it holds is not said to be
                // of another.
                for (const TOptions& graphie : Graphies)
                    if (AVoir(graphies, graphie))
                        for (const TOptions& o : combinaisons) lit(Reunies(o, graphie));
                if (analyse.Lectures.empty()) continue;
                std::stable_sort(analyse.Lectures.begin(), analyse.Lectures.end(),
                                 [](const TLecture& x, const TLecture& y) {
                                     return std::pair(RangCellule(x.Cellule), x.Personne) <
                                            std::pair(RangCellule(y.Cellule), y.Personne);
                                 });
                analyses.push_back(std::move(analyse));
            }
    // A question typed without its mark is read as one only when nothing
    // reads the text as written (levez-vous: the impératif of se lever).
    if (!lu.Question) {
        const auto tel = [](const TLecture& l) { return !l.Options.Interrogation; };
        if (std::any_of(analyses.begin(), analyses.end(), [&](const TAnalyse& x) {
                return std::any_of(x.Lectures.begin(), x.Lectures.end(), tel);
            })) {
            for (TAnalyse& x : analyses) std::erase_if(x.Lectures, std::not_fn(tel));
            std::erase_if(analyses, [](const TAnalyse& x) { return x.Lectures.empty(); });
        }
    }
    return analyses;
}

namespace {

// "on est venus": on's lines are il's, its participle agreed as the sense
// wants (venus, venue); the grid writes il and elle only.
std::vector<TAnalyse> LitAvecOn(const TTexteLu& lu) {
    std::vector<TAnalyse> analyses = LitLigne(lu);
    if (!analyses.empty() || !lu.Texte.starts_with("on ")) return analyses;
    const std::string_view reste = std::string_view(lu.Texte).substr(2);
    for (const bool accord : {false, true})
        for (const std::string_view sujet : {"il", "elle"}) {
            TTexteLu essai = lu;
            essai.Texte = std::string(sujet) + std::string(reste);
            if (accord) {
                if (!essai.Texte.ends_with('s')) return analyses;
                essai.Texte.pop_back();
            }
            analyses = LitLigne(essai);
            for (TAnalyse& a : analyses) {
                a.Ligne = essai.Texte;
                // Only a participle agrees: "on sommes" is no "il somme".
                if (accord)
                    std::erase_if(a.Lectures, [](const TLecture& l) {
                        return !l.Options.Passif &&
                               !EstCompose(GrilleComplete[std::size_t(RangCellule(l.Cellule))]);
                    });
            }
            std::erase_if(analyses, [](const TAnalyse& a) { return a.Lectures.empty(); });
            if (!analyses.empty()) return analyses;
        }
    return analyses;
}

}  // namespace

std::vector<TAnalyse> LitLigneOuSubordonnee(const TTexteLu& lu) {
    std::vector<TAnalyse> analyses = LitAvecOn(lu);
    if (!analyses.empty()) return analyses;
    // "il faut que je sache", "bien qu'elle soit partie": the clause after
    // the last que is a line of the subjonctif, or, without its que, of
    // another mood ("je crois qu'il vient").
    // Where the clause starts, past its blank; npos + 1 is 0: none.
    const std::size_t que = std::max(lu.Texte.rfind(" que ") + 1, lu.Texte.rfind(" qu'") + 1);
    if (que == 0) return analyses;
    TTexteLu subordonnee = lu;
    subordonnee.Texte = lu.Texte.substr(que);
    for (const bool sansQue : {false, true}) {
        if (sansQue) subordonnee.Texte.erase(0, subordonnee.Texte.starts_with("qu'") ? 3 : 4);
        analyses = LitAvecOn(subordonnee);
        for (TAnalyse& a : analyses) {
            if (a.Ligne.empty()) a.Ligne = subordonnee.Texte;
            a.Subordonnee = lu.Texte.substr(que);
        }
        if (!analyses.empty()) return analyses;
    }
    return analyses;
}

}  // namespace florimot::lexique
