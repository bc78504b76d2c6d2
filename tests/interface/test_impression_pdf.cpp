// The real printing service, writing a PDF file: the window's pages as they
// come out on paper, rasterised and looked at pixel by pixel.
#include <sys/stat.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <utility>

#include "conjugaison.hpp"
#include "dialogues_enregistres.hpp"
#include "ecran.hpp"
#include "faits.hpp"
#include "impression.hpp"
#include "pilote.hpp"

using namespace florimot;

namespace {

constexpr int Resolution = 50;  // dots per inch of the rasterised pages

// A pixel a printer would put ink on.
bool Encre(QRgb pixel) {
    return qRed(pixel) < 250 || qGreen(pixel) < 250 || qBlue(pixel) < 250;
}

// The smallest rectangle holding every inked pixel (empty if none).
QRect ZoneEncree(const QImage& page) {
    QRect zone;
    for (int y = 0; y < page.height(); ++y) {
        const auto* ligne = reinterpret_cast<const QRgb*>(page.constScanLine(y));
        for (int x = 0; x < page.width(); ++x)
            if (Encre(ligne[x])) zone |= QRect(x, y, 1, 1);
    }
    return zone;
}

QString Lance(const QString& programme, const QStringList& arguments, bool* reussi) {
    QProcess processus;
    processus.start(programme, arguments);
    *reussi = processus.waitForFinished(60000) && processus.exitStatus() == QProcess::NormalExit &&
              processus.exitCode() == 0;
    return QString::fromUtf8(processus.readAllStandardOutput());
}

}  // namespace

class TestImpressionPdf : public QObject {
    Q_OBJECT

    QTemporaryDir Dossier;

    // Conjugates `verbe` in a real window printing into `fichier`; returns
    // the boxes the window showed.
    // `touches`: options checked before printing (F5 to F8).
    QList<TDialoguesEnregistres::Boite> ImprimeFenetre(const QString& verbe, TImpression& service,
                                                       const QList<Qt::Key>& touches = {}) {
        TDialoguesEnregistres dialogues;
        TEcran ecran(dialogues);
        ecran.AttacheImpression(&service);
        ecran.show();
        if (!QTest::qWaitForWindowExposed(&ecran)) qFatal("fenêtre non affichée");
        auto* entree = ecran.findChild<QLineEdit*>(QStringLiteral("Verbe"));
        entree->setFocus();
        QTest::keyClick(entree, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(entree, verbe);
        QTest::keyClick(entree, Qt::Key_Return);
        for (const Qt::Key touche : touches) QTest::keyClick(&ecran, touche);
        QTest::keyClick(&ecran, Qt::Key_P, Qt::ControlModifier);
        if (!entree->isVisible() || QApplication::focusWidget() != entree)
            qFatal("fenêtre non rétablie après l'impression");
        return dialogues.Boites;
    }

    // Conjugates `verbe` in a real window and saves it with Ctrl+S.
    static void Enregistre(TDialoguesEnregistres& dialogues, const QString& verbe) {
        TEcran ecran(dialogues);
        ecran.show();
        if (!QTest::qWaitForWindowExposed(&ecran)) qFatal("fenêtre non affichée");
        auto* entree = ecran.findChild<QLineEdit*>(QStringLiteral("Verbe"));
        entree->setFocus();
        QTest::keyClick(entree, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(entree, verbe);
        QTest::keyClick(entree, Qt::Key_Return);
        QTest::keyClick(&ecran, Qt::Key_S, Qt::ControlModifier);
    }

    // Ctrl+S into `pdf` shows one error box saying `raison`, and writes
    // nothing where `pdf` leads.
    void EchoueSans(const QString& pdf, const QString& raison) {
        TDialoguesEnregistres dialogues;
        dialogues.Fichier = pdf;
        Enregistre(dialogues, QStringLiteral("parler"));
        QCOMPARE(dialogues.Boites.size(), 1);
        QVERIFY(dialogues.Boites.front().Genre == TDialogues::TIcone::Erreur);
        QVERIFY2(dialogues.Boites.front().Texte.contains(raison),
                 qPrintable(dialogues.Boites.front().Texte));
        const QFileInfo cible(QFileInfo(pdf).canonicalFilePath());
        QVERIFY(!cible.isFile() || cible.size() == 0);
    }

    static QByteArray Contenu(const QString& chemin) {
        QFile f(chemin);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void initTestCase() {
        QVERIFY(Dossier.isValid());
        // No print server here: the tests do not depend on the machine's
        // printers, and the case of a machine without any is covered.
        qputenv("CUPS_SERVER", Dossier.filePath(QStringLiteral("aucun-serveur")).toLocal8Bit());
    }

    // No printer at all: the box says so and the window is back as before.
    void sansImprimante() {
        TImpressionQt service;
        const auto boites = ImprimeFenetre(QStringLiteral("parler"), service);
        QCOMPARE(boites.size(), 1);
        QCOMPARE(boites.front().Texte,
                 QStringLiteral("Aucune imprimante n'est installée : impression impossible."));
        QCOMPARE(boites.front().Titre, QStringLiteral("Florimot"));
        QVERIFY(boites.front().Genre == TDialogues::TIcone::Erreur);
        // The same box offers the PDF instead.
        QCOMPARE(boites.front().Action, QStringLiteral("Enregistrer en PDF (Ctrl+S)"));
        QVERIFY(!service.EnCours());
    }

    // « parler » fits one sheet at the type size two would give it.
    void uneFeuilleSurToutLaFeuille() {
        for (const char* outil : {"pdfinfo", "pdftoppm", "pdftotext"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(outil)).isEmpty())
                QSKIP("poppler-utils absent (pdfinfo, pdftoppm, pdftotext)");
        const QString pdf = Dossier.filePath(QStringLiteral("parler.pdf"));
        TImpressionQt service(pdf);
        QVERIFY(ImprimeFenetre(QStringLiteral("parler"), service).isEmpty());
        QVERIFY(QFile::exists(pdf));
        // For a person to look at.
        const QString garde = qEnvironmentVariable("FLORIMOT_PAGES_IMPRIMEES");
        if (!garde.isEmpty()) {
            QFile::remove(QDir(garde).filePath(QStringLiteral("impression.pdf")));
            QFile::copy(pdf, QDir(garde).filePath(QStringLiteral("impression.pdf")));
        }

        bool reussi = false;
        const QString info = Lance(QStringLiteral("pdfinfo"), {pdf}, &reussi);
        QVERIFY(reussi);
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("^Pages:\\s+1$"),
                                                  QRegularExpression::MultilineOption)),
                 qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("Florimot du verbe parler")), qPrintable(info));

