// The window's layout at every size: the verb's row, the entry, captions and
// lines never cut unseen, the lists widening, the window widening for long
// lines, what a screen reader hears.
#include "banc_ecran.hpp"

using namespace banc;

class TestDisposition : public QObject, public TBancEcran {
    Q_OBJECT

private slots:
    void init() { Ouvre(); }
    void cleanup() { Ferme(); }

    // The verb's row at the smallest size, every option on: the word, the
    // options, the group and the model side by side, none over another, all
    // inside the window and above the pages.
    void ligneDuVerbe_data() {
        QTest::addColumn<QString>("touches");
        for (const char* mot : {"se désolidariser", "s'entremettre", "s'en abcdefghijklmno",
                                "se mmmmmmmmmmmmmmm", "commencer"})
            QTest::newRow(mot) << QString::fromUtf8(mot);
    }
    void ligneDuVerbe() {
        QFETCH(QString, touches);
        for (const Qt::Key cle : {Qt::Key_F5, Qt::Key_F6, Qt::Key_F7, Qt::Key_F8})
            QTest::keyClick(Verbe(), cle);
        Conjugue(touches);
        // Back to the smallest size, whatever width the lines asked for.
        Ecran->resize(TEcran::TailleInitiale);
        QTRY_COMPARE(Ecran->size(), TEcran::TailleInitiale);
        QList<QRect> cadres;
        for (const char* nom : {"VerbeL", "OptionsL", "Groupe", "ModeleL"})
            if (!Etiquette(nom)->text().isEmpty()) cadres << Etiquette(nom)->geometry();
        // A text that is no verb shows its word alone.
        const bool verbe = Dialogues->Boites.isEmpty();
        QVERIFY(cadres.size() >= (verbe ? 3 : 1));
        QCOMPARE(Etiquette("Groupe")->text().isEmpty(), !verbe);
        for (const char* nom : {"OptionsL", "ModeleL"})
            QVERIFY(Contraste(Etiquette(nom)->palette().color(QPalette::WindowText),
                              Etiquette(nom)->palette().color(QPalette::Window)) >= 4.5);
        const QRect ligne(Composant<QPushButton>("Conjugue")->geometry().right() + 1, 0,
                          Ecran->centralWidget()->width(), Composant<QWidget>("Rectangl")->y());
        for (qsizetype i = 0; i < cadres.size(); ++i) {
            QVERIFY2(ligne.contains(cadres[i]), qPrintable(QString::number(i)));
            for (qsizetype j = i + 1; j < cadres.size(); ++j)
                QVERIFY(!cadres[i].intersects(cadres[j]));
        }
    }

    // The entry widens with the window: a long pronominal verb shows whole.
    void entreeElargie_data() {
        QTest::addColumn<int>("largeur");
        QTest::addColumn<bool>("entier");
        QTest::newRow("640") << 640 << false;
        QTest::newRow("1270") << 1270 << true;
    }
    void entreeElargie() {
        QFETCH(int, largeur);
        QFETCH(bool, entier);
        Ecran->resize(largeur, 600);
        QTRY_COMPARE(Ecran->width(), largeur);
        Tape(QStringLiteral("s'entr'apercevoir"));
        const int texte = Verbe()->fontMetrics().horizontalAdvance(Verbe()->text());
        QCOMPARE(texte + 8 <= Verbe()->contentsRect().width(), entier);
        // The button and the word shown keep clear of it.
        auto* bouton = Composant<QPushButton>("Conjugue");
        QVERIFY(bouton->x() > Verbe()->geometry().right());
        QVERIFY(Etiquette("VerbeL")->x() > bouton->geometry().right());
        QVERIFY(bouton->geometry().right() < Ecran->width());
    }

    void participeDansSonCadre_data() {
        QTest::addColumn<QString>("touches");
        QTest::newRow("court") << "être";
        QTest::newRow("moyen") << "parler";
        QTest::newRow("long") << "déshumidifier";
        QTest::newRow("très long") << "wwwwwwwwwwwwwer";
    }
    void participeDansSonCadre() {
        QFETCH(QString, touches);
        Conjugue(touches);
        QLabel* participe = Etiquette("PartPres");
        QVERIFY(!participe->text().isEmpty());
        QVERIFY(participe->fontMetrics().horizontalAdvance(participe->text()) <=
                participe->width());
        QVERIFY(participe->parentWidget()->rect().contains(participe->geometry()));
    }

