// From the entry to the lists: what typing reads, every road into the
// conjugation, the group, a text that is no verb and its warning.
#include "banc_ecran.hpp"

using namespace banc;

class TestConjugaison : public QObject, public TBancEcran {
    Q_OBJECT

private slots:
    void init() { Ouvre(); }
    void cleanup() { Ferme(); }

    // At start-up, and whenever the keyboard brings the focus back, typing
    // replaces the whole entry.
    void saisieDirecte() {
        QTest::keyClicks(Verbe(), "finir");
        QCOMPARE(Ecran->TexteVerbe(), Blancs("finir"));
        QTest::keyClick(Verbe(), Qt::Key_Return);
        QCOMPARE(Etiquette("Groupe")->text(), QStringLiteral("Groupe : 2"));
        Composant<QPushButton>("Conjugue")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(Ecran.get(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), Verbe());
        QTest::keyClicks(Verbe(), "parler");
        QCOMPARE(Ecran->TexteVerbe(), Blancs("parler"));
    }

    void saisie_data() {
        QTest::addColumn<QString>("touches");
        QTest::addColumn<QString>("lu");
        QTest::newRow("majuscules") << "AIMER" << Blancs("aimer");
        QTest::newRow("capitale accentuée") << "É" << Blancs("é");
        QTest::newRow("accents") << "ÊTRE" << Blancs("être");
        QTest::newRow("tréma") << "HAÏR" << Blancs("haïr");
        // Kept for the engine to judge: conjugating them says they are no verb.
        QTest::newRow("chiffres gardés") << "a1b2" << Blancs("a1b2");
        QTest::newRow("signes gardés") << "ai-m'er!" << Blancs("ai-m'er!");
        QTest::newRow("blanc hors pronom") << "ai mer" << Blancs("aimer");
        QTest::newRow("se") << "se lever" << Blancs("se lever");
        QTest::newRow("apostrophe courbe") << "S’ASSEOIR" << Blancs("s'asseoir");
        QTest::newRow("s'en") << "s'en aller" << Blancs("s'en aller");
        // An apostrophe after a letter is not counted; any other is.
        QTest::newRow("apostrophes") << "'S’ENTR''APERCEVOIR"
                                     << "'s'entr''apercevo";
        QTest::newRow("apostrophe après une lettre") << "S’ENTR’APERCEVOIR"
                                                     << "s'entr'apercevoir";
        // The limit counts the verb's own letters, not its pronoun's.
        QTest::newRow("seize lettres") << "réapprovisionner" << Blancs("réapprovisionne");
        QTest::newRow("seize lettres après se") << "se réapprovisionner"
                                                << "se réapprovisionne";
        QTest::newRow("se désister") << "se désister" << Blancs("se désister");
        QTest::newRow("quinze lettres après s'en") << "s'en abcdefghijklmnopq"
                                                   << "s'en abcdefghijklmno";
        // A blank after a verb only where a phrase goes on; the complement
        // has its own limit.
        QTest::newRow("faire attention") << "FAIRE ATTENTION" << Blancs("faire attention");
        QTest::newRow("s'y prendre") << "s’y  prendre" << Blancs("s'y prendre");
        QTest::newRow("quinze lettres du complément") << "faire abcdefghijklmnopqrst"
                                                      << "faire abcdefghijklmno";
        QTest::newRow("un blanc après le complément")
            << "avoir l'air las" << Blancs("avoir l'airlas");
        QTest::newRow("quinze au plus") << "abcdefghijklmnopqrst"
                                        << "abcdefghijklmno";
        QTest::newRow("vide") << "" << Blancs("");
    }
    void saisie() {
        QFETCH(QString, touches);
        QFETCH(QString, lu);
        Tape(touches);
        QCOMPARE(Ecran->TexteVerbe(), lu);
        QCOMPARE(Verbe()->text(), lu.trimmed());
    }

