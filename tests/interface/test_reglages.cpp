// What the window keeps between runs: its size, its place and whether it
// was maximised, in a settings folder of the test's own.
#include <sys/stat.h>

#include <QAction>
#include <QApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "apparence.hpp"
#include "dialogues_enregistres.hpp"
#include "ecran.hpp"
#include "reglages.hpp"

using namespace florimot;

namespace {

QTemporaryDir* Dossier = nullptr;

QString FichierReglages() {
    return QDir(Dossier->path()).filePath(QStringLiteral("Florimot/Florimot.conf"));
}

bool Centree(const QWidget& fenetre) {
    const QRect ecran = fenetre.screen()->availableGeometry();
    return (fenetre.frameGeometry().center() - ecran.center()).manhattanLength() <= 1;
}

}  // namespace

class TestReglages : public QObject {
    Q_OBJECT

    TDialoguesEnregistres Dialogues;

    std::unique_ptr<TEcran> Ouvre() {
        auto ecran = std::make_unique<TEcran>(Dialogues);
        ecran->show();
        if (!QTest::qWaitForWindowExposed(ecran.get())) qFatal("fenêtre non affichée");
        return ecran;
    }

private slots:
    void init() { QFile::remove(FichierReglages()); }

    void premierLancement() {
        const auto ecran = Ouvre();
        QCOMPARE(ecran->size(), TEcran::TailleInitiale);
        QVERIFY(Centree(*ecran));
        QVERIFY(!ecran->isMaximized());
    }

    // Closed by its frame or by Quitter, the window comes back the next time
    // as the user left it.
    void tailleEtPlace_data() {
        QTest::addColumn<bool>("quitter");
        QTest::newRow("fermeture") << false;
        QTest::newRow("Quitter") << true;
    }
    void tailleEtPlace() {
        QFETCH(bool, quitter);
        const QRect cadre(12, 34, 760, 520);
        {
            const auto ecran = Ouvre();
            ecran->setGeometry(cadre);
            QTRY_COMPARE(ecran->geometry(), cadre);
            if (quitter) {
                Dialogues.ReponseOuiNon = TDialogues::TReponseDialogue::Oui;
                ecran->Quitter1Click();
            } else {
                ecran->close();
            }
        }
        QVERIFY(QFile::exists(FichierReglages()));
        const auto ecran = Ouvre();
        QCOMPARE(ecran->geometry(), cadre);
        QVERIFY(!ecran->isMaximized());
    }

    void agrandie() {
        const QRect cadre(20, 30, 700, 500);
        {
            const auto ecran = Ouvre();
            ecran->setGeometry(cadre);
            QTRY_COMPARE(ecran->geometry(), cadre);
            ecran->showMaximized();
            QTRY_VERIFY(ecran->isMaximized());
            ecran->close();
        }
        const auto ecran = Ouvre();
        QVERIFY(ecran->isMaximized());
        QCOMPARE(ecran->normalGeometry(), cadre);
    }

    // The options checked come back checked, and in force, the next time.
    void options() {
        {
            const auto ecran = Ouvre();
            QTest::keyClick(ecran.get(), Qt::Key_F6);
            QTest::keyClick(ecran.get(), Qt::Key_F8);
            QTest::keyClick(ecran.get(), Qt::Key_F10);
            ecran->close();
        }
        const auto ecran = Ouvre();
        QVERIFY(ecran->Options() == (TOptions{false, true, false, true, false, true}));
        QStringList coches;
        for (const QAction* action : ecran->findChild<QMenu*>(QStringLiteral("Options"))->actions())
            if (action->isChecked()) coches << action->objectName();
        QCOMPARE(coches, (QStringList{"Negation1", "Passif1", "Variante1"}));
        auto* entree = ecran->findChild<QLineEdit*>(QStringLiteral("Verbe"));
        entree->setText(QStringLiteral("aimer"));
        QTest::keyClick(entree, Qt::Key_Return);
        QCOMPARE(ecran->findChild<QLabel*>(QStringLiteral("OptionsL"))->text().replace(u'\n', u' '),
                 QStringLiteral("négation, voix passive, autre forme"));
    }

