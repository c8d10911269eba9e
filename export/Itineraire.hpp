// A passage as files: a GPX route for chart plotters, a KML document for map viewers.
#pragma once

#include <string>
#include <string_view>

#include "Passage.hpp"

namespace orbalide {

// A GPX 1.1 file in UTF-8 of one route named `nom` whose points are every waypoint of the
// passage, given and made, in order, with their names.
std::string TexteGpxPassage(const Passage& passage, std::string_view nom);

// A KML 2.2 document in UTF-8 named `nom`: a placemark for every waypoint, given and made, and
// one line, described by `description`, along the legs steered: their rhumb lines, sampled at
// most kPasRoute apart (up to kSegmentsRouteMax segments a leg), longitudes continuous across the
// 180° meridian. Throws ErreurArithmetique when a rhumb line's direct solution does.
std::string TexteKmlPassage(const Passage& passage, std::string_view nom,
                            std::string_view description);

}  // namespace orbalide
