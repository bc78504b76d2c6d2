// Built without libhunspell: no English word is recognised by its spelling,
// only by its letters.
#include "anglais.hpp"

namespace florimot {

bool MotAnglais(std::string_view) {
    return false;
}

}  // namespace florimot
