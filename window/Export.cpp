// KML files: the folder they go to, and their writing and hand-over to the desktop's viewer.
#include <string>

#include "FormFormules.hpp"
#include "Kml.hpp"
#include "Reel.hpp"

namespace orbalide {

// The program's folder, as designed, whenever a file can be made there (a copy run from a folder
// of its own); once installed where the user cannot write, a folder "Orbalide" in the user's
// documents, else the home folder. Nothing when none of them can be written.
std::optional<std::string> FormFormules::DossierExport() {
  const std::string programme = platform_.ProgramDirectory();
  if (platform_.CanWriteIn(programme, false)) return programme;
  const std::string documents = platform_.DocumentsDirectory();
  if (!documents.empty()) {
    std::string dossier = documents + platform_.PathSeparator() + "Orbalide";
    if (platform_.CanWriteIn(dossier, true)) return dossier;
  }
  const std::string maison = platform_.HomeDirectory();
  if (platform_.CanWriteIn(maison, false)) return maison;
  return std::nullopt;
}

// Writes the file that `faire` makes (nothing: it cannot be made) into the export folder and
// hands it to the desktop's KML viewer; any failure shows the message instead.
void FormFormules::EcrireKml(const std::function<std::optional<FichierKml>()>& faire) {
  const auto ecrire = [&]() -> std::optional<std::string> {
    const std::optional<FichierKml> fichier = faire();
    const std::optional<std::string> dossier = fichier ? DossierExport() : std::nullopt;
    if (!dossier) return std::nullopt;
    std::string chemin = *dossier + platform_.PathSeparator() + fichier->Nom;
    if (!EcrireFichier(chemin, fichier->Contenu)) return std::nullopt;
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

void FormFormules::Command11_Click(std::int16_t Index) {
  EcrireKml([&]() -> std::optional<FichierKml> {
    const double latitude = Latitude(Index), longitude = Longitude(Index);
    const std::string& saisi = Emplacements[static_cast<std::size_t>(Index)].Nom->Text();
    const std::string nom = saisi.empty() ? std::string(kPointSansNom) : saisi;
    const std::optional<std::string> fichier = NomFichierKml(nom, Index);
    if (!fichier) return std::nullopt;
    return FichierKml{*fichier, TexteKml(nom, latitude, longitude)};
  });
}

}  // namespace orbalide
