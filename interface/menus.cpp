#include "menus.hpp"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <iterator>
#include <string>

#include "ecran.hpp"

namespace florimot {

namespace {

// A command of a menu; no name for a separator.
struct Commande {
    const char* Nom;
    const char* Legende;
    QKeyCombination Touche;
    void (TEcran::*Gestionnaire)();
};

const Commande CommandesAction[] = {
    {"Conjuguer1", "&Conjuguer", Qt::Key_F1, &TEcran::Conjuguer1Click},
    {"Imprimer1", "&Imprimer", Qt::CTRL | Qt::Key_P, &TEcran::Imprimer1Click},
    {"Apercu1",
     QT_TRANSLATE_NOOP("TEcran", "&Aperçu avant impression…"),
     {},
     &TEcran::Apercu1Click},
    {"EnregistrerPdf1", "&Enregistrer en PDF…", Qt::CTRL | Qt::Key_S,
     &TEcran::EnregistrerPdf1Click},
    {"CopierConjugaison1", "C&opier la conjugaison", Qt::CTRL | Qt::SHIFT | Qt::Key_C,
     &TEcran::CopierConjugaison1Click},
    {nullptr, nullptr, {}, nullptr},
    {"Precedent1", "P&récédent", Qt::ALT | Qt::Key_Left, &TEcran::Precedent1Click},
    {"Suivant1", "&Suivant", Qt::ALT | Qt::Key_Right, &TEcran::Suivant1Click},
    {nullptr, nullptr, {}, nullptr},
    {"Quitter1", "&Quitter", Qt::CTRL | Qt::Key_Q, &TEcran::Quitter1Click},
};

const Commande CommandesAide[] = {
    {"APropos1", "A &Propos...", Qt::Key_F2, &TEcran::APropos1Click},
    {"Aide1", "&Aide", Qt::CTRL | Qt::Key_H, &TEcran::Aide1Click},
};

QMenu* AjouteMenu(QMenuBar* barre, const char* nom, const QString& legende) {
    QMenu* menu = barre->addMenu(legende);
    menu->setObjectName(QString::fromLatin1(nom));
    return menu;
}

QAction* Ajoute(TEcran& ecran, QMenu* menu, const Commande& commande) {
    if (commande.Nom == nullptr) return menu->addSeparator();
    QAction* action = menu->addAction(QCoreApplication::translate("TEcran", commande.Legende));
    action->setObjectName(QString::fromLatin1(commande.Nom));
    if (commande.Touche.toCombined() != 0) action->setShortcut(QKeySequence(commande.Touche));
    ecran.addAction(action);
    QObject::connect(action, &QAction::triggered, &ecran, commande.Gestionnaire);
    return action;
}

}  // namespace

TOptions TMenus::Cochees() const {
    TOptions options;
    for (std::size_t i = 0; i < Options.size(); ++i)
        Active(options, DescriptionsOptions[i], Options[i]->isChecked());
    return options;
}

void TMenus::Coche(const TOptions& options) const {
    for (std::size_t i = 0; i < Options.size(); ++i)
        Options[i]->setChecked(EstActive(options, DescriptionsOptions[i]));
}

TMenus CreeMenus(TEcran& ecran) {
    TMenus menus;
    menus.Barre = ecran.menuBar();
    menus.Barre->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* action = AjouteMenu(menus.Barre, "Action", QStringLiteral("&Action"));
    for (const Commande& commande : CommandesAction) {
        QAction* ajoutee = Ajoute(ecran, action, commande);
        if (ajoutee->objectName() == QStringLiteral("Precedent1")) menus.Precedent = ajoutee;
        if (ajoutee->objectName() == QStringLiteral("Suivant1")) menus.Suivant = ajoutee;
    }
    QMenu* options = AjouteMenu(menus.Barre, "Options", QStringLiteral("&Options"));
    for (std::size_t i = 0; i < menus.Options.size(); ++i) {
        const TDescriptionOption& d = DescriptionsOptions[i];
        const std::string nom = std::string(d.Nom) + '1', legende(d.Menu);
        const Commande commande{nom.c_str(), legende.c_str(),
                                QKeySequence::fromString(QString::fromLatin1(
                                    d.Touche.data(), static_cast<qsizetype>(d.Touche.size())))[0],
                                &TEcran::OptionClick};
        menus.Options[i] = Ajoute(ecran, options, commande);
        menus.Options[i]->setCheckable(true);
    }
    options->addSeparator();
    const std::string reinitialise =
        QCoreApplication::translate("TEcran", "&Réinitialiser les options").toStdString();
    menus.Reinitialise =
        Ajoute(ecran, options,
               {"ReinitialiserOptions1", reinitialise.c_str(), Qt::CTRL | Qt::SHIFT | Qt::Key_R,
                &TEcran::ReinitialiserOptions1Click});
    QMenu* aide = AjouteMenu(menus.Barre, "Aide", QStringLiteral("&?"));
    for (const Commande& commande : CommandesAide) Ajoute(ecran, aide, commande);
    return menus;
}

}  // namespace florimot
