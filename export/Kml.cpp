#include "Kml.hpp"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "Distribution.hpp"
#include "Nombres.hpp"

namespace orbalide {
namespace {

constexpr std::string_view kFinDeLigne = "\r\n";
constexpr std::size_t kLongueurNomMaximale = 255;  // bytes of one file name

std::string Echapper(std::string_view nom) {
  std::string texte;
  for (char c : nom) {
    switch (c) {
      case '&':
        texte += "&amp;";
        break;
      case '<':
        texte += "&lt;";
        break;
      case '>':
        texte += "&gt;";
        break;
      default:
        texte += c;
    }
  }
  return texte;
}

bool ToutEcrire(int fd, std::string_view contenu) {
  while (!contenu.empty()) {
    const ssize_t n = ::write(fd, contenu.data(), contenu.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    contenu.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

}  // namespace

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
      "    <name>" + Echapper(nom) + "</name>",
      "    <Point>",
      "      <coordinates>" + FormatGeneral(longitude, '.') + "," + FormatGeneral(latitude, '.') +
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
  for (char c : nom) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '/' || u < 0x20 || u == 0x7F) return std::nullopt;
  }
  const std::string base = nom == kPointSansNom ? "Geo" : std::string(nom);
  std::string fichier = base + "(" + std::to_string(slot) + ").kml";
  if (fichier.size() > kLongueurNomMaximale) return std::nullopt;
  return fichier;
}

bool EcrireFichier(const std::string& chemin, std::string_view contenu) {
  const auto separateur = chemin.find_last_of('/');
  const std::string dossier = separateur == std::string::npos ? "." : chemin.substr(0, separateur);
  std::string temporaire = dossier + "/.orbalide-XXXXXX";
  const int fd = ::mkstemp(temporaire.data());
  if (fd < 0) return false;
  const mode_t masque = ::umask(0);
  ::umask(masque);
  const bool ecrit = ToutEcrire(fd, contenu) && ::fchmod(fd, 0666 & ~masque) == 0;
  const bool ferme = ::close(fd) == 0;
  if (ecrit && ferme && std::rename(temporaire.c_str(), chemin.c_str()) == 0) return true;
  ::unlink(temporaire.c_str());
  return false;
}

}  // namespace orbalide
