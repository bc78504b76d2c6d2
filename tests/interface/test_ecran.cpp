// The main window and its commands: what it opens with, the menu, the pages
// and their keys, the About window, the help, quitting, the message boxes,
// the history.
#include "banc_ecran.hpp"
#include "florimot_version.hpp"
#include "impression_enregistree.hpp"

using namespace banc;

class TestEcran : public QObject, public TBancEcran {
    Q_OBJECT

private slots:
    void init() { Ouvre(); }
    void cleanup() { Ferme(); }

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
        for (const TCellule& c : GrilleComplete) {
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
            const char* Nom;
            const char* Menu;
            QString Legende;
            QKeySequence Raccourci;
        };
        const Cas cas[] = {
            {"Conjuguer1", "Action", "&Conjuguer", QKeySequence(Qt::Key_F1)},
            {"Imprimer1", "Action", "&Imprimer", QKeySequence(Qt::CTRL | Qt::Key_P)},
            {"Apercu1", "Action", "&Aperçu avant impression…", QKeySequence()},
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
            {"ReinitialiserOptions1", "Options", "&Réinitialiser les options",
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R)},
            {"APropos1", "Aide", "A &Propos...", QKeySequence(Qt::Key_F2)},
            {"Aide1", "Aide", "&Aide", QKeySequence(Qt::CTRL | Qt::Key_H)},
        };
        QCOMPARE(Composant<QMenu>("Action")->title(), QStringLiteral("&Action"));
        QCOMPARE(Composant<QMenu>("Aide")->title(), QStringLiteral("&?"));
        QCOMPARE(Ecran->menuBar()->actions(),
                 (QList<QAction*>{Composant<QMenu>("Action")->menuAction(),
                                  Composant<QMenu>("Options")->menuAction(),
                                  Composant<QMenu>("Aide")->menuAction()}));
        // Every option an item to check, unchecked at first; then the reset.
        const QList<QAction*> items = Composant<QMenu>("Options")->actions();
        QCOMPARE(items.size(), qsizetype(NombreOptions) + 2);
        for (qsizetype i = 0; i < qsizetype(NombreOptions); ++i)
            QVERIFY(items[i]->isCheckable() && !items[i]->isChecked());
        QVERIFY(items[NombreOptions]->isSeparator());
        QCOMPARE(items.back(), Commande("ReinitialiserOptions1"));
        QCOMPARE(Ecran->menuBar()->objectName(), QStringLiteral("MainMenu1"));
        for (const Cas& c : cas) {
            QAction* action = Commande(c.Nom);
            QCOMPARE(action->text(), c.Legende);
            QCOMPARE(action->shortcut().toString(), c.Raccourci.toString());
            QVERIFY(Composant<QMenu>(c.Menu)->actions().contains(action));
        }
    }

    // The help names every key of the menus, as French keyboards label them.
    void aideNommeChaqueRaccourci() {
        const QString aide = TexteAide();
        for (QAction* menu : Ecran->menuBar()->actions())
            for (const QAction* a : menu->menu()->actions()) {
                if (a->shortcut().isEmpty()) continue;
                QString touche = a->shortcut().toString();
                touche.replace(QStringLiteral("Shift"), QStringLiteral("Maj"))
                    .replace(QStringLiteral("Left"), QStringLiteral("Gauche"))
                    .replace(QStringLiteral("Right"), QStringLiteral("Droite"));
                QVERIFY2(aide.contains(touche), qPrintable(a->objectName() + u' ' + touche));
            }
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
            QKeyCombination Touche;
            int Depart, Page;
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
                onglets->setCurrentIndex(c.Depart - 1);
                Composant<QWidget>(focus)->setFocus();
                QTest::keyClick(QApplication::focusWidget(), c.Touche.key(),
                                c.Touche.keyboardModifiers());
                VerifiePage(c.Page);
            }
        VerifieGrille("parler");
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
            const char* Nom;
            QPoint Position;
            QString Texte;
        };
        const Cas cas[] = {
            {"Label1", {248, 24}, "Florimot"},
            {"Label2", {280, 56}, "Version " FLORIMOT_VERSION},
            {"Label3", {248, 128}, "Programmé par "},
            {"Label5", {264, 72}, "En principe sans faute"},
            {"Label7", {8, 176}, "Si vous découvrez une faute, merci de m'en faire part au"},
        };
        for (const Cas& c : cas) {
            auto* etiquette = About->findChild<QLabel*>(c.Nom);
            QVERIFY2(etiquette, c.Nom);
            QCOMPARE(etiquette->pos(), c.Position);
            QCOMPARE(etiquette->text(), c.Texte);
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
        QVERIFY(boite.Genre == TDialogues::TIcone::Information);
        QVERIFY(boite.Choix == TDialogues::TBoutons::Ok);
        QCOMPARE(Etat(), avant);
    }

    void quitter_data() {
        QTest::addColumn<bool>("oui");
        QTest::newRow("non") << false;
        QTest::newRow("oui") << true;
    }
    // Quitter asks only while a print job runs; otherwise it ends at once.
    void quitter() {
        QFETCH(bool, oui);
        Conjugue("parler");
        const QStringList avant = Etat();
        QTest::keyClick(Verbe(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(Dialogues->Boites.isEmpty());
        QCOMPARE(Dialogues->Fins, QList<int>{0});
        Dialogues->Fins.clear();
        Dialogues->ReponseOuiNon =
            oui ? TDialogues::TReponseDialogue::Oui : TDialogues::TReponseDialogue::Non;
        TImpressionEnregistree imprimante;
        Ecran->AttacheImpression(&imprimante);
        imprimante.PendantLeTravail = [&] {
            imprimante.PendantLeTravail = nullptr;
            QTest::keyClick(Verbe(), Qt::Key_Q, Qt::ControlModifier);
        };
        QTest::keyClick(Verbe(), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(Dialogues->Boites.size(), 1);
        const auto& boite = Dialogues->Boites.front();
        QCOMPARE(boite.Texte, QStringLiteral("Êtes-vous sûr de vouloir quitter ?"));
        QCOMPARE(boite.Titre, QStringLiteral("Quitter"));
        QVERIFY(boite.Genre == TDialogues::TIcone::Question);
        QVERIFY(boite.Choix == TDialogues::TBoutons::OuiNon);
        QCOMPARE(Dialogues->Fins, oui ? QList<int>{0} : QList<int>{});
        QCOMPARE(Etat(), avant);
        Ecran->AttacheImpression(nullptr);
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
            TReponseDialogue Demande(QWidget* p, const QString& t, const QString& ti, TIcone i,
                                     TBoutons b) override {
                return Vraies.Demande(p, t, ti, i, b);
            }
            QString DemandeFichier(QWidget*, const QString&, const QString&,
                                   const QString&) override {
                return {};
            }
            void Termine(int statut) override { Fins.append(statut); }
        } relais(vraies);
        TEcran ecran(relais);
        TImpressionEnregistree imprimante;
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
            case 2: {
                // Asked only while a print job runs.
                imprimante.PendantLeTravail = [&] {
                    imprimante.PendantLeTravail = nullptr;
                    ecran.Quitter1Click();
                };
                ecran.AttacheImpression(&imprimante);
                ecran.Imprimer1Click();
                break;
            }
        }
        QVERIFY(vue);
        QCOMPARE(relais.Fins, reponse == QMessageBox::Yes ? QList<int>{0} : QList<int>{});
        if (commande == 0) QCOMPARE(ecran.findChild<QListWidget*>("PresInd")->count(), 6);
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
        // s'asseoir, féminin and négation, at the smallest size and large.
        Ecran->resize(TEcran::TailleInitiale);
        QTest::keyClick(Verbe(), Qt::Key_F5);
        QTest::keyClick(Verbe(), Qt::Key_F6);
        Conjugue("s'asseoir");
        const QImage asseoir640 = Ecran->grab().toImage();
        Ecran->resize(1280, 800);
        QTRY_COMPARE(Ecran->width(), 1280);
        const QImage asseoir1280 = Ecran->grab().toImage();
        QVERIFY(page1 != page2);
        const QString dossier = qEnvironmentVariable("FLORIMOT_CAPTURES");
        if (dossier.isEmpty()) return;
        QVERIFY(asseoir640.save(dossier + "/ecran-options-640.png"));
        QVERIFY(asseoir1280.save(dossier + "/ecran-options-1280.png"));
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
