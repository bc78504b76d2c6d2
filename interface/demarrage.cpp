#include "demarrage.hpp"

#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace florimot {

namespace {

QtMessageHandler GestionnairePrecedent = nullptr;

void GestionnaireDemarrage(QtMsgType type, const QMessageLogContext& contexte,
                           const QString& message) {
    if (type != QtFatalMsg) {
        if (GestionnairePrecedent != nullptr)
            GestionnairePrecedent(type, contexte, message);
        else
            std::fprintf(stderr, "%s\n",
                         qFormatLogMessage(type, contexte, message).toLocal8Bit().constData());
        return;
    }
    std::fprintf(stderr, "florimot : impossible d'ouvrir la fenêtre : %s\n",
                 message.toLocal8Bit().constData());
    std::fflush(stderr);
    // The toolkit would abort right after this handler; nothing has been
    // shown and nothing needs saving, so leave with a plain failure.
    std::_Exit(StatutEchecDemarrage);
}

}  // namespace

TEnvironnement LitEnvironnement(int argc, char** argv) {
    TEnvironnement environnement;
    environnement.Plateforme = qEnvironmentVariable("QT_QPA_PLATFORM");
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            environnement.Plateforme = QString::fromLocal8Bit(argv[i + 1]);
    environnement.Display = qEnvironmentVariable("DISPLAY");
    environnement.Wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    return environnement;
}

QString AffichageIndisponible(const TEnvironnement& environnement) {
    const bool x11 = !environnement.Display.trimmed().isEmpty();
    const bool wayland = !environnement.Wayland.trimmed().isEmpty();
    const QString plateforme = environnement.Plateforme.trimmed();
    if (plateforme.isEmpty()) {
        if (x11 || wayland) return {};
        return QStringLiteral(
            "aucun affichage disponible (ni DISPLAY ni WAYLAND_DISPLAY n'est défini)");
    }
    // A list of platforms is tried in order: one that can work is enough.
    const QStringList candidates = plateforme.split(u';', Qt::SkipEmptyParts);
    for (const QString& candidate : candidates) {
        const QString nom = candidate.section(u':', 0, 0).trimmed();
        if (nom == QLatin1String("xcb")) {
            if (x11) return {};
        } else if (!nom.isEmpty()) {
            // Wayland has a default socket, offscreen or vnc need nothing: the
            // toolkit itself tells when they fail.
            return {};
        }
    }
    return QStringLiteral("aucun affichage disponible pour la plateforme « %1 »").arg(plateforme);
}

TGardeDemarrage::TGardeDemarrage() {
    GestionnairePrecedent = qInstallMessageHandler(GestionnaireDemarrage);
}

TGardeDemarrage::~TGardeDemarrage() {
    qInstallMessageHandler(GestionnairePrecedent);
}

}  // namespace florimot
