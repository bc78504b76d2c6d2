// The entry the verb is typed or pasted in, and the rule for what it keeps.
#pragma once

#include <QLineEdit>
#include <QString>
#include <functional>

#include "completion.hpp"
#include "entree.hpp"

class QCompleter;
class QThread;

namespace florimot {

// What the entry keeps of `texte`: FormeSaisie of the entry's grammar
// (entree.hpp), its text and cursor as the toolkit counts them. `curseur`,
// when given, is moved to the same place in the text kept; `coupe`, when
// given, tells whether letters past the limit were dropped.
QString FormeSaisie(const QString& texte, int* curseur = nullptr, bool* coupe = nullptr);

// The entry offers its whole text when the keyboard brings the focus to it
// (start-up, Tab, back from a message box), so a new verb simply replaces the
// last one; a click still places the cursor where it falls, except in the
// initial word "verbe", which a click selects whole: typing replaces it
// instead of running on from it ("verbefinir").
//
// Typing keeps to what FormeSaisie gives, a letter past the limit refused as
// a full entry refuses a key; a paste keeps what fits, cut at the limit
// rather than refused whole.
//
// What is typed is completed from the verbs the table of verb facts knows, in
// a list under the entry. The verbs are gathered on a thread started at the
// first edit, so that neither the window's opening nor a key waits for them;
// the list opens when they are ready. Enter conjugates the verb chosen in the
// list, or the text typed when none is; `Valide` is what conjugates.
class TEntreeVerbe : public QLineEdit {
public:
    explicit TEntreeVerbe(QWidget* parent);
    ~TEntreeVerbe() override;
    TEntreeVerbe(const TEntreeVerbe&) = delete;
    TEntreeVerbe& operator=(const TEntreeVerbe&) = delete;

    std::function<void()> Valide;

    // Pastes the clipboard as FormeSaisie keeps it, in one step to undo.
    void ColleCompose();

protected:
    void focusInEvent(QFocusEvent* evenement) override;
    void mousePressEvent(QMouseEvent* evenement) override;
    void mouseMoveEvent(QMouseEvent* evenement) override;
    void mouseReleaseEvent(QMouseEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;
    void contextMenuEvent(QContextMenuEvent* evenement) override;

private:
    void RassembleVerbes();
    void OuvreCompletion(TLignesCompletion lignes);

    bool Initial_ = true;  // still the word the window opened with
    QCompleter* Completion_ = nullptr;
    QThread* Fil_ = nullptr;  // gathering the verbs, from the first edit on
};

}  // namespace florimot
