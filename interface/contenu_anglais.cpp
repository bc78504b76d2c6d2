// The content's parts for a learner whose language is English: the verb's
// English meanings under the pages, and what « Écouter » says.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>

#include "apparence.hpp"
#include "contenu.hpp"
#include "etiquettes.hpp"

namespace florimot {

void TContenu::DefinitGlose(const QString& glose) {
    Glose_ = glose;
    if (GloseL == nullptr) {
        GloseL = CreeEtiquette(this, "GloseL", QString(), {8, 432}, PoliceTexte(11));
        GloseL->setAccessibleName(tr("Sens anglais"));
    }
    PlaceGlose();
}

void TContenu::PlaceGlose() {
    if (GloseL == nullptr) return;
    // The analysis of a form names its verb already: it keeps the strip.
    const bool montre = !Glose_.isEmpty() && Analyse_.isEmpty();
    GloseL->setVisible(montre);
    if (!montre) return;
    const int haut = PageSet->geometry().bottom() + 2;
    const int hauteur = std::max(0, height() - haut - 1);
    EcritSurDeuxLignes(GloseL, Glose_, PageSet->geometry().width() - 16);
    GloseL->setAccessibleDescription(Glose_);
    GloseL->adjustSize();
    GloseL->move(8, haut + std::max(0, (hauteur - GloseL->height()) / 2));
}

void TContenu::AttacheEcoute(QAction* ecoute) {
    EcouterB = new QPushButton(ecoute->text().remove(u'&'), this);
    EcouterB->setObjectName(QStringLiteral("EcouterNote"));
    EcouterB->setFont(PoliceTexte(10));
    EcouterB->setAutoDefault(false);
    EcouterB->setFocusPolicy(Qt::NoFocus);
    EcouterB->setFixedHeight(20);
    EcouterB->adjustSize();
    EcouterB->setAccessibleName(tr("Écouter"));
    EcouterB->setAccessibleDescription(tr("Dit la ligne choisie, ou tout le temps, en français"));
    const auto suit = [this, ecoute] {
        EcouterB->setEnabled(ecoute->isEnabled());
        EcouterB->setToolTip(ecoute->toolTip());
    };
    suit();
    connect(ecoute, &QAction::changed, EcouterB, suit);
    connect(EcouterB, &QPushButton::clicked, ecoute, &QAction::trigger);
    const auto place = [this] {
        EcouterB->move(std::max(width(), Reference_.width()) - 8 - EcouterB->width(), 7);
    };
    place();
    EcouterB->show();
    for (QListWidget* liste : Listes) {
        if (liste == nullptr) continue;
        liste->setContextMenuPolicy(Qt::ActionsContextMenu);
        liste->addAction(ecoute);
    }
    AligneGroupe();
}

QStringList TContenu::LignesAEcouter() const {
    QStringList lignes;
    for (const QListWidget* liste : Listes) {
        if (liste == nullptr) continue;
        for (int i = 0; i < liste->count(); ++i)
            if (liste->item(i)->isSelected()) lignes << liste->item(i)->text();
    }
    if (!lignes.isEmpty()) return lignes;
    const QListWidget* tenue = Listes[0];
    for (const QListWidget* liste : Listes)
        if (liste != nullptr && liste->hasFocus()) tenue = liste;
    for (int i = 0; i < tenue->count(); ++i) lignes << tenue->item(i)->text();
    return lignes;
}

}  // namespace florimot