    // While the entry holds the word it opened with, a click selects it
    // whole and typing replaces it; afterwards a click places the cursor.
    void motInitial() {
        for (const bool modifie : {false, true}) {
            if (modifie) Tape("finir");
            Composant<QPushButton>("Conjugue")->setFocus();
            QTest::mouseClick(Verbe(), Qt::LeftButton, {}, Verbe()->rect().center());
            if (modifie) Verbe()->setCursorPosition(2);
            QTest::keyClicks(Verbe(), QStringLiteral("finir"));
            QCOMPARE(Verbe()->text(),
                     modifie ? QStringLiteral("fifinirnir") : QStringLiteral("finir"));
        }
    }

    // Every road into the conjugation gives the same, complete grid.
    void declencheurs_data() {
        QTest::addColumn<int>("declencheur");
        QTest::newRow("Entrée dans l'entrée") << 0;
        QTest::newRow("Entrée du pavé") << 1;
        QTest::newRow("F1") << 2;
        QTest::newRow("clic sur le bouton") << 3;
        QTest::newRow("menu Conjuguer") << 4;
        QTest::newRow("Entrée dans une liste") << 5;
    }
    void declencheurs() {
        QFETCH(int, declencheur);
        Tape("AIMER");
        QCOMPARE(Verbe()->displayText().trimmed(), QStringLiteral("aimer"));
        switch (declencheur) {
            case 0: QTest::keyClick(Verbe(), Qt::Key_Return); break;
            case 1: QTest::keyClick(Verbe(), Qt::Key_Enter, Qt::KeypadModifier); break;
            case 2: QTest::keyClick(Verbe(), Qt::Key_F1); break;
            case 3: QTest::mouseClick(Composant<QPushButton>("Conjugue"), Qt::LeftButton); break;
            case 4: Commande("Conjuguer1")->trigger(); break;
            case 5:
                Liste("PCInd")->setFocus();
                QTest::keyClick(Liste("PCInd"), Qt::Key_Return);
                break;
        }
        QCOMPARE(Etiquette("VerbeL")->text(), QStringLiteral("aimer"));
        QCOMPARE(Etiquette("Groupe")->text(), QStringLiteral("Groupe : 1"));
        QVERIFY(Dialogues->Boites.isEmpty());
        VerifieGrille("aimer");
        QCOMPARE(Liste("PresInd")->item(0)->text(), QStringLiteral("j'aime"));
        QCOMPARE(Liste("PCInd")->item(3)->text(), QStringLiteral("nous avons aimé"));
        QCOMPARE(Etiquette("PartPres")->text(), QStringLiteral("aimant"));
    }

    void groupes_data() {
        QTest::addColumn<QString>("touches");
        QTest::addColumn<QString>("groupe");
        QTest::newRow("avoir") << "avoir"
                               << "Auxiliaire";
        QTest::newRow("être") << "ÊTRE"
                              << "Auxiliaire";
        QTest::newRow("ravoir") << "ravoir"
                                << "Groupe : 3";
        QTest::newRow("parler") << "parler"
                                << "Groupe : 1";
        QTest::newRow("finir") << "finir"
                               << "Groupe : 2";
    }
    void groupes() {
        QFETCH(QString, touches);
        QFETCH(QString, groupe);
        Conjugue(touches);
        QCOMPARE(Etiquette("Groupe")->text(), groupe);
        QVERIFY(Dialogues->Boites.isEmpty());
        VerifieGrille(Ecran->TexteVerbe().trimmed());
    }

