#include <gtest/gtest.h>

#include "Ellipsoide.hpp"
#include "Reel.hpp"
#include "inverse.hpp"

using namespace orbalide;

namespace {
constexpr std::int16_t kWgs84 = 0;
}  // namespace

TEST(Inverse, ReferenceGeodesics) {
  const struct {
    std::int16_t ellipsoide;
    double lat1, lon1, lat2, lon2, distance, course1, course2;
    int passes;  // 0: not stated
  } cases[] = {
      {kWgs84, 0, 0, 1, 1, 156899.568, 45.1880402293, 45.1967673216, 5},
      {kWgs84, 0, 0, 0, 1, 111319.491, 90, 90, 0},  // along the equator
      {kWgs84, 0, 0, 90, 0, 10001965.729, 0, 0, 1},
      {kIndexSphere, 60, 0, 60 + 1.0 / 60, 0, 1852, 0, 0, 0},   // one minute, one mile
      {kIndexSphere, 0, 0, 0.5, 179.7, 19936806.680, 0, 0, 1},  // f = 0 leaves λ as it is
  };
  for (const auto& c : cases) {
    SelectionnerEllipsoide(c.ellipsoide);
    const ResultatInverse r = CalculInverse(c.lat1, c.lon1, c.lat2, c.lon2);
    SCOPED_TRACE(testing::Message() << c.lat1 << " " << c.lon1 << " " << c.lat2 << " " << c.lon2);
    ASSERT_TRUE(r.Obtenu);
    EXPECT_NEAR(r.Distance, c.distance, 5e-4);
    if (c.ellipsoide == kWgs84) {
      EXPECT_NEAR(r.RouteInitiale, c.course1, 5e-11);
      EXPECT_NEAR(r.RouteArrivee, c.course2, 5e-11);
    }
    if (c.passes != 0) {
      EXPECT_EQ(r.Passes, c.passes);
    }
  }
}

TEST(Inverse, ExactCourses) {
  SelectionnerEllipsoide(kWgs84);
  const ResultatInverse east = CalculInverse(0, 0, 0, 1);
  EXPECT_EQ(east.RouteInitiale, 90.0);  // ArcTan2 of y > 0 and x = 0 is π ÷ 2
  EXPECT_EQ(east.RouteArrivee, 90.0);
  const ResultatInverse north = CalculInverse(0, 0, 90, 0);
  EXPECT_EQ(north.RouteInitiale, 0.0);
  EXPECT_EQ(north.RouteArrivee, 0.0);
  const ResultatInverse south = CalculInverse(40, 5, 10, 5);  // −π, hence −180°, becomes 180
  EXPECT_EQ(south.RouteInitiale, 180.0);
  EXPECT_EQ(south.RouteArrivee, 180.0);
  SelectionnerEllipsoide(kIndexSphere);
  EXPECT_NEAR(CalculInverse(60, 0, 60 + 1.0 / 60, 0).Distance, 1852, 1e-6);
}

TEST(Inverse, LongitudeDifferenceIsNotReduced) {
  SelectionnerEllipsoide(kWgs84);
  const ResultatInverse a = CalculInverse(10, 170, 20, -170);
  const ResultatInverse b = CalculInverse(10, 170, 20, 190);
  ASSERT_TRUE(a.Obtenu && b.Obtenu);
  EXPECT_NEAR(a.Distance, b.Distance, 1e-6);
  EXPECT_NEAR(a.RouteInitiale, b.RouteInitiale, 1e-9);
  EXPECT_NEAR(a.RouteArrivee, b.RouteArrivee, 1e-9);
}

TEST(Inverse, NoResultOutcomes) {
  SelectionnerEllipsoide(kWgs84);
  EXPECT_FALSE(CalculInverse(0, 0, 0, 0).Obtenu);  // coincident
  EXPECT_FALSE(CalculInverse(48.5, -4.5, 48.5, -4.5).Obtenu);
  EXPECT_FALSE(CalculInverse(0, 0, 0.5, 179.7).Obtenu);  // nearly antipodal: 20 passes
}

TEST(Inverse, ArithmeticErrorsThrow) {
  SelectionnerEllipsoide(kWgs84);
  EXPECT_THROW(CalculInverse(1e308, 0, 0, 0), ErreurArithmetique);
  EXPECT_THROW(CalculInverse(0, -1e308, 0, 1e308), ErreurArithmetique);  // lon2 − lon1
}
