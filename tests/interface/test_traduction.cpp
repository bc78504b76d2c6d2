// The window in English: every text the sources hand to the translation
// has its English, and under an English locale the window shows it. Run
// under LANG=en_GB.UTF-8 (CMakeLists.txt).
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <map>
#include <memory>

#include "about.hpp"
#include "apparence.hpp"
#include "conjugaison.hpp"
#include "dialogues_enregistres.hpp"
#include "ecran.hpp"

using namespace florimot;

namespace {

// (context, source) → translation, "" for one unfinished.
std::map<std::pair<QString, QString>, QString> LitTs(const QString& chemin) {
    std::map<std::pair<QString, QString>, QString> messages;
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) return messages;
    QXmlStreamReader xml(&f);
    QString contexte, source;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement()) continue;
        if (xml.name() == u"name") contexte = xml.readElementText();
        if (xml.name() == u"source") source = xml.readElementText();
        if (xml.name() == u"translation") {
            const bool finie = xml.attributes().value(QStringLiteral("type")).isEmpty();
            const QString texte = xml.readElementText();
            messages[{contexte, source}] = finie ? texte : QString();
        }
    }
    return messages;
}

}  // namespace

class TestTraduction : public QObject {
    Q_OBJECT

private slots:
    // What lupdate finds in the sources now, after any change: each text
    // has a finished English translation in the repository's file.
    void chaqueTexteATraduction() {
        QTemporaryDir dossier;
        const QString frais = dossier.filePath(QStringLiteral("frais.ts"));
        QProcess lupdate;
        lupdate.start(QStringLiteral(FLORIMOT_LUPDATE),
                      {QStringLiteral(FLORIMOT_SOURCES_INTERFACE), QStringLiteral("-locations"),
                       QStringLiteral("none"), QStringLiteral("-ts"), frais});
        QVERIFY(lupdate.waitForFinished(60000));
        QCOMPARE(lupdate.exitCode(), 0);
        const auto trouves = LitTs(frais);
        const auto traduits = LitTs(QStringLiteral(FLORIMOT_TS));
        QVERIFY(trouves.size() > 100);
        QStringList manquent;
        for (const auto& [cle, texte] : trouves) {
            const auto t = traduits.find(cle);
            if (t == traduits.end() || t->second.isEmpty())
                manquent << cle.first + QStringLiteral(" : ") + cle.second;
        }
        QVERIFY2(manquent.isEmpty(),
                 qPrintable(QStringLiteral("sans anglais (cmake --build build --target "
                                           "update_translations, puis traduire) :\n") +
                            manquent.join(u'\n')));
        // The options' captions come from the engine's table.
        for (const TDescriptionOption& d : DescriptionsOptions)
            QVERIFY2(traduits.count({QStringLiteral("Florimot"),
                                     QString::fromUtf8(d.Menu.data(), qsizetype(d.Menu.size()))}),
                     d.Menu.data());
    }

    void fenetreEnAnglais() {
        TDialoguesEnregistres dialogues;
        TEcran ecran(dialogues);
        ecran.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ecran));
        QCOMPARE(ecran.findChild<QPushButton*>(QStringLiteral("Conjugue"))->text(),
                 QStringLiteral("Conjugate"));
        QCOMPARE(ecran.findChild<QAction*>(QStringLiteral("Conjuguer1"))->text(),
                 QStringLiteral("&Conjugate"));
        QCOMPARE(ecran.findChild<QAction*>(QStringLiteral("Feminin1"))->text(),
                 QStringLiteral("&Feminine (féminin)"));
        // The tense names stay French; their tooltips explain them.
        auto* present = ecran.findChild<QLabel*>(QStringLiteral("Label1"));
        QCOMPARE(present->text(), QStringLiteral("Présent"));
        QVERIFY(present->toolTip().startsWith(QStringLiteral("Present (indicative)")));
        TAbout about;
        QCOMPARE(about.windowTitle(), QStringLiteral("About Florimot"));
        ecran.findChild<QAction*>(QStringLiteral("Aide1"))->trigger();
        QVERIFY(!dialogues.Boites.isEmpty() &&
                dialogues.Boites.back().Texte.startsWith(QStringLiteral("Type the verb")));
    }
};

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    PrepareApplication(application);
    TestTraduction test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_traduction.moc"
