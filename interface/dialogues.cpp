#include "dialogues.hpp"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace florimot {

TDialogues::Reponse TDialoguesQt::Demande(QWidget* proprietaire, const QString& texte,
                                          const QString& titre, Icone icone, Boutons boutons) {
    const QMessageBox::StandardButtons choix = boutons == Boutons::Ok
                                                   ? QMessageBox::StandardButtons(QMessageBox::Ok)
                                                   : QMessageBox::Yes | QMessageBox::No;
    const QMessageBox::Icon genre = icone == Icone::Information ? QMessageBox::Information
                                    : icone == Icone::Question  ? QMessageBox::Question
                                                                : QMessageBox::Critical;
    QMessageBox boite(genre, titre, texte, choix, proprietaire);
    boite.setObjectName(QStringLiteral("Message"));
    const int bouton = boite.exec();
    if (boutons == Boutons::Ok) return Reponse::Ok;
    return bouton == QMessageBox::Yes ? Reponse::Oui : Reponse::Non;
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
