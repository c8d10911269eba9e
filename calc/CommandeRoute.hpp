// orbalide-calc route: the passage through the waypoints of its inputs, its legs written out.
#pragma once

#include <cstdio>

#include "Options.hpp"

namespace orbalide::calc {

// The passage through the waypoints of the inputs that `o` names (the standard input, `entree`, for
// "-" or when none is named), in order, with route's settings on the ellipsoid (--every in the
// distance unit), sailed back with --reverse (PointsInverses). An input whose first character after
// blanks is "<" (DebutXml) is a GPX file, read by LecteurGpx: the route of --route, or its <wpt>s,
// said so, when it has none (with no GPX input, --route stops the run). The others' records are
// read as LireEscale reads them, with --csv after the input's header. With --gpx or --kml, a name
// must be UTF-8 text without control characters (TexteXml, tabs allowed). With --name-length, the
// names are AvecNomsCourts's. The legs are written on `sortie` as TableEtapes writes them (with
// --csv, under its header, separated as the first header read is, or by commas), the route into the
// file of --gpx (TexteGpxPassage, cut at --max-points; a route longer than kPointsRouteTraceur
// told) and the passage into that of --kml (TexteKmlPassage), each named after the first and the
// last waypoint, "Brest–Las Palmas" (with --name-length, NomsRouteCourte's, the route described by
// the full name). A waypoint or a GPX file that cannot be read, or a passage without a route,
// stops the run: each message names the input and line concerned, nothing is written on `sortie`
// nor into the files (one that exists stays as it was), and the status is kLignesSansReponse.
// kEchec as Executer has it, kToutesCalculees otherwise.
int ExecuterRoute(const Options& o, bool anglais, int entree, std::FILE* sortie,
                  std::FILE* erreurs);

}  // namespace orbalide::calc