    void pasUnVerbe_data() {
        QTest::addColumn<QString>("touches");
        QTest::newRow("mot quelconque") << "maison";
        QTest::newRow("entrée vide") << "";
    }
    void pasUnVerbe() {
        QFETCH(QString, touches);
        QTest::keyClick(Verbe(), Qt::Key_F6);
        Conjugue("commencer");
        QVERIFY(!Etiquette("ModeleL")->text().isEmpty());
        // While the warning is up, the window already shows what it is
        // about: the word, its group, emptied lists.
        QStringList pendant;
        Dialogues->PendantLaBoite = [&] { pendant = Etat(); };
        Conjugue(touches);
        QCOMPARE(Dialogues->Boites.size(), 1);
        QCOMPARE(pendant, Etat());
        QCOMPARE(Etiquette("VerbeL")->text(), touches);
        // Of a text that is no verb only the word is shown: no group, no
        // options, no model.
        QCOMPARE(Etiquette("Groupe")->text(), QString());
        QCOMPARE(Etiquette("OptionsL")->text(), QString());
        QCOMPARE(Etiquette("ModeleL")->text(), QString());
        const auto& boite = Dialogues->Boites.front();
        QCOMPARE(boite.Texte, QStringLiteral("Ceci n'est pas un Verbe"));
        QCOMPARE(boite.Titre, QStringLiteral("Avertissement"));
        QVERIFY(boite.Genre == TDialogues::TIcone::Information);
        QVERIFY(boite.Choix == TDialogues::TBoutons::Ok);
        for (const TCellule& c : Grille) {
            if (c.Nom == "PartPres") continue;
            QCOMPARE(Lignes(Liste(c.Nom)), QStringList(c.NombreLignes(), QString()));
        }
        QCOMPARE(Etiquette("PartPres")->text(), QString());
        QVERIFY(!Ecran->findChild<QWidget*>("Proposition")->isVisible());
    }

    // A word no model conjugates, typed without its accent: no verb, and the
    // verb it is named above the pages with a button, no dictionary needed.
    void sansAccent() {
        Conjugue("etre");
        QCOMPARE(Dialogues->Boites.size(), 1);
        QCOMPARE(Etiquette("Groupe")->text(), QString());
        QVERIFY(Ecran->findChild<QWidget*>("Proposition")->isVisible());
        QCOMPARE(Etiquette("PhraseProposition")->text(),
                 QStringLiteral("Vouliez-vous dire « être » ?"));
        Ecran->findChild<QPushButton*>("ConjugueProposition")->click();
        QTRY_COMPARE(Etiquette("VerbeL")->text(), QStringLiteral("être"));
    }

    // A conjugation asked for from inside the warning (as a suggestion's
    // button would) runs once the first is over, and is not overwritten by
    // it; the first never runs twice at once.
    void conjugaisonDansLaBoite_data() {
        QTest::addColumn<int>("declencheur");
        QTest::newRow("ConjugueClick") << 0;
        QTest::newRow("menu Conjuguer") << 1;
        QTest::newRow("bouton") << 2;
    }
    void conjugaisonDansLaBoite() {
        QFETCH(int, declencheur);
        int profondeur = 0, plusProfond = 0;
        Dialogues->PendantLaBoite = [&] {
            plusProfond = std::max(plusProfond, ++profondeur);
            if (Dialogues->Boites.size() == 1) {
                Verbe()->setText(QStringLiteral("finir"));
                switch (declencheur) {
                    case 0: Ecran->ConjugueClick(); break;
                    case 1: Commande("Conjuguer1")->trigger(); break;
                    case 2: Composant<QPushButton>("Conjugue")->click(); break;
                }
                // Not yet: the warning is still up.
                QCOMPARE(Etiquette("VerbeL")->text(), QStringLiteral("maison"));
            }
            --profondeur;
        };
        Conjugue("maison");
        QCOMPARE(Dialogues->Boites.size(), 1);
        QCOMPARE(plusProfond, 1);
        QCOMPARE(Etiquette("VerbeL")->text(), QStringLiteral("finir"));
        QCOMPARE(Etiquette("Groupe")->text(), QStringLiteral("Groupe : 2"));
        VerifieGrille("finir");
    }

    void deuxFoisDeSuite() {
        Conjugue("aimer");
        Conjugue("finir");
        for (const TCellule& c : Grille)
            if (c.Nom != "PartPres") QCOMPARE(Liste(c.Nom)->count(), c.NombreLignes());
        QCOMPARE(Liste("PresImp")->count(), 3);
        QCOMPARE(Liste("PCImp")->count(), 3);
        VerifieGrille("finir");
    }
};

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    PrepareApplication(application);
    TestConjugaison test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_conjugaison.moc"
