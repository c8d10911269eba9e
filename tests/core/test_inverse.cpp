#include <gtest/gtest.h>

#include "Ellipsoide.hpp"
#include "Reel.hpp"
#include "inverse.hpp"

using namespace orbalide;

const Ellipsoide kWgs84 = *EllipsoideDuCatalogue(kIndexWgs84);
const Ellipsoide kSphere = *EllipsoideDuCatalogue(kIndexSphere);

// The design's figures; the last four rows from GeographicLib (f = 0 for the sphere). Then the
// outcomes without a result: the same point, nearly antipodal points, values out of range.
TEST(Inverse, ReferenceGeodesicsAndNoResult) {
  const struct {
    const Ellipsoide& ellipsoid;
    double lat1, lon1, lat2, lon2, distance, course1, course2;
    int passes;  // 0: not stated
  } cases[] = {
      {kWgs84, 0, 0, 1, 1, 156899.568, 45.1880402293, 45.1967673216, 5},
      {kWgs84, 0, 0, 0, 1, 111319.491, 90, 90, 0},  // along the equator: cos 2σm taken as 0
      {kWgs84, 0, 0, 90, 0, 10001965.729, 0, 0, 1},
      {kSphere, 60, 0, 60 + 1.0 / 60, 0, 1852, 0, 0, 0},  // one minute, one mile
      {kWgs84, 40, 5, 10, 5, 3323674.197, 180, 180, 0},   // due south: −π becomes 180
      {kWgs84, 10, 170, 20, -170, 2415318.018, 60.4230175326, 65.6693133046, 0},
      {kWgs84, 10, 170, 20, 190, 2415318.018, 60.4230175326, 65.6693133046, 0},  // not reduced
      {kSphere, 0, 0, 0.5, 179.7, 19936806.680, 30.962999361, 149.035691631, 1},
  };
  for (const auto& c : cases) {
    const ResultatInverse r = CalculInverse(c.ellipsoid, c.lat1, c.lon1, c.lat2, c.lon2);
    SCOPED_TRACE(testing::Message() << c.lat1 << " " << c.lon1 << " " << c.lat2 << " " << c.lon2);
    ASSERT_TRUE(r.Obtenu);
    EXPECT_NEAR(r.Distance, c.distance, 5e-4);
    EXPECT_NEAR(r.RouteInitiale, c.course1, 2e-9);
    EXPECT_NEAR(r.RouteArrivee, c.course2, 2e-9);
    EXPECT_TRUE(c.passes == 0 || r.Passes == c.passes) << r.Passes;
  }
  EXPECT_EQ(CalculInverse(kWgs84, 0, 0, 0, 1).RouteInitiale,
            90.0);  // exactly: ArcTan2(y > 0, 0) is π/2
  EXPECT_EQ(CalculInverse(kWgs84, 40, 5, 10, 5).RouteArrivee, 180.0);
  for (const double lon : {0.0, -4.5})
    EXPECT_TRUE(CalculInverse(kWgs84, 48.5, lon, 48.5, lon).Confondus);
  const ResultatInverse antipodal = CalculInverse(kWgs84, 0, 0, 0.5, 179.7);  // 20 passes
  EXPECT_FALSE(antipodal.Obtenu || antipodal.Confondus);
  EXPECT_THROW(CalculInverse(kWgs84, 1e308, 0, 0, 0), ErreurArithmetique);
  EXPECT_THROW(CalculInverse(kWgs84, 0, -1e308, 0, 1e308), ErreurArithmetique);  // lon2 − lon1
}
