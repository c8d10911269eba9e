#include <gtest/gtest.h>

#include <tuple>

#include "Ellipsoide.hpp"
#include "InverseComplet.hpp"
#include "Reel.hpp"
#include "inverse.hpp"

using namespace orbalide;

const Ellipsoide kWgs84 = *EllipsoideDuCatalogue(kIndexWgs84);
const Ellipsoide kSphere = *EllipsoideDuCatalogue(kIndexSphere);

// The design's figures and GeographicLib's (f = 0 for the sphere), where the complete solution
// gives Vincenty's figures to the bit; then GeodSolve's where it gives its own (courses within
// 1e-6°). Then the outcomes of Vincenty's iteration without a result: the same point, nearly
// antipodal points, values out of range.
TEST(Inverse, ReferenceGeodesicsAndNoResult) {
  const struct {
    const Ellipsoide& ellipsoid;
    double lat1, lon1, lat2, lon2, distance, course1, course2;
    int passes;  // 0: not stated; −1: not Vincenty's figures
  } cases[] = {
      {kWgs84, 0, 0, 1, 1, 156899.568, 45.1880402293, 45.1967673216, 5},
      {kWgs84, 0, 0, 0, 1, 111319.491, 90, 90, 0},  // along the equator: cos 2σm taken as 0
      {kWgs84, 0, 0, 90, 0, 10001965.729, 0, 0, 1},
      {kSphere, 60, 0, 60 + 1.0 / 60, 0, 1852, 0, 0, 0},  // one minute, one mile
      {kWgs84, 40, 5, 10, 5, 3323674.197, 180, 180, 0},   // due south: −π becomes 180
      {kWgs84, 10, 170, 20, -170, 2415318.018, 60.4230175326, 65.6693133046, 0},
      {kWgs84, 10, 170, 20, 190, 2415318.018, 60.4230175326, 65.6693133046, 0},  // not reduced
      {kWgs84, 30, 0, 30, 180, 13363704.6627, 0, 180, 0},  // over the pole, not antipodal
      {kSphere, 0, 0, 0.5, 179.7, 19936806.680, 30.962999361, 149.035691631, 1},
      {kWgs84, 0, 0, 0.5, 179.7, 19944127.4208, 15.5568827935, 164.4425138909, -1},
      {kWgs84, 20, 0, -20.2, 179.9, 19981119.1796, 172.6386059169, 7.3707998248, -1},
      {kWgs84, -41, 10, 41.1, -170.5, 19975825.1634, 49.3506091031, 130.5481741684, -1},
      // Along the equator, the geodesics north and south of it are equally short.
      {kWgs84, 0, 0, 0, 179.5, 19980861.9089, 55.9664951402, 124.0335048598, -1},
      {kWgs84, -0.0, 0, 0, 179.5, 19980861.9089, 124.0335048598, 55.9664951402, -1},
      // The same point; at a pole, whatever the longitudes (GeodSolve: 80 180 for 90 0 90 100).
      {kWgs84, 48.5, -4.5, 48.5, 355.5, 0, 180, 180, -1},
      {kWgs84, 90, 0, 90, 100, 0, 180, 180, -1},
      // Exactly antipodal: along the meridians over the pole of the departure's side.
      {kWgs84, 30, 0, -30, 180, 20003931.4586, 0, 180, -1},
      {kWgs84, -30, 0, 30, 180, 20003931.4586, 180, 0, -1},
      {kWgs84, 0, 0, 0, -180, 20003931.4586, 0, 180, -1},
      {kWgs84, -0.0, 0, 0, 180, 20003931.4586, 180, 0, -1},
      {kSphere, 30, 0, -30, 180, 20001600, 0, 180, -1},
      {kWgs84, 90, 0, -90, -77, 20003931.4586, 257, 180, -1},  // courses from lon1's meridian
      {kWgs84, -90, 0, 90, 33, 20003931.4586, 33, 0, -1},
  };
  for (const auto& c : cases) {
    const ResultatInverse r = CalculInverse(c.ellipsoid, c.lat1, c.lon1, c.lat2, c.lon2);
    const ResultatInverse complet =
        CalculInverseComplet(c.ellipsoid, c.lat1, c.lon1, c.lat2, c.lon2);
    SCOPED_TRACE(testing::Message() << c.lat1 << " " << c.lon1 << " " << c.lat2 << " " << c.lon2);
    ASSERT_TRUE(complet.Obtenu);
    EXPECT_NEAR(complet.Distance, c.distance, 5e-4);
    EXPECT_NEAR(complet.RouteInitiale, c.course1, c.passes < 0 ? 1e-6 : 2e-9);
    EXPECT_NEAR(complet.RouteArrivee, c.course2, c.passes < 0 ? 1e-6 : 2e-9);
    if (c.passes < 0) continue;
    ASSERT_TRUE(r.Obtenu);
    EXPECT_EQ(
        std::tie(r.Distance, r.RouteInitiale, r.RouteArrivee, r.Passes),
        std::tie(complet.Distance, complet.RouteInitiale, complet.RouteArrivee, complet.Passes));
    EXPECT_TRUE(c.passes == 0 || r.Passes == c.passes) << r.Passes;
  }
  EXPECT_EQ(CalculInverse(kWgs84, 0, 0, 0, 1).RouteInitiale,
            90.0);  // exactly: ArcTan2(y > 0, 0) is π/2
  EXPECT_EQ(CalculInverse(kWgs84, 40, 5, 10, 5).RouteArrivee, 180.0);
  for (const double lon : {0.0, -4.5})
    EXPECT_TRUE(CalculInverse(kWgs84, 48.5, lon, 48.5, lon).Confondus);
  const ResultatInverse antipodal = CalculInverse(kWgs84, 0, 0, 0.5, 179.7);  // 20 passes
  EXPECT_FALSE(antipodal.Obtenu || antipodal.Confondus);
  for (const auto inverse : {CalculInverse, CalculInverseComplet}) {
    EXPECT_THROW(inverse(kWgs84, 1e308, 0, 0, 0), ErreurArithmetique);
    EXPECT_THROW(inverse(kWgs84, 0, -1e308, 0, 1e308), ErreurArithmetique);  // lon2 − lon1
  }
}
