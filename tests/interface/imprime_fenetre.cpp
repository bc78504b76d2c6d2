// Drives the real window with the real printing service, as a user would:
// types the verb given on the command line, presses Enter, then Ctrl+P.
// The job goes to the system's default printer. Exit status 0 when the
// window printed without complaint, 1 with the window's message otherwise.
//
// With --abandonne NOM instead, starts a job named NOM on the default
// printer, draws a page and drops the job, as after a failure part-way.
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <cstdio>

#include "apparence.hpp"
#include "dialogues_enregistres.hpp"
#include "ecran.hpp"
#include "impression.hpp"

int main(int argc, char** argv) {
    using namespace florimot;
    QApplication application(argc, argv);
    PrepareApplication(application);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() == 3 && arguments[1] == QLatin1String("--abandonne")) {
        TImpressionQt impression;
        const QSize page = impression.TaillePage();
        QWidget noir;
        noir.resize(64, 64);
        noir.setStyleSheet(QStringLiteral("background: black"));
        if (page.isEmpty() || !impression.Commence(arguments[2]) ||
            !impression.Dessine(QRect(0, 0, page.width(), page.height() / 2), noir, noir.rect())) {
            std::fprintf(stderr, "imprime_fenetre : %s\n", qPrintable(impression.Erreur()));
            return 1;
        }
        impression.Abandonne();
        return 0;
    }
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage : imprime_fenetre VERBE | --abandonne NOM\n");
        return 2;
    }

    TDialoguesEnregistres dialogues;
    TImpressionQt impression;
    TEcran ecran(dialogues);
    ecran.AttacheImpression(&impression);
    ecran.show();
    if (!QTest::qWaitForWindowExposed(&ecran)) {
        std::fprintf(stderr, "imprime_fenetre : la fenêtre ne s'affiche pas\n");
        return 1;
    }
    auto* entree = ecran.findChild<QLineEdit*>(QStringLiteral("Verbe"));
    entree->setFocus();
    QTest::keyClick(entree, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(entree, arguments[1]);
    QTest::keyClick(entree, Qt::Key_Return);
    const QString nom = QStringLiteral("Florimot du verbe ") + ecran.TexteVerbe();
    QTest::keyClick(&ecran, Qt::Key_P, Qt::ControlModifier);

    for (const auto& boite : dialogues.Boites)
        std::fprintf(stderr, "imprime_fenetre : %s : %s\n", qPrintable(boite.Titre),
                     qPrintable(boite.Texte));
    if (!dialogues.Boites.isEmpty()) return 1;
    std::printf("%s\n", qPrintable(nom));
    return 0;
}
