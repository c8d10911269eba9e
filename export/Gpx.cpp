#include "Gpx.hpp"

#include <array>
#include <charconv>
#include <cmath>

#include "Kml.hpp"

namespace orbalide {
namespace {

constexpr std::string_view kFinDeLigne = "\r\n";
constexpr double kTour = 360;

double LongitudeGpx(double longitude) {
  const double l = std::remainder(longitude, kTour);
  return l == kTour / 2 ? -l : l;
}

// An angle in the fewest decimals that read back as the same double, without an exponent (GPX's
// decimals have none): a route read back gives the very same legs.
std::string Decimales(double v) {
  // Enough for any angle: a sign, 3 digits, the point, and the decimals of the smallest double,
  // 4.9e-324: 323 zeros before its 17 digits.
  std::array<char, 400> texte{};
  const auto fin =
      std::to_chars(texte.data(), texte.data() + texte.size(), v, std::chars_format::fixed);
  return std::string(texte.data(), fin.ptr);
}

// A point's element with its attributes, left open. Appended piece by piece: GCC 12 at -O3 warns
// of an overlap that cannot happen in "<" + std::string(element) (its -Wrestrict false positive).
std::string Position(std::string_view element, const PointRoute& p) {
  std::string texte = "<";
  texte.append(element).append(" lat='").append(Decimales(p.Latitude));
  return texte.append("' lon='").append(Decimales(LongitudeGpx(p.Longitude))).append("'");
}

}  // namespace

std::string DebutGpx() {
  std::string texte = "<?xml version='1.0' encoding='UTF-8'?>" + std::string(kFinDeLigne);
  texte.append("<gpx version='1.1' creator='").append(kCreateurGpx);
  return texte.append("' xmlns='http://www.topografix.com/GPX/1/1'>").append(kFinDeLigne);
}

std::string TraceGpx(std::string_view nom, std::string_view description,
                     const std::vector<PointRoute>& points) {
  std::string texte = "<trk><name>" + EchapperXml(nom) + "</name><desc>" +
                      EchapperXml(description) + "</desc><trkseg>" + std::string(kFinDeLigne);
  for (const PointRoute& p : points)
    texte += Position("trkpt", p) + "/>" + std::string(kFinDeLigne);
  return texte + "</trkseg></trk>" + std::string(kFinDeLigne);
}

std::string RouteGpx(std::string_view nom, std::span<const PointNomme> points,
                     std::string_view description) {
  std::string texte = "<rte><name>" + EchapperXml(nom) + "</name>";
  if (!description.empty()) texte += "<desc>" + EchapperXml(description) + "</desc>";
  texte += kFinDeLigne;
  for (const PointNomme& p : points) {
    texte += Position("rtept", p.Point) + ">";
    if (p.Heure) texte += "<time>" + TexteInstantXml(*p.Heure) + "</time>";
    texte += "<name>" + EchapperXml(p.Nom) + "</name>";
    if (!p.Description.empty()) texte += "<desc>" + EchapperXml(p.Description) + "</desc>";
    if (p.Fait) texte.append("<type>").append(kTypePointFait).append("</type>");
    texte += "</rtept>" + std::string(kFinDeLigne);
  }
  return texte + "</rte>" + std::string(kFinDeLigne);
}

std::string FinGpx() {
  return "</gpx>" + std::string(kFinDeLigne);
}

std::string NomPartie(std::string_view nom, std::size_t rang, std::size_t parties) {
  // Appended piece by piece: GCC 12 at -O3 warns of an overlap that cannot happen in
  // " " + std::to_string(…) (its -Wrestrict false positive).
  std::string partie(nom);
  partie.append(" ").append(std::to_string(rang)).append("/");
  return partie.append(std::to_string(parties));
}

}  // namespace orbalide
