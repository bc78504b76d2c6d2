// The strip above the pages that names the verb a misspelt one probably is:
// "Vouliez-vous dire « accueillir » ?", with a button that conjugates it.
#pragma once

#include <QFrame>
#include <QStringList>
#include <functional>
#include <vector>

class QLabel;
class QPushButton;

namespace florimot {

class TBandeauProposition : public QFrame {
public:
    explicit TBandeauProposition(QWidget* parent = nullptr);

    // Shows the sentence and a button for each of `verbes`; hides the strip
    // when there is none. `choix` is told the verb whose button is pressed.
    void Definit(const QString& phrase, const QStringList& verbes,
                 std::function<void(const QString&)> choix);
    QStringList Verbes() const { return Verbes_; }
    // A sentence alone, broken in lines as the window's width needs ("" hides
    // the strip): what a wrong text was meant to be.
    void DefinitPhrase(const QString& phrase);
    QString Phrase() const;

private:
    QLabel* Phrase_ = nullptr;
    std::vector<QPushButton*> Boutons_;
    QStringList Verbes_;
};

}  // namespace florimot
