// The practice panel and the worksheet dialog, offscreen: answers checked,
// the list of items missed, the choices kept, the PDF read back.
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "choix_exercices.hpp"
#include "dialogues_enregistres.hpp"
#include "ecran.hpp"
#include "entrainement.hpp"
#include "fiche_exercices.hpp"
#include "impression_enregistree.hpp"
#include "pilote.hpp"
#include "textes_fiche.hpp"

using namespace florimot;
using pilote::Composant;

namespace {

// One item: (finir, passé simple) at `personne`.
void UnItem(int personne, bool indulgent = false) {
    TReglagesExercices r;
    r.Verbes = QStringLiteral("finir");
    r.Choix.Temps = {4};
    r.Choix.Personnes = {personne};
    r.Choix.Nombre = 1;
    r.Indulgent = indulgent;
    EcritReglagesExercices(r);
}

QString Sortie(const QString& programme, const QStringList& arguments) {
    QProcess p;
    p.start(programme, arguments);
    if (!p.waitForFinished(60000) || p.exitCode() != 0) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Text as compared: ligatures (ﬁ) as their letters, one blank between words.
QString Reduit(const QString& s) {
    return s.normalized(QString::NormalizationForm_KC).simplified();
}

}  // namespace

class TestExercices : public QObject {
    Q_OBJECT

    TDialoguesEnregistres Dialogues;

    // Types `reponse` in the panel and presses Enter; the remark shown.
    static QString Repond(TEntrainement& panneau, const QString& reponse) {
        auto* champ = Composant<QLineEdit>(&panneau, "ReponseEntrainement");
        pilote::Tape(champ, reponse);
        QTest::keyClick(champ, Qt::Key_Return);
        return Composant<QLabel>(&panneau, "RemarqueEntrainement")->text();
    }

private slots:
    void ouvertParLeMenu() {
        TEcran ecran(Dialogues);
        ecran.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ecran));
        QTest::keyClick(&ecran, Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
        auto* panneau = ecran.findChild<TEntrainement*>();
        QVERIFY(panneau != nullptr && panneau->isVisible());
        QTest::keyClick(&ecran, Qt::Key_E, Qt::ControlModifier);
        auto* fiche = ecran.findChild<TFicheExercices*>();
        QVERIFY(fiche != nullptr && fiche->isVisible());
        // Closing the window with both open asks nothing.
        ecran.close();
        QVERIFY(Dialogues.Boites.isEmpty());
    }

    void reponseJuste() {
        UnItem(4);
        TEntrainement panneau(Dialogues, nullptr);
        QCOMPARE(Composant<QLabel>(&panneau, "EnonceEntrainement")->text(),
                 QStringLiteral("1/1  (finir, passé simple) Nous ____________ ."));
        QCOMPARE(Repond(panneau, QStringLiteral("finîmes")), QStringLiteral("Juste !"));
        QCOMPARE(Composant<QLabel>(&panneau, "ScoreEntrainement")->text(),
                 QStringLiteral("Score : 1 sur 1"));
    }

    void mauvaisTemps() {
        UnItem(3);
        TEntrainement panneau(Dialogues, nullptr);
        QCOMPARE(Repond(panneau, QStringLiteral("finissait")),
                 QStringLiteral("finissait : c'est l'imparfait, 3e personne du singulier ; au "
                                "passé simple, il finit"));
        QCOMPARE(panneau.Justes(), 0);
    }

    void accentManquant_data() {
        QTest::addColumn<bool>("indulgent");
        QTest::addColumn<QString>("remarque");
        QTest::addColumn<int>("justes");
        QTest::newRow("strict") << false
                                << QStringLiteral("il manque l'accent circonflexe : nous finîmes")
                                << 0;
        QTest::newRow("indulgent")
            << true << QStringLiteral("Juste, mais il manque l'accent circonflexe : nous finîmes")
            << 1;
    }
    void accentManquant() {
        QFETCH(bool, indulgent);
        UnItem(4, !indulgent);
        TEntrainement panneau(Dialogues, nullptr);
        auto* coche = Composant<QCheckBox>(&panneau, "IndulgentEntrainement");
        QCOMPARE(coche->isChecked(), !indulgent);  // as the settings left it
        coche->setChecked(indulgent);
        QTEST(Repond(panneau, QStringLiteral("finimes")), "remarque");
        QTEST(panneau.Justes(), "justes");
    }

