// Printing from the main window, on a stand-in printer that records the
// jobs: their names, their pages, what each page showed, and the window
// afterwards, when all goes well and when the printer fails.
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <memory>
#include <utility>

#include "conjugaison.hpp"
#include "dialogues_enregistres.hpp"
#include "ecran.hpp"
#include "impression_enregistree.hpp"
#include "pilote.hpp"

using namespace florimot;
using pilote::Blancs;

using TEtape = TImpressionEnregistree::TEtape;
Q_DECLARE_METATYPE(TEtape)

namespace {

// The controls inside the printed rectangle.
const char* const Visibles[] = {"Verbe",     "Conjugue",   "VerbeL",         "Groupe",
                                "Indicatif", "Subjonctif", "Conditionnel",   "Imperatif",
                                "Participe", "Infinitif",  "ParticipePasse", "Gerondif"};

}  // namespace

class TestImpression : public QObject {
    Q_OBJECT

    std::unique_ptr<TDialoguesEnregistres> Dialogues;
    std::unique_ptr<TImpressionEnregistree> Imprimante;
    std::unique_ptr<TEcran> Ecran;

    template <typename T>
    T* Composant(const char* nom) {
        return pilote::Composant<T>(Ecran.get(), nom);
    }
    QLineEdit* Verbe() { return Composant<QLineEdit>("Verbe"); }
    QTabBar* Onglets() { return Composant<QTabBar>("PageSet"); }
    QList<QListWidget*> Listes() {
        QList<QListWidget*> listes;
        for (const TCellule& c : GrilleComplete)
            if (c.Nom != "PartPres")
                listes << Composant<QListWidget>(
                    QByteArray(c.Nom.data(), c.Nom.size()).constData());
        return listes;
    }

    void Tape(const QString& texte) { pilote::Tape(Verbe(), texte); }
    void Conjugue(const QString& texte) { pilote::Conjugue(Verbe(), texte); }
    void Imprime() { QTest::keyClick(Ecran.get(), Qt::Key_P, Qt::ControlModifier); }

    // What `racine` shows (the window, or the copy a page is drawn from):
    // its visible controls, any list still framed, and where the keyboard
    // focus is if it sits inside the printed area.
    QStringList Releve(QWidget& racine) {
        QStringList releve;
        for (const char* nom : Visibles)
            if (pilote::Composant<QWidget>(&racine, nom)->isVisibleTo(&racine))
                releve << QString::fromLatin1(nom);
        for (const TCellule& c : GrilleComplete) {
            if (c.Nom == "PartPres") continue;
            auto* liste = pilote::Composant<QListWidget>(
                &racine, QByteArray(c.Nom.data(), c.Nom.size()).constData());
            if (liste->frameShape() != QFrame::NoFrame)
                releve << QStringLiteral("cadre ") + liste->objectName();
            if (liste->hasFocus()) releve << QStringLiteral("focus ") + liste->objectName();
        }
        return releve;
    }
    QStringList Releve() { return Releve(*Ecran); }

    // Everything the user sees and works with, to compare before and after.
    QStringList Etat() {
        QStringList etat{Ecran->TexteVerbe(), Composant<QLabel>("VerbeL")->text(),
                         Composant<QLabel>("Groupe")->text(),
                         Composant<QLabel>("PartPres")->text()};
        for (QListWidget* liste : Listes()) {
            etat << liste->objectName() + QStringLiteral(" cadre ") +
                        QString::number(liste->frameStyle());
            for (int i = 0; i < liste->count(); ++i) etat << liste->item(i)->text();
        }
        return etat;
    }

