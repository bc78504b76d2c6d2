// Driving the main window as a user would, shared by the window tests.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QString>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "ecran.hpp"

namespace pilote {

// What the entry reads back for `mot`: the word, then blanks up to 15.
inline QString Blancs(const QString& mot) {
    return mot.leftJustified(florimot::TEcran::LongueurEntree);
}

// The child of `fenetre` named `nom`; a missing one ends the test run.
template <typename T>
T* Composant(QWidget* fenetre, const char* nom) {
    T* composant = fenetre->findChild<T*>(QString::fromLatin1(nom));
    if (composant == nullptr) qFatal("composant absent : %s", nom);
    return composant;
}

// Replaces the entry's text by `texte`, typed key by key.
inline void Tape(QLineEdit* entree, const QString& texte) {
    entree->setFocus();
    QTest::keyClick(entree, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(entree, Qt::Key_Backspace);
    for (const QChar c : texte) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(entree, c.toLatin1());
        } else {
            // Keys beyond ASCII carry their letter as text, as a keyboard sends them.
            const auto touche = Qt::Key(c.toUpper().unicode());
            QTest::sendKeyEvent(QTest::Press, entree, touche, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, entree, touche, QString(c), Qt::NoModifier);
        }
    }
}

// Types `texte` and presses Enter.
inline void Conjugue(QLineEdit* entree, const QString& texte) {
    Tape(entree, texte);
    QTest::keyClick(entree, Qt::Key_Return);
}

// Runs `agir` on the next modal message box as soon as it is up: the window
// opens its boxes inside its own handlers, which wait for an answer.
template <typename Agir>
void QuandBoite(Agir agir) {
    auto* attente = new QTimer(qApp);
    attente->setInterval(10);
    QObject::connect(attente, &QTimer::timeout, [attente, agir] {
        auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (boite == nullptr) return;
        attente->stop();
        attente->deleteLater();
        agir(boite);
    });
    attente->start();
}

}  // namespace pilote
