#include "Itineraire.hpp"

#include <cmath>
#include <vector>

#include "Gpx.hpp"
#include "Route.hpp"

namespace orbalide {
namespace {

constexpr double kTour = 360;

PointRoute PointDe(const PointDePassage& p) {
  return {std::remainder(p.Longitude, kTour), p.Latitude};
}

}  // namespace

std::string TexteGpxPassage(const Passage& passage, std::string_view nom) {
  std::vector<PointNomme> points;
  for (const PointDePassage& p : passage.Points) points.push_back({p.Nom, PointDe(p)});
  return DebutGpx() + RouteGpx(nom, points) + FinGpx();
}

std::string TexteKmlPassage(const Passage& passage, std::string_view nom,
                            std::string_view description) {
  std::string texte = DebutKml(nom);
  for (const PointDePassage& p : passage.Points) texte += RepereKml(p.Nom, PointDe(p));
  // Each leg's line starts where the last one ended, whole turns apart at most.
  std::vector<PointRoute> ligne;
  for (const Troncon& t : passage.Troncons) {
    const PointDePassage &a = passage.Points[t.Depart], &b = passage.Points[t.Arrivee];
    std::vector<PointRoute> points =
        PointsRoute({passage.Reference, a.Latitude, a.Longitude, t.Route, t.Distance, b.Latitude,
                     b.Longitude, t.Route, Ligne::Loxodromie});
    const double decalage =
        ligne.empty() ? 0
                      : kTour * std::round((ligne.back().Longitude - points[0].Longitude) / kTour);
    for (std::size_t i = ligne.empty() ? 0 : 1; i < points.size(); ++i) {
      ligne.push_back({points[i].Longitude + decalage, points[i].Latitude});
    }
  }
  return texte + LigneKml(nom, description, ligne) + FinKml();
}

}  // namespace orbalide
