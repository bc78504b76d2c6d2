// The verbs the entry completes as they are typed.
#pragma once

class QCompleter;
class QObject;

namespace florimot {

// A completer offering every verb the table of verb facts knows, as the
// entry takes it ("parler"; "s'évanouir" alone for a verb that never goes
// without its pronoun; "lever" and "se lever" for one that may take it),
// in a list under the entry. Only texts the entry holds whole; none in a
// build without the dictionary. A verb is found by its first letters with or
// without its pronoun ("évan" and "s'év" both give s'évanouir, "lev" gives
// lever and se lever). Made in a few milliseconds: call it when the list is
// first needed, not at start-up.
QCompleter* CreeCompletion(QObject* parent);

}  // namespace florimot
