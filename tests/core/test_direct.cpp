#include <gtest/gtest.h>

#include "Ellipsoide.hpp"
#include "ModFormules.hpp"
#include "Reel.hpp"

using namespace orbalide;

const Ellipsoide kWgs84 = *EllipsoideDuCatalogue(kIndexWgs84);
const Ellipsoide kSphere = *EllipsoideDuCatalogue(kIndexSphere);

// The design's figures, rounded to ten decimals of a degree, with the passes they take.
TEST(Direct, ReferenceGeodesics) {
  const struct {
    const Ellipsoide& ellipsoid;
    double lat1, lon1, course1, distance, lat2, lon2, course2;
    int passes;  // 0: not stated
  } cases[] = {
      {kWgs84, 0, 0, 45, 100000, 0.6394723347, 0.6352310291, 45.0035449479, 4},
      {kWgs84, 45, 0, 90, 1000000, 44.3014029469, 12.5812304281, 98.8601013949, 0},
      {kWgs84, -33.5, 151.25, 225, 500000, -36.6244877220, 147.2982778406, 227.2715824410, 0},
      {kWgs84, 30, 170, 90, 2000000, 28.3940954054, -169.4891861954, 100.0889873959, 0},  // 180°
      {kWgs84, 80, 0, 0, 2000000, 82.0924062672, -180, 180, 0},  // over the pole
      {kWgs84, 0, 0, 0, 10001965.729, 89.9999999975, 0, 0, 0},
      {kWgs84, 90, 0, 180, 100000, 89.1046958603, 0, 180, 0},  // from the pole
      {kWgs84, 90, 0, 0, 100000, 89.1046958603, -180, 180, 0},
      {kWgs84, 45, 10, -90, 1000, 44.9999992958, 9.9873171829, 269.9910318940, 0},
      {kWgs84, 12.5, -7.25, 33, 0, 12.5, -7.25, 33, 1},   // no distance: the departure
      {kSphere, 60, 0, 0, 1852, 60.0166666667, 0, 0, 1},  // a mile is a minute of arc
  };
  for (const auto& c : cases) {
    const ResultatDirect r = CalculDirect(c.ellipsoid, c.lat1, c.lon1, c.course1, c.distance);
    SCOPED_TRACE(testing::Message()
                 << c.lat1 << " " << c.lon1 << " " << c.course1 << " " << c.distance);
    EXPECT_NEAR(r.Latitude, c.lat2, 5e-11);
    EXPECT_NEAR(r.Longitude, c.lon2, 5e-11);
    EXPECT_NEAR(r.RouteArrivee, c.course2, 5e-11);
    EXPECT_TRUE(c.passes == 0 || r.Passes == c.passes) << r.Passes;
  }
}

// The last bits that the program's π and the exact grouping decide; an absurd distance, where σ
// alternates forever, stops at the cap of passes; degrees beyond the range of radians.
TEST(Direct, ExactEndsAndFailures) {
  const ResultatDirect east = CalculDirect(kWgs84, 0, 0, 90, 1000);
  EXPECT_GT(east.Latitude, 0);  // cos 90° is slightly positive with this π
  EXPECT_LT(east.Latitude, 1e-16);
  EXPECT_LT(east.RouteArrivee, 90);
  EXPECT_EQ(CalculDirect(kWgs84, 80, 0, 0, 2000000).Longitude, -180.0);  // not turned into 180
  EXPECT_EQ(CalculDirect(kWgs84, 90, 0, 0, 100000).RouteArrivee, 180.0);
  EXPECT_LT(CalculDirect(kWgs84, 0, 0, 180, 1852).RouteArrivee, 180);
  EXPECT_EQ(CalculDirect(kWgs84, -89, 0, 33, 1e9).Passes, kPassesDirectesMax);
  EXPECT_THROW(CalculDirect(kWgs84, 1e308, 0, 0, 1000), ErreurArithmetique);
  EXPECT_THROW(CalculDirect(kWgs84, 0, 0, 1e308, 1000), ErreurArithmetique);
}
