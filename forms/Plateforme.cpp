#include "Plateforme.hpp"

namespace orbalide {

std::optional<std::string> DossierExport(Platform& platform, std::string_view dossier) {
  const std::string programme = platform.ProgramDirectory();
  if (platform.CanWriteIn(programme, false)) return programme;
  const std::string documents = platform.DocumentsDirectory();
  if (!documents.empty()) {
    std::string chemin = documents + platform.PathSeparator() + std::string(dossier);
    if (platform.CanWriteIn(chemin, true)) return chemin;
  }
  const std::string maison = platform.HomeDirectory();
  if (platform.CanWriteIn(maison, false)) return maison;
  return std::nullopt;
}

}  // namespace orbalide
