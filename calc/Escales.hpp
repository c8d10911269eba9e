// The waypoints of a passage as orbalide-calc route reads them, one a record.
#pragma once

#include <span>
#include <variant>

#include "Calculateur.hpp"
#include "Passage.hpp"

namespace orbalide::calc {

// A waypoint's fields: its latitude and its longitude, before its name.
inline constexpr std::size_t kChampsEscale = 2;

// A record's waypoint; nothing for a record of blanks (and, without CSV, of a comment alone); or
// why there is none. The latitude and the longitude are read as Calculateur reads them, named
// "lat" and "lon" in a refusal. Without CSV: "lat lon name", fields separated by runs of spaces
// and tabs (a decimal comma in the first two is read as a point); the name is the rest of the
// line up to a comment mark "#", without the blanks around it, and may hold blanks. With CSV
// (ChampsCsv, fields separated by `separateur`): "lat,lon,name", the name's column optional and
// the columns after it ignored; with ';', decimal commas in the first two only. The line may be
// changed in place. Without a name, the waypoint's is empty.
std::variant<LigneVide, PointDePassage, Refus> LireEscale(std::span<char> ligne, bool csv,
                                                          char separateur);

}  // namespace orbalide::calc
