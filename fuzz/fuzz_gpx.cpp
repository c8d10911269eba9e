// Any bytes as a GPX file, given to the reader in pieces of any size, the route chosen by rank or
// name: the waypoints of a route or why there are none, never a hang nor memory beyond the
// bounds; each waypoint within its ranges, its name within kNomGpxMax, each refusal at a line.
// The waypoints read, written as the passage's GPX, cut or not, read back as the same number of
// waypoints.
#include <cmath>
#include <cstdint>
#include <string_view>
#include <variant>

#include "Itineraire.hpp"
#include "LectureGpx.hpp"
#include "Verifier.hpp"

using namespace orbalide;
using orbalide::fuzz::Verifier;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  ChoixRoute choix{data[0] % 4u, data[0] >= 0xF0 ? "Brest" : ""};
  const std::size_t piece = data[1] + 1u;
  std::string_view texte(reinterpret_cast<const char*>(data + 2), size - 2);
  LecteurGpx lecteur(choix);
  for (std::size_t i = 0; i < texte.size() && lecteur.Lire(texte.substr(i, piece)); i += piece) {
  }
  const auto lu = lecteur.Fin();
  if (const auto* erreur = std::get_if<ErreurGpx>(&lu)) {
    using enum ErreurGpx::Motif;
    Verifier((erreur->Ligne > 0) != (erreur->Quoi == RouteAbsente || erreur->Quoi == SansPoint),
             "a refusal at its line");
    Verifier(!TexteErreurGpx(*erreur, choix, false).empty(), "refusal told");
    return 0;
  }
  Passage passage;
  for (const PointGpx& p : std::get<RouteGpxLue>(lu).Points) {
    Verifier(std::fabs(p.Point.Latitude) <= 90 && std::fabs(p.Point.Longitude) <= 180 &&
                 p.Point.Nom.size() <= kNomGpxMax && p.Ligne > 0,
             "a waypoint within its ranges");
    passage.Points.push_back(p.Point);
  }
  for (std::size_t i = 1; i < passage.Points.size(); ++i) {
    passage.Troncons.push_back({i - 1, i, 0, 0, 0, 0, 0, 0});
  }
  // A route of points cut, or not (a passage has some).
  const std::size_t maximum = data[1] % 4 == 0 || passage.Points.empty() ? 0 : data[1] % 5 + 2;
  const auto relu = LireGpx(TexteGpxPassage(passage, "route", maximum), {});
  Verifier(std::holds_alternative<RouteGpxLue>(relu) &&
               std::get<RouteGpxLue>(relu).Points.size() == passage.Points.size(),
           "its own GPX read back");
  return 0;
}
