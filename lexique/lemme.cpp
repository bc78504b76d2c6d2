#include "lemme.hpp"

#include <utility>
#include <vector>

#include "lexique.hpp"
#include "traits.hpp"

namespace florimot {

namespace {

using Traits = std::vector<std::pair<std::string_view, std::string_view>>;

// "Mood=Ind|Tense=Pres": its name-value pairs; a pair without "=" is left out.
Traits Paires(std::string_view texte) {
    Traits paires;
    while (!texte.empty()) {
        const std::size_t barre = texte.find('|');
        const std::string_view trait = texte.substr(0, barre);
        if (const std::size_t egal = trait.find('='); egal != std::string_view::npos)
            paires.emplace_back(trait.substr(0, egal), trait.substr(egal + 1));
        texte = barre == std::string_view::npos ? std::string_view() : texte.substr(barre + 1);
    }
    return paires;
}

bool SAccordent(const Traits& a, const Traits& b) {
    for (const auto& [nom, valeur] : a)
        for (const auto& [autre, sienne] : b)
            if (nom == autre && valeur != sienne) return false;
    return true;
}

// "se lever", "s'en aller": the verb alone, as a dictionary heads it.
std::string SansPronom(std::string infinitif) {
    for (std::string_view pronom : {"se ", "s'"})
        if (infinitif.starts_with(pronom)) {
            infinitif.erase(0, pronom.size());
            break;
        }
    for (std::string_view adverbe : {"en ", "y "})
        if (infinitif.starts_with(adverbe)) {
            infinitif.erase(0, adverbe.size());
            break;
        }
    return infinitif;
}

}  // namespace

std::string LemmeDeForme(std::string_view forme, std::string_view traitsUd) {
    const std::vector<TAnalyse> analyse = AnalyseTexte(forme);
    if (analyse.empty()) return {};
    if (traitsUd.empty() || traitsUd == "_") return SansPronom(analyse.front().Infinitif);
    // A verb the dictionary knows before one guessed from the letters.
    const Traits voulus = Paires(traitsUd);
    for (const bool connu : {true, false})
        for (const TAnalyse& a : analyse) {
            if (a.Connu != connu) continue;
            for (const TLecture& l : a.Lectures) {
                const std::string siens = TraitsCase(TSchemaTraits::Ud, l.Cellule, l.Personne);
                if (SAccordent(voulus, Paires(siens))) return SansPronom(a.Infinitif);
            }
        }
    return SansPronom(analyse.front().Infinitif);
}

}  // namespace florimot
