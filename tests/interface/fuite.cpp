// The program's own life, for the leak checkers: the window started as the
// program starts it, one conjugation, one form looked up in the dictionary,
// then Quit answered Yes in the real box.
// Run under valgrind (memcheck) and under LeakSanitizer by ctest.
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

#include "about.hpp"
#include "apparence.hpp"
#include "dialogues.hpp"
#include "ecran.hpp"

int main(int argc, char** argv) {
    using namespace florimot;
    QApplication application(argc, argv);
    PrepareApplication(application);
    TDialoguesQt dialogues;
    TEcran Ecran(dialogues);
    auto* About = new TAbout(&Ecran);
    Ecran.AttacheAbout(About);
    Ecran.show();

    QTimer::singleShot(0, &Ecran, [&] {
        Ecran.findChild<QLineEdit*>(QStringLiteral("Verbe"))->setText(QStringLiteral("parler"));
        Ecran.ConjugueClick();
        // A form: the dictionary read, looked up, its verb shown.
        Ecran.findChild<QLineEdit*>(QStringLiteral("Verbe"))->setText(QStringLiteral("allions"));
        Ecran.ConjugueClick();
        Ecran.APropos1Click();
        // Answers the Quit box with Yes as soon as it is up.
        auto* attente = new QTimer(&Ecran);
        QObject::connect(attente, &QTimer::timeout, [attente] {
            auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (boite == nullptr) return;
            attente->stop();
            boite->button(QMessageBox::Yes)->click();
        });
        attente->start(10);
        Ecran.Quitter1Click();
    });
    // Never hang a test run.
    QTimer::singleShot(60000, [] {
        std::fputs("fuite : la fenêtre ne s'est pas fermée\n", stderr);
        QCoreApplication::exit(2);
    });
    return application.exec();
}
