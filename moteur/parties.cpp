#include "parties.hpp"

#include <algorithm>
#include <array>
#include <vector>

namespace florimot {

namespace {

// The words a line puts around its form: subjects, "que", the negation, the
// reflexive pronouns, en and y, the question's "est-ce que".
constexpr std::array<std::string_view, 9> Sujets = {"je",   "tu",   "il",  "elle", "on",
                                                    "nous", "vous", "ils", "elles"};
constexpr std::array<std::string_view, 11> Autour = {"que", "ne", "pas",  "me",   "te",    "se",
                                                     "en",  "y",  "nous", "vous", "est-ce"};
// Elided before a vowel: "j'", "qu'", "n'", "m'", "t'", "s'".
constexpr std::array<std::pair<std::string_view, std::string_view>, 6> Elisions = {{
    {"j'", "je"},
    {"qu'", "que"},
    {"n'", "ne"},
    {"m'", "me"},
    {"t'", "te"},
    {"s'", "se"},
}};
// Glued after the verb: the inverted subject, the imperative's pronoun.
constexpr std::array<std::string_view, 17> Suffixes = {
    "-t-il", "-t-elle", "-t-on",  "-je",  "-tu",   "-il",  "-elle",    "-on",      "-nous",
    "-vous", "-ils",    "-elles", "-toi", "-t'en", "-t'y", "-nous-en", "-vous-en",
};

template <std::size_t N>
bool Parmi(const std::array<std::string_view, N>& liste, std::string_view mot) {
    for (std::string_view m : liste)
        if (m == mot) return true;
    return false;
}

bool Personnelle(const TCellule& c) {
    return c.DecalageMode != ModeImperatif && c.DecalageMode != ModeParticipe &&
           c.DecalageMode != ModeInfinitif && c.DecalageMode != ModeGerondif;
}

// The words of a line, elided ones cut after their apostrophe and given in
// full ("j'aime": "je", "aime"); the last of a phrase's complement dropped.
std::vector<std::string_view> Mots(std::string_view ligne) {
    std::vector<std::string_view> mots;
    while (!ligne.empty()) {
        const std::size_t blanc = ligne.find(' ');
        std::string_view mot = ligne.substr(0, blanc);
        ligne = blanc == std::string_view::npos ? std::string_view() : ligne.substr(blanc + 1);
        for (bool elide = true; elide;) {
            elide = false;
            for (const auto& [court, plein] : Elisions)
                if (mot.size() > court.size() && mot.starts_with(court)) {
                    mots.push_back(plein);
                    mot.remove_prefix(court.size());
                    elide = true;
                    break;
                }
        }
        if (!mot.empty()) mots.push_back(mot);
    }
    return mots;
}

}  // namespace

std::string_view AuxiliaireDuVerbe(const TVerbe& verbe) {
    if (verbe.DonneGroupe() == 0) return {};
    return verbe.AvecEtre() || verbe.EstPronominal() ? "être" : "avoir";
}

TParties PartiesDeLigne(const TVerbe& verbe, const TCellule& cellule, const TOptions& options,
                        std::string_view ligne) {
    TParties parties;
    if (ligne.empty() || EstMarqueur(ligne)) return parties;
    // The question's mark, then the phrase's complement, end the line.
    if (ligne.ends_with("\u00A0?")) ligne.remove_suffix(std::string_view("\u00A0?").size());
    std::vector<std::string_view> mots = Mots(ligne);
    const std::vector<std::string_view> complement = Mots(verbe.Complement());
    if (!complement.empty() && mots.size() > complement.size() &&
        std::equal(complement.rbegin(), complement.rend(), mots.rbegin()))
        mots.resize(mots.size() - complement.size());
    if (cellule.DecalageMode == ModeGerondif && !mots.empty() && mots.front() == "en")
        mots.erase(mots.begin());

    const bool personnelle = Personnelle(cellule);
    std::vector<std::string_view> verbaux;
    bool sujetVu = false;
    for (std::string_view mot : mots) {
        if (personnelle && !sujetVu && Parmi(Sujets, mot)) {
            parties.Pronom = mot;
            sujetVu = true;
            continue;
        }
        if (Parmi(Autour, mot) || mot == "est-ce") continue;
        // parle-t-il, lève-toi, allons-nous-en: the form before, the
        // inverted subject after.
        for (std::string_view s : Suffixes)
            if (mot.size() > s.size() && mot.ends_with(s)) {
                mot.remove_suffix(s.size());
                if (personnelle && !sujetVu) {
                    s.remove_prefix(s.starts_with("-t-") ? 3 : 1);
                    parties.Pronom = s;
                    sujetVu = true;
                }
                break;
            }
        verbaux.push_back(mot);
    }
    if (verbaux.empty()) return parties;
    parties.Forme = true;
    // aimè-je, eussé-je: the form written for the inversion is the line's.
    for (std::size_t i = 0; i < verbaux.size(); ++i) {
        if (i > 0) parties.Nue += ' ';
        parties.Nue += verbaux[i];
    }
    const bool compose = EstCompose(cellule) || options.Passif ||
                         (cellule.CodeTemps == CodePartPasse && verbaux.size() > 1);
    if (compose && verbaux.size() > 1) {
        parties.Participe = verbaux.back();
        parties.Auxiliaire = parties.Nue.substr(0, parties.Nue.size() - verbaux.back().size() - 1);
    }
    return parties;
}

}  // namespace florimot
