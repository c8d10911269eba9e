#include "Programme.hpp"

#include "Polices.hpp"

namespace orbalide {

Programme::Programme() {
  SubstituerPolices();
  fenetre_.Form_Load();
  platform_.SynchroniserTout();
}

}  // namespace orbalide
