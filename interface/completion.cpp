#include "completion.hpp"

#include <QAbstractListModel>
#include <QCompleter>
#include <QSet>
#include <algorithm>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "ecran.hpp"
#include "faits.hpp"
#include "verbe.hpp"
#include "verbes_courants.hpp"

namespace florimot {

namespace {

// Each verb under the texts it is found by: its own, and for a pronominal
// verb its infinitive alone too. The key is the completion role (edit), the
// verb the one shown (display). The completer shows every row: the model
// keeps only those whose key begins with the text typed, accents and case
// aside, an exact match first, then the most used verbs, then the rest in
// alphabetical order.
class TModeleVerbes final : public QAbstractListModel {
public:
    TModeleVerbes(std::vector<std::pair<QString, QString>> lignes, QObject* parent)
        : QAbstractListModel(parent), Tous_(std::move(lignes)) {
        Plies_.reserve(Tous_.size());
        for (const auto& [cle, verbe] : Tous_) Plies_.push_back(Plie(cle));
    }
    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : int(Lignes_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= int(Lignes_.size())) return {};
        const auto& [cle, verbe] = Tous_[Lignes_[std::size_t(index.row())]];
        if (role == Qt::EditRole) return cle;
        if (role == Qt::DisplayRole) return verbe;
        return {};
    }
    void Filtre(const QString& texte) {
        const QString tape = Plie(texte);
        std::vector<std::size_t> lignes;
        if (!tape.isEmpty()) {
            // The keys are sorted: those beginning with the folded text are
            // not, so every key is looked at (some ten thousand, well under
            // a millisecond).
            for (std::size_t i = 0; i < Tous_.size(); ++i)
                if (Plies_[i].startsWith(tape)) lignes.push_back(i);
        }
        const auto rang = [&](std::size_t i) {
            const QString& verbe = Tous_[i].second;
            const QString seul = verbe.startsWith(QStringLiteral("se "))  ? verbe.mid(3)
                                 : verbe.startsWith(QStringLiteral("s'")) ? verbe.mid(2)
                                                                          : verbe;
            const bool exact = Plies_[i] == tape || Plie(verbe) == tape;
            const int courant = RangCourant(seul);
            return std::tuple(!exact, courant < 0, courant, Plie(verbe), verbe);
        };
        std::stable_sort(lignes.begin(), lignes.end(),
                         [&](std::size_t a, std::size_t b) { return rang(a) < rang(b); });
        // A verb found under two keys is offered once.
        std::vector<std::size_t> uniques;
        QSet<QString> vus;
        for (const std::size_t i : lignes)
            if (!vus.contains(Tous_[i].second)) {
                vus.insert(Tous_[i].second);
                uniques.push_back(i);
            }
        beginResetModel();
        Lignes_ = std::move(uniques);
        endResetModel();
    }

private:
    std::vector<std::pair<QString, QString>> Tous_;
    std::vector<QString> Plies_;
    std::vector<std::size_t> Lignes_;
};

// What is put in the entry is the verb, not the text it was found by.
class TCompletionVerbes final : public QCompleter {
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

TLignesCompletion VerbesACompleter() {
    TLignesCompletion lignes = Lignes();
    // By key as QString compares it, which is how the completer searches.
    std::sort(lignes.begin(), lignes.end(), [](const auto& a, const auto& b) {
        const int c = QString::compare(a.first, b.first, Qt::CaseSensitive);
        return c != 0 ? c < 0 : QString::compare(a.second, b.second, Qt::CaseSensitive) < 0;
    });
    return lignes;
}

QCompleter* CreeCompletion(TLignesCompletion lignes, QObject* parent) {
    auto* completion = new TCompletionVerbes(parent);
    completion->setModel(new TModeleVerbes(std::move(lignes), completion));
    completion->setCompletionRole(Qt::EditRole);
    // The model filters and orders itself (FiltreCompletion).
    completion->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completion->setMaxVisibleItems(10);
    return completion;
}

void FiltreCompletion(QCompleter* completion, const QString& texte) {
    if (auto* modele = dynamic_cast<TModeleVerbes*>(completion->model())) modele->Filtre(texte);
}

}  // namespace florimot
