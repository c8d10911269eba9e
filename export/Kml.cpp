#include "Kml.hpp"

#include <vector>

#include "Distribution.hpp"
#include "Nombres.hpp"

namespace orbalide {
namespace {

constexpr std::string_view kFinDeLigne = "\r\n";
constexpr std::size_t kLongueurNomMaximale = 255;  // bytes of one file name

// The character that starts at `i` (advancing `i` past it), or −1 when the bytes there are no
// valid UTF-8: a stray continuation byte, a sequence cut short, an overlong form, a surrogate.
long Caractere(std::string_view s, std::size_t& i) {
  const auto octet = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char premier = octet(i++);
  if (premier < 0x80) return premier;
  const int suite = premier >= 0xF0 ? 3 : premier >= 0xE0 ? 2 : premier >= 0xC0 ? 1 : 0;
  if (suite == 0 || premier > 0xF4 || i + static_cast<std::size_t>(suite) > s.size()) return -1;
  long c = premier & (0x3F >> suite);
  for (int k = 0; k < suite; ++k, ++i) {
    if ((octet(i) & 0xC0) != 0x80) return -1;
    c = (c << 6) | (octet(i) & 0x3F);
  }
  constexpr long kMinimum[] = {0, 0x80, 0x800, 0x10000};
  if (c < kMinimum[suite] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return -1;
  return c;
}

// Whether a character from Caractere may stand in XML text: neither invalid UTF-8 nor a control
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
    const long c = Caractere(nom, i);
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
    const long c = Caractere(nom, i);
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
