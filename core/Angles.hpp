// Angles: the program's π, conversions, the two-argument arctangent, normalisations.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "Reel.hpp"

namespace orbalide {

// The program's π: the double nearest 3.14159265358979 (bits 400921FB54442D11), 3.1e-15 below
// the double nearest the true π. Every conversion and quadrant constant uses it, so that the
// figures match those computed with this value; the full double π is never used.
inline constexpr double Pi = 3.14159265358979;

// d: decimal degrees. Returns radians, (d × π) ÷ 180.
inline Reel DegresEnRadians(Reel d) {
  return (d * Pi) / 180;
}

// r: radians. Returns decimal degrees, (r × 180) ÷ π.
inline Reel RadiansEnDegres(Reel r) {
  return (r * 180) / Pi;
}

// The arctangent of y ÷ x in the quadrant of (x, y), y first; radians from −π to π.
// y = 0 (either sign) with x < 0 gives −π. ArcTan2(0, 0) is an arithmetic error.
inline Reel ArcTan2(Reel y, Reel x) {
  // The quotient taken is always the one of magnitude at most 1.
  const Reel demiPi = Reel(Pi) / 2;
  if (y > 0) {
    if (x >= y) return Atan(y / x);
    if (x <= -y) return Atan(y / x) + Pi;
    return demiPi - Atan(x / y);
  }
  if (x >= -y) return Atan(y / x);
  if (x <= y) return Atan(y / x) - Pi;
  return -Atan(x / y) - demiPi;
}

// course: degrees. Adds 360 when below 0, then takes 360 away when above 360, each once:
// a course from −180 to 180 comes out from 0 to 360, both ends possible.
inline Reel NormaliserRoute(Reel course) {
  if (course < 0) course = course + 360;
  if (course > 360) course = course - 360;
  return course;
}

// longitude: degrees. Takes 360 away when above 180, then adds 360 when below −180, each once;
// 180 and −180 stay as they are.
inline Reel NormaliserLongitude(Reel longitude) {
  if (longitude > 180) longitude = longitude - 360;
  if (longitude < -180) longitude = longitude + 360;
  return longitude;
}

enum class Axe { Latitude, Longitude };

// The items of a hemisphere list, by index: "N", "S" for a latitude, "E", "W" for a longitude.
// The item of index kHemisphereNegatif ("S" or "W") makes a coordinate negative.
inline constexpr std::int16_t kHemispherePositif = 0, kHemisphereNegatif = 1;
constexpr std::array<char, 2> LettresHemisphere(Axe axe) {
  return axe == Axe::Latitude ? std::array{'N', 'S'} : std::array{'E', 'W'};
}

// "S" or "W" for a negative value, "N" or "E" otherwise (zero of either sign included).
char LettreHemisphere(double valeur, Axe axe);

// The hemisphere index that a shown letter stands for: that of "S" or "W" for exactly that
// letter, the positive one for any other text (an empty one included).
std::int16_t IndexHemisphere(std::string_view lettre, Axe axe);

}  // namespace orbalide
