// The settings file itself: where it is, and what is done when it is not a
// plain file or cannot be written.
#pragma once

#include <QSettings>

namespace florimot {

// The window's settings. The user's file when it is a plain file, or not
// there yet. Otherwise a copy of this run's own, said once on standard
// error: a pipe there would block the window's start, a device would be
// read without end, and writing through a symbolic link would replace
// whatever it leads to (the save renames a new file over the old). Through
// a link to a plain file the settings are still read.
QSettings OuvreReglages();

// After `reglages.sync()`: settings that could not be written (a full or
// read-only folder; the file then keeps the earlier ones) are said once on
// standard error.
void SignaleSiNonEnregistres(const QSettings& reglages);

}  // namespace florimot
