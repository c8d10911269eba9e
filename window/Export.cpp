// A position as a KML file in the program's directory, handed to the desktop's KML viewer.
#include <string>

#include "FormFormules.hpp"
#include "Kml.hpp"
#include "Reel.hpp"

namespace orbalide {

void FormFormules::Command11_Click(std::int16_t Index) {
  // The written file's path, or nothing when the export failed before the hand-over.
  const auto ecrire = [&]() -> std::optional<std::string> {
    const double latitude = Latitude(Index), longitude = Longitude(Index);
    const std::string& saisi = Emplacements[static_cast<std::size_t>(Index)].Nom->Text();
    const std::string nom = saisi.empty() ? std::string(kPointSansNom) : saisi;
    const std::optional<std::string> fichier = NomFichierKml(nom, Index);
    if (!fichier) return std::nullopt;
    std::string chemin = platform_.ProgramDirectory() + platform_.PathSeparator() + *fichier;
    if (!EcrireFichier(chemin, TexteKml(nom, latitude, longitude))) return std::nullopt;
    return chemin;
  };
  std::optional<std::string> chemin;
  try {
    chemin = ecrire();
  } catch (const ErreurArithmetique&) {
  }
  if (chemin) {
    platform_.Open(*chemin);
  } else {
    platform_.Message("Erreur inattendue");
  }
}

}  // namespace orbalide
