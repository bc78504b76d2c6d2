// The window and the dictionary: a conjugated form leads to its verb with
// its lines selected, a misspelt verb to suggestions, the verb shown to the
// dictionary's note; without the dictionary the window says why, once.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "apparence.hpp"
#include "conjugaison.hpp"
#include "dialogues_enregistres.hpp"
#include "ecran.hpp"
#include "pilote.hpp"

using namespace florimot;

namespace {

// The selected lines of every list, as "PresInd:nous allions", in grid order.
QStringList Choisies(QWidget* fenetre) {
    QStringList choisies;
    for (const Cellule& c : Grille) {
        auto* liste =
            fenetre->findChild<QListWidget*>(QString::fromLatin1(c.Nom.data(), c.Nom.size()));
        if (liste == nullptr) continue;
        for (int i = 0; i < liste->count(); ++i)
            if (liste->item(i)->isSelected())
                choisies << QString::fromLatin1(c.Nom.data(), c.Nom.size()) + u':' +
                                liste->item(i)->text();
    }
    return choisies;
}

// A label's whole text: its tooltip when cut, its lines joined otherwise.
QString TexteEntier(const QLabel* etiquette) {
    if (!etiquette->toolTip().isEmpty()) return etiquette->toolTip();
    return etiquette->text().replace(u'\n', u' ');
}

}  // namespace

class TestAnalyse : public QObject {
    Q_OBJECT

    TDialoguesEnregistres Dialogues;
    std::unique_ptr<TEcran> Ecran;

    QLineEdit* Verbe() { return pilote::Composant<QLineEdit>(Ecran.get(), "Verbe"); }
    QString Texte(const char* nom) {
        return TexteEntier(pilote::Composant<QLabel>(Ecran.get(), nom));
    }
    QPushButton* AutreVerbe(const QString& infinitif) {
        for (auto* b : Ecran->findChildren<QPushButton*>(QStringLiteral("AutreVerbe")))
            if (b->text() == infinitif && b->isVisible()) return b;
        return nullptr;
    }
    void Ouvre(std::vector<std::filesystem::path> dossiers = {"/usr/share/hunspell"}) {
        Ecran = std::make_unique<TEcran>(Dialogues, std::move(dossiers));
        Ecran->show();
        Ecran->activateWindow();
    }

private slots:
    void init() {
        Dialogues = {};
        if (QByteArray(QTest::currentTestFunction()) == "sansDictionnaire") return;
#ifndef FLORIMOT_LEXIQUE
        QSKIP("Florimot construit sans libhunspell");
#endif
        if (!QFile::exists(QStringLiteral("/usr/share/hunspell/fr.dic")))
            QSKIP("dictionnaire absent : /usr/share/hunspell/fr.dic (hunspell-fr-comprehensive)");
    }
    void cleanup() {
        Ecran.reset();
    }

    // Typed at once after start-up: the first look-up waits for the
    // dictionary, the window does not.
    void premiereAnalyse() {
        QElapsedTimer chrono;
        chrono.start();
        Ouvre();
        const double creation = chrono.nsecsElapsed() / 1e6;
        Verbe()->setText(QStringLiteral("allions"));
        Ecran->ConjugueClick();
        const double premiere = chrono.nsecsElapsed() / 1e6;
        QElapsedTimer seconde;
        seconde.start();
        Ecran->ConjugueClick();
        qInfo(
            "fenêtre créée en %.1f ms ; première analyse finie %.1f ms après la création ; "
            "une autre en %.2f ms",
            creation, premiere, seconde.nsecsElapsed() / 1e6);
        QVERIFY(creation < 300);
        QCOMPARE(Texte("VerbeL"), QStringLiteral("aller"));
        QVERIFY(Dialogues.Boites.isEmpty());
    }

