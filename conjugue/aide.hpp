// What conjugue --help and conjugue --version print.
#pragma once

#include <string_view>

namespace florimot {

// The options, the output formats and the exit statuses, in the run's
// language (langue.hpp).
std::string_view TexteAide();
// "conjugue (Florimot) 1.0.0\n".
std::string_view TexteVersion();

}  // namespace florimot
