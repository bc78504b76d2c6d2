// The linguistic features of each cell of the table, in the two published
// schemes language tools read: UniMorph's tags and Universal Dependencies'
// features.
#pragma once

#include <string>
#include <string_view>

#include "conjugaison.hpp"

namespace florimot {

enum class TSchemaTraits : unsigned char { UniMorph, Ud };

// "unimorph", "ud": the scheme's name on the command line and as a JSON key.
std::string_view NomSchema(TSchemaTraits schema);

// The features of person `personne` of `cellule`, counted as the cell counts
// them (the impératif's 1 to 3 are tu, nous, vous; the participe passé's 1
// to 4 its masculine and feminine singular, then plural; 0 for a participe
// passé whose agreement is not known): "V;IND;PRS;1;SG", or
// "Mood=Ind|Number=Sing|Person=1|Tense=Pres|VerbForm=Fin". A compound form
// has in UD the features of its conjugated auxiliary, as UD gives them to
// that word; "" for a person the cell does not have.
std::string TraitsCase(TSchemaTraits schema, const TCellule& cellule, int personne);

// The same for a cell named as GrilleComplete names it ("PresInd"); "" for
// a name no cell has.
std::string TraitsCase(TSchemaTraits schema, std::string_view cellule, int personne);

}  // namespace florimot
