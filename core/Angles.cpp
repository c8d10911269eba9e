#include "Angles.hpp"

namespace orbalide {

char LettreHemisphere(double valeur, Axe axe) {
  const std::int16_t index = valeur < 0 ? kHemisphereNegatif : kHemispherePositif;
  return LettresHemisphere(axe)[static_cast<std::size_t>(index)];
}

std::int16_t IndexHemisphere(std::string_view lettre, Axe axe) {
  const char negative = LettresHemisphere(axe)[static_cast<std::size_t>(kHemisphereNegatif)];
  return lettre == std::string_view(&negative, 1) ? kHemisphereNegatif : kHemispherePositif;
}

}  // namespace orbalide
