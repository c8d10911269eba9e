// How the commands write angles and distances.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "Angles.hpp"
#include "Tampon.hpp"
#include "Unites.hpp"

namespace orbalide::calc {

class Ecriture {
 public:
  // dms: degrees, minutes and seconds, their seconds with `decimales` (2, 3 or 7); otherwise
  // decimal degrees. distances: the unit of the distances written.
  Ecriture(bool dms, std::int16_t decimales, Unite distances);

  // A position when the axis is given, else a course: decimal degrees with 9 decimals or, with
  // dms, the window's picture of a position, 49°00′23.260″N, 006°09′41.280″E, and courses as
  // 298°20′14.566″ or 045°00′00.000″ (longitudes and courses with three digits of degrees). An
  // angle is written the same way on every line whatever the last bits of its double: a zero
  // without sign, north or east; a course of a whole turn as 0.
  void Angle(double v, std::optional<Axe> axe, Tampon& sortie) const;

  // Metres with 4 decimals, or nautical miles with 8.
  void Distance(double metres, Tampon& sortie) const;

 private:
  bool dms_;
  std::string image_;  // the seconds picture
  Unite distances_;
};

}  // namespace orbalide::calc