    void listeFinale() {
        TReglagesExercices r;
        r.Verbes = QStringLiteral("finir");
        r.Choix.Temps = {4};
        r.Choix.Personnes = {3, 4};
        r.Choix.Nombre = 2;
        EcritReglagesExercices(r);
        TImpressionEnregistree imprimante;
        imprimante.Releve = [](QWidget& page) {
            QStringList textes;
            for (const QLabel* l : page.findChildren<QLabel*>()) textes << l->text();
            return textes;
        };
        TEntrainement panneau(Dialogues, &imprimante);
        auto* champ = Composant<QLineEdit>(&panneau, "ReponseEntrainement");
        for (int i = 0; i < 2; ++i) {
            Repond(panneau, QStringLiteral("finissions"));
            QTest::keyClick(champ, Qt::Key_Return);  // on to the next
        }
        auto* liste = Composant<QPlainTextEdit>(&panneau, "ManquesEntrainement");
        QVERIFY(liste->isVisible() || !panneau.isVisible());
        const QString texte = liste->toPlainText();
        QVERIFY2(texte.startsWith(QStringLiteral("Score : 0 sur 2\n")), qPrintable(texte));
        QVERIFY2(texte.contains(QStringLiteral("écrit : « finissions » — réponse : il finit")),
                 qPrintable(texte));
        QVERIFY2(texte.contains(QStringLiteral("réponse : nous finîmes")), qPrintable(texte));

        // The list printed: one page, both items on it.
        Composant<QPushButton>(&panneau, "ImprimerManques")->click();
        QCOMPARE(imprimante.Travaux.size(), 1);
        QVERIFY(imprimante.Travaux[0].Termine);
        QCOMPARE(imprimante.Travaux[0].Pages.size(), 1);
        const QString page = imprimante.Travaux[0].Pages[0][0].Releve.join(u'\n');
        QVERIFY2(page.contains(QStringLiteral("1. ")) && page.contains(QStringLiteral("2. ")) &&
                     page.contains(QStringLiteral("nous finîmes")),
                 qPrintable(page));
        // A printer that fails says so in a box.
        imprimante.Panne = TImpressionEnregistree::TEtape::Commence;
        const qsizetype boites = Dialogues.Boites.size();
        Composant<QPushButton>(&panneau, "ImprimerManques")->click();
        QCOMPARE(Dialogues.Boites.size(), boites + 1);
        QCOMPARE(Dialogues.Boites.last().Texte, QStringLiteral("pas de travail"));
    }

    void ficheGardeSesChoix() {
        UnItem(4);
        {
            TFicheExercices fiche(Dialogues, nullptr);
            Composant<QSpinBox>(&fiche, "NombreExercices")->setValue(7);
            Composant<QPlainTextEdit>(&fiche, "VerbesExercices")
                ->setPlainText(QStringLiteral("finir, payer"));
            fiche.reject();
        }
        TFicheExercices fiche(Dialogues, nullptr);
        QCOMPARE(Composant<QSpinBox>(&fiche, "NombreExercices")->value(), 7);
        QCOMPARE(fiche.Fiche().Items.size(), 2u);  // finir and payer at nous
        QCOMPARE(fiche.NombrePagesApercu(), 2);
    }

    void ficheImprimee() {
        UnItem(4);
        TImpressionEnregistree imprimante;
        imprimante.Releve = [](QWidget& page) {
            QStringList textes;
            for (const QLabel* l : page.findChildren<QLabel*>()) textes << l->text();
            return textes;
        };
        TFicheExercices fiche(Dialogues, &imprimante);
        fiche.Imprime();
        QCOMPARE(imprimante.Travaux.size(), 1);
        const auto& travail = imprimante.Travaux[0];
        QVERIFY(travail.Termine);
        QCOMPARE(travail.Nom, QStringLiteral("Florimot, fiche d'exercices (graine 1)"));
        QCOMPARE(travail.Pages.size(), 2);
        // Each page drawn over the whole sheet, in its proportions.
        const QRect zone = travail.Pages[0][0].Zone;
        QCOMPARE(travail.Pages[0][0].Destination, QRect(QPoint(0, 0), imprimante.Page));
        QVERIFY(qAbs(double(zone.height()) / zone.width() - 6600.0 / 4800.0) < 0.01);
        const QStringList feuille = travail.Pages[0][0].Releve, cle = travail.Pages[1][0].Releve;
        QCOMPARE(feuille.first(), QStringLiteral("Fiche d'exercices"));
        QVERIFY(feuille.contains(QStringLiteral("1. (finir, passé simple) Nous ____________ .")));
        QCOMPARE(cle.first(), QStringLiteral("Corrigé"));
        QVERIFY(cle.contains(QStringLiteral("1. nous finîmes")));
    }

