// Start-up: with no usable display the program explains itself and fails
// with a status, it does not abort.
#include <QCoreApplication>
#include <QProcess>
#include <QTest>

#include "demarrage.hpp"

using namespace florimot;

class TestDemarrage : public QObject {
    Q_OBJECT

    static QProcessEnvironment SansAffichage() {
        QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
        for (const char* nom : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environnement.remove(QString::fromLatin1(nom));
        return environnement;
    }

private slots:
    void affichage_data() {
        QTest::addColumn<QString>("plateforme");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("wayland");
        QTest::addColumn<bool>("possible");
        QTest::newRow("rien") << ""
                              << ""
                              << "" << false;
        QTest::newRow("blancs seulement") << " "
                                          << " "
                                          << "" << false;
        QTest::newRow("X11") << ""
                             << ":0"
                             << "" << true;
        QTest::newRow("Wayland") << ""
                                 << ""
                                 << "wayland-0" << true;
        QTest::newRow("xcb sans DISPLAY") << "xcb"
                                          << ""
                                          << "wayland-0" << false;
        QTest::newRow("xcb avec options") << "xcb:nograb"
                                          << ":1"
                                          << "" << true;
        QTest::newRow("hors écran") << "offscreen"
                                    << ""
                                    << "" << true;
        QTest::newRow("liste, une possible") << "xcb;offscreen"
                                             << ""
                                             << "" << true;
        QTest::newRow("liste, aucune") << "xcb;;xcb"
                                       << ""
                                       << "" << false;
        QTest::newRow("wayland demandé") << "wayland"
                                         << ""
                                         << "" << true;
    }
    void affichage() {
        QFETCH(QString, plateforme);
        QFETCH(QString, display);
        QFETCH(QString, wayland);
        QFETCH(bool, possible);
        const QString raison = AffichageIndisponible({plateforme, display, wayland});
        QCOMPARE(raison.isEmpty(), possible);
    }

    void lectureDeLaLigneDeCommande() {
        qputenv("QT_QPA_PLATFORM", "xcb");
        QByteArray programme("florimot"), option("-platform"), valeur("offscreen");
        char* arguments[] = {programme.data(), option.data(), valeur.data(), nullptr};
        QCOMPARE(LitEnvironnement(3, arguments).Plateforme, QStringLiteral("offscreen"));
        QCOMPARE(LitEnvironnement(1, arguments).Plateforme, QStringLiteral("xcb"));
        qunsetenv("QT_QPA_PLATFORM");
    }

    // The real program, started without a usable display.
    void echecPropre_data() {
        QTest::addColumn<QString>("plateforme");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("message");
        QTest::newRow("aucun affichage") << ""
                                         << ""
                                         << "aucun affichage disponible";
        QTest::newRow("serveur X absent") << "xcb"
                                          << ":4242"
                                          << "impossible d'ouvrir la fenêtre";
        QTest::newRow("plateforme inconnue") << "nullepart"
                                             << ""
                                             << "impossible d'ouvrir la fenêtre";
    }
    void echecPropre() {
        QFETCH(QString, plateforme);
        QFETCH(QString, display);
        QFETCH(QString, message);
        QProcessEnvironment environnement = SansAffichage();
        if (!plateforme.isEmpty()) environnement.insert("QT_QPA_PLATFORM", plateforme);
        if (!display.isEmpty()) environnement.insert("DISPLAY", display);
        QProcess florimot;
        florimot.setProcessEnvironment(environnement);
        florimot.start(QStringLiteral(FLORIMOT_EXE), {});
        QVERIFY(florimot.waitForFinished(30000));
        QCOMPARE(florimot.exitStatus(), QProcess::NormalExit);
        QCOMPARE(florimot.exitCode(), StatutEchecDemarrage);
        const QString erreurs = QString::fromLocal8Bit(florimot.readAllStandardError());
        QVERIFY2(erreurs.contains(message), qPrintable(erreurs));
    }

    // With a display, the program starts and waits for the user.
    void demarrage() {
        QProcessEnvironment environnement = SansAffichage();
        environnement.insert("QT_QPA_PLATFORM", "offscreen");
        QProcess florimot;
        florimot.setProcessEnvironment(environnement);
        florimot.start(QStringLiteral(FLORIMOT_EXE), {});
        QVERIFY(florimot.waitForStarted());
        QVERIFY2(!florimot.waitForFinished(3000), florimot.readAllStandardError().constData());
        florimot.kill();
        QVERIFY(florimot.waitForFinished());
    }
};

QTEST_GUILESS_MAIN(TestDemarrage)
#include "test_demarrage.moc"