    // No caption of the window is cut: each label is as wide as its text and
    // lies inside its parent.
    void legendesEntieres() {
        Conjugue("être");
        for (QLabel* etiquette : Ecran->findChildren<QLabel*>()) {
            if (etiquette->text().isEmpty()) continue;
            QVERIFY2(
                etiquette->fontMetrics().horizontalAdvance(etiquette->text()) <= etiquette->width(),
                etiquette->objectName().toUtf8());
            QVERIFY2(etiquette->parentWidget()->rect().contains(etiquette->geometry()),
                     etiquette->objectName().toUtf8());
        }
        auto* onglets = Composant<QTabBar>("PageSet");
        for (int i = 0; i < onglets->count(); ++i)
            QVERIFY(onglets->rect().contains(onglets->tabRect(i)));
    }

    // Lines too long for their list end in an ellipsis and show whole under
    // the pointer; the verb and its group never overlap.
    void textesLongs_data() {
        QTest::addColumn<QString>("touches");
        QTest::addColumn<bool>("coupures");
        QTest::newRow("ordinaire") << "aimer" << false;
        QTest::newRow("long") << "déshumidifier" << true;
        QTest::newRow("lettres larges") << "wwwwwwwwwwwwwer" << true;
    }
    void textesLongs() {
        QFETCH(QString, touches);
        QFETCH(bool, coupures);
        Conjugue(touches);
        int coupees = 0;
        for (QListWidget* liste : Ecran->findChildren<QListWidget*>()) {
            for (int i = 0; i < liste->count(); ++i) {
                const QListWidgetItem* ligne = liste->item(i);
                const bool coupee = liste->fontMetrics().horizontalAdvance(ligne->text()) >
                                    liste->contentsRect().width() - 6;
                QCOMPARE(ligne->toolTip(), coupee ? ligne->text() : QString());
                coupees += coupee;
            }
        }
        QCOMPARE(coupees > 0, coupures);
        const QRect verbe = Etiquette("VerbeL")->geometry(),
                    groupe = Etiquette("Groupe")->geometry();
        QVERIFY(!verbe.intersects(groupe));
        QVERIFY(groupe.x() >= 320);
        QVERIFY(Ecran->centralWidget()->rect().contains(groupe));
    }

    // A larger window widens the lists: a line cut at the default size shows
    // whole, without its tooltip; back at the default size, every control is
    // where it was and the line is cut again. The default size is also the
    // smallest.
    void agrandissement() {
        Conjugue("déshumidifier");
        QListWidget* liste = Liste("PQPSubj");
        const QListWidgetItem* longue = liste->item(3);
        QCOMPARE(longue->text(), QStringLiteral("que nous eussions déshumidifié"));
        const auto entiere = [&](const QListWidget* l, const QListWidgetItem* ligne) {
            return l->fontMetrics().horizontalAdvance(ligne->text()) <=
                   l->contentsRect().width() - 6;
        };
        QVERIFY(!entiere(liste, longue));
        QCOMPARE(longue->toolTip(), longue->text());
        // The window's own controls (the toolkit's inner parts aside).
        QMap<QWidget*, QRect> avant;
        for (QWidget* w : Ecran->centralWidget()->findChildren<QWidget*>())
            if (!w->objectName().isEmpty() && !w->objectName().startsWith(QStringLiteral("qt_")) &&
                w->objectName() != QStringLiteral("PartPres"))
                avant[w] = w->geometry();

        Ecran->resize(1100, 700);
        QTRY_COMPARE(Ecran->size(), QSize(1100, 700));
        for (QListWidget* l : Ecran->findChildren<QListWidget*>()) {
            for (int i = 0; i < l->count(); ++i) {
                QVERIFY2(entiere(l, l->item(i)), qPrintable(l->item(i)->text()));
                QCOMPARE(l->item(i)->toolTip(), QString());
            }
            QVERIFY(l->width() > avant[l].width());
            QVERIFY(l->parentWidget()->rect().contains(l->geometry()));
        }
        for (const char* nom : {"Indicatif", "Subjonctif", "Rectangl", "PageSet"})
            QVERIFY(Ecran->centralWidget()->rect().contains(Composant<QWidget>(nom)->geometry()));
        QVERIFY(Composant<QWidget>("Rectangl")->width() > 1000);
        Composant<QTabBar>("PageSet")->setCurrentIndex(1);
        QVERIFY(Etiquette("PartPres")
                    ->parentWidget()
                    ->rect()
                    .contains(Etiquette("PartPres")->geometry()));

        Ecran->resize(500, 300);
        QTRY_COMPARE(Ecran->size(), QSize(640, 480));
        for (auto c = avant.cbegin(); c != avant.cend(); ++c)
            QVERIFY2(c.key()->geometry() == c.value(), qPrintable(c.key()->objectName()));
        QVERIFY(!entiere(liste, longue));
        QCOMPARE(longue->toolTip(), longue->text());
    }

