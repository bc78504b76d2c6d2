// The window listing the known verbs of a model: the sentence that counts
// them, then each verb, one click from its conjugation.
#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>

namespace florimot {

class TListeModele : public QDialog {
    Q_OBJECT

public:
    // `choix` is told the verb clicked, and the window closes.
    TListeModele(const QString& phrase, const QStringList& verbes,
                 std::function<void(const QString&)> choix, QWidget* parent);
};

}  // namespace florimot
