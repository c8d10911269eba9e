// KML files: the folder they go to, and their writing and hand-over to the desktop's viewer.
#include <string>

#include "Angles.hpp"
#include "FormFormules.hpp"
#include "Kml.hpp"
#include "Libelles.hpp"
#include "Nombres.hpp"
#include "Reel.hpp"
#include "Sexagesimal.hpp"

namespace orbalide {

// The program's folder, as designed, whenever a file can be made there; else "Orbalide" in the
// user's documents, or the home folder.
std::optional<std::string> FormFormules::DossierExport() {
  return orbalide::DossierExport(platform_, kDossierExport);
}

// Writes the file that `faire` makes (nothing: it cannot be made) into the export folder and
// hands it to the desktop's KML viewer; any failure shows the message instead.
void FormFormules::EcrireKml(const std::function<std::optional<FichierKml>()>& faire) {
  const auto ecrire = [&]() -> std::optional<std::string> {
    const std::optional<FichierKml> fichier = faire();
    const std::optional<std::string> dossier = fichier ? DossierExport() : std::nullopt;
    if (!dossier) return std::nullopt;
    std::string chemin = *dossier + platform_.PathSeparator() + fichier->Nom;
    if (!platform_.WriteFile(chemin, fichier->Contenu)) return std::nullopt;
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
    platform_.Message(textes::ErreurInattendue.En(EnAnglais()));
  }
}

void FormFormules::Command11_Click(std::int16_t Index) {
  EcrireKml([&]() -> std::optional<FichierKml> {
    const double latitude = Latitude(Index), longitude = Longitude(Index);
    const std::string& saisi = Emplacements(Index).Nom->Text();
    const std::string nom = saisi.empty() ? std::string(kPointSansNom) : saisi;
    const std::optional<std::string> fichier = NomFichierKml(nom, Index);
    if (!fichier) return std::nullopt;
    return FichierKml{*fichier, TexteKml(nom, latitude, longitude)};
  });
}

// The menu of an export button: its position, or the route of its panel when there is one.
void FormFormules::Command11_ContextMenu(std::int16_t Index) {
  emplacementMenu_ = Index;
  MRoute.Enabled = (Index < 2 ? RouteDirecte : RouteInverse).has_value();
  platform_.PopupMenu(*this, MExporter);
}

void FormFormules::MPosition_Click() {
  Command11_Click(emplacementMenu_);
}

void FormFormules::MRoute_Click() {
  ExporterRoute(emplacementMenu_ >= 2);
}

// Distance and courses as the window shows them: the unit, the seconds' precision, the regional
// decimal separator.
std::string FormFormules::DescriptionRoute(const Trajet& t) {
  const bool anglais = EnAnglais();
  const std::string separateur = platform_.DecimalSeparator();
  const Mots& unite = UniteChoisie() == Unite::Milles ? textes::Milles : textes::Metres;
  const auto route = [&](const Mots& nom, double r) {
    const TexteRoute texte =
        RouteEnSexagesimal(static_cast<double>(NormaliserRoute(r)), FormatSecondes, separateur);
    return nom.En(anglais) + " " + texte.Degres + "° " + texte.Minutes + "′ " + texte.Secondes +
           "″";
  };
  return textes::Distance.En(anglais) + " " +
         TexteDistance(t.Distance, UniteChoisie(), FormatSecondes, separateur) + " " +
         unite.En(anglais) + ", " + route(textes::DescriptionInitiale, t.RouteInitiale) + ", " +
         route(textes::DescriptionArrivee, t.RouteArrivee);
}

// "Route(0).kml" for the direct panel, "Route(2).kml" for the inverse panel; the two points are
// named as they were when the route was computed.
void FormFormules::ExporterRoute(bool inverse) {
  const std::optional<RouteCalculee>& route = inverse ? RouteInverse : RouteDirecte;
  if (!route) return;
  const auto nom = [&](const std::string& saisi, const Mots& sansNom) {
    return saisi.empty() ? sansNom.En(EnAnglais()) : saisi;
  };
  EcrireKml([&]() -> std::optional<FichierKml> {
    const std::string a = nom(route->Depart, textes::PointDepart);
    const std::string b = nom(route->Arrivee, textes::PointArrivee);
    if (!TexteXml(a) || !TexteXml(b)) return std::nullopt;
    return FichierKml{"Route(" + std::to_string(inverse ? 2 : 0) + ").kml",
                      TexteRouteKml(route->Geodesique, a, b, DescriptionRoute(route->Geodesique))};
  });
}

}  // namespace orbalide
