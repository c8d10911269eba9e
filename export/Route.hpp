// The route between two positions as a KML file: both points and the geodesic between them,
// which map viewers draw as a line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Ellipsoide.hpp"

namespace orbalide {

// The line between the two positions of a route: the geodesic, or the rhumb line.
enum class Ligne { Orthodromie, Loxodromie };

// A geodesic as the window computed it, in decimal degrees and metres, with the ellipsoid it was
// computed on; or a rhumb line, whose course is the same at both ends.
struct Trajet {
  Ellipsoide Reference;
  double Latitude1, Longitude1;  // departure
  double RouteInitiale;          // course at the departure
  double Distance;
  double Latitude2, Longitude2;  // arrival
  double RouteArrivee;           // course at the arrival
  Ligne Chemin = Ligne::Orthodromie;
};

struct PointRoute {
  double Longitude, Latitude;
};

// Points of the line are at most this far apart, up to this many segments; a longer route
// has that many segments, evenly spaced.
inline constexpr double kPasRoute = 10000;
inline constexpr int kSegmentsRouteMax = 2000;

// The line's points: the departure, points along the geodesic (or the rhumb line) from its
// direct solution on the route's own ellipsoid at even steps of distance (backwards along the
// course for a negative distance), and the arrival. The departure's longitude is brought within
// −180…180; the next ones stay continuous across the 180° meridian (179.9, then 180.1), so that
// viewers draw the short way. Throws ErreurArithmetique when the direct solution does or has no
// result.
std::vector<PointRoute> PointsRoute(const Trajet& trajet);

// The pieces of a KML 2.2 document in UTF-8, each a whole number of lines ended by CR LF: its
// start, named; placemarks of a point and of a line of points, named and described; its end.
// Names and descriptions are written as EchapperXml (Kml.hpp) writes them.
std::string DebutKml(std::string_view nom);
std::string RepereKml(std::string_view nom, const PointRoute& point);
std::string LigneKml(std::string_view nom, std::string_view description,
                     const std::vector<PointRoute>& points);
std::string FinKml();

// The route's document, named after the two points, with a placemark for each (longitudes within
// −180…180) and one for the line of PointsRoute, whose description is given. Throws
// ErreurArithmetique when the direct solution does.
std::string TexteRouteKml(const Trajet& trajet, std::string_view depart, std::string_view arrivee,
                          std::string_view description);

}  // namespace orbalide
