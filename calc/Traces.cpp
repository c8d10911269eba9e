#include "Traces.hpp"

#include <string>

#include "Gpx.hpp"

namespace orbalide::calc {
namespace {

void Ecrire(std::FILE* f, const std::string& texte) {
  if (f != nullptr) std::fwrite(texte.data(), 1, texte.size(), f);
}

}  // namespace

Traces::Traces(std::FILE* kml, std::FILE* gpx, std::string_view nom) : kml_(kml), gpx_(gpx) {
  Ecrire(kml_, DebutKml(nom));
  Ecrire(gpx_, DebutGpx());
}

void Traces::Ajouter(const Trajet& trajet, std::string_view nom, std::string_view description) {
  const std::vector<PointRoute> points = PointsRoute(trajet);
  if (kml_ != nullptr) Ecrire(kml_, LigneKml(nom, description, points));
  if (gpx_ != nullptr) Ecrire(gpx_, TraceGpx(nom, description, points));
}

void Traces::Terminer() {
  Ecrire(kml_, FinKml());
  Ecrire(gpx_, FinGpx());
}

}  // namespace orbalide::calc
