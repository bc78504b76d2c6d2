#include "accords.hpp"

#include <algorithm>
#include <array>
#include <vector>

namespace florimot {

namespace {

struct TTexteAccord {
    CodeAccord code;
    std::string_view cle;
    std::string_view phrase;
};

constexpr std::array<TTexteAccord, 10> Textes = {{
    {CodeAccord::Etre, "etre", "auxiliaire être : le participe s'accorde avec le sujet"},
    {CodeAccord::Avoir, "avoir", "auxiliaire avoir : le participe ne s'accorde pas avec le sujet"},
    {CodeAccord::AvoirObjet, "avoir-objet-direct",
     "auxiliaire avoir : le participe ne s'accorde pas avec le sujet ; il s'accorde avec le "
     "complément d'objet direct placé avant : la lettre qu'elle a écrite"},
    {CodeAccord::PronominalDirect, "pronominal-direct",
     "verbe pronominal, se complément d'objet direct : accord avec le sujet"},
    {CodeAccord::PronominalEssentiel, "pronominal-essentiel",
     "verbe essentiellement pronominal : accord avec le sujet"},
    {CodeAccord::PronominalIndirect, "pronominal-indirect",
     "se complément d'objet indirect ({} à quelqu'un) : pas d'accord"},
    {CodeAccord::PronominalObjet, "pronominal-objet-direct",
     "verbe pronominal suivi d'un complément d'objet direct ({}) : pas d'accord"},
    {CodeAccord::Invariable, "invariable", "participe invariable"},
    {CodeAccord::Impersonnel, "impersonnel", "verbe impersonnel : invariable"},
    {CodeAccord::Passif, "passif", "voix passive : accord avec le sujet"},
}};

const TTexteAccord* TexteDe(CodeAccord code) {
    for (const TTexteAccord& t : Textes)
        if (t.code == code) return &t;
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

CodeAccord AccordDeCellule(const TVerbe& verbe, const TOptions& options, const TFaits& faits,
                           const TCellule& cellule) {
    if (verbe.DonneGroupe() == 0 || !AvecParticipe(options, cellule)) return CodeAccord::Aucun;
    if (options.Passif) return CodeAccord::Passif;
    if (faits.Impersonnel) return CodeAccord::Impersonnel;
    if (verbe.EstPronominal()) {
        // The phrase's complement is the direct object the participle
        // would agree with, and it follows (se rendre compte).
        if (!verbe.Complement().empty() && verbe.ReflechiIndirect())
            return CodeAccord::PronominalObjet;
        if (verbe.ReflechiIndirect() || faits.ReflechiIndirect)
            return CodeAccord::PronominalIndirect;
        return faits.Pronominal ? CodeAccord::PronominalEssentiel : CodeAccord::PronominalDirect;
    }
    if (faits.ParticipeInvariable) return CodeAccord::Invariable;
    if (verbe.AvecEtre(options.AutreAuxiliaire)) return CodeAccord::Etre;
    // A phrase's complement is its direct object already (faire attention).
    return faits.Passif && verbe.Complement().empty() ? CodeAccord::AvoirObjet : CodeAccord::Avoir;
}

CodeAccord AccordDeLigne(const TVerbe& verbe, const TOptions& options, const TFaits& faits,
                         const TCellule& cellule, std::string_view ligne) {
    if (ligne.empty() || EstMarqueur(ligne)) return CodeAccord::Aucun;
    return AccordDeCellule(verbe, options, faits, cellule);
}

std::string_view CleAccord(CodeAccord code) {
    const TTexteAccord* t = TexteDe(code);
    return t != nullptr ? t->cle : std::string_view();
}

std::string PhraseAccord(CodeAccord code, const TVerbe& verbe) {
    const TTexteAccord* t = TexteDe(code);
    if (t == nullptr) return {};
    std::string phrase(t->phrase);
    if (const std::size_t trou = phrase.find("{}"); trou != std::string::npos) {
        std::string mots;
        if (code == CodeAccord::PronominalObjet) {
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
    std::vector<std::pair<CodeAccord, std::vector<const TCellule*>>> raisons;
    for (const TCellule& c : GrilleComplete) {
        for (int i = 0; i < c.NombreLignes(); ++i) {
            const CodeAccord code = AccordDeLigne(verbe, options, faits, c, lignes[c.Premier + i]);
            if (code == CodeAccord::Aucun) continue;
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
