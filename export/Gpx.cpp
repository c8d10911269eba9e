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
  for (const PointRoute& p : points) {
    texte += "<trkpt lat='" + FormatGeneral(p.Latitude, ".") + "' lon='" +
             FormatGeneral(LongitudeGpx(p.Longitude), ".") + "'/>" + std::string(kFinDeLigne);
  }
  return texte + "</trkseg></trk>" + std::string(kFinDeLigne);
}

std::string FinGpx() {
  return "</gpx>" + std::string(kFinDeLigne);
}

}  // namespace orbalide
