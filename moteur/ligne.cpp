#include "ligne.hpp"

#include "plan.hpp"

namespace florimot {

namespace {

std::string_view Sujet(const TContexte& x, int Personne) {
    // The impersonal il stays il: il faut, il pleut.
    const bool f = x.Options.Feminin;
    switch (Personne) {
        case 1: return "je";
        case 2: return "tu";
        case 3: return f && !x.Impersonnel ? "elle" : "il";
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

}  // namespace

void Pronoms(TPhrase& phrase, const TContexte& x, std::uint8_t DecalageMode, int Personne) {
    if (!x.Pronominal) return;
    const std::string_view r = Reflechi(DecalageMode, Personne);
    if (r.size() == 2)
        phrase.Elidable(r);
    else
        phrase.Mot(r);
    if (x.Verbe.AvecEn()) phrase.Mot("en");
    if (x.Verbe.AvecY()) phrase.Mot("y");
}

namespace {

// What EcritAccord writes into a string.
struct TChaine {
    std::string& S;
    void operator<<(std::string_view s) { S += s; }
    void operator<<(char c) { S += c; }
};

// The participle with its agreement: venu, venus, venue, venues; absous,
// absoute; dû, dus, due.
template <class TSortie>
void EcritAccord(TSortie& e, std::string_view participe, bool feminin, bool pluriel) {
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

}  // namespace

void Accorde(TPhrase& phrase, std::string_view participe, bool feminin, bool pluriel) {
    EcritAccord(phrase.NouveauMot(), participe, feminin, pluriel);
}

std::string AccordeParticipe(std::string_view participe, bool feminin, bool pluriel) {
    std::string s;
    TChaine chaine{s};
    EcritAccord(chaine, participe, feminin, pluriel);
    return s;
}

// Appends the finished line of one request of the grid.
void Ligne(TEcriture& e, const TContexte& x, const TCellule& c, int Personne) {
    const std::uint8_t CodeTemps = c.CodeTemps, DecalageMode = c.DecalageMode;
    const TFormes& f = x.Formes;
    if (!f.EstVerbe()) return;
    const TOptions& o = x.Options;
    if (EstNominale(c)) {
        LigneNominale(e, x, c, Personne);
        return;
    }
    if (x.Simple) {
        LigneSimple(e, f, CodeTemps, DecalageMode, Personne,
                    c.Premier + Personne - c.PremierePersonne);
        return;
    }
    const bool imperatif = DecalageMode == ModeImperatif;
    const bool participe = DecalageMode == ModeParticipe;
    const bool compose = EstCompose(CodeTemps);
    if (x.SansPassif || !PersonnePermise(x.Personnes, DecalageMode, Personne) ||
        (o.Interrogation && DecalageMode != ModeIndicatif && DecalageMode != ModeConditionnel) ||
        (x.Pronominal && imperatif && compose)) {
        e << Absent;
        return;
    }

    // The conjugated word, and the participle that follows it.
    std::string_view conjugue, ete, partic;
    bool accord = false;
    if (x.Passif) {
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
            AuxiliaireCompose(f.AvecEtre() || x.Pronominal, CodeTemps, DecalageMode, Personne);
        partic = f.Participe();
        accord = x.Pronominal ? x.AccordPronominal : f.AvecEtre();
    } else {
        conjugue = f.Simple(Slot(CodeTemps, DecalageMode, Personne));
        if (EstMarqueur(conjugue)) {
            e << conjugue;
            return;
        }
    }

    TPhrase phrase(e, x.Verbe);
    const std::string_view sujet = imperatif || participe ? "" : Sujet(x, Personne);
    const bool inverse = o.Interrogation && !(CodeTemps == 0 && DecalageMode == ModeIndicatif &&
                                              Personne == 1 && !x.Passif && !x.InversionJe);
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
    const bool pronomApres = imperatif && x.Pronominal && !o.Negation;
    if (!pronomApres) Pronoms(phrase, x, DecalageMode, Personne);
    if (inverse) {
        // puis-je, the inverted form of peux, only in pouvoir's own présent
        // (pourrais-je, suis-je pu); eussé-je: the e before je is written é,
        // è in the rectified spelling (aimè-je).
        if (Personne == 1 && DecalageMode == ModeIndicatif && CodeTemps == 0 && !x.Passif &&
            x.Verbe.Est("pouvoir"))
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
        const std::string_view adverbe = x.Verbe.AvecEn() ? "en" : x.Verbe.AvecY() ? "y" : "";
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
        const bool feminin = o.Feminin && !(x.Impersonnel && !imperatif && Personne == 3);
        if (accord)
            Accorde(phrase, partic, feminin, EstPluriel(DecalageMode, Personne));
        else
            phrase.Mot(partic);
    }
    // je n'ai pas fait attention, te rends-tu compte ?
    if (!x.Complement.empty()) phrase.Mot(x.Complement);
    if (o.Interrogation) phrase.Colle("\u00A0?");
}

}  // namespace florimot
