// The line builder's parts: the plain line, the lines without a person, the
// personal line, and the words they share.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "contexte.hpp"
#include "ecriture.hpp"

namespace florimot {

// The reflexive pronoun and the adverbs en and y of a pronominal verb: me,
// s'en, nous y.
void Pronoms(TPhrase& phrase, const TContexte& x, std::uint8_t DecalageMode, int Personne);

// The participle with its agreement: venu, venus, venue, venues; absous,
// absoute; dû, dus, due.
void Accorde(TPhrase& phrase, std::string_view participe, bool feminin, bool pluriel);

// The cells without a person: the infinitive, the participe passé and its
// compound form, the gérondif.
inline bool EstNominale(const TCellule& c) {
    return c.DecalageMode == ModeInfinitif || c.DecalageMode == ModeGerondif ||
           (c.DecalageMode == ModeParticipe && c.CodeTemps != 0);
}

// The line of a cell without a person.
void LigneNominale(TEcriture& e, const TContexte& x, const TCellule& c, int Personne);

// The plain line, the most asked for: its pronouns from tables. `indice` is
// the line's index in the grid.
void LigneSimple(TEcriture& e, const TFormes& f, std::uint8_t CodeTemps, std::uint8_t DecalageMode,
                 int Personne, std::size_t indice);

// Appends the finished line of one request of the grid.
void Ligne(TEcriture& e, const TContexte& x, const TCellule& c, int Personne);

}  // namespace florimot
