// The window's language: French, its source, or English, from the locale
// (LANG, LC_MESSAGES, LANGUAGE) unless the menu « Langue de l'interface /
// Interface language » chose one, which the settings keep.
#pragma once

class QApplication;

namespace florimot {

enum class TLangueInterface { Systeme, Francais, Anglais };

TLangueInterface LitLangueInterface();
void EcritLangueInterface(TLangueInterface langue);

// Whether `langue` shows the window in English: Systeme follows the
// locale's first language.
bool InterfaceEnAnglais(TLangueInterface langue);

// Puts the chosen language's translations in place: Florimot's English,
// or Qt's own French for its dialogs and buttons.
void InstalleLangue(QApplication& application);

}  // namespace florimot
