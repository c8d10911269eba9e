// The other ellipsoids of the catalogue against GeographicLib on random pairs. The catalogue's
// b differs from a·(1 − f) by up to a quarter of a millimetre, which moves distances by up to
// about 0.8 mm: hence the 1 mm bound.
#include <gtest/gtest.h>
#include <GeographicLib/Geodesic.hpp>

#include <random>

#include "Ellipsoide.hpp"
#include "ModFormules.hpp"
#include "inverse.hpp"

using namespace orbalide;

TEST(GeographicLib, EveryOtherEllipsoidWithinAMillimetre) {
  std::mt19937_64 random(1975);
  std::uniform_real_distribution<double> lat(-90, 90), lon(-180, 180), course(0, 360);
  for (std::int16_t index = 1; index < static_cast<std::int16_t>(Catalogue.size()); ++index) {
    SelectionnerEllipsoide(index);
    const Ellipsoide& e = EllipsoideCourant();
    const GeographicLib::Geodesic oracle(e.DemiGrandAxe, e.Aplatissement);
    SCOPED_TRACE(Catalogue[static_cast<std::size_t>(index)].Nom);
    int obtained = 0;
    for (int i = 0; i < 3000; ++i) {
      const double lat1 = lat(random), lat2 = lat(random), lon2 = lon(random);
      const ResultatInverse r = CalculInverse(lat1, 0, lat2, lon2);
      if (!r.Obtenu) continue;
      ++obtained;
      double s12 = 0;
      oracle.Inverse(lat1, 0, lat2, lon2, s12);
      ASSERT_NEAR(r.Distance, s12, 1e-3) << lat1 << " 0 " << lat2 << " " << lon2;

      const double azi1 = course(random), distance = s12;
      const ResultatDirect d = CalculDirect(lat1, 0, azi1, distance);
      double lat3 = 0, lon3 = 0, miss = 0;
      oracle.Direct(lat1, 0, azi1, distance, lat3, lon3);
      oracle.Inverse(d.Latitude, d.Longitude, lat3, lon3, miss);
      ASSERT_LT(miss, 1e-3) << lat1 << " 0 " << azi1 << " " << distance;
    }
    EXPECT_GT(obtained, 2900);
  }
}
