#include "Itineraire.hpp"

#include <cmath>
#include <vector>

#include "Gpx.hpp"
#include "Route.hpp"
#include "Traceurs.hpp"

namespace orbalide {
namespace {

constexpr double kTour = 360;

PointRoute PointDe(const PointDePassage& p) {
  return {std::remainder(p.Longitude, kTour), p.Latitude};
}

}  // namespace

std::string TexteGpxPassage(const Passage& passage, std::string_view nom, std::size_t maximum,
                            std::string_view description) {
  std::vector<PointNomme> points;
  for (std::size_t i = 0; i < passage.Points.size(); ++i) {
    const PointDePassage& p = passage.Points[i];
    std::optional<Instant> heure;
    if (passage.Depart) {
      heure = InstantApres(*passage.Depart, i == 0 ? 0 : passage.Troncons[i - 1].HeuresCumulees);
    }
    points.push_back({p.Nom, PointDe(p), p.NomComplet, heure, p.Fait});
  }
  if (maximum == 0 || points.size() <= maximum) {
    return DebutGpx() + RouteGpx(nom, points, description) + FinGpx();
  }
  const auto parties = PartiesRoute(points.size(), maximum);
  std::string texte = DebutGpx();
  for (std::size_t k = 0; k < parties.size(); ++k) {
    const auto [debut, fin] = parties[k];
    texte += RouteGpx(NomPartie(nom, k + 1, parties.size()),
                      std::span(points).subspan(debut, fin - debut + 1), description);
  }
  return texte + FinGpx();
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
