#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "Angles.hpp"

using namespace orbalide;

namespace {
double D(Reel r) {
  return static_cast<double>(r);
}
}  // namespace

TEST(Angles, PiIsTheDesignValueNotTheFullDouble) {
  EXPECT_EQ(std::bit_cast<std::uint64_t>(Pi), 0x400921FB54442D11u);
  EXPECT_LT(Pi, std::acos(-1.0));
  EXPECT_EQ(D(DegresEnRadians(180)), Pi);
  EXPECT_EQ(D(DegresEnRadians(90)), 1.570796326794895);
  EXPECT_EQ(D(RadiansEnDegres(Pi)), 180.0);
}

// Bit-exact: the quadrant constants use the program's π, and y = 0 with x < 0 gives −π.
TEST(Angles, ArcTan2QuadrantsAndSignOfZero) {
  const struct {
    double y, x, expected;
  } cases[] = {
      {0.0, -1.0, -3.14159265358979},     // case 5: −π, not +π
      {-0.0, -1.0, -3.14159265358979},    // −0 compares equal to 0
      {1e-300, -1.0, 3.14159265358979},   // +π only when atan(y ÷ x) + π rounds to π
      {0.0, 1.0, 0.0},                    // case 4
      {1.0, 0.0, 1.570796326794895},      // case 3: π/2 − atan(0)
      {-1.0, 0.0, -1.570796326794895},    // case 6
      {1.0, -1.0, 2.3561944901923417},    // case 2
      {-1.0, -1.0, -2.3561944901923417},  // case 5
      {1.0, 1.0, std::atan(1.0)},         // case 1
      {2.0, 1.0, 1.570796326794895 - std::atan(0.5)},  // case 3 picks the quotient below 1
  };
  for (const auto& c : cases) {
    EXPECT_EQ(D(ArcTan2(c.y, c.x)), c.expected) << "ArcTan2(" << c.y << ", " << c.x << ")";
  }
}

TEST(Angles, Normalisations) {
  const struct {
    double in, route, longitude;
  } cases[] = {
      {-90, 270, -90}, {360, 360, 0},         {190, 190, -170}, {-180, 180, -180},
      {180, 180, 180}, {-1e-14, 360, -1e-14}, {370, 10, 10},    {-200, 160, 160},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(D(NormaliserRoute(c.in)), c.route) << c.in;
    EXPECT_EQ(D(NormaliserLongitude(c.in)), c.longitude) << c.in;
  }
}

TEST(Angles, HemisphereLetters) {
  EXPECT_EQ(LettreHemisphere(-0.1, Axe::Latitude), 'S');
  EXPECT_EQ(LettreHemisphere(-0.0, Axe::Latitude), 'N');
  EXPECT_EQ(LettreHemisphere(0.1, Axe::Latitude), 'N');
  EXPECT_EQ(LettreHemisphere(-1e-300, Axe::Longitude), 'W');
  EXPECT_EQ(LettreHemisphere(0.0, Axe::Longitude), 'E');
}

// Every source of an arithmetic error stops with the program's own exception.
TEST(Angles, ArithmeticErrorsThrow) {
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_THROW(ArcTan2(0, 0), ErreurArithmetique);           // 0 ÷ 0
  EXPECT_THROW(DegresEnRadians(1e308), ErreurArithmetique);  // overflow
  EXPECT_THROW(Reel(1) / 0, ErreurArithmetique);             // division by zero
  EXPECT_THROW(Sqrt(-1), ErreurArithmetique);                // invalid operation
  EXPECT_THROW(Reel{inf}, ErreurArithmetique);               // never holds an infinity
  EXPECT_THROW(Reel{std::nan("")}, ErreurArithmetique);      // nor a NaN
  EXPECT_EQ(D(Reel(1e-300) * 1e-300), 0.0);                  // underflow is no error
}
