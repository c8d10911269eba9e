#include "Angles.hpp"

namespace orbalide {

Reel DegresEnRadians(Reel d) {
  return (d * Pi) / 180;
}

Reel RadiansEnDegres(Reel r) {
  return (r * 180) / Pi;
}

// The quotient taken is always the one of magnitude at most 1.
Reel ArcTan2(Reel y, Reel x) {
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

Reel NormaliserRoute(Reel course) {
  if (course < 0) course = course + 360;
  if (course > 360) course = course - 360;
  return course;
}

Reel NormaliserLongitude(Reel longitude) {
  if (longitude > 180) longitude = longitude - 360;
  if (longitude < -180) longitude = longitude + 360;
  return longitude;
}

char LettreHemisphere(double valeur, Axe axe) {
  const bool negative = valeur < 0;
  if (axe == Axe::Latitude) return negative ? 'S' : 'N';
  return negative ? 'W' : 'E';
}

}  // namespace orbalide
