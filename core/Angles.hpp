// Angles: the program's π, conversions, the two-argument arctangent, normalisations.
#pragma once

#include "Reel.hpp"

namespace orbalide {

// The program's π: the double nearest 3.14159265358979 (bits 400921FB54442D11), 3.1e-15 below
// the double nearest the true π. Every conversion and quadrant constant uses it, so that the
// figures match those computed with this value; the full double π is never used.
inline constexpr double Pi = 3.14159265358979;

// d: decimal degrees. Returns radians, (d × π) ÷ 180.
Reel DegresEnRadians(Reel d);

// r: radians. Returns decimal degrees, (r × 180) ÷ π.
Reel RadiansEnDegres(Reel r);

// The arctangent of y ÷ x in the quadrant of (x, y), y first; radians from −π to π.
// y = 0 (either sign) with x < 0 gives −π. ArcTan2(0, 0) is an arithmetic error.
Reel ArcTan2(Reel y, Reel x);

// course: degrees. Adds 360 when below 0, then takes 360 away when above 360, each once:
// a course from −180 to 180 comes out from 0 to 360, both ends possible.
Reel NormaliserRoute(Reel course);

// longitude: degrees. Takes 360 away when above 180, then adds 360 when below −180, each once;
// 180 and −180 stay as they are.
Reel NormaliserLongitude(Reel longitude);

enum class Axe { Latitude, Longitude };

// "S" or "W" for a negative value, "N" or "E" otherwise (zero of either sign included).
char LettreHemisphere(double valeur, Axe axe);

}  // namespace orbalide
