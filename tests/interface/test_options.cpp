// The options, checked and unchecked: the lines given again at once, the
// caption beside the word, the copy read as the command line's.
#include "banc_ecran.hpp"

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
        QTest::addColumn<QList<int>>("cles");  // F5 to F10
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
        QCOMPARE(QString::fromStdString(DecritOptions(Ecran->Options())), legende);
        QCOMPARE(Liste("PresInd")->item(0)->text(), present);
        TVerbe verbe;
        verbe.DefinitVerbe(touches.toStdString());
        const LignesGrille attendu = ConjugueGrille(verbe, Ecran->Options());
        for (const Cellule& c : Grille)
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
        QCOMPARE(Etiquette("OptionsL")->text().replace(u'\n', u' '),
                 QStringLiteral("négation, interrogation"));
    }
};

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    PrepareApplication(application);
    TestOptions test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_options.moc"
