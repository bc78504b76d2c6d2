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
        raison_ = tr("Pas de voix : la synthèse vocale est désactivée (FLORIMOT_VOIX vide)");
        return;
    }
    if (QTextToSpeech::availableEngines().isEmpty()) {
        raison_ =
            tr("Pas de voix : aucun moteur de synthèse vocale n'est installé "
               "(paquet qt6-speech-speechd-plugin)");
        return;
    }
    // Reaching speech-dispatcher takes seconds: not at start-up, where it
    // would hold the window back, but when the voice is first wanted.
    moteur_ = choisi;
    disponible_ = true;
}

void TVoix::Connecte() {
    if (tts_ != nullptr) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    tts_ = moteur_ != nullptr ? new QTextToSpeech(QString::fromLocal8Bit(moteur_), this)
                              : new QTextToSpeech(this);
    QApplication::restoreOverrideCursor();
    connect(tts_, &QTextToSpeech::stateChanged, this, [this] { Verifie(); });
    Verifie();
}

void TVoix::Verifie() {
    const bool avant = disponible_;
    disponible_ = false;
    if (tts_->state() == QTextToSpeech::Error) {
        raison_ =
            tr("Pas de voix : la synthèse vocale ne répond pas (%1)")
                .arg(tts_->errorString().isEmpty() ? tr("speech-dispatcher") : tts_->errorString());
    } else {
        QLocale francais;
        bool trouve = false;
        for (const QLocale& l : tts_->availableLocales())
            if (l.language() == QLocale::French) {
                francais = l;
                trouve = true;
                if (l.territory() == QLocale::France) break;
            }
        if (!trouve) {
            raison_ = tr("Pas de voix française installée (paquet speech-dispatcher-espeak-ng)");
        } else {
            if (tts_->locale() != francais) tts_->setLocale(francais);
            disponible_ = true;
            raison_.clear();
        }
    }
    if (avant != disponible_ && change_) change_();
}

bool TVoix::Disponible() const {
    return disponible_;
}

QString TVoix::Raison() const {
    return raison_;
}

void TVoix::Dit(const QString& texte) {
    if (!disponible_ || texte.isEmpty()) return;
    Connecte();
    if (!disponible_) return;
    tts_->stop();
    tts_->say(texte);
}

}  // namespace florimot
