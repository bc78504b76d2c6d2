// The About window: created once, hidden, and shown or hidden on demand.
#pragma once

#include <QDialog>

namespace florimot {

class TAbout : public QDialog {
    Q_OBJECT

public:
    explicit TAbout(QWidget* parent = nullptr);

    void OKClick();
};

}  // namespace florimot
