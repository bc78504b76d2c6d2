// How the program ends, inside a running event loop: each case runs in its
// own process (one ctest entry per function).
#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "about.hpp"
#include "apparence.hpp"
#include "dialogues_enregistres.hpp"
#include "ecran.hpp"
#include "impression_enregistree.hpp"
#include "pilote.hpp"

using namespace florimot;

namespace {

constexpr int StatutGarde = 99;

// Ends the loop if nothing else did, so that a failure cannot hang.
void Garde() {
    QTimer::singleShot(10000, [] { QCoreApplication::exit(StatutGarde); });
}

// Answers the next message box with `bouton`, and returns what it showed
// (and the button's label).
void Repond(QMessageBox::StandardButton bouton, QString* texte, QString* libelle = nullptr) {
    pilote::QuandBoite([=](QMessageBox* boite) {
        *texte = boite->text();
        if (libelle) *libelle = boite->button(bouton)->text().remove(u'&');
        boite->button(bouton)->click();
    });
}

}  // namespace

class TestSortie : public QObject {
    Q_OBJECT

    // Starts a print job, inside which Quitter is asked for once.
    static void QuitteEnImprimant(TEcran& ecran, TImpressionEnregistree& imprimante) {
        ecran.AttacheImpression(&imprimante);
        imprimante.PendantLeTravail = [&ecran, &imprimante] {
            imprimante.PendantLeTravail = nullptr;
            ecran.Quitter1Click();
        };
        QTimer::singleShot(0, &ecran, [&ecran] { ecran.Imprimer1Click(); });
    }

private slots:
    // The frame's close control ends the program without a question, even
    // with the About window open.
    void fermeture() {
        TDialoguesEnregistres dialogues;
        TEcran ecran(dialogues);
        auto* about = new TAbout(&ecran);
        ecran.AttacheAbout(about);
        ecran.show();
        ecran.APropos1Click();
        QVERIFY(about->isVisible());
        QTimer::singleShot(0, &ecran, &QWidget::close);
        Garde();
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(dialogues.Boites.isEmpty());
    }

    // With no print job running, Quitter ends the program at once, asking
    // nothing.
    void quitterDirect() {
        TDialoguesEnregistres dialogues;
        TEcran ecran(dialogues);
        ecran.show();
        ecran.Quitter1Click();
        QVERIFY(dialogues.Boites.isEmpty());
        QCOMPARE(dialogues.Fins, QList<int>{0});
    }

    // While a print job runs, the question is asked; Yes leaves the event
    // loop at once with status 0.
    void quitterOui() {
        TDialoguesQt dialogues;
        TEcran ecran(dialogues);
        ecran.show();
        QString texte, libelle;
        Repond(QMessageBox::Yes, &texte, &libelle);
        TImpressionEnregistree imprimante;
        QuitteEnImprimant(ecran, imprimante);
        Garde();
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(texte, QStringLiteral("Êtes-vous sûr de vouloir quitter ?"));
        // The toolkit's buttons speak French once its translations are there.
        if (QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_fr.qm"))
            QCOMPARE(libelle, QStringLiteral("Oui"));
    }

    // No keeps the program running: only the guard ends this loop.
    void quitterNon() {
        TDialoguesQt dialogues;
        TEcran ecran(dialogues);
        ecran.show();
        QString texte;
        Repond(QMessageBox::No, &texte);
        TImpressionEnregistree imprimante;
        QuitteEnImprimant(ecran, imprimante);
        QTimer::singleShot(300, [] { QCoreApplication::exit(StatutGarde); });
        QCOMPARE(QApplication::exec(), StatutGarde);
        QCOMPARE(texte, QStringLiteral("Êtes-vous sûr de vouloir quitter ?"));
        QVERIFY(ecran.isVisible());
    }
};

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    PrepareApplication(application);
    TestSortie test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_sortie.moc"
