// The window's menu bar: its menus and commands, with their names, captions
// and keys, each command calling its handler of the window.
#pragma once

#include <array>

#include "conjugaison.hpp"

class QAction;
class QMenuBar;

namespace florimot {

class TEcran;

// What the window reads or changes of its menus once they are made.
struct TMenus {
    QMenuBar* Barre = nullptr;
    QAction* Precedent = nullptr;
    QAction* Suivant = nullptr;
    QAction* Ecouter = nullptr;
    // The menu "Options", in the order of DescriptionsOptions.
    std::array<QAction*, NombreOptions> Options{};
    QAction* Reinitialise = nullptr;

    TOptions Cochees() const;
    void Coche(const TOptions& options) const;
};

// Fills the menu bar of `ecran`. Each command is also put on the window
// itself, so that its key works wherever the focus is.
TMenus CreeMenus(TEcran& ecran);

}  // namespace florimot
