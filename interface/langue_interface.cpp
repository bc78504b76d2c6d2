#include "langue_interface.hpp"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include "fichier_reglages.hpp"

namespace florimot {

namespace {

const QString Cle = QStringLiteral("interface/langue");

}  // namespace

TLangueInterface LitLangueInterface() {
    const QString lue = OuvreReglages().value(Cle).toString();
    return lue == QStringLiteral("fr")   ? TLangueInterface::Francais
           : lue == QStringLiteral("en") ? TLangueInterface::Anglais
                                         : TLangueInterface::Systeme;
}

void EcritLangueInterface(TLangueInterface langue) {
    QSettings ecrits = OuvreReglages();
    ecrits.setValue(Cle, langue == TLangueInterface::Francais  ? QStringLiteral("fr")
                         : langue == TLangueInterface::Anglais ? QStringLiteral("en")
                                                               : QString());
    ecrits.sync();
    SignaleSiNonEnregistres(ecrits);
}

bool InterfaceEnAnglais(TLangueInterface langue) {
    if (langue != TLangueInterface::Systeme) return langue == TLangueInterface::Anglais;
    const QStringList langues = QLocale::system().uiLanguages();
    return !langues.isEmpty() && QLocale(langues.front()).language() == QLocale::English;
}

void InstalleLangue(QApplication& application) {
    const bool anglais = InterfaceEnAnglais(LitLangueInterface());
    auto* traduction = new QTranslator(&application);
    // English: the window's own texts, built into the program. French: the
    // toolkit's dialogs and buttons (Oui, Non, Annuler, the file and print
    // dialogs) speak it with the rest of the window; without Qt's
    // translations installed they stay in English.
    const bool lue = anglais ? traduction->load(QStringLiteral(":/traductions/florimot_en.qm"))
                             : traduction->load(QStringLiteral("qtbase_fr"),
                                                QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (lue)
        QCoreApplication::installTranslator(traduction);
    else
        delete traduction;
}

}  // namespace florimot
