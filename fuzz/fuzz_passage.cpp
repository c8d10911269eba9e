// A passage of any waypoints under any settings, and its files: a route or why there is none,
// never a hang; every leg between neighbours, its figures finite and within their ranges, every
// waypoint made within the maximum latitude.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <variant>

#include "Itineraire.hpp"
#include "Passage.hpp"
#include "Reel.hpp"
#include "Verifier.hpp"

using namespace orbalide;
using orbalide::fuzz::Verifier;

namespace {

constexpr std::size_t kPointsMax = 6;

double Lire(const std::uint8_t*& data, std::size_t& size) {
  double v = 0;
  if (size >= sizeof v) {
    std::memcpy(&v, data, sizeof v);
    data += sizeof v, size -= sizeof v;
  }
  return v;
}

void VerifierPassage(const Passage& p, const ReglagesPassage& r) {
  Verifier(p.Troncons.size() + 1 == p.Points.size(), "a leg between each pair of neighbours");
  for (std::size_t i = 0; i < p.Troncons.size(); ++i) {
    const Troncon& t = p.Troncons[i];
    Verifier(t.Depart == i && t.Arrivee == i + 1, "legs in order");
    Verifier(std::isfinite(t.Distance) && t.Distance >= 0 && t.Route >= 0 && t.Route <= 360 &&
                 std::isfinite(t.DistanceOrthodromie) && std::isfinite(t.HeuresCumulees),
             "leg's figures");
  }
  for (const PointDePassage& w : p.Points) {
    Verifier(!w.Nom.empty(), "every waypoint named");
    Verifier(!w.Fait || std::fabs(w.Latitude) <= r.LatitudeMax + 1e-9, "made within the limit");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const auto index = static_cast<std::int16_t>(data[0] % Catalogue.size());
  ++data, --size;
  ReglagesPassage r{*EllipsoideDuCatalogue(index)};
  r.Intervalle = Lire(data, size), r.PasMeridiens = Lire(data, size);
  r.LatitudeMax = Lire(data, size), r.Vitesse = Lire(data, size);
  std::vector<PointDePassage> points;
  while (size >= 2 * sizeof(double) && points.size() < kPointsMax) {
    const double latitude = Lire(data, size), longitude = Lire(data, size);
    points.push_back({latitude, longitude, ""});
  }
  const auto issue = CalculerPassage(points, r);
  if (const auto* erreur = std::get_if<ErreurPassage>(&issue)) {
    Verifier(!TexteErreurPassage(*erreur, false).empty(), "error told");
    return 0;
  }
  const Passage& p = std::get<Passage>(issue);
  VerifierPassage(p, r);
  Verifier(!TexteGpxPassage(p, "passage").empty(), "GPX written");
  try {
    Verifier(!TexteKmlPassage(p, "passage", "").empty(), "KML written");
  } catch (const ErreurArithmetique&) {
  }
  return 0;
}