        // The widgets were drawn at the printer's resolution: their text is
        // in the document as text, every page's tenses on the one sheet.
        for (int p = 1; p <= 3; ++p) {
            const QString texte =
                Lance(QStringLiteral("pdftotext"),
                      {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                       QStringLiteral("1"), pdf, QStringLiteral("-")},
                      &reussi);
            QVERIFY(reussi);
            const QStringList attendus[] = {
                {"parler", "Groupe : 1", "je parle", "nous parlons", "que je parle",
                 "Plus-que-Parfait"},
                {"parlerais", "Participe Présent", "parlant", "parlons"},
                {"avoir parlé", "parlées", "ayant parlé", "Gérondif", "en parlant"}};
            for (const QString& attendu : attendus[p - 1])
                QVERIFY2(texte.contains(attendu),
                         qPrintable(QStringLiteral("page %1 : « %2 » absent de :\n%3")
                                        .arg(p)
                                        .arg(attendu, texte)));
        }

        const QString prefixe = Dossier.filePath(QStringLiteral("page"));
        Lance(QStringLiteral("pdftoppm"),
              {QStringLiteral("-r"), QString::number(Resolution), QStringLiteral("-png"), pdf,
               prefixe},
              &reussi);
        QVERIFY(reussi);

        // Where the printable area lies on the sheet, for the same printer.
        QPrinter modele(QPrinter::HighResolution);
        modele.setOutputFormat(QPrinter::PdfFormat);
        const QRectF imprimable = modele.pageLayout().paintRectPoints();
        const double echelle = Resolution / 72.0;
        const QRect attendu(qRound(imprimable.left() * echelle), qRound(imprimable.top() * echelle),
                            qRound(imprimable.width() * echelle),
                            qRound(imprimable.height() * echelle));

