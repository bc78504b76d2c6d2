// The window's three pages, and which cells each shows: the indicatif and
// the subjonctif on the first, the impératif, the conditionnel and the
// participe présent on the second, the forms without person on the third.
#pragma once

#include <iterator>
#include <string_view>

#include "conjugaison.hpp"

namespace florimot {

namespace detail {
// The first cell of pages 2 and 3; the cells of a page follow one another in
// the grid.
inline constexpr std::string_view DebutsPages[] = {"PresImp", "InfPres"};
}  // namespace detail

// The page, 1 to 3, of the cell named as one of GrilleComplete; 0 for a name
// no cell has.
constexpr int PageDeCellule(std::string_view nom) {
    int page = 1;
    for (const TCellule& c : GrilleComplete) {
        if (page <= std::ssize(detail::DebutsPages) && c.Nom == detail::DebutsPages[page - 1])
            ++page;
        if (c.Nom == nom) return page;
    }
    return 0;
}

constexpr int PageDeCellule(const TCellule& cellule) {
    return PageDeCellule(cellule.Nom);
}

static_assert(PageDeCellule("PQPSubj") == 1 && PageDeCellule("PresImp") == 2 &&
              PageDeCellule("PartPres") == 2 && PageDeCellule("InfPres") == 3 &&
              PageDeCellule("GerPasse") == 3);

}  // namespace florimot
