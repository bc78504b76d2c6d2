// The two ways conjugue handles a text: conjugate it, or analyse it.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "arguments.hpp"
#include "commande.hpp"
#include "ecrivains.hpp"
#include "lexique_differe.hpp"
#include "sorties.hpp"

namespace florimot {

// What every way of handling the texts shares: the reports and the status.
class TTraitement {
public:
    TTraitement(TSorties& sorties, TLexiqueDiffere& lexique)
        : Sorties_(sorties), Lexique_(lexique) {}
    virtual ~TTraitement() = default;

    virtual void Traite(std::string_view texte) = 0;
    // After the last text.
    virtual void Fin() {}

    // The dictionary takes a tenth of a second and 15 MB to load, and each
    // suggestion as long: what it says of a non-verb, and the suggestions, are
    // given for texts a person typed as arguments, not for a batch read on
    // standard input.
    void AvecSuggestions(bool oui) { Suggestions_ = oui; }

    // A text that is not valid UTF-8 or holds a NUL; `ou` names it
    // ("ligne 3", "argument 2").
    void Refuse(std::string_view ou);
    void EchecLecture(int erreur);

    int Statut() const { return Statut_; }

protected:
    // Under a message, what the lexicon says of the text.
    void Conseille(std::string_view texte);
    // "suggestions : acquérir", or "".
    std::string Suggere(std::string_view texte);

    TSorties& Sorties_;
    TLexiqueDiffere& Lexique_;
    bool Suggestions_ = false;
    std::vector<std::string> Suggeres_;  // what the last Suggere found
    int Statut_ = SortieSucces;
};

// The strategy `arguments` ask for, with its writer for their format;
// `presentation` lays out the readable grids.
std::unique_ptr<TTraitement> CreeTraitement(const TArguments& arguments,
                                            const TPresentation& presentation, TSorties& sorties,
                                            TLexiqueDiffere& lexique);

}  // namespace florimot