    // The verb found is shown with the lines that hold the form, on the page
    // of the first; the others are a click away; the entry keeps the form.
    void formeConjuguee_data() {
        QTest::addColumn<QString>("forme");
        QTest::addColumn<QString>("infinitif");
        QTest::addColumn<QStringList>("choisies");
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("autres");
        QTest::newRow("allions") << "allions"
                                 << "aller"
                                 << QStringList{"ImpInd:nous allions", "PresSubj:que nous allions"}
                                 << 0 << QStringList{"allier"};
        QTest::newRow("entre, sans modèle")
            << "entre"
            << "entrer"
            << QStringList{"PresInd:j'entre", "PresInd:il entre", "PresSubj:que j'entre",
                           "PresSubj:qu'il entre", "PresImp:entre"}
            << 0 << QStringList{};
        QTest::newRow("eussé") << "eussé"
                               << "avoir" << QStringList{"ImpSubj:que j'eusse"} << 0
                               << QStringList{};
        QTest::newRow("allâmes") << "allâmes"
                                 << "aller" << QStringList{"PSInd:nous allâmes"} << 0
                                 << QStringList{};
        QTest::newRow("irions, page 2")
            << "irions"
            << "aller" << QStringList{"PresCond:nous irions"} << 1 << QStringList{};
    }
    void formeConjuguee() {
        QFETCH(QString, forme);
        QFETCH(QString, infinitif);
        QFETCH(QStringList, choisies);
        QFETCH(int, page);
        QFETCH(QStringList, autres);
        Ouvre();
        pilote::Composant<QTabBar>(Ecran.get(), "PageSet")->setCurrentIndex(1 - page);
        pilote::Conjugue(Verbe(), forme);
        QCOMPARE(Texte("VerbeL"), infinitif);
        QCOMPARE(Choisies(Ecran.get()), choisies);
        QCOMPARE(pilote::Composant<QTabBar>(Ecran.get(), "PageSet")->currentIndex(), page);
        QCOMPARE(Verbe()->text(), forme);
        QVERIFY(Dialogues.Boites.isEmpty());
        QVERIFY2(Texte("AnalyseL").startsWith(QStringLiteral("« %1 » : %2").arg(forme, infinitif)),
                 qPrintable(Texte("AnalyseL")));
        for (const QString& autre : autres) {
            QVERIFY(Texte("AnalyseL").contains(QStringLiteral("— %1, ").arg(autre)));
            QVERIFY(AutreVerbe(autre) != nullptr);
        }
        QCOMPARE(Ecran->findChildren<QPushButton*>(QStringLiteral("AutreVerbe")).size(),
                 autres.size());
        // Under the tabs, inside the window, side by side.
        QList<QRect> cadres{pilote::Composant<QLabel>(Ecran.get(), "AnalyseL")->geometry()};
        for (const QString& autre : autres) cadres << AutreVerbe(autre)->geometry();
        const int onglets = pilote::Composant<QTabBar>(Ecran.get(), "PageSet")->geometry().bottom();
        for (qsizetype i = 0; i < cadres.size(); ++i) {
            QVERIFY(Ecran->centralWidget()->rect().contains(cadres[i]));
            QVERIFY(cadres[i].top() > onglets);
            for (qsizetype j = i + 1; j < cadres.size(); ++j)
                QVERIFY(!cadres[i].intersects(cadres[j]));
        }
    }

