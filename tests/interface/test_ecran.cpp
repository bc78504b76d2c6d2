// The main window driven as a user would: keys, clicks, shortcuts, pages.
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
#include "florimot_version.hpp"
#include "pages.hpp"
#include "pilote.hpp"

using namespace florimot;
using pilote::Blancs;

namespace {

QString Texte(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

QStringList Lignes(const QListWidget* liste) {
    QStringList lignes;
    for (int i = 0; i < liste->count(); ++i) lignes << liste->item(i)->text();
    return lignes;
}

}  // namespace

class TestEcran : public QObject {
    Q_OBJECT

    std::unique_ptr<TDialoguesEnregistres> Dialogues;
    std::unique_ptr<TEcran> Ecran;
    TAbout* About = nullptr;

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
        for (const Cellule& c : Grille)
            if (c.Nom != "PartPres") etat << Lignes(Liste(c.Nom));
        return etat;
    }

    // The lists and the participle hold exactly the engine's grid for `mot`.
    void VerifieGrille(const QString& mot) {
        TVerbe verbe;
        verbe.DefinitVerbe(Blancs(mot).toStdString());
        const LignesGrille attendu = ConjugueGrille(verbe);
        for (const Cellule& c : GrilleComplete) {
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

private slots:
    void init() {
        Dialogues = std::make_unique<TDialoguesEnregistres>();
        Ecran = std::make_unique<TEcran>(*Dialogues);
        About = new TAbout(Ecran.get());
        Ecran->AttacheAbout(About);
        Ecran->show();
        Ecran->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Ecran.get()));
    }
    void cleanup() {
        About = nullptr;
        Ecran.reset();
        Dialogues.reset();
    }

    void fenetreAuDepart() {
        QCOMPARE(Ecran->objectName(), QStringLiteral("Ecran"));
        QCOMPARE(Ecran->windowTitle(), QStringLiteral("Florimot"));
        QCOMPARE(Ecran->size(), QSize(640, 480));
        QVERIFY(!Ecran->windowIcon().pixmap(32, 32).isNull());
        const QRect ecran = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY((Ecran->frameGeometry().center() - ecran.center()).manhattanLength() <= 1);
        QCOMPARE(QApplication::focusWidget(), Verbe());

        QCOMPARE(Verbe()->text(), QStringLiteral("verbe"));
        QCOMPARE(Ecran->TexteVerbe(), Blancs("verbe"));
        QCOMPARE(Verbe()->toolTip(), QStringLiteral("Verbe à Conjuguer"));
        QCOMPARE(Verbe()->geometry(), QRect(8, 8, 81, 21));
        auto* bouton = Composant<QPushButton>("Conjugue");
        QCOMPARE(bouton->text(), QStringLiteral("Conjugue"));
        QCOMPARE(bouton->toolTip(), QStringLiteral("Conjugue un verbe"));
        QCOMPARE(bouton->geometry(), QRect(96, 8, 81, 23));
        QVERIFY(bouton->isDefault());
        QCOMPARE(Etiquette("VerbeL")->text(), QStringLiteral("Verbe"));
        QCOMPARE(Etiquette("Groupe")->text(), QStringLiteral("Groupe"));
        QCOMPARE(Etiquette("PartPres")->text(), QStringLiteral("PartPres"));
        QCOMPARE(Composant<QWidget>("Rectangl")->geometry(), QRect(1, 32, 625, 377));
        auto* onglets = Composant<QTabBar>("PageSet");
        QCOMPARE(onglets->geometry(), QRect(2, 408, 625, 21));
        QCOMPARE(onglets->count(), 3);
        QCOMPARE(onglets->tabText(0), QStringLiteral("Page1"));
        QCOMPARE(onglets->tabText(1), QStringLiteral("Page2"));
        QCOMPARE(onglets->tabText(2), QStringLiteral("Page3"));
        VerifiePage(1);

        // Every cell of the engine's grid has its list, empty, on its page,
        // under its tense caption.
        for (const Cellule& c : GrilleComplete) {
            if (c.Nom == "PartPres") continue;
            QListWidget* liste = Liste(c.Nom);
            QCOMPARE(liste->count(), 0);
            QCOMPARE(liste->isVisible(), PageDeCellule(c) == 1);
            // Its caption: the nearest label above it, in its column.
            QLabel* legende = nullptr;
            for (QLabel* e : liste->parentWidget()->findChildren<QLabel*>())
                if (e->x() == liste->x() && e->geometry().bottom() < liste->y() &&
                    (legende == nullptr || e->y() > legende->y()))
                    legende = e;
            QVERIFY2(legende != nullptr, liste->objectName().toUtf8());
            QCOMPARE(legende->text(), QString::fromUtf8(c.Temps.data(), c.Temps.size()));
            QVERIFY(legende->font().bold());
        }
    }

