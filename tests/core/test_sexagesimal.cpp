#include <gtest/gtest.h>

#include <string>

#include "Reel.hpp"
#include "Sexagesimal.hpp"

using namespace orbalide;

namespace {

// Runs a test body at one seconds picture, restoring the default after it.
class AtPicture {
 public:
  explicit AtPicture(const char* picture) { DefinirFormatSecondes(picture); }
  ~AtPicture() { DefinirFormatSecondes("00.000"); }
  AtPicture(const AtPicture&) = delete;
  AtPicture& operator=(const AtPicture&) = delete;
};

std::string Joined(const TexteSexagesimal& t) {
  return t.Degres + " " + t.Minutes + " " + t.Secondes;
}

}  // namespace

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
// regional separator, seconds of 60 carried into the minutes and degrees.
TEST(Sexagesimal, Positions) {
  const struct {
    const char* picture;
    double v;
    const char* expected;
  } cases[] = {
      {"00.000", 5.25, "05 15 00.000"},
      {"00.000", 123.456789, "123 27 24.440"},
      {"00.000", -44.1001299, "44 06 00.468"},  // the magnitude only
      {"00.000", 59.9999 / 3600 + 59.0 / 60, "01 00 00.000"},
      {"00.000", 10 + 59.99999 / 3600, "10 01 00.000"},  // seconds carry alone
      {"00.00", 59.996 / 3600 + 59.0 / 60, "01 00 00.00"},
      {"00.00", 49.311790975, "49 18 42.45"},
      {"00.0000000", 7.5 / 3600, "00 00 07.5000000"},
  };
  for (const auto& c : cases) {
    AtPicture picture(c.picture);
    EXPECT_EQ(Joined(PositionEnSexagesimal(c.v)), c.expected) << c.v << " at " << c.picture;
  }
}

// Courses: plain degrees and minutes, the seconds carry making minutes "00" and seconds "00",
// the minutes carry next, nothing further (360 stays 360); the decimal text with the regional
// separator.
TEST(Sexagesimal, Courses) {
  const struct {
    const char* picture;
    double c;
    const char* expected;
  } cases[] = {
      {"00.000", 10.01, "10 0 36.000"},
      {"00.000", 45.5, "45 30 00.000"},
      {"00.00", 359.99999999, "360 00 00"},
      {"00.0000000", 359.99999999, "359 59 59.9999640"},
      {"00.000", 44.99999999, "45 00 00"},
      {"00.000", 10.5 + 59.9999 / 3600, "10 31 00"},  // seconds carry without a minutes carry
      {"00.000", 261.13989861, "261 8 23.635"},
  };
  for (const auto& c : cases) {
    AtPicture picture(c.picture);
    EXPECT_EQ(Joined(RouteEnSexagesimal(c.c, ".")), c.expected) << c.c << " at " << c.picture;
  }
  EXPECT_EQ(RouteEnSexagesimal(45.18804022934031, ",").Decimal, "45,1880402293403");
  EXPECT_EQ(RouteEnSexagesimal(45.18804022934031, ",").Secondes, "16.945");
}
