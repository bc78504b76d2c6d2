#include "modeles.hpp"

namespace florimot {

void AppliqueDefectifs(const TVerbe&, TPlan&) {}

}  // namespace florimot
