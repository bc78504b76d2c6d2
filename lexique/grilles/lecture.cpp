// Reading a form off a verb's grid: the verb word of each line, the
// readings a grid holds, the participles agreed, and every form of a verb
// the form index is made of.
#include <algorithm>
#include <functional>
#include <optional>

#include "conjugaison.hpp"  // EstMarqueur: the engine's own list of markers
#include "faits.hpp"
#include "formes_nues.hpp"
#include "interne.hpp"
#include "lexique.hpp"
#include "saisie.hpp"
#include "utf8.hpp"

namespace florimot {

namespace lexique {

const TCellule* Cherche(std::string_view nom) {
    for (const TCellule& c : GrilleComplete)
        if (c.Nom == nom) return &c;
    return nullptr;
}

// Whether a verb word of the grid is the form: the word itself, or one of
// the spellings a line offers side by side ("séant/seyant").
bool Tient(std::string_view mot, std::string_view forme) {
    // A spelling side by side is shorter than the word that offers it: a
    // word no longer than the form is the form or none (a guess asks this
    // of every slot of its candidates, nearly always for nothing).
    if (mot.size() <= forme.size()) return mot == forme;
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

using lexique::Cherche;
using lexique::PartPasse;

// Moods whose simple lines carry a pronoun, and "que" in the subjonctif.
bool AvecPronom(const TCellule& c) {
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

bool ParticipeDansGrille(const lexique::TMotsGrille& mots, std::string_view forme) {
    // Every compound line's word is the participle and its agreement
    // (TMotsGrille::Tient): a form that does not begin with it is in none.
    const std::string_view participe = mots.Formes().Participe();
    if (participe.find('/') == std::string_view::npos && !forme.starts_with(participe))
        return false;
    for (const TCellule& c : Grille) {
        if (!EstCompose(c)) continue;
        for (int p = c.PremierePersonne; p <= c.DernierePersonne; ++p)
            if (mots.Tient(c, p, forme)) return true;
    }
    return false;
}

}  // namespace

namespace lexique {

TMotsGrille::TMotsGrille(const TVerbe& verbe, TLignesGrille lignes, const TOptions& graphie)
    : Lignes_(std::move(lignes)),
      Formes_(std::make_unique<TFormes>(verbe, TGraphie{graphie.Rectifiee, graphie.Variante})) {
    LitSimples();
}

TMotsGrille::TMotsGrille(const TVerbe& verbe, const TOptions& graphie)
    : TMotsGrille(verbe, GrilleLue(verbe, graphie), graphie) {}

TMotsGrille::TMotsGrille(const TFormes& formes, const TOptions& graphie)
    : Lignes_(ConjugueGrille(formes, graphie, FaitsDuVerbe(formes.Verbe()))),
      Formes_(std::make_unique<TFormes>(formes)) {
    LitSimples();
}

void TMotsGrille::LitSimples() {
    // The views point into Formes_, which the grid owns and never moves.
    for (const TCellule& c : Grille) {
        if (EstCompose(c) || c.DecalageMode == ModeInfinitif) continue;
        for (int p = c.PremierePersonne; p <= c.DernierePersonne; ++p) {
            const std::size_t ligne = c.Premier + p - c.PremierePersonne;
            if (EstMarqueur(Lignes_[ligne])) continue;
            const TFormeNue f = Formes_->Nue(c.CodeTemps, c.DecalageMode, p);
            if (!f.Marqueur.empty() || f.EstVide() || f.EstCompose()) continue;
            Simples_[ligne] = f.Verbe;
            Barres_ = Barres_ || f.Verbe.find('/') != std::string_view::npos;
        }
    }
}

TMotsGrille::~TMotsGrille() = default;

std::string TMotsGrille::Mot(const TCellule& c, int personne) const {
    if (EstMarqueur(Lignes_[c.Premier + personne - c.PremierePersonne])) return {};
    // The infinitive has no bare form of its own: its line, which the grid
    // read writes without a pronoun, is the word.
    if (c.DecalageMode == ModeInfinitif) {
        const std::string_view ligne = Lignes_[c.Premier];
        return EstCompose(c) || ligne.find(' ') != std::string_view::npos ? std::string()
                                                                          : std::string(ligne);
    }
    const TFormeNue f = Formes_->Nue(c.CodeTemps, c.DecalageMode, personne);
    if (!f.Marqueur.empty() || f.EstVide()) return {};
    if (!f.EstCompose()) return std::string(f.Verbe);
    std::string participe(f.Participe);
    participe += f.Accord;
    return participe;
}

bool TMotsGrille::TientAutre(const TCellule& c, int personne, std::string_view forme) const {
    // Mot's answer, compared where it lies: a guess scans whole grids for
    // one word, and building each word was most of the scan.
    if (c.DecalageMode == ModeInfinitif) return lexique::Tient(Mot(c, personne), forme);
    if (EstMarqueur(Lignes_[c.Premier + personne - c.PremierePersonne])) return false;
    const TFormeNue f = Formes_->Nue(c.CodeTemps, c.DecalageMode, personne);
    if (!f.Marqueur.empty() || f.EstVide()) return false;
    if (!f.EstCompose()) return lexique::Tient(f.Verbe, forme);
    if (f.Participe.find('/') != std::string_view::npos)
        return lexique::Tient(Mot(c, personne), forme);
    return forme.size() == f.Participe.size() + f.Accord.size() && forme.starts_with(f.Participe) &&
           forme.ends_with(f.Accord);
}

std::vector<TLecture> LecturesDansGrille(const TMotsGrille& mots, std::string_view forme) {
    std::vector<TLecture> lectures;
    if (forme.empty() || EstMarqueur(forme)) return lectures;
    for (const TCellule& c : Grille) {
        if (EstCompose(c)) continue;
        for (int p = c.PremierePersonne; p <= c.DernierePersonne; ++p)
            if (mots.Tient(c, p, forme)) lectures.push_back({c.Nom, p, false});
    }
    if (ParticipeDansGrille(mots, forme)) lectures.push_back({PartPasse, 0, false});
    return lectures;
}

}  // namespace lexique

TOptions OptionsDeLecture(const TLecture& lecture) {
    return Restreint(lecture.Options, TPorteeOption::Graphie);
}

namespace lexique {

bool GrilleConfirme(const TMotsGrille& mots, std::string_view forme, const TLecture& lecture) {
    if (forme.empty() || EstMarqueur(forme)) return false;
    if (lecture.Cellule == PartPasse)
        return lecture.Personne == 0 && !lecture.Inversion && ParticipeDansGrille(mots, forme);
    const TCellule* c = Cherche(lecture.Cellule);
    if (c == nullptr || EstCompose(*c) || lecture.Personne < c->PremierePersonne ||
        lecture.Personne > c->DernierePersonne)
        return false;
    const std::string mot = mots.Mot(*c, lecture.Personne);
    if (!lecture.Inversion) return Tient(mot, forme);
    // Only a first person with a pronoun turns its e before an inverted je.
    const std::string simple = SansInversion(forme);
    return lecture.Personne == 1 && AvecPronom(*c) && !simple.empty() && Tient(mot, simple);
}

TLignesGrille GrilleLue(const TVerbe& verbe, const TOptions& options) {
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
    // `formes`: the verb's bare forms in `graphie`, with its other auxiliary
    // where `options` asks for it; the options that agree (féminin, passif)
    // do not change them, so each table serves every one.
    const auto releve = [&](const TFormes& formes, TOptions options, const TFaits& faits) {
        const TVerbe& v = formes.Verbe();
        options.Rectifiee = graphie.Rectifiee;
        options.Variante = graphie.Variante;
        const TLignesGrille lignes = ConjugueGrille(formes, options, faits);
        for (const TCellule& c : Grille) {
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
        if (options.Passif || !(v.AvecEtre(options.AutreAuxiliaire) || v.EstPronominal())) return;
        constexpr const TCellule& cellule = CelluleNommee("PartPasse");
        for (int i = 1; i < cellule.NombreLignes(); i += 2) {
            const std::string_view p = lignes[cellule.Premier + i];
            if (!EstMarqueur(p) && !p.empty() &&
                std::find(participes.begin(), participes.end(), p) == participes.end())
                participes.emplace_back(p);
        }
    };
    const TFaits faits = FaitsDuVerbe(verbe);
    const TFormes propres(verbe, {graphie.Rectifiee, graphie.Variante});
    const bool deux = verbe.Auxiliaires() != TDeuxAuxiliaires::Non;
    const std::optional<TFormes> autres =
        deux ? std::optional<TFormes>(std::in_place, verbe,
                                      TGraphie{graphie.Rectifiee, graphie.Variante, true})
             : std::nullopt;
    for (TOptions options : Accords) {
        releve(propres, options, faits);
        // And under its other auxiliary: il est disparu, elle est disparue.
        options.AutreAuxiliaire = true;
        if (autres) releve(*autres, options, faits);
    }
    // And its pronominal use, where it has one: elle s'est évanouie, moquée;
    // nous nous sommes réfugiés.
    if ((faits.Pronominal || faits.PeutEtrePronominal) && !verbe.EstPronominal()) {
        TVerbe pronominal = verbe;
        pronominal.AjoutePronom();
        const TFormes formes(pronominal, {graphie.Rectifiee, graphie.Variante});
        const TFaits faitsPronominal = FaitsDuVerbe(pronominal);
        for (const TOptions& options : {TOptions{}, TOptions{.Feminin = true}})
            releve(formes, options, faitsPronominal);
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
    if (lecture.Inversion) {
        TOptions question = OptionsDeLecture(lecture);
        question.Interrogation = true;
        const TCellule* c = Cherche(lecture.Cellule);
        return c != nullptr && !EstCompose(*c) && AvecPronom(*c) && lecture.Personne == 1 &&
               !forme.empty() && MotInverse(lexique::GrilleLue(v, question)[c->Premier]) == forme;
    }
    return lecture.Cellule == PartPasse && lecture.Personne == 0 && !lecture.Inversion &&
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
    for (const TCellule& c : Grille)
        for (int p = c.PremierePersonne; p <= c.DernierePersonne; ++p)
            chaque(mots.Mot(c, p),
                   EstCompose(c) ? TLecture{PartPasse, 0, false} : TLecture{c.Nom, p, false});
    // The infinitive, so that "parler" is read as itself and never guessed
    // as the form of some "parlerer".
    constexpr const TCellule& infinitif = CelluleNommee("InfPres");
    chaque(mots.Mot(infinitif, 0), {infinitif.Nom, 0, false});
    for (const std::string& p : ParticipesAccordes(verbe, graphie))
        chaque(p, {PartPasse, 0, false});
    TOptions question = graphie;
    question.Interrogation = true;
    const TLignesGrille questions = GrilleLue(verbe, question);
    for (const TCellule& c : Grille) {
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
        reste.remove_prefix(utf8::Decode(reste).Taille);
    if (lettres > LettresMax) return std::nullopt;
    return mot;
}

}  // namespace lexique

}  // namespace florimot
