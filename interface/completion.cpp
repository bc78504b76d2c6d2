#include "completion.hpp"

#include <QAbstractListModel>
#include <QCompleter>
#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ecran.hpp"
#include "faits.hpp"
#include "verbe.hpp"

namespace florimot {

namespace {

// Each verb under the texts it is found by: its own, and for a pronominal
// verb its infinitive alone too. The key is the completion role (edit), the
// verb the one shown (display); sorted by key for the completer's binary
// search.
class ModeleVerbes final : public QAbstractListModel {
public:
    ModeleVerbes(std::vector<std::pair<QString, QString>> lignes, QObject* parent)
        : QAbstractListModel(parent), Lignes_(std::move(lignes)) {}
    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : int(Lignes_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= int(Lignes_.size())) return {};
        const auto& [cle, verbe] = Lignes_[std::size_t(index.row())];
        if (role == Qt::EditRole) return cle;
        if (role == Qt::DisplayRole) return verbe;
        return {};
    }

private:
    std::vector<std::pair<QString, QString>> Lignes_;
};

// What is put in the entry is the verb, not the text it was found by.
class CompletionVerbes final : public QCompleter {
public:
    using QCompleter::QCompleter;
    QString pathFromIndex(const QModelIndex& index) const override {
        return index.data(Qt::DisplayRole).toString();
    }
};

// A text the entry would cut or change would be completed into something
// else than what the list showed.
bool TientDansEntree(const QString& texte) {
    bool coupe = false;
    return FormeSaisie(texte, nullptr, &coupe) == texte && !coupe;
}

// The pronominal text as the engine writes it, elision included
// (s'évanouir, se lever); "" when the engine refuses it.
QString Pronominal(std::string_view infinitif) {
    TVerbe verbe;
    verbe.DefinitVerbe("se " + std::string(infinitif));
    return verbe.DonneGroupe() == 0 ? QString() : QString::fromStdString(verbe.Intitule());
}

// Every (key, verb) pair, unsorted.
std::vector<std::pair<QString, QString>> Lignes() {
    std::vector<std::pair<QString, QString>> lignes;
    for (const std::string_view infinitif : VerbesConnus()) {
        const TFaits faits = FaitsDuVerbe(infinitif);
        const QString seul = QString::fromUtf8(infinitif.data(), qsizetype(infinitif.size()));
        if (!faits.Pronominal && TientDansEntree(seul)) lignes.emplace_back(seul, seul);
        if (!faits.Pronominal && !faits.PeutEtrePronominal) continue;
        const QString pronominal = Pronominal(infinitif);
        if (pronominal.isEmpty() || !TientDansEntree(pronominal)) continue;
        lignes.emplace_back(pronominal, pronominal);
        lignes.emplace_back(seul, pronominal);
    }
    return lignes;
}

}  // namespace

LignesCompletion VerbesACompleter() {
    LignesCompletion lignes = Lignes();
    // By key as QString compares it, which is how the completer searches.
    std::sort(lignes.begin(), lignes.end(), [](const auto& a, const auto& b) {
        const int c = QString::compare(a.first, b.first, Qt::CaseSensitive);
        return c != 0 ? c < 0 : QString::compare(a.second, b.second, Qt::CaseSensitive) < 0;
    });
    return lignes;
}

QCompleter* CreeCompletion(LignesCompletion lignes, QObject* parent) {
    auto* completion = new CompletionVerbes(parent);
    completion->setModel(new ModeleVerbes(std::move(lignes), completion));
    completion->setCompletionRole(Qt::EditRole);
    completion->setModelSorting(QCompleter::CaseSensitivelySortedModel);
    completion->setCompletionMode(QCompleter::PopupCompletion);
    completion->setMaxVisibleItems(10);
    return completion;
}

}  // namespace florimot
