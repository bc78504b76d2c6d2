// Whatever is pasted into the entry, the text the conjugation reads is lower
// case (15 characters of the verb's at most), with the pronoun of a pronominal
// verb, then blanks up to 15 characters, and the window shows the engine's
// grid for it.
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QCompleter>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSet>
#include <QTest>
#include <algorithm>
#include <memory>

#include "../textes_hostiles.hpp"
#include "conjugaison.hpp"
#include "dialogues_enregistres.hpp"
#include "ecran.hpp"
#include "faits.hpp"
#include "pilote.hpp"
#include "verbes_courants.hpp"

using namespace florimot;

class TestSaisie : public QObject {
    Q_OBJECT

    std::unique_ptr<TDialoguesEnregistres> Dialogues;
    std::unique_ptr<TEcran> Ecran;

    QLineEdit* Verbe() { return Ecran->findChild<QLineEdit*>(QStringLiteral("Verbe")); }

    void Colle(const QString& texte) {
        Verbe()->setFocus();
        QTest::keyClick(Verbe(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(Verbe(), Qt::Key_Backspace);
        QGuiApplication::clipboard()->setText(texte);
        QTest::keyClick(Verbe(), Qt::Key_V, Qt::ControlModifier);
    }

private slots:
    void init() {
        Dialogues = std::make_unique<TDialoguesEnregistres>();
        Ecran = std::make_unique<TEcran>(*Dialogues);
        Ecran->show();
        QVERIFY(QTest::qWaitForWindowExposed(Ecran.get()));
    }
    void cleanup() {
        Ecran.reset();
        Dialogues.reset();
    }

    void collage_data() {
        QTest::addColumn<QString>("colle");
        QTest::addColumn<QString>("lu");
        QTest::addColumn<bool>("coupe");
        const auto cas = [](const char* nom, const QString& colle, const QString& lu,
                            bool coupe = false) { QTest::newRow(nom) << colle << lu << coupe; };
        cas("trop long", QStringLiteral("anticonstitutionnellement"),
            QStringLiteral("anticonstitutio"), true);
        cas("espaces", QStringLiteral("se lever"), QStringLiteral("se lever"));
        cas("tabulation", QStringLiteral("par\tler"), QStringLiteral("parler"));
        cas("retour a la ligne", QStringLiteral("par\nler\r\n"), QStringLiteral("parler"));
        cas("chiffres", QStringLiteral("1234567890123456789"), QStringLiteral("123456789012345"),
            true);
        cas("pronom", QStringLiteral("S\u2019en  aller"), QStringLiteral("s'en aller"));
        cas("pronom decompose", QStringLiteral("se de\u0301sister"), QStringLiteral("se désister"));
        cas("emoji", QStringLiteral("aimer\U0001F600"), QStringLiteral("aimer\U0001F600"));
        cas("accent combinant", QStringLiteral("ce\u0301der"), QStringLiteral("céder"));
        cas("accent combinant majuscule", QStringLiteral("CE\u0301DER"), QStringLiteral("céder"));
        cas("marque seule", QStringLiteral("\u0301\u0301aimer"),
            QStringLiteral("\u0301\u0301aimer"));
        cas("majuscules accentuees", QStringLiteral("ÉTÉ ÊTRE HAÏR"),
            QStringLiteral("étéêtrehaïr"));
        cas("signes", QStringLiteral("<b>aimer</b>;'\"\\"), QStringLiteral("<b>aimer</b>;'\""),
            true);
        cas("vide", QString(), QString());
    }
    // A text that starts as a written line keeps one blank between its
    // words, each word held to the letter limit, and no more words than a
    // line has; any other text is one word, as before.
    void ligne_data() {
        QTest::addColumn<QString>("colle");
        QTest::addColumn<QString>("lu");
        QTest::addColumn<bool>("coupe");
        QTest::newRow("blancs") << "Nous  sommes ALLÉS"
                                << "nous sommes allés" << false;
        QTest::newRow("question") << "Ne parle-t-il pas ?"
                                  << "ne parle-t-il pas ?" << false;
        QTest::newRow("élision") << "Qu’il vienne"
                                 << "qu'il vienne" << false;
        QTest::newRow("mot trop long") << "je anticonstitutionnellement"
                                       << "je anticonstitutio" << true;
        QTest::newRow("trop de mots") << QStringLiteral("je ").repeated(20)
                                      << QStringLiteral("je ").repeated(12).trimmed() << true;
        QTest::newRow("pas une ligne") << "par ler vite"
                                       << "parlervite" << false;
    }
    void ligne() {
        QFETCH(QString, colle);
        QFETCH(QString, lu);
        QFETCH(bool, coupe);
        bool coupee = false;
        QCOMPARE(FormeSaisie(colle, nullptr, &coupee), lu);
        QCOMPARE(coupee, coupe);
    }

    void collage() {
        QFETCH(QString, colle);
        QFETCH(QString, lu);
        QFETCH(bool, coupe);
        Colle(colle);
        const QString texte = Ecran->TexteVerbe();
        QCOMPARE(texte, lu + QString(std::max(0, TEcran::LongueurEntree - int(lu.size())), u' '));
        QCOMPARE(texte, texte.toLower());
        // A cut paste is said under the pointer; a whole one is not.
        QCOMPARE(Verbe()->toolTip().contains(QStringLiteral("coupé")), coupe);

        QTest::keyClick(Verbe(), Qt::Key_Return);
        TVerbe verbe;
        verbe.DefinitVerbe(texte.toStdString());
        const TLignesGrille grille = ConjugueGrille(verbe);
        const auto* present = Ecran->findChild<QListWidget*>(QStringLiteral("PresInd"));
        QCOMPARE(present->count(), 6);
        for (int i = 0; i < 6; ++i)
            QCOMPARE(present->item(i)->text(), QString::fromUtf8(grille[i]));
        const auto* participe = Ecran->findChild<QLabel*>(QStringLiteral("PartPres"));
        QCOMPARE(participe->text(), QString::fromUtf8(grille[NombreLignesGrille - 1]));
    }

    // A pasted page: the tooltip quotes its beginning only (laying out the
    // whole took seconds, at every hover). The time bound is far above the
    // few milliseconds the paste takes, and ten times more under the
    // sanitizers: it catches the seconds, not a slower machine.
    void grandCollage_data() {
        QTest::addColumn<QString>("colle");
        QTest::newRow("1 Mio de a") << QString(1 << 20, u'a');
        QTest::newRow("e et 200 000 accents") << u'e' + QString(200000, QChar(0x0301));
    }
    void grandCollage() {
        QFETCH(QString, colle);
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
        constexpr qint64 Limite = 5000;
#else
        constexpr qint64 Limite = 500;
#endif
        Verbe()->setFocus();
        QGuiApplication::clipboard()->setText(colle);
        QElapsedTimer chrono;
        chrono.start();
        QTest::keyClick(Verbe(), Qt::Key_V, Qt::ControlModifier);
        QVERIFY(Verbe()->toolTip().contains(QStringLiteral("coupé")));
        QVERIFY2(chrono.elapsed() < Limite, qPrintable(QString::number(chrono.elapsed())));
        QVERIFY2(Verbe()->toolTip().toUtf8().size() < 160,
                 qPrintable(Verbe()->toolTip().left(200)));
    }

    // The list under the entry offers the verbs that begin with the text
    // typed, pronouns included; Down then Enter conjugates the one reached,
    // Enter alone what is typed.
    void completion_data() {
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QString>("choisi");
        QTest::addColumn<bool>("descend");
        const auto cas = [](const char* nom, const char* tape, const char* choisi, bool descend) {
            QTest::newRow(nom) << QString::fromUtf8(tape) << QString::fromUtf8(choisi) << descend;
        };
        cas("infinitif", "parl", "parler", true);
        cas("pronom seul", "évan", "s'évanouir", true);
        cas("pronom elide", "s'éva", "s'évanouir", true);
        cas("pronom possible", "se le", "se lever", true);
        cas("sans pronom aussi", "leve", "lever", true);
        cas("rien de choisi", "parler", "parler", false);
    }
    void completion() {
        if (VerbesConnus().empty()) QSKIP("no dictionary in this build");
        QFETCH(QString, tape);
        QFETCH(QString, choisi);
        QFETCH(bool, descend);
        pilote::Tape(Verbe(), tape);
        // The verbs are gathered on a thread: the list opens when they are.
        QTRY_VERIFY(Verbe()->completer() != nullptr);
        const QCompleter* completer = Verbe()->completer();
        QAbstractItemView* liste = completer->popup();
        QTRY_VERIFY(liste->isVisible());
        // Found by the text typed, with or without the pronoun, accents and
        // case aside.
        QStringList proposes;
        for (int i = 0; i < completer->completionModel()->rowCount(); ++i) {
            const QModelIndex ligne = completer->completionModel()->index(i, 0);
            proposes << ligne.data().toString();
            QVERIFY2(Plie(ligne.data(Qt::EditRole).toString()).startsWith(Plie(tape)),
                     qPrintable(proposes.back()));
        }
        // The list has the keyboard while it is open: the keys go to it.
        if (descend) {
            const qsizetype rang = proposes.indexOf(choisi);
            QVERIFY2(rang >= 0, qPrintable(proposes.join(u',')));
            for (qsizetype i = 0; i <= rang; ++i) QTest::keyClick(liste, Qt::Key_Down);
        }
        QTest::keyClick(liste, Qt::Key_Return);
        QVERIFY(!liste->isVisible());
        QCOMPARE(Ecran->TexteVerbe().trimmed(), choisi);
        QCOMPARE(Ecran->findChild<QLabel*>(QStringLiteral("VerbeL"))->text(), choisi);
        QVERIFY(Dialogues->Boites.isEmpty());
    }

    // Accents and case aside; an exact match first, then the most used verbs.
    void completionOrdre_data() {
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QStringList>("premiers");
        QTest::newRow("etr") << "etr" << QStringList{"être"};
        QTest::newRow("ecri") << "ecri" << QStringList{"écrire"};
        QTest::newRow("ETRE") << "ETRE" << QStringList{"être"};
        QTest::newRow("fin") << "fin" << QStringList{"finir"};
        QTest::newRow("acq") << "acq" << QStringList{"acquérir"};
        QTest::newRow("parle, exact d'abord") << "parler" << QStringList{"parler"};
        QTest::newRow("pou") << "pou" << QStringList{"pouvoir"};
        QTest::newRow("oeuvr, œ écrit oe") << "oeuvr" << QStringList{"œuvrer"};
    }
    void completionOrdre() {
        if (VerbesConnus().empty()) QSKIP("no dictionary in this build");
        QFETCH(QString, tape);
        QFETCH(QStringList, premiers);
        pilote::Tape(Verbe(), tape);
        QTRY_VERIFY(Verbe()->completer() != nullptr);
        const QCompleter* completer = Verbe()->completer();
        QTRY_VERIFY(completer->popup()->isVisible());
        QStringList proposes;
        for (int i = 0; i < completer->completionModel()->rowCount(); ++i)
            proposes << completer->completionModel()->index(i, 0).data().toString();
        QVERIFY2(proposes.mid(0, premiers.size()) == premiers, qPrintable(proposes.join(u',')));
        QCOMPARE(QSet<QString>(proposes.begin(), proposes.end()).size(), proposes.size());
    }

    // The command line's hostile texts, pasted and conjugated: the same verb,
    // or the same refusal.
    void textesHostiles() {
        for (const hostiles::Cas& c : hostiles::Textes) {
            if (!c.Fenetre) continue;
            Dialogues->Boites.clear();
            Colle(QString::fromUtf8(c.Texte.data(), qsizetype(c.Texte.size())));
            QTest::keyClick(Verbe(), Qt::Key_Return);
            const QString lu = c.Issue == hostiles::Verbe
                                   ? QString::fromUtf8(c.Lu.data(), qsizetype(c.Lu.size()))
                                   : QStringLiteral("Ceci n'est pas un Verbe");
            QCOMPARE(Dialogues->Boites.isEmpty() ? Ecran->TexteVerbe().trimmed()
                                                 : Dialogues->Boites.front().Texte.left(lu.size()),
                     lu);
        }
    }
};

QTEST_MAIN(TestSaisie)
#include "test_saisie.moc"
