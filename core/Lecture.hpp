// Angles and numbers read from one field of text each, as navigators and geodesy tools write
// them: the reading of files and of command lines, where the window has one box per component.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "Angles.hpp"

namespace orbalide {

// Why a field gives no value.
enum class DefautLecture {
  Aucun,
  Illisible,       // no number, or a notation that is not one of those below
  NonFini,         // NaN, an infinity, or a number beyond the range of a double
  AutreAxe,        // the hemisphere letter of the other axis: E or W on a latitude, N or S on a
                   // longitude
  AuDelaDuPole,    // a latitude beyond 90°
  AuDelaDe540,     // a longitude or a course beyond 540° either way: a turn and a half
  SoixanteOuPlus,  // minutes or seconds of 60 or more after a larger component
};

struct ValeurLue {
  double Valeur;  // 0 unless Defaut is Aucun
  DefautLecture Defaut;
};

// A position's coordinate on the axis, in signed decimal degrees (north and east positive). The
// whole text is read, with no blank anywhere; numbers follow LireNombre's rules ("." as the only
// decimal point, an optional exponent), and a point may end one that has neither decimals nor
// exponent ("5." is 5). Accepted:
// - decimal degrees, signed: -49.5, +6.25, 1e1;
// - a hemisphere letter of the axis before or after, in either case: 49.5S, s49.5, 6.25e, W6.25;
//   "S" or "W" makes the value negative; a sign and a letter together are Illisible;
// - degrees, minutes and seconds, each with its mark: ° or º (U+00BA) or d or D, then ' or ′
//   (U+2032) or ’ ‘ (U+2019, U+2018) or m, then " or ″ (U+2033) or ” “ (U+201D, U+201C) or a
//   doubled minutes mark ('' ′′ ’’) or s: 49°00'23.26"N, 49°00′23.26″N, 49º00’23.26”N, 49D00',
//   49°00'23.26''N, 49d00m23.26sN, 49°30'. Latin-1's degree sign and masculine ordinal, the single
//   bytes B0 and BA, are degree marks too. The last mark may be left out (N49°00'23.26 is 23.26
//   seconds) and components may start below the degrees (30' is half a degree). A lower-case "s"
//   is the seconds mark only after the number that follows minutes with a mark (10m15s); anywhere
//   else it is the hemisphere letter (15s is 15° south);
// - degrees, minutes and seconds separated by colons: 49:00:23.26N, -49:30.
// The components make SexagesimalEnDegres(D, M, S, hemisphere), the sign counting as "S" or
// "W". Minutes and seconds after a larger component must be below 60; a latitude may not exceed
// 90° either way, a longitude 540°.
ValeurLue LireAngle(std::string_view texte, Axe axe);

// A position's coordinate written in words separated by blanks, as GPS units and chart plotters
// print it: a hemisphere letter of the axis with whole degrees and decimal minutes, the letter
// before the degrees or a word of its own before or after them, and the marks optional (N48
// 23.500, N 48 23.500, 48 23.500 N, N48° 23.500′); or a letter of its own before or after one
// word that LireAngle reads without a letter or a sign (N 48.3925, 48.3925 N). One word: LireAngle.
ValeurLue LireCoordonnee(std::string_view texte, Axe axe);

// How many of `mots`, the next words of a line (3 suffice), make one coordinate by
// LireCoordonnee's notations: 1 unless two or three of them do.
std::size_t MotsCoordonnee(std::span<const std::string_view> mots);

// Whether a word reads as a number, an angle or a hemisphere letter (a field, as a coordinate
// in words): at the start of a name, part of a position to a reader.
bool MotDePosition(std::string_view mot);

// A course in degrees, by the notations of LireAngle without a hemisphere letter, up to 540°
// either way; no normalisation (−90 and 270 are read as they are).
ValeurLue LireRoute(std::string_view texte);

// A text that is one number by LireNombre's rules and nothing else, with no blank; a point may
// end one that has neither decimals nor exponent ("1852." is 1852).
ValeurLue LireNombreSeul(std::string_view texte);

}  // namespace orbalide
