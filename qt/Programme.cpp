#include "Programme.hpp"

namespace orbalide {

Programme::Programme() {
  fenetre_.Form_Load();
  platform_.SynchroniserTout();
}

}  // namespace orbalide
