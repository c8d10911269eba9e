// The waypoints of a passage as the navigator writes them, one a record: from a file read as it
// goes, from a whole text (a file's contents, the clipboard's), or one position's cell at a time.
#pragma once

#include <cstddef>
#include <string_view>
#include <variant>
#include <vector>

#include "Angles.hpp"
#include "Enregistrements.hpp"
#include "Passage.hpp"
#include "Refus.hpp"

namespace orbalide {

// A waypoint's fields: its latitude and its longitude, before its name.
inline constexpr std::size_t kChampsEscale = 2;

// A record's waypoint; nothing for a record of blanks (and, without CSV, of a comment alone); or
// why there is none: GuillemetOuvert, LigneTropLongue, or a field. The latitude and the longitude
// are read as LireCoordonneeEscale reads them, named "lat" and "lon" in a refusal. Without CSV:
// "lat lon name", fields separated by runs of spaces and tabs (a decimal comma in the first two
// is read as a point); the name is the rest of the line up to a comment mark "#", without the
// blanks around it, and may hold blanks. With CSV (ChampsCsv, fields separated by `separateur`):
// "lat,lon,name", the name's column optional and the columns after it ignored; with ';', decimal
// commas in the first two only. The record's text may be changed in place. Without a name, the
// waypoint's is empty. Without CSV, a name that begins with a word of a position (MotDePosition)
// makes the position a GPS unit's words (N48 23.500 W004 29.000) where they read as one; where
// they do not, the name is refused (NomPosition) unless in double quotes, which are dropped.
std::variant<LigneVide, PointDePassage, Refus> LireEscale(const Enregistrement& e, bool csv,
                                                          char separateur);

struct EscaleLue {
  std::size_t Ligne;  // of the record's first line, from 1
  std::variant<PointDePassage, Refus> Quoi;
};

// Every waypoint record of a whole text, in order, each by LireEscale: with CSV, after its header
// line (none when one of its fields reads as a number or an angle), the separator as the first line
// has it (SeparateurCsv); records of blanks and comments skipped.
std::vector<EscaleLue> LireEscales(std::string_view texte, bool csv);

// One cell's latitude or longitude, in decimal degrees (north and east positive), from a text in
// any notation a waypoint's field takes, blanks around it ignored, a decimal comma read as a
// point; or the refusal of the field "lat" or "lon".
std::variant<double, Refus> LireCoordonneeEscale(std::string_view texte, Axe axe);

}  // namespace orbalide
