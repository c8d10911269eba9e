// GPX 1.1 files of tracks: one track for each geodesic, as a line of points.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Route.hpp"

namespace orbalide {

// The pieces of a GPX 1.1 file in UTF-8, each a whole number of lines ended by CR LF: its start,
// one track of a single segment, its end. Names and descriptions are written as given, with "&",
// "<" and ">" escaped. Points are decimal degrees as PointsRoute makes them; their longitudes are
// brought into GPX's range, from −180 included to 180 excluded (180.1 is written −179.9).
std::string DebutGpx();
std::string TraceGpx(std::string_view nom, std::string_view description,
                     const std::vector<PointRoute>& points);
std::string FinGpx();

}  // namespace orbalide
