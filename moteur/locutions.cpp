#include "locutions.hpp"

namespace florimot {

namespace {

using enum TPronom;

// The phrases everyday French conjugates whole. The complement is a bare noun
// (or l'air), never an article and a noun that could vary, so one spelling
// serves every line.
constexpr TLocution Locutions[] = {
    // Pronominal phrases whose complement is the direct object: the
    // reflexive pronoun is indirect, and the participle stays invariable
    // (elle s'est rendu compte, ils se sont fait mal).
    {Se, "rendre", "compte", true},
    {En, "rendre", "compte", true},
    {Se, "faire", "mal", true},
    {Se, "faire", "peur", true},
    {Se, "faire", "plaisir", true},
    {Se, "faire", "confiance", true},
    {Se, "rendre", "visite", true},
    {Se, "rendre", "service", true},
    // en vouloir à quelqu'un: elle s'en est voulu.
    {En, "vouloir", "", true},

    // The pronominal verbs that take y, as set phrases (s'y prendre, s'y
    // connaître) or with y for "à cela" or a place (je m'y fais, je m'y
    // rends). Their participle agrees as the verb's own does (elle s'y est
    // prise; se plaire stays invariable: elle s'y est plu).
    {Y, "prendre", "", false},
    {Y, "reprendre", "", false},
    {Y, "connaître", "", false},
    {Y, "connaitre", "", false},
    {Y, "faire", "", false},
    {Y, "mettre", "", false},
    {Y, "remettre", "", false},
    {Y, "attendre", "", false},
    {Y, "entendre", "", false},
    {Y, "croire", "", false},
    {Y, "retrouver", "", false},
    {Y, "trouver", "", false},
    {Y, "rendre", "", false},
    {Y, "habituer", "", false},
    {Y, "intéresser", "", false},
    {Y, "opposer", "", false},
    {Y, "fier", "", false},
    {Y, "tenir", "", false},
    {Y, "plaire", "", false},

    // Common phrases of a verb and a bare noun; they have no passive.
    {Aucun, "avoir", "besoin", false},
    {Aucun, "avoir", "envie", false},
    {Aucun, "avoir", "peur", false},
    {Aucun, "avoir", "faim", false},
    {Aucun, "avoir", "soif", false},
    {Aucun, "avoir", "chaud", false},
    {Aucun, "avoir", "froid", false},
    {Aucun, "avoir", "sommeil", false},
    {Aucun, "avoir", "honte", false},
    {Aucun, "avoir", "raison", false},
    {Aucun, "avoir", "tort", false},
    {Aucun, "avoir", "mal", false},
    {Aucun, "avoir", "hâte", false},
    {Aucun, "avoir", "confiance", false},
    {Aucun, "avoir", "l'air", false},
    {Aucun, "faire", "attention", false},
    {Aucun, "faire", "confiance", false},
    {Aucun, "faire", "peur", false},
    {Aucun, "faire", "mal", false},
    {Aucun, "faire", "plaisir", false},
    {Aucun, "faire", "partie", false},
    {Aucun, "faire", "semblant", false},
    {Aucun, "faire", "face", false},
    {Aucun, "faire", "signe", false},
    {Aucun, "prendre", "froid", false},
    {Aucun, "prendre", "peur", false},
    {Aucun, "prendre", "soin", false},
    {Aucun, "prendre", "garde", false},
    {Aucun, "prendre", "part", false},
    {Aucun, "prendre", "feu", false},
    {Aucun, "prendre", "place", false},
    {Aucun, "rendre", "compte", false},
    {Aucun, "rendre", "visite", false},
    {Aucun, "rendre", "service", false},
    {Aucun, "rendre", "hommage", false},
    {Aucun, "tenir", "compte", false},
    {Aucun, "tenir", "parole", false},
    {Aucun, "mettre", "fin", false},
    {Aucun, "perdre", "patience", false},
    {Aucun, "donner", "raison", false},
    {Aucun, "donner", "tort", false},
    {Aucun, "porter", "plainte", false},
    {Aucun, "porter", "secours", false},
    {Aucun, "prêter", "attention", false},
};

constexpr bool ComplementsTiennent() {
    for (const TLocution& l : Locutions)
        if (l.Complement.size() > ComplementMax) return false;
    return true;
}
static_assert(ComplementsTiennent());

}  // namespace

const TLocution* TrouveLocution(TPronom pronom, std::string_view verbe,
                                std::string_view complement) {
    for (const TLocution& l : Locutions)
        if (l.Pronom == pronom && l.Verbe == verbe && l.Complement == complement) return &l;
    return nullptr;
}

bool PrendComplement(TPronom pronom, std::string_view verbe) {
    for (const TLocution& l : Locutions)
        if (l.Pronom == pronom && l.Verbe == verbe && !l.Complement.empty()) return true;
    return false;
}

}  // namespace florimot
