// The content's parts for a learner whose language is English: the verb's
// English meanings under the pages, and what « Écouter » says.
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>
#include <string_view>
#include <utility>

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
    // The analysis of a form names its verb already, and the reason of the
    // line selected is about that line: either keeps the strip.
    const bool montre = !Glose_.isEmpty() && Analyse_.isEmpty() && Raison_.isEmpty();
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

QString GroupeTraduit(const std::string& groupe) {
    constexpr std::string_view Avant = "Groupe : ";
    if (std::string_view(groupe).substr(0, Avant.size()) == Avant)
        return QCoreApplication::translate("Florimot", "Groupe : %1")
            .arg(QString::fromStdString(groupe.substr(Avant.size())));
    if (groupe == "Auxiliaire") return QCoreApplication::translate("Florimot", "Auxiliaire");
    return QString::fromStdString(groupe);
}

QString ExplicationTemps(std::string_view cellule) {
    // What each tense is for, in a few words: the captions stay French, the
    // tooltip explains them in the window's language.
    static constexpr std::pair<std::string_view, const char*> Explications[] = {
        {"PresInd",
         QT_TRANSLATE_NOOP(
             "Florimot",
             "Présent de l'indicatif : ce qui se passe maintenant, ce qui est toujours vrai")},
        {"PCInd", QT_TRANSLATE_NOOP(
                      "Florimot",
                      "Passé composé : une action passée et achevée, le passé de la conversation")},
        {"ImpInd",
         QT_TRANSLATE_NOOP(
             "Florimot",
             "Imparfait : ce qui durait ou se répétait dans le passé, le décor d'un récit")},
        {"PqpInd",
         QT_TRANSLATE_NOOP("Florimot",
                           "Plus-que-parfait : ce qui avait eu lieu avant un autre moment passé")},
        {"PSInd", QT_TRANSLATE_NOOP(
                      "Florimot",
                      "Passé simple : une action passée et achevée, le passé des récits écrits")},
        {"PAInd",
         QT_TRANSLATE_NOOP("Florimot",
                           "Passé antérieur : ce qui avait eu lieu juste avant un passé simple")},
        {"FSInd", QT_TRANSLATE_NOOP("Florimot", "Futur simple : ce qui aura lieu")},
        {"FAInd", QT_TRANSLATE_NOOP(
                      "Florimot", "Futur antérieur : ce qui aura eu lieu avant un moment à venir")},
        {"PresSubj",
         QT_TRANSLATE_NOOP(
             "Florimot",
             "Subjonctif présent : après « que », un souhait, un doute, une nécessité")},
        {"PCSubj",
         QT_TRANSLATE_NOOP("Florimot", "Subjonctif passé : le subjonctif d'une action achevée")},
        {"ImpSubj", QT_TRANSLATE_NOOP("Florimot",
                                      "Subjonctif imparfait : le subjonctif de la langue écrite "
                                      "soutenue, après un verbe au passé")},
        {"PQPSubj",
         QT_TRANSLATE_NOOP(
             "Florimot",
             "Subjonctif plus-que-parfait : le subjonctif passé de la langue écrite soutenue")},
        {"PresImp", QT_TRANSLATE_NOOP("Florimot", "Impératif présent : un ordre, un conseil")},
        {"PCImp", QT_TRANSLATE_NOOP(
                      "Florimot", "Impératif passé : un ordre à accomplir avant un moment donné")},
        {"PresCond",
         QT_TRANSLATE_NOOP(
             "Florimot",
             "Conditionnel présent : ce qui aurait lieu sous une condition, une demande polie")},
        {"P1Cond",
         QT_TRANSLATE_NOOP("Florimot",
                           "Conditionnel passé : ce qui aurait eu lieu sous une condition")},
        {"P2Cond",
         QT_TRANSLATE_NOOP(
             "Florimot", "Conditionnel passé 2e forme : le même, dans la langue écrite soutenue")},
        {"InfPres", QT_TRANSLATE_NOOP("Florimot", "Infinitif présent : le verbe sans personne")},
        {"InfPasse", QT_TRANSLATE_NOOP(
                         "Florimot", "Infinitif passé : le verbe sans personne, l'action achevée")},
        {"PartPasse",
         QT_TRANSLATE_NOOP("Florimot",
                           "Participe passé : masculin et féminin, singulier et pluriel")},
        {"PartPasseComp",
         QT_TRANSLATE_NOOP("Florimot",
                           "Participe passé composé : l'action achevée avant une autre")},
        {"GerPres",
         QT_TRANSLATE_NOOP("Florimot", "Gérondif présent : en même temps qu'une autre action")},
        {"GerPasse",
         QT_TRANSLATE_NOOP("Florimot", "Gérondif passé : achevé avant une autre action")},
    };
    for (const auto& [nom, texte] : Explications)
        if (nom == cellule) return QCoreApplication::translate("Florimot", texte);
    return {};
}

}  // namespace florimot
