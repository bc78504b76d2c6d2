// The window's own costs, measured with QBENCHMARK: the Conjugue action from
// the key press to filled lists, and a window from nothing to shown.
// Run: QT_QPA_PLATFORM=offscreen build/bench/bench_fenetre
#include <QLineEdit>
#include <QListWidget>
#include <QStandardPaths>
#include <QTest>

#include "apparence.hpp"
#include "dialogues.hpp"
#include "ecran.hpp"

using namespace florimot;

class BenchFenetre : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // Never the user's own settings.
        QStandardPaths::setTestModeEnabled(true);
        PrepareApplication(*qApp);
    }

    // Enter in the entry: the engine's grid, the seventeen lists, the
    // participle and the captions, as a user sees them filled.
    void conjugaison() {
        TDialoguesQt dialogues;
        TEcran ecran(dialogues);
        ecran.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ecran));
        auto* entree = ecran.findChild<QLineEdit*>(QStringLiteral("Verbe"));
        const QStringList verbes = {QStringLiteral("parler"), QStringLiteral("prendre"),
                                    QStringLiteral("recevoir"), QStringLiteral("finir")};
        int i = 0;
        QBENCHMARK {
            entree->setText(verbes[i++ % verbes.size()]);
            QTest::keyClick(entree, Qt::Key_Return);
        }
        QVERIFY(
            !ecran.findChild<QListWidget*>(QStringLiteral("PresInd"))->item(0)->text().isEmpty());
    }

    // The main window built and shown, its first paint done.
    void demarrage() {
        QBENCHMARK {
            TDialoguesQt dialogues;
            TEcran ecran(dialogues);
            ecran.show();
            QVERIFY(QTest::qWaitForWindowExposed(&ecran));
        }
    }
};

QTEST_MAIN(BenchFenetre)
#include "bench_fenetre.moc"
