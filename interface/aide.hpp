// The text of the help box: how to type a verb, then a short guide to the
// window.
#pragma once

#include <QString>

namespace florimot {

QString TexteAide();

}  // namespace florimot
