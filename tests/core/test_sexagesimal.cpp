#include <gtest/gtest.h>

#include <string>

#include "Reel.hpp"
#include "Sexagesimal.hpp"

using namespace orbalide;

TEST(Sexagesimal, TypedPositionsAndCourses) {
  EXPECT_EQ(PositionEnDegres("45", "30", "00", 1), -45.5);
  EXPECT_EQ(PositionEnDegres("-45", "-30", "-36", 0), 45.51);  // typed signs are ignored
  EXPECT_EQ(PositionEnDegres("45", "", "", -1), 45);           // no hemisphere: N or E
  EXPECT_EQ(RouteEnDegres("10", "-30", ""), 9.5);              // course signs count
  EXPECT_EQ(RouteEnDegres("400", "90", "36"), 401.51);         // no range check
  EXPECT_THROW(PositionEnDegres("1E999", "", "", 0), ErreurArithmetique);
  EXPECT_THROW(RouteEnDegres("1.79E308", "1E308", ""), ErreurArithmetique);
}

// Positions: two-digit degrees and minutes, seconds at the picture with "." whatever the
// regional separator, seconds of 60 carried into the minutes and degrees. Courses: plain degrees
// and minutes, the seconds carry making minutes "00" and seconds "00", the minutes carry next,
// nothing further (360 stays 360).
TEST(Sexagesimal, PositionsAndCourses) {
  const struct {
    const char* picture;
    bool course;
    double v;
    const char* expected;
  } cases[] = {
      {"00.000", false, 5.25, "05 15 00.000"},
      {"00.000", false, 123.456789, "123 27 24.440"},
      {"00.000", false, 59.9999 / 3600 + 59.0 / 60, "01 00 00.000"},
      {"00.000", false, 10 + 59.99999 / 3600, "10 01 00.000"},  // seconds carry alone
      {"00.00", false, 59.996 / 3600 + 59.0 / 60, "01 00 00.00"},
      {"00.0000000", false, 7.5 / 3600, "00 00 07.5000000"},
      {"00.000", true, 10.01, "10 0 36.000"},
      {"00.000", true, 45.5, "45 30 00.000"},
      {"00.00", true, 359.99999999, "360 00 00"},
      {"00.0000000", true, 359.99999999, "359 59 59.9999640"},
      {"00.000", true, 44.99999999, "45 00 00"},
      {"00.000", true, 10.5 + 59.9999 / 3600, "10 31 00"},  // seconds carry, not the minutes
  };
  for (const auto& c : cases) {
    const TexteSexagesimal t =
        c.course ? RouteEnSexagesimal(c.v, c.picture, ".") : PositionEnSexagesimal(c.v, c.picture);
    EXPECT_EQ(t.Degres + " " + t.Minutes + " " + t.Secondes, c.expected) << c.v << " " << c.picture;
  }
}
