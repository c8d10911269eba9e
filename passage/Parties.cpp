#include "Parties.hpp"

#include <algorithm>
#include <cmath>

#include "Angles.hpp"
#include "Loxodromie.hpp"
#include "ModFormules.hpp"
#include "Reel.hpp"

namespace orbalide {
namespace {

constexpr double kTour = 360, kDemiTour = 180;

// A longitude brought within ±180°.
double Reduite(double longitude) {
  return std::remainder(longitude, kTour);
}

// The parallel of `debut` from it to `fin`, on that parallel `arc` degrees away (at most half a
// turn; east positive).
Partie PartieParallele(const Ellipsoide& e, Position debut, Position fin, double arc) {
  const ResultatInverseLoxodromie r =
      CalculInverseLoxodromie(e, debut.Latitude, debut.Longitude, fin.Latitude, fin.Longitude);
  return {debut, fin, true, arc > 0 ? 90.0 : 270.0, r.Distance, arc};
}

// The point of contact with the parallel `latitude` of the geodesic from `depuis` that touches
// it, heading east or west.
Position Contact(const Ellipsoide& e, Position depuis, double latitude, bool est) {
  const double route = RouteTangente(e, depuis, latitude, est);
  const Sommet sommet = SommetDevant(e, depuis, route, latitude > 0);
  const ResultatDirect r =
      CalculDirect(e, depuis.Latitude, depuis.Longitude, route, sommet.Distance);
  return {latitude, r.Longitude};  // its latitude is the parallel's but for rounding
}

// The composite route from the leg's start to its end along the parallel `latitude` (north
// positive): parts shorter than kEcartMinimal are left out.
std::vector<Partie> Composite(const Ellipsoide& e, const Partie& troncon, double latitude) {
  const bool est = troncon.Arc >= 0;
  const Position entree = Contact(e, troncon.Debut, latitude, est);
  const Position sortie = Contact(e, troncon.Fin, latitude, !est);
  std::vector<Partie> parties;
  const auto geodesique = [&](Position debut, Position fin) {
    const ResultatInverse g = Orthodromie(e, debut, fin);
    if (g.Distance >= kEcartMinimal) parties.push_back(PartieGeodesique(debut, fin, g));
  };
  geodesique(troncon.Debut, entree);
  // Both contacts are on the parallel, the exit beyond the entry the leg's way, up to half a turn
  // (contacts on opposite meridians); when rounding puts it a hair before, they are one point.
  const double sens = est ? 1 : -1;
  double arc = Reduite((sortie.Longitude - entree.Longitude) * sens);
  if (arc < -kDemiTour / 2) arc += kTour;
  Position depart = entree;
  if (const Partie parallele = PartieParallele(e, entree, sortie, arc * sens);
      arc > 0 && parallele.Longueur >= kEcartMinimal) {
    parties.push_back(parallele);
    depart = sortie;
  }
  geodesique(depart, troncon.Fin);
  return parties;
}

}  // namespace

Partie PartieLoxodromique(const Ellipsoide& e, Position debut, Position fin) {
  const ResultatInverseLoxodromie r =
      CalculInverseLoxodromie(e, debut.Latitude, debut.Longitude, fin.Latitude, fin.Longitude);
  const double sinus = static_cast<double>(Sin(DegresEnRadians(r.Route)));
  const double arc =
      sinus == 0 ? 0 : std::copysign(std::fabs(Reduite(fin.Longitude - debut.Longitude)), sinus);
  return {debut, fin, true, r.Route, r.Distance, arc};
}

Partie PartieGeodesique(Position debut, Position fin, const ResultatInverse& g) {
  // Half a turn apart, the geodesic goes the way of its course (east for a meridian's).
  double arc = Reduite(fin.Longitude - debut.Longitude);
  if (std::fabs(arc) == kDemiTour) {
    arc = Sin(DegresEnRadians(g.RouteInitiale)) < 0 ? -kDemiTour : kDemiTour;
  }
  return Partie{debut, fin, false, g.RouteInitiale, g.Distance, arc};
}

std::vector<Partie> PartiesDuTroncon(const Ellipsoide& e, const Partie& geodesique,
                                     double latitudeMax) {
  if (latitudeMax >= 90) return {geodesique};
  for (const bool nord : {true, false}) {
    const Sommet s = SommetDevant(e, geodesique.Debut, geodesique.Route, nord);
    if (s.Latitude > latitudeMax && s.Distance > 0 && s.Distance < geodesique.Longueur) {
      return Composite(e, geodesique, nord ? latitudeMax : -latitudeMax);
    }
  }
  return {geodesique};
}

std::optional<std::vector<Position>> PointsFaits(const Ellipsoide& e, const Partie& partie,
                                                 double intervalle, double pas,
                                                 std::size_t maximum) {
  struct Fait {
    double Distance;
    std::optional<Position> Lieu;  // on a meridian; else found from the distance once kept
  };
  const auto lieu = [&](double distance, std::optional<double> longitude) -> Position {
    const Position& d = partie.Debut;
    if (partie.Loxodromie) {
      const ResultatDirectLoxodromie r =
          CalculDirectLoxodromie(e, d.Latitude, d.Longitude, partie.Route, distance);
      return {r.Latitude, longitude.value_or(r.Longitude)};
    }
    const ResultatDirect r = CalculDirect(e, d.Latitude, d.Longitude, partie.Route, distance);
    return {r.Latitude, longitude.value_or(r.Longitude)};
  };
  const double limite = static_cast<double>(maximum);
  std::vector<Fait> faits;
  if (intervalle > 0) {
    const double n = std::floor(partie.Longueur / intervalle);
    if (n > limite) return std::nullopt;
    for (double j = 1; j <= n; ++j) faits.push_back({j * intervalle, std::nullopt});
  }
  if (pas > 0 && partie.Arc != 0) {
    if (std::fabs(partie.Arc) / pas > limite) return std::nullopt;
    // The multiples of `pas` within ±180° (180° once), as seen from each turn the part spans.
    const double debut = partie.Debut.Longitude, fin = debut + partie.Arc;
    const double bas = std::min(debut, fin), haut = std::max(debut, fin);
    for (double tour = kTour * std::floor((bas + kDemiTour) / kTour); tour - kDemiTour < haut;
         tour += kTour) {
      for (double m = std::ceil((bas - tour) / pas); tour + m * pas < haut; ++m) {
        const double multiple = m * pas, x = tour + multiple;
        if (multiple <= -kDemiTour || multiple > kDemiTour || x <= bas) continue;
        const double d = DistanceAuMeridien(e, partie.Debut, partie.Route, partie.Longueur, x,
                                            partie.Loxodromie);
        faits.push_back({d, lieu(d, multiple)});
      }
    }
  }
  std::stable_sort(faits.begin(), faits.end(),
                   [](const Fait& a, const Fait& b) { return a.Distance < b.Distance; });
  std::vector<Position> points;
  double precedent = 0;
  for (const Fait& f : faits) {
    if (f.Distance - precedent < kEcartMinimal || partie.Longueur - f.Distance < kEcartMinimal) {
      continue;
    }
    points.push_back(f.Lieu ? *f.Lieu : lieu(f.Distance, std::nullopt));
    precedent = f.Distance;
  }
  return points;
}

}  // namespace orbalide