    // One click to the other verb, its lines selected; back again; an
    // option keeps the selection on the verb shown.
    void autreVerbe() {
        Ouvre();
        QVERIFY(QTest::qWaitForWindowActive(Ecran.get()));
        pilote::Conjugue(Verbe(), QStringLiteral("allions"));
        QTest::mouseClick(AutreVerbe(QStringLiteral("allier")), Qt::LeftButton);
        QCOMPARE(Texte("VerbeL"), QStringLiteral("allier"));
        QCOMPARE(Choisies(Ecran.get()), (QStringList{"PresInd:nous allions", "PresImp:allions"}));
        QCOMPARE(Verbe()->text(), QStringLiteral("allions"));
        QVERIFY(Texte("AnalyseL").contains(QStringLiteral("allier")));
        QVERIFY(AutreVerbe(QStringLiteral("aller")) != nullptr);
        QVERIFY(AutreVerbe(QStringLiteral("allier")) == nullptr);
        QTest::keyClick(Verbe(), Qt::Key_F6);
        QCOMPARE(Texte("VerbeL"), QStringLiteral("allier"));
        QCOMPARE(Choisies(Ecran.get()),
                 (QStringList{"PresInd:nous n'allions pas", "PresImp:n'allions pas"}));
        QTest::mouseClick(AutreVerbe(QStringLiteral("aller")), Qt::LeftButton);
        QCOMPARE(Texte("VerbeL"), QStringLiteral("aller"));
        QCOMPARE(Choisies(Ecran.get()),
                 (QStringList{"ImpInd:nous n'allions pas", "PresSubj:que nous n'allions pas"}));
        QTest::keyClick(Verbe(), Qt::Key_F6);
        // The PDF is named after the verb shown, not the form typed.
        QTest::keyClick(Verbe(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(Dialogues.Fichiers.size(), 1);
        QVERIFY2(Dialogues.Fichiers.front().front().endsWith(QStringLiteral("/aller.pdf")),
                 qPrintable(Dialogues.Fichiers.front().front()));
        // An ordinary verb afterwards: no selection, nothing under the pages.
        pilote::Conjugue(Verbe(), QStringLiteral("parler"));
        QVERIFY(Choisies(Ecran.get()).isEmpty());
        QVERIFY(!pilote::Composant<QLabel>(Ecran.get(), "AnalyseL")->isVisible());
        QVERIFY(AutreVerbe(QStringLiteral("allier")) == nullptr);
    }

    // A past participle: the compound lines that show it.
    void participe_data() {
        QTest::addColumn<QString>("forme");
        QTest::addColumn<QString>("infinitif");
        QTest::addColumn<int>("nombre");
        QTest::addColumn<QString>("premiere");
        // Eight compound tenses of six persons and the impératif passé.
        QTest::newRow("été") << "été"
                             << "être" << 51 << "PCInd:j'ai été";
        // Agreed in the plural with être: nous, vous, ils.
        QTest::newRow("allés") << "allés"
                               << "aller" << 26 << "PCInd:nous sommes allés";
        // Only the féminin shows it: the lines where it would stand.
        QTest::newRow("allée") << "allée"
                               << "aller" << 25 << "PCInd:je suis allé";
    }
    void participe() {
        QFETCH(QString, forme);
        QFETCH(QString, infinitif);
        QFETCH(int, nombre);
        QFETCH(QString, premiere);
        Ouvre();
        pilote::Conjugue(Verbe(), forme);
        QCOMPARE(Texte("VerbeL"), infinitif);
        const QStringList choisies = Choisies(Ecran.get());
        QCOMPARE(choisies.size(), nombre);
        QCOMPARE(choisies.front(), premiere);
        for (const Cellule& c : Grille) {
            if (c.CodeTemps > 9) continue;
            for (const QString& ligne : choisies)
                QVERIFY2(!ligne.startsWith(QString::fromLatin1(c.Nom.data(), c.Nom.size()) + u':'),
                         qPrintable(ligne));
        }
        QCOMPARE(pilote::Composant<QTabBar>(Ecran.get(), "PageSet")->currentIndex(), 0);
    }

    // A misspelt verb: the warning names the suggestions, and its button
    // conjugates the first once the first conjugation is over.
    void suggestions_data() {
        QTest::addColumn<bool>("accepte");
        QTest::newRow("suggestion prise") << true;
        QTest::newRow("suggestion laissée") << false;
    }
    void suggestions() {
        QFETCH(bool, accepte);
        Ouvre();
        Dialogues.AccepteOffre = accepte;
        QString pendant;
        Dialogues.PendantLaBoite = [&] { pendant = Texte("VerbeL"); };
        pilote::Conjugue(Verbe(), QStringLiteral("finr"));
        QCOMPARE(Dialogues.Boites.size(), 1);
        const auto& boite = Dialogues.Boites.front();
        QVERIFY2(boite.Texte.startsWith(
                     QStringLiteral("Ceci n'est pas un Verbe\n\nSuggestions : finir")),
                 qPrintable(boite.Texte));
        QCOMPARE(boite.Titre, QStringLiteral("Avertissement"));
        QCOMPARE(boite.Action, QStringLiteral("Conjuguer « finir »"));
        QCOMPARE(pendant, QStringLiteral("finr"));
        const QString mot = accepte ? QStringLiteral("finir") : QStringLiteral("finr");
        QCOMPARE(Texte("VerbeL"), mot);
        QCOMPARE(Verbe()->text(), mot);
        TVerbe verbe;
        verbe.DefinitVerbe(mot.toStdString());
        QCOMPARE(pilote::Composant<QListWidget>(Ecran.get(), "PresInd")->item(0)->text(),
                 QString::fromUtf8(ConjugueGrille(verbe)[0]));
    }

    // The real box: its extra button, pressed.
    void vraieBoiteSuggestion() {
        TDialoguesQt vraies;
        TEcran ecran(vraies, {"/usr/share/hunspell"});
        ecran.show();
        ecran.findChild<QLineEdit*>("Verbe")->setText(QStringLiteral("finr"));
        QString legende;
        QTimer attente;
        attente.setInterval(10);
        connect(&attente, &QTimer::timeout, [&] {
            auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (boite == nullptr) return;
            attente.stop();
            auto* propose = boite->findChild<QPushButton*>(QStringLiteral("Propose"));
            legende = propose->text();
            propose->click();
        });
        attente.start();
        ecran.ConjugueClick();
        QCOMPARE(legende, QStringLiteral("Conjuguer « finir »"));
        QCOMPARE(TexteEntier(ecran.findChild<QLabel*>("VerbeL")), QStringLiteral("finir"));
    }

    // What the dictionary says of the verb shown, beside the group: filled
    // when loading ends if the verb came first.
    void note_data() {
        QTest::addColumn<QString>("touches");
        QTest::addColumn<QString>("note");
        QTest::newRow("googler") << "googler"
                                 << QStringLiteral(
                                        "absent du dictionnaire : formes déduites des lettres");
        QTest::newRow("monter") << "monter"
                                << "se conjugue aussi avec être";
        QTest::newRow("s'évanouir") << "s'évanouir"
                                    << "essentiellement pronominal : s'évanouir";
        QTest::newRow("parler") << "parler"
                                << "";
    }
    void note() {
        QFETCH(QString, touches);
        QFETCH(QString, note);
        Ouvre();
        Verbe()->setText(touches);
        Ecran->ConjugueClick();
        QTRY_COMPARE(Texte("NoteL"), note);
        if (note.isEmpty()) return;
        // Inside the verb's row, over nothing.
        const QRect cadre = pilote::Composant<QLabel>(Ecran.get(), "NoteL")->geometry();
        for (const char* nom : {"VerbeL", "Groupe", "ModeleL"})
            QVERIFY(!cadre.intersects(pilote::Composant<QLabel>(Ecran.get(), nom)->geometry()));
        QVERIFY(cadre.right() < Ecran->centralWidget()->width());
        QVERIFY(cadre.bottom() < pilote::Composant<QWidget>(Ecran.get(), "Rectangl")->y());
    }

    // A picture after "allions", for a look by eye; written only when
    // FLORIMOT_CAPTURES names a folder.
    void capture() {
        Ouvre();
        QVERIFY(QTest::qWaitForWindowActive(Ecran.get()));
        pilote::Conjugue(Verbe(), QStringLiteral("allions"));
        QTRY_VERIFY(!Texte("NoteL").isEmpty());
        const QImage image = Ecran->grab().toImage();
        QCOMPARE(image.size(), Ecran->size() * image.devicePixelRatio());
        const QString dossier = qEnvironmentVariable("FLORIMOT_CAPTURES");
        if (!dossier.isEmpty()) QVERIFY(image.save(dossier + "/ecran-analyse.png"));
    }

    // No dictionary in the folder: conjugating works as before; the first
    // text that needed it says why it cannot, once.
    void sansDictionnaire() {
        QTemporaryDir vide;
        Ouvre({vide.path().toStdString()});
        pilote::Conjugue(Verbe(), QStringLiteral("parler"));
        QCOMPARE(Texte("VerbeL"), QStringLiteral("parler"));
        QVERIFY(!pilote::Composant<QLabel>(Ecran.get(), "AnalyseL")->isVisible());
        pilote::Conjugue(Verbe(), QStringLiteral("allions"));
        QCOMPARE(Dialogues.Boites.size(), 1);
        QCOMPARE(Dialogues.Boites.front().Texte, QStringLiteral("Ceci n'est pas un Verbe"));
        QVERIFY(pilote::Composant<QLabel>(Ecran.get(), "AnalyseL")->isVisible());
        QVERIFY2(Texte("AnalyseL")
                     .contains(QStringLiteral("analyse des formes et suggestions indisponibles"),
                               Qt::CaseInsensitive),
                 qPrintable(Texte("AnalyseL")));
        pilote::Conjugue(Verbe(), QStringLiteral("finr"));
        QCOMPARE(Dialogues.Boites.size(), 2);
        QCOMPARE(Dialogues.Boites.back().Texte, QStringLiteral("Ceci n'est pas un Verbe"));
        QVERIFY(!pilote::Composant<QLabel>(Ecran.get(), "AnalyseL")->isVisible());
        QCOMPARE(Texte("NoteL"), QString());
    }
};

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    PrepareApplication(application);
    TestAnalyse test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_analyse.moc"
