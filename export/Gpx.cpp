#include "Gpx.hpp"

#include <cmath>

#include "Kml.hpp"
#include "Nombres.hpp"

namespace orbalide {
namespace {

constexpr std::string_view kFinDeLigne = "\r\n";
constexpr double kTour = 360;

double LongitudeGpx(double longitude) {
  const double l = std::remainder(longitude, kTour);
  return l == kTour / 2 ? -l : l;
}

// A point's element with its attributes, left open.
std::string Position(std::string_view element, const PointRoute& p) {
  // Appended rather than added to "<": GCC 12 at -O3 takes the insertion at the front for an
  // overlapping copy (-Wrestrict), which stops the optimised build.
  return std::string("<").append(element).append(" lat='") + FormatGeneral(p.Latitude, ".") +
         "' lon='" + FormatGeneral(LongitudeGpx(p.Longitude), ".") + "'";
}

}  // namespace

std::string DebutGpx() {
  return "<?xml version='1.0' encoding='UTF-8'?>" + std::string(kFinDeLigne) +
         "<gpx version='1.1' creator='Orbalide' xmlns='http://www.topografix.com/GPX/1/1'>" +
         std::string(kFinDeLigne);
}

std::string TraceGpx(std::string_view nom, std::string_view description,
                     const std::vector<PointRoute>& points) {
  std::string texte = "<trk><name>" + EchapperXml(nom) + "</name><desc>" +
                      EchapperXml(description) + "</desc><trkseg>" + std::string(kFinDeLigne);
  for (const PointRoute& p : points)
    texte += Position("trkpt", p) + "/>" + std::string(kFinDeLigne);
  return texte + "</trkseg></trk>" + std::string(kFinDeLigne);
}

std::string RouteGpx(std::string_view nom, const std::vector<PointNomme>& points) {
  std::string texte = "<rte><name>" + EchapperXml(nom) + "</name>" + std::string(kFinDeLigne);
  for (const PointNomme& p : points) {
    texte += Position("rtept", p.Point) + "><name>" + EchapperXml(p.Nom) + "</name></rtept>" +
             std::string(kFinDeLigne);
  }
  return texte + "</rte>" + std::string(kFinDeLigne);
}

std::string FinGpx() {
  return "</gpx>" + std::string(kFinDeLigne);
}

}  // namespace orbalide
