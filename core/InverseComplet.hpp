// The inverse problem answered for every pair of points, nearly antipodal ones included.
#pragma once

#include "Ellipsoide.hpp"
#include "inverse.hpp"

namespace orbalide {

// The inverse problem on the ellipsoid e (oblate, or the sphere), for any two positions.
// lat1, lon1, lat2, lon2: decimal degrees, north and east positive, as CalculInverse takes them.
// Obtenu is always true and Confondus false; Distance in metres, courses from 0 to 360:
// - the same point (equal latitudes, and longitudes whole turns apart or both at the same pole;
//   or points so close that no arc between them is a double, 1e-160° and less): Distance 0, both
//   courses 180;
// - exactly antipodal points (lat2 = −lat1, longitudes an odd number of half turns apart) and
//   points on opposite poles: half a meridian, b · A · π with Vincenty's A. On an ellipsoid the
//   meridians over either pole are the two shortest geodesics (between opposite poles, every
//   meridian; on the sphere, every great circle): the one over the pole on the departure's side
//   of the equator is taken (from the equator, the north pole; from a latitude of −0, as "0S"
//   reads, the south pole), as GeographicLib's tools take it: courses 0 and 180 over the north
//   pole, 180 and 0 over the south pole. Courses at a pole are measured from the meridian of its
//   given longitude: from the north pole 180 − (lon2 − lon1) arriving 180, from the south pole
//   lon2 − lon1 arriving 0;
// - otherwise, where Vincenty's iteration settles, CalculInverse's figures, to the bit;
// - where it does not (nearly antipodal points), the geodesic found by Newton's method on the
//   departure course, with Vincenty's series for its longitude and length (see
//   InverseComplet.cpp): as close to the exact geodesic as where the iteration settles (0.15 mm
//   on Karney's test set), and the direct solution from its course and distance lands within
//   0.01 mm of the arrival.
// Passes: those of CalculInverse where its figures are given; where it does not settle, the
// trials of Newton's method (1 to 4 near the antipode; 64 at most); 0 for the same point and
// for antipodal points.
// Throws ErreurArithmetique on an arithmetic error, as CalculInverse does.
ResultatInverse CalculInverseComplet(const Ellipsoide& e, double lat1, double lon1, double lat2,
                                     double lon2);

}  // namespace orbalide
