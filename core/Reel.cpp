#include "Reel.hpp"

namespace orbalide {

void SignalerErreurArithmetique() {
  throw ErreurArithmetique();
}

}  // namespace orbalide
