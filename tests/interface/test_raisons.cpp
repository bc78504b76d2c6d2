// Why each line is so, in the window: a wrong text diagnosed above the
// pages, the reason of the selected line below them and in its tooltip.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "apparence.hpp"
#include "banc_ecran.hpp"
#include "conjugaison.hpp"
#include "dialogues_enregistres.hpp"
#include "ecran.hpp"
#include "liste_temps.hpp"
#include "pilote.hpp"
#include "proposition.hpp"

using namespace florimot;

class TestRaisons : public QObject, public banc::TBancEcran {
    Q_OBJECT

private slots:
    void init() { Ouvre(); }
    void cleanup() { Ferme(); }

    void diagnostic() {
#ifndef FLORIMOT_TABLE_FAITS
        QSKIP("sans table des verbes connus");
#endif
        pilote::Conjugue(Verbe(), QStringLiteral("ils se sont parlés"));
        // No box: the verb is shown with the line meant selected.
        QVERIFY(Dialogues->Boites.isEmpty());
        QCOMPARE(Composant<QLabel>("VerbeL")->text(), QStringLiteral("se parler"));
        auto* bandeau = Ecran->findChild<TBandeauProposition*>(QStringLiteral("Proposition"));
        QVERIFY(bandeau != nullptr && bandeau->isVisible());
        QVERIFY(bandeau->Phrase().startsWith(
            QStringLiteral("Vous avez écrit « ils se sont parlés » ; la forme correcte est "
                           "« ils se sont parlé »")));
        QVERIFY(bandeau->Phrase().contains(QStringLiteral("parce que accord en trop")));
        auto* liste = Composant<QListWidget>("PCInd");
        QVERIFY(liste->item(5)->isSelected());
        QCOMPARE(liste->item(5)->text(), QStringLiteral("ils se sont parlé"));
        // The reason, under the pages and over the line.
        const QString raison =
            QStringLiteral("se complément d'objet indirect (parler à quelqu'un) : pas d'accord");
        QVERIFY(Composant<QLabel>("AnalyseL")->isVisible());
        QVERIFY(Composant<QLabel>("AnalyseL")->toolTip().contains(raison) ||
                Composant<QLabel>("AnalyseL")->text().contains(raison));
        QVERIFY(BulleLigne(liste->item(5)).contains(raison));
        // A simple tense's line has none.
        QVERIFY(BulleLigne(Composant<QListWidget>("PresInd")->item(0)).isEmpty());

        const QString fichier = qEnvironmentVariable("FLORIMOT_CAPTURE_RAISONS");
        if (!fichier.isEmpty()) QVERIFY(Ecran->grab().save(fichier));

        // A right text is read, never diagnosed.
        pilote::Conjugue(Verbe(), QStringLiteral("elles se sont levées"));
        QVERIFY(bandeau->isHidden());
    }

    void memeModele() {
#ifndef FLORIMOT_TABLE_FAITS
        QSKIP("sans table des verbes connus");
#endif
        // A row too crowded for the button and the note leaves the list to
        // Ctrl+M; a wider window has room for both.
        pilote::Conjugue(Verbe(), QStringLiteral("conquérir"));
        QTest::keyClick(Verbe(), Qt::Key_M, Qt::ControlModifier);
        auto* parMenu = Ecran->findChild<QDialog*>(QStringLiteral("ListeModele"));
        QTRY_VERIFY(parMenu != nullptr && parMenu->isVisible());
        parMenu->close();
        QTRY_VERIFY(Ecran->findChild<QDialog*>(QStringLiteral("ListeModele")) == nullptr);
        Ecran->resize(1100, Ecran->height());
        auto* bouton = Composant<QPushButton>("MemeModele");
        QTRY_VERIFY(bouton->isVisible());
        bouton->click();
        auto* fenetre = Ecran->findChild<QDialog*>(QStringLiteral("ListeModele"));
        QVERIFY(fenetre != nullptr && fenetre->isVisible());
        QVERIFY(fenetre->findChild<QLabel*>(QStringLiteral("PhraseModele"))
                    ->text()
                    .startsWith(QStringLiteral("6 verbes se conjuguent comme acquérir")));
        auto* liste = fenetre->findChild<QListWidget*>(QStringLiteral("VerbesModele"));
        const auto trouve = liste->findItems(QStringLiteral("requérir"), Qt::MatchExactly);
        QCOMPARE(trouve.size(), 1);
        // One click conjugates it.
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                          liste->visualItemRect(trouve.front()).center());
        QCOMPARE(Composant<QLabel>("VerbeL")->text(), QStringLiteral("requérir"));
        QTRY_VERIFY(Ecran->findChild<QDialog*>(QStringLiteral("ListeModele")) == nullptr);
        // Ctrl+M opens the list of the verb shown, a model of hundreds
        // showing its first 30.
        pilote::Conjugue(Verbe(), QStringLiteral("parler"));
        Composant<QAction>("MemeModele1")->trigger();
        QTRY_VERIFY(Ecran->findChild<QListWidget*>(QStringLiteral("VerbesModele")) != nullptr);
        QCOMPARE(Ecran->findChild<QListWidget*>(QStringLiteral("VerbesModele"))->count(), 30);
    }

    void guideDesTemps() {
        // Each tense title says what the tense is for.
        int titres = 0;
        for (const TCellule& c : GrilleComplete)
            for (QLabel* titre : Ecran->findChildren<QLabel*>())
                if (titre->text() == QString::fromUtf8(c.Temps.data(), qsizetype(c.Temps.size())) &&
                    !c.Temps.empty() && titre->toolTip().contains(QStringLiteral(" — "))) {
                    ++titres;
                    break;
                }
        QVERIFY(titres >= 10);
        // The guide is one menu item away.
        auto* action = Ecran->findChild<QAction*>(QStringLiteral("GuideTemps1"));
        QVERIFY(action != nullptr);
        action->trigger();
        auto* texte = Ecran->findChild<QPlainTextEdit*>(QStringLiteral("TexteGuide"));
        QVERIFY(texte != nullptr);
        QVERIFY(texte->toPlainText().contains(QStringLiteral("Il ouvrit la porte.")));
        QVERIFY(texte->toPlainText().contains(QStringLiteral("« non usité »")));
    }
};

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    PrepareApplication(application);
    TestRaisons test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_raisons.moc"
