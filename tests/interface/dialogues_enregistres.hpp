// A stand-in for the message boxes and the end of the program: records what
// the windows ask and answers as told.
#pragma once

#include <QList>
#include <QString>
#include <functional>

#include "dialogues.hpp"

namespace florimot {

class TDialoguesEnregistres final : public TDialogues {
public:
    struct Boite {
        QString Texte;
        QString Titre;
        TDialogues::Icone Genre;
        TDialogues::Boutons Choix;
    };

    Reponse Demande(QWidget*, const QString& texte, const QString& titre, Icone icone,
                    Boutons boutons) override {
        Boites.append({texte, titre, icone, boutons});
        if (PendantLaBoite) PendantLaBoite();
        return boutons == Boutons::Ok ? Reponse::Ok : ReponseOuiNon;
    }
    void Termine(int statut) override { Fins.append(statut); }

    QList<Boite> Boites;
    QList<int> Fins;
    Reponse ReponseOuiNon = Reponse::Non;
    // Runs while a box would be on the screen.
    std::function<void()> PendantLaBoite;
};

}  // namespace florimot
