// Whatever is pasted into the entry, the text the conjugation reads is the
// engine's normalised text (15 characters of the verb's at most), with the
// pronoun of a pronominal verb, then blanks up to 15 characters, and the
// window shows the engine's grid for it.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <algorithm>
#include <memory>

#include "../textes_hostiles.hpp"
#include "conjugaison.hpp"
#include "dialogues_enregistres.hpp"
#include "ecran.hpp"

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
        cas("trait d'union", QStringLiteral("S'ENTRE-NUIRE"), QStringLiteral("s'entre-nuire"));
        cas("invisibles", QStringLiteral("\uFEFFpar\u00ADler\u200B"), QStringLiteral("parler"));
        cas("vide", QString(), QString());
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
        const LignesGrille grille = ConjugueGrille(verbe);
        const auto* present = Ecran->findChild<QListWidget*>(QStringLiteral("PresInd"));
        QCOMPARE(present->count(), 6);
        for (int i = 0; i < 6; ++i)
            QCOMPARE(present->item(i)->text(), QString::fromUtf8(grille[i]));
        const auto* participe = Ecran->findChild<QLabel*>(QStringLiteral("PartPres"));
        QCOMPARE(participe->text(), QString::fromUtf8(grille[NombreLignesGrille - 1]));
    }

    // The command line's table of hostile texts, those that fit the entry:
    // pasted, then conjugated, each gives the same verb or the same refusal.
    void textesHostiles_data() {
        QTest::addColumn<int>("i");
        for (int i = 0; i < int(std::size(hostiles::Textes)); ++i)
            if (hostiles::Textes[i].fenetre) QTest::addRow("%d", i) << i;
    }
    void textesHostiles() {
        QFETCH(int, i);
        const hostiles::Cas& c = hostiles::Textes[i];
        Colle(QString::fromUtf8(c.texte.data(), qsizetype(c.texte.size())));
        QTest::keyClick(Verbe(), Qt::Key_Return);
        const bool refuse =
            std::any_of(Dialogues->Boites.begin(), Dialogues->Boites.end(), [](const auto& b) {
                return b.Texte.startsWith(QStringLiteral("Ceci n'est pas un Verbe"));
            });
        QCOMPARE(refuse, c.issue != hostiles::Issue::Verbe);
        if (!refuse)
            QCOMPARE(Ecran->TexteVerbe().trimmed(),
                     QString::fromUtf8(c.lu.data(), qsizetype(c.lu.size())));
    }
};

QTEST_MAIN(TestSaisie)
#include "test_saisie.moc"
