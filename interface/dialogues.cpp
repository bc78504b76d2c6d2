#include "dialogues.hpp"

#include <QCoreApplication>
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

void TDialoguesQt::Termine(int statut) {
    // Leaving the event loop ends main() at once with this status: nothing is
    // saved, so there is nothing to finish first.
    QCoreApplication::exit(statut);
}

}  // namespace florimot
