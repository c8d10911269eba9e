// The geodesics of a passage: the inverse solution, called here alone; a geodesic's vertex; the
// geodesic that touches a parallel; where a geodesic crosses a meridian.
#pragma once

#include "Ellipsoide.hpp"
#include "inverse.hpp"

namespace orbalide {

struct Position {
  double Latitude, Longitude;  // decimal degrees, north and east positive
};

// The geodesic from a to b, for every pair of points (CalculInverseComplet). Throws
// ErreurArithmetique as the inverse solution does.
ResultatInverse Orthodromie(const Ellipsoide& e, Position a, Position b);

struct Sommet {
  double Latitude;  // its magnitude, degrees, 0 to 90
  double Distance;  // metres ahead along the geodesic, 0 to one turn round the ellipsoid
};

// The vertex, north or south, that the geodesic from `depart` on `course` (degrees) meets first:
// the point where its latitude is highest in that hemisphere. A geodesic along the equator has
// its vertices at latitude 0. Throws ErreurArithmetique on an arithmetic error.
Sommet SommetDevant(const Ellipsoide& e, Position depart, double course, bool nord);

// The course (degrees, 0 to 360) from `depart` of the geodesic whose vertex lies on the parallel
// `latitude` (north positive; |depart.Latitude| at most |latitude|), heading towards it east or
// west.
double RouteTangente(const Ellipsoide& e, Position depart, double latitude, bool est);

// The distance, from 0 to `longueur`, along the geodesic (or, with `loxodromie`, the rhumb line)
// from `depart` on `course` at which it crosses the meridian `longitude`, unrolled from depart's
// in the direction of travel (east of it for an eastward line). The line must cross it once
// within `longueur`.
double DistanceAuMeridien(const Ellipsoide& e, Position depart, double course, double longueur,
                          double longitude, bool loxodromie = false);

}  // namespace orbalide
