#include "Route.hpp"

#include <algorithm>
#include <cmath>

#include "Kml.hpp"
#include "ModFormules.hpp"
#include "Nombres.hpp"

namespace orbalide {
namespace {

constexpr std::string_view kFinDeLigne = "\r\n";

// The longitude plus or minus whole turns that lies within half a turn of the previous one.
double Continue(double longitude, double precedente) {
  return longitude - 360 * std::round((longitude - precedente) / 360);
}

std::string Coordonnees(const PointRoute& p) {
  return FormatGeneral(p.Longitude, ".") + "," + FormatGeneral(p.Latitude, ".");
}

std::string Repere(std::string_view nom, const PointRoute& p) {
  return "<Placemark><name>" + EchapperXml(nom) + "</name><Point><coordinates>" + Coordonnees(p) +
         "</coordinates></Point></Placemark>";
}

}  // namespace

std::vector<PointRoute> PointsRoute(const Trajet& t) {
  const double pas = std::ceil(t.Distance / kPasRoute);
  const int segments = pas < 1                   ? 1
                       : pas > kSegmentsRouteMax ? kSegmentsRouteMax
                                                 : static_cast<int>(pas);
  std::vector<PointRoute> points{{t.Longitude1, t.Latitude1}};
  for (int i = 1; i <= segments; ++i) {
    PointRoute p{t.Longitude2, t.Latitude2};
    if (i < segments) {
      const ResultatDirect r = CalculDirect(t.Reference, t.Latitude1, t.Longitude1, t.RouteInitiale,
                                            t.Distance * i / segments);
      p = {r.Longitude, r.Latitude};
    }
    p.Longitude = Continue(p.Longitude, points.back().Longitude);
    points.push_back(p);
  }
  return points;
}

std::string TexteRouteKml(const Trajet& t, std::string_view depart, std::string_view arrivee,
                          std::string_view description) {
  const std::vector<PointRoute> points = PointsRoute(t);
  const std::string nom = EchapperXml(depart) + " - " + EchapperXml(arrivee);
  std::string ligne;
  for (const PointRoute& p : points) ligne += Coordonnees(p) + std::string(kFinDeLigne);
  const std::string lignes[] = {
      "<?xml version='1.0' encoding='UTF-8'?>",
      "<kml xmlns='http://www.opengis.net/kml/2.2'><Document><name>" + nom + "</name>",
      Repere(depart, {t.Longitude1, t.Latitude1}),
      Repere(arrivee, {t.Longitude2, t.Latitude2}),
      "<Placemark><name>" + nom + "</name><description>" + EchapperXml(description) +
          "</description><LineString><tessellate>1</tessellate><coordinates>",
      ligne + "</coordinates></LineString></Placemark>",
      "</Document></kml>",
  };
  std::string texte;
  for (const std::string& l : lignes) texte += l + std::string(kFinDeLigne);
  return texte;
}

}  // namespace orbalide
