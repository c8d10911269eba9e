// A position as a KML file in the program's directory, handed to the desktop's KML viewer.
#include <string>

#include "FormFormules.hpp"
#include "Kml.hpp"
#include "Reel.hpp"

namespace orbalide {

void FormFormules::Command11_Click(std::int16_t Index) {
  constexpr const char* kErreur = "Erreur inattendue";
  try {
    const double latitude = Latitude(Index), longitude = Longitude(Index);
    const std::string& saisi = Emplacements[static_cast<std::size_t>(Index)].Nom->Text();
    const std::string nom = saisi.empty() ? std::string(kPointSansNom) : saisi;
    const std::optional<std::string> fichier = NomFichierKml(nom, Index);
    const std::string chemin =
        platform_.ProgramDirectory() + platform_.PathSeparator() + fichier.value_or("");
    if (!fichier || !EcrireFichier(chemin, TexteKml(nom, latitude, longitude))) {
      platform_.Message(kErreur);
      return;
    }
    platform_.Open(chemin);
  } catch (const ErreurArithmetique&) {
    platform_.Message(kErreur);
  }
}

}  // namespace orbalide
