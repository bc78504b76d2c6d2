// The dictionary behind the window: the lexicon, loaded on a thread of its
// own so that the window is up at once, and what it found behind the text
// the window shows.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "lexique.hpp"

namespace florimot {

class TSessionLexique : public QObject {
    Q_OBJECT

public:
    // Starts loading the dictionary of the first of `dossiers` that has one
    // and returns at once. `avantChargement`, when given, runs first on the
    // loading thread: a test holds loading back with it.
    explicit TSessionLexique(std::vector<std::filesystem::path> dossiers, QObject* parent = nullptr,
                             std::function<void()> avantChargement = {});
    ~TSessionLexique() override;
    TSessionLexique(const TSessionLexique&) = delete;
    TSessionLexique& operator=(const TSessionLexique&) = delete;

    static std::vector<std::filesystem::path> DossiersStandard();

    // Whether loading has ended (Charge was sent); never waits.
    bool Pret() const { return Pret_; }

    // Reads `forme` as a form or a written line: true when verbs were found
    // (Forme, Description and Verbes then tell what); needs no dictionary.
    bool Cherche(const QString& forme);
    // The index in Verbes of `infinitif`; 0, the first, when none is.
    std::size_t Rang(const QString& infinitif) const;
    // Why the dictionary cannot help, the first time it was needed and could
    // not; "" afterwards.
    QString PrendMessage();

    // These wait for the end of loading. The verbs the dictionary knows
    // close to `intitule`, which it does not know, and the sentence naming
    // them; the suggestions for a misspelt text; the note on a verb.
    QStringList Proches(const QString& intitule, QString& phrase);
    QStringList Suggestions(const QString& texte);
    QString Note(const QString& intitule);

    // The text read and what was found, while a verb found behind it is shown.
    QString Forme;
    QString Description;
    std::vector<TAnalyse> Verbes;

signals:
    // Loading has ended, available or not; sent once, on the window's thread.
    void Charge();

private:
    TLexique& Lexique();

    // Built and loaded on `Chargement_`, touched here only once it has ended.
    std::unique_ptr<TLexique> Lexique_;
    std::thread Chargement_;
    bool Pret_ = false;
    bool IndisponibleDit_ = false;
    QString Message_;
};

}  // namespace florimot