    // The window as the user has it, on the page `onglet` (the one it was on
    // before printing, unless the user changed it meanwhile): printing
    // never alters the window.
    void VerifieRetabli(const QStringList& avant, int onglet = 0) {
        QCOMPARE(Etat(), avant);
        QCOMPARE(Onglets()->currentIndex(), onglet);
        const QStringList pages[] = {{"Indicatif", "Subjonctif"},
                                     {"Conditionnel", "Imperatif", "Participe"},
                                     {"Infinitif", "ParticipePasse", "Gerondif"}};
        const QStringList& page = pages[onglet];
        QStringList attendu = QStringList{"Verbe", "Conjugue", "VerbeL", "Groupe"} + page;
        for (QListWidget* l : Listes()) attendu << QStringLiteral("cadre ") + l->objectName();
        QCOMPARE(Releve(), attendu);
        QCOMPARE(QApplication::focusWidget(), Verbe());
    }

private slots:
    void init() {
        Dialogues = std::make_unique<TDialoguesEnregistres>();
        Imprimante = std::make_unique<TImpressionEnregistree>();
        Ecran = std::make_unique<TEcran>(*Dialogues);
        Ecran->AttacheImpression(Imprimante.get());
        Imprimante->Releve = [this](QWidget& source) { return Releve(source); };
        Ecran->show();
        Ecran->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Ecran.get()));
    }
    void cleanup() {
        Ecran.reset();
        Imprimante.reset();
        Dialogues.reset();
    }

    // One job of two sheets: the first with the indicative and subjunctive,
    // the second with the conditional, imperative and participe présent and,
    // under them, the forms without person; never the entry, the button, the
    // tabs, a list's frame or the focus.
    void troisPages_data() {
        QTest::addColumn<int>("onglet");
        QTest::newRow("depuis Page1") << 0;
        QTest::newRow("depuis Page2") << 1;
        QTest::newRow("depuis Page3") << 2;
    }
    void troisPages() {
        QFETCH(int, onglet);
        Conjugue("parler");
        Onglets()->setCurrentIndex(onglet);
        Verbe()->setFocus();
        const QStringList avant = Etat();

        Imprime();

        QCOMPARE(Imprimante->Travaux.size(), 1);
        const auto& travail = Imprimante->Travaux.front();
        QVERIFY(travail.Termine);
        QVERIFY(!travail.Abandonne);
        QCOMPARE(travail.Pages.size(), 2);
        const QStringList montre[] = {{"VerbeL", "Groupe", "Indicatif", "Subjonctif"},
                                      {"VerbeL", "Groupe", "Conditionnel", "Imperatif", "Participe",
                                       "Infinitif", "ParticipePasse", "Gerondif"}};
        for (int p = 0; p < 2; ++p) {
            QCOMPARE(travail.Pages[p].size(), 1);
            const auto& dessin = travail.Pages[p].front();
            QCOMPARE(dessin.Releve, montre[p]);
            // Laid out at the window's width, with the sheet's proportions.
            const QSize image = dessin.Image.deviceIndependentSize().toSize();
            QCOMPARE(image.width(), 620);
            QVERIFY(std::abs(image.height() - qRound(620.0 * Imprimante->Page.height() /
                                                     Imprimante->Page.width())) <= 1);
        }
        for (int p = 1; p < 2; ++p)
            QVERIFY(travail.Pages[p - 1].front().Image.toImage() !=
                    travail.Pages[p].front().Image.toImage());
        QVERIFY(Dialogues->Boites.isEmpty());
        VerifieRetabli(avant, onglet);
    }

    // The job is named after the entry as it is when printing starts.
    void nomDuTravail_data() {
        QTest::addColumn<QString>("conjugue");
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QString>("nom");
        QTest::newRow("au départ") << ""
                                   << "" << Blancs("verbe");
        QTest::newRow("le verbe conjugué") << "finir"
                                           << "" << Blancs("finir");
        QTest::newRow("un autre mot tapé depuis") << "parler"
                                                  << "venir" << Blancs("venir");
        QTest::newRow("blanc hors pronom") << ""
                                           << "ai mer" << Blancs("aimer");
        QTest::newRow("quinze lettres") << ""
                                        << "anticonstitutionnellement"
                                        << "anticonstitutio";
        QTest::newRow("entrée vide") << "parler"
                                     << " " << Blancs("");
    }
    void nomDuTravail() {
        QFETCH(QString, conjugue);
        QFETCH(QString, tape);
        QFETCH(QString, nom);
        if (!conjugue.isEmpty()) Conjugue(conjugue);
        if (!tape.isEmpty()) Tape(tape.trimmed());
        Imprime();
        QCOMPARE(Imprimante->Travaux.size(), 1);
        QCOMPARE(Imprimante->Travaux.front().Nom, QStringLiteral("Florimot du verbe ") + nom);
        QCOMPARE(Imprimante->Travaux.front().Nom.size(), 18 + TEcran::LongueurEntree);
    }

    // Options in force: the job's name carries them after the word as people
    // write it, and the pages show them, and the model, as the window does.
    void nomAvecOptions_data() {
        QTest::addColumn<QString>("conjugue");
        QTest::addColumn<QList<int>>("cles");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QStringList>("legendes");
        QTest::newRow("se lever") << "se lever" << QList<int>{Qt::Key_F7, Qt::Key_F6}
                                  << "se lever (négation, interrogation)"
                                  << QStringList{"se lever", "négation, interrogation", ""};
        QTest::newRow("commencer")
            << "commencer" << QList<int>{Qt::Key_F8} << "commencer (voix passive)"
            << QStringList{"commencer", "voix passive", "comme placer"};
        QTest::newRow("amonceler")
            << "amonceler" << QList<int>{Qt::Key_F9, Qt::Key_F10}
            << "amonceler (orthographe rectifiée, autre forme)"
            << QStringList{"amonceler", "orthographe rectifiée, autre forme", "comme lever"};
        // No verb: the header keeps no options, the job's name does.
        QTest::newRow("entrée vide")
            << " " << QList<int>{Qt::Key_F5} << "(féminin)" << QStringList{"", "", ""};
        QTest::newRow("locution") << "se rendre compte" << QList<int>{Qt::Key_F6}
                                  << "se rendre compte (négation)"
                                  << QStringList{"se rendre compte", "négation", ""};
        QTest::newRow("sans option") << "se asseoir" << QList<int>{} << Blancs("se asseoir")
                                     << QStringList{"s'asseoir", "", ""};
    }
    void nomAvecOptions() {
        QFETCH(QString, conjugue);
        QFETCH(QList<int>, cles);
        QFETCH(QString, nom);
        QFETCH(QStringList, legendes);
        Conjugue(conjugue);
        for (const int cle : cles) QTest::keyClick(Ecran.get(), Qt::Key(cle));
        Imprimante->Releve = [](QWidget& source) {
            QStringList textes;
            for (const char* legende : {"VerbeL", "OptionsL", "ModeleL"})
                textes << pilote::Composant<QLabel>(&source, legende)->text().replace(u'\n', u' ');
            return textes;
        };
        Imprime();
        QCOMPARE(Imprimante->Travaux.size(), 1);
        QCOMPARE(Imprimante->Travaux.front().Nom, QStringLiteral("Florimot du verbe ") + nom);
        for (const auto& page : Imprimante->Travaux.front().Pages)
            QCOMPARE(page.front().Releve, legendes);
    }

    // The whole printable area.
    void destination_data() {
        QTest::addColumn<QSize>("page");
        QTest::addColumn<QRect>("destination");
        QTest::newRow("A4 à 600 ppp") << QSize(4760, 6814) << QRect(0, 0, 4760, 6814);
        QTest::newRow("hauteur impaire") << QSize(9583, 13699) << QRect(0, 0, 9583, 13699);
        QTest::newRow("paysage") << QSize(3300, 2400) << QRect(0, 0, 3300, 2400);
    }
    void destination() {
        QFETCH(QSize, page);
        QFETCH(QRect, destination);
        Imprimante->Page = page;
        Imprime();
        QCOMPARE(Imprimante->Travaux.size(), 1);
        for (const auto& dessins : Imprimante->Travaux.front().Pages)
            QCOMPARE(dessins.front().Destination, destination);
    }

    // Every line of every list, the participle and the verb's row show whole
    // on paper, in the sheet's proportions, the groups filling its height;
    // the type is made smaller (the page drawn wider than the window) only
    // when the lines need it.
    void lignesEntieres_data() {
        QTest::addColumn<QString>("verbe");
        QTest::addColumn<QList<int>>("cles");
        QTest::addColumn<QSize>("page");
        QTest::addColumn<bool>("reduit");
        const QSize a4(4760, 6814), paysage(6814, 4760);
        QTest::newRow("parler, A4") << "parler" << QList<int>{} << a4 << false;
        QTest::newRow("se lever, négation, A4")
            << "se lever" << QList<int>{Qt::Key_F6} << a4 << true;
        QTest::newRow("se lever, négation, paysage")
            << "se lever" << QList<int>{Qt::Key_F6} << paysage << true;
        QTest::newRow("déshumidifier, tout, A4")
            << "déshumidifier" << QList<int>{Qt::Key_F5, Qt::Key_F6, Qt::Key_F7} << a4 << true;
        QTest::newRow("wwwwwwwwwwwwwer, passif, étroite")
            << "wwwwwwwwwwwwwer" << QList<int>{Qt::Key_F8} << QSize(2000, 9000) << true;
    }
    void lignesEntieres() {
        QFETCH(QString, verbe);
        QFETCH(QList<int>, cles);
        QFETCH(QSize, page);
        QFETCH(bool, reduit);
        Conjugue(verbe);
        for (const int cle : cles) QTest::keyClick(Ecran.get(), Qt::Key(cle));
        Imprimante->Page = page;
        Imprimante->Releve = [](QWidget& source) {
            QStringList fautes;
            const QRect feuille = source.rect();
            int bas = 0;
            for (auto* groupe : source.findChildren<QGroupBox*>()) {
                if (!groupe->isVisibleTo(&source)) continue;
                if (!feuille.contains(groupe->geometry())) fautes << groupe->objectName();
                bas = std::max(bas, groupe->geometry().bottom());
            }
            if (bas < feuille.height() * 9 / 10) fautes << QStringLiteral("bas %1").arg(bas);
            for (auto* liste : source.findChildren<QListWidget*>()) {
                if (!liste->isVisibleTo(&source)) continue;
                if (!liste->parentWidget()->rect().contains(liste->geometry()))
                    fautes << liste->objectName();
                const QRect vue = liste->viewport()->rect();
                for (int i = 0; i < liste->count(); ++i) {
                    const QRect r = liste->visualItemRect(liste->item(i));
                    if (!vue.contains(r) ||
                        liste->fontMetrics().horizontalAdvance(liste->item(i)->text()) > r.width())
                        fautes << liste->item(i)->text();
                }
            }
            for (auto* e : source.findChildren<QLabel*>()) {
                if (!e->isVisibleTo(&source) || e->text().isEmpty()) continue;
                const QRect cadre(e->mapTo(&source, QPoint(0, 0)), e->size());
                if (e->text().contains(u'…') || !feuille.contains(cadre) ||
                    e->fontMetrics().horizontalAdvance(e->text()) > e->contentsRect().width())
                    fautes << e->text();
            }
            return fautes;
        };
        Imprime();
        QCOMPARE(Imprimante->Travaux.size(), 1);
        const auto& pages = Imprimante->Travaux.front().Pages;
        // The whole verb on one sheet where that costs no type size, else two.
        QVERIFY(pages.size() == 1 || pages.size() == 2);
        bool plusLarge = false;
        for (const auto& p : pages) {
            QVERIFY2(p.front().Releve.isEmpty(), qPrintable(p.front().Releve.join(u'|')));
            const QSize zone = p.front().Zone.size();
            QVERIFY(std::abs(zone.height() - zone.width() * page.height() / page.width()) <= 1);
            QVERIFY(zone.width() >= 620);
            plusLarge = plusLarge || zone.width() > 620;
        }
        QCOMPARE(plusLarge, reduit);
    }

    // Printing twice makes two jobs, each of two sheets.
    void deuxFois() {
        Conjugue("aimer");
        Imprime();
        Tape("finir");
        Imprime();
        QCOMPARE(Imprimante->Travaux.size(), 2);
        QCOMPARE(Imprimante->Travaux[0].Nom,
                 QStringLiteral("Florimot du verbe ") + Blancs("aimer"));
        QCOMPARE(Imprimante->Travaux[1].Nom,
                 QStringLiteral("Florimot du verbe ") + Blancs("finir"));
        for (const auto& travail : Imprimante->Travaux) QCOMPARE(travail.Pages.size(), 2);
    }

    // Wherever the printer fails, the user is told why and gets the window
    // back as after a print; the next print works.
    void echec_data() {
        QTest::addColumn<TEtape>("panne");
        QTest::addColumn<QString>("raison");
        QTest::addColumn<int>("travaux");
        QTest::addColumn<int>("pages");
        QTest::newRow("pas d'imprimante") << TEtape::TaillePage << "pas de taille" << 0 << 0;
        QTest::newRow("le travail ne commence pas")
            << TEtape::Commence << "pas de travail" << 0 << 0;
        QTest::newRow("première page") << TEtape::Dessin1 << "pas de dessin" << 1 << 1;
        QTest::newRow("changement de page") << TEtape::NouvellePage << "pas de page" << 1 << 1;
        QTest::newRow("deuxième page") << TEtape::Dessin2 << "pas de dessin" << 1 << 2;
        QTest::newRow("fin du travail") << TEtape::Termine << "pas de fin" << 1 << 2;
    }
    // A page on which a line would be less than a dot high: told, and
    // nothing is started.
    void pageTropPetite_data() {
        QTest::addColumn<QSize>("page");
        QTest::newRow("sans hauteur") << QSize(4800, 1);
        QTest::newRow("étroite") << QSize(1, 3);
    }
    void pageTropPetite() {
        QFETCH(QSize, page);
        Imprimante->Page = page;
        Imprime();
        QCOMPARE(Imprimante->Demarrages, 0);
        QCOMPARE(Dialogues->Boites.size(), 1);
        QCOMPARE(Dialogues->Boites.front().Texte,
                 QStringLiteral("La page de l'imprimante est trop petite pour y imprimer."));
        QVERIFY(Verbe()->isVisible());
    }

    void echec() {
        QFETCH(TEtape, panne);
        QFETCH(QString, raison);
        QFETCH(int, travaux);
        QFETCH(int, pages);
        Conjugue("venir");
        Onglets()->setCurrentIndex(1);
        Verbe()->setFocus();
        const QStringList avant = Etat();
        Imprimante->Panne = panne;
        QStringList pendantLaBoite;
        Dialogues->PendantLaBoite = [&] { pendantLaBoite = Releve(); };

        Imprime();

        QCOMPARE(Dialogues->Boites.size(), 1);
        const auto& boite = Dialogues->Boites.front();
        QCOMPARE(boite.Texte, raison);
        QCOMPARE(boite.Titre, QStringLiteral("Florimot"));
        QVERIFY(boite.Genre == TDialogues::TIcone::Erreur);
        QVERIFY(boite.Choix == TDialogues::TBoutons::Ok);
        // Behind the box the window is already back to normal.
        QVERIFY(pendantLaBoite.contains(QStringLiteral("Verbe")));
        QVERIFY(pendantLaBoite.contains(QStringLiteral("cadre PresInd")));
        QCOMPARE(Imprimante->Travaux.size(), travaux);
        if (travaux > 0) {
            QVERIFY(Imprimante->Travaux.front().Abandonne);
            QVERIFY(!Imprimante->Travaux.front().Termine);
            QCOMPARE(Imprimante->Travaux.front().Pages.size(), pages);
        }
        QVERIFY(!Imprimante->EnCours());
        VerifieRetabli(avant, 1);

        Imprimante->Panne = TEtape::Aucune;
        Imprime();
        QCOMPARE(Imprimante->Travaux.size(), travaux + 1);
        QVERIFY(Imprimante->Travaux.back().Termine);
        QCOMPARE(Imprimante->Travaux.back().Pages.size(), 2);
        QCOMPARE(Dialogues->Boites.size(), 1);
    }

    // Events handled inside a job: a second print request starts nothing;
    // a page switch, a new word typed, Enter or F1 change nothing on paper
    // (the pages match those of a job left alone). A conjugation asked for
    // meanwhile is done once the job is over.
    void pendantLeTravail_data() {
        QTest::addColumn<int>("evenement");
        QTest::addColumn<int>("onglet");
        QTest::addColumn<QString>("ensuite");
        QTest::newRow("Ctrl+P") << 0 << 0 << "";
        QTest::newRow("menu Imprimer") << 1 << 0 << "";
        QTest::newRow("onglet Page2") << 2 << 1 << "";
        QTest::newRow("onglet Page1") << 3 << 0 << "";
        QTest::newRow("un mot tapé") << 4 << 0 << "";
        QTest::newRow("Entrée") << 5 << 0 << "je finis";
        QTest::newRow("F1") << 6 << 0 << "je finis";
        QTest::newRow("menu Conjuguer") << 7 << 0 << "je finis";
        QTest::newRow("F6") << 8 << 0 << "je ne prends pas";
        QTest::newRow("Entrée puis F6") << 9 << 0 << "je ne finis pas";
    }
    void pendantLeTravail() {
        QFETCH(int, evenement);
        QFETCH(int, onglet);
        QFETCH(QString, ensuite);
        Conjugue("prendre");
        Imprime();
        QCOMPARE(Imprimante->Travaux.size(), 1);
        const auto temoin = Imprimante->Travaux.front();
        const QStringList avant = Etat();
        bool option = false;  // F6 pressed once, whatever the events of the job
        Imprimante->PendantLeTravail = [&] {
            switch (evenement) {
                case 0: Imprime(); break;
                case 1: Composant<QAction>("Imprimer1")->trigger(); break;
                case 2: Onglets()->setCurrentIndex(1); break;
                case 3: Onglets()->setCurrentIndex(0); break;
                case 4: Tape("finir"); break;
                case 5: Conjugue("finir"); break;
                case 6:
                    Tape("finir");
                    QTest::keyClick(Verbe(), Qt::Key_F1);
                    break;
                case 7:
                    Tape("finir");
                    Composant<QAction>("Conjuguer1")->trigger();
                    break;
                case 8:
                    if (!std::exchange(option, true)) QTest::keyClick(Verbe(), Qt::Key_F6);
                    break;
                case 9:
                    if (std::exchange(option, true)) break;
                    Conjugue("finir");
                    QTest::keyClick(Verbe(), Qt::Key_F6);
                    break;
            }
        };
        Imprime();
        QCOMPARE(Imprimante->Travaux.size(), 2);
        const auto& travail = Imprimante->Travaux.back();
        QVERIFY(travail.Termine);
        QCOMPARE(travail.Pages.size(), 2);
        QCOMPARE(travail.Pages[0].front().Releve,
                 (QStringList{"VerbeL", "Groupe", "Indicatif", "Subjonctif"}));
        QCOMPARE(travail.Pages[1].front().Releve,
                 (QStringList{"VerbeL", "Groupe", "Conditionnel", "Imperatif", "Participe",
                              "Infinitif", "ParticipePasse", "Gerondif"}));
        for (int p = 0; p < 2; ++p)
            QVERIFY2(
                travail.Pages[p].front().Image.toImage() == temoin.Pages[p].front().Image.toImage(),
                qPrintable(QStringLiteral("page %1").arg(p + 1)));
        QVERIFY(Dialogues->Boites.isEmpty());
        if (ensuite.isEmpty()) {
            if (evenement != 4) VerifieRetabli(avant, onglet);
        } else {
            QCOMPARE(Composant<QLabel>("VerbeL")->text(),
                     evenement == 8 ? QStringLiteral("prendre") : QStringLiteral("finir"));
            QCOMPARE(Composant<QListWidget>("PresInd")->item(0)->text(), ensuite);
        }

        // Once the job is over, the command prints again.
        Imprimante->PendantLeTravail = nullptr;
        Imprime();
        QCOMPARE(Imprimante->Travaux.size(), 3);
    }

    // A window with no printer attached prints nothing and changes nothing.
    void sansImprimante() {
        Ecran->AttacheImpression(nullptr);
        Conjugue("parler");
        const QStringList avant = Etat();
        Imprime();
        QCOMPARE(Etat(), avant);
        QCOMPARE(Imprimante->Demarrages, 0);
    }
};

QTEST_MAIN(TestImpression)
#include "test_impression.moc"
