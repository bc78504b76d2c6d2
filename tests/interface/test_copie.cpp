// Copying: a list's selected lines, and the whole conjugation as the command
// line writes it.
#include "banc_ecran.hpp"

using namespace banc;

class TestCopie : public QObject, public TBancEcran {
    Q_OBJECT

private slots:
    void init() { Ouvre(); }
    void cleanup() { Ferme(); }

    // Ctrl+C in a list copies its selected lines, one a line, in the list's
    // order; the command copies the whole conjugation as the command line
    // writes it.
    void copie_data() {
        QTest::addColumn<QList<int>>("choisies");
        QTest::addColumn<QString>("copie");
        QTest::newRow("une ligne") << QList<int>{3} << "nous parlons";
        QTest::newRow("plusieurs, dans l'ordre de la liste")
            << QList<int>{5, 0, 3} << "je parle\nnous parlons\nils parlent";
        QTest::newRow("aucune") << QList<int>{} << "avant";
    }
    void copie() {
        QFETCH(QList<int>, choisies);
        QFETCH(QString, copie);
        Conjugue("parler");
        QGuiApplication::clipboard()->setText(QStringLiteral("avant"));
        QListWidget* liste = Liste("PresInd");
        QCOMPARE(liste->selectionMode(), QAbstractItemView::ExtendedSelection);
        liste->setFocus();
        for (int i : choisies) liste->item(i)->setSelected(true);
        QTest::keyClick(liste, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), copie);
    }

    void copieSelectionSouris() {
        Conjugue("finir");
        QListWidget* liste = Liste("ImpInd");
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                          liste->visualItemRect(liste->item(1)).center());
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                          liste->visualItemRect(liste->item(2)).center());
        QTest::keyClick(liste, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("tu finissais\nil finissait"));
    }

    void copieConjugaison() {
        QGuiApplication::clipboard()->setText(QStringLiteral("avant"));
        // Nothing conjugated yet: nothing to copy.
        QTest::keyClick(Verbe(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("avant"));
        Conjugue("parler");
        Tape("finir");  // typed, not conjugated: the copy is of what is shown
        Liste("PCInd")->setFocus();
        QTest::keyClick(Liste("PCInd"), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        const QString texte = QGuiApplication::clipboard()->text();
        QVERIFY2(texte.startsWith(QStringLiteral("parler — Groupe : 1\n\nIndicatif\n  Présent\n"
                                                 "    je parle\n    tu parles\n")),
                 qPrintable(texte));
        QVERIFY(texte.contains(QStringLiteral("\n\nSubjonctif\n  Présent\n    que je parle\n")));
        QVERIFY(texte.contains(
            QStringLiteral("\n  Passé 2° Forme\n    j'eusse parlé\n    tu eusses parlé\n")));
        QVERIFY(texte.contains(QStringLiteral("\n\nParticipe Présent\n  parlant\n\nInfinitif\n")));
        QVERIFY(texte.endsWith(QStringLiteral("\n  Passé\n    en ayant parlé\n")));
        // A title line, a blank and a caption for each of the eight modes,
        // 23 tense captions, 106 lines.
        QCOMPARE(texte.count(u'\n'), 1 + 8 * 2 + 23 + 106);
#ifdef FLORIMOT_CONJUGUE
        // Word for word what the command line prints.
        QProcess conjugue;
        conjugue.start(QStringLiteral(FLORIMOT_CONJUGUE), {QStringLiteral("parler")});
        QVERIFY(conjugue.waitForFinished(30000));
        QCOMPARE(texte, QString::fromUtf8(conjugue.readAllStandardOutput()));
#endif
    }

    // A list's context menu copies the line under the pointer, the tense
    // with its title, or the whole conjugation.
    void menuContextuel_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("debut");
        QTest::newRow("ligne") << "CopierLigne"
                               << "tu finissais";
        QTest::newRow("temps") << "CopierTemps"
                               << "Indicatif imparfait\nje finissais\ntu finissais\n";
        QTest::newRow("conjugaison") << "CopierConjugaison"
                                     << "finir — Groupe : 2 — ";
    }
    void menuContextuel() {
        QFETCH(QString, action);
        QFETCH(QString, debut);
        Conjugue("finir");
        QGuiApplication::clipboard()->setText(QStringLiteral("avant"));
        QListWidget* liste = Liste("ImpInd");
        bool vu = false;
        auto* attente = new QTimer(this);
        attente->setInterval(10);
        connect(attente, &QTimer::timeout, [&, attente] {
            QMenu* menu = nullptr;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* m = qobject_cast<QMenu*>(w); m != nullptr && m->isVisible()) menu = m;
            if (menu == nullptr) return;
            attente->stop();
            attente->deleteLater();
            vu = true;
            QStringList textes;
            for (QAction* a : menu->actions()) textes << a->text();
            if (textes ==
                QStringList{"Copier la ligne", "Copier le temps", "Copier la conjugaison"})
                menu->findChild<QAction*>(action)->trigger();
            menu->close();
        });
        attente->start();
        emit liste->customContextMenuRequested(liste->visualItemRect(liste->item(1)).center());
        QVERIFY(vu);
        QVERIFY2(QGuiApplication::clipboard()->text().startsWith(debut),
                 qPrintable(QGuiApplication::clipboard()->text()));
    }

    // Ctrl+L, Alt+D and Escape bring the focus back to the entry, its text
    // selected for the next verb.
    void focusEntree() {
        Conjugue("finir");
        for (const QKeyCombination touche :
             {Qt::CTRL | Qt::Key_L, Qt::ALT | Qt::Key_D, QKeyCombination(Qt::Key_Escape)}) {
            Liste("PresInd")->setFocus();
            QTest::keyClick(Liste("PresInd"), touche.key(), touche.keyboardModifiers());
            QCOMPARE(QApplication::focusWidget(), Verbe());
            QCOMPARE(Verbe()->selectedText(), QStringLiteral("finir"));
        }
    }
};

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    PrepareApplication(application);
    TestCopie test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_copie.moc"
