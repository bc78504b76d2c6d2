// Florimot: the window of the French verb conjugator.
#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <exception>
#include <memory>

#include "about.hpp"
#include "apparence.hpp"
#include "demarrage.hpp"
#include "dialogues.hpp"
#include "ecran.hpp"
#include "impression.hpp"

namespace {

void SignaleErreur(const char* raison) {
    std::fprintf(stderr, "florimot : %s\n", raison);
    std::fflush(stderr);
}

}  // namespace

int main(int argc, char** argv) {
    using namespace florimot;

    // The toolkit aborts when it finds no display: check first, and say why.
    const QString raison = AffichageIndisponible(LitEnvironnement(argc, argv));
    if (!raison.isEmpty()) {
        SignaleErreur(raison.toLocal8Bit().constData());
        return StatutEchecDemarrage;
    }

    try {
        auto garde = std::make_unique<TGardeDemarrage>();
        QApplication application(argc, argv);
        try {
            PrepareApplication(application);
            TDialoguesQt dialogues;
            TImpressionQt impression;
            TEcran Ecran(dialogues);
            Ecran.AttacheImpression(&impression);
            // Owned by the main window, so it goes with it and never keeps the
            // program alive on its own.
            auto* About = new TAbout(&Ecran);
            Ecran.AttacheAbout(About);
            Ecran.show();
            garde.reset();
            return application.exec();
        } catch (const std::exception& erreur) {
            SignaleErreur(erreur.what());
            QMessageBox::critical(nullptr, QStringLiteral("Florimot"),
                                  QString::fromLocal8Bit(erreur.what()));
            return StatutEchecDemarrage;
        }
    } catch (const std::exception& erreur) {
        SignaleErreur(erreur.what());
        return StatutEchecDemarrage;
    }
}
