#include "Route.hpp"

#include <algorithm>
#include <cmath>

#include "Kml.hpp"
#include "Loxodromie.hpp"
#include "ModFormules.hpp"
#include "Nombres.hpp"
#include "Reel.hpp"

namespace orbalide {
namespace {

constexpr std::string_view kFinDeLigne = "\r\n";

constexpr double kTour = 360;

// The longitude plus or minus whole turns that lies within half a turn of the previous one.
double Continue(double longitude, double precedente) {
  return longitude - kTour * std::round((longitude - precedente) / kTour);
}

// The longitude plus or minus whole turns that lies from −180 to 180.
double Reduite(double longitude) {
  return std::remainder(longitude, kTour);
}

PointRoute PointA(const Trajet& t, double distance) {
  if (t.Chemin == Ligne::Loxodromie) {
    const ResultatDirectLoxodromie r =
        CalculDirectLoxodromie(t.Reference, t.Latitude1, t.Longitude1, t.RouteInitiale, distance);
    if (!r.Obtenu) SignalerErreurArithmetique();
    return {r.Longitude, r.Latitude};
  }
  const ResultatDirect r =
      CalculDirect(t.Reference, t.Latitude1, t.Longitude1, t.RouteInitiale, distance);
  return {r.Longitude, r.Latitude};
}

std::string Coordonnees(const PointRoute& p) {
  return FormatGeneral(p.Longitude, ".") + "," + FormatGeneral(p.Latitude, ".");
}

}  // namespace

std::vector<PointRoute> PointsRoute(const Trajet& t) {
  // A negative distance runs back along the course: as long, as finely sampled.
  const double pas = std::ceil(std::fabs(t.Distance) / kPasRoute);
  const int segments = pas < 1                   ? 1
                       : pas > kSegmentsRouteMax ? kSegmentsRouteMax
                                                 : static_cast<int>(pas);
  std::vector<PointRoute> points{{Reduite(t.Longitude1), t.Latitude1}};
  for (int i = 1; i <= segments; ++i) {
    PointRoute p{t.Longitude2, t.Latitude2};
    if (i < segments) p = PointA(t, t.Distance * i / segments);
    p.Longitude = Continue(p.Longitude, points.back().Longitude);
    points.push_back(p);
  }
  return points;
}

std::string DebutKml(std::string_view nom) {
  return "<?xml version='1.0' encoding='UTF-8'?>" + std::string(kFinDeLigne) +
         "<kml xmlns='http://www.opengis.net/kml/2.2'><Document><name>" + EchapperXml(nom) +
         "</name>" + std::string(kFinDeLigne);
}

std::string RepereKml(std::string_view nom, const PointRoute& point) {
  return "<Placemark><name>" + EchapperXml(nom) + "</name><Point><coordinates>" +
         Coordonnees(point) + "</coordinates></Point></Placemark>" + std::string(kFinDeLigne);
}

std::string LigneKml(std::string_view nom, std::string_view description,
                     const std::vector<PointRoute>& points) {
  std::string texte = "<Placemark><name>" + EchapperXml(nom) + "</name><description>" +
                      EchapperXml(description) +
                      "</description><LineString><tessellate>1</tessellate><coordinates>" +
                      std::string(kFinDeLigne);
  for (const PointRoute& p : points) texte += Coordonnees(p) + std::string(kFinDeLigne);
  return texte + "</coordinates></LineString></Placemark>" + std::string(kFinDeLigne);
}

std::string FinKml() {
  return "</Document></kml>" + std::string(kFinDeLigne);
}

std::string TexteRouteKml(const Trajet& t, std::string_view depart, std::string_view arrivee,
                          std::string_view description) {
  const std::string nom = std::string(depart) + " - " + std::string(arrivee);
  return DebutKml(nom) + RepereKml(depart, {Reduite(t.Longitude1), t.Latitude1}) +
         RepereKml(arrivee, {Reduite(t.Longitude2), t.Latitude2}) +
         LigneKml(nom, description, PointsRoute(t)) + FinKml();
}

}  // namespace orbalide
