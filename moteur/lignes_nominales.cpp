#include "ligne.hpp"
#include "plan.hpp"

namespace florimot {

namespace {

constexpr const TCellule& PartPres = CelluleNommee("PartPres");
constexpr const TCellule& PartPasseComp = CelluleNommee("PartPasseComp");

// parlé, parlée, parlés, parlées (persons 1 to 4); été aimé under the passive.
// A participle that never agrees (fallu, été, se parler's parlé) has its
// masculine singular alone.
void LigneParticipePasse(TEcriture& e, const TContexte& x, int Personne) {
    const TFormes& f = x.Formes;
    if (EstMarqueur(f.Participe())) {
        e << f.Participe();
        return;
    }
    // A verb of the third persons alone agrees as its être makes it (la
    // dette échue, les suites qui s'en sont ensuivies); with avoir, il is
    // the impersonal il (plu of pleuvoir).
    const bool troisiemes = x.Impersonnel || EstIlImpersonnel(f, TFaits{});
    const bool invariable = x.IlImpersonnel || x.ParticipeInvariable ||
                            (troisiemes && !f.AvecEtre() && !x.Pronominal) || x.Verbe.Est("être") ||
                            (x.Pronominal && !x.AccordPronominal);
    if (invariable && Personne > 1) {
        e << Absent;
        return;
    }
    TPhrase phrase(e, x.Verbe);
    if (x.Passif) phrase.Mot(TableEtre[SlotParticipePasse]);
    Accorde(phrase, f.Participe(), Personne % 2 == 0, Personne >= 3);
}

// avoir parlé, s'être levé, ne pas être venu; ayant parlé, n'ayant pas été
// aimé, ne s'étant pas levé. The infinitive puts "ne pas" before it all,
// the participle puts "pas" after its auxiliary.
void LigneComposeeNominale(TEcriture& e, const TContexte& x, bool infinitif) {
    const TFormes& f = x.Formes;
    const TOptions& o = x.Options;
    if (!x.Passif) {
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
    TPhrase phrase(e, x.Verbe);
    if (o.Negation) {
        if (infinitif) {
            phrase.Mot("ne");
            phrase.Mot("pas");
        } else {
            phrase.Elidable("ne");
        }
    }
    const bool etre = !x.Passif && (f.AvecEtre() || x.Pronominal);
    if (!x.Passif) Pronoms(phrase, x, ModeParticipe, 0);
    if (infinitif)
        phrase.Mot(etre ? "être" : "avoir");
    else
        phrase.Mot(etre ? TableEtre[SlotParticipePresent] : TableAvoir[SlotParticipePresent]);
    if (o.Negation && !infinitif) phrase.Mot("pas");
    if (x.Passif) phrase.Mot(TableEtre[SlotParticipePasse]);
    const bool accord = x.Passif || (x.Pronominal ? x.AccordPronominal : f.AvecEtre());
    // The impersonal il is no feminine subject: s'être agi.
    if (accord)
        Accorde(phrase, f.Participe(), o.Feminin && (x.Passif || !x.IlImpersonnel), false);
    else
        phrase.Mot(f.Participe());
    // s'être rendu compte, ayant pris soin.
    if (!x.Complement.empty()) phrase.Mot(x.Complement);
}

// parler, se lever, ne pas s'en aller, être aimé.
void LigneInfinitif(TEcriture& e, const TContexte& x) {
    TPhrase phrase(e, x.Verbe);
    if (x.Options.Negation) {
        phrase.Mot("ne");
        phrase.Mot("pas");
    }
    if (x.Passif) {
        phrase.Mot("être");
        Accorde(phrase, x.Formes.Participe(), x.Options.Feminin, false);
        return;
    }
    Pronoms(phrase, x, ModeParticipe, 0);
    phrase.Mot(x.Verbe.MotVue());
    if (!x.Complement.empty()) phrase.Mot(x.Complement);
}

}  // namespace

void LigneNominale(TEcriture& e, const TContexte& x, const TCellule& c, int Personne) {
    if (x.Options.Interrogation || x.SansPassif) {
        e << Absent;
        return;
    }
    const bool compose = EstCompose(c.CodeTemps);
    if (c.DecalageMode == ModeGerondif) {
        // en + the participle's line: en se levant, en n'ayant pas parlé.
        char* debut = e.Position();
        e << "en ";
        char* participe = e.Position();
        const TCellule& source = compose ? PartPasseComp : PartPres;
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

}  // namespace florimot
