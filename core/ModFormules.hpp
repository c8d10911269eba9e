// The direct problem: from a departure, an initial course and a distance, the arrival.
#pragma once

#include "Ellipsoide.hpp"

namespace orbalide {

struct ResultatDirect {
  double Latitude;      // arrival, decimal degrees, north positive, −90 to 90
  double Longitude;     // arrival, decimal degrees, east positive, −180 to 180 (both ends)
  double RouteArrivee;  // direction of travel at the arrival, degrees, 0 to 360 (both ends)
  int Passes;           // passes of the iteration on σ, 1 to 50
};

// The passes are capped: beyond distances of about 4e8 m one unit in the last place of σ
// exceeds the 1e-14 threshold and σ can alternate between two neighbours forever. Settling
// runs need at most 6 passes, so the cap changes none of their results.
inline constexpr int kPassesDirectesMax = 50;

// Vincenty's direct solution on the ellipsoid e.
// lat1, lon1: departure, decimal degrees, north and east positive; course1: initial course,
// degrees clockwise from north, any value; distance: metres along the geodesic. No range check.
// Throws ErreurArithmetique on an arithmetic error (a meridian geodesic ending exactly at a
// pole, or inputs far outside any sensible range).
ResultatDirect CalculDirect(const Ellipsoide& e, double lat1, double lon1, double course1,
                            double distance);

}  // namespace orbalide
