#include "conjugaison.hpp"

#include <algorithm>
#include <array>
#include <span>
#include <utility>

#include "copie.hpp"
#include "formes_nues.hpp"
#include "locutions.hpp"
#include "plan.hpp"

namespace florimot {

namespace {

// Lines are written into a buffer every line fits in: no allocation per
// line, one per grid.
constexpr std::size_t LigneMax = 4 * TText::Capacite + 160 + 1 + ComplementMax;

class TEcriture {
public:
    explicit TEcriture(char* debut) : p_(debut) {}
    void operator<<(std::string_view s) {
        CopieCourte(p_, s.data(), s.size());
        p_ += s.size();
    }
    void operator<<(char c) { *p_++ = c; }
    char* Position() const { return p_; }
    // Forgets what was written since `p`.
    void Recule(char* p) { p_ = p; }

private:
    char* p_;
};

// Words separated by blanks, where je, me, te, se, ne and que elide before
// the word that follows them (j'aime, ne m'habitue, qu'il).
class TPhrase {
public:
    TPhrase(TEcriture& e, const TVerbe& verbe) : e_(e), verbe_(verbe) {}
    void Elidable(std::string_view mot) {
        Pose(mot);
        enAttente_ = mot;
    }
    void Mot(std::string_view mot) {
        Pose(mot);
        e_ << mot;
    }
    // Starts a word the caller writes itself, piece by piece.
    TEcriture& NouveauMot() {
        Pose({});
        return e_;
    }
    // Glued to the word before: "-t-il", "-toi", " ?".
    void Colle(std::string_view s) { e_ << s; }

private:
    void Pose(std::string_view suivant) {
        if (!enAttente_.empty()) {
            if (ElideDevant(verbe_, suivant)) {
                e_ << enAttente_.substr(0, enAttente_.size() - 1);  // je: j', que: qu'
                e_ << '\'';
            } else {
                e_ << enAttente_;
                e_ << ' ';
            }
            enAttente_ = {};
        } else if (!premier_) {
            e_ << ' ';
        }
        premier_ = false;
    }

    TEcriture& e_;
    const TVerbe& verbe_;
    std::string_view enAttente_;
    bool premier_ = true;
};

// The verbs whose first person of the présent asks by inversion (puis-je,
// sais-je); every other asks with "est-ce que je".
constexpr std::string_view InversionJe[] = {
    "avoir", "être", "dire", "devoir", "pouvoir", "savoir", "faire", "aller", "vouloir", "voir",
};

bool Dans(const TVerbe& verbe, std::span<const std::string_view> liste) {
    for (std::string_view v : liste)
        if (verbe.Est(v)) return true;
    return false;
}

// The persons a verb's facts leave it, one bit per person of the personal
// moods (bit 1 je … bit 6 ils); the impératif's tu, nous, vous are bits 2, 4, 5.
constexpr std::uint8_t ToutesPersonnes = 0b1111110;

std::uint8_t PersonnesPermises(const TFaits& faits) {
    std::uint8_t permises = ToutesPersonnes;
    if (faits.Impersonnel) permises &= 1 << 3;
    if (faits.TroisiemesPersonnes) permises &= 1 << 3 | 1 << 6;
    if (faits.Reciproque) permises &= 1 << 4 | 1 << 5 | 1 << 6;
    return permises;
}

bool PersonnePermise(std::uint8_t permises, std::uint8_t DecalageMode, int Personne) {
    if (DecalageMode == ModeParticipe) return true;
    if (DecalageMode == ModeImperatif) Personne = Personne == 1 ? 2 : Personne + 2;
    return (permises >> Personne & 1) != 0;
}

// The subject of the third person singular is the impersonal il: the verb
// has no je while it has il (advenir, échoir), or its facts say so.
bool IlImpersonnel(const TFormes& f, const TFaits& faits) {
    return faits.Impersonnel || faits.TroisiemesPersonnes ||
           (EstMarqueur(f.Simple(Slot(0, ModeIndicatif, 1))) &&
            !EstMarqueur(f.Simple(Slot(0, ModeIndicatif, 3))));
}

// Only a verb with a direct object turns passive: not a pronominal verb, not
// one conjugated with être, not an impersonal one, not a verb without
// participle, not the auxiliaries, not a phrase (its complement is the
// verb's object).
bool SansPassif(const TFormes& f, const TFaits& faits) {
    const TVerbe& verbe = f.Verbe();
    return !faits.Passif || verbe.EstPronominal() || f.AvecEtre() || IlImpersonnel(f, faits) ||
           EstMarqueur(f.Participe()) || verbe.Est("être") || verbe.Est("avoir") ||
           !verbe.Complement().empty();
}

// What every line of one verb under one set of options shares.
struct TContexte {
    TContexte(const TFormes& f, const TOptions& o, const TFaits& faits)
        : formes(f),
          verbe(f.Verbe()),
          options(o),
          pronominal(verbe.EstPronominal()),
          personnes(PersonnesPermises(faits)),
          participeInvariable(faits.ParticipeInvariable),
          ilImpersonnel(faits.Impersonnel) {
        complement = verbe.Complement();
        // The spelling and the series are the bare forms' business.
        TOptions ligne = o;
        ligne.Rectifiee = ligne.Variante = false;
        simple =
            ligne.Aucune() && !pronominal && personnes == ToutesPersonnes && complement.empty();
        if (simple) return;  // the plain line needs none of the rest
        Complete(faits);
    }

