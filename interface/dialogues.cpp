#include "dialogues.hpp"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>

namespace florimot {

namespace {

QMessageBox::Icon Genre(TDialogues::TIcone icone) {
    return icone == TDialogues::TIcone::Information ? QMessageBox::Information
           : icone == TDialogues::TIcone::Question  ? QMessageBox::Question
                                                    : QMessageBox::Critical;
}

}  // namespace

bool TDialoguesQt::ChoisitImpression(QWidget* proprietaire, QPrinter& imprimante) {
    QPrintDialog dialogue(&imprimante, proprietaire);
    dialogue.setWindowTitle(QCoreApplication::translate("TEcran", "Imprimer"));
    // A verb prints on one sheet or two.
    dialogue.setMinMax(1, 2);
    return dialogue.exec() == QDialog::Accepted;
}

void TDialoguesQt::Apercu(QWidget* proprietaire, QPrinter& imprimante,
                          const std::function<void(QPrinter&)>& dessine) {
    QPrintPreviewDialog apercu(&imprimante, proprietaire);
    apercu.setWindowTitle(QCoreApplication::translate("TEcran", "Aperçu avant impression"));
    QObject::connect(&apercu, &QPrintPreviewDialog::paintRequested, &apercu,
                     [&dessine](QPrinter* p) { dessine(*p); });
    apercu.exec();
}

TDialogues::TReponseDialogue TDialoguesQt::Demande(QWidget* proprietaire, const QString& texte,
                                                   const QString& titre, TIcone icone,
                                                   TBoutons boutons) {
    const QMessageBox::StandardButtons choix = boutons == TBoutons::Ok
                                                   ? QMessageBox::StandardButtons(QMessageBox::Ok)
                                                   : QMessageBox::Yes | QMessageBox::No;
    QMessageBox boite(Genre(icone), titre, texte, choix, proprietaire);
    boite.setObjectName(QStringLiteral("Message"));
    const int bouton = boite.exec();
    if (boutons == TBoutons::Ok) return TReponseDialogue::Ok;
    return bouton == QMessageBox::Yes ? TReponseDialogue::Oui : TReponseDialogue::Non;
}

bool TDialoguesQt::Propose(QWidget* proprietaire, const QString& texte, const QString& titre,
                           TIcone icone, const QString& action) {
    QMessageBox boite(Genre(icone), titre, texte, QMessageBox::Ok, proprietaire);
    boite.setObjectName(QStringLiteral("Message"));
    QPushButton* choix = boite.addButton(action, QMessageBox::AcceptRole);
    choix->setObjectName(QStringLiteral("Propose"));
    // Enter and Escape still only close the box, as they do the plain one:
    // the offer is taken on purpose.
    boite.setDefaultButton(QMessageBox::Ok);
    boite.setEscapeButton(QMessageBox::Ok);
    boite.exec();
    return boite.clickedButton() == choix;
}

QString TDialoguesQt::DemandeFichier(QWidget* proprietaire, const QString& titre,
                                     const QString& propose, const QString& filtre) {
    QFileDialog boite(proprietaire, titre, propose, filtre);
    boite.setObjectName(QStringLiteral("Fichier"));
    boite.setAcceptMode(QFileDialog::AcceptSave);
    boite.setFileMode(QFileDialog::AnyFile);
    // The suffix is added before the dialog asks about replacing a file.
    boite.setDefaultSuffix(QFileInfo(propose).suffix());
    boite.selectFile(propose);
    if (boite.exec() != QDialog::Accepted || boite.selectedFiles().isEmpty()) return {};
    return boite.selectedFiles().front();
}

void TDialoguesQt::Termine(int statut) {
    // Leaving the event loop ends main() at once with this status: nothing is
    // saved, so there is nothing to finish first.
    QCoreApplication::exit(statut);
}

}  // namespace florimot
