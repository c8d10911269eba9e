#include "Angles.hpp"

namespace orbalide {

char LettreHemisphere(double valeur, Axe axe) {
  const bool negative = valeur < 0;
  if (axe == Axe::Latitude) return negative ? 'S' : 'N';
  return negative ? 'W' : 'E';
}

}  // namespace orbalide