    void menu() {
        struct Cas {
            const char* nom;
            const char* menu;
            QString legende;
            QKeySequence raccourci;
        };
        const Cas cas[] = {
            {"Conjuguer1", "Action", "&Conjuguer", QKeySequence(Qt::Key_F1)},
            {"Imprimer1", "Action", "&Imprimer", QKeySequence(Qt::CTRL | Qt::Key_P)},
            {"EnregistrerPdf1", "Action", "&Enregistrer en PDF…",
             QKeySequence(Qt::CTRL | Qt::Key_S)},
            {"CopierConjugaison1", "Action", "C&opier la conjugaison",
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
            {"Quitter1", "Action", "&Quitter", QKeySequence(Qt::CTRL | Qt::Key_Q)},
            {"Feminin1", "Options", "&Féminin", QKeySequence(Qt::Key_F5)},
            {"Negation1", "Options", "&Négation", QKeySequence(Qt::Key_F6)},
            {"Interrogation1", "Options", "&Interrogation", QKeySequence(Qt::Key_F7)},
            {"Passif1", "Options", "&Voix passive", QKeySequence(Qt::Key_F8)},
            {"Rectifiee1", "Options", "&Orthographe rectifiée (1990)", QKeySequence(Qt::Key_F9)},
            {"Variante1", "Options", "&Autre forme", QKeySequence(Qt::Key_F10)},
            {"AutreAuxiliaire1", "Options", "A&utre auxiliaire", QKeySequence(Qt::Key_F11)},
            {"APropos1", "Aide", "A &Propos...", QKeySequence(Qt::Key_F2)},
            {"Aide1", "Aide", "&Aide", QKeySequence(Qt::CTRL | Qt::Key_H)},
        };
        QCOMPARE(Composant<QMenu>("Action")->title(), QStringLiteral("&Action"));
        QCOMPARE(Composant<QMenu>("Aide")->title(), QStringLiteral("&?"));
        QCOMPARE(Ecran->menuBar()->actions(),
                 (QList<QAction*>{Composant<QMenu>("Action")->menuAction(),
                                  Composant<QMenu>("Options")->menuAction(),
                                  Composant<QMenu>("Aide")->menuAction()}));
        for (QAction* action : Composant<QMenu>("Options")->actions())
            QVERIFY(action->isCheckable() && !action->isChecked());
        QCOMPARE(Ecran->menuBar()->objectName(), QStringLiteral("MainMenu1"));
        for (const Cas& c : cas) {
            QAction* action = Commande(c.nom);
            QCOMPARE(action->text(), c.legende);
            QCOMPARE(action->shortcut(), c.raccourci);
            QVERIFY(Composant<QMenu>(c.menu)->actions().contains(action));
        }
    }

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
        QVERIFY(cadres.size() >= 3);
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
        Conjugue("aimer");
        // While the warning is up, the window already shows what it is
        // about: the word, its group, emptied lists.
        QStringList pendant;
        Dialogues->PendantLaBoite = [&] { pendant = Etat(); };
        Conjugue(touches);
        QCOMPARE(Dialogues->Boites.size(), 1);
        QCOMPARE(pendant, Etat());
        QCOMPARE(Etiquette("VerbeL")->text(), touches);
        QCOMPARE(Etiquette("Groupe")->text(), QStringLiteral("Groupe : 0"));
        const auto& boite = Dialogues->Boites.front();
        QCOMPARE(boite.Texte, QStringLiteral("Ceci n'est pas un Verbe"));
        QCOMPARE(boite.Titre, QStringLiteral("Avertissement"));
        QVERIFY(boite.Genre == TDialogues::Icone::Information);
        QVERIFY(boite.Choix == TDialogues::Boutons::Ok);
        for (const Cellule& c : Grille) {
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
        QCOMPARE(Etiquette("Groupe")->text(), QStringLiteral("Groupe : 0"));
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
        for (const Cellule& c : Grille)
            if (c.Nom != "PartPres") QCOMPARE(Liste(c.Nom)->count(), c.NombreLignes());
        QCOMPARE(Liste("PresImp")->count(), 3);
        QCOMPARE(Liste("PCImp")->count(), 3);
        VerifieGrille("finir");
    }

    void pages() {
        auto* onglets = Composant<QTabBar>("PageSet");
        Conjugue("parler");
        const QStringList avant = Etat();
        QTest::mouseClick(onglets, Qt::LeftButton, {}, onglets->tabRect(1).center());
        VerifiePage(2);
        QTest::mouseClick(onglets, Qt::LeftButton, {}, onglets->tabRect(0).center());
        VerifiePage(1);
        QCOMPARE(Etat(), avant);

        // Conjugating on page 2 stays there and fills both pages.
        onglets->setCurrentIndex(1);
        Conjugue("finir");
        VerifiePage(2);
        VerifieGrille("finir");
    }

    // The tabs name their modes; the keyboard changes pages wherever the
    // focus is, the entry and a list included.
    void pagesAuClavier() {
        auto* onglets = Composant<QTabBar>("PageSet");
        QCOMPARE(onglets->tabToolTip(0), QStringLiteral("Indicatif, subjonctif"));
        QCOMPARE(onglets->tabToolTip(1), QStringLiteral("Conditionnel, impératif, participe"));
        QCOMPARE(onglets->tabToolTip(2), QStringLiteral("Infinitif, participe passé, gérondif"));
        Conjugue("parler");
        const struct {
            QKeyCombination touche;
            int depart, page;
        } cas[] = {{Qt::CTRL | Qt::Key_PageDown, 1, 2},
                   {Qt::CTRL | Qt::Key_PageUp, 2, 1},
                   {Qt::CTRL | Qt::Key_Tab, 1, 2},
                   {Qt::CTRL | Qt::Key_Tab, 3, 1},
                   {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, 1, 3},
                   {Qt::ALT | Qt::Key_1, 2, 1},
                   {Qt::ALT | Qt::Key_2, 1, 2},
                   {Qt::ALT | Qt::Key_3, 1, 3}};
        for (const char* focus : {"Verbe", "PresInd", "Conjugue"})
            for (const auto& c : cas) {
                onglets->setCurrentIndex(c.depart - 1);
                Composant<QWidget>(focus)->setFocus();
                QTest::keyClick(QApplication::focusWidget(), c.touche.key(),
                                c.touche.keyboardModifiers());
                VerifiePage(c.page);
            }
        VerifieGrille("parler");
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

    void aPropos() {
        QVERIFY(!About->isVisible());
        QTest::keyClick(Verbe(), Qt::Key_F2);
        QVERIFY(About->isVisible());
        QVERIFY(!About->isModal());
        Ecran->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Ecran.get()));
        QTest::keyClick(Verbe(), Qt::Key_F2);
        QCOMPARE(Ecran->findChildren<TAbout*>().size(), 1);
        QVERIFY(About->isVisible());

        // The main window still works with the About window open.
        Ecran->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Ecran.get()));
        Conjugue("parler");
        VerifieGrille("parler");
        QVERIFY(About->isVisible());

        About->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(About));
        QTest::keyClick(About, Qt::Key_Return);
        QVERIFY(!About->isVisible());

        Commande("APropos1")->trigger();
        QVERIFY(About->isVisible());
        QTest::mouseClick(About->findChild<QPushButton*>("OK"), Qt::LeftButton);
        QVERIFY(!About->isVisible());
        QVERIFY(Dialogues->Boites.isEmpty());
    }

    void fenetreAPropos() {
        QCOMPARE(About->windowTitle(), QStringLiteral("A Propos de Florimot"));
        QCOMPARE(About->size(), QSize(427, 273));
        QVERIFY(!(About->windowFlags() & Qt::WindowCloseButtonHint));
        auto* image = About->findChild<QLabel*>("Image1");
        QVERIFY(image);
        QCOMPARE(image->geometry(), QRect(8, 8, 200, 150));
        const QImage dessin = image->pixmap().toImage();
        QCOMPARE(dessin.size(), QSize(200, 150));
        QSet<QRgb> couleurs;
        for (int y = 0; y < dessin.height(); ++y)
            for (int x = 0; x < dessin.width(); ++x) couleurs.insert(dessin.pixel(x, y));
        QVERIFY(couleurs.size() > 4 && couleurs.size() <= 16);

        struct Cas {
            const char* nom;
            QPoint position;
            QString texte;
        };
        const Cas cas[] = {
            {"Label1", {248, 24}, "Florimot"},
            {"Label2", {280, 56}, "Version " FLORIMOT_VERSION},
            {"Label3", {248, 128}, "Programmé par "},
            {"Label5", {264, 72}, "En principe sans faute"},
            {"Label7", {8, 176}, "Si vous découvrez une faute, merci de m'en faire part au"},
        };
        for (const Cas& c : cas) {
            auto* etiquette = About->findChild<QLabel*>(c.nom);
            QVERIFY2(etiquette, c.nom);
            QCOMPARE(etiquette->pos(), c.position);
            QCOMPARE(etiquette->text(), c.texte);
        }
        for (const char* nom : {"Label4", "Label6", "Label8"})
            QVERIFY(!About->findChild<QLabel*>(nom)->text().isEmpty());
        QCOMPARE(About->findChild<QLabel*>("Label1")->palette().color(QPalette::WindowText),
                 QColor(0, 128, 0));
        QCOMPARE(About->findChild<QLabel*>("Label3")->palette().color(QPalette::WindowText),
                 QColor(128, 0, 128));
        const QPalette auteur = About->findChild<QLabel*>("Label4")->palette();
        QVERIFY(Contraste(auteur.color(QPalette::WindowText), auteur.color(QPalette::Window)) >=
                4.5);
        auto* ok = About->findChild<QPushButton*>("OK");
        QCOMPARE(ok->geometry(), QRect(192, 216, 75, 25));
        QVERIFY(ok->isDefault());
        for (QLabel* etiquette : About->findChildren<QLabel*>()) {
            if (etiquette->text().isEmpty()) continue;
            QVERIFY(About->rect().contains(etiquette->geometry()));
            QVERIFY(etiquette->fontMetrics().horizontalAdvance(etiquette->text()) <=
                    etiquette->width());
        }
    }

    void fondLisible_data() {
        QTest::addColumn<QColor>("texte");
        QTest::addColumn<QColor>("fond");
        QTest::newRow("blanc sur gris clair") << QColor(Qt::white) << QColor(0xef, 0xef, 0xef);
        QTest::newRow("blanc sur gris moyen") << QColor(Qt::white) << QColor(0xc0, 0xc0, 0xc0);
        QTest::newRow("blanc sur blanc") << QColor(Qt::white) << QColor(Qt::white);
        QTest::newRow("noir sur noir") << QColor(Qt::black) << QColor(Qt::black);
        QTest::newRow("déjà lisible") << QColor(Qt::white) << QColor(0x20, 0x20, 0x60);
    }
    void fondLisible() {
        QFETCH(QColor, texte);
        QFETCH(QColor, fond);
        const QColor resultat = FondLisible(texte, fond);
        QVERIFY(Contraste(texte, resultat) >= 4.5);
        if (Contraste(texte, fond) >= 4.5) QCOMPARE(resultat, fond);
    }

    void aide() {
        Conjugue("parler");
        const QStringList avant = Etat();
        QTest::keyClick(Verbe(), Qt::Key_H, Qt::ControlModifier);
        QCOMPARE(Dialogues->Boites.size(), 1);
        const auto& boite = Dialogues->Boites.front();
        QVERIFY(boite.Texte.startsWith(
            QStringLiteral("Entrez le verbe sans faute et appuyez sur Entrée.\n")));
        // The guide: the options, the pages and how to switch, a conjugated
        // form, copying and the PDF, each with the key that does it.
        for (const char* sujet :
             {"F5 Féminin", "F6 Négation", "F7 Interrogation", "F8 Voix passive", "Page1",
              "Ctrl+Page suivante", "Ctrl+Tab", "Alt+2", "« allions »", "Ctrl+C", "Ctrl+Maj+C",
              "Ctrl+S l'enregistre en PDF"})
            QVERIFY2(boite.Texte.contains(QString::fromUtf8(sujet)), sujet);
        QCOMPARE(boite.Titre, QStringLiteral("Aide"));
        QVERIFY(boite.Genre == TDialogues::Icone::Information);
        QVERIFY(boite.Choix == TDialogues::Boutons::Ok);
        QCOMPARE(Etat(), avant);
    }

    void quitter_data() {
        QTest::addColumn<bool>("oui");
        QTest::newRow("non") << false;
        QTest::newRow("oui") << true;
    }
    void quitter() {
        QFETCH(bool, oui);
        Conjugue("parler");
        const QStringList avant = Etat();
        Dialogues->ReponseOuiNon = oui ? TDialogues::Reponse::Oui : TDialogues::Reponse::Non;
        QTest::keyClick(Verbe(), Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(Dialogues->Boites.size(), 1);
        const auto& boite = Dialogues->Boites.front();
        QCOMPARE(boite.Texte, QStringLiteral("Êtes-vous sûr de vouloir quitter ?"));
        QCOMPARE(boite.Titre, QStringLiteral("Quitter"));
        QVERIFY(boite.Genre == TDialogues::Icone::Question);
        QVERIFY(boite.Choix == TDialogues::Boutons::OuiNon);
        QCOMPARE(Dialogues->Fins, oui ? QList<int>{0} : QList<int>{});
        QCOMPARE(Etat(), avant);
    }

    void imprimerSansDommage() {
        Conjugue("parler");
        const QStringList avant = Etat();
        QTest::keyClick(Verbe(), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(Etat(), avant);
        QVERIFY(Dialogues->Boites.isEmpty());
    }

    // The real message boxes, answered from here.
    void vraiesBoites_data() {
        QTest::addColumn<int>("commande");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("titre");
        QTest::addColumn<int>("icone");
        QTest::addColumn<int>("boutons");
        QTest::addColumn<int>("reponse");
        const int ok = QMessageBox::Ok, oui = QMessageBox::Yes, non = QMessageBox::No;
        QTest::newRow("avertissement")
            << 0 << "Ceci n'est pas un Verbe"
            << "Avertissement" << int(QMessageBox::Information) << ok << ok;
        QTest::newRow("aide") << 1 << TexteAide() << "Aide" << int(QMessageBox::Information) << ok
                              << ok;
        QTest::newRow("quitter, non")
            << 2 << "Êtes-vous sûr de vouloir quitter ?"
            << "Quitter" << int(QMessageBox::Question) << (oui | non) << non;
        QTest::newRow("quitter, oui")
            << 2 << "Êtes-vous sûr de vouloir quitter ?"
            << "Quitter" << int(QMessageBox::Question) << (oui | non) << oui;
    }
    void vraiesBoites() {
        QFETCH(int, commande);
        QFETCH(QString, texte);
        QFETCH(QString, titre);
        QFETCH(int, icone);
        QFETCH(int, boutons);
        QFETCH(int, reponse);

        TDialoguesQt vraies;
        // The end of the program is recorded, not carried out.
        struct Relais final : TDialogues {
            TDialoguesQt& Vraies;
            QList<int> Fins;
            explicit Relais(TDialoguesQt& v) : Vraies(v) {}
            Reponse Demande(QWidget* p, const QString& t, const QString& ti, Icone i,
                            Boutons b) override {
                return Vraies.Demande(p, t, ti, i, b);
            }
            QString DemandeFichier(QWidget*, const QString&, const QString&,
                                   const QString&) override {
                return {};
            }
            void Termine(int statut) override { Fins.append(statut); }
        } relais(vraies);
        TEcran ecran(relais);
        ecran.show();
        ecran.findChild<QLineEdit*>("Verbe")->setText("maison");

        bool vue = false;
        pilote::QuandBoite([&](QMessageBox* boite) {
            vue = true;
            QCOMPARE(boite->text(), texte);
            QCOMPARE(boite->windowTitle(), titre);
            QCOMPARE(int(boite->icon()), icone);
            QCOMPARE(int(boite->standardButtons()), boutons);
            boite->button(QMessageBox::StandardButton(reponse))->click();
        });
        switch (commande) {
            case 0: ecran.ConjugueClick(); break;
            case 1: ecran.Aide1Click(); break;
            case 2: ecran.Quitter1Click(); break;
        }
        QVERIFY(vue);
        QCOMPARE(relais.Fins, reponse == QMessageBox::Yes ? QList<int>{0} : QList<int>{});
        if (commande == 0) QCOMPARE(ecran.findChild<QListWidget*>("PresInd")->count(), 6);
    }

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
        for (const Cellule& c : Grille)
            if (PageDeCellule(c) == 1) attendu << Texte(c.Nom);
        while (ordre.size() < attendu.size()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            ordre << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(ordre, attendu);
    }

    // Alt+Left and Alt+Right, or the Action menu, bring back each verb of
    // the run with its options and its page; an option changed belongs to
    // the verb shown.
    void historique() {
        QAction* suivant = Commande("Suivant1");
        QVERIFY(!Commande("Precedent1")->isEnabled() && !suivant->isEnabled());
        Conjugue("parler");
        QTest::keyClick(Verbe(), Qt::Key_F6);
        Conjugue("finir");
        Composant<QTabBar>("PageSet")->setCurrentIndex(2);
        Conjugue("aimer");
        QTest::keyClick(Verbe(), Qt::Key_F6);
        Composant<QTabBar>("PageSet")->setCurrentIndex(0);
        const std::tuple<Qt::Key, const char*, bool, int> pas[] = {
            {Qt::Key_Left, "finir", true, 2},     {Qt::Key_Left, "parler", true, 0},
            {Qt::Key_Left, "parler", true, 0},    {Qt::Key_Right, "finir", true, 2},
            {Qt::Key_unknown, "aimer", false, 0},  // the menu's command
        };
        for (const auto& [touche, verbe, negation, page] : pas) {
            if (touche == Qt::Key_unknown)
                suivant->trigger();
            else
                QTest::keyClick(Ecran.get(), touche, Qt::AltModifier);
            QCOMPARE(Etiquette("VerbeL")->text(), QString::fromUtf8(verbe));
            QCOMPARE(Commande("Negation1")->isChecked(), negation);
            QCOMPARE(Composant<QTabBar>("PageSet")->currentIndex(), page);
        }
        QVERIFY(!suivant->isEnabled());
        // A new verb after going back drops the steps ahead.
        QTest::keyClick(Ecran.get(), Qt::Key_Left, Qt::AltModifier);
        Conjugue("venir");
        QVERIFY(!suivant->isEnabled());
    }

    // Options that lengthen the lines widen the window, within the screen,
    // until no line of the page shown is cut.
    void largeurSelonOptions() {
        QTest::keyClick(Verbe(), Qt::Key_F6);
        Conjugue("aimer");
        QTRY_VERIFY(Ecran->width() > TEcran::TailleInitiale.width());
        QVERIFY(Ecran->frameGeometry().width() <= Ecran->screen()->availableGeometry().width());
        for (const Cellule& c : Grille)
            if (PageDeCellule(c) == 1)
                for (int k = 0; k < Liste(c.Nom)->count(); ++k)
                    QVERIFY2(Liste(c.Nom)->item(k)->toolTip().isEmpty(),
                             qPrintable(Liste(c.Nom)->item(k)->text()));
    }

    // Pictures of the pages and of the About window, for a look by eye;
    // written only when FLORIMOT_CAPTURES names a folder.
    void captures() {
        Conjugue("aimer");
        auto* onglets = Composant<QTabBar>("PageSet");
        const QImage page1 = Ecran->grab().toImage();
        // The list of verbs is a window of its own, drawn over the main one.
        pilote::Tape(Verbe(), QStringLiteral("évan"));
        QTRY_VERIFY(Verbe()->completer() != nullptr && Verbe()->completer()->popup()->isVisible());
        QImage completion = Ecran->grab().toImage();
        if (QCompleter* completer = Verbe()->completer();
            completer && completer->popup()->isVisible()) {
            QPainter peintre(&completion);
            peintre.drawPixmap(
                completer->popup()->mapToGlobal(QPoint(0, 0)) - Ecran->mapToGlobal(QPoint(0, 0)),
                completer->popup()->grab());
        }
        QTest::keyClick(Verbe(), Qt::Key_Escape);
        Verbe()->setText(QStringLiteral("aimer"));
        onglets->setCurrentIndex(1);
        const QImage page2 = Ecran->grab().toImage();
        onglets->setCurrentIndex(2);
        QTest::keyClick(Verbe(), Qt::Key_F6);
        Conjugue("se lever");
        const QImage page3 = Ecran->grab().toImage();
        QTest::keyClick(Verbe(), Qt::Key_F6);
        Conjugue("aimer");
        About->show();
        const QImage apropos = About->grab().toImage();
        QCOMPARE(page1.size(), Ecran->size() * page1.devicePixelRatio());
        onglets->setCurrentIndex(0);
        QTest::keyClick(Verbe(), Qt::Key_F6);
        Conjugue("se lever");
        const QImage pronominal = Ecran->grab().toImage();
        QTest::keyClick(Verbe(), Qt::Key_F6);
        Conjugue("déshumidifier");
        Ecran->resize(1000, 600);
        const QImage agrandie = Ecran->grab().toImage();
        QVERIFY(page1 != page2);
        const QString dossier = qEnvironmentVariable("FLORIMOT_CAPTURES");
        if (dossier.isEmpty()) return;
        QVERIFY(page1.save(dossier + "/ecran-page1.png"));
        QVERIFY(page2.save(dossier + "/ecran-page2.png"));
        QVERIFY(page3.save(dossier + "/ecran-page3.png"));
        QVERIFY(apropos.save(dossier + "/apropos.png"));
        QVERIFY(agrandie.save(dossier + "/ecran-agrandie.png"));
        QVERIFY(pronominal.save(dossier + "/ecran-pronominal.png"));
        QVERIFY(completion.save(dossier + "/ecran-completion.png"));
    }
};

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    PrepareApplication(application);
    TestEcran test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_ecran.moc"
