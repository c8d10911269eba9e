// What the GPX reader says, in French or in English.
#include <algorithm>

#include "LectureGpx.hpp"

namespace orbalide {
namespace {

// The route chosen, missing: "no route 2", "no route named "B"".
std::string RouteManquante(const ChoixRoute& choix, bool anglais) {
  if (choix.Rang == 0 && !choix.Nom.empty()) {
    return (anglais ? "no route named \"" : "aucune route nommée « ") + choix.Nom +
           (anglais ? "\"" : " »");
  }
  return (anglais ? "no route " : "pas de route ") +
         std::to_string(std::max<std::size_t>(choix.Rang, 1));
}

}  // namespace

std::string TexteErreurGpx(const ErreurGpx& erreur, const ChoixRoute& choix, bool anglais) {
  using enum ErreurGpx::Motif;
  const std::string& d = erreur.Detail;
  switch (erreur.Quoi) {
    case MalForme:
      return (anglais ? "not well-formed XML: " : "XML mal formé : ") + d;
    case PasGpx:
      return anglais ? "not a GPX file: its root is no <gpx> of GPX 1.0 or 1.1"
                     : "pas un fichier GPX : sa racine n'est pas un <gpx> de GPX 1.0 ou 1.1";
    case Entite:
      return anglais ? "entities are not read: the file declares one, or refers to one it does "
                       "not declare"
                     : "les entités ne sont pas lues : le fichier en déclare une, ou en appelle "
                       "une qu'il ne déclare pas";
    case TropProfond:
      return (anglais ? "elements nested more than " : "des éléments imbriqués sur plus de ") +
             std::to_string(kProfondeurGpxMax) + (anglais ? " deep" : " niveaux");
    case TropLong:
      return anglais ? "a tag or a comment longer than 1 MiB"
                     : "une balise ou un commentaire de plus de 1 Mio";
    case NomTropLong:
      return (anglais ? "a name longer than " : "un nom de plus de ") + std::to_string(kNomGpxMax) +
             (anglais ? " bytes" : " octets");
    case Coordonnees:
      return anglais
                 ? "a point without a valid " + d + (d == "lat" ? " (-90 to 90)" : " (-180 to 180)")
                 : "un point sans " + d + " valide" +
                       (d == "lat" ? " (-90 à 90)" : " (-180 à 180)");
    case SansPoint:
      return anglais ? "no route nor waypoint: the file has no <rte> nor <wpt> (a track, <trk>, "
                       "is not read)"
                     : "ni route ni point : le fichier n'a ni <rte> ni <wpt> (une trace, <trk>, "
                       "n'est pas lue)";
    case RouteAbsente:
      break;
  }
  if (choix.Rang == 0 && !choix.Nom.empty()) return RouteManquante(choix, anglais);
  return RouteManquante(choix, anglais) + (anglais ? ": the file has " : " : le fichier en a ") + d;
}

std::string TexteSansFichierGpx(const ChoixRoute& choix, bool anglais) {
  return RouteManquante(choix, anglais) +
         (anglais ? ": no input is a GPX file" : " : aucune entrée n'est un fichier GPX");
}

std::string_view TexteSansRouteGpx(bool anglais) {
  return anglais ? "no route: the file's waypoints (<wpt>) are read in order"
                 : "pas de route : les points (<wpt>) du fichier sont lus dans l'ordre";
}

}  // namespace orbalide
