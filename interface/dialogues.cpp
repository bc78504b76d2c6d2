#include "dialogues.hpp"

#include <QCoreApplication>
#include <QMessageBox>

namespace florimot {

TDialogues::Reponse TDialoguesQt::Demande(QWidget* proprietaire, const QString& texte,
                                          const QString& titre, Icone icone, Boutons boutons) {
    const QMessageBox::StandardButtons choix = boutons == Boutons::Ok
                                                   ? QMessageBox::StandardButtons(QMessageBox::Ok)
                                                   : QMessageBox::Yes | QMessageBox::No;
    QMessageBox boite(
        icone == Icone::Information ? QMessageBox::Information : QMessageBox::Question, titre,
        texte, choix, proprietaire);
    boite.setObjectName(QStringLiteral("Message"));
    const int bouton = boite.exec();
    if (boutons == Boutons::Ok) return Reponse::Ok;
    return bouton == QMessageBox::Yes ? Reponse::Oui : Reponse::Non;
}

void TDialoguesQt::Termine(int statut) {
    // Leaving the event loop ends main() at once with this status: nothing is
    // saved, so there is nothing to finish first.
    QCoreApplication::exit(statut);
}

}  // namespace florimot
