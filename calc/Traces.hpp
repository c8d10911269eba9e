// The geodesics of the lines answered, as a KML document and a GPX file.
#pragma once

#include <cstdio>
#include <string_view>

#include "Route.hpp"

namespace orbalide::calc {

class Traces {
 public:
  // kml, gpx: files open for writing, or null for none; each gets its document's start, named.
  Traces(std::FILE* kml, std::FILE* gpx, std::string_view nom);

  bool Actives() const { return kml_ != nullptr || gpx_ != nullptr; }

  // The geodesic as the window's route samples it (PointsRoute): a line placemark and a track,
  // each named and described. Throws ErreurArithmetique, having written nothing, when the
  // sampling does.
  void Ajouter(const Trajet& trajet, std::string_view nom, std::string_view description);

  // Each document's end.
  void Terminer();

 private:
  std::FILE* kml_;
  std::FILE* gpx_;
};

}  // namespace orbalide::calc
