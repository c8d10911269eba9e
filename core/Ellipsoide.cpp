#include "Ellipsoide.hpp"

#include "Angles.hpp"

namespace orbalide {
namespace {

// Empty until start-up selects the first entry.
Ellipsoide courant{0, 0, 0};

}  // namespace

const Ellipsoide& EllipsoideCourant() {
  return courant;
}

void SelectionnerEllipsoide(std::int16_t index) {
  if (index == kIndexSphere) {
    const double rayon = (kCirconferenceSphere / Pi) / 2;
    courant = {rayon, rayon, 0};
  } else if (index >= 0 && index < kIndexSphere) {
    const EntreeCatalogue& e = Catalogue[static_cast<std::size_t>(index)];
    courant = {e.DemiGrandAxe, e.DemiPetitAxe, 1 / e.InverseAplatissement};
  }
}

}  // namespace orbalide
