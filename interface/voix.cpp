#include "voix.hpp"

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
    moteur_ = choisi != nullptr ? new QTextToSpeech(QString::fromLocal8Bit(choisi), this)
                                : new QTextToSpeech(this);
    connect(moteur_, &QTextToSpeech::stateChanged, this, [this] { Verifie(); });
    Verifie();
}

void TVoix::Verifie() {
    const bool avant = disponible_;
    disponible_ = false;
    if (moteur_->state() == QTextToSpeech::Error) {
        raison_ = tr("Pas de voix : la synthèse vocale ne répond pas (%1)")
                      .arg(moteur_->errorString().isEmpty() ? tr("speech-dispatcher")
                                                            : moteur_->errorString());
    } else {
        QLocale francais;
        bool trouve = false;
        for (const QLocale& l : moteur_->availableLocales())
            if (l.language() == QLocale::French) {
                francais = l;
                trouve = true;
                if (l.territory() == QLocale::France) break;
            }
        if (!trouve) {
            raison_ = tr("Pas de voix française installée (paquet speech-dispatcher-espeak-ng)");
        } else {
            if (moteur_->locale() != francais) moteur_->setLocale(francais);
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
    moteur_->stop();
    moteur_->say(texte);
}

}  // namespace florimot
