// The inverse problem: from two positions, the distance and the courses at both ends.
#pragma once

#include "Ellipsoide.hpp"

namespace orbalide {

struct ResultatInverse {
  bool Obtenu;           // false: coincident points, or no settlement within the cap
  bool Confondus;        // no result because the points coincide
  double Distance;       // metres
  double RouteInitiale;  // course at the departure, degrees, 0 to 360 (both ends)
  double RouteArrivee;   // direction of travel at the arrival, degrees, 0 to 360 (both ends)
  int Passes;            // passes of the iteration on λ, 1 to 20 (CalculInverseComplet: see there)
};

// The inverse gives up after 20 passes, decided by the counter alone: a run whose 20th pass
// meets the threshold still gives no result.
inline constexpr int kPassesInversesMax = 20;

// Vincenty's inverse solution on the ellipsoid e.
// lat1, lon1, lat2, lon2: decimal degrees, north and east positive, no range check; the
// longitude difference is not reduced. When Obtenu is false the other fields carry nothing
// (points that coincide, or nearly antipodal points that do not settle). Throws
// ErreurArithmetique on an arithmetic error (inputs far outside any sensible range).
ResultatInverse CalculInverse(const Ellipsoide& e, double lat1, double lon1, double lat2,
                              double lon2);

}  // namespace orbalide
