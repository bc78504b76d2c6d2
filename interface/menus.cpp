#include "menus.hpp"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <iterator>
#include <string>

#include "ecran.hpp"
#include "langue_interface.hpp"

namespace florimot {

namespace {

// A command of a menu; no name for a separator.
struct TCommande {
    const char* Nom;
    const char* Legende;
    QKeyCombination Touche;
    void (TEcran::*Gestionnaire)();
};

// The captions are French, the window's source language, and go through
// the translation when the menus are made.
const TCommande CommandesAction[] = {
    {"Conjuguer1", QT_TRANSLATE_NOOP("Florimot", "&Conjuguer"), Qt::Key_F1,
     &TEcran::Conjuguer1Click},
    {"Imprimer1", QT_TRANSLATE_NOOP("Florimot", "&Imprimer"), Qt::CTRL | Qt::Key_P,
     &TEcran::Imprimer1Click},
    {"Apercu1",
     QT_TRANSLATE_NOOP("Florimot", "&Aperçu avant impression…"),
     {},
     &TEcran::Apercu1Click},
    {"EnregistrerPdf1", QT_TRANSLATE_NOOP("Florimot", "&Enregistrer en PDF…"), Qt::CTRL | Qt::Key_S,
     &TEcran::EnregistrerPdf1Click},
    {"CopierConjugaison1", QT_TRANSLATE_NOOP("Florimot", "C&opier la conjugaison"),
     Qt::CTRL | Qt::SHIFT | Qt::Key_C, &TEcran::CopierConjugaison1Click},
    {"Ecouter1", QT_TRANSLATE_NOOP("Florimot", "É&couter"), Qt::Key_F12, &TEcran::Ecouter1Click},
    {"MemeModele1", QT_TRANSLATE_NOOP("Florimot", "Verbes du &même modèle…"), Qt::CTRL | Qt::Key_M,
     &TEcran::MemeModele1Click},
    {nullptr, nullptr, {}, nullptr},
    {"FicheExercices1", QT_TRANSLATE_NOOP("Florimot", "&Fiche d'exercices…"), Qt::CTRL | Qt::Key_E,
     &TEcran::FicheExercices1Click},
    {"Entrainement1", QT_TRANSLATE_NOOP("Florimot", "S'en&traîner…"),
     Qt::CTRL | Qt::SHIFT | Qt::Key_E, &TEcran::Entrainement1Click},
    {nullptr, nullptr, {}, nullptr},
    {"Precedent1", QT_TRANSLATE_NOOP("Florimot", "P&récédent"), Qt::ALT | Qt::Key_Left,
     &TEcran::Precedent1Click},
    {"Suivant1", QT_TRANSLATE_NOOP("Florimot", "&Suivant"), Qt::ALT | Qt::Key_Right,
     &TEcran::Suivant1Click},
    {nullptr, nullptr, {}, nullptr},
    {"Quitter1", QT_TRANSLATE_NOOP("Florimot", "&Quitter"), Qt::CTRL | Qt::Key_Q,
     &TEcran::Quitter1Click},
};

const TCommande CommandesAide[] = {
    {"APropos1", QT_TRANSLATE_NOOP("Florimot", "A &Propos..."), Qt::Key_F2, &TEcran::APropos1Click},
    {"Aide1", QT_TRANSLATE_NOOP("Florimot", "&Aide"), Qt::CTRL | Qt::Key_H, &TEcran::Aide1Click},
    {"GuideTemps1",
     QT_TRANSLATE_NOOP("Florimot", "&Guide des temps et des options"),
     {},
     &TEcran::GuideTemps1Click},
};

// The options' captions come from the engine's table, in French.
[[maybe_unused]] constexpr const char* LegendesOptions[] = {
    QT_TRANSLATE_NOOP("Florimot", "&Féminin"),
    QT_TRANSLATE_NOOP("Florimot", "&Négation"),
    QT_TRANSLATE_NOOP("Florimot", "&Interrogation"),
    QT_TRANSLATE_NOOP("Florimot", "&Voix passive"),
    QT_TRANSLATE_NOOP("Florimot", "&Orthographe rectifiée (1990)"),
    QT_TRANSLATE_NOOP("Florimot", "&Autre forme"),
    QT_TRANSLATE_NOOP("Florimot", "A&utre auxiliaire"),
};

QMenu* AjouteMenu(QMenuBar* barre, const char* nom, const QString& legende) {
    QMenu* menu = barre->addMenu(legende);
    menu->setObjectName(QString::fromLatin1(nom));
    return menu;
}

QAction* Ajoute(TEcran& ecran, QMenu* menu, const TCommande& commande) {
    if (commande.Nom == nullptr) return menu->addSeparator();
    QAction* action = menu->addAction(QCoreApplication::translate("Florimot", commande.Legende));
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
    QMenu* action =
        AjouteMenu(menus.Barre, "Action", QCoreApplication::translate("Florimot", "&Action"));
    for (const TCommande& commande : CommandesAction) {
        QAction* ajoutee = Ajoute(ecran, action, commande);
        if (ajoutee->objectName() == QStringLiteral("Precedent1")) menus.Precedent = ajoutee;
        if (ajoutee->objectName() == QStringLiteral("Suivant1")) menus.Suivant = ajoutee;
        if (ajoutee->objectName() == QStringLiteral("Ecouter1")) menus.Ecouter = ajoutee;
    }
    QMenu* options =
        AjouteMenu(menus.Barre, "Options", QCoreApplication::translate("Florimot", "&Options"));
    for (std::size_t i = 0; i < menus.Options.size(); ++i) {
        const TDescriptionOption& d = DescriptionsOptions[i];
        const std::string nom = std::string(d.Nom) + '1', legende(d.Menu);
        const TCommande commande{nom.c_str(), legende.c_str(),
                                 QKeySequence::fromString(QString::fromLatin1(
                                     d.Touche.data(), static_cast<qsizetype>(d.Touche.size())))[0],
                                 &TEcran::OptionClick};
        menus.Options[i] = Ajoute(ecran, options, commande);
        menus.Options[i]->setCheckable(true);
    }
    options->addSeparator();
    const std::string reinitialise =
        QCoreApplication::translate("Florimot", "&Réinitialiser les options").toStdString();
    menus.Reinitialise =
        Ajoute(ecran, options,
               {"ReinitialiserOptions1", reinitialise.c_str(), Qt::CTRL | Qt::SHIFT | Qt::Key_R,
                &TEcran::ReinitialiserOptions1Click});
    QMenu* aide = AjouteMenu(menus.Barre, "Aide", QStringLiteral("&?"));
    for (const TCommande& commande : CommandesAide) Ajoute(ecran, aide, commande);
    // Beside the help, both languages in one caption, so that either reader finds it.
    QMenu* langue = aide->addMenu(QStringLiteral("Langue de l'interface / Interface language"));
    langue->setObjectName(QStringLiteral("Langue"));
    auto* groupe = new QActionGroup(langue);
    const std::pair<const char*, TLangueInterface> langues[] = {
        {QT_TRANSLATE_NOOP("Florimot", "Celle du système"), TLangueInterface::Systeme},
        {"Français", TLangueInterface::Francais},
        {"English", TLangueInterface::Anglais},
    };
    const TLangueInterface choisie = LitLangueInterface();
    for (const auto& [legende, valeur] : langues) {
        QAction* a = langue->addAction(valeur == TLangueInterface::Systeme
                                           ? QCoreApplication::translate("Florimot", legende)
                                           : QString::fromUtf8(legende));
        a->setObjectName(QStringLiteral("Langue%1").arg(int(valeur)));
        a->setCheckable(true);
        a->setChecked(valeur == choisie);
        groupe->addAction(a);
        QObject::connect(a, &QAction::triggered, &ecran,
                         [&ecran, v = valeur] { ecran.ChoisitLangue(v); });
    }

    return menus;
}

}  // namespace florimot
