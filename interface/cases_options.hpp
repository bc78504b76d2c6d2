// The options as a row of check boxes, always in sight: each box is bound
// to its item of the menu "Options", so that either shows what the other
// sets, and its tooltip names the item and its key.
#pragma once

#include <QWidget>
#include <array>

#include "conjugaison.hpp"

class QAction;
class QCheckBox;

namespace florimot {

class TCasesOptions : public QWidget {
public:
    // `items`: the menu's checkable items, in the order of DescriptionsOptions.
    TCasesOptions(const std::array<QAction*, NombreOptions>& items, QWidget* parent);

    // The width the row takes with every caption whole.
    int LargeurEntiere() const;

protected:
    void resizeEvent(QResizeEvent* evenement) override;

private:
    // Lays the boxes out from the right edge; in a row too narrow for every
    // caption, the longest are shortened first, whole in their tooltips.
    void Place();

    std::array<QCheckBox*, NombreOptions> Cases_{};
};

}  // namespace florimot
