// orbalide-calc route: the passage through the waypoints of its inputs, its legs written out.
#pragma once

#include <cstdio>

#include "Options.hpp"

namespace orbalide::calc {

// The passage through the waypoints of the inputs that `o` names (the standard input, `entree`,
// for "-" or when none is named), in order, with route's settings on the ellipsoid (--every in
// the distance unit). Each input's records are read as LireEscale reads them, with --csv after
// the input's header; with --gpx or --kml, a name must be UTF-8 text without control characters
// (TexteXml, tabs allowed). The legs are written on `sortie` as TableEtapes writes them (with
// --csv, under its header, separated as the first header read is), the route into the file of --gpx
// (TexteGpxPassage) and the passage into that of --kml (TexteKmlPassage), each named after the
// first and the last waypoint, "Brest–Las Palmas". A waypoint that cannot be read, or a passage
// without a route, stops the run: each message names the input and line of the waypoint
// concerned, nothing is written on `sortie` nor into the files (one that exists stays as it was),
// and the status is kLignesSansReponse. kEchec as Executer has it, kToutesCalculees otherwise.
int ExecuterRoute(const Options& o, bool anglais, int entree, std::FILE* sortie,
                  std::FILE* erreurs);

}  // namespace orbalide::calc
