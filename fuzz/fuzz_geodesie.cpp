// Both solutions and the rhumb line's two problems on any doubles and any ellipsoid: a result, no
// result or the arithmetic error; never a hang, never an infinity or a NaN in a result, and the
// rhumb line's within their ranges.
#include <cmath>
#include <cstdint>
#include <cstring>

#include "Ellipsoide.hpp"
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
  try {
    const ResultatInverse r = CalculInverse(e, v[0], v[1], v[2], v[3]);
    if (r.Obtenu) {
      Verifier(std::isfinite(r.Distance) && std::isfinite(r.RouteInitiale) &&
                   std::isfinite(r.RouteArrivee),
               "inverse result is finite");
      Verifier(r.RouteInitiale >= 0 && r.RouteInitiale <= 360, "initial course range");
    }
  } catch (const ErreurArithmetique&) {
  }
  try {
    const ResultatDirectLoxodromie d = CalculDirectLoxodromie(e, v[0], v[1], v[2], v[3]);
    Verifier(!d.Obtenu || (std::fabs(d.Latitude) <= 90 && std::fabs(d.Longitude) <= 180),
             "rhumb line's arrival within range");
  } catch (const ErreurArithmetique&) {
  }
  try {
    const ResultatInverseLoxodromie r = CalculInverseLoxodromie(e, v[0], v[1], v[2], v[3]);
    Verifier(r.Distance >= 0 && r.Route >= 0 && r.Route <= 360, "rhumb line's length and course");
  } catch (const ErreurArithmetique&) {
  }
  return 0;
}
