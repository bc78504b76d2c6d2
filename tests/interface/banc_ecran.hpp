// The main window opened for a test and driven as a user would, shared by
// the window's test files: its controls by name, what it shows, and the
// engine's grid to hold it against.
#pragma once

#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCompleter>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <string_view>
#include <tuple>

#include "about.hpp"
#include "aide.hpp"
#include "apparence.hpp"
#include "conjugaison.hpp"
#include "dialogues_enregistres.hpp"
#include "ecran.hpp"
#include "pages.hpp"
#include "pilote.hpp"

namespace banc {

using namespace florimot;
using pilote::Blancs;

inline QString Texte(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

inline QStringList Lignes(const QListWidget* liste) {
    QStringList lignes;
    for (int i = 0; i < liste->count(); ++i) lignes << liste->item(i)->text();
    return lignes;
}

// A test class derives from it after QObject, and calls Ouvre from its
// init() and Ferme from its cleanup().
class TBancEcran {
protected:
    std::unique_ptr<TDialoguesEnregistres> Dialogues;
    std::unique_ptr<TEcran> Ecran;
    TAbout* About = nullptr;

    void Ouvre() {
        Dialogues = std::make_unique<TDialoguesEnregistres>();
        Ecran = std::make_unique<TEcran>(*Dialogues);
        About = new TAbout(Ecran.get());
        Ecran->AttacheAbout(About);
        Ecran->show();
        Ecran->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Ecran.get()));
    }
    void Ferme() {
        About = nullptr;
        Ecran.reset();
        Dialogues.reset();
    }

    template <typename T>
    T* Composant(const char* nom) {
        return pilote::Composant<T>(Ecran.get(), nom);
    }
    QLineEdit* Verbe() { return Composant<QLineEdit>("Verbe"); }
    QLabel* Etiquette(const char* nom) { return Composant<QLabel>(nom); }
    QListWidget* Liste(std::string_view nom) {
        return Composant<QListWidget>(QByteArray(nom.data(), qsizetype(nom.size())).constData());
    }
    QAction* Commande(const char* nom) { return Composant<QAction>(nom); }

    void Tape(const QString& texte) { pilote::Tape(Verbe(), texte); }
    void Conjugue(const QString& texte) { pilote::Conjugue(Verbe(), texte); }

    // Everything the window shows, to prove a command changed nothing.
    QStringList Etat() {
        QStringList etat{Verbe()->displayText(), Etiquette("VerbeL")->text(),
                         Etiquette("Groupe")->text(), Etiquette("PartPres")->text(),
                         QString::number(Composant<QTabBar>("PageSet")->currentIndex())};
        for (const TCellule& c : Grille)
            if (c.Nom != "PartPres") etat << Lignes(Liste(c.Nom));
        return etat;
    }

    // The lists and the participle hold exactly the engine's grid for `mot`.
    void VerifieGrille(const QString& mot) {
        TVerbe verbe;
        verbe.DefinitVerbe(Blancs(mot).toStdString());
        const TLignesGrille attendu = ConjugueGrille(verbe);
        for (const TCellule& c : GrilleComplete) {
            QStringList lignes;
            for (int k = 0; k < c.NombreLignes(); ++k)
                lignes << QString::fromUtf8(attendu[c.Premier + k]);
            if (c.Nom == "PartPres")
                QCOMPARE(Etiquette("PartPres")->text(), lignes.front());
            else
                QCOMPARE(Lignes(Liste(c.Nom)), lignes);
        }
    }

    void VerifiePage(int page) {
        for (const char* nom : {"Indicatif", "Subjonctif"})
            QCOMPARE(Composant<QGroupBox>(nom)->isVisible(), page == 1);
        for (const char* nom : {"Conditionnel", "Imperatif", "Participe"})
            QCOMPARE(Composant<QGroupBox>(nom)->isVisible(), page == 2);
        QCOMPARE(Composant<QTabBar>("PageSet")->currentIndex(), page - 1);
    }
};

}  // namespace banc