    // Every item and its answer on the PDF's pages, the key on a page of
    // its own, nothing outside the page.
    void pdfRelu() {
        for (const char* outil : {"pdfinfo", "pdftotext", "pdftoppm"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(outil)).isEmpty())
                QSKIP("poppler-utils absent");
        TReglagesExercices r;
        r.Verbes = QStringLiteral("finir\npayer\nse lever\nconnaître\nneiger\naller");
        r.Choix.Nombre = 24;
        r.Choix.Graine = 4242;
        r.Choix.Options.Rectifiee = true;
        EcritReglagesExercices(r);
        QTemporaryDir dossier;
        const QString fichier = dossier.filePath(QStringLiteral("fiche.pdf"));
        Dialogues.Fichier = fichier;
        TFicheExercices fiche(Dialogues, nullptr);
        fiche.EnregistrePdf();
        QVERIFY(QFileInfo::exists(fichier));
        const QString info = Sortie(QStringLiteral("pdfinfo"), {fichier});
        const QRegularExpressionMatch pages =
            QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)\\n")).match(info);
        QVERIFY2(pages.hasMatch(), qPrintable(info));
        const int nombre = pages.captured(1).toInt();
        const auto page = [&](int n) {
            return Reduit(Sortie(QStringLiteral("pdftotext"),
                                 {QStringLiteral("-f"), QString::number(n), QStringLiteral("-l"),
                                  QString::number(n), fichier, QStringLiteral("-")}));
        };
        // The sheet's pages, then the key's, each page headed and seeded.
        QString feuille, corrige;
        for (int n = 1; n <= nombre; ++n) {
            const QString texte = page(n);
            QVERIFY2(texte.contains(QStringLiteral("graine 4242")), qPrintable(texte));
            const bool cle = texte.startsWith(QStringLiteral("Corrigé"));
            QVERIFY(cle || texte.startsWith(QStringLiteral("Fiche d'exercices")));
            QVERIFY(cle || corrige.isEmpty());
            (cle ? corrige : feuille) += texte + u' ';
        }
        QVERIFY(!feuille.isEmpty() && !corrige.isEmpty());
        const TFiche f = fiche.Fiche();
        QCOMPARE(f.Items.size(), 24u);
        for (std::size_t i = 0; i < f.Items.size(); ++i) {
            const QString n = QString::number(i + 1) + QStringLiteral(". ");
            const QString enonce = QString::fromStdString(Enonce(f.Items[i], f.Choix.Genre)[0]);
            const QString reponse = QString::fromStdString(Corrige(f.Items[i]));
            QVERIFY2(feuille.contains(Reduit(n + enonce)), qPrintable(n + enonce));
            QVERIFY2(!feuille.contains(Reduit(reponse)) || reponse.size() < 8, qPrintable(reponse));
            QVERIFY2(corrige.contains(Reduit(n + reponse)), qPrintable(n + reponse));
        }
        // Nothing cut: the ink keeps off each page's edges.
        Sortie(QStringLiteral("pdftoppm"),
               {QStringLiteral("-r"), QStringLiteral("40"), QStringLiteral("-png"), fichier,
                dossier.filePath(QStringLiteral("p"))});
        for (int n = 1; n <= nombre; ++n) {
            const QString png = dossier.filePath(QStringLiteral("p-%1.png").arg(n));
            const QImage image(png);
            QVERIFY(!image.isNull());
            QRect encre;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (qGray(image.pixel(x, y)) < 200) encre |= QRect(x, y, 1, 1);
            QVERIFY(!encre.isEmpty());
            QVERIFY2(encre.left() > 4 && encre.top() > 4 && encre.right() < image.width() - 5 &&
                         encre.bottom() < image.height() - 5,
                     qPrintable(png));
        }
    }
};

QTEST_MAIN(TestExercices)
#include "test_exercices.moc"
