// The options, checked and unchecked: the lines given again at once, the
// caption beside the word, the copy read as the command line's.
#include <QCheckBox>

#include "banc_ecran.hpp"
#include "reglages.hpp"

using namespace banc;

class TestOptions : public QObject, public TBancEcran {
    Q_OBJECT

private slots:
    void init() { Ouvre(); }
    void cleanup() { Ferme(); }

    // Checked by their keys after the conjugation, the options give the
    // lines again at once, are named beside the word, and the copy reads as
    // the command line's output with the same options.
    void options_data() {
        QTest::addColumn<QString>("touches");
        QTest::addColumn<QList<int>>("cles");  // F5 to F11
        QTest::addColumn<QString>("intitule");
        QTest::addColumn<QString>("legende");
        QTest::addColumn<QString>("modele");
        QTest::addColumn<QString>("present");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("se lever, négation")
            << "se lever" << QList<int>{Qt::Key_F6} << "se lever"
            << "négation"
            << ""
            << "je ne me lève pas" << QStringList{"--negation", "se lever"};
        QTest::newRow("s’asseoir") << "s’asseoir" << QList<int>{} << "s'asseoir"
                                   << ""
                                   << ""
                                   << "je m'assois" << QStringList{"s'asseoir"};
        QTest::newRow("s'asseoir, féminin, interrogation")
            << "s'asseoir" << QList<int>{Qt::Key_F5, Qt::Key_F7} << "s'asseoir"
            << "féminin, interrogation"
            << ""
            << "est-ce que je m'assois\u00A0?"
            << QStringList{"--feminin", "--interrogation", "s'asseoir"};
        QTest::newRow("se asseoir") << "se asseoir" << QList<int>{} << "s'asseoir"
                                    << ""
                                    << ""
                                    << "je m'assois" << QStringList{"s'asseoir"};
        QTest::newRow("s'en aller, négation, interrogation")
            << "s'en aller" << QList<int>{Qt::Key_F7, Qt::Key_F6} << "s'en aller"
            << "négation, interrogation"
            << ""
            << "ne m'en vais-je pas\u00A0?"
            << QStringList{"--negation", "--interrogation", "s'en aller"};
        QTest::newRow("se rendre compte, féminin, négation")
            << "se rendre compte" << QList<int>{Qt::Key_F5, Qt::Key_F6} << "se rendre compte"
            << "féminin, négation"
            << ""
            << "je ne me rends pas compte"
            << QStringList{"--feminin", "--negation", "se rendre compte"};
        QTest::newRow("commencer, passif")
            << "commencer" << QList<int>{Qt::Key_F8} << "commencer"
            << "voix passive"
            << "comme placer"
            << "je suis commencé" << QStringList{"--passif", "commencer"};
        QTest::newRow("s'asseoir, autre forme")
            << "s'asseoir" << QList<int>{Qt::Key_F10} << "s'asseoir"
            << "autre forme"
            << ""
            << "je m'assieds" << QStringList{"--variante", "s'asseoir"};
        QTest::newRow("payer, négation, les deux")
            << "payer" << QList<int>{Qt::Key_F6, Qt::Key_F9, Qt::Key_F10} << "payer"
            << "négation, orthographe rectifiée, autre forme"
            << "comme parler"
            << "je ne paye pas" << QStringList{"--negation", "--rectifiee", "--variante", "payer"};
        // The auxiliary named as the verb takes it; none for a verb with one.
        QTest::newRow("monter, autre auxiliaire")
            << "monter" << QList<int>{Qt::Key_F11} << "monter"
            << "auxiliaire avoir"
            << "comme parler"
            << "je monte" << QStringList{"--auxiliaire", "avoir", "monter"};
        QTest::newRow("parler, autre auxiliaire")
            << "parler" << QList<int>{Qt::Key_F11} << "parler"
            << ""
            << ""
            << "je parle" << QStringList{"--auxiliaire", "être", "parler"};
    }
    void options() {
        QFETCH(QString, touches);
        QFETCH(QList<int>, cles);
        QFETCH(QString, intitule);
        QFETCH(QString, legende);
        QFETCH(QString, modele);
        QFETCH(QString, present);
        QFETCH(QStringList, arguments);
        Conjugue(touches);
        for (const int cle : cles) QTest::keyClick(Verbe(), Qt::Key(cle));
        QCOMPARE(Etiquette("VerbeL")->text(), intitule);
        QCOMPARE(Etiquette("OptionsL")->text().replace(u'\n', u' '), legende);
        QCOMPARE(Etiquette("ModeleL")->text(), modele);
        TVerbe verbe;
        verbe.DefinitVerbe(touches.toStdString());
        QCOMPARE(QString::fromStdString(DecritOptions(Ecran->Options(), verbe)), legende);
        QCOMPARE(Liste("PresInd")->item(0)->text(), present);
        const TLignesGrille attendu = ConjugueGrille(verbe, Ecran->Options());
        for (const TCellule& c : Grille)
            if (c.Nom != "PartPres")
                for (int k = 0; k < c.NombreLignes(); ++k)
                    QCOMPARE(Liste(c.Nom)->item(k)->text(),
                             QString::fromUtf8(attendu[c.Premier + k]));
        QVERIFY(Dialogues->Boites.isEmpty());
#ifdef FLORIMOT_CONJUGUE
        QTest::keyClick(Verbe(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QProcess conjugue;
        conjugue.start(QStringLiteral(FLORIMOT_CONJUGUE), arguments);
        QVERIFY(conjugue.waitForFinished(30000));
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QString::fromUtf8(conjugue.readAllStandardOutput()));
#endif
        // Unchecked, the plain lines come back, and the caption goes.
        for (const int cle : cles) QTest::keyClick(Verbe(), Qt::Key(cle));
        QVERIFY(Ecran->Options().Aucune());
        QCOMPARE(Etiquette("OptionsL")->text(), QString());
        QCOMPARE(Liste("PresInd")->item(0)->text(), QString::fromUtf8(ConjugueGrille(verbe)[0]));
    }

    // An option changed before anything is conjugated waits for the first
    // conjugation; one changed while a word that is not a verb is shown
    // does not give the warning twice.
    void optionsSansVerbe() {
        QTest::keyClick(Verbe(), Qt::Key_F6);
        QCOMPARE(Etiquette("VerbeL")->text(), QStringLiteral("Verbe"));
        QCOMPARE(Liste("PresInd")->count(), 0);
        Conjugue("maison");
        QCOMPARE(Dialogues->Boites.size(), 1);
        QTest::keyClick(Verbe(), Qt::Key_F7);
        QCOMPARE(Dialogues->Boites.size(), 1);
        // In force, and in their boxes; not in the header of a text that
        // is no verb.
        QCOMPARE(QString::fromStdString(DecritOptions(Ecran->Options())),
                 QStringLiteral("négation, interrogation"));
        QVERIFY(Composant<QCheckBox>("InterrogationCase")->isChecked());
        QCOMPARE(Etiquette("OptionsL")->text(), QString());
    }

    // A box for every option of the table, beside the tabs and inside the
    // window, its tooltip naming the key; a box and its key do the same, and
    // each shows what the other set.
    void cases() {
        Conjugue("parler");
        auto* onglets = Composant<QTabBar>("PageSet");
        for (const TDescriptionOption& d : DescriptionsOptions) {
            auto* c = Composant<QCheckBox>(QByteArray(d.Nom.data(), d.Nom.size()) + "Case");
            QVERIFY(c->isVisible());
            QVERIFY(!c->isChecked());
            QVERIFY2(c->toolTip().endsWith(u'(' + Texte(d.Touche) + u')'),
                     qPrintable(c->toolTip()));
            const QRect cadre(c->mapTo(Ecran->centralWidget(), QPoint(0, 0)), c->size());
            const QRect panneau = Composant<QWidget>("Rectangl")->geometry();
            QVERIFY(Ecran->centralWidget()->rect().contains(cadre));
            QVERIFY2(cadre.right() <= panneau.right(), qPrintable(c->objectName()));
            QVERIFY(cadre.left() > onglets->tabRect(onglets->count() - 1).right());
            QTest::mouseClick(c, Qt::LeftButton);
            QVERIFY(EstActive(Ecran->Options(), d));
            QVERIFY(Commande(QByteArray(d.Nom.data(), d.Nom.size()) + "1")->isChecked());
            QCOMPARE(QApplication::focusWidget(), Verbe());
            QTest::keyClick(Verbe(), QKeySequence::fromString(Texte(d.Touche))[0].key());
            QVERIFY(!c->isChecked());
            QVERIFY(Ecran->Options().Aucune());
        }
        QCOMPARE(Liste("PresInd")->item(0)->text(), QStringLiteral("je parle"));
        // Wider, every caption whole.
        Ecran->resize(1000, 600);
        QTRY_COMPARE(Ecran->width(), 1000);
        for (QCheckBox* c : Composant<QWidget>("CasesOptions")->findChildren<QCheckBox*>())
            QVERIFY2(!c->text().endsWith(u'…'), qPrintable(c->text()));
    }

    // An analysed line sets the options it shows for its verb only: the next
    // verb typed comes back to the user's choices, and only those are kept.
    void optionsDeLaLigne() {
        QTest::keyClick(Verbe(), Qt::Key_F5);
        Conjugue("je ne me lève pas");
        QCOMPARE(Etiquette("VerbeL")->text(), QStringLiteral("se lever"));
        QVERIFY(Ecran->Options().Negation && !Ecran->Options().Feminin);
        QVERIFY(Composant<QCheckBox>("NegationCase")->isChecked());
        QVERIFY(!Ecran->OptionsChoisies().Negation && Ecran->OptionsChoisies().Feminin);
        Ecran->GardeReglages();
        QVERIFY(!LitReglages().Options.Negation && LitReglages().Options.Feminin);
        // An option changed meanwhile is the user's.
        QTest::keyClick(Verbe(), Qt::Key_F7);
        Conjugue("se rendre compte");
        QCOMPARE(Liste("PresInd")->item(0)->text(),
                 QStringLiteral("est-ce que je me rends compte\u00A0?"));
        QVERIFY(!Composant<QCheckBox>("NegationCase")->isChecked());
        QVERIFY(Composant<QCheckBox>("InterrogationCase")->isChecked());
        QVERIFY(Composant<QCheckBox>("FemininCase")->isChecked());
        // Reset: nothing chosen, nothing in force, nothing kept.
        QTest::keyClick(Verbe(), Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(Ecran->Options().Aucune() && Ecran->OptionsChoisies().Aucune());
        QCOMPARE(Liste("PresInd")->item(0)->text(), QStringLiteral("je me rends compte"));
        for (QCheckBox* c : Composant<QWidget>("CasesOptions")->findChildren<QCheckBox*>())
            QVERIFY(!c->isChecked());
        Ecran->GardeReglages();
        QVERIFY(LitReglages().Options.Aucune());
    }
};

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    PrepareApplication(application);
    TestOptions test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_options.moc"
