#include "Kml.hpp"

#include <vector>

#include "Distribution.hpp"
#include "Nombres.hpp"
#include "Utf8.hpp"

namespace orbalide {
namespace {

constexpr std::string_view kFinDeLigne = "\r\n";
constexpr std::size_t kLongueurNomMaximale = 255;  // bytes of one file name

// Whether a character from CaractereUtf8 may stand in XML text: neither invalid UTF-8 nor a control
// character (C0, DEL and C1, U+0085 being a line break) nor a noncharacter that XML refuses.
bool CaractereXml(long c) {
  return c >= 0x20 && (c < 0x7F || c > 0x9F) && c != 0xFFFE && c != 0xFFFF;
}

// What stands for the bytes that are no character of XML text: U+FFFD.
constexpr std::string_view kRemplacement = "\xEF\xBF\xBD";

}  // namespace

std::string EchapperXml(std::string_view nom) {
  std::string texte;
  for (std::size_t i = 0; i < nom.size();) {
    const std::size_t debut = i;
    const long c = CaractereUtf8(nom, i);
    if (c == '\t') {
      texte += "&#9;";  // kept as it stands in an attribute too
    } else if (!CaractereXml(c)) {
      texte += kRemplacement;
    } else if (c == '&') {
      texte += "&amp;";
    } else if (c == '<') {
      texte += "&lt;";
    } else if (c == '>') {
      texte += "&gt;";
    } else {
      texte += nom.substr(debut, i - debut);
    }
  }
  return texte;
}

bool TexteXml(std::string_view nom, bool tabulations) {
  for (std::size_t i = 0; i < nom.size();) {
    const long c = CaractereUtf8(nom, i);
    if (!CaractereXml(c) && !(tabulations && c == '\t')) return false;
  }
  return true;
}

std::string TexteKml(std::string_view nom, double latitude, double longitude) {
  const std::vector<std::string> lignes{
      "<?xml version='1.0' encoding='UTF-8'?>",
      "<kml xmlns='http://earth.google.com/kml/2.0'>  <Document>",
      "<ScreenOverlay>    <name>Orbalide " + std::string(kHoteSiteWeb) +
          "</name>    <Icon>      <href>" + std::string(kImageBandeau) +
          "</href>    </Icon>    <overlayXY x='0' y='1' xunits='fraction' yunits='fraction'/>"
          "    <screenXY x='0' y='1' xunits='fraction' yunits='fraction'/>"
          "    <rotationXY x='0' y='0' xunits='fraction' yunits='fraction'/>"
          "    <size x='0' y='0' xunits='fraction' yunits='fraction'/>  </ScreenOverlay>"
          "<Placemark>",
      "    <name>" + EchapperXml(nom) + "</name>",
      "    <Point>",
      "      <coordinates>" + FormatGeneral(longitude, ".") + "," + FormatGeneral(latitude, ".") +
          ",10</coordinates>",
      "    </Point>",
      "  </Placemark>",
      "  </Document></kml>",
  };
  std::string texte;
  for (const std::string& ligne : lignes) texte += ligne + std::string(kFinDeLigne);
  return texte;
}

std::optional<std::string> NomFichierKml(std::string_view nom, int slot) {
  if (!TexteXml(nom) || nom.find('/') != std::string_view::npos) return std::nullopt;
  const std::string base = nom == kPointSansNom ? "Geo" : std::string(nom);
  std::string fichier = base + "(" + std::to_string(slot) + ").kml";
  if (fichier.size() > kLongueurNomMaximale) return std::nullopt;
  return fichier;
}

}  // namespace orbalide
