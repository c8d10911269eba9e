// Any bytes as a typed number; any double through the picture and general formats.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "Lisible.hpp"
#include "Nombres.hpp"
#include "Reel.hpp"
#include "Sexagesimal.hpp"
#include "Verifier.hpp"

using namespace orbalide;
using orbalide::fuzz::Lisible;
using orbalide::fuzz::Verifier;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    Verifier(std::isfinite(LireNombre(text)), "LireNombre is finite");
  } catch (const ErreurArithmetique&) {
  }
  if (size < sizeof(double)) return 0;
  double v = 0;
  std::memcpy(&v, data, sizeof v);
  if (!std::isfinite(v)) return 0;
  for (const char* picture : {"0", "00", "00.00", "00.000", "00.0000000"}) {
    for (const char* separator : {".", ","}) {
      const std::string formatted = FormatPicture(v, picture, separator);
      Verifier(Lisible(formatted), "picture text is plain");
    }
  }
  const std::string general = FormatGeneral(v, ".");
  Verifier(Lisible(general), "general text is plain");
  try {
    const double back = LireNombre(general);
    Verifier(std::fabs(back - v) <= std::fabs(v) * 1e-14, "general text reads back");
  } catch (const ErreurArithmetique&) {  // the largest doubles round beyond the range
    Verifier(std::fabs(v) > 1.7976931348623e308, "only the largest doubles read back beyond");
  }
  const char* picture = size % 2 == 0 ? "00.000" : "00.0000000";
  const TexteSexagesimal p = PositionEnSexagesimal(v, picture);
  Verifier(Lisible(p.Degres + p.Minutes + p.Secondes), "position text is plain");
  if (std::fabs(v) <= 1e6) {
    const TexteRoute r = RouteEnSexagesimal(std::fabs(v), picture, ",");
    Verifier(Lisible(r.Degres + r.Minutes + r.Secondes + r.Decimal), "course text is plain");
  }
  return 0;
}
