// The desktop's French voice, through Qt's text-to-speech (speech-dispatcher
// and its espeak-ng voice on Debian): what « Écouter » speaks with.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QTextToSpeech;

namespace florimot {

class TVoix : public QObject {
    Q_OBJECT

public:
    // FLORIMOT_VOIX names the text-to-speech engine ("speechd"); empty for
    // none, so that tests run without a voice. Unset: Qt's default engine.
    explicit TVoix(QObject* parent = nullptr);

    // Whether a French voice may speak; if not, Raison() says why, for the
    // action's tooltip. Until the voice is first wanted, only whether an
    // engine is there is known: the engine is reached then, and says
    // whether it has a French voice.
    bool Disponible() const;
    QString Raison() const;
    // Told when Disponible() may have changed (the engine answers late).
    void QuandChange(std::function<void()> action) { change_ = std::move(action); }

    // Says `texte` (made ready by PrepareParole), cutting short what it was
    // saying.
    void Dit(const QString& texte);

private:
    void Connecte();
    void Verifie();

    const char* Moteur_ = nullptr;  // FLORIMOT_VOIX's engine; null for Qt's default
    QTextToSpeech* Tts_ = nullptr;
    bool Disponible_ = false;
    QString Raison_;
    std::function<void()> change_;
};

}  // namespace florimot
