// The parts of a leg, geodesics and a parallel, and the waypoints made along them.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "Ellipsoide.hpp"
#include "Orthodromie.hpp"

namespace orbalide {

// Waypoints closer than this (metres) to one made before them, or to a part's end, are not made.
inline constexpr double kEcartMinimal = 1e-3;

struct Partie {
  Position Debut, Fin;
  bool Loxodromie;  // a rhumb line (a composite route's along its parallel); else a geodesic
  double Route;     // the course at Debut, degrees
  double Longueur;  // metres
  double Arc;       // the longitude swept from Debut to Fin, degrees, east positive
};

// The geodesic from `debut` to `fin` as a part, from the inverse solution's result `g`.
Partie PartieGeodesique(Position debut, Position fin, const ResultatInverse& g);

// The rhumb line from `debut` to `fin` as a part: the shortest, at most half a turn of longitude.
// Throws ErreurArithmetique on an arithmetic error.
Partie PartieLoxodromique(const Ellipsoide& e, Position debut, Position fin);

// The parts of the leg `geodesique` (a geodesic part): itself, or, when it passes poleward of
// `latitudeMax` (degrees, from 0 to 90; both ends within it), the geodesic from its start that
// touches that parallel, the parallel, and the geodesic that leaves it tangentially for its
// end. Throws ErreurArithmetique on an arithmetic error.
std::vector<Partie> PartiesDuTroncon(const Ellipsoide& e, const Partie& geodesique,
                                     double latitudeMax);

// The waypoints made along a part, in order, without its ends: every `intervalle` metres from its
// start and where it crosses each multiple of `pas` degrees of longitude (0: none of either);
// nothing when they would be more than `maximum`. Throws ErreurArithmetique on an arithmetic
// error.
std::optional<std::vector<Position>> PointsFaits(const Ellipsoide& e, const Partie& partie,
                                                 double intervalle, double pas,
                                                 std::size_t maximum);

}  // namespace orbalide
