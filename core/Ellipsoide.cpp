#include "Ellipsoide.hpp"

#include "Angles.hpp"

namespace orbalide {

std::optional<Ellipsoide> EllipsoideDuCatalogue(std::int16_t index) {
  if (index == kIndexSphere) {
    const double rayon = (kCirconferenceSphere / Pi) / 2;
    return Ellipsoide{rayon, rayon, 0};
  }
  if (index < 0 || index > kIndexSphere) return std::nullopt;
  const EntreeCatalogue& e = Catalogue[static_cast<std::size_t>(index)];
  return Ellipsoide{e.DemiGrandAxe, e.DemiPetitAxe, 1 / e.InverseAplatissement};
}

}  // namespace orbalide
