#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "Angles.hpp"

using namespace orbalide;

using D = double;  // a Reel's value

// Bit-exact: the program's π (not the full double π) in both conversions and in the arctangent's
// quadrant constants, y = 0 with x < 0 giving −π.
TEST(Angles, PiConversionsAndArcTan2) {
  EXPECT_EQ(std::bit_cast<std::uint64_t>(Pi), 0x400921FB54442D11u);
  EXPECT_EQ(D(DegresEnRadians(180)), Pi);
  EXPECT_EQ(D(DegresEnRadians(90)), 1.570796326794895);
  EXPECT_EQ(D(RadiansEnDegres(Pi)), 180.0);
  const struct {
    double y, x, expected;
  } cases[] = {
      {0.0, -1.0, -3.14159265358979},     // −π, not +π
      {-0.0, -1.0, -3.14159265358979},    // −0 compares equal to 0
      {1e-300, -1.0, 3.14159265358979},   // +π only when atan(y ÷ x) + π rounds to π
      {0.0, 1.0, 0.0},                    //
      {1.0, 0.0, 1.570796326794895},      // π/2 − atan(0)
      {-1.0, 0.0, -1.570796326794895},    //
      {1.0, -1.0, 2.3561944901923417},    // atan(−1) + π
      {-1.0, -1.0, -2.3561944901923417},  // atan(1) − π
      {1.0, 1.0, 0.7853981633974483},     //
      {2.0, 1.0, 1.1071487177940889},     // π/2 − atan(0.5): the quotient below 1
  };
  for (const auto& c : cases) {
    EXPECT_EQ(D(ArcTan2(c.y, c.x)), c.expected) << "ArcTan2(" << c.y << ", " << c.x << ")";
  }
}

TEST(Angles, NormalisationsAndLetters) {
  const struct {
    double in, route, longitude;
    const char* letters;  // latitude, longitude
  } cases[] = {
      {-90, 270, -90, "SW"},   {360, 360, 0, "NE"},    {190, 190, -170, "NE"},
      {-180, 180, -180, "SW"}, {180, 180, 180, "NE"},  {-1e-14, 360, -1e-14, "SW"},
      {370, 10, 10, "NE"},     {-200, 160, 160, "SW"}, {-0.0, 0, 0, "NE"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(D(NormaliserRoute(c.in)), c.route) << c.in;
    EXPECT_EQ(D(NormaliserLongitude(c.in)), c.longitude) << c.in;
    EXPECT_EQ(
        std::string{LettreHemisphere(c.in, Axe::Latitude)} + LettreHemisphere(c.in, Axe::Longitude),
        c.letters)
        << c.in;
  }
}

// Every source of an arithmetic error stops with the program's own exception.
TEST(Angles, ArithmeticErrorsThrow) {
  EXPECT_THROW(ArcTan2(0, 0), ErreurArithmetique);           // 0 ÷ 0
  EXPECT_THROW(DegresEnRadians(1e308), ErreurArithmetique);  // overflow
  EXPECT_THROW(Reel(1) / 0, ErreurArithmetique);             // division by zero
  EXPECT_THROW(Sqrt(-1), ErreurArithmetique);                // invalid operation
  EXPECT_THROW(Reel{std::nan("")}, ErreurArithmetique);      // never holds a NaN
  EXPECT_EQ(D(Reel(1e-300) * 1e-300), 0.0);                  // underflow is no error
}
