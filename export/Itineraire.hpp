// A passage as files: a GPX route for chart plotters, a KML document for map viewers.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "Passage.hpp"

namespace orbalide {

// A GPX 1.1 file in UTF-8 of the passage's route named `nom`, described by `description` (none
// when empty): every waypoint, given and made, in
// order, with its name, the full one in <desc> when it was shortened (NomComplet), its time of
// arrival with a departure (the first waypoint's the departure's, all rounded to the minute);
// the made ones typed kTypePointFait. In one route, or with a `maximum` of points (2 or more) that
// it exceeds, in the routes of PartiesRoute, named "nom 1/3", "nom 2/3"…
std::string TexteGpxPassage(const Passage& passage, std::string_view nom, std::size_t maximum = 0,
                            std::string_view description = {});

// A KML 2.2 document in UTF-8 named `nom`: a placemark for every waypoint, given and made, and
// one line, described by `description`, along the legs steered: their rhumb lines, sampled at
// most kPasRoute apart (up to kSegmentsRouteMax segments a leg), longitudes continuous across the
// 180° meridian. Throws ErreurArithmetique when a rhumb line's direct solution does.
std::string TexteKmlPassage(const Passage& passage, std::string_view nom,
                            std::string_view description);

}  // namespace orbalide