    // What every line but the plain one needs; a plain context made general
    // writes its lines the long way.
    void Complete(const TFaits& faits) {
        const TFormes& f = formes;
        const TOptions& o = options;
        simple = false;
        impersonnel = IlImpersonnel(f, faits);
        passif = o.Passif;
        sansPassif = passif && SansPassif(f, faits);
        accordPronominal = !faits.ReflechiIndirect && !verbe.ReflechiIndirect();
        inversionJe = Dans(verbe, InversionJe);
    }

    const TFormes& formes;
    const TVerbe& verbe;
    TOptions options;
    bool pronominal;
    std::uint8_t personnes;
    bool participeInvariable;     // pu, suffi: never agrees
    bool ilImpersonnel;           // impersonal by its facts (il s'agit): never feminine
    std::string_view complement;  // of a phrase: after everything else
    bool impersonnel = false;
    bool passif = false;
    bool sansPassif = false;
    bool accordPronominal = true;
    bool inversionJe = false;
    bool simple;  // no option, no pronoun, every person: the plain line
};

std::string_view Sujet(const TContexte& x, int Personne) {
    // The impersonal il stays il: il faut, il pleut.
    const bool f = x.options.Feminin;
    switch (Personne) {
        case 1: return "je";
        case 2: return "tu";
        case 3: return f && !x.impersonnel ? "elle" : "il";
        case 4: return "nous";
        case 5: return "vous";
        case 6: return f ? "elles" : "ils";
        default: return "";
    }
}

std::string_view Reflechi(std::uint8_t DecalageMode, int Personne) {
    if (DecalageMode == ModeParticipe) return "se";
    if (DecalageMode == ModeImperatif) Personne = Personne == 1 ? 2 : Personne + 2;
    constexpr std::string_view R[] = {"", "me", "te", "se", "nous", "vous", "se"};
    return R[Personne];
}

void Pronoms(TPhrase& phrase, const TContexte& x, std::uint8_t DecalageMode, int Personne) {
    if (!x.pronominal) return;
    const std::string_view r = Reflechi(DecalageMode, Personne);
    if (r.size() == 2)
        phrase.Elidable(r);
    else
        phrase.Mot(r);
    if (x.verbe.AvecEn()) phrase.Mot("en");
    if (x.verbe.AvecY()) phrase.Mot("y");
}

// The participle with its agreement: venu, venus, venue, venues; absous,
// absoute; dû, dus, due.
void Accorde(TPhrase& phrase, std::string_view participe, bool feminin, bool pluriel) {
    TEcriture& e = phrase.NouveauMot();
    const bool circonflexe = participe.ends_with("û");
    if (circonflexe && (feminin || pluriel)) {
        participe.remove_suffix(std::string_view("û").size());
        e << participe;
        e << 'u';
    } else if (feminin && participe.ends_with("ous")) {
        participe.remove_suffix(1);
        e << participe;
        e << 't';
    } else {
        e << participe;
    }
    if (feminin) e << 'e';
    if (pluriel && (feminin || (!participe.ends_with('s') && !participe.ends_with('x')))) e << 's';
}

// The pronouns of the plain lines, with "que" in the subjonctif [1]; index 0
// is the elided je.
constexpr std::string_view PronomsSimples[2][7] = {
    {"j'", "je ", "tu ", "il ", "nous ", "vous ", "ils "},
    {"que j'", "que je ", "que tu ", "qu'il ", "que nous ", "que vous ", "qu'ils "}};

void Ligne(TEcriture& e, const TContexte& x, const Cellule& c, int Personne);

// What stands before the participle in each compound line of the plain grid,
// with avoir [0] and with être [1]: "j'ai ", "que nous soyons ". Cut once from
// the lines Ligne composes for a verb of each auxiliary, so that a compound
// line is composed in one place: the auxiliary's forms never change, nor
// their elision, and the plain grid copies what is cut.
// Kept end to end in one block, so that reading one is a single load.
class Prefixes {
public:
    Prefixes() {
        for (int etre = 0; etre < 2; ++etre) {
            TVerbe verbe;
            verbe.DefinitVerbe(etre == 1 ? "venir" : "parler");
            const TFormes f(verbe);
            TContexte x(f, {}, {});
            x.Complete({});
            for (const Cellule& c : Grille)
                for (int p = c.PremierePersonne; p <= c.DernierePersonne; ++p) {
                    const std::size_t i = c.Premier + p - c.PremierePersonne;
                    Debut_[etre][i] = static_cast<std::uint16_t>(Texte_.size());
                    if (EstCompose(c)) {
                        char tampon[LigneMax];
                        TEcriture e(tampon);
                        Ligne(e, x, c, p);
                        const std::string_view ligne(tampon, e.Position());
                        const std::size_t participe =
                            f.Participe().size() + f.Accord(c.DecalageMode, p).size();
                        Texte_ += ligne.substr(0, ligne.size() - participe);
                    }
                    Fin_[etre][i] = static_cast<std::uint16_t>(Texte_.size());
                }
        }
    }
    std::string_view operator()(bool etre, std::size_t i) const {
        return std::string_view(Texte_).substr(Debut_[etre][i], Fin_[etre][i] - Debut_[etre][i]);
    }

private:
    std::string Texte_;
    std::array<std::array<std::uint16_t, NombreLignesGrille>, 2> Debut_{}, Fin_{};
};

const Prefixes& PrefixesComposes() {
    static const Prefixes prefixes;
    return prefixes;
}

// The plain line, the most asked for: its pronouns from tables.
void LigneSimple(TEcriture& e, const TFormes& f, std::uint8_t CodeTemps, std::uint8_t DecalageMode,
                 int Personne, std::size_t indice) {
    if (EstCompose(CodeTemps)) {
        const std::string_view manque = f.ManqueCompose(CodeTemps, DecalageMode, Personne);
        if (!manque.empty()) {
            e << manque;
            return;
        }
        e << PrefixesComposes()(f.AvecEtre(), indice);
        e << f.Participe();
        e << f.Accord(DecalageMode, Personne);
        return;
    }
    const int slot = Slot(CodeTemps, DecalageMode, Personne);
    const std::string_view verbe = f.Simple(slot);
    if (f.Manque(slot)) {
        e << verbe;
        return;
    }
    if (DecalageMode != ModeImperatif && DecalageMode != ModeParticipe) {
        const int i = Personne == 1 && ElideDevant(f.Verbe(), verbe) ? 0 : Personne;
        e << PronomsSimples[DecalageMode == ModeSubjonctif][i];
    }
    e << verbe;
}

constexpr const Cellule& PartPres = CelluleNommee("PartPres");
constexpr const Cellule& PartPasseComp = CelluleNommee("PartPasseComp");

// The cells without a person: the infinitive, the participe passé and its
// compound form, the gérondif.
bool EstNominale(const Cellule& c) {
    return c.DecalageMode == ModeInfinitif || c.DecalageMode == ModeGerondif ||
           (c.DecalageMode == ModeParticipe && c.CodeTemps != 0);
}

// parlé, parlée, parlés, parlées (persons 1 to 4); été aimé under the passive.
// A participle that never agrees (fallu, été, se parler's parlé) has its
// masculine singular alone.
void LigneParticipePasse(TEcriture& e, const TContexte& x, int Personne) {
    const TFormes& f = x.formes;
    if (EstMarqueur(f.Participe())) {
        e << f.Participe();
        return;
    }
    // A verb of the third persons alone agrees as its être makes it (la
    // dette échue, les suites qui s'en sont ensuivies); with avoir, il is
    // the impersonal il (plu of pleuvoir).
    const bool troisiemes = x.impersonnel || IlImpersonnel(f, TFaits{});
    const bool invariable = x.ilImpersonnel || x.participeInvariable ||
                            (troisiemes && !f.AvecEtre() && !x.pronominal) || x.verbe.Est("être") ||
                            (x.pronominal && !x.accordPronominal);
    if (invariable && Personne > 1) {
        e << Absent;
        return;
    }
    TPhrase phrase(e, x.verbe);
    if (x.passif) phrase.Mot(TableEtre[SlotParticipePasse]);
    Accorde(phrase, f.Participe(), Personne % 2 == 0, Personne >= 3);
}

// avoir parlé, s'être levé, ne pas être venu; ayant parlé, n'ayant pas été
// aimé, ne s'étant pas levé. The infinitive puts "ne pas" before it all,
// the participle puts "pas" after its auxiliary.
void LigneComposeeNominale(TEcriture& e, const TContexte& x, bool infinitif) {
    const TFormes& f = x.formes;
    const TOptions& o = x.options;
    if (!x.passif) {
        // A defective verb's compound participle stands on its participe
        // présent (none for falloir); its infinitive on the third person
        // (avoir fallu, as il a fallu).
        const std::string_view manque = infinitif ? f.ManqueCompose(10, ModeIndicatif, 3)
                                                  : f.ManqueCompose(10, ModeParticipe, 0);
        if (!manque.empty()) {
            e << manque;
            return;
        }
    }
    TPhrase phrase(e, x.verbe);
    if (o.Negation) {
        if (infinitif) {
            phrase.Mot("ne");
            phrase.Mot("pas");
        } else {
            phrase.Elidable("ne");
        }
    }
    const bool etre = !x.passif && (f.AvecEtre() || x.pronominal);
    if (!x.passif) Pronoms(phrase, x, ModeParticipe, 0);
    if (infinitif)
        phrase.Mot(etre ? "être" : "avoir");
    else
        phrase.Mot(etre ? TableEtre[SlotParticipePresent] : TableAvoir[SlotParticipePresent]);
    if (o.Negation && !infinitif) phrase.Mot("pas");
    if (x.passif) phrase.Mot(TableEtre[SlotParticipePasse]);
    const bool accord = x.passif || (x.pronominal ? x.accordPronominal : f.AvecEtre());
    // The impersonal il is no feminine subject: s'être agi.
    if (accord)
        Accorde(phrase, f.Participe(), o.Feminin && (x.passif || !x.ilImpersonnel), false);
    else
        phrase.Mot(f.Participe());
    // s'être rendu compte, ayant pris soin.
    if (!x.complement.empty()) phrase.Mot(x.complement);
}

// parler, se lever, ne pas s'en aller, être aimé.
void LigneInfinitif(TEcriture& e, const TContexte& x) {
    TPhrase phrase(e, x.verbe);
    if (x.options.Negation) {
        phrase.Mot("ne");
        phrase.Mot("pas");
    }
    if (x.passif) {
        phrase.Mot("être");
        Accorde(phrase, x.formes.Participe(), x.options.Feminin, false);
        return;
    }
    Pronoms(phrase, x, ModeParticipe, 0);
    phrase.Mot(x.verbe.MotVue());
    if (!x.complement.empty()) phrase.Mot(x.complement);
}

void LigneNominale(TEcriture& e, const TContexte& x, const Cellule& c, int Personne) {
    if (x.options.Interrogation || x.sansPassif) {
        e << Absent;
        return;
    }
    const bool compose = EstCompose(c.CodeTemps);
    if (c.DecalageMode == ModeGerondif) {
        // en + the participle's line: en se levant, en n'ayant pas parlé.
        char* debut = e.Position();
        e << "en ";
        char* participe = e.Position();
        const Cellule& source = compose ? PartPasseComp : PartPres;
        Ligne(e, x, source, 0);
        const std::string_view ligne(participe, static_cast<std::size_t>(e.Position() - participe));
        if (EstMarqueur(ligne)) {
            // The marker alone, copied from its constant: the buffer is rewritten.
            const std::string_view marqueur = ligne == Absent     ? Absent
                                              : ligne == NonUsite ? NonUsite
                                                                  : PasDImperatif;
            e.Recule(debut);
            e << marqueur;
        }
        return;
    }
    if (c.DecalageMode == ModeInfinitif && !compose)
        LigneInfinitif(e, x);
    else if (c.CodeTemps == CodePartPasse)
        LigneParticipePasse(e, x, Personne);
    else
        LigneComposeeNominale(e, x, c.DecalageMode == ModeInfinitif);
}

// Appends the finished line of one request of the grid.
void Ligne(TEcriture& e, const TContexte& x, const Cellule& c, int Personne) {
    const std::uint8_t CodeTemps = c.CodeTemps, DecalageMode = c.DecalageMode;
    const TFormes& f = x.formes;
    if (!f.EstVerbe()) return;
    const TOptions& o = x.options;
    if (EstNominale(c)) {
        LigneNominale(e, x, c, Personne);
        return;
    }
    if (x.simple) {
        LigneSimple(e, f, CodeTemps, DecalageMode, Personne,
                    c.Premier + Personne - c.PremierePersonne);
        return;
    }
    const bool imperatif = DecalageMode == ModeImperatif;
    const bool participe = DecalageMode == ModeParticipe;
    const bool compose = EstCompose(CodeTemps);
    if (x.sansPassif || !PersonnePermise(x.personnes, DecalageMode, Personne) ||
        (o.Interrogation && DecalageMode != ModeIndicatif && DecalageMode != ModeConditionnel) ||
        (x.pronominal && imperatif && compose)) {
        e << Absent;
        return;
    }

    // The conjugated word, and the participle that follows it.
    std::string_view conjugue, ete, partic;
    bool accord = false;
    if (x.passif) {
        conjugue = compose ? AuxiliaireCompose(false, CodeTemps, DecalageMode, Personne)
                           : FormeAuxiliaire(true, CodeTemps, DecalageMode, Personne);
        if (compose) ete = TableEtre[SlotParticipePasse];
        partic = f.Participe();
        accord = true;
    } else if (compose) {
        const std::string_view manque = f.ManqueCompose(CodeTemps, DecalageMode, Personne);
        if (!manque.empty()) {
            e << manque;
            return;
        }
        conjugue =
            AuxiliaireCompose(f.AvecEtre() || x.pronominal, CodeTemps, DecalageMode, Personne);
        partic = f.Participe();
        accord = x.pronominal ? x.accordPronominal : f.AvecEtre();
    } else {
        conjugue = f.Simple(Slot(CodeTemps, DecalageMode, Personne));
        if (EstMarqueur(conjugue)) {
            e << conjugue;
            return;
        }
    }

    TPhrase phrase(e, x.verbe);
    const std::string_view sujet = imperatif || participe ? "" : Sujet(x, Personne);
    const bool inverse = o.Interrogation && !(CodeTemps == 0 && DecalageMode == ModeIndicatif &&
                                              Personne == 1 && !x.passif && !x.inversionJe);
    if (o.Interrogation && !inverse) {
        phrase.Mot("est-ce");
        phrase.Elidable("que");
    }
    if (DecalageMode == ModeSubjonctif) phrase.Elidable("que");
    if (!inverse && !sujet.empty()) {
        if (Personne == 1)
            phrase.Elidable(sujet);
        else
            phrase.Mot(sujet);
    }
    if (o.Negation) phrase.Elidable("ne");
    const bool pronomApres = imperatif && x.pronominal && !o.Negation;
    if (!pronomApres) Pronoms(phrase, x, DecalageMode, Personne);
    if (inverse) {
        // puis-je, the inverted form of peux, only in pouvoir's own présent
        // (pourrais-je, suis-je pu); eussé-je: the e before je is written é,
        // è in the rectified spelling (aimè-je).
        if (Personne == 1 && DecalageMode == ModeIndicatif && CodeTemps == 0 && !x.passif &&
            x.verbe.Est("pouvoir"))
            conjugue = "puis";
        if (Personne == 1 && conjugue.ends_with('e')) {
            conjugue.remove_suffix(1);
            phrase.Mot(conjugue);
            phrase.Colle(o.Rectifiee ? "è" : "é");
        } else {
            phrase.Mot(conjugue);
        }
        // parle-t-il, va-t-il; vient-il, vainc-il.
        const bool euphonique =
            Personne == 3 && (conjugue.ends_with('e') || conjugue.ends_with('a'));
        phrase.Colle(euphonique ? "-t-" : "-");
        phrase.Colle(sujet);
    } else {
        phrase.Mot(conjugue);
    }
    if (pronomApres) {
        // lève-toi, levons-nous; va-t'en, allons-nous-en; prends-t'y,
        // prenons-nous-y.
        constexpr std::string_view Toniques[] = {"", "-toi", "-nous", "-vous"};
        const std::string_view adverbe = x.verbe.AvecEn() ? "en" : x.verbe.AvecY() ? "y" : "";
        if (adverbe.empty()) {
            phrase.Colle(Toniques[Personne]);
        } else {
            phrase.Colle(Personne == 1 ? std::string_view("-t'") : Toniques[Personne]);
            if (Personne != 1) phrase.Colle("-");
            phrase.Colle(adverbe);
        }
    }
    if (o.Negation) phrase.Mot("pas");
    if (!ete.empty()) phrase.Mot(ete);
    if (!partic.empty()) {
        // The impersonal il is no feminine subject: il s'en est fallu.
        const bool feminin = o.Feminin && !(x.impersonnel && !imperatif && Personne == 3);
        if (accord)
            Accorde(phrase, partic, feminin, EstPluriel(DecalageMode, Personne));
        else
            phrase.Mot(partic);
    }
    // je n'ai pas fait attention, te rends-tu compte ?
    if (!x.complement.empty()) phrase.Mot(x.complement);
    if (o.Interrogation) phrase.Colle("\u00A0?");
}

// The cell of a request of the grid; null for any other, which has no line.
const Cellule* CelluleDe(std::uint8_t CodeTemps, std::uint8_t DecalageMode, int Personne) {
    for (const Cellule& c : GrilleComplete)
        if (c.CodeTemps == CodeTemps && c.DecalageMode == DecalageMode)
            return Personne >= c.PremierePersonne && Personne <= c.DernierePersonne ? &c : nullptr;
    return nullptr;
}

}  // namespace

namespace {

// A caption's items, ", " between them: "féminin, négation".
class TListe {
public:
    void operator()(bool oui, std::string_view nom) {
        if (!oui) return;
        if (!texte.empty()) texte += ", ";
        texte += nom;
    }
    std::string texte;
};

}  // namespace

std::string DecritOptions(const TOptions& options) {
    TListe ajoute;
    for (const TDescriptionOption& d : DescriptionsOptions)
        ajoute(EstActive(options, d), d.Legende);
    return std::move(ajoute.texte);
}

bool SansVoixPassive(const TVerbe& verbe, const TFaits& faits) {
    return verbe.DonneGroupe() != 0 && SansPassif(TFormes(verbe), faits);
}

std::string AutreForme(const TVerbe& verbe, const TOptions& options) {
    return AutreForme(verbe, options, {}, ConjugueGrille(verbe, options));
}

std::string AutreForme(const TVerbe& verbe, const TOptions& options, const TFaits& faits,
                       const LignesGrille& ici) {
    TOptions autre = options;
    autre.Variante = !options.Variante;
    const LignesGrille la = ConjugueGrille(verbe, autre, faits);
    for (std::size_t i = 0; i < LignesGrille::size(); ++i)
        if (ici[i] != la[i]) return std::string(la[i]);
    return {};
}

std::string ConjugueForme(const TVerbe& verbe, std::uint8_t CodeTemps, std::uint8_t DecalageMode,
                          int Personne, const TOptions& options, const TFaits& faits) {
    const Cellule* cellule = CelluleDe(CodeTemps, DecalageMode, Personne);
    if (cellule == nullptr) return {};
    return ConjugueForme(verbe, *cellule, Personne, options, faits);
}

std::string ConjugueForme(const TVerbe& verbe, const Cellule& cellule, int Personne,
                          const TOptions& options, const TFaits& faits) {
    if (Personne < cellule.PremierePersonne || Personne > cellule.DernierePersonne) return {};
    const TFormes formes(verbe, {options.Rectifiee, options.Variante});
    const TContexte contexte(formes, options, faits);
    char tampon[LigneMax];
    TEcriture e(tampon);
    Ligne(e, contexte, cellule, Personne);
    return std::string(tampon, e.Position());
}

bool AucuneForme(const LignesGrille& lignes) {
    for (std::size_t i = 0; i < LignesGrille::size(); ++i)
        if (!lignes[i].empty() && !EstMarqueur(lignes[i])) return false;
    return true;
}

namespace {

// The first `n` lines of the whole table one after another (Grille's lines
// come first), `avant(i)` and `apres(i)` around line i.
template <class Avant, class Apres>
void EcritLignes(TEcriture& e, const TFormes& formes, const TContexte& contexte, std::size_t n,
                 Avant avant, Apres apres) {
    std::size_t i = 0;
    const bool simple = contexte.simple && formes.EstVerbe();
    for (const Cellule& c : GrilleComplete) {
        if (i >= n) break;
        for (int p = c.PremierePersonne; p <= c.DernierePersonne; ++p, ++i) {
            avant(i);
            if (simple && !EstNominale(c))
                LigneSimple(e, formes, c.CodeTemps, c.DecalageMode, p, i);
            else
                Ligne(e, contexte, c, p);
            apres(i);
        }
    }
}

}  // namespace

LignesGrille ConjugueGrille(const TVerbe& verbe, const TOptions& options, const TFaits& faits) {
    LignesGrille lignes;
    const TFormes formes(verbe, {options.Rectifiee, options.Variante});
    const TContexte contexte(formes, options, faits);
    char tampon[NombreLignesComplet * LigneMax];
    TEcriture e(tampon);
    EcritLignes(
        e, formes, contexte, NombreLignesComplet, [](std::size_t) {},
        [&](std::size_t i) {
            lignes.Debut[i + 1] = static_cast<std::uint32_t>(e.Position() - tampon);
        });
    lignes.Texte.assign(tampon, e.Position());
    return lignes;
}

std::size_t CadreGrille::TailleMax() const {
    std::size_t taille = Lignes * (Debut.size() + LigneMax + Fin.size());
    for (std::size_t i = 0; i < Lignes; ++i) taille += Prefixe[i].size();
    return taille;
}

char* ConjugueGrille(const TVerbe& verbe, const TOptions& options, const TFaits& faits,
                     const CadreGrille& cadre, char* tampon) {
    const TFormes formes(verbe, {options.Rectifiee, options.Variante});
    const TContexte contexte(formes, options, faits);
    TEcriture e(tampon);
    EcritLignes(
        e, formes, contexte, std::min<std::size_t>(cadre.Lignes, NombreLignesComplet),
        [&](std::size_t i) {
            e << cadre.Debut;
            e << cadre.Prefixe[i];
        },
        [&](std::size_t) { e << cadre.Fin; });
    return e.Position();
}

}  // namespace florimot

namespace florimot {

std::string_view ModeleDuVerbe(const TVerbe& verbe, const TOptions& options) {
    return ConjugueCommeVerbe(verbe, {options.Rectifiee, options.Variante});
}

std::string_view FamilleDuVerbe(const TVerbe& verbe, const TOptions& options) {
    const std::string_view type = TypeDuModele(verbe, {options.Rectifiee, options.Variante});
    if (type == verbe.MotVue() || !ModeleDuVerbe(verbe, options).empty()) return {};
    return type;
}

}  // namespace florimot
