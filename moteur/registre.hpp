// The engine's models, each named once: what conjugation books call it, the
// plan it draws, the letters that choose it, and what the lexicon learns from
// it to guess the verb of a form no dictionary knows.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "modeles.hpp"

namespace florimot {

struct TModeleInscrit {
    // The verb conjugation books name the model by ("placer").
    std::string_view Type;
    Modele Plan;
    // The group whose dispatch reads Choix; 0 for any (avoir, être).
    std::uint8_t Groupe;
    // What chooses the model, blank-separated: endings, or a whole verb after
    // "=". The longest ending that fits wins. A model no text chooses is
    // reached otherwise: by the spelling or the series asked for, or as its
    // group's default.
    std::string_view Choix;
    // Verbs whose forms show every tail the model puts after the letters they
    // share with their infinitive.
    std::string_view Exemples;
    // Where those infinitives are cut for that: the letters the forms may change.
    std::string_view Coupes;
};

std::span<const TModeleInscrit> Registre();

// The model the registry's endings or whole verbs choose for a verb of this
// group (0: the verbs chosen whatever their group); null when none does.
Modele ChoisitDansRegistre(const TVerbe& verbe, std::uint8_t groupe);

}  // namespace florimot
