// Start-up checks: the program must say why it cannot open its window and
// end with a failure status, never abort inside the toolkit.
#pragma once

#include <QString>
#include <QStringList>

namespace florimot {

// What the window system choice depends on.
struct TEnvironnement {
    QString Plateforme;  // -platform on the command line, else QT_QPA_PLATFORM
    QString Display;     // DISPLAY
    QString Wayland;     // WAYLAND_DISPLAY
};

TEnvironnement LitEnvironnement(int argc, char** argv);

// Why no window can be opened, in French, or an empty text when the window
// system looks reachable.
QString AffichageIndisponible(const TEnvironnement& environnement);

// While alive, a fatal error of the toolkit (no display after all, no
// platform plugin) prints its reason and ends the process with status 1
// instead of aborting.
class TGardeDemarrage {
public:
    TGardeDemarrage();
    ~TGardeDemarrage();
    TGardeDemarrage(const TGardeDemarrage&) = delete;
    TGardeDemarrage& operator=(const TGardeDemarrage&) = delete;
};

inline constexpr int StatutEchecDemarrage = 1;

}  // namespace florimot
