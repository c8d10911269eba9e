// GPX 1.1 files: tracks, one for each geodesic as a line of points; routes of named waypoints.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "Route.hpp"
#include "Temps.hpp"

namespace orbalide {

// The pieces of a GPX 1.1 file in UTF-8, each a whole number of lines ended by CR LF: its start,
// one track of a single segment or one route, its end. Names and descriptions are written as
// EchapperXml (Kml.hpp) writes them. Points are decimal degrees as PointsRoute makes them, in the
// fewest decimals that read back as the same double, without an exponent; their longitudes are
// brought into GPX's range, from −180 included to 180 excluded (180.1 is written −179.9).
std::string DebutGpx();
std::string TraceGpx(std::string_view nom, std::string_view description,
                     const std::vector<PointRoute>& points);

// The creator of the GPX files this program writes, by which it knows them when it reads them.
inline constexpr std::string_view kCreateurGpx = "Orbalide";

// The <type> of the waypoints that a passage made, by which it knows them when it reads its
// route back.
inline constexpr std::string_view kTypePointFait = "made";

struct PointNomme {
  std::string_view Nom;
  PointRoute Point;
  std::string_view Description{};  // none when empty
  std::optional<Instant> Heure{};  // <time>, to the second
  bool Fait = false;               // made by a passage: its <type> is kTypePointFait
};

// One route, named and described (none when empty), of its points in order, each named: what
// chart plotters follow.
std::string RouteGpx(std::string_view nom, std::span<const PointNomme> points,
                     std::string_view description = {});

// The name of the `rang`th of the `parties` routes (from 1) of a route named `nom` cut for
// plotters, "Brest–Las Palmas 2/3": by it a reader knows the parts to join.
std::string NomPartie(std::string_view nom, std::size_t rang, std::size_t parties);
std::string FinGpx();

}  // namespace orbalide
