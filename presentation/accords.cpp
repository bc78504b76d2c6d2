#include "accords.hpp"

#include <algorithm>
#include <array>
#include <vector>

namespace florimot {

namespace {

struct TTexteAccord {
    TCodeAccord Code;
    std::string_view Cle;
    std::string_view Phrase;
};

constexpr std::array<TTexteAccord, 10> Textes = {{
    {TCodeAccord::Etre, "etre", "auxiliaire être : le participe s'accorde avec le sujet"},
    {TCodeAccord::Avoir, "avoir", "auxiliaire avoir : le participe ne s'accorde pas avec le sujet"},
    {TCodeAccord::AvoirObjet, "avoir-objet-direct",
     "auxiliaire avoir : le participe ne s'accorde pas avec le sujet ; il s'accorde avec le "
     "complément d'objet direct placé avant : la lettre qu'elle a écrite"},
    {TCodeAccord::PronominalDirect, "pronominal-direct",
     "verbe pronominal, se complément d'objet direct : accord avec le sujet"},
    {TCodeAccord::PronominalEssentiel, "pronominal-essentiel",
     "verbe essentiellement pronominal : accord avec le sujet"},
    {TCodeAccord::PronominalIndirect, "pronominal-indirect",
     "se complément d'objet indirect ({} à quelqu'un) : pas d'accord"},
    {TCodeAccord::PronominalObjet, "pronominal-objet-direct",
     "verbe pronominal suivi d'un complément d'objet direct ({}) : pas d'accord"},
    {TCodeAccord::Invariable, "invariable", "participe invariable"},
    {TCodeAccord::Impersonnel, "impersonnel", "verbe impersonnel : invariable"},
    {TCodeAccord::Passif, "passif", "voix passive : accord avec le sujet"},
}};

const TTexteAccord* TexteDe(TCodeAccord code) {
    for (const TTexteAccord& t : Textes)
        if (t.Code == code) return &t;
    return nullptr;
}

// Whether the cell's lines hold a past participle: the compound tenses,
// the participle's own cell, and every line of the passive voice.
bool AvecParticipe(const TOptions& options, const TCellule& c) {
    return EstCompose(c) || (c.DecalageMode == ModeParticipe && c.CodeTemps == CodePartPasse) ||
           options.Passif;
}

}  // namespace

std::string LegendeCellule(const TCellule& c) {
    std::string r(c.Mode);
    if (!c.Temps.empty()) r += ' ' + std::string(c.Temps);
    for (char& x : r)
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    for (const auto& [de, en] :
         {std::pair<std::string_view, std::string_view>{"1° forme", "1re forme"},
          {"2° forme", "2e forme"}})
        if (const std::size_t f = r.find(de); f != std::string::npos) r.replace(f, de.size(), en);
    return r;
}

TCodeAccord AccordDeCellule(const TVerbe& verbe, const TOptions& options, const TFaits& faits,
                            const TCellule& cellule) {
    if (verbe.DonneGroupe() == 0 || !AvecParticipe(options, cellule)) return TCodeAccord::Aucun;
    if (options.Passif) return TCodeAccord::Passif;
    if (faits.Impersonnel) return TCodeAccord::Impersonnel;
    if (verbe.EstPronominal()) {
        // The phrase's complement is the direct object the participle
        // would agree with, and it follows (se rendre compte).
        if (!verbe.Complement().empty() && verbe.ReflechiIndirect())
            return TCodeAccord::PronominalObjet;
        if (verbe.ReflechiIndirect() || faits.ReflechiIndirect)
            return TCodeAccord::PronominalIndirect;
        return faits.Pronominal ? TCodeAccord::PronominalEssentiel : TCodeAccord::PronominalDirect;
    }
    if (faits.ParticipeInvariable) return TCodeAccord::Invariable;
    if (verbe.AvecEtre(options.AutreAuxiliaire)) return TCodeAccord::Etre;
    // A phrase's complement is its direct object already (faire attention).
    return faits.Passif && verbe.Complement().empty() ? TCodeAccord::AvoirObjet
                                                      : TCodeAccord::Avoir;
}

TCodeAccord AccordDeLigne(const TVerbe& verbe, const TOptions& options, const TFaits& faits,
                          const TCellule& cellule, std::string_view ligne) {
    if (ligne.empty() || EstMarqueur(ligne)) return TCodeAccord::Aucun;
    return AccordDeCellule(verbe, options, faits, cellule);
}

std::string_view CleAccord(TCodeAccord code) {
    const TTexteAccord* t = TexteDe(code);
    return t != nullptr ? t->Cle : std::string_view();
}

std::string PhraseAccord(TCodeAccord code, const TVerbe& verbe) {
    const TTexteAccord* t = TexteDe(code);
    if (t == nullptr) return {};
    std::string phrase(t->Phrase);
    if (const std::size_t trou = phrase.find("{}"); trou != std::string::npos) {
        std::string mots;
        if (code == TCodeAccord::PronominalObjet) {
            mots = verbe.Complement();
        } else {
            if (verbe.AvecEn()) mots = "en ";
            if (verbe.AvecY()) mots = "y ";
            mots += verbe.MotVue();
        }
        phrase.replace(trou, 2, mots);
    }
    return phrase;
}

std::string PourquoiLisible(const TVerbe& verbe, const TOptions& options, const TFaits& faits,
                            const TLignesGrille& lignes) {
    // Each reason with its cells, a mode named once before its tenses.
    std::vector<std::pair<TCodeAccord, std::vector<const TCellule*>>> raisons;
    for (const TCellule& c : GrilleComplete) {
        for (int i = 0; i < c.NombreLignes(); ++i) {
            const TCodeAccord code = AccordDeLigne(verbe, options, faits, c, lignes[c.Premier + i]);
            if (code == TCodeAccord::Aucun) continue;
            auto r = std::find_if(raisons.begin(), raisons.end(),
                                  [&](const auto& x) { return x.first == code; });
            if (r == raisons.end()) r = raisons.insert(raisons.end(), {code, {}});
            if (r->second.empty() || r->second.back() != &c) r->second.push_back(&c);
        }
    }
    if (raisons.empty()) return {};
    std::string texte = "Accord du participe passé :\n";
    for (const auto& [code, cellules] : raisons) {
        texte += "  ";
        for (std::size_t i = 0; i < cellules.size(); ++i) {
            std::string legende = LegendeCellule(*cellules[i]);
            if (i > 0 && cellules[i - 1]->Mode == cellules[i]->Mode && !cellules[i]->Temps.empty())
                legende.erase(0, cellules[i]->Mode.size() + 1);
            texte += (i > 0 ? ", " : "") + legende;
        }
        texte += " : " + PhraseAccord(code, verbe) + '\n';
    }
    return texte;
}

}  // namespace florimot
