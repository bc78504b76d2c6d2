#include "proposition.hpp"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "apparence.hpp"

namespace florimot {

TBandeauProposition::TBandeauProposition(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Proposition"));
    // Meant to be seen before the lists: the palette's tooltip colours, which
    // every theme keeps readable, not the discreet grey of the notes.
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);
    setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
    auto* rangee = new QHBoxLayout(this);
    rangee->setContentsMargins(8, 1, 8, 1);
    rangee->setSpacing(6);
    Phrase_ = new QLabel(this);
    Phrase_->setObjectName(QStringLiteral("PhraseProposition"));
    Phrase_->setTextFormat(Qt::PlainText);
    Phrase_->setFont(PoliceTexte(12, true));
    Phrase_->setForegroundRole(QPalette::ToolTipText);
    rangee->addWidget(Phrase_);
    rangee->addStretch(1);
    hide();
}

void TBandeauProposition::Definit(const QString& phrase, const QStringList& verbes,
                                  std::function<void(const QString&)> choix) {
    Verbes_ = verbes;
    Phrase_->setText(phrase);
    // Possibly the very button pressed: gone from sight now, deleted later.
    for (QPushButton* bouton : Boutons_) {
        bouton->hide();
        bouton->deleteLater();
    }
    Boutons_.clear();
    for (const QString& verbe : verbes) {
        auto* bouton = new QPushButton(
            QCoreApplication::translate("Florimot", "Conjuguer « %1 »").arg(verbe), this);
        bouton->setObjectName(QStringLiteral("ConjugueProposition"));
        bouton->setFont(PoliceTexte(11));
        bouton->setAutoDefault(false);
        bouton->setFixedHeight(20);
        connect(bouton, &QPushButton::clicked, bouton, [choix, verbe] { choix(verbe); });
        static_cast<QHBoxLayout*>(layout())->addWidget(bouton);
        Boutons_.push_back(bouton);
    }
    Phrase_->setWordWrap(false);
    Phrase_->setFont(PoliceTexte(12, true));
    // The sentence as wide as it is, the buttons after it (the stretch is
    // the row's second item).
    static_cast<QHBoxLayout*>(layout())->setStretch(0, 0);
    static_cast<QHBoxLayout*>(layout())->setStretch(1, 1);
    setVisible(!verbes.isEmpty());
}

void TBandeauProposition::DefinitPhrase(const QString& phrase) {
    Definit(phrase, {}, {});
    // A long sentence: the strip's whole width, in lines, in plain type.
    Phrase_->setWordWrap(true);
    Phrase_->setFont(PoliceTexte(12));
    static_cast<QHBoxLayout*>(layout())->setStretch(0, 1);
    static_cast<QHBoxLayout*>(layout())->setStretch(1, 0);
    setVisible(!phrase.isEmpty());
}

QString TBandeauProposition::Phrase() const {
    return isHidden() ? QString() : Phrase_->text();
}

}  // namespace florimot
