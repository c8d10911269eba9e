// Distances in the unit the user chose: metres, or nautical miles of exactly 1852 m.
#pragma once

#include <string>
#include <string_view>

namespace orbalide {

inline constexpr double kMetresParMille = 1852.0;

enum class Unite { Metres, Milles };

// A distance in metres, in the unit.
double EnUnite(double metres, Unite unite);
// A distance in the unit, in metres.
double EnMetres(double distance, Unite unite);

// A distance in metres as text in the unit, with a picture such as "00.000" and the regional
// decimal separator (FormatPicture).
std::string TexteDistance(double metres, Unite unite, std::string_view picture,
                          std::string_view separateur);

}  // namespace orbalide