        if (!garde.isEmpty()) {
            for (int p = 0; p < 1; ++p)
                QImage(prefixe + QStringLiteral("-%1.png").arg(p + 1))
                    .save(QDir(garde).filePath(QStringLiteral("impression-page%1.png").arg(p + 1)));
        }
        QImage pages[1];
        for (int p = 0; p < 1; ++p) {
            pages[p] = QImage(prefixe + QStringLiteral("-%1.png").arg(p + 1))
                           .convertToFormat(QImage::Format_RGB32);
            QVERIFY(!pages[p].isNull());
            const QRect zone = ZoneEncree(pages[p]);
            // Ink within the printable area, over nearly all of its width and
            // height: the groups' frames reach the sheet's bottom margin.
            const QString message =
                QStringLiteral("page %1 : encre %2,%3 %4x%5, attendu %6,%7 %8x%9")
                    .arg(p + 1)
                    .arg(zone.x())
                    .arg(zone.y())
                    .arg(zone.width())
                    .arg(zone.height())
                    .arg(attendu.x())
                    .arg(attendu.y())
                    .arg(attendu.width())
                    .arg(attendu.height());
            QVERIFY2(!zone.isEmpty(), qPrintable(message));
            QVERIFY2(attendu.adjusted(-2, -2, 2, 2).contains(zone), qPrintable(message));
            QVERIFY2(zone.width() * 10 >= attendu.width() * 9, qPrintable(message));
            QVERIFY2(zone.height() * 10 >= attendu.height() * 9, qPrintable(message));
        }
    }

    // One type size over the whole print: every word's box within a tenth
    // of the median height of all of them, the participle's too; the verb
    // on two sheets at most; every line of its grid whole in the text.
    void uneTailleDeType_data() {
        QTest::addColumn<QString>("verbe");
        QTest::addColumn<QList<Qt::Key>>("touches");
        QTest::newRow("s'asseoir, féminin, négation")
            << "s'asseoir" << QList<Qt::Key>{Qt::Key_F5, Qt::Key_F6};
        QTest::newRow("finir") << "finir" << QList<Qt::Key>{};
        QTest::newRow("se souvenir, négation, interrogation")
            << "se souvenir" << QList<Qt::Key>{Qt::Key_F6, Qt::Key_F7};
    }
    void uneTailleDeType() {
        QFETCH(QString, verbe);
        QFETCH(QList<Qt::Key>, touches);
        for (const char* outil : {"pdfinfo", "pdftotext"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(outil)).isEmpty())
                QSKIP("poppler-utils absent (pdfinfo, pdftotext)");
        const QString pdf = Dossier.filePath(verbe + QStringLiteral("-taille.pdf"));
        TImpressionQt service(pdf);
        QVERIFY(ImprimeFenetre(verbe, service, touches).isEmpty());
        if (const QString garde = qEnvironmentVariable("FLORIMOT_PAGES_IMPRIMEES");
            !garde.isEmpty())
            QFile::copy(pdf, QDir(garde).filePath(QFileInfo(pdf).fileName()));
        bool reussi = false;
        const QString boites = Lance(QStringLiteral("pdftotext"),
                                     {QStringLiteral("-bbox"), pdf, QStringLiteral("-")}, &reussi);
        QVERIFY(reussi);
        const QRegularExpression mot(
            QStringLiteral("<word xMin=\"[0-9.]+\" yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" "
                           "yMax=\"([0-9.]+)\">([^<]*)<"));
        QList<std::pair<double, QString>> hauteurs;
        for (auto m = mot.globalMatch(boites); m.hasNext();) {
            const auto t = m.next();
            hauteurs.append({t.captured(2).toDouble() - t.captured(1).toDouble(), t.captured(3)});
        }
        QVERIFY(hauteurs.size() > 300);
        const qsizetype feuilles = boites.count(QStringLiteral("<page "));
        QVERIFY2(feuilles >= 1 && feuilles <= 2, qPrintable(QString::number(feuilles)));
        QList<double> triees;
        for (const auto& h : hauteurs) triees.append(h.first);
        std::sort(triees.begin(), triees.end());
        const double mediane = triees[triees.size() / 2];
        for (const auto& [hauteur, texte] : hauteurs)
            QVERIFY2(std::abs(hauteur - mediane) <= mediane / 10,
                     qPrintable(QStringLiteral("« %1 » : %2 pt, médiane %3 pt")
                                    .arg(texte)
                                    .arg(hauteur)
                                    .arg(mediane)));
        const QString texte = Lance(QStringLiteral("pdftotext"),
                                    {QStringLiteral("-layout"), pdf, QStringLiteral("-")}, &reussi)
                                  .normalized(QString::NormalizationForm_KC)  // the « ﬁ » ligature
                                  .replace(QChar(0x00A0), u' ');
        TVerbe v;
        v.DefinitVerbe(verbe.toStdString());
        TOptions options;
        for (const Qt::Key touche : touches)
            Active(options, DescriptionsOptions[std::size_t(touche - Qt::Key_F5)]);
        const TLignesGrille grille = ConjugueGrille(v, options, PrepareVerbe(v));
        for (std::size_t i = 0; i < grille.size(); ++i) {
            const QString l = QString::fromUtf8(grille[i]).replace(QChar(0x00A0), u' ');
            QVERIFY2(l == u'-' || texte.contains(l),
                     qPrintable(l + QStringLiteral(" :\n") + texte));
        }
        QVERIFY(!texte.contains(u'…'));
    }

    // A file that cannot be written: the box says so, nothing is left behind.
    // The sheet a teacher hands out: every line whole in the document's
    // text, option or not. A picture of page 1 of « se lever » with the
    // négation when FLORIMOT_PAGES_IMPRIMEES names a folder.
    void lignesEntieres_data() {
        QTest::addColumn<QString>("verbe");
        QTest::addColumn<QList<Qt::Key>>("touches");
        QTest::addColumn<QStringList>("lignes");
        QTest::newRow("se lever, négation")
            << "se lever" << QList<Qt::Key>{Qt::Key_F6}
            << QStringList{"nous ne nous sommes pas levés", "nous ne nous étions pas levés",
                           "que nous ne nous fussions pas levés", "nous ne nous serions pas levés"};
        QTest::newRow("se souvenir, négation, interrogation")
            << "se souvenir" << QList<Qt::Key>{Qt::Key_F6, Qt::Key_F7}
            << QStringList{"ne nous fussions-nous pas souvenus ?",
                           "ne nous serions-nous pas souvenus ?"};
    }
    void lignesEntieres() {
        QFETCH(QString, verbe);
        QFETCH(QList<Qt::Key>, touches);
        QFETCH(QStringList, lignes);
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("poppler-utils absent (pdftotext)");
        const QString pdf = Dossier.filePath(verbe + QStringLiteral(".pdf"));
        TImpressionQt service(pdf);
        QVERIFY(ImprimeFenetre(verbe, service, touches).isEmpty());
        bool reussi = false;
        // The space before « ? » is a no-break one.
        const QString texte = Lance(QStringLiteral("pdftotext"),
                                    {QStringLiteral("-layout"), pdf, QStringLiteral("-")}, &reussi)
                                  .replace(QChar(0x00A0), u' ');
        QVERIFY(reussi);
        for (const QString& ligne : lignes)
            QVERIFY2(texte.contains(ligne), qPrintable(ligne + QStringLiteral(" :\n") + texte));
        QVERIFY(!texte.contains(u'…'));
        const QString garde = qEnvironmentVariable("FLORIMOT_PAGES_IMPRIMEES");
        if (!garde.isEmpty() && verbe == QStringLiteral("se lever"))
            Lance(QStringLiteral("pdftoppm"),
                  {QStringLiteral("-r"), QStringLiteral("60"), QStringLiteral("-png"),
                   QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                   QStringLiteral("1"), QStringLiteral("-singlefile"), pdf,
                   QDir(garde).filePath(QStringLiteral("impression-se-lever"))},
                  &reussi);
    }

    void fichierImpossible() {
        const QString pdf = Dossier.filePath(QStringLiteral("absent/parler.pdf"));
        TImpressionQt service(pdf);
        const auto boites = ImprimeFenetre(QStringLiteral("parler"), service);
        QCOMPARE(boites.size(), 1);
        QCOMPARE(boites.front().Titre, QStringLiteral("Florimot"));
        QVERIFY(boites.front().Genre == TDialogues::TIcone::Erreur);
        QVERIFY2(boites.front().Texte.contains(QStringLiteral("ne peut pas être écrit")),
                 qPrintable(boites.front().Texte));
        QVERIFY(!service.EnCours());
        QVERIFY(!QFile::exists(pdf));
    }

    // The real error box: modal, titled "Florimot", with the error icon and
    // a single OK; behind it the window is already back as before.
    void vraieBoiteErreur() {
        const QString pdf = Dossier.filePath(QStringLiteral("absent/boite.pdf"));
        TImpressionQt service(pdf);
        TDialoguesQt dialogues;
        TEcran ecran(dialogues);
        ecran.AttacheImpression(&service);
        ecran.show();
        ecran.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&ecran));
        auto* entree = ecran.findChild<QLineEdit*>(QStringLiteral("Verbe"));
        QMessageBox::Icon icone = QMessageBox::NoIcon;
        QString titre, texte;
        bool entreeVisible = false;
        qsizetype boutons = 0;
        pilote::QuandBoite([&](QMessageBox* boite) {
            icone = boite->icon();
            titre = boite->windowTitle();
            texte = boite->text();
            boutons = boite->buttons().size();
            entreeVisible = entree->isVisible();
            boite->button(QMessageBox::Ok)->click();
        });
        QTimer::singleShot(10000, [] {
            if (auto* boite = QApplication::activeModalWidget()) boite->close();
        });
        ecran.Imprimer1Click();
        QCOMPARE(icone, QMessageBox::Critical);
        QCOMPARE(titre, QStringLiteral("Florimot"));
        QVERIFY2(texte.contains(QStringLiteral("ne peut pas être écrit")), qPrintable(texte));
        QCOMPARE(boutons, qsizetype(1));
        QVERIFY(entreeVisible);
        // The keyboard goes back to the entry when the window is active again
        // (the offscreen platform does not reactivate it by itself).
        QCOMPARE(ecran.focusWidget(), entree);
    }

    // "Enregistrer en PDF…" (Ctrl+S): the name is asked for, the verb's in
    // the documents folder offered, ".pdf" added when missing; the file
    // holds the same two pages as paper, its text as text.
    void enregistrerEnPdf_data() {
        QTest::addColumn<QString>("reponse");
        QTest::addColumn<QString>("fichier");
        QTest::newRow("avec .pdf") << "copie.pdf"
                                   << "copie.pdf";
        QTest::newRow("sans suffixe") << "conjugaison"
                                      << "conjugaison.pdf";
        QTest::newRow("suffixe en capitales") << "GRAND.PDF"
                                              << "GRAND.PDF";
    }
    void enregistrerEnPdf() {
        QFETCH(QString, reponse);
        QFETCH(QString, fichier);
        for (const char* outil : {"pdfinfo", "pdftotext"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(outil)).isEmpty())
                QSKIP("poppler-utils absent (pdfinfo, pdftotext)");
        TDialoguesEnregistres dialogues;
        dialogues.Fichier = Dossier.filePath(reponse);
        Enregistre(dialogues, QStringLiteral("parler"));
        QVERIFY(dialogues.Boites.isEmpty());
        QCOMPARE(dialogues.Fichiers.size(), 1);
        QCOMPARE(QFileInfo(dialogues.Fichiers.front()[0]).fileName(), QStringLiteral("parler.pdf"));
        QCOMPARE(dialogues.Fichiers.front()[1], QStringLiteral("Enregistrer en PDF"));
        const QString pdf = Dossier.filePath(fichier);
        QVERIFY(QFile::exists(pdf));
        bool reussi = false;
        const QString info = Lance(QStringLiteral("pdfinfo"), {pdf}, &reussi);
        QVERIFY(reussi);
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("^Pages:\\s+1$"),
                                                  QRegularExpression::MultilineOption)),
                 qPrintable(info));
        const QString texte =
            Lance(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}, &reussi);
        QVERIFY(reussi);
        for (const char* forme : {"je parle", "nous parlons", "que nous parlions", "parlant"})
            QVERIFY2(texte.contains(QString::fromUtf8(forme)), forme);
    }

    // A file that cannot be written is reported in an error box, as a
    // printing failure is; giving up in the dialog writes nothing, says nothing.
    void enregistrerImpossible_data() {
        QTest::addColumn<QString>("reponse");
        QTest::addColumn<bool>("boite");
        QTest::newRow("dossier absent") << "absent/parler.pdf" << true;
        QTest::newRow("abandon") << "" << false;
    }
    void enregistrerImpossible() {
        QFETCH(QString, reponse);
        QFETCH(bool, boite);
        // The box says it; standard error stays quiet, but for the notices of
        // the offscreen platform, which cannot raise the entry's list of verbs.
        QTest::failOnWarning(QRegularExpression(
            QStringLiteral("^(?!This plugin does not support (raise|grabbing))")));
        TDialoguesEnregistres dialogues;
        if (!reponse.isEmpty()) dialogues.Fichier = Dossier.filePath(reponse);
        const QStringList avant = QDir(Dossier.path()).entryList(QDir::Files);
        Enregistre(dialogues, QStringLiteral("parler"));
        QCOMPARE(dialogues.Fichiers.size(), 1);
        QCOMPARE(dialogues.Boites.size(), boite ? 1 : 0);
        if (boite) {
            QCOMPARE(dialogues.Boites.front().Titre, QStringLiteral("Florimot"));
            QVERIFY(dialogues.Boites.front().Genre == TDialogues::TIcone::Erreur);
            QVERIFY2(
                dialogues.Boites.front().Texte.contains(QStringLiteral("ne peut pas être écrit")),
                qPrintable(dialogues.Boites.front().Texte));
            QVERIFY(!QFile::exists(dialogues.Fichier));
        }
        QCOMPARE(QDir(Dossier.path()).entryList(QDir::Files), avant);
    }

    // The name offered is the verb as people write it.
    void nomPropose_data() {
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QString>("propose");
        QTest::newRow("se lever") << "se lever"
                                  << "se lever.pdf";
        QTest::newRow("se asseoir") << "se asseoir"
                                    << "s'asseoir.pdf";
        QTest::newRow("s'en aller") << "s'en aller"
                                    << "s'en aller.pdf";
    }
    // The options in force name the file too.
    void nomAvecOptions() {
        TDialoguesEnregistres dialogues;
        TEcran ecran(dialogues);
        ecran.show();
        auto* entree = ecran.findChild<QLineEdit*>(QStringLiteral("Verbe"));
        entree->setText(QStringLiteral("s'asseoir"));
        ecran.ConjugueClick();
        for (const char* commande : {"Feminin1", "Negation1", "EnregistrerPdf1"})
            ecran.findChild<QAction*>(QString::fromLatin1(commande))->trigger();
        QCOMPARE(dialogues.Fichiers.size(), 1);
        QCOMPARE(QFileInfo(dialogues.Fichiers.front()[0]).fileName(),
                 QStringLiteral("s'asseoir (féminin, négation).pdf"));
    }

    // The preview draws the print's sheets on the printer it is given.
    void apercu() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            QSKIP("poppler-utils absent (pdfinfo)");
        TDialoguesEnregistres dialogues;
        dialogues.ApercuDans = Dossier.filePath(QStringLiteral("apercu.pdf"));
        TEcran ecran(dialogues);
        ecran.show();
        ecran.findChild<QLineEdit*>(QStringLiteral("Verbe"))->setText(QStringLiteral("finir"));
        ecran.ConjugueClick();
        ecran.findChild<QAction*>(QStringLiteral("Apercu1"))->trigger();
        QCOMPARE(dialogues.Apercus, 1);
        QVERIFY(dialogues.Boites.isEmpty());
        bool reussi = false;
        const QString info = Lance(QStringLiteral("pdfinfo"), {dialogues.ApercuDans}, &reussi);
        QVERIFY2(reussi && info.contains(QRegularExpression(QStringLiteral("^Pages:\\s+[12]$"),
                                                            QRegularExpression::MultilineOption)),
                 qPrintable(info));
    }
    void nomPropose() {
        QFETCH(QString, tape);
        QFETCH(QString, propose);
        TDialoguesEnregistres dialogues;
        Enregistre(dialogues, tape);
        QCOMPARE(dialogues.Fichiers.size(), 1);
        QCOMPARE(QFileInfo(dialogues.Fichiers.front()[0]).fileName(), propose);
    }

    // The service itself: one job at a time, pages only inside a job.
    void unTravailALaFois() {
        const QString pdf = Dossier.filePath(QStringLiteral("seul.pdf"));
        TImpressionQt service(pdf);
        QVERIFY(!service.TaillePage().isEmpty());
        QVERIFY(!service.NouvellePage());
        QVERIFY(service.Commence(QStringLiteral("un")));
        QVERIFY(!service.Commence(QStringLiteral("deux")));
        QCOMPARE(service.Erreur(), QStringLiteral("Une impression est déjà en cours."));
        QVERIFY(service.EnCours());
        QVERIFY(service.Termine());
        QVERIFY(!service.EnCours());
        QVERIFY(QFile::exists(pdf));
        // A dropped job leaves no half document, nor harms the whole one
        // an earlier job wrote there.
        const QByteArray avant = Contenu(pdf);
        QVERIFY(service.Commence(QStringLiteral("trois")));
        service.Abandonne();
        QVERIFY(!service.EnCours());
        QCOMPARE(Contenu(pdf), avant);
        QCOMPARE(QDir(Dossier.path()).entryList({QStringLiteral("seul*")}, QDir::Files),
                 QStringList{QStringLiteral("seul.pdf")});
    }

    // Where a PDF cannot go whole: the error box, and nothing left behind.
    // A device or a pipe (behind a link or not) is refused before anything
    // is written; a full disk, in disquePlein, once the writes fail.
    void cibleImpossible_data() {
        QTest::addColumn<QString>("cible");
        QTest::newRow("lien vers /dev/full") << "/dev/full";
        QTest::newRow("tube") << "";
    }
    void cibleImpossible() {
        QFETCH(QString, cible);
        const QString pdf = Dossier.filePath(QStringLiteral("cible.pdf"));
        QFile::remove(pdf);
        if (cible.isEmpty())
            QCOMPARE(::mkfifo(QFile::encodeName(pdf).constData(), 0600), 0);
        else
            QVERIFY(QFile::link(cible, pdf));
        EchoueSans(pdf, QStringLiteral("ce n'est pas un fichier ordinaire"));
        QFile::remove(pdf);
    }

    // Run as root in a mount namespace of its own on a 64 KiB tmpfs
    // (disque_plein.sh): left 0, 8 or 16 KiB, each too few for the PDF.
    void disquePlein() {
        const QString plein = qEnvironmentVariable("FLORIMOT_DISQUE_PLEIN");
        if (plein.isEmpty())
            QSKIP("needs a small tmpfs of its own: run by interface.impression.pdf.plein, as root");
        for (const qint64 libre : {0, 8 << 10, 16 << 10}) {
            QFile remplissage(QDir(plein).filePath(QStringLiteral("remplissage")));
            QVERIFY(remplissage.open(QIODevice::WriteOnly | QIODevice::Truncate));
            const QByteArray bloc(4096, 'x');
            while (remplissage.write(bloc) == bloc.size() && remplissage.flush()) {
            }
            remplissage.close();
            QVERIFY(remplissage.resize(std::max<qint64>(0, remplissage.size() - libre)));
            const QString pdf = QDir(plein).filePath(QStringLiteral("parler.pdf"));
            EchoueSans(pdf, QStringLiteral("ne peut pas être écrit"));
            QVERIFY(!QFile::exists(pdf));
            // A link from elsewhere to the full disk fails alike.
            const QString lien = Dossier.filePath(QStringLiteral("lien.pdf"));
            QFile::remove(lien);
            QVERIFY(QFile::link(pdf, lien));
            EchoueSans(lien, QStringLiteral("ne peut pas être écrit"));
            QFile::remove(lien);
            QCOMPARE(QDir(plein).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
                     QStringList{QStringLiteral("remplissage")});
        }
    }
};

QTEST_MAIN(TestImpressionPdf)
#include "test_impression_pdf.moc"