    // A place no screen shows now, or a size below the smallest, is not
    // taken back: the window opens centred at its default size.
    void cadreRefuse_data() {
        QTest::addColumn<QRect>("cadre");
        QTest::newRow("écran disparu") << QRect(5000, 5000, 700, 500);
        QTest::newRow("à moitié dehors") << QRect(500, 300, 700, 500);
        QTest::newRow("trop petite") << QRect(10, 10, 300, 200);
        QTest::newRow("rien") << QRect();
    }
    void cadreRefuse() {
        QFETCH(QRect, cadre);
        EcritReglages({cadre, false, {}});
        const auto ecran = Ouvre();
        QCOMPARE(ecran->size(), TEcran::TailleInitiale);
        QVERIFY(Centree(*ecran));
    }

    // A kept geometry (QWidget::saveGeometry's, version 3) that puts the
    // window off every screen, or a few pixels of it, is not taken back.
    void geometrieRefusee_data() {
        QTest::addColumn<QRect>("cadre");
        QTest::newRow("immense") << QRect(-2000000000, -2000000000, 2000000000, 2000000000);
        QTest::newRow("négative") << QRect(-90000, -90000, 2, 2);
        QTest::newRow("minuscule") << QRect(100, 100, 2, 2);
    }
    void geometrieRefusee() {
        QFETCH(QRect, cadre);
        QByteArray geometrie;
        QDataStream flux(&geometrie, QIODevice::WriteOnly);
        flux.setVersion(QDataStream::Qt_4_0);
        flux << quint32(0x1D9D0CB) << quint16(3) << quint16(0) << cadre << cadre << qint32(0)
             << quint8(0) << quint8(0) << qint32(1280) << cadre;
        EcritGeometrie(geometrie);
        const auto ecran = Ouvre();
        QCOMPARE(ecran->size(), TEcran::TailleInitiale);
        QVERIFY(Centree(*ecran));
    }

    // Settings that are not a plain file: a pipe is neither read nor
    // written (opening it would block the start); through a link the
    // settings are read, but what it leads to is never replaced.
    void pasUnFichier() {
        QVERIFY(QDir().mkpath(QFileInfo(FichierReglages()).path()));
        const QByteArray tube = QFile::encodeName(FichierReglages());
        QCOMPARE(::mkfifo(tube.constData(), 0600), 0);
        {
            const auto ecran = Ouvre();
            QTest::keyClick(ecran.get(), Qt::Key_F6);
            ecran->close();
        }
        QVERIFY(!QFileInfo(FichierReglages()).isFile());
        QFile::remove(FichierReglages());

        const QString cible = QDir(Dossier->path()).filePath(QStringLiteral("cible.conf"));
        QSettings(cible, QSettings::IniFormat).setValue(QStringLiteral("options/passif"), true);
        QVERIFY(QFile::link(cible, FichierReglages()));
        QFile lu(cible);
        QVERIFY(lu.open(QIODevice::ReadOnly));
        const QByteArray avant = lu.readAll();
        lu.close();
        {
            const auto ecran = Ouvre();
            QVERIFY(ecran->Options().Passif);
            QTest::keyClick(ecran.get(), Qt::Key_F6);
            ecran->close();
        }
        QVERIFY(QFileInfo(FichierReglages()).isSymLink());
        QVERIFY(lu.open(QIODevice::ReadOnly));
        QCOMPARE(lu.readAll(), avant);
        QFile::remove(FichierReglages());
    }
};

int main(int argc, char** argv) {
    // Never the user's settings: a folder of this run's own.
    QTemporaryDir dossier;
    if (!dossier.isValid()) return 2;
    Dossier = &dossier;
    qputenv("XDG_CONFIG_HOME", dossier.path().toLocal8Bit());
    QApplication application(argc, argv);
    PrepareApplication(application);
    TestReglages test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_reglages.moc"
