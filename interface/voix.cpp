#include "voix.hpp"

#include <QApplication>
#include <QLocale>
#include <QTextToSpeech>
#include <QVoice>
#include <cstdlib>

namespace florimot {

TVoix::TVoix(QObject* parent) : QObject(parent) {
    const char* choisi = std::getenv("FLORIMOT_VOIX");
    if (choisi != nullptr && *choisi == '\0') {
        Raison_ = tr("Pas de voix : la synthèse vocale est désactivée (FLORIMOT_VOIX vide)");
        return;
    }
    if (QTextToSpeech::availableEngines().isEmpty()) {
        Raison_ =
            tr("Pas de voix : aucun moteur de synthèse vocale n'est installé "
               "(paquet qt6-speech-speechd-plugin)");
        return;
    }
    // Reaching speech-dispatcher takes seconds: not at start-up, where it
    // would hold the window back, but when the voice is first wanted.
    Moteur_ = choisi;
    Disponible_ = true;
}

void TVoix::Connecte() {
    if (Tts_ != nullptr) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Tts_ = Moteur_ != nullptr ? new QTextToSpeech(QString::fromLocal8Bit(Moteur_), this)
                              : new QTextToSpeech(this);
    QApplication::restoreOverrideCursor();
    connect(Tts_, &QTextToSpeech::stateChanged, this, [this] { Verifie(); });
    Verifie();
}

void TVoix::Verifie() {
    const bool avant = Disponible_;
    Disponible_ = false;
    if (Tts_->state() == QTextToSpeech::Error) {
        Raison_ =
            tr("Pas de voix : la synthèse vocale ne répond pas (%1)")
                .arg(Tts_->errorString().isEmpty() ? tr("speech-dispatcher") : Tts_->errorString());
    } else {
        QLocale francais;
        bool trouve = false;
        for (const QLocale& l : Tts_->availableLocales())
            if (l.language() == QLocale::French) {
                francais = l;
                trouve = true;
                if (l.territory() == QLocale::France) break;
            }
        if (!trouve) {
            Raison_ = tr("Pas de voix française installée (paquet speech-dispatcher-espeak-ng)");
        } else {
            if (Tts_->locale() != francais) Tts_->setLocale(francais);
            Disponible_ = true;
            Raison_.clear();
        }
    }
    if (avant != Disponible_ && change_) change_();
}

bool TVoix::Disponible() const {
    return Disponible_;
}

QString TVoix::Raison() const {
    return Raison_;
}

void TVoix::Dit(const QString& texte) {
    if (!Disponible_ || texte.isEmpty()) return;
    Connecte();
    if (!Disponible_) return;
    Tts_->stop();
    Tts_->say(texte);
}

}  // namespace florimot
