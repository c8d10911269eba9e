// Degrees, minutes and seconds as the user types and reads them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "Angles.hpp"

namespace orbalide {

// The seconds picture of `decimales` decimals (2, 3 or 7): "00.00", "00.000", "00.0000000". It is
// the picture of every shown seconds value and of the inverse distance.
std::string ImageSecondes(std::int16_t decimales);
// The full length of typed seconds: two digits, the point and the decimals.
int LongueurSecondes(std::int16_t decimales);

// s: seconds. s with the seconds picture, always with "." as decimal point: 7.5 gives 07.500 with
// "00.000".
std::string TexteSecondes(double s, std::string_view picture);

// Degrees, minutes and seconds as signed decimal degrees: |D| + |M ÷ 60| + |S ÷ 3600|, added in
// this order, negated when the hemisphere index is that of "S" or "W"; signs are ignored. Throws
// ErreurArithmetique when the sum is beyond the range of a double.
double SexagesimalEnDegres(double degres, double minutes, double secondes, std::int16_t hemisphere);

// A typed position: SexagesimalEnDegres of the three texts (LireNombre). Signed decimal degrees.
double PositionEnDegres(std::string_view degres, std::string_view minutes,
                        std::string_view secondes, std::int16_t hemisphere);

// A typed course: D + M ÷ 60 + S ÷ 3600, typed signs counting, no normalisation. Degrees.
double RouteEnDegres(std::string_view degres, std::string_view minutes, std::string_view secondes);

struct TexteSexagesimal {
  std::string Degres;
  std::string Minutes;
  std::string Secondes;
};

// The magnitude of a position in decimal degrees as texts: degrees and minutes with at least two
// digits, seconds by TexteSecondes with the picture. Seconds that round to 60 carry into the
// minutes, and 60 minutes into the degrees: 00 59 59.9999 is shown 01 00 00.000.
TexteSexagesimal PositionEnSexagesimal(double valeur, std::string_view picture);

// An angle on one line as navigators write it, the seconds with the picture: a position on its
// axis as 49°00′23.260″N or 006°09′41.280″E, a course without an axis as 298°20′14.566″ or
// 045°00′00.000″ (longitudes and courses with three digits of degrees). Every double that rounds
// to the same text gives it: a zero without sign, north or east; a course of a whole turn as
// 000°00′00.000″.
std::string TexteAngle(double valeur, std::optional<Axe> axe, std::string_view picture);

struct TexteRoute : TexteSexagesimal {
  std::string Decimal;  // the course as general text with the regional decimal separator
};

// A normalised course in degrees as texts: plain whole degrees and minutes, seconds by
// TexteSecondes with the picture. Seconds that round to 60 make the minutes one more and the
// seconds "00"; then minutes "60" make the degrees one more and the minutes "00". Nothing carries
// further: 360 stays 360.
TexteRoute RouteEnSexagesimal(double route, std::string_view picture,
                              std::string_view separateurRegional);

}  // namespace orbalide
