// The rhumb line against independent figures: GeographicLib's Rhumb class in its exact form,
// built with the a and f of each catalogue entry as EllipsoideDuCatalogue gives them (the rhumb
// line uses no b); GeographicLib's quarter meridian; and, for departures within micrometres of a
// pole, figures computed in 40 digits from the definitions (meridian arc by quadrature, isometric
// latitude in closed form), since GeographicLib keeps the rectifying latitude in degrees and
// there loses the departure's distance from the pole.
#include <gtest/gtest.h>
#include <GeographicLib/Ellipsoid.hpp>
#include <GeographicLib/Geodesic.hpp>
#include <GeographicLib/Rhumb.hpp>

#include <cmath>
#include <functional>
#include <random>

#include "Ellipsoide.hpp"
#include "Loxodromie.hpp"
#include "Reel.hpp"

using namespace orbalide;

namespace {

const Ellipsoide kWgs84 = *EllipsoideDuCatalogue(kIndexWgs84);
const Ellipsoide kBessel = *EllipsoideDuCatalogue(7);
const Ellipsoide kSphere = *EllipsoideDuCatalogue(kIndexSphere);

double Gap(double a, double b) {
  return std::fabs(std::remainder(a - b, 360.0));
}

}  // namespace

// A pole is the pole whatever its longitude, joined along a meridian; the same point is 0 m on
// course 180, GeodSolve's (RhumbSolve says 0); exactly 180° of longitude goes the way of the raw
// difference; a parallel keeps its latitude exactly; only a meridian reaches a pole or leaves one
// with a result.
TEST(Loxodromie, FixedLines) {
  const double q = GeographicLib::Ellipsoid::WGS84().QuarterMeridian();
  const struct {
    double lat1, lon1, lat2, lon2, distance, course;
  } inverses[] = {
      {10, 20, 10, 380, 0, 180},
      {0, 0, 90, 170, q, 0},
      {90, 10, 0, 0, q, 180},
      {-90, 0, 90, 0, 2 * q, 0},
      {90, 0, 90, 50, 0, 180},
      {10, -170, 10, 10, 19735085.53227, 90},
      {10, 10, 10, -170, 19735085.53227, 270},
      {10, -170, 10, 370, 19735085.53227, 90},
      {10, 10, 10, -530, 19735085.53227, 270},
      {48.4, -4.5, 44.65, -63.57, 4548806.71170, 264.74199765562},
  };
  for (const auto& c : inverses) {
    SCOPED_TRACE(testing::Message() << c.lat1 << " " << c.lon1 << " " << c.lat2 << " " << c.lon2);
    const ResultatInverseLoxodromie r =
        CalculInverseLoxodromie(kWgs84, c.lat1, c.lon1, c.lat2, c.lon2);
    EXPECT_NEAR(r.Distance, c.distance, 1e-4);
    EXPECT_NEAR(r.Route, c.course, 1e-9);
  }
  const struct {
    const Ellipsoide& ellipsoid;
    double lat1, lon1, course, distance;
    bool obtained;
    double lat2, lon2;
  } directs[] = {
      {kWgs84, 0, 0, 0, q - 1, true, 89.99999104697, 0},
      {kWgs84, 90, 0, 180, 1000, true, 89.99104696597, 0},  // leaves the pole on its meridian
      {kWgs84, 45, 10, 90, 1000, true, 45, 10.01268281725},
      {kWgs84, 30, 170, 90, 2e6, true, 30, -169.27166437757},
      {kWgs84, 12.5, -7.25, 33, 0, true, 12.5, -7.25},
      {kWgs84, 90, 540, 0, -1e-320, true, 90, 180},  // the pole, its longitude within ±180°
      {kWgs84, 0, 0, 45, 2e7, false, 0, 0},          // passes the pole
      {kWgs84, 90, 0, 90, 1000, false, 0, 0},        // circles it
      {kWgs84, 90, 0, 170, 1000, false, 0, 0},       // leaves it winding round it endlessly
      {kWgs84, 89.999999999960792, 135.60028474669139, -159.19285177109666, 14282.273261924585,
       true, 89.880469805434053, 20.126622031955214},  // 4 µm from the pole: 40 digits
      {kBessel, 89.999999993963769, -47.202797632038738, 245.37449067908608, 8755.4828841173821,
       true, 89.967332671016639, 174.81844937996879},
      {kSphere, -89.9999999, 10, 30, 5000, true, -89.961031874271764, 75.838207246493704},
  };
  for (const auto& c : directs) {
    SCOPED_TRACE(testing::Message()
                 << c.lat1 << " " << c.lon1 << " " << c.course << " " << c.distance);
    const ResultatDirectLoxodromie r =
        CalculDirectLoxodromie(c.ellipsoid, c.lat1, c.lon1, c.course, c.distance);
    EXPECT_EQ(r.Obtenu, c.obtained);
    if (!c.obtained) continue;
    EXPECT_NEAR(r.Latitude, c.lat2, 1e-9);
    EXPECT_NEAR(Gap(r.Longitude, c.lon2), 0, 1e-9);
    EXPECT_LE(std::fabs(r.Longitude), 180);
  }
  EXPECT_EQ(CalculDirectLoxodromie(kWgs84, 45, 10, 90, 1000).Latitude, 45.0);
  EXPECT_THROW(CalculInverseLoxodromie(kWgs84, 90.5, 0, 0, 0), ErreurArithmetique);
  EXPECT_THROW(CalculDirectLoxodromie(kWgs84, -91, 0, 0, 1), ErreurArithmetique);
}

