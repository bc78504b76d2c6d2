// A stand-in for the message boxes and the end of the program: records what
// the windows ask and answers as told.
#pragma once

#include <QList>
#include <QPrinter>
#include <QString>
#include <QStringList>
#include <functional>

#include "dialogues.hpp"

namespace florimot {

class TDialoguesEnregistres final : public TDialogues {
public:
    struct Boite {
        QString Texte;
        QString Titre;
        TDialogues::TIcone Genre;
        TDialogues::TBoutons Choix;
        QString Action = {};  // the offer's button, for a box that makes one
    };

    TReponseDialogue Demande(QWidget*, const QString& texte, const QString& titre, TIcone icone,
                             TBoutons boutons) override {
        Boites.append({texte, titre, icone, boutons});
        if (PendantLaBoite) PendantLaBoite();
        return boutons == TBoutons::Ok ? TReponseDialogue::Ok : ReponseOuiNon;
    }
    bool Propose(QWidget*, const QString& texte, const QString& titre, TIcone icone,
                 const QString& action) override {
        Boites.append({texte, titre, icone, TBoutons::Ok, action});
        if (PendantLaBoite) PendantLaBoite();
        return AccepteOffre;
    }
    QString DemandeFichier(QWidget*, const QString& titre, const QString& propose,
                           const QString& filtre) override {
        Fichiers.append({propose, titre, filtre});
        return Fichier;
    }
    bool ChoisitImpression(QWidget*, QPrinter&) override {
        ++Impressions;
        return AccepteImpression;
    }
    void Apercu(QWidget*, QPrinter& imprimante,
                const std::function<void(QPrinter&)>& dessine) override {
        ++Apercus;
        if (!ApercuDans.isEmpty()) {
            imprimante.setOutputFormat(QPrinter::PdfFormat);
            imprimante.setOutputFileName(ApercuDans);
            dessine(imprimante);
        }
    }
    void Termine(int statut) override { Fins.append(statut); }

    QList<Boite> Boites;
    // For each file asked for: the name offered, the title, the filter.
    QList<QStringList> Fichiers;
    // The answer to a file dialog; empty, the user gives up.
    QString Fichier;
    QList<int> Fins;
    // The print dialogs shown and the answer to them; the previews shown, and
    // the PDF a preview's pages are drawn into ("" for none).
    int Impressions = 0;
    bool AccepteImpression = true;
    int Apercus = 0;
    QString ApercuDans;
    TReponseDialogue ReponseOuiNon = TReponseDialogue::Non;
    // Whether the offer of a box that makes one is taken.
    bool AccepteOffre = false;
    // Runs while a box would be on the screen.
    std::function<void()> PendantLaBoite;
};

}  // namespace florimot
