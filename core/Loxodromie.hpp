// The rhumb line (loxodrome): the line that crosses every meridian at the same course, the one
// a helmsman or an autopilot holds. Its direct and inverse problems on an ellipsoid.
//
// Both take the ellipsoid's a and f (the catalogue's b is not used: the series are in f alone)
// and are exact to a few nanometres on the catalogue's ellipsoids, the sphere (f = 0) included.
// They stay accurate along or close to a parallel, near a pole and across the 180° meridian.
// A position at a pole (latitude ±90) is the pole itself, whatever its longitude: a rhumb line
// reaches it only along a meridian.
#pragma once

#include "Ellipsoide.hpp"

namespace orbalide {

struct ResultatDirectLoxodromie {
  bool Obtenu;       // false: the line would reach or pass a pole (SansResultat::AtteintPole)
  double Latitude;   // arrival, decimal degrees, north positive, −90 to 90
  double Longitude;  // arrival, decimal degrees, east positive, −180 to 180 (both ends)
};

struct ResultatInverseLoxodromie {
  double Distance;  // metres along the rhumb line, 0 for the same point
  double Route;     // its course, degrees clockwise from north, 0 to 360 (both ends); the
                    // course at the arrival is the same
};

// The arrival of the rhumb line from lat1, lon1 (decimal degrees, north and east positive, the
// latitude from −90 to 90) on `course` (degrees clockwise from north, any value) after `distance`
// metres (negative: backwards along it). The line winds round a pole as often as the distance
// asks; the arrival's longitude is brought within ±180°. No result when the line would reach
// or pass a pole: its longitude there is undefined. Only a meridian (course 0° or 180°
// exactly) reaches a pole with a result, and leaves one. Throws ErreurArithmetique on an
// arithmetic error (a latitude beyond ±90°, a distance far beyond any sensible range).
ResultatDirectLoxodromie CalculDirectLoxodromie(const Ellipsoide& e, double lat1, double lon1,
                                                double course, double distance);

// The shortest rhumb line from lat1, lon1 to lat2, lon2 (decimal degrees, north and east
// positive, latitudes from −90 to 90, longitudes any value): it spans at most 180° of
// longitude; on exactly 180°, it goes the way of the raw difference lon2 − lon1 (east when it
// is positive). Two positions on one meridian, or one at a pole, are joined along the meridian
// (course 0 or 180); the same point gives 0 m on course 180, as the geodesic inverse answers it.
// Throws ErreurArithmetique on an arithmetic error (a latitude beyond ±90°).
ResultatInverseLoxodromie CalculInverseLoxodromie(const Ellipsoide& e, double lat1, double lon1,
                                                  double lat2, double lon2);

}  // namespace orbalide
