#include "session_lexique.hpp"

#include <QMetaObject>
#include <string>
#include <utility>

#include "proches.hpp"

namespace florimot {

TSessionLexique::TSessionLexique(std::vector<std::filesystem::path> dossiers, QObject* parent,
                                 std::function<void()> avantChargement)
    : QObject(parent) {
    // The lexicon is made and waited for on a thread of its own, which
    // touches nothing else: the window reads it only once that thread is
    // over. The message it posts dies with the session if the window goes
    // first.
    Chargement_ = std::thread(
        [this, dossiers = std::move(dossiers), avant = std::move(avantChargement)]() mutable {
            if (avant) avant();
            Lexique_ = std::make_unique<TLexique>(std::move(dossiers));
            Lexique_->Disponible();
            QMetaObject::invokeMethod(
                this,
                [this] {
                    Lexique();
                    emit Charge();
                },
                Qt::QueuedConnection);
        });
}

TSessionLexique::~TSessionLexique() {
    if (Chargement_.joinable()) Chargement_.join();
}

std::vector<std::filesystem::path> TSessionLexique::DossiersStandard() {
    return TLexique::DossiersStandard();
}

TLexique& TSessionLexique::Lexique() {
    if (Chargement_.joinable()) Chargement_.join();
    Pret_ = true;
    return *Lexique_;
}

bool TSessionLexique::Cherche(const QString& forme) {
    Verbes.clear();
    if (forme.isEmpty()) return false;
    // The form index needs no dictionary, and never waits for it.
    const std::string texte = forme.toStdString();
    Verbes = AnalyseTexte(texte);
    if (Verbes.empty()) {
        // The suggestions that follow need the dictionary: say once why
        // there are none.
        if (!Lexique().Disponible() && !std::exchange(IndisponibleDit_, true))
            Message_ = QString::fromStdString(Lexique().Raison());
        return false;
    }
    Forme = forme;
    Description = QString::fromStdString(DecritAnalyse(texte, Verbes));
    return true;
}

std::size_t TSessionLexique::Rang(const QString& infinitif) const {
    std::size_t rang = 0;
    for (std::size_t i = 0; i < Verbes.size(); ++i)
        if (QString::fromStdString(Verbes[i].Infinitif) == infinitif) rang = i;
    return rang;
}

QString TSessionLexique::PrendMessage() {
    return std::exchange(Message_, QString());
}

QStringList TSessionLexique::Proches(const QString& intitule, QString& phrase) {
    QStringList proches;
    phrase.clear();
    if (intitule.isEmpty() || !Lexique().Disponible()) return proches;
    const std::vector<std::string> verbes = VerbesProches(Lexique(), intitule.toStdString());
    for (const std::string& v : verbes) proches << QString::fromStdString(v);
    phrase = QString::fromStdString(PhraseVerbesProches(verbes));
    return proches;
}

QStringList TSessionLexique::Suggestions(const QString& texte) {
    QStringList suggestions;
    if (texte.isEmpty() || !Lexique().Disponible()) return suggestions;
    for (const std::string& s : Lexique().Suggestions(texte.toStdString()))
        suggestions << QString::fromStdString(s);
    return suggestions;
}

QString TSessionLexique::Note(const QString& intitule) {
    return QString::fromStdString(Lexique().Note(intitule.toStdString()));
}

}  // namespace florimot
