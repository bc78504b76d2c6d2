// What is said of a verb above its grid, built once from the verb, the
// options and the facts, and then said by each front end in its own form:
// the terminal's header line, the JSON's keys, the window's row and the
// printed page (a copy of the window's).
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "conjugaison.hpp"

namespace florimot {

// What the facts change in the lines, each said by one caption, in the order
// a header gives them.
inline constexpr std::string_view FaitImpersonnel = "verbe impersonnel";
inline constexpr std::string_view FaitPronominal = "essentiellement pronominal";
inline constexpr std::string_view FaitPlurielSeulement = "pluriel seulement";
inline constexpr std::string_view FaitTroisiemesPersonnes = "troisièmes personnes seulement";
inline constexpr std::string_view FaitSansPassif = "pas de voix passive";

struct TEntete {
    std::string Intitule;  // the verb as people write it: "se rendre compte"
    std::string Groupe;    // "Groupe : 1", or "Auxiliaire" for avoir and être
    // The verb the header names (acheter: lever), else its model's family:
    // never "", the JSON's "modele".
    std::string_view Type;
    // The verb whose pattern of endings this one follows in every cell, as
    // books name it; "" for a verb its own model or one no model's verb fits.
    std::string_view Modele;
    // For a verb no model's verb fits, its model's family ("courir" for
    // mourir): "modèle : famille de courir"; "" otherwise.
    std::string_view Famille;
    std::string_view Regle;  // the model's rule with an example, "" for none
    std::string Options;     // the options in force: "féminin, négation", "" for none
    // For a verb that takes both auxiliaries, both with an example
    // (NoteAuxiliaires); "" for any other.
    std::string Auxiliaires;
    // What the verb's facts change under these options, among the Fait…
    // captions above.
    std::array<std::string_view, 5> Faits{};
    std::size_t NombreFaits = 0;

    std::span<const std::string_view> LegendesFaits() const { return {Faits.data(), NombreFaits}; }
};

// « se conjugue avec être (je suis monté) ou avoir (j'ai monté l'escalier) »,
// the verb's usual auxiliary first; "" for a verb that takes one only.
std::string NoteAuxiliaires(const TVerbe& verbe);

TEntete FaitEntete(const TVerbe& verbe, const TOptions& options, const TFaits& faits = {});

// The readable header: "commencer — Groupe : 1 — se conjugue comme placer —
// c prend une cédille devant a et o : nous plaçons — négation", then what the
// verb's facts change ("verbe impersonnel"). The TSV header line is frozen
// (other programs read it); the readable and JSON ones take new items.
std::string EnteteLisible(const TEntete& entete);
std::string EnteteLisible(const TVerbe& verbe, const TOptions& options, const TFaits& faits = {});

// What the facts change in the lines under these options, as a caption:
// "verbe impersonnel, pas de voix passive"; "" for nothing worth saying.
std::string DecritFaits(const TVerbe& verbe, const TFaits& faits, const TOptions& options);

// The note beside the group: what the verb's facts change in its lines,
// then the dictionary's note (`dictionnaire`, "" for none), a fact it
// already says ("essentiellement pronominal : s'évanouir") not said twice;
// then `autreForme`, the first line of the verb's other series, which the
// grid does not show ("autre forme : je paye").
std::string NoteDuVerbe(const TEntete& entete, std::string_view dictionnaire,
                        std::string_view autreForme);

}  // namespace florimot