    // Options that lengthen the lines widen the window, within the screen,
    // until no line of the page shown is cut.
    void largeurSelonOptions() {
        QTest::keyClick(Verbe(), Qt::Key_F6);
        Conjugue("aimer");
        QTRY_VERIFY(Ecran->width() > TEcran::TailleInitiale.width());
        QVERIFY(Ecran->frameGeometry().width() <= Ecran->screen()->availableGeometry().width());
        for (const TCellule& c : Grille)
            if (PageDeCellule(c) == 1)
                for (int k = 0; k < Liste(c.Nom)->count(); ++k)
                    QVERIFY2(Liste(c.Nom)->item(k)->toolTip().isEmpty(),
                             qPrintable(Liste(c.Nom)->item(k)->text()));
    }

    // A screen reader hears each control by its name; Tab runs from the entry
    // through the button to the lists of the page, in reading order.
    void accessibilite() {
        const std::pair<const char*, const char*> noms[] = {
            {"Verbe", "Verbe à conjuguer"},   {"Conjugue", "Conjuguer"},
            {"VerbeL", "Verbe conjugué"},     {"NoteL", "Note"},
            {"PresInd", "Indicatif présent"}, {"P1Cond", "Conditionnel passé 1° forme"},
            {"GerPasse", "Gérondif passé"},   {"PartPres", "Participe présent"},
        };
        Conjugue("placer");
        for (const auto& [objet, nom] : noms) {
            const auto* acces = QAccessible::queryAccessibleInterface(Composant<QWidget>(objet));
            QCOMPARE(acces->text(QAccessible::Name), QString::fromUtf8(nom));
            if (std::string_view(objet) != "VerbeL" && std::string_view(objet) != "PartPres")
                QVERIFY2(!acces->text(QAccessible::Description).isEmpty(), objet);
        }
        Verbe()->setFocus();
        QStringList ordre{"Verbe"}, attendu{"Verbe", "Conjugue"};
        for (const TCellule& c : Grille)
            if (PageDeCellule(c) == 1) attendu << Texte(c.Nom);
        while (ordre.size() < attendu.size()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            ordre << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(ordre, attendu);
    }

    // Widened for long lines near the screen's right edge, the window moves
    // left: its frame stays inside the available geometry.
    void resteSurLEcran() {
        const QRect dispo = Ecran->screen()->availableGeometry();
        Ecran->move(dispo.right() - Ecran->frameGeometry().width() + 1, Ecran->y());
        QTest::keyClick(Verbe(), Qt::Key_3, Qt::AltModifier);
        Conjugue("s'asseoir");
        QTest::keyClick(Verbe(), Qt::Key_F5);
        QTest::keyClick(Verbe(), Qt::Key_F6);
        QTest::keyClick(Verbe(), Qt::Key_1, Qt::AltModifier);
        QTRY_VERIFY(Ecran->width() > TEcran::TailleInitiale.width());
        QVERIFY2(dispo.contains(Ecran->frameGeometry()),
                 qPrintable(QStringLiteral("%1,%2 %3x%4")
                                .arg(Ecran->frameGeometry().x())
                                .arg(Ecran->frameGeometry().y())
                                .arg(Ecran->frameGeometry().width())
                                .arg(Ecran->frameGeometry().height())));
    }

    // The lines' type grows with the window, up to a readable size.
    void typeSelonFenetre() {
        Conjugue("parler");
        const int avant = Liste("PresInd")->font().pixelSize();
        Ecran->resize(1280, 800);
        QTRY_COMPARE(Ecran->width(), 1280);
        const int apres = Liste("PresInd")->font().pixelSize();
        QVERIFY2(apres > avant && apres <= 16, qPrintable(QString::number(apres)));
        // Every line still shows whole, none over the next.
        QListWidget* liste = Liste("PresInd");
        for (int i = 0; i + 1 < liste->count(); ++i)
            QVERIFY(liste->visualItemRect(liste->item(i)).height() >=
                    liste->fontMetrics().height());
        Ecran->resize(TEcran::TailleInitiale);
        QTRY_COMPARE(Liste("PresInd")->font().pixelSize(), avant);
    }
};

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    PrepareApplication(application);
    TestDisposition test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_disposition.moc"
