// Both solutions, the complete inverse and the rhumb line's two problems on any doubles and any
// ellipsoid: a result, no result or the arithmetic error; never a hang, never an infinity or a
// NaN in a result, and the rhumb line's within their ranges. The complete inverse answers every
// pair of positions within the command line's ranges, with Vincenty's figures where it gives them.
#include <cmath>
#include <cstdint>
#include <cstring>

#include "Ellipsoide.hpp"
#include "InverseComplet.hpp"
#include "Loxodromie.hpp"
#include "ModFormules.hpp"
#include "Reel.hpp"
#include "Verifier.hpp"
#include "inverse.hpp"

using namespace orbalide;
using orbalide::fuzz::Verifier;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  double v[4] = {};
  if (size < 1 + sizeof v) return 0;
  const Ellipsoide e =
      *EllipsoideDuCatalogue(static_cast<std::int16_t>(data[0] % Catalogue.size()));
  std::memcpy(v, data + 1, sizeof v);
  try {
    const ResultatDirect d = CalculDirect(e, v[0], v[1], v[2], v[3]);
    Verifier(
        std::isfinite(d.Latitude) && std::isfinite(d.Longitude) && std::isfinite(d.RouteArrivee),
        "direct result is finite");
    Verifier(d.Passes >= 1 && d.Passes <= kPassesDirectesMax, "direct passes");
  } catch (const ErreurArithmetique&) {
  }
  const auto sain = [](const ResultatInverse& r) {
    return std::isfinite(r.Distance) && r.Distance >= 0 && r.RouteInitiale >= 0 &&
           r.RouteInitiale <= 360 && r.RouteArrivee >= 0 && r.RouteArrivee <= 360;
  };
  ResultatInverse r{};
  try {
    r = CalculInverse(e, v[0], v[1], v[2], v[3]);
    Verifier(!r.Obtenu || sain(r), "inverse result is finite, courses in range");
  } catch (const ErreurArithmetique&) {
  }
  const bool lisibles = std::fabs(v[0]) <= 90 && std::fabs(v[2]) <= 90 && std::fabs(v[1]) <= 540 &&
                        std::fabs(v[3]) <= 540;
  try {
    const ResultatInverse c = CalculInverseComplet(e, v[0], v[1], v[2], v[3]);
    Verifier(c.Obtenu && sain(c), "complete inverse result");
    // Not for the same point nor for antipodal points, told by no passes.
    Verifier(!r.Obtenu || c.Passes == 0 ||
                 (c.Distance == r.Distance && c.RouteInitiale == r.RouteInitiale &&
                  c.RouteArrivee == r.RouteArrivee && c.Passes == r.Passes),
             "complete inverse keeps Vincenty's figures");
  } catch (const ErreurArithmetique&) {
    Verifier(!lisibles, "complete inverse answers every readable pair");
  }
  try {
    const ResultatDirectLoxodromie d = CalculDirectLoxodromie(e, v[0], v[1], v[2], v[3]);
    Verifier(!d.Obtenu || (std::fabs(d.Latitude) <= 90 && std::fabs(d.Longitude) <= 180),
             "rhumb line's arrival within range");
  } catch (const ErreurArithmetique&) {
  }
  try {
    const ResultatInverseLoxodromie l = CalculInverseLoxodromie(e, v[0], v[1], v[2], v[3]);
    Verifier(l.Distance >= 0 && l.Route >= 0 && l.Route <= 360, "rhumb line's length and course");
  } catch (const ErreurArithmetique&) {
  }
  return 0;
}
