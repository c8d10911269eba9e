// The fields of one line: separated by runs of spaces and tabs, or by commas (CSV).
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace orbalide::calc {

// Each command reads four fields a line.
inline constexpr std::size_t kChampsParLigne = 4;

struct Champs {
  std::array<std::string_view, kChampsParLigne> Texte;  // into the line
  std::size_t Nombre;  // the fields found, kChampsParLigne + 1 standing for any more
};

// Fields separated by runs of spaces and tabs, with blanks before the first and after the last.
// A comma in a field is a decimal comma: it is made a point in the line.
Champs ChampsSepares(std::span<char> ligne);

// Comma-separated fields as RFC 4180 has them, on one line: blanks around a field are ignored; a
// field in double quotes may hold commas, blanks and doubled quotes, each pair standing for one
// (the line is changed in place). A quoted field not closed before the line's end, or followed
// by more than blanks before the next comma, is the text "\"", which no reader accepts. A line
// of blanks alone has no field.
Champs ChampsCsv(std::span<char> ligne);

}  // namespace orbalide::calc
