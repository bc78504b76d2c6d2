// The verbs the entry completes as they are typed.
#pragma once

#include <QString>
#include <utility>
#include <vector>

class QCompleter;
class QObject;

namespace florimot {

// The verbs a completer offers: every verb the table of verb facts knows, as
// the entry takes it ("parler"; "s'évanouir" alone for a verb that never
// goes without its pronoun; "lever" and "se lever" for one that may take
// it), each under the texts it is found by: its own, and for a pronominal
// verb its infinitive alone too ("évan" and "s'év" both give s'évanouir,
// "lev" gives lever and se lever). Only texts the entry holds whole; none in
// a build without the dictionary. Pairs (key, verb), sorted by key. Some tens
// of milliseconds of work, touching no widget: made on a thread of its own.
using TLignesCompletion = std::vector<std::pair<QString, QString>>;
TLignesCompletion VerbesACompleter();

// A completer offering `lignes` in a list under the entry; FiltreCompletion
// keeps those the text typed leads to, in the order they are offered.
QCompleter* CreeCompletion(TLignesCompletion lignes, QObject* parent);
void FiltreCompletion(QCompleter* completion, const QString& texte);

}  // namespace florimot
