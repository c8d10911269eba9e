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
  EXPECT_EQ(PositionEnDegres("-45", "30", "0", 0), 45.5);  // typed signs are ignored
  EXPECT_EQ(PositionEnDegres("45", "-30", "-36", 1), -45.51);
  EXPECT_EQ(PositionEnDegres("", "", "", 1), 0);
  EXPECT_EQ(PositionEnDegres("45", "", "", -1), 45);  // no hemisphere selected: N or E
  EXPECT_EQ(PositionEnDegres("49", "00", "23.260", 0), 49 + 0.0 / 60 + 23.26 / 3600);
  EXPECT_EQ(RouteEnDegres("180", "30", "00"), 180.5);
  EXPECT_EQ(RouteEnDegres("10", "-30", ""), 9.5);    // course signs count
  EXPECT_EQ(RouteEnDegres("400", "90", ""), 401.5);  // no range check
  EXPECT_THROW(PositionEnDegres("1E999", "", "", 0), ErreurArithmetique);
  EXPECT_THROW(RouteEnDegres("1.79E308", "1E308", ""), ErreurArithmetique);
}

TEST(Sexagesimal, SecondsAlwaysUseAPoint) {
  EXPECT_EQ(TexteSecondes(7.5), "07.500");
  EXPECT_EQ(TexteSecondes(59.99964), "60.000");
  AtPicture seven("00.0000000");
  EXPECT_EQ(TexteSecondes(7.5), "07.5000000");
}

TEST(Sexagesimal, PositionsAtThousandths) {
  const struct {
    double v;
    const char* expected;
  } cases[] = {
      {5.25, "05 15 00.000"},
      {123.456789, "123 27 24.440"},
      {0, "00 00 00.000"},
      {-44.1001299, "44 06 00.468"},                 // the magnitude only
      {59.9999 / 3600 + 59.0 / 60, "01 00 00.000"},  // 00 59 60.000 carries twice
      {89 + 59.0 / 60 + 59.99999 / 3600, "90 00 00.000"},
      {10 + 59.99999 / 3600, "10 01 00.000"},  // seconds carry alone
  };
  for (const auto& c : cases) EXPECT_EQ(Joined(PositionEnSexagesimal(c.v)), c.expected) << c.v;
}

TEST(Sexagesimal, PositionCarryKeepsThePicture) {
  AtPicture hundredths("00.00");
  EXPECT_EQ(Joined(PositionEnSexagesimal(59.996 / 3600 + 59.0 / 60)), "01 00 00.00");
  EXPECT_EQ(Joined(PositionEnSexagesimal(49.311790975)), "49 18 42.45");
}

TEST(Sexagesimal, CoursesWithTheirCarries) {
  const struct {
    const char* picture;
    double c;
    const char* expected;
  } cases[] = {
      {"00.000", 10.01, "10 0 36.000"},
      {"00.000", 45.5, "45 30 00.000"},
      {"00.00", 359.99999999, "360 00 00"},
      {"00.000", 359.99999999, "360 00 00"},
      {"00.0000000", 359.99999999, "359 59 59.9999640"},
      {"00.000", 44.99999999, "45 00 00"},
      {"00.000", 10.99999999, "11 00 00"},
      {"00.000", 10.5 + 59.9999 / 3600, "10 31 00"},  // seconds carry without a minutes carry
      {"00.000", 261.13989861, "261 8 23.635"},
      {"00.000", 0, "0 0 00.000"},
  };
  for (const auto& c : cases) {
    AtPicture picture(c.picture);
    EXPECT_EQ(Joined(RouteEnSexagesimal(c.c, ".")), c.expected) << c.c << " at " << c.picture;
  }
}

TEST(Sexagesimal, CourseDecimalTextUsesTheRegionalSeparator) {
  EXPECT_EQ(RouteEnSexagesimal(45.18804022934031, ",").Decimal, "45,1880402293403");
  EXPECT_EQ(RouteEnSexagesimal(45.18804022934031, ",").Secondes, "16.945");
  EXPECT_EQ(RouteEnSexagesimal(359.9999999999, ".").Decimal, "359.9999999999");
}
