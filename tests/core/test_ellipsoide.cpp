#include <gtest/gtest.h>

#include "Ellipsoide.hpp"

using namespace orbalide;

// Every entry of the catalogue as the design's table gives it: the stored b, not a·(1 − f), and
// f = 1 ÷ (1/f); the sphere's radius from the program's π. An index outside the list gives
// no ellipsoid.
TEST(Ellipsoide, EveryEntryOfTheCatalogueAndNoOther) {
  const double sphere = 6366707.019493714;  // (40003200 ÷ 3.14159265358979) ÷ 2
  const struct {
    const char* name;
    double a, b, inverseF;  // 0: the sphere
  } table[] = {
      {"WGS-84", 6378137.0, 6356752.3142, 298.257223563},
      {"GRS-80", 6378137.0, 6356752.3141, 298.257222101},
      {"Clarke 1866", 6378206.4, 6356583.8, 294.9786982},
      {"Clarke 1880", 6378249.145, 6356514.86955, 293.465},
      {"Everest 1830", 6377276.345, 6356075.413, 300.801697979},
      {"PZ-90", 6378136.0, 6356751.362, 298.2578393},
      {"International 1924", 6378388.0, 6356911.946, 297.0},
      {"Bessel 1841", 6377397.155, 6356078.963, 299.152815351323},
      {"Airy (1830)", 6377563.396, 6356256.909, 299.3249646},
      {"Sphérique", sphere, sphere, 0},
  };
  ASSERT_EQ(Catalogue.size(), std::size(table));
  for (std::size_t i = 0; i < Catalogue.size(); ++i) {
    const Ellipsoide e = *EllipsoideDuCatalogue(static_cast<std::int16_t>(i));
    EXPECT_EQ(Catalogue[i].Nom, table[i].name);
    EXPECT_EQ(e.DemiGrandAxe, table[i].a) << table[i].name;
    EXPECT_EQ(e.DemiPetitAxe, table[i].b) << table[i].name;
    EXPECT_EQ(e.Aplatissement, table[i].inverseF == 0 ? 0 : 1 / table[i].inverseF) << table[i].name;
  }
  EXPECT_EQ(Catalogue[kIndexSphere].Nom, "Sphérique");
  for (const int index : {-1, static_cast<int>(Catalogue.size()), INT16_MAX, INT16_MIN})
    EXPECT_FALSE(EllipsoideDuCatalogue(static_cast<std::int16_t>(index))) << index;
}
