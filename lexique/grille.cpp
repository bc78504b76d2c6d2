// The engine's side of the lexicon: reading a form off a grid, the
// infinitives a form's letters suggest, and the French descriptions.
#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <unordered_map>
#include <unordered_set>

#include "conjugaison.hpp"  // EstMarqueur: the engine's own list of markers
#include "faits.hpp"
#include "formes_nues.hpp"
#include "interne.hpp"
#include "lexique.hpp"
#include "saisie.hpp"
#include "utf8.hpp"

namespace florimot {

namespace lexique {

// Whether a verb word of the grid is the form: the word itself, or one of
// the spellings a line offers side by side ("séant/seyant").
bool Tient(std::string_view mot, std::string_view forme) {
    if (mot == forme) return true;
    if (mot.find('/') == std::string_view::npos) return false;
    while (!mot.empty()) {
        const std::size_t barre = mot.find('/');
        if (mot.substr(0, barre) == forme) return true;
        if (barre == std::string_view::npos) break;
        mot.remove_prefix(barre + 1);
    }
    return false;
}

}  // namespace lexique

namespace {

constexpr std::string_view PartPasse = "PartPasse";

// Moods whose simple lines carry a pronoun, and "que" in the subjonctif.
bool AvecPronom(const Cellule& c) {
    return c.DecalageMode == ModeIndicatif || c.DecalageMode == ModeSubjonctif ||
           c.DecalageMode == ModeConditionnel;
}

// The last word of a line: the participle of a compound line under the
// féminin or passif options, agreed as the engine agrees it there (absoute,
// dues), which its bare forms do not say.
std::string_view DernierMot(std::string_view ligne) {
    const std::size_t blanc = ligne.rfind(' ');
    if (blanc == std::string_view::npos) return {};
    return ligne.substr(blanc + 1);
}

// "eussé" → "eusse": the plain first person behind an inverted je, or ""
// when the form does not end in é or è.
std::string SansInversion(std::string_view forme) {
    for (std::string_view fin : {"é", "è"})
        if (forme.size() > fin.size() && forme.ends_with(fin)) {
            std::string s(forme.substr(0, forme.size() - fin.size()));
            return s + 'e';
        }
    return {};
}

using lexique::Tient;

// The verb word of a question's first person: "puis" of "puis-je ?",
// "aimé" of "aimé-je ?"; "" for "est-ce que je …".
std::string_view MotInverse(std::string_view ligne) {
    const std::size_t je = ligne.find("-je");
    if (je == std::string_view::npos) return {};
    std::string_view mot = ligne.substr(0, je);
    if (const std::size_t blanc = mot.rfind(' '); blanc != std::string_view::npos)
        mot.remove_prefix(blanc + 1);
    if (const std::size_t apostrophe = mot.rfind('\''); apostrophe != std::string_view::npos)
        mot.remove_prefix(apostrophe + 1);
    return mot;
}

const Cellule* Cherche(std::string_view nom) {
    for (const Cellule& c : GrilleComplete)
        if (c.Nom == nom) return &c;
    return nullptr;
}

bool ParticipeDansGrille(const lexique::TMotsGrille& mots, std::string_view forme) {
    for (const Cellule& c : Grille) {
        if (!EstCompose(c)) continue;
        for (int p = c.PremierePersonne; p <= c.DernierePersonne; ++p)
            if (Tient(mots.Mot(c, p), forme)) return true;
    }
    return false;
}

}  // namespace

namespace lexique {

TMotsGrille::TMotsGrille(const TVerbe& verbe, LignesGrille lignes, const TOptions& graphie)
    : lignes_(std::move(lignes)),
      formes_(std::make_unique<TFormes>(verbe, TGraphie{graphie.Rectifiee, graphie.Variante})) {}

TMotsGrille::TMotsGrille(const TVerbe& verbe, const TOptions& graphie)
    : TMotsGrille(verbe, GrilleLue(verbe, graphie), graphie) {}

TMotsGrille::~TMotsGrille() = default;

std::string TMotsGrille::Mot(const Cellule& c, int personne) const {
    if (EstMarqueur(lignes_[c.Premier + personne - c.PremierePersonne])) return {};
    // The infinitive has no bare form of its own: its line, which the grid
    // read writes without a pronoun, is the word.
    if (c.DecalageMode == ModeInfinitif) {
        const std::string_view ligne = lignes_[c.Premier];
        return EstCompose(c) || ligne.find(' ') != std::string_view::npos ? std::string()
                                                                          : std::string(ligne);
    }
    const TFormeNue f = formes_->Nue(c.CodeTemps, c.DecalageMode, personne);
    if (!f.Marqueur.empty() || f.EstVide()) return {};
    if (!f.EstCompose()) return std::string(f.Verbe);
    std::string participe(f.Participe);
    participe += f.Accord;
    return participe;
}

std::vector<TLecture> LecturesDansGrille(const TMotsGrille& mots, std::string_view forme) {
    std::vector<TLecture> lectures;
    if (forme.empty() || EstMarqueur(forme)) return lectures;
    for (const Cellule& c : Grille) {
        if (EstCompose(c)) continue;
        for (int p = c.PremierePersonne; p <= c.DernierePersonne; ++p)
            if (Tient(mots.Mot(c, p), forme)) lectures.push_back({c.Nom, p, false});
    }
    if (ParticipeDansGrille(mots, forme)) lectures.push_back({PartPasse, 0, false});
    return lectures;
}

}  // namespace lexique

TOptions OptionsDeLecture(const TLecture& lecture) {
    return Restreint(lecture.options, PorteeOption::Graphie);
}

namespace lexique {

bool GrilleConfirme(const TMotsGrille& mots, std::string_view forme, const TLecture& lecture) {
    if (forme.empty() || EstMarqueur(forme)) return false;
    if (lecture.cellule == PartPasse)
        return lecture.personne == 0 && !lecture.inversion && ParticipeDansGrille(mots, forme);
    const Cellule* c = Cherche(lecture.cellule);
    if (c == nullptr || EstCompose(*c) || lecture.personne < c->PremierePersonne ||
        lecture.personne > c->DernierePersonne)
        return false;
    const std::string mot = mots.Mot(*c, lecture.personne);
    if (!lecture.inversion) return Tient(mot, forme);
    // Only a first person with a pronoun turns its e before an inverted je.
    const std::string simple = SansInversion(forme);
    return lecture.personne == 1 && AvecPronom(*c) && !simple.empty() && Tient(mot, simple);
}

LignesGrille GrilleLue(const TVerbe& verbe, const TOptions& options) {
    return ConjugueGrille(verbe, options, FaitsDuVerbe(verbe));
}

std::vector<std::string> ParticipesAccordes(const TVerbe& verbe, const TOptions& graphie) {
    // A participle agrees only where the verb's lines make it: féminin
    // agrees that of the verbs with être (allée) and of the pronominal ones
    // (évanouie), passif that of the verbs with a direct object (prise,
    // aimés). Existée, dormie or fallue are no form.
    static constexpr TOptions Accords[] = {
        {.Feminin = true}, {.Passif = true}, {.Feminin = true, .Passif = true}};
    std::vector<std::string> participes;
    if (verbe.DonneGroupe() == 0) return participes;
    const auto releve = [&](const TVerbe& v, TOptions options, const TFaits& faits) {
        options.Rectifiee = graphie.Rectifiee;
        options.Variante = graphie.Variante;
        const LignesGrille lignes = ConjugueGrille(v, options, faits);
        for (const Cellule& c : Grille) {
            // Without the passif, a simple line ends in the verb itself.
            if (!options.Passif && !EstCompose(c)) continue;
            for (int i = 0; i < c.NombreLignes(); ++i) {
                const std::string_view ligne = lignes[c.Premier + i];
                if (EstMarqueur(ligne)) continue;
                const std::string_view p = DernierMot(ligne);
                if (!p.empty() &&
                    std::find(participes.begin(), participes.end(), p) == participes.end())
                    participes.emplace_back(p);
            }
        }
        // A verb with être agrees with its subject: its participle's cell
        // holds the feminine forms no line of the third persons shows
        // (échue: the impersonal il says il est échu).
        if (options.Passif || !(v.AvecEtre() || v.EstPronominal())) return;
        constexpr const Cellule& cellule = CelluleNommee("PartPasse");
        for (int i = 1; i < cellule.NombreLignes(); i += 2) {
            const std::string_view p = lignes[cellule.Premier + i];
            if (!EstMarqueur(p) && !p.empty() &&
                std::find(participes.begin(), participes.end(), p) == participes.end())
                participes.emplace_back(p);
        }
    };
    const TFaits faits = FaitsDuVerbe(verbe);
    for (const TOptions& options : Accords) releve(verbe, options, faits);
    // And its pronominal use, where it has one: elle s'est évanouie, moquée;
    // nous nous sommes réfugiés.
    if ((faits.Pronominal || faits.PeutEtrePronominal) && !verbe.EstPronominal()) {
        TVerbe pronominal = verbe;
        pronominal.AjoutePronom();
        for (const TOptions& options : {TOptions{}, TOptions{.Feminin = true}})
            releve(pronominal, options, FaitsDuVerbe(pronominal));
    }
    return participes;
}

bool ParticipeAccorde(const std::vector<std::string>& participes, std::string_view forme) {
    return std::any_of(participes.begin(), participes.end(),
                       [&](const std::string& p) { return Tient(p, forme); });
}

}  // namespace lexique

bool Confirme(std::string_view infinitif, std::string_view forme, const TLecture& lecture) {
    TVerbe v;
    v.DefinitVerbe(infinitif);
    if (v.DonneGroupe() == 0 || v.MotVue() != infinitif) return false;
    if (lexique::GrilleConfirme(lexique::TMotsGrille(v, OptionsDeLecture(lecture)), forme, lecture))
        return true;
    if (lecture.inversion) {
        TOptions question = OptionsDeLecture(lecture);
        question.Interrogation = true;
        const Cellule* c = Cherche(lecture.cellule);
        return c != nullptr && !EstCompose(*c) && AvecPronom(*c) && lecture.personne == 1 &&
               !forme.empty() && MotInverse(lexique::GrilleLue(v, question)[c->Premier]) == forme;
    }
    return lecture.cellule == PartPasse && lecture.personne == 0 && !lecture.inversion &&
           !forme.empty() && !EstMarqueur(forme) &&
           lexique::ParticipeAccorde(lexique::ParticipesAccordes(v), forme);
}

namespace lexique {

void FormesDuVerbe(const TVerbe& verbe, const TOptions& graphie,
                   const std::function<void(std::string_view, const TLecture&)>& rappel) {
    if (verbe.DonneGroupe() == 0) return;
    const TMotsGrille mots(verbe, graphie);
    const auto chaque = [&](std::string_view mot, const TLecture& l) {
        while (!mot.empty()) {
            const std::size_t barre = mot.find('/');
            if (const std::string_view f = mot.substr(0, barre); !f.empty() && !EstMarqueur(f))
                rappel(f, l);
            if (barre == std::string_view::npos) break;
            mot.remove_prefix(barre + 1);
        }
    };
    for (const Cellule& c : Grille)
        for (int p = c.PremierePersonne; p <= c.DernierePersonne; ++p)
            chaque(mots.Mot(c, p),
                   EstCompose(c) ? TLecture{PartPasse, 0, false} : TLecture{c.Nom, p, false});
    // The infinitive, so that "parler" is read as itself and never guessed
    // as the form of some "parlerer".
    constexpr const Cellule& infinitif = CelluleNommee("InfPres");
    chaque(mots.Mot(infinitif, 0), {infinitif.Nom, 0, false});
    for (const std::string& p : ParticipesAccordes(verbe, graphie))
        chaque(p, {PartPasse, 0, false});
    TOptions question = graphie;
    question.Interrogation = true;
    const LignesGrille questions = GrilleLue(verbe, question);
    for (const Cellule& c : Grille) {
        if (EstCompose(c) || !AvecPronom(c)) continue;
        const std::string_view mot = MotInverse(questions[c.Premier]);
        if (!mot.empty() && !Tient(mots.Mot(c, 1), mot)) chaque(mot, {c.Nom, 1, true});
    }
}

std::string InfinitifTraditionnel(std::string_view infinitif) {
    for (std::string_view fin : {"aitre", "oitre"})
        if (infinitif.ends_with(fin)) {
            std::string r(infinitif.substr(0, infinitif.size() - 4));
            return r + "ître";
        }
    return {};
}

int RangCellule(std::string_view cellule) {
    for (std::size_t i = 0; i < GrilleComplete.size(); ++i)
        if (GrilleComplete[i].Nom == cellule) return static_cast<int>(i);
    return static_cast<int>(GrilleComplete.size());
}

std::optional<std::string> Normalise(std::string_view texte) {
    if (!utf8::EstValide(texte)) return std::nullopt;
    // The engine's own reading of typed text, so that the entry, the command
    // line and the lexicon agree on what a word is.
    std::string mot = NormaliseSaisie(texte);
    if (!mot.empty() && mot.front() == ' ') mot.erase(0, 1);
    if (!mot.empty() && mot.back() == ' ') mot.pop_back();
    if (mot.empty() || mot.find(' ') != std::string::npos) return std::nullopt;
    std::size_t lettres = 0;
    for (std::string_view reste = mot; !reste.empty(); ++lettres)
        reste.remove_prefix(utf8::Decode(reste).taille);
    if (lettres > LettresMax) return std::nullopt;
    return mot;
}

namespace {

// Letters of a tail tried after each head: "convain|quissions" and
// "cong|èleraient" are about the longest the engine's endings take past the
// head they share with their infinitive.
constexpr std::size_t TailleQueue = 10;

// For each tail the forms of the engine's example verbs put after the head
// they share with their infinitive, the endings the engine cuts its models'
// infinitives at that give it, in the engine's order: so that a head costs
// one look-up, not one per ending. The form index holds the table
// (TexteDesQueues), made at build time: built here, it would cost the
// first guess of a run some fifty milliseconds of grids.
struct TQueues {
    std::unordered_map<std::string_view, std::vector<std::string_view>> fins;
};

TQueues LitQueues(std::string_view texte) {
    TQueues q;
    while (!texte.empty()) {
        const std::size_t fin = texte.find('\n');
        std::string_view ligne = texte.substr(0, fin);
        texte.remove_prefix(fin == std::string_view::npos ? texte.size() : fin + 1);
        const std::size_t tab = ligne.find('\t');
        if (tab == std::string_view::npos) continue;
        std::vector<std::string_view>& fins = q.fins[ligne.substr(0, tab)];
        for (ligne.remove_prefix(tab + 1); !ligne.empty();) {
            const std::size_t blanc = ligne.find(' ');
            fins.push_back(ligne.substr(0, blanc));
            ligne.remove_prefix(blanc == std::string_view::npos ? ligne.size() : blanc + 1);
        }
    }
    return q;
}

const TQueues& Queues() {
    static const std::string calcule = QueuesDeLIndex().empty() ? TexteDesQueues() : std::string();
    static const TQueues queues = LitQueues(calcule.empty() ? QueuesDeLIndex() : calcule);
    return queues;
}

}  // namespace

std::string TexteDesQueues() {
    std::unordered_map<std::string_view, std::unordered_set<std::string>> parFin;
    for (std::string_view m : VerbesExemples()) {
        TVerbe v;
        v.DefinitVerbe(m);
        std::vector<std::string> formes;
        // Both spellings and both series: cèderai, assieds, paye.
        for (const TOptions& graphie : Graphies) {
            const TMotsGrille mots(v, ConjugueGrille(v, graphie), graphie);
            for (const Cellule& c : Grille)
                for (int p = c.PremierePersonne; p <= c.DernierePersonne; ++p)
                    if (std::string f = mots.Mot(c, p); !f.empty()) formes.push_back(std::move(f));
        }
        const std::vector<std::string> accords = ParticipesAccordes(v);
        formes.insert(formes.end(), accords.begin(), accords.end());
        for (std::string_view fin : CoupesDesModeles()) {
            if (!m.ends_with(fin) || m.size() == fin.size()) continue;
            const std::string_view tete = m.substr(0, m.size() - fin.size());
            for (std::string_view f : formes)
                if (f.starts_with(tete)) parFin[fin].emplace(f.substr(tete.size()));
        }
    }
    // Sorted, so that the table is the same from one build to the next.
    std::map<std::string, std::vector<std::string_view>> parQueue;
    for (std::string_view fin : CoupesDesModeles()) {
        const auto tails = parFin.find(fin);
        if (tails == parFin.end()) continue;
        for (const std::string& queue : tails->second) {
            std::vector<std::string_view>& fins = parQueue[queue];
            // An ending the engine lists twice is tried once: the
            // candidates are deduplicated all the same.
            if (std::find(fins.begin(), fins.end(), fin) == fins.end()) fins.push_back(fin);
        }
    }
    std::string texte;
    for (const auto& [queue, fins] : parQueue) {
        texte += queue;
        for (std::size_t i = 0; i < fins.size(); ++i) {
            texte += i == 0 ? '\t' : ' ';
            texte += fins[i];
        }
        texte += '\n';
    }
    return texte;
}

std::vector<std::string> InfinitifsPossibles(std::string_view forme) {
    // Where each letter starts.
    std::vector<std::size_t> debuts;
    for (std::size_t i = 0; i < forme.size();) {
        debuts.push_back(i);
        i += utf8::Decode(forme.substr(i)).taille;
    }
    debuts.push_back(forme.size());
    const std::size_t n = debuts.size() - 1;
    const auto& queues = Queues();
    std::vector<std::string> candidats;
    const auto ajoute = [&](std::string v) {
        std::size_t lettres = 0;
        for (std::size_t i = 0; i < v.size();
             i += utf8::Decode(std::string_view(v).substr(i)).taille)
            ++lettres;
        // A few dozen at most: a walk costs less than a set.
        if (lettres <= TText::Capacite &&
            std::find(candidats.begin(), candidats.end(), v) == candidats.end())
            candidats.push_back(std::move(v));
    };
    for (std::size_t tete = n; tete >= 1; --tete) {
        if (n - tete > TailleQueue) break;
        const std::string_view debut = forme.substr(0, debuts[tete]);
        const std::string_view queue = forme.substr(debuts[tete]);
        if (const auto q = queues.fins.find(queue); q != queues.fins.end())
            for (std::string_view fin : q->second) {
                std::string v;
                v.reserve(debut.size() + fin.size());
                v.append(debut).append(fin);
                ajoute(std::move(v));
            }
        // achète, célèbre: the first group's e or é turned è before one or
        // two consonants of the stem, which no head shares with the infinitive.
        if (queue.starts_with("è"))
            for (std::size_t k = 1; k <= 2 && tete + 1 + k <= n; ++k) {
                const std::string_view consonnes =
                    forme.substr(debuts[tete + 1], debuts[tete + 1 + k] - debuts[tete + 1]);
                for (std::string_view voyelle : {"e", "é"})
                    ajoute(std::string(debut) + std::string(voyelle) + std::string(consonnes) +
                           "er");
            }
    }
    return candidats;
}

}  // namespace lexique

// ---------------------------------------------------------------------------
// French descriptions

namespace {

std::string Minuscules(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return r;
}

std::string Legende(std::string_view cellule) {
    if (cellule == PartPasse) return "participe passé";
    const Cellule* c = Cherche(cellule);
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
std::string NomPersonne(const TLecture& l, std::string_view forme, bool on = false,
                        bool pluriel = false) {
    static constexpr std::array<std::string_view, 6> Pronoms = {"je",   "tu",   "il",
                                                                "nous", "vous", "ils"};
    static constexpr std::array<std::string_view, 3> Imperatif = {"tu", "nous", "vous"};
    if (l.personne < 1 || l.personne > 6) return {};
    const Cellule* c = Cherche(l.cellule);
    std::string nom(c != nullptr && c->DecalageMode == ModeImperatif && l.personne <= 3
                        ? Imperatif[l.personne - 1]
                        : Pronoms[l.personne - 1]);
    if (l.options.Feminin && nom.starts_with("il")) nom.replace(0, 2, "elle");
    if (on && l.personne == 3) {
        nom = "on";
        if (l.options.Feminin || pluriel)
            nom += l.options.Feminin
                       ? (pluriel ? " (accord au féminin pluriel)" : " (accord au féminin)")
                       : " (accord au pluriel)";
        TOptions autres = Restreint(l.options, PorteeOption::Ligne);
        autres.Feminin = false;
        if (!autres.Aucune()) nom += " (" + DecritOptions(autres) + ")";
        return nom;
    }
    if (l.inversion) nom += " (" + std::string(forme) + (forme.ends_with("-je") ? ")" : "-je)");
    // The options a line shows, as the window's caption writes them; its
    // spelling is said apart (Graphie).
    if (const TOptions ligne = Restreint(l.options, PorteeOption::Ligne); !ligne.Aucune())
        nom += " (" + DecritOptions(ligne) + ")";
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
    if (l.options.Rectifiee && l.options.Variante) return " (orthographe rectifiée, autre forme)";
    if (l.options.Rectifiee) return " (orthographe rectifiée)";
    if (l.options.Variante) return " (autre forme)";
    return {};
}

// Whether the text, or the clause it was read as, has on for subject, and
// whether its participle shows the plural the grid's il does not.
std::pair<bool, bool> SujetOn(std::string_view forme, const TAnalyse& a) {
    std::string_view texte = a.subordonnee.empty() ? forme : std::string_view(a.subordonnee);
    if (texte.starts_with("qu'")) texte.remove_prefix(3);
    if (texte.starts_with("que ")) texte.remove_prefix(4);
    if (!texte.starts_with("on ") || a.ligne.empty()) return {false, false};
    return {true, texte.back() == 's' && a.ligne.back() != 's'};
}

std::string DecritVerbe(std::string_view forme, const TAnalyse& a) {
    const auto [on, pluriel] = SujetOn(forme, a);
    std::string nom = a.infinitif;
    if (!a.connu) nom += " (absent du dictionnaire)";
    // Cells that share the same persons go together, in grid order.
    // A cell's readings of another spelling or series stand apart.
    struct Groupe {
        std::vector<std::string> cellules;
        std::vector<std::string> personnes;
        std::string_view graphie;
    };
    std::vector<Groupe> groupes;
    std::vector<std::string> sansPersonne;  // the participles
    std::vector<std::pair<std::string_view, std::string_view>> vues;
    for (const TLecture& l : a.lectures) {
        if (l.personne == 0 || lexique::RangCellule(l.cellule) >= int(Grille.size())) {
            // The participle's cell names its agreement in its persons.
            static constexpr std::string_view Accords[] = {"", " masculin singulier",
                                                           " féminin singulier",
                                                           " masculin pluriel", " féminin pluriel"};
            std::string s = Legende(l.cellule);
            if (l.cellule == PartPasse && l.personne >= 1 && l.personne <= 4)
                s += Accords[l.personne];
            // Its spelling is said apart (Graphie).
            if (const TOptions ligne = Restreint(l.options, PorteeOption::Ligne); !ligne.Aucune())
                s += " (" + DecritOptions(ligne) + ")";
            sansPersonne.push_back(s + std::string(Graphie(l)));
            continue;
        }
        const std::pair<std::string_view, std::string_view> cle(l.cellule, Graphie(l));
        if (std::find(vues.begin(), vues.end(), cle) != vues.end()) continue;
        vues.push_back(cle);
        std::vector<std::string> personnes;
        for (const TLecture& m : a.lectures)
            if (m.cellule == l.cellule && Graphie(m) == cle.second)
                personnes.push_back(NomPersonne(m, forme, on, pluriel));
        auto g = std::find_if(groupes.begin(), groupes.end(), [&](const Groupe& x) {
            return x.personnes == personnes && x.graphie == cle.second;
        });
        if (g == groupes.end()) {
            groupes.push_back({{}, personnes, cle.second});
            g = groupes.end() - 1;
        }
        g->cellules.push_back(Legende(l.cellule));
    }
    if (groupes.empty()) return Enumere(sansPersonne) + (Elide(a.infinitif) ? " d'" : " de ") + nom;
    std::string r = nom;
    for (std::size_t i = 0; i < groupes.size(); ++i) {
        r += i == 0 ? ", " : " ; ";
        r += Enumere(groupes[i].cellules) + ", " + Enumere(groupes[i].personnes);
        r += groupes[i].graphie;
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
        if (!a.lectures.empty()) verbes.push_back(DecritVerbe(forme, a));
    if (verbes.empty()) return r + "aucune forme verbale connue";
    for (std::size_t i = 0; i < verbes.size(); ++i) r += (i > 0 ? " — " : "") + verbes[i];
    if (!analyse.empty() && !analyse.front().subordonnee.empty())
        r += " (subordonnée : " + analyse.front().subordonnee + ")";
    return r;
}

std::string NoteVerbe(std::string_view infinitif, const TFaitsVerbe& faits) {
    if (!faits.connu) return std::string(NoteVerbeInconnu);
    std::vector<std::string> parties;
    if (faits.pronominal)
        parties.push_back("essentiellement pronominal : " +
                          std::string(Elide(infinitif) ? "s'" : "se ") + std::string(infinitif));
    if (faits.impersonnel) {
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
    if (!faits.pronominal && faits.etre) {
        TVerbe v;
        v.DefinitVerbe(infinitif);
        if (!faits.avoir)
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
