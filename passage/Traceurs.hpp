// What chart plotters keep of a passage: names of a few plain ASCII characters, and routes of a
// few hundred points.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Passage.hpp"

namespace orbalide {

// Many plotters take at most this many points in a route.
inline constexpr std::size_t kPointsRouteTraceur = 250;

// The fewest characters of a short name: a made waypoint's two initials and its rank ("BL3").
inline constexpr std::size_t kLongueurNomMin = 3;

// A name in plain ASCII: the letters of Latin-1 and Latin Extended-A without their accents
// ("Île-d'Yeu" gives "Ile-d'Yeu", "Świnoujście" "Swinoujscie"; Æ, Œ and ß as AE, OE and ss),
// ASCII's letters, digits, blanks and the marks "-", ".", "'" and "_" kept, every other
// character removed (the en dash, a comma, which NMEA sentences cannot hold; a byte that is no
// valid UTF-8), the blanks around it removed and those within made single spaces.
std::string NomAscii(std::string_view nom);

// The passage with names that a plotter keeping `longueur` characters (kLongueurNomMin or more;
// the oldest keep six) shows whole and tells apart: each name NomAscii's, at most `longueur`
// characters, and unique within the passage, the full name kept in NomComplet. A given waypoint
// keeps the start of its name; a made one is named after its leg, the starts of its two given
// waypoints' names and its rank there ("BreLi3", the third made between Brest and Lisbon). Where
// two would be the same, or a name would be empty, the later one ends with the first number that
// makes it unique ("Brest", "Brest2"; "WP"). Nothing when no number fits (far more waypoints
// than the length can count), or for a length below kLongueurNomMin.
std::optional<Passage> AvecNomsCourts(Passage passage, std::size_t longueur);

// The route of a passage whose names AvecNomsCourts shortened, named after its first and last
// waypoints: plain ASCII after their short names, "Brest-Las Pa"; and after their full ones,
// "Brest–Las Palmas".
std::pair<std::string, std::string> NomsRouteCourte(const Passage& passage);

// The parts of a route of `points` points cut into routes of at most `maximum` (2 or more), each
// starting where the one before ended: the indexes of each part's first and last point.
std::vector<std::pair<std::size_t, std::size_t>> PartiesRoute(std::size_t points,
                                                              std::size_t maximum);

}  // namespace orbalide
