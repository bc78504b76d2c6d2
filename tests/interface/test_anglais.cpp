// The window for a learner whose language is English: the verb's English
// meanings under the pages, English verb phrases in the suggestion strip,
// « Écouter » and why it is greyed.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <memory>

#include "../dictd_essai.hpp"
#include "apparence.hpp"
#include "banc_ecran.hpp"
#include "contenu.hpp"
#include "dialogues_enregistres.hpp"
#include "ecran.hpp"
#include "langue_interface.hpp"

using namespace florimot;

class TestAnglais : public QObject, public banc::TBancEcran {
    Q_OBJECT

    std::filesystem::path Dossier;

    QPushButton* PremierPropose() {
        for (QPushButton* b :
             Ecran->findChildren<QPushButton*>(QStringLiteral("ConjugueProposition")))
            if (b->isVisibleTo(Ecran.get())) return b;
        return nullptr;
    }
    QStringList BoutonsProposes() {
        QStringList textes;
        for (QPushButton* b :
             Ecran->findChildren<QPushButton*>(QStringLiteral("ConjugueProposition")))
            if (b->isVisibleTo(Ecran.get())) textes << b->text();
        return textes;
    }

private slots:
    void initTestCase() {
        // The dictionaries the test writes, and no voice: the same run on
        // every machine.
        Dossier = std::filesystem::temp_directory_path() /
                  ("florimot-fenetre-dictd-" + std::to_string(QCoreApplication::applicationPid()));
        std::filesystem::create_directories(Dossier);
        QVERIFY(essais::EcritFreeDictEssai(Dossier.string()));
        qputenv("FLORIMOT_DICTD", QByteArray::fromStdString(Dossier.string()));
        qputenv("FLORIMOT_VOIX", QByteArray());
    }
    void cleanupTestCase() { std::filesystem::remove_all(Dossier); }
    void init() { Ouvre(); }
    void cleanup() { Ferme(); }

    void glose() {
        Conjugue(QStringLiteral("accueillir"));
        auto* glose = Composant<QLabel>("GloseL");
        QVERIFY(glose != nullptr && glose->isVisible());
        QCOMPARE(glose->accessibleDescription(),
                 QStringLiteral("en anglais : to accept, to receive, to welcome, to greet"));
        // A verb the dictionary lacks has none; a pronominal verb has its own.
        Conjugue(QStringLiteral("parler"));
        QVERIFY(!glose->isVisible());
        Conjugue(QStringLiteral("se lever"));
        QVERIFY(glose->isVisible());
        QCOMPARE(glose->accessibleDescription(), QStringLiteral("en anglais : to get up, to rise"));
    }

    void rechercheAnglaise() {
        Conjugue(QStringLiteral("I went"));
        QCOMPARE(BoutonsProposes(), QStringList({QStringLiteral("Conjuguer « aller »"),
                                                 QStringLiteral("Conjuguer « se déplacer »")}));
        const QString phrase = Composant<QLabel>("PhraseProposition")->text();
        QVERIFY2(phrase.contains(QStringLiteral("passé composé")) &&
                     phrase.contains(QStringLiteral("passé simple")) &&
                     phrase.contains(QStringLiteral("l'anglais n'a qu'un passé")),
                 qPrintable(phrase));
        // No « Ceci n'est pas un Verbe » over the choices.
        QVERIFY(Dialogues->Boites.isEmpty());
        PremierPropose()->click();
        QTRY_COMPARE(Composant<QLabel>("VerbeL")->text(), QStringLiteral("aller"));
        // The tense and person the English said are selected, with its options.
        Conjugue(QStringLiteral("she has eaten"));
        PremierPropose()->click();
        QTRY_COMPARE(Composant<QLabel>("VerbeL")->text(), QStringLiteral("manger"));
        QVERIFY(Ecran->Options().Feminin);
        const QList<QListWidgetItem*> choisies = Composant<QListWidget>("PCInd")->selectedItems();
        QCOMPARE(choisies.size(), qsizetype(1));
        QCOMPARE(choisies.front()->text(), QStringLiteral("elle a mangé"));
        Composant<QAction>("Feminin1")->trigger();
        // A text that is no English either is still no verb.
        Conjugue(QStringLiteral("she xyzzies"));
        QVERIFY(BoutonsProposes().isEmpty());
        QCOMPARE(Dialogues->Boites.size(), qsizetype(1));
    }

    void ecouterSansVoix() {
        auto* ecouter = Composant<QAction>("Ecouter1");
        QVERIFY(ecouter != nullptr);
        QCOMPARE(ecouter->shortcut(), QKeySequence(Qt::Key_F12));
        QVERIFY(!ecouter->isEnabled());
        QVERIFY(ecouter->toolTip().contains(QStringLiteral("FLORIMOT_VOIX")));
        auto* bouton = Composant<QPushButton>("EcouterNote");
        QVERIFY(bouton != nullptr && bouton->isVisible() && !bouton->isEnabled());
        QCOMPARE(bouton->toolTip(), ecouter->toolTip());
        auto* liste = Composant<QListWidget>("PresInd");
        QCOMPARE(liste->contextMenuPolicy(), Qt::ActionsContextMenu);
        QVERIFY(liste->actions().contains(ecouter));
    }

    void lignesAEcouter() {
        Conjugue(QStringLiteral("aller"));
        auto* contenu = Ecran->findChild<TContenu*>(QStringLiteral("Fond"));
        QCOMPARE(contenu->LignesAEcouter().size(), qsizetype(6));  // the indicatif présent
        auto* imparfait = Composant<QListWidget>("ImpInd");
        imparfait->item(3)->setSelected(true);
        QCOMPARE(contenu->LignesAEcouter(), QStringList({QStringLiteral("nous allions")}));
    }

    // The menu « Langue de l'interface / Interface language »: kept in the
    // settings, told in the language chosen.
    void langueChoisie() {
        QCOMPARE(LitLangueInterface(), TLangueInterface::Systeme);
        Composant<QAction>("Langue2")->trigger();
        QCOMPARE(LitLangueInterface(), TLangueInterface::Anglais);
        QVERIFY(Dialogues->Boites.back().Texte.contains(QStringLiteral("English")));
        Composant<QAction>("Langue0")->trigger();
        QCOMPARE(LitLangueInterface(), TLangueInterface::Systeme);
        QVERIFY(InterfaceEnAnglais(TLangueInterface::Anglais));
        QVERIFY(!InterfaceEnAnglais(TLangueInterface::Francais));
    }

    // The window with a meaning shown, for a look by eye; written only when
    // FLORIMOT_CAPTURES names a folder.
    void capture() {
        const QString dossier = qEnvironmentVariable("FLORIMOT_CAPTURES");
        if (dossier.isEmpty()) QSKIP("FLORIMOT_CAPTURES is not set");
        Conjugue(QStringLiteral("accueillir"));
        QVERIFY(Ecran->grab().save(dossier + QStringLiteral("/ecran-anglais.png")));
        Conjugue(QStringLiteral("she has eaten"));
        QVERIFY(Ecran->grab().save(dossier + QStringLiteral("/ecran-anglais-recherche.png")));
    }
};

// The application as the program prepares it: under an English locale, the
// capture shows the English window.
int main(int argc, char** argv) {
    QApplication application(argc, argv);
    PrepareApplication(application);
    TestAnglais test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_anglais.moc"