// Random lines of every ellipsoid, of four kinds. The inverse: distance within 0.1 mm, course
// within 1e-9°. The direct: arrival within 0.1 mm and 1e-9° of latitude, no result exactly where
// GeographicLib's longitude is NaN. Departures keep a degree from the poles, where GeographicLib
// loses accuracy (FixedLines has such departures); east–west lines are 10 km or longer: on
// shorter ones the last bit of the isometric latitude moves the course of either by over 1e-9°.
TEST(Loxodromie, RandomLinesOnEveryEllipsoid) {
  std::mt19937_64 random(1569);
  std::uniform_real_distribution<double> unit(0, 1);
  const auto between = [&](double a, double b) { return a + (b - a) * unit(random); };
  struct Line {
    double lat1, lon1, lat2, lon2;     // the inverse's
    double dlat1, dlon1, course, s12;  // the direct's
  };
  using Kind = std::function<Line(const GeographicLib::Rhumb&, double metre)>;
  const auto anywhere = [&](const GeographicLib::Rhumb&, double) {
    return Line{between(-90, 90), between(-180, 180), between(-90, 90),   between(-180, 180),
                between(-89, 89), between(-180, 180), between(-360, 720), between(0, 2e7)};
  };
  const std::pair<const char*, Kind> kinds[] = {
      {"anywhere", anywhere},
      {"east-west",
       [&](const GeographicLib::Rhumb& oracle, double) {
         Line l = anywhere(oracle, 0);
         l.dlat1 = between(-85, 85);
         l.course = (unit(random) < 0.5 ? 90 : 270) + between(-1e-6, 1e-6);
         l.s12 = between(1e4, 2e7);
         // The inverse's line spans at most half its parallel: none shorter joins its ends.
         l.lat1 = between(-60, 60);
         oracle.Direct(l.lat1, l.lon1, l.course, between(1e4, 1e7), l.lat2, l.lon2);
         return l;
       }},
      {"a metre from a pole",
       [&](const GeographicLib::Rhumb& oracle, double metre) {
         Line l = anywhere(oracle, 0);
         const double pole = unit(random) < 0.5 ? 90 : -90;
         l.lat2 = pole - std::copysign(between(0, metre), pole);
         // The direct arrives within a metre of the pole too, at most 60° off its meridian.
         l.course = between(-60, 60) + (pole > 0 ? 0 : 180);
         const double cosine = GeographicLib::Math::cosd(l.course), quarter = 90 / metre;
         const double mu1 = GeographicLib::Ellipsoid(oracle.EquatorialRadius(), oracle.Flattening())
                                .RectifyingLatitude(l.dlat1);
         l.s12 = (pole - mu1) * quarter / 90 / cosine - between(0, 1) / std::fabs(cosine);
         return l;
       }},
      {"across 180°",
       [&](const GeographicLib::Rhumb& oracle, double) {
         Line l = anywhere(oracle, 0);
         l.lon1 = l.dlon1 = between(170, 180);
         l.lon2 = between(-180, -170);
         if (unit(random) < 0.5) std::swap(l.lon1, l.lon2);
         return l;
       }},
  };
  for (std::size_t index = 0; index < Catalogue.size(); ++index) {
    const Ellipsoide e = *EllipsoideDuCatalogue(static_cast<std::int16_t>(index));
    const GeographicLib::Rhumb oracle(e.DemiGrandAxe, e.Aplatissement);
    const GeographicLib::Geodesic geodesic(e.DemiGrandAxe, e.Aplatissement);
    const double metre = 90 / GeographicLib::Ellipsoid(e.DemiGrandAxe, e.Aplatissement)
                                  .QuarterMeridian();  // in degrees of latitude
    for (const auto& [name, kind] : kinds) {
      for (int i = 0; i < 5000; ++i) {
        const Line l = kind(oracle, metre);
        SCOPED_TRACE(testing::Message() << Catalogue[index].Nom << ", " << name << " " << i);
        double s12 = 0, azi12 = 0, lat2 = 0, lon2 = 0, miss = 0;
        oracle.Inverse(l.lat1, l.lon1, l.lat2, l.lon2, s12, azi12);
        const ResultatInverseLoxodromie r =
            CalculInverseLoxodromie(e, l.lat1, l.lon1, l.lat2, l.lon2);
        ASSERT_NEAR(r.Distance, s12, 1e-4);
        ASSERT_LT(Gap(r.Route, azi12), 1e-9);
        oracle.Direct(l.dlat1, l.dlon1, l.course, l.s12, lat2, lon2);
        const ResultatDirectLoxodromie d =
            CalculDirectLoxodromie(e, l.dlat1, l.dlon1, l.course, l.s12);
        ASSERT_EQ(d.Obtenu, !std::isnan(lon2));
        if (!d.Obtenu) continue;
        ASSERT_LE(std::fabs(d.Longitude), 180);
        geodesic.Inverse(d.Latitude, d.Longitude, lat2, lon2, miss);
        ASSERT_NEAR(d.Latitude, lat2, 1e-9);
        ASSERT_LT(miss, 1e-4);
      }
    }
  }
}
